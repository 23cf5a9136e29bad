#include "support/pdftext.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

QByteArray run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted(5000) || !p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput();
}

} // namespace

QString missingPdfTools()
{
    QStringList missing;
    for (const char *tool : {"pdftotext", "pdfinfo", "pdftoppm"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            missing << QString::fromLatin1(tool);
    }
    if (missing.isEmpty())
        return {};
    return missing.join(QStringLiteral(", ")) +
           QStringLiteral(" not found: install poppler-utils (scripts/deps.sh --test)");
}

int pdfPageCount(const QString &pdf)
{
    const QString info = QString::fromUtf8(run(QStringLiteral("pdfinfo"), {pdf}));
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(info).captured(1).toInt();
}

QString pdfText(const QString &pdf, int page)
{
    QStringList args{QStringLiteral("-layout")};
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
             << QString::number(page);
    args << pdf << QStringLiteral("-");
    return QString::fromUtf8(run(QStringLiteral("pdftotext"), args));
}

QStringList pdfLines(const QString &pdf, int page)
{
    QStringList out;
    const QStringList lines = pdfText(pdf, page).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QString t = line.simplified();
        if (!t.isEmpty())
            out << t;
    }
    return out;
}

QList<QStringList> pdfPageLines(const QString &pdf)
{
    QList<QStringList> pages;
    QStringList current;
    const QStringList lines = pdfText(pdf).split(QLatin1Char('\n'));
    for (QString line : lines) {
        // pdftotext ends every page with a form feed.
        while (line.contains(QLatin1Char('\f'))) {
            const int at = line.indexOf(QLatin1Char('\f'));
            const QString before = line.left(at).simplified();
            if (!before.isEmpty())
                current << before;
            pages << current;
            current.clear();
            line = line.mid(at + 1);
        }
        const QString t = line.simplified();
        if (!t.isEmpty())
            current << t;
    }
    if (!current.isEmpty())
        pages << current;
    return pages;
}

QList<PdfWord> pdfWords(const QString &pdf)
{
    const QString xml = QString::fromUtf8(
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
    static const QRegularExpression tag(QStringLiteral(
        "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<PdfWord> words;
    int page = 0;
    for (auto it = tag.globalMatch(xml); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        QString text = m.captured(5);
        text.replace(QLatin1String("&lt;"), QLatin1String("<"))
            .replace(QLatin1String("&gt;"), QLatin1String(">"))
            .replace(QLatin1String("&quot;"), QLatin1String("\""))
            .replace(QLatin1String("&amp;"), QLatin1String("&"));
        words.append({page, m.captured(1).toDouble(), m.captured(2).toDouble(),
                      m.captured(3).toDouble(), m.captured(4).toDouble(), text});
    }
    return words;
}

bool pdfToPng(const QString &pdf, const QString &prefix, int dpi, int first, int last)
{
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
             QStringLiteral("-f"), QString::number(first), QStringLiteral("-l"),
             QString::number(last), pdf, prefix});
    return p.waitForStarted(5000) && p.waitForFinished(60000) && p.exitCode() == 0;
}
