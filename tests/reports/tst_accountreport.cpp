// The account report as the operator gets it: the options dialogue, then the
// report exported to PDF and read back with poppler's pdftotext for its
// sections, texts, positions and page breaks, with the list headings
// repeated under the page header while a list runs over pages.
#include "support/accountfixture.h"
#include "support/pdftext.h"
#include "pipeline/eventcatalogue.h"
#include "reports/accountreport.h"
#include "reports/reportpreview.h"
#include "reports/treportoptions.h"
#include "core/clock.h"
#include "store/database.h"
#include "support/recordingmessages.h"
#include "support/tempstore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
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

// Records what would be previewed, and lays it out for a look.
class RecordingPreviewer : public ReportPreviewer
{
public:
    void preview(const BandReport &report, QWidget *, const PreviewOptions &options) override
    {
        titles << report.title();
        layouts << report.layout(1200);
        maximised << options.maximised;
        fitPage << options.fitPage;
    }
    QStringList titles;
    QList<ReportLayout> layouts;
    QList<bool> maximised, fitPage;
};

class FixedClock : public core::Clock
{
public:
    QDateTime now() const override { return QDateTime(QDate(2026, 12, 11), QTime(9, 5, 7)); }
};

// Runs fn on the options dialogue once it is shown modally.
void whenOptionsShown(std::function<void(TfrmReportOptions *)> fn, int tries = 3000)
{
    QTimer::singleShot(tries == 3000 ? 0 : 10, [fn, tries]() {
        auto *dialog = qobject_cast<TfrmReportOptions *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) {
            if (tries > 0)
                whenOptionsShown(fn, tries - 1);
            return;
        }
        fn(dialog);
    });
}

void tick(TfrmReportOptions *dialog, quint8 options)
{
    for (int i = 0; i < 8; ++i)
        dialog->clbOptions->item(i)->setCheckState(options & (1u << i) ? Qt::Checked
                                                                       : Qt::Unchecked);
}

const QStringList kTitles{QStringLiteral("Customer Details"),   QStringLiteral("Key Holders"),
                          QStringLiteral("Exception Handling"), QStringLiteral("Customer Notes"),
                          QStringLiteral("Special Instructions"),
                          QStringLiteral("Zone Information"),   QStringLiteral("Area Information"),
                          QStringLiteral("User Information"),   QStringLiteral("Event Handling")};

// The section titles whose bits are set ("Exception Handling" goes with "Key Holders").
QStringList titlesOf(quint8 options)
{
    QStringList out;
    const int bitOf[] = {0, 1, 1, 2, 3, 4, 5, 6, 7};
    for (int i = 0; i < kTitles.size(); ++i) {
        if (options & (1u << bitOf[i]))
            out << kTitles[i];
    }
    return out;
}

} // namespace

class TestAccountReport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void optionsDialog_data();
    void optionsDialog();
    void printAsksForOptionsThenPreviews();
    void storeErrorIsReportedAndNothingPreviewed();

    void sections_data();
    void sections();
    void codedValues_data();
    void codedValues();
    void unknownAccountPrintsTheTitleOnly();
    void positions();
    void listHeadingsRepeatWhileRowsRemain_data();
    void listHeadingsRepeatWhileRowsRemain();
    void screenshots();

private:
    // Exports the report of the account with the options; the path of the PDF.
    QString exportReport(const QString &accountNo, quint8 options, const QString &fileName);

    QTemporaryDir m_dir;
    std::unique_ptr<TempStore> m_store;
    RecordingMessages m_messages;
    RecordingPreviewer m_previews;
    FixedClock m_clock;
};

void TestAccountReport::initTestCase()
{
    const QString missing = missingPdfTools();
    if (!missing.isEmpty())
        QFAIL(qPrintable(missing));
}

void TestAccountReport::init()
{
    core::setMessages(&m_messages);
    core::setClock(&m_clock);
    setPreviewer(&m_previews);
    m_store = std::make_unique<TempStore>();
    m_store->dm().setDefaultActionsSource(pipeline::CatalogueDefaultActions);
    addReportAccount(m_store->dm(), QStringLiteral("1234"), 0);
}

void TestAccountReport::cleanup()
{
    m_store.reset();
    setPreviewer(nullptr);
    core::setClock(nullptr);
    core::setMessages(nullptr);
    m_messages.clear();
    m_previews = RecordingPreviewer();
}

QString TestAccountReport::exportReport(const QString &accountNo, quint8 options,
                                        const QString &fileName)
{
    TfrmAccountRep report(m_store->dm(), accountNo);
    report.setOptions(options);
    const QString path = m_dir.filePath(fileName);
    QString error;
    if (!report.exportPdf(path, &error))
        qWarning("%s", qPrintable(error));
    return path;
}

void TestAccountReport::optionsDialog_data()
{
    QTest::addColumn<int>("ticked");
    QTest::addColumn<bool>("okEnabled");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<int>("expected"); // the byte afterwards (it starts at 0xA5)
    QTest::addColumn<bool>("returned");
    QTest::newRow("as opened") << 255 << true << true << 255 << true;
    QTest::newRow("customer details off") << 254 << true << true << 254 << true;
    QTest::newRow("areas only") << 32 << true << true << 32 << true;
    QTest::newRow("event handling only") << 128 << true << true << 128 << true;
    QTest::newRow("nothing ticked") << 0 << false << false << 0xA5 << false;
    QTest::newRow("cancel") << 16 << true << false << 0xA5 << false;
}

void TestAccountReport::optionsDialog()
{
    QFETCH(int, ticked);
    QFETCH(bool, okEnabled);
    QFETCH(bool, confirm);
    QFETCH(int, expected);
    QFETCH(bool, returned);

    TfrmReportOptions dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Report Options"));
    QCOMPARE(dialog.gbInclude->title(), QStringLiteral("Include the Following"));
    QCOMPARE(dialog.clbOptions->count(), 8);
    QStringList items;
    for (int i = 0; i < 8; ++i) {
        items << dialog.clbOptions->item(i)->text();
        QCOMPARE(dialog.clbOptions->item(i)->checkState(), Qt::Checked);
    }
    QCOMPARE(items, (L({"Customer Details", "Key Holders", "Customer Notes",
                                 "Special Instructions", "Zone Information", "Area Information",
                                 "User Information", "Event Handling"})));
    bool enabled = false;
    whenOptionsShown([&](TfrmReportOptions *shown) {
        tick(shown, static_cast<quint8>(ticked));
        enabled = shown->btnOK->isEnabled();
        // A disabled OK does nothing when clicked.
        (confirm || !enabled ? shown->btnOK : shown->btnCancel)->click();
        if (shown->isVisible())
            shown->btnCancel->click();
    });
    quint8 options = 0xA5;
    QCOMPARE(dialog.GetOptions(options), returned);
    QCOMPARE(enabled, okEnabled);
    QCOMPARE(int(options), expected);
}

void TestAccountReport::printAsksForOptionsThenPreviews()
{
    whenOptionsShown([](TfrmReportOptions *shown) {
        tick(shown, ZoneInformation | EventHandling);
        shown->btnOK->click();
    });
    printAccountReport(m_store->dm(), QStringLiteral("1234"), nullptr);
    QCOMPARE(m_previews.titles, QStringList{QStringLiteral("Account Information")});
    QCOMPARE(m_previews.maximised, QList<bool>{true});
    QCOMPARE(m_previews.fitPage, QList<bool>{true});
    QStringList texts;
    for (const LaidOutPage &page : m_previews.layouts[0].pages)
        texts += page.texts();
    QVERIFY(texts.contains(QStringLiteral("Zone Information")));
    QVERIFY(texts.contains(QStringLiteral("Event Handling")));
    QVERIFY(!texts.contains(QStringLiteral("Key Holders")));

    whenOptionsShown([](TfrmReportOptions *shown) { shown->btnCancel->click(); });
    printAccountReport(m_store->dm(), QStringLiteral("1234"), nullptr);
    QCOMPARE(m_previews.titles.size(), 1);
    QVERIFY(m_messages.all().isEmpty());
}

void TestAccountReport::storeErrorIsReportedAndNothingPreviewed()
{
    m_store->dm().database().close();
    whenOptionsShown([](TfrmReportOptions *shown) { shown->btnOK->click(); });
    printAccountReport(m_store->dm(), QStringLiteral("1234"), nullptr);
    QCOMPARE(m_messages.errors.size(), 1);
    QVERIFY(m_previews.titles.isEmpty());
}

void TestAccountReport::sections_data()
{
    QTest::addColumn<int>("options");
    QTest::addColumn<QStringList>("lines"); // patterns, each matching some printed line
    QTest::addColumn<int>("firstSectionPage");

    QTest::newRow("customer details")
        << int(CustomerDetails)
        << L({"^Account No: 1234\\s+Panel: Sterna 412$",
                       "^Name: Smith & Sons Ltd\\s+Last Signal: 12/7/2026 18:30:02$",
                       "^Address: 1 High Street$", "^Northgate\\s+Password: bluebird$",
                       "^Bexford\\s+Police No: PN-4471$", "^Kent\\s+Special Inst: site-plan.pdf$",
                       "^BX1 2AB$", "^Tel No: 01632 960123\\s+Fax No: 01632 960124$",
                       "^Email: mail@smith.example$"})
        << 1;
    QTest::newRow("key holders with exception handling")
        << int(KeyHolders)
        << L({"^Name\\s+Keyholder One\\s+Keyholder Two\\s+Keyholder Three$",
                       "^Mobile/Cellular\\s+07700 900201\\s+07700 900202\\s+07700 900203$",
                       "^Name\\s+Keyholder Four\\s+Keyholder Five\\s+Keyholder Six$",
                       "^Email\\s+kh4@smith.example\\s+kh5@smith.example\\s+kh6@smith.example$",
                       "^Early Openings\\s+Generate Exception\\s+Late Closing\\s+Generate Exception$",
                       "^Monday:\\s+08:30 am\\s+True\\s+Monday:\\s+05:45 pm\\s+False$",
                       "^Friday:\\s+12:30 pm\\s+True\\s+Friday:\\s+06:45 pm\\s+False$",
                       "^Sunday:\\s+02:30 pm\\s+True\\s+Sunday:\\s+05:45 pm\\s+False$",
                       "^No Communication$",
                       "^Last Communication:\\s+12/7/2026 18:30:02\\s+Generate Exception after:\\s+24\\s+Hours$"})
        << 1;
    QTest::newRow("customer notes")
        << int(CustomerNotes) << L({"^Side gate is kept locked; the key is in the key safe by the rear door\\.$"}) << 1;
    QTest::newRow("special instructions")
        << int(SpecialInstructions) << L({"^Call the police before any key holder after 22:00\\.$"}) << 1;
    QTest::newRow("zones")
        << int(ZoneInformation)
        << L({"^No\\s+Description$", "^Zone 1\\s+Detector 1$", "^Zone 16\\s+Detector 16$"})
        << 1;
    QTest::newRow("areas alone start on page 2")
        << int(AreaInformation) << L({"^No\\s+Description$", "^Area 2\\s+Floor 2$"}) << 2;
    QTest::newRow("users")
        << int(UserInformation) << L({"^User 0\\s+Holder 0$", "^User 31\\s+Holder 31$"}) << 1;
    QTest::newRow("event handling")
        << int(EventHandling)
        << L({"^Event Code\\s+Description\\s+Alarm Priorty\\s+Alarm Action\\s+Restore Action$"})
        << 1;
    QTest::newRow("customer details off")
        << 254 << L({"^Name\\s+Keyholder One", "^Side gate", "^Call the police"}) << 1;
    QTest::newRow("all but key holders") << 253 << L({"^Account No: 1234\\s+Panel:"}) << 1;
    QTest::newRow("all") << 255 << L({"^Monday:", "^Zone 16\\s+Detector 16$"}) << 1;
}

void TestAccountReport::sections()
{
    QFETCH(int, options);
    QFETCH(QStringList, lines);
    QFETCH(int, firstSectionPage);

    const QString pdf = exportReport(QStringLiteral("1234"), quint8(options),
                                     QStringLiteral("sections.pdf"));
    const QList<QStringList> pages = pdfPageLines(pdf);
    QCOMPARE(pages.size(), pdfPageCount(pdf));
    QStringList all;
    QStringList titles; // the section titles in print order, each once
    for (int p = 1; p <= pages.size(); ++p) {
        const QStringList &pageLines = pages[p - 1];
        QVERIFY2(pageLines.value(0).endsWith(QStringLiteral("Page: %1").arg(p)),
                 qPrintable(pageLines.value(0)));
        for (const QString &line : pageLines) {
            if (kTitles.contains(line) && !titles.contains(line)) {
                titles << line;
                if (titles.size() == 1)
                    QCOMPARE(p, firstSectionPage);
            }
        }
        all += pageLines;
    }
    // The title block, then the chosen sections in their fixed order.
    QCOMPARE(all.value(0), QStringLiteral("12/11/2026 09:05:07 Page: 1"));
    QCOMPARE(all.value(1), QStringLiteral("Account Information"));
    QVERIFY2(QRegularExpression(QStringLiteral("^Account No: 1234\\s+Name:Smith & Sons Ltd$"))
                 .match(all.value(2))
                 .hasMatch(),
             qPrintable(all.value(2)));
    QCOMPARE(titles, titlesOf(quint8(options)));
    for (const QString &pattern : lines) {
        const QRegularExpression re(pattern);
        QVERIFY2(std::any_of(all.begin(), all.end(),
                             [&re](const QString &l) { return re.match(l).hasMatch(); }),
                 qPrintable(pattern));
    }
}

void TestAccountReport::codedValues_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<int>("options");
    QTest::addColumn<QString>("line");
    const QString probe = QStringLiteral(
        "UPDATE Actions SET Description = 'Probe event', %1 WHERE ActionID = "
        "(SELECT MIN(ActionID) FROM Actions WHERE AccountNo = '1234')");
    QTest::newRow("PanelType 14") << QStringLiteral("UPDATE Accounts SET PanelType = 14")
                                  << int(CustomerDetails)
                                  << QStringLiteral("^Account No: 1234\\s+Panel: Unknown$");
    QTest::newRow("PanelType 13") << QStringLiteral("UPDATE Accounts SET PanelType = 13")
                                  << int(CustomerDetails)
                                  << QStringLiteral("^Account No: 1234\\s+Panel: Tavir 12$");
    QTest::newRow("AlmPriority 0")
        << probe.arg(QStringLiteral("AlmPriority = 0, AlmAction = 2, ResAction = 1"))
        << int(EventHandling) << QStringLiteral("^\\d+\\s+Probe event\\s+Prompt\\s+Log$");
    QTest::newRow("AlmPriority 3, restore action 9")
        << probe.arg(QStringLiteral("AlmPriority = 3, AlmAction = 0, ResAction = 9"))
        << int(EventHandling) << QStringLiteral("^\\d+\\s+Probe event\\s+Medium\\s+Ignore$");
    QTest::newRow("unset priority and actions")
        << probe.arg(QStringLiteral("AlmPriority = NULL, AlmAction = NULL, ResAction = NULL"))
        << int(EventHandling) << QStringLiteral("^\\d+\\s+Probe event\\s+Ignore\\s+Ignore$");
    QTest::newRow("unset times and switches")
        << QStringLiteral("UPDATE Accounts SET MonOpenTime = NULL, MonOpenExcept = NULL, "
                          "MonCloseExcept = NULL, NoSigTime = NULL, LastSignal = NULL")
        << int(KeyHolders)
        << QStringLiteral("^Monday:\\s+False\\s+Monday:\\s+05:45 pm\\s+False$");
    QTest::newRow("midnight and noon")
        << QStringLiteral("UPDATE Accounts SET MonOpenTime = '00:05:00', MonCloseTime = '12:00:00'")
        << int(KeyHolders)
        << QStringLiteral("^Monday:\\s+12:05 am\\s+True\\s+Monday:\\s+12:00 pm\\s+False$");
}

void TestAccountReport::codedValues()
{
    QFETCH(QString, sql);
    QFETCH(int, options);
    QFETCH(QString, line);
    store::Database &db = m_store->dm().database();
    {
        store::WriteScope scope(db);
        db.ensureWriteLock(50);
        db.exec(sql);
        scope.commit();
    }
    const QString pdf = exportReport(QStringLiteral("1234"), quint8(options),
                                     QStringLiteral("coded.pdf"));
    const QStringList lines = pdfLines(pdf, 0);
    const QRegularExpression re(line);
    QVERIFY2(std::any_of(lines.begin(), lines.end(),
                         [&re](const QString &l) { return re.match(l).hasMatch(); }),
             qPrintable(lines.filter(QRegularExpression(QStringLiteral("Probe|Monday|Panel")))
                            .join(QLatin1Char('\n'))));
}

void TestAccountReport::unknownAccountPrintsTheTitleOnly()
{
    const QString pdf = exportReport(QStringLiteral("9999"), AllSections,
                                     QStringLiteral("unknown.pdf"));
    QCOMPARE(pdfPageCount(pdf), 1);
    QCOMPARE(pdfLines(pdf, 1), (L({"12/11/2026 09:05:07 Page: 1", "Account Information",
                                            "Account No: Name:"})));
}

void TestAccountReport::positions()
{
    const QString pdf = exportReport(QStringLiteral("1234"), 255 & ~AreaInformation,
                                     QStringLiteral("positions.pdf"));
    const QList<PdfWord> words = pdfWords(pdf);
    QVERIFY(!words.isEmpty());
    auto first = [&words](const QString &text, int page = 1) -> const PdfWord * {
        for (const PdfWord &w : words) {
            if (w.text == text && w.page == page)
                return &w;
        }
        return nullptr;
    };
    // Left edges (or right edges, for right-aligned captions) in millimetres
    // from the left margin.
    struct Edge
    {
        const char *word;
        double mm;
        bool right;
    };
    const Edge edges[] = {
        {"Page:", 163.6, false},        {"Ltd", 184.6, true},
        {"1234", 19.4, false},          {"Address:", 20.3, true},
        {"Northgate", 20.9, false},             {"01632", 20.9, false},
        {"Panel:", 118.2, true},
        {"Sterna", 118.8, false},       {"Mobile/Cellular", 1.5, false},
        {"Early", 1.5, false},          {"Late", 95.9, false},
        {"08:30", 21.8, false},         {"05:45", 116.2, false},
        {"Hours", 142.7, false},        {"24", 133.0, false},
    };
    for (const Edge &e : edges) {
        const PdfWord *w = first(QString::fromLatin1(e.word));
        QVERIFY2(w, e.word);
        const double at = e.right ? w->x2 : w->x1;
        QVERIFY2(qAbs(at - pdfPt(e.mm, 12.7)) < 0.8,
                 qPrintable(QStringLiteral("%1 at %2 pt, expected %3 pt")
                                .arg(QString::fromLatin1(e.word))
                                .arg(at)
                                .arg(pdfPt(e.mm, 12.7))));
    }
    // Key holders' columns, the zone row and the event headings.
    auto leftOf = [&words](const QString &text) {
        QList<double> xs;
        for (const PdfWord &w : words) {
            if (w.text == text)
                xs << w.x1;
        }
        return xs;
    };
    auto someAt = [](const QList<double> &xs, double mm) {
        return std::any_of(xs.begin(), xs.end(),
                           [mm](double x) { return qAbs(x - pdfPt(mm, 12.7)) < 0.8; });
    };
    QVERIFY(someAt(leftOf(QStringLiteral("Keyholder")), 27.1));
    QVERIFY(someAt(leftOf(QStringLiteral("Keyholder")), 80.0));
    QVERIFY(someAt(leftOf(QStringLiteral("Keyholder")), 132.1));
    QVERIFY(someAt(leftOf(QStringLiteral("Zone")), 1.8));
    QVERIFY(someAt(leftOf(QStringLiteral("Detector")), 44.1));
    QVERIFY(someAt(leftOf(QStringLiteral("Description")), 43.9));
    QVERIFY(someAt(leftOf(QStringLiteral("Description")), 21.8));
    QVERIFY(someAt(leftOf(QStringLiteral("Restore")), 155.0));
    QVERIFY(someAt(leftOf(QStringLiteral("Alarm")), 86.2));
    QVERIFY(someAt(leftOf(QStringLiteral("Alarm")), 118.8));
    QVERIFY(someAt(leftOf(QStringLiteral("Event")), 1.5));
    // Title bars are centred across the page.
    const PdfWord *bar = first(QStringLiteral("Customer"));
    const PdfWord *barEnd = first(QStringLiteral("Details"));
    QVERIFY(bar && barEnd);
    QVERIFY(qAbs((bar->x1 + barEnd->x2) / 2 - 595.28 / 2) < 1.5);
}

void TestAccountReport::listHeadingsRepeatWhileRowsRemain_data()
{
    QTest::addColumn<int>("panelType");
    QTest::addColumn<int>("options");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("headings");
    QTest::addColumn<QString>("lastRow");
    QTest::addColumn<QString>("next"); // the list printed after it, "" if none

    QTest::newRow("model-7 zones, then users")
        << 7 << int(ZoneInformation | UserInformation) << QStringLiteral("Zone Information")
        << QStringLiteral("^No\\s+Description$") << QStringLiteral("^Zone 640\\s+Detector 640$")
        << QStringLiteral("User Information");
    QTest::newRow("event handling")
        << 0 << int(EventHandling) << QStringLiteral("Event Handling")
        << QStringLiteral("^Event Code\\s+Description\\s+Alarm Priorty\\s+Alarm Action\\s+Restore Action$")
        << QString() << QString();
}

void TestAccountReport::listHeadingsRepeatWhileRowsRemain()
{
    QFETCH(int, panelType);
    QFETCH(int, options);
    QFETCH(QString, title);
    QFETCH(QString, headings);
    QFETCH(QString, lastRow);
    QFETCH(QString, next);

    addReportAccount(m_store->dm(), QStringLiteral("7777"), panelType);
    const QString pdf = exportReport(QStringLiteral("7777"), quint8(options),
                                     QStringLiteral("continued.pdf"));
    const QList<QStringList> pageLines = pdfPageLines(pdf);
    const int pages = pageLines.size();
    QCOMPARE(pages, pdfPageCount(pdf));
    QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));
    const QRegularExpression headingLine(headings);
    const QRegularExpression lastLine(lastRow.isEmpty() ? QStringLiteral("^$") : lastRow);
    int lastRowPage = lastRow.isEmpty() ? pages : 0;
    for (int p = 1; p <= pages; ++p) {
        const QStringList &lines = pageLines[p - 1];
        if (!lastRow.isEmpty() && std::any_of(lines.begin(), lines.end(), [&](const QString &l) {
                return lastLine.match(l).hasMatch();
            }))
            lastRowPage = p;
    }
    QVERIFY(lastRowPage >= 2);
    for (int p = 2; p <= pages; ++p) {
        const QStringList &lines = pageLines[p - 1];
        const QString context = QStringLiteral("page %1: %2").arg(p).arg(lines.mid(0, 4).join(QStringLiteral(" | ")));
        if (p <= lastRowPage) {
            // Under the page header: the title bar and the headings of the list.
            QVERIFY2(lines.value(1) == title, qPrintable(context));
            QVERIFY2(headingLine.match(lines.value(2)).hasMatch(), qPrintable(context));
            QVERIFY2(!lines.mid(3).contains(title), qPrintable(context));
        } else {
            QVERIFY2(!lines.contains(title), qPrintable(context));
            QVERIFY2(lines.value(1) == next, qPrintable(context));
        }
    }
    if (!next.isEmpty())
        QVERIFY(lastRowPage < pages);
}

void TestAccountReport::screenshots()
{
    const QString folder = qEnvironmentVariable("QUORVEL_SCREENSHOT_DIR");
    // The options dialogue as it opens.
    TfrmReportOptions dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QImage options = dialog.grab().toImage();
    QVERIFY(!options.isNull());
    // A model-7 account, every section: the first pages and one inside the zones.
    addReportAccount(m_store->dm(), QStringLiteral("7777"), 7);
    const QString pdf = exportReport(QStringLiteral("7777"), AllSections,
                                     QStringLiteral("account-report-model7.pdf"));
    QVERIFY(pdfPageCount(pdf) > 10);
    const QString prefix = m_dir.filePath(QStringLiteral("account-report"));
    QVERIFY(pdfToPng(pdf, prefix, 60, 1, 3));
    const QStringList pngs = QDir(m_dir.path()).entryList({QStringLiteral("account-report-*.png")});
    QCOMPARE(pngs.size(), 3);
    if (folder.isEmpty())
        return;
    QVERIFY(options.save(QDir(folder).filePath(QStringLiteral("report-options.png"))));
    QFile::remove(QDir(folder).filePath(QStringLiteral("account-report-model7.pdf")));
    QFile::copy(pdf, QDir(folder).filePath(QStringLiteral("account-report-model7.pdf")));
    QVERIFY(pdfToPng(pdf, QDir(folder).filePath(QStringLiteral("account-report")), 90, 1,
                     pdfPageCount(pdf)));
}

QTEST_MAIN(TestAccountReport)
#include "tst_accountreport.moc"
