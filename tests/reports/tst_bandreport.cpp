// The banded report writer laid out without widgets: word-wrapped bands that
// grow, page breaks with page headers and numbers, group headers kept with
// their first row, continuation headers, forced page breaks, bands taller
// than a page, and the PDF file.
#include "reports/bandreport.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace reports;

namespace {

QStringList L(std::initializer_list<const char *> texts)
{
    QStringList out;
    for (const char *t : texts)
        out << QString::fromUtf8(t);
    return out;
}

const TextStyle kPlain{9.0, false, Qt::black};

QString words(int count)
{
    QStringList w;
    for (int i = 1; i <= count; ++i)
        w << QStringLiteral("word%1").arg(i);
    return w.join(QLatin1Char(' '));
}

TextFn fixed(const QString &text)
{
    return [text](const PrintContext &) { return text; };
}

// The width of a text in millimetres, measured at 1200 dpi.
double widthMm(const QString &text, const TextStyle &style)
{
    QImage device(1, 1, QImage::Format_Mono);
    device.setDotsPerMeterX(qRound(1200 / 0.0254));
    device.setDotsPerMeterY(qRound(1200 / 0.0254));
    return QFontMetricsF(reportFont(style), &device).horizontalAdvance(text) / 1200 * 25.4;
}

// The texts of a page whose left edge is at x (mm), top to bottom.
QStringList textsAt(const LaidOutPage &page, double x)
{
    QList<const DrawOp *> ops;
    for (const DrawOp &op : page.ops) {
        if (op.kind == DrawOp::Kind::Text && qAbs(op.rect.left() - x) < 0.01)
            ops << &op;
    }
    std::stable_sort(ops.begin(), ops.end(),
                     [](const DrawOp *a, const DrawOp *b) { return a->rect.top() < b->rect.top(); });
    QStringList out;
    for (const DrawOp *op : std::as_const(ops))
        out << op->text;
    return out;
}

// A report with a "Page: n" header and one list of numbered rows.
BandReport numberedRows(int rows, double rowHeight, bool continuation = false)
{
    BandReport report(QStringLiteral("Test"), QPageLayout::Portrait, 10.0);
    Band header(10.0);
    header.addText(0, 1, [](const PrintContext &c) { return QStringLiteral("Page: %1").arg(c.page); },
                   kPlain);
    report.addPageHeader(header);
    ListSection list;
    list.header = Band(8.0);
    list.header->addLabel(0, 1, QStringLiteral("List header"), kPlain);
    list.detail = Band(rowHeight);
    list.detail.addText(5, 0, [](const PrintContext &c) { return QStringLiteral("row %1").arg(c.row); },
                        kPlain);
    list.rowCount = [rows]() { return rows; };
    if (continuation) {
        list.continuation = Band(6.0);
        list.continuation->addLabel(0, 1, QStringLiteral("List continued"), kPlain);
    }
    report.addList(list);
    return report;
}

} // namespace

class TestBandReport : public QObject
{
    Q_OBJECT
private slots:
    void memoWrapsWithinItsWidth_data();
    void memoWrapsWithinItsWidth();
    void textInABoxIsMadeToFit();
    void pagesBreakWithHeadersAndNumbers();
    void continuationHeaderWhileRowsRemain();
    void groupHeaderRepeatsWhileRowsRemain_data();
    void groupHeaderRepeatsWhileRowsRemain();
    void groupHeaderKeptWithFirstRow();
    void forcedPageBreak();
    void bandTallerThanAPage();
    void layoutRunsAgainFromTheStart();
    void exportPdf();
};

void TestBandReport::memoWrapsWithinItsWidth_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<QString>("text");
    QTest::newRow("comments column") << 55.3 << words(40);
    QTest::newRow("narrow") << 20.0 << words(15);
    QTest::newRow("one unbroken word") << 15.0 << QStringLiteral("x").repeated(60);
    QTest::newRow("line breaks kept") << 100.0 << QStringLiteral("first line\r\nsecond line\n\nfourth");
}

void TestBandReport::memoWrapsWithinItsWidth()
{
    QFETCH(double, width);
    QFETCH(QString, text);
    BandReport report;
    Band memo(4.0);
    memo.addMemo(30.0, 0.5, width, fixed(text), kPlain);
    report.addBand(memo);
    Band after(4.0);
    after.addLabel(0, 0, QStringLiteral("after"), kPlain);
    report.addBand(after);

    const ReportLayout layout = report.layout(1200);
    QCOMPARE(layout.pages.size(), 1);
    const QStringList lines = textsAt(layout.pages[0], 30.0);
    QVERIFY(lines.size() > 1);

    // Nothing lost and nothing reordered: the lines give the text back.
    QString expected = text;
    expected.remove(QLatin1Char('\r'));
    QCOMPARE(lines.join(QLatin1Char('\n')).remove(QLatin1Char('\n')).remove(QLatin1Char(' ')),
             expected.remove(QLatin1Char('\n')).remove(QLatin1Char(' ')));
    if (text.contains(QLatin1Char('\n')))
        QCOMPARE(lines, (L({"first line", "second line", "", "fourth"})));

    // Every line fits its column at the resolution it was laid out for.
    for (const QString &line : lines)
        QVERIFY2(widthMm(line, kPlain) <= width + 0.01, qPrintable(line));

    // The band grew: the next band starts below the last line.
    double lastBottom = 0, afterTop = -1;
    for (const DrawOp &op : layout.pages[0].ops) {
        if (op.kind != DrawOp::Kind::Text)
            continue;
        if (op.text == QLatin1String("after"))
            afterTop = op.rect.top();
        else
            lastBottom = std::max(lastBottom, op.rect.bottom());
    }
    QVERIFY(afterTop >= lastBottom);
}

void TestBandReport::textInABoxIsMadeToFit()
{
    const TextStyle big{12.0, true, Qt::yellow};
    const QString text = QStringLiteral("Account No:");
    BandReport report;
    Band band(6.0);
    band.addLabel(1.1, 1.0, text, big, Qt::AlignLeft, 15.0)
        .addLabel(30.0, 1.0, text, big, Qt::AlignLeft, 100.0)
        .addLabel(0, 1.0, text, big, Qt::AlignRight);
    report.addBand(band);
    const QList<DrawOp> ops = report.layout(1200).pages[0].ops;
    QCOMPARE(ops.size(), 3);
    // Too long for its box: smaller, and inside the box.
    QVERIFY(ops[0].style.pointSize < 12.0);
    QVERIFY(widthMm(text, ops[0].style) <= 15.0 + 0.01);
    // Room enough, or no box of its own: as designed.
    QCOMPARE(ops[1].style.pointSize, 12.0);
    QCOMPARE(ops[2].style.pointSize, 12.0);
    QCOMPARE(ops[2].rect.right(), report.printableWidth());
}

void TestBandReport::pagesBreakWithHeadersAndNumbers()
{
    // 277 mm of A4 portrait height; 10 mm header: 26 rows of 10 mm on page
    // one (after the 8 mm list header), 26 on the next.
    const ReportLayout layout = numberedRows(60, 10.0).layout(1200);
    QCOMPARE(layout.pages.size(), 3);
    QStringList rows;
    for (int p = 0; p < layout.pages.size(); ++p) {
        const QStringList texts = layout.pages[p].texts();
        QCOMPARE(texts.first(), QStringLiteral("Page: %1").arg(p + 1));
        for (const QString &t : texts) {
            if (t.startsWith(QLatin1String("row ")))
                rows << t;
        }
        // Nothing printed past the bottom margin.
        for (const DrawOp &op : layout.pages[p].ops)
            QVERIFY(op.rect.bottom() <= 277.0 + 1e-6);
    }
    QCOMPARE(rows.size(), 60);
    for (int i = 0; i < rows.size(); ++i)
        QCOMPARE(rows[i], QStringLiteral("row %1").arg(i));
    QCOMPARE(layout.pages[0].texts().at(1), QStringLiteral("List header"));
    QVERIFY(!layout.pages[1].texts().contains(QStringLiteral("List header")));
}

void TestBandReport::continuationHeaderWhileRowsRemain()
{
    BandReport report = numberedRows(60, 10.0, true);
    // After the list, a band tall enough to need a page of its own.
    Band tail(250.0);
    tail.addLabel(0, 0, QStringLiteral("tail"), kPlain);
    report.addBand(tail);
    const ReportLayout layout = report.layout(1200);
    QCOMPARE(layout.pages.size(), 4);
    QVERIFY(!layout.pages[0].texts().contains(QStringLiteral("List continued")));
    for (int p : {1, 2}) {
        const QStringList texts = layout.pages[p].texts();
        QCOMPARE(texts.at(1), QStringLiteral("List continued"));
        QVERIFY(texts.at(2).startsWith(QLatin1String("row ")));
    }
    QCOMPARE(layout.pages[3].texts(), (L({"Page: 4", "tail"})));
}

void TestBandReport::groupHeaderRepeatsWhileRowsRemain_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("headerShown");
    QTest::addColumn<QList<int>>("repeatedOn"); // pages (from 1) showing the header under the page header
    QTest::addColumn<int>("pages");
    // Under the page header, the 8 mm header leaves room for 25 rows of
    // 10 mm on every page; without the header 26 or 27 rows fit.
    QTest::newRow("one page") << 20 << true << QList<int>{} << 2;
    QTest::newRow("over three pages") << 70 << true << QList<int>{2, 3} << 4;
    QTest::newRow("last row ends a page") << 50 << true << QList<int>{2} << 3;
    QTest::newRow("header left out") << 70 << false << QList<int>{} << 4;
}

void TestBandReport::groupHeaderRepeatsWhileRowsRemain()
{
    QFETCH(int, rows);
    QFETCH(bool, headerShown);
    QFETCH(QList<int>, repeatedOn);
    QFETCH(int, pages);

    // The list's header repeats itself; its hooks run once, for the list.
    ListSection list;
    list.header = Band(8.0);
    list.header->addLabel(0, 1, QStringLiteral("List header"), kPlain);
    int hooks = 0;
    list.header->beforePrint = [&hooks, headerShown](const PrintContext &) {
        ++hooks;
        return headerShown;
    };
    list.header->afterPrint = [&hooks](const PrintContext &) { ++hooks; };
    list.detail = Band(10.0);
    list.detail.addText(5, 0, [](const PrintContext &c) { return QStringLiteral("row %1").arg(c.row); },
                        kPlain);
    list.rowCount = [rows]() { return rows; };
    list.repeatHeader = true;
    BandReport r(QStringLiteral("Test"), QPageLayout::Portrait, 10.0);
    Band pageHeader(10.0);
    pageHeader.addText(0, 1, [](const PrintContext &c) { return QStringLiteral("Page: %1").arg(c.page); },
                       kPlain);
    r.addPageHeader(pageHeader);
    r.addList(list);
    // A band after the list that always needs a page of its own.
    Band tail(250.0);
    tail.addLabel(0, 0, QStringLiteral("tail"), kPlain);
    r.addBand(tail);

    const ReportLayout layout = r.layout(1200);
    QCOMPARE(layout.pages.size(), pages);
    QCOMPARE(hooks, headerShown ? 2 : 1);
    QStringList printed;
    for (int p = 0; p < layout.pages.size(); ++p) {
        const QStringList texts = layout.pages[p].texts();
        const bool repeated = p > 0 && texts.value(1) == QStringLiteral("List header");
        QCOMPARE(repeated, repeatedOn.contains(p + 1));
        QCOMPARE(texts.count(QStringLiteral("List header")),
                 (p == 0 && headerShown) || repeated ? 1 : 0);
        printed += texts.filter(QRegularExpression(QStringLiteral("^row ")));
    }
    // Every row once, in order.
    QCOMPARE(printed.size(), rows);
    QCOMPARE(printed.last(), QStringLiteral("row %1").arg(rows - 1));
    QCOMPARE(layout.pages.last().texts().last(), QStringLiteral("tail"));
}

void TestBandReport::groupHeaderKeptWithFirstRow()
{
    Band tall(262.0);
    tall.addLabel(0, 0, QStringLiteral("tall"), kPlain);
    // The body starts with a band that leaves room for the header but not
    // for its first row.
    BandReport r(QStringLiteral("Test"), QPageLayout::Portrait, 10.0);
    r.addBand(tall);
    ListSection list;
    list.header = Band(8.0);
    list.header->addLabel(0, 0, QStringLiteral("header"), kPlain);
    list.detail = Band(10.0);
    list.detail.addText(0, 0, [](const PrintContext &c) { return QString::number(c.row); }, kPlain);
    list.rowCount = []() { return 3; };
    r.addList(list);
    const ReportLayout layout = r.layout(1200);
    QCOMPARE(layout.pages.size(), 2);
    QCOMPARE(layout.pages[0].texts(), L({"tall"}));
    QCOMPARE(layout.pages[1].texts(), (L({"header", "0", "1", "2"})));
}

void TestBandReport::forcedPageBreak()
{
    BandReport report(QStringLiteral("Test"), QPageLayout::Portrait, 12.7);
    Band pageHeader(8.0);
    pageHeader.addLabel(0, 0, QStringLiteral("top"), kPlain);
    report.addPageHeader(pageHeader);
    Band first(10.0);
    first.addLabel(0, 0, QStringLiteral("first"), kPlain).setStartsNewPage();
    Band second(10.0);
    second.addLabel(0, 0, QStringLiteral("second"), kPlain).setStartsNewPage();
    Band off(10.0);
    off.addLabel(0, 0, QStringLiteral("switched off"), kPlain).setStartsNewPage();
    off.enabled = false;
    Band skipped(10.0);
    skipped.addLabel(0, 0, QStringLiteral("skipped"), kPlain).setStartsNewPage();
    skipped.beforePrint = [](const PrintContext &) { return false; };
    report.addBand(first);
    report.addBand(off);
    report.addBand(skipped);
    report.addBand(second);
    const ReportLayout layout = report.layout(1200);
    // The first band does not leave an empty first page behind it.
    QCOMPARE(layout.pages.size(), 2);
    QCOMPARE(layout.pages[0].texts(), (L({"top", "first"})));
    QCOMPARE(layout.pages[1].texts(), (L({"top", "second"})));
    QCOMPARE(report.printableWidth(), 210.0 - 2 * 12.7);
}

void TestBandReport::bandTallerThanAPage()
{
    QStringList lines;
    for (int i = 0; i < 150; ++i)
        lines << QStringLiteral("line %1").arg(i);
    BandReport report = numberedRows(2, 10.0);
    Band memo(4.0);
    memo.addMemo(0, 0, 100.0, fixed(lines.join(QLatin1Char('\n'))), kPlain).setRuleBelow();
    report.addBand(memo);
    const ReportLayout layout = report.layout(1200);
    QVERIFY(layout.pages.size() >= 3);
    QStringList printed;
    for (int p = 0; p < layout.pages.size(); ++p) {
        QCOMPARE(layout.pages[p].texts().first(), QStringLiteral("Page: %1").arg(p + 1));
        for (const DrawOp &op : layout.pages[p].ops) {
            QVERIFY(op.rect.bottom() <= 277.0 + 1e-6);
            if (op.kind == DrawOp::Kind::Text && op.text.startsWith(QLatin1String("line ")))
                printed << op.text;
        }
    }
    QCOMPARE(printed, lines);
}

void TestBandReport::layoutRunsAgainFromTheStart()
{
    // A report with state of its own (rows counted as they print), laid out
    // twice as the preview and then the printer do.
    int printedRows = 0;
    BandReport report = numberedRows(40, 10.0);
    report.onStart = [&printedRows]() { printedRows = 0; };
    Band footer(10.0);
    footer.addText(0, 0, [&printedRows](const PrintContext &) {
        return QStringLiteral("%1 rows").arg(printedRows);
    }, kPlain);
    ListSection counted;
    counted.detail = Band(1.0);
    counted.detail.afterPrint = [&printedRows](const PrintContext &) { ++printedRows; };
    counted.rowCount = []() { return 5; };
    counted.footer = footer;
    report.addList(counted);
    const QStringList once = report.layout(1200).pages.last().texts();
    const QStringList twice = report.layout(600).pages.last().texts();
    QCOMPARE(once.last(), QStringLiteral("5 rows"));
    QCOMPARE(twice, once);
}

void TestBandReport::exportPdf()
{
    QTemporaryDir dir;
    BandReport report = numberedRows(60, 10.0);
    const QString path = dir.filePath(QStringLiteral("rows.pdf"));
    QString error;
    QVERIFY2(report.exportPdf(path, &error), qPrintable(error));
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray data = pdf.readAll();
    QVERIFY(data.startsWith("%PDF"));
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    QCOMPARE(QString::fromLatin1(data).count(page), 3);

    const QString nowhere = dir.filePath(QStringLiteral("missing/folder/rows.pdf"));
    QVERIFY(!report.exportPdf(nowhere, &error));
    QVERIFY(error.contains(nowhere));
    QVERIFY(!QFile::exists(nowhere));
}

QTEST_MAIN(TestBandReport)
#include "tst_bandreport.moc"
