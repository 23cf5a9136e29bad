#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace reports {

// Size in points, weight and colour of a report text.
struct TextStyle
{
    double pointSize = 9.0;
    bool bold = false;
    QColor color = Qt::black;
};

// What a band's texts and hooks can ask while the report is laid out.
struct PrintContext
{
    int page = 1;  // the page being filled, from 1
    int row = -1;  // the row of the running list that prints (or prints next); -1 outside a list
};

using TextFn = std::function<QString(const PrintContext &)>;

// The sans-serif font reports are set in.
QFont reportFont(const TextStyle &style);

// One horizontal strip of a report. Positions and sizes are in millimetres,
// x from the left margin and y from the top of the band.
class Band
{
public:
    // heightMm is the least height; texts that reach further make it taller.
    explicit Band(double heightMm = 0.0);

    // One line of text in the box from x that is width wide, aligned in it.
    // Width 0 runs the box up to the right margin, and longer text goes on
    // past it; in a box of a given width, a text too long for it is set in
    // a smaller size (down to half) so that it does not run over.
    Band &addText(double x, double y, TextFn text, const TextStyle &style,
                  Qt::Alignment align = Qt::AlignLeft, double width = 0.0);
    Band &addLabel(double x, double y, const QString &text, const TextStyle &style,
                   Qt::Alignment align = Qt::AlignLeft, double width = 0.0);
    // Text word-wrapped in a column width wide; the band grows with it.
    // Line breaks in the text start new lines.
    Band &addMemo(double x, double y, double width, TextFn text, const TextStyle &style);
    // A filled rectangle (a title bar); width 0 runs to the right margin.
    Band &addFill(double x, double y, double width, double height, const QColor &color);
    // A horizontal line across the printable width at y.
    Band &addRule(double y);

    // Fills the whole band behind its items.
    Band &setBackground(const QColor &color);
    // A line under the band, across the printable width.
    Band &setRuleBelow(bool on = true);
    // The band starts a new page unless nothing has printed yet on the page
    // below the page headers.
    Band &setStartsNewPage(bool on = true);
    // Space kept under the lowest text.
    Band &setBottomPadding(double mm);

    // Runs before the band prints; returning false leaves the band out.
    std::function<bool(const PrintContext &)> beforePrint;
    // Runs after the band has printed.
    std::function<void(const PrintContext &)> afterPrint;
    // A band that is switched off takes no space and runs no hooks.
    bool enabled = true;

    struct Item
    {
        enum class Kind { Text, Memo, Fill, Rule };
        Kind kind = Kind::Text;
        double x = 0, y = 0, width = 0, height = 0;
        Qt::Alignment align = Qt::AlignLeft;
        TextStyle style;
        TextFn text;
        QColor color;
    };
    const QList<Item> &items() const { return m_items; }
    double height() const { return m_height; }
    QColor background() const { return m_background; }
    bool ruleBelow() const { return m_ruleBelow; }
    bool startsNewPage() const { return m_startsNewPage; }
    double bottomPadding() const { return m_bottomPadding; }

private:
    QList<Item> m_items;
    double m_height;
    QColor m_background;
    bool m_ruleBelow = false;
    bool m_startsNewPage = false;
    double m_bottomPadding = 0.5;
};

// A list in the body of a report: a group header, one detail band per row
// and a footer. The header is kept on the same page as the first row; when
// the rows run over a page break, a continuation prints under the page
// headers of the following pages until the last row has printed: the
// continuation band when there is one, else the group header itself when
// repeatHeader is set (repeated without running its hooks, and only when it
// printed at the start of the list).
struct ListSection
{
    std::optional<Band> header;
    Band detail;
    std::function<int()> rowCount;
    std::optional<Band> continuation;
    bool repeatHeader = false;
    std::optional<Band> footer;
    bool enabled = true;
};

// One drawing step of a laid-out page; rect in millimetres from the top-left
// corner of the printable area.
struct DrawOp
{
    enum class Kind { Text, Fill, Line };
    Kind kind = Kind::Text;
    QRectF rect;
    QString text;
    TextStyle style;
    Qt::Alignment align = Qt::AlignLeft;
    QColor color;
    double lineWidth = 0.2; // mm, for lines
};

struct LaidOutPage
{
    QList<DrawOp> ops;
    // The texts of the page, top to bottom and left to right.
    QStringList texts() const;
};

struct ReportLayout
{
    QList<LaidOutPage> pages;
};

// A banded report: page headers on every page, then the body (single bands
// and lists) in order, broken into pages of the chosen paper and margins.
class BandReport
{
public:
    explicit BandReport(const QString &title = {},
                        QPageLayout::Orientation orientation = QPageLayout::Portrait,
                        double marginMm = 10.0);

    QString title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }
    // A4 in the given orientation with the same margin on all four sides.
    void setPage(QPageLayout::Orientation orientation, double marginMm);
    const QPageLayout &pageLayout() const { return m_page; }
    double printableWidth() const;
    double printableHeight() const;

    // Printed at the top of every page, in the order added (page header,
    // column header, ...); each band's beforePrint decides per page.
    void addPageHeader(const Band &band);
    void addBand(const Band &band);
    void addList(const ListSection &list);

    // Runs at the start of every layout, so a report laid out again (by the
    // preview, then by the printer) starts its own state afresh.
    std::function<void()> onStart;

    // Lays the report out for a device of dpi dots per inch (text metrics
    // depend on it). There is always at least one page.
    ReportLayout layout(double dpi = 1200.0) const;
    // Lays out for the device and paints every page on it.
    void print(QPagedPaintDevice &device) const;
    // Writes the report as a PDF file; false (with the reason) when the file
    // cannot be written.
    bool exportPdf(const QString &path, QString *error = nullptr) const;

private:
    friend class Layouter;
    struct Entry
    {
        std::optional<Band> band;
        std::optional<ListSection> list;
    };

    QString m_title;
    QPageLayout m_page;
    std::vector<Band> m_pageHeaders;
    std::vector<Entry> m_body;
};

// Paints laid-out pages on a device whose origin is the top-left corner of
// the printable area, starting a new device page for every page after the first.
void paintLayout(const ReportLayout &layout, QPainter &painter, QPagedPaintDevice &device);

} // namespace reports
