// The history report as the operator gets it: exported to PDF and read
// back with poppler's pdftotext, for its texts, the order of the rows, the
// column positions, word-wrapped comments and page numbers.
#include "support/historyrows.h"
#include "support/pdftext.h"
#include "reports/thistoryfrm.h"
#include "reports/thistreportfrm.h"
#include "support/tempstore.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace reports;

namespace {

QStringList L(std::initializer_list<const char *> texts)
{
    QStringList out;
    for (const char *t : texts)
        out << QString::fromUtf8(t);
    return out;
}

// Millimetres from the left margin (10 mm) to PDF points from the page edge.
double pt(double mmFromMargin)
{
    return (10.0 + mmFromMargin) * 72.0 / 25.4;
}

using Word = PdfWord;

QList<Word> find(const QList<Word> &words, const QString &text)
{
    QList<Word> out;
    for (const Word &w : words) {
        if (w.text == text)
            out << w;
    }
    return out;
}

QDateTime at(int day, int h, int m)
{
    return QDateTime(QDate(2007, 1, day), QTime(h, m, 0));
}

const QString kLongComment = QStringLiteral(
    "Keyholder Mr Baxter called on his mobile and attended site within twenty minutes; "
    "rear door found insecure, no sign of entry, premises checked with police unit "
    "and re-secured, engineer booked to replace the faulty door contact tomorrow morning");

} // namespace

class TestHistReport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void textsAndRowOrder();
    void columnPositions();
    void longCommentWrapsInItsColumn();
    void pageNumbersOnEveryPage();
    void noRowsStillPrintsTheHeaders();

private:
    // Runs qryHistory for the account as the viewer does and exports the report.
    QString exportReport(const QString &accountNo, const QString &name, const QString &range,
                         const QString &fileName);

    QTemporaryDir m_dir;
    std::unique_ptr<TempStore> m_store;
};

void TestHistReport::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QFAIL("pdftotext (poppler-utils) is not installed: scripts/deps.sh --test installs it");
}

void TestHistReport::init()
{
    m_store = std::make_unique<TempStore>();
}

void TestHistReport::cleanup()
{
    m_store.reset();
}

QString TestHistReport::exportReport(const QString &accountNo, const QString &name,
                                     const QString &range, const QString &fileName)
{
    THistoryFrm viewer(m_store->dm());
    viewer.openAccount(accountNo, name);
    THistReportFrm report(*m_store->dm().qryHistory);
    report.lbAccName = QStringLiteral("Name: ") + name;
    report.qrlbDateRange = QStringLiteral("Date Range: ") + range;
    const QString path = m_dir.filePath(fileName);
    QString error;
    if (!report.exportPdf(path, &error))
        qWarning("%s", qPrintable(error));
    const QString artifacts = qEnvironmentVariable("QUORVEL_SCREENSHOT_DIR");
    if (!artifacts.isEmpty()) {
        QFile::remove(QDir(artifacts).filePath(fileName));
        QFile::copy(path, QDir(artifacts).filePath(fileName));
    }
    return path;
}

void TestHistReport::textsAndRowOrder()
{
    addHistory(m_store->dm(),
               {{at(5, 9, 15), 1, 1, QStringLiteral("Burglary Zone 3 Rear Door"),
                 QStringLiteral("Smithers"), QStringLiteral("Police called"), at(5, 9, 20)},
                {at(7, 18, 0), 3, 0, QStringLiteral("Closed by User 2"), QString(), QString()},
                {at(6, 7, 45), 6, 2, QStringLiteral("Tamper Zone 9 Bell Box"),
                 QStringLiteral("Smithers"), QString(), at(6, 7, 50)},
                {at(6, 8, 0), 5, 7, QStringLiteral("AC Mains Failure")},
                {at(6, 12, 0), 1, 1, QStringLiteral("Another account's alarm"), {}, {}, {},
                 QStringLiteral("4321")}});
    const QString pdf = exportReport(QStringLiteral("1234"), QStringLiteral("Smith & Sons"),
                                     QStringLiteral("All"), QStringLiteral("history-report.pdf"));
    QCOMPARE(pdfPageCount(pdf), 1);
    const QString text = pdfText(pdf, 1);
    for (const char *expected :
         {"Account History Report", "Page: 1", "Account No:", "1234", "Name: Smith & Sons",
          "Date Range: All", "Date & Time", "Event Description", "Action", "Operator",
          "Actioned At", "Comments", "Police called"})
        QVERIFY2(text.contains(QLatin1String(expected)), expected);
    QVERIFY(!text.contains(QLatin1String("Another account")));

    // Newest first, each with the report's own action word.
    static const QRegularExpression row(QStringLiteral(
        "^\\s*(\\S+ - \\S+)\\s+(.+?)\\s{2,}(Logged|Actioned|Cancelled)\\b"),
        QRegularExpression::MultilineOption);
    QStringList rows;
    for (auto it = row.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        rows << m.captured(1) + QLatin1Char('|') + m.captured(2) + QLatin1Char('|') + m.captured(3);
    }
    QCOMPARE(rows, (L({"7-Jan-07 - 18:00.00|Closed by User 2|Logged",
                                "6-Jan-07 - 08:00.00|AC Mains Failure|Cancelled",
                                "6-Jan-07 - 07:45.00|Tamper Zone 9 Bell Box|Cancelled",
                                "5-Jan-07 - 09:15.00|Burglary Zone 3 Rear Door|Actioned"})));
}

void TestHistReport::columnPositions()
{
    addHistory(m_store->dm(), {{at(5, 9, 15), 1, 2, QStringLiteral("Burglary Zone 3"),
                                QStringLiteral("Smithers"), QStringLiteral("Attended"),
                                at(5, 9, 20)}});
    const QString pdf = exportReport(QStringLiteral("1234"), QStringLiteral("Smith & Sons"),
                                     QStringLiteral("1/5/2007 - 1/31/2007"),
                                     QStringLiteral("positions.pdf"));
    const QList<Word> words = pdfWords(pdf);
    QVERIFY(!words.isEmpty());
    // Titles and column heads, then the values of the row: some occurrence
    // of each word starts at its position.
    const QList<QPair<const char *, double>> lefts{
        {"1234", 27.0},       {"Name:", 68.8},        {"Date", 1.1},      {"Event", 34.9},
        {"Action", 142.9},    {"Operator", 160.9},    {"Actioned", 185.2}, {"Comments", 220.4},
        {"5-Jan-07", 1.1},    {"Burglary", 34.9},     {"Cancelled", 142.3}, {"Smithers", 160.9},
        {"Attended", 220.7}};
    for (const auto &[word, mm] : lefts) {
        const QList<Word> found = find(words, QString::fromLatin1(word));
        QVERIFY2(!found.isEmpty(), word);
        QVERIFY2(std::any_of(found.begin(), found.end(),
                             [mm = mm](const Word &w) { return qAbs(w.x1 - pt(mm)) < 0.75; }),
                 qPrintable(QStringLiteral("%1 at %2 pt, expected %3 pt")
                                .arg(QString::fromLatin1(word))
                                .arg(found.first().x1)
                                .arg(pt(mm))));
    }
    // The time actioned starts its column (its first word is the date).
    const QList<Word> dates = find(words, QStringLiteral("5-Jan-07"));
    QCOMPARE(dates.size(), 2);
    QVERIFY(qAbs(dates[1].x1 - pt(185.2)) < 0.75);
    // The account line: "Account No:" at the left edge; the range ends at the right margin.
    const QList<Word> accounts = find(words, QStringLiteral("Account"));
    QCOMPARE(accounts.size(), 2); // the title, and "Account No:"
    QVERIFY(qAbs(accounts[1].x1 - pt(1.1)) < 0.75);
    QVERIFY(qAbs(find(words, QStringLiteral("1/31/2007")).first().x2 - pt(277.0)) < 1.5);
    // The title is centred across the page; "Page:" and its number at the right.
    const double titleMid = (accounts[0].x1 + find(words, QStringLiteral("Report")).first().x2) / 2;
    QVERIFY(qAbs(titleMid - pt(277.0 / 2)) < 1.5);
    const Word page = find(words, QStringLiteral("Page:")).first();
    const QList<Word> ones = find(words, QStringLiteral("1"));
    const auto number = std::find_if(ones.begin(), ones.end(), [&page](const Word &w) {
        return qAbs(w.y1 - page.y1) < 1.0 && w.x1 > page.x2;
    });
    QVERIFY(number != ones.end());
    QVERIFY(page.x1 > pt(250) && number->x2 <= pt(277.0));
    // The column header sits under the page header, the row under the column header.
    QVERIFY(accounts[0].y2 < accounts[1].y1);
    QVERIFY(find(words, QStringLiteral("Comments")).first().y2 <
            find(words, QStringLiteral("Attended")).first().y1);
}

void TestHistReport::longCommentWrapsInItsColumn()
{
    addHistory(m_store->dm(),
               {{at(9, 2, 10), 1, 1, QStringLiteral("Burglary Zone 3 Rear Door"),
                 QStringLiteral("Smithers"), kLongComment, at(9, 2, 30)},
                {at(8, 22, 0), 3, 0, QStringLiteral("Older event below")}});
    const QString pdf = exportReport(QStringLiteral("1234"), QStringLiteral("Smith & Sons"),
                                     QStringLiteral("All"), QStringLiteral("long-comment.pdf"));
    const QList<Word> words = pdfWords(pdf);
    QList<Word> comment;
    for (const Word &w : words) {
        if (w.x1 >= pt(220.7) - 0.75 && w.y1 > find(words, QStringLiteral("Comments")).first().y2)
            comment << w;
    }
    // Every word in its order, inside the 55.3 mm column, on several lines.
    QStringList text;
    QSet<int> lines;
    for (const Word &w : std::as_const(comment)) {
        text << w.text;
        lines.insert(qRound(w.y1));
        QVERIFY2(w.x2 <= pt(220.7 + 55.3) + 0.75, qPrintable(w.text));
    }
    QCOMPARE(text.join(QLatin1Char(' ')), kLongComment);
    QVERIFY2(lines.size() >= 4, qPrintable(QString::number(lines.size())));
    // The row grew: the next row starts below the comment's last line.
    double commentBottom = 0;
    for (const Word &w : std::as_const(comment))
        commentBottom = std::max(commentBottom, w.y2);
    QVERIFY(find(words, QStringLiteral("Older")).first().y1 > commentBottom);
}

void TestHistReport::pageNumbersOnEveryPage()
{
    QList<HistoryRow> rows;
    for (int i = 0; i < 100; ++i)
        rows.append({QDateTime(QDate(2007, 1, 1), QTime(0, 0)).addSecs(3600 * i), 1 + i % 7, i % 3,
                     QStringLiteral("Event number %1").arg(i, 3, 10, QLatin1Char('0')),
                     QStringLiteral("Smithers"), i % 10 == 0 ? kLongComment : QString()});
    addHistory(m_store->dm(), rows);
    const QString pdf = exportReport(QStringLiteral("1234"), QStringLiteral("Smith & Sons"),
                                     QStringLiteral("All"), QStringLiteral("many-pages.pdf"));
    const int pages = pdfPageCount(pdf);
    QVERIFY(pages >= 3);
    QStringList seen;
    static const QRegularExpression event(QStringLiteral("Event number (\\d{3})"));
    for (int p = 1; p <= pages; ++p) {
        const QString text = pdfText(pdf, p);
        QVERIFY2(text.contains(QStringLiteral("Page: %1").arg(p)), qPrintable(QString::number(p)));
        QVERIFY(text.contains(QLatin1String("Account History Report")));
        QVERIFY(text.contains(QLatin1String("Account No:")));
        QVERIFY(text.contains(QLatin1String("Date & Time")));
        for (auto it = event.globalMatch(text); it.hasNext();)
            seen << it.next().captured(1);
    }
    QStringList expected;
    for (int i = 99; i >= 0; --i)
        expected << QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'));
    QCOMPARE(seen, expected);
}

void TestHistReport::noRowsStillPrintsTheHeaders()
{
    const QString pdf = exportReport(QStringLiteral("5555"), QStringLiteral("New Customer"),
                                     QStringLiteral("All"), QStringLiteral("empty.pdf"));
    QCOMPARE(pdfPageCount(pdf), 1);
    const QString text = pdfText(pdf, 1);
    for (const char *expected : {"Account History Report", "Page: 1", "Account No:", "5555",
                                 "Name: New Customer", "Date Range: All", "Date & Time",
                                 "Comments"})
        QVERIFY2(text.contains(QLatin1String(expected)), expected);
}

QTEST_MAIN(TestHistReport)
#include "tst_histreport.moc"
