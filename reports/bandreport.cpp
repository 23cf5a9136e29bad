#include "reports/bandreport.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <utility>

namespace reports {

namespace {

constexpr double kMmPerInch = 25.4;

} // namespace

QFont reportFont(const TextStyle &style)
{
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("Arimo"), QStringLiteral("Helvetica"),
                   QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(style.pointSize);
    f.setBold(style.bold);
    return f;
}

// ---- Band --------------------------------------------------------------------

Band::Band(double heightMm) : m_height(heightMm) {}

Band &Band::addText(double x, double y, TextFn text, const TextStyle &style, Qt::Alignment align,
                    double width)
{
    Item item;
    item.kind = Item::Kind::Text;
    item.x = x;
    item.y = y;
    item.width = width;
    item.align = align;
    item.style = style;
    item.text = std::move(text);
    m_items.append(item);
    return *this;
}

Band &Band::addLabel(double x, double y, const QString &text, const TextStyle &style,
                     Qt::Alignment align, double width)
{
    return addText(x, y, [text](const PrintContext &) { return text; }, style, align, width);
}

Band &Band::addMemo(double x, double y, double width, TextFn text, const TextStyle &style)
{
    Item item;
    item.kind = Item::Kind::Memo;
    item.x = x;
    item.y = y;
    item.width = width;
    item.style = style;
    item.text = std::move(text);
    m_items.append(item);
    return *this;
}

Band &Band::addFill(double x, double y, double width, double height, const QColor &color)
{
    Item item;
    item.kind = Item::Kind::Fill;
    item.x = x;
    item.y = y;
    item.width = width;
    item.height = height;
    item.color = color;
    m_items.append(item);
    return *this;
}

Band &Band::addRule(double y)
{
    Item item;
    item.kind = Item::Kind::Rule;
    item.y = y;
    m_items.append(item);
    return *this;
}

Band &Band::setBackground(const QColor &color)
{
    m_background = color;
    return *this;
}

Band &Band::setRuleBelow(bool on)
{
    m_ruleBelow = on;
    return *this;
}

Band &Band::setStartsNewPage(bool on)
{
    m_startsNewPage = on;
    return *this;
}

Band &Band::setBottomPadding(double mm)
{
    m_bottomPadding = mm;
    return *this;
}

// ---- Laid-out pages -----------------------------------------------------------

QStringList LaidOutPage::texts() const
{
    QList<const DrawOp *> text;
    for (const DrawOp &op : ops) {
        if (op.kind == DrawOp::Kind::Text && !op.text.isEmpty())
            text.append(&op);
    }
    std::stable_sort(text.begin(), text.end(), [](const DrawOp *a, const DrawOp *b) {
        if (std::abs(a->rect.top() - b->rect.top()) > 0.01)
            return a->rect.top() < b->rect.top();
        return a->rect.left() < b->rect.left();
    });
    QStringList out;
    for (const DrawOp *op : std::as_const(text))
        out << op->text;
    return out;
}

// ---- Layout -------------------------------------------------------------------

// Fills pages band by band; one instance per layout run.
class Layouter
{
public:
    Layouter(const BandReport &report, double dpi)
        : m_report(report), m_dpi(dpi), m_width(report.printableWidth()),
          m_height(report.printableHeight()), m_metricsDevice(1, 1, QImage::Format_Mono)
    {
        const int dpm = qRound(dpi / kMmPerInch * 1000.0);
        m_metricsDevice.setDotsPerMeterX(dpm);
        m_metricsDevice.setDotsPerMeterY(dpm);
    }

    ReportLayout run()
    {
        if (m_report.onStart)
            m_report.onStart();
        startPage();
        for (const BandReport::Entry &entry : m_report.m_body) {
            if (entry.band)
                printBand(*entry.band);
            else if (entry.list)
                printList(*entry.list);
        }
        m_layout.pages.append(m_current);
        return std::move(m_layout);
    }

private:
    struct Measured
    {
        double height = 0;
        QList<DrawOp> ops; // y relative to the band's top
    };

    double pxPerMm() const { return m_dpi / kMmPerInch; }
    double remaining() const { return m_height - m_y; }

    PrintContext context() const
    {
        PrintContext ctx;
        ctx.page = m_page;
        ctx.row = m_row;
        return ctx;
    }

    void startPage()
    {
        if (m_page > 0)
            m_layout.pages.append(std::exchange(m_current, LaidOutPage()));
        ++m_page;
        m_y = 0;
        m_bodyOnPage = false;
        for (const Band &band : m_report.m_pageHeaders)
            printTopBand(band);
        if (m_list && m_listHeaderDone && m_row >= 0 && m_row < m_rows) {
            if (m_list->continuation)
                printTopBand(*m_list->continuation);
            else if (m_list->repeatHeader && m_headerPrinted)
                printTopBand(*m_list->header, false);
        }
    }

    // Page headers never move to another page; what does not fit is cut off.
    void printTopBand(const Band &band, bool runHooks = true)
    {
        if (!band.enabled)
            return;
        const PrintContext ctx = context();
        if (runHooks && band.beforePrint && !band.beforePrint(ctx))
            return;
        Measured m = measure(band, ctx);
        place(m.ops);
        m_y += m.height;
        if (runHooks && band.afterPrint)
            band.afterPrint(ctx);
    }

    bool printBand(const Band &band)
    {
        if (!band.enabled)
            return false;
        if (band.beforePrint && !band.beforePrint(context()))
            return false;
        if (band.startsNewPage() && m_bodyOnPage)
            startPage();
        Measured m = measure(band, context());
        if (m.height > remaining() + 1e-6 && m_bodyOnPage) {
            startPage();
            m = measure(band, context());
        }
        placeSplitting(m);
        m_bodyOnPage = true;
        if (band.afterPrint)
            band.afterPrint(context());
        return true;
    }

    void printList(const ListSection &list)
    {
        if (!list.enabled)
            return;
        m_list = &list;
        m_rows = list.rowCount ? std::max(0, list.rowCount()) : 0;
        m_listHeaderDone = false;
        m_headerPrinted = false;
        m_row = m_rows > 0 ? 0 : -1;
        if (list.header && list.header->enabled) {
            // A header is not left alone at the foot of a page.
            if (m_bodyOnPage && m_rows > 0 && list.detail.enabled &&
                !(list.header->startsNewPage())) {
                const double need = measure(*list.header, context()).height +
                                    measure(list.detail, context()).height;
                if (need > remaining() + 1e-6)
                    startPage();
            }
            m_headerPrinted = printBand(*list.header);
        }
        m_listHeaderDone = true;
        for (int r = 0; r < m_rows; ++r) {
            m_row = r;
            printBand(list.detail);
        }
        m_row = -1;
        m_list = nullptr;
        if (list.footer)
            printBand(*list.footer);
    }

    // A text in a box of its own is made smaller rather than run into its
    // neighbour: fonts differ from one station to the next.
    double fittingSize(const QString &text, const TextStyle &style, double widthMm) const
    {
        double size = style.pointSize;
        for (int attempt = 0; attempt < 4 && !text.isEmpty(); ++attempt) {
            TextStyle s = style;
            s.pointSize = size;
            const QFontMetricsF fm(reportFont(s), &m_metricsDevice);
            const double natural = fm.horizontalAdvance(text) / pxPerMm();
            if (natural <= widthMm)
                break;
            size = std::max(style.pointSize * 0.5, size * widthMm / natural * 0.99);
        }
        return size;
    }

    QStringList wrap(const QString &text, const QFont &font, double widthMm) const
    {
        QString plain = text;
        plain.remove(QLatin1Char('\r'));
        QStringList paragraphs = plain.split(QLatin1Char('\n'));
        while (!paragraphs.isEmpty() && paragraphs.last().trimmed().isEmpty())
            paragraphs.removeLast();
        QStringList lines;
        const double widthPx = widthMm * pxPerMm();
        for (const QString &para : std::as_const(paragraphs)) {
            if (para.trimmed().isEmpty()) {
                lines << QString();
                continue;
            }
            QTextLayout tl(para, font, &m_metricsDevice);
            QTextOption option;
            option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            tl.setTextOption(option);
            tl.beginLayout();
            for (QTextLine line = tl.createLine(); line.isValid(); line = tl.createLine()) {
                line.setLineWidth(widthPx);
                QString piece = para.mid(line.textStart(), line.textLength());
                while (!piece.isEmpty() && piece.back().isSpace())
                    piece.chop(1);
                lines << piece;
            }
            tl.endLayout();
        }
        return lines;
    }

    Measured measure(const Band &band, const PrintContext &ctx) const
    {
        Measured m;
        double bottom = band.height();
        bool hasText = false;
        double textBottom = 0;
        for (const Band::Item &item : band.items()) {
            const double boxWidth = item.width > 0 ? item.width : m_width - item.x;
            switch (item.kind) {
            case Band::Item::Kind::Text: {
                const QFont font = reportFont(item.style);
                const QFontMetricsF fm(font, &m_metricsDevice);
                const double lineHeight = fm.height() / pxPerMm();
                DrawOp op;
                op.kind = DrawOp::Kind::Text;
                op.rect = QRectF(item.x, item.y, boxWidth, lineHeight);
                op.text = item.text ? item.text(ctx) : QString();
                op.style = item.style;
                op.align = item.align;
                if (item.width > 0)
                    op.style.pointSize = fittingSize(op.text, item.style, item.width);
                m.ops.append(op);
                hasText = true;
                textBottom = std::max(textBottom, item.y + lineHeight);
                break;
            }
            case Band::Item::Kind::Memo: {
                const QFont font = reportFont(item.style);
                const QFontMetricsF fm(font, &m_metricsDevice);
                const double lineHeight = fm.height() / pxPerMm();
                const double spacing = fm.lineSpacing() / pxPerMm();
                const QStringList lines = wrap(item.text ? item.text(ctx) : QString(), font,
                                               boxWidth);
                for (int i = 0; i < lines.size(); ++i) {
                    DrawOp op;
                    op.kind = DrawOp::Kind::Text;
                    op.rect = QRectF(item.x, item.y + i * spacing, boxWidth, lineHeight);
                    op.text = lines[i];
                    op.style = item.style;
                    m.ops.append(op);
                }
                if (!lines.isEmpty()) {
                    hasText = true;
                    textBottom = std::max(textBottom,
                                          item.y + (lines.size() - 1) * spacing + lineHeight);
                }
                break;
            }
            case Band::Item::Kind::Fill: {
                DrawOp op;
                op.kind = DrawOp::Kind::Fill;
                op.rect = QRectF(item.x, item.y, boxWidth, item.height);
                op.color = item.color;
                m.ops.append(op);
                bottom = std::max(bottom, item.y + item.height);
                break;
            }
            case Band::Item::Kind::Rule: {
                DrawOp op;
                op.kind = DrawOp::Kind::Line;
                op.rect = QRectF(0, item.y, m_width, 0);
                op.color = Qt::black;
                m.ops.append(op);
                bottom = std::max(bottom, item.y);
                break;
            }
            }
        }
        if (hasText)
            bottom = std::max(bottom, textBottom + band.bottomPadding());
        m.height = bottom;
        if (band.background().isValid()) {
            DrawOp fill;
            fill.kind = DrawOp::Kind::Fill;
            fill.rect = QRectF(0, 0, m_width, bottom);
            fill.color = band.background();
            m.ops.prepend(fill);
        }
        if (band.ruleBelow()) {
            DrawOp rule;
            rule.kind = DrawOp::Kind::Line;
            rule.rect = QRectF(0, bottom, m_width, 0);
            rule.color = Qt::black;
            m.ops.append(rule);
        }
        return m;
    }

    void place(const QList<DrawOp> &ops)
    {
        for (DrawOp op : ops) {
            op.rect.translate(0, m_y);
            m_current.ops.append(op);
        }
    }

    // A band taller than a whole page goes on over as many pages as it
    // needs, cut between its text lines, so no line is lost.
    void placeSplitting(Measured m)
    {
        while (m.height > remaining() + 1e-6) {
            double cut = remaining();
            for (const DrawOp &op : std::as_const(m.ops)) {
                if (op.kind == DrawOp::Kind::Text && op.rect.top() < cut &&
                    op.rect.bottom() > cut)
                    cut = std::min(cut, op.rect.top());
            }
            if (cut <= 1e-6)
                cut = remaining(); // a single line taller than the page
            if (cut <= 1e-6) {
                startPage();
                if (remaining() <= 1e-6)
                    break; // the page headers fill the page: print what remains cut off
                continue;
            }
            QList<DrawOp> here, rest;
            for (const DrawOp &op : std::as_const(m.ops)) {
                if (op.kind == DrawOp::Kind::Fill) {
                    const QRectF above = op.rect.intersected(QRectF(0, 0, m_width, cut));
                    const QRectF below =
                        op.rect.intersected(QRectF(0, cut, m_width, m.height - cut + 1));
                    if (!above.isEmpty()) {
                        DrawOp part = op;
                        part.rect = above;
                        here.append(part);
                    }
                    if (!below.isEmpty()) {
                        DrawOp part = op;
                        part.rect = below.translated(0, -cut);
                        rest.append(part);
                    }
                } else if (op.rect.top() < cut || (op.kind == DrawOp::Kind::Line &&
                                                   op.rect.top() <= cut)) {
                    here.append(op);
                } else {
                    DrawOp moved = op;
                    moved.rect.translate(0, -cut);
                    rest.append(moved);
                }
            }
            place(here);
            m.ops = rest;
            m.height -= cut;
            startPage();
        }
        place(m.ops);
        m_y += m.height;
    }

    const BandReport &m_report;
    double m_dpi;
    double m_width;
    double m_height;
    QImage m_metricsDevice;

    ReportLayout m_layout;
    LaidOutPage m_current;
    int m_page = 0;
    double m_y = 0;
    bool m_bodyOnPage = false;
    const ListSection *m_list = nullptr;
    int m_rows = 0;
    int m_row = -1;
    bool m_listHeaderDone = false;
    bool m_headerPrinted = false;
};

// ---- BandReport ---------------------------------------------------------------

BandReport::BandReport(const QString &title, QPageLayout::Orientation orientation,
                       double marginMm)
    : m_title(title)
{
    setPage(orientation, marginMm);
}

void BandReport::setPage(QPageLayout::Orientation orientation, double marginMm)
{
    m_page = QPageLayout(QPageSize(QPageSize::A4), orientation,
                         QMarginsF(marginMm, marginMm, marginMm, marginMm),
                         QPageLayout::Millimeter);
}

double BandReport::printableWidth() const
{
    return m_page.paintRect(QPageLayout::Millimeter).width();
}

double BandReport::printableHeight() const
{
    return m_page.paintRect(QPageLayout::Millimeter).height();
}

void BandReport::addPageHeader(const Band &band)
{
    m_pageHeaders.push_back(band);
}

void BandReport::addBand(const Band &band)
{
    m_body.push_back(Entry{band, std::nullopt});
}

void BandReport::addList(const ListSection &list)
{
    m_body.push_back(Entry{std::nullopt, list});
}

ReportLayout BandReport::layout(double dpi) const
{
    return Layouter(*this, dpi).run();
}

void BandReport::print(QPagedPaintDevice &device) const
{
    const ReportLayout laidOut = layout(device.logicalDpiY());
    QPainter painter;
    if (!painter.begin(&device))
        return;
    paintLayout(laidOut, painter, device);
    painter.end();
}

bool BandReport::exportPdf(const QString &path, QString *error) const
{
    // Written aside and put in place when complete, so a file already there
    // is never left half overwritten.
    QSaveFile file(path);
    auto fail = [&]() {
        if (error)
            *error = QStringLiteral("Cannot write the file %1: %2").arg(path, file.errorString());
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail();
    {
        QPdfWriter writer(&file);
        writer.setResolution(1200);
        writer.setPageLayout(m_page);
        writer.setTitle(m_title);
        writer.setCreator(QStringLiteral("Quorvel Alarm Monitor"));
        const ReportLayout laidOut = layout(writer.resolution());
        QPainter painter;
        if (!painter.begin(&writer))
            return fail();
        paintLayout(laidOut, painter, writer);
        if (!painter.end())
            return fail();
    }
    if (!file.commit())
        return fail();
    return true;
}

void paintLayout(const ReportLayout &layout, QPainter &painter, QPagedPaintDevice &device)
{
    const double scale = device.logicalDpiY() / kMmPerInch;
    auto px = [scale](const QRectF &mm) {
        return QRectF(mm.left() * scale, mm.top() * scale, mm.width() * scale,
                      mm.height() * scale);
    };
    for (int p = 0; p < layout.pages.size(); ++p) {
        if (p > 0)
            device.newPage();
        for (const DrawOp &op : layout.pages[p].ops) {
            switch (op.kind) {
            case DrawOp::Kind::Fill:
                painter.fillRect(px(op.rect), op.color);
                break;
            case DrawOp::Kind::Line: {
                QPen pen(op.color);
                pen.setWidthF(op.lineWidth * scale);
                painter.setPen(pen);
                const QRectF r = px(op.rect);
                painter.drawLine(QPointF(r.left(), r.top()), QPointF(r.right(), r.top()));
                break;
            }
            case DrawOp::Kind::Text:
                if (op.text.isEmpty())
                    break;
                painter.setFont(reportFont(op.style));
                painter.setPen(op.style.color);
                painter.drawText(px(op.rect),
                                 (op.align | Qt::AlignTop).toInt() | Qt::TextDontClip |
                                     Qt::TextSingleLine,
                                 op.text);
                break;
            }
        }
    }
}

} // namespace reports
