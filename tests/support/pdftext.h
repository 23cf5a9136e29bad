#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Reports read back from their PDF with poppler's tools, as an operator's
// printout would be read. The suite installs poppler-utils; without it the
// tests fail rather than pass unseen.

// Empty when pdftotext, pdfinfo and pdftoppm are all on PATH; else what is missing.
QString missingPdfTools();

int pdfPageCount(const QString &pdf);
// The text of one page (from 1), laid out as printed; every page when page is 0.
QString pdfText(const QString &pdf, int page = 0);
// The non-empty lines of a page (every page when 0), each run of spaces made one.
QStringList pdfLines(const QString &pdf, int page);
// The lines of every page, page 1 first, read in one go.
QList<QStringList> pdfPageLines(const QString &pdf);

struct PdfWord
{
    int page; // from 1
    double x1, y1, x2, y2; // points from the page's top-left corner
    QString text;
};
QList<PdfWord> pdfWords(const QString &pdf);

// Renders pages as PNG files prefix-1.png, prefix-2.png, ... at dpi; false
// when pdftoppm failed.
bool pdfToPng(const QString &pdf, const QString &prefix, int dpi, int first, int last);

// Millimetres from the left margin of a page to PDF points from its edge.
inline double pdfPt(double mmFromMargin, double marginMm)
{
    return (marginMm + mmFromMargin) * 72.0 / 25.4;
}
