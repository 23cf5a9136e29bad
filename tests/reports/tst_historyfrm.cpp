// The history viewer over a real store: the event-group filter, the date
// range and its bounds, the Print right, a fresh viewer on every opening,
// row colours, column widths, the printed rows and a failing re-run.
#include "support/historyrows.h"
#include "reports/bandreport.h"
#include "reports/historymodel.h"
#include "reports/reportformats.h"
#include "reports/reportpreview.h"
#include "reports/thistoryfrm.h"
#include "support/recordingmessages.h"
#include "support/tempstore.h"

#include <QApplication>
#include <QCheckBox>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolTip>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTableView>
#include <QScopeGuard>
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

QDateTime at(int month, int day, int h, int m, int s)
{
    return QDateTime(QDate(2007, month, day), QTime(h, m, s));
}

// Seven rows of account 1234, one per group, plus rows of another account
// and of an unknown group.
QList<HistoryRow> sampleRows()
{
    return {
        {at(1, 4, 23, 59, 59), 1, 1, QStringLiteral("g1 day before start")},
        {at(1, 5, 0, 0, 0), 2, 0, QStringLiteral("g2 start midnight")},
        {at(1, 17, 12, 0, 0), 3, 0, QStringLiteral("g3 mid range")},
        {at(1, 31, 23, 59, 59), 4, 1, QStringLiteral("g4 end last second")},
        {at(2, 1, 0, 0, 0), 5, 0, QStringLiteral("g5 day after end")},
        {at(2, 10, 8, 0, 0), 6, 2, QStringLiteral("g6 tamper")},
        {at(3, 1, 9, 30, 0), 7, 0, QStringLiteral("g7 test")},
        {at(3, 2, 9, 30, 0), 0, 0, QStringLiteral("g0 no group")},
        {at(1, 17, 12, 0, 0), 1, 0, QStringLiteral("other account"), {}, {}, {},
         QStringLiteral("9999")},
    };
}

QStringList shownDescs(THistoryFrm &viewer)
{
    HistoryModel *model = viewer.model();
    while (model->canFetchMore({}))
        model->fetchMore({});
    QStringList out;
    for (int r = 0; r < model->rowCount(); ++r)
        out << model->index(r, 1).data().toString();
    return out;
}

// Records what the viewer would preview, and keeps the layout for a look.
class RecordingPreviewer : public ReportPreviewer
{
public:
    void preview(const BandReport &report, QWidget *, const PreviewOptions &) override
    {
        titles << report.title();
        layouts << report.layout(1200);
    }
    QStringList titles;
    QList<ReportLayout> layouts;
};

} // namespace

class TestHistoryFrm : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void eventGroupFilterText_data();
    void eventGroupFilterText();
    void groupFilter_data();
    void groupFilter();
    void dateRange_data();
    void dateRange();
    void rangeReadOnlyWhenClicked();
    void printRight_data();
    void printRight();
    void everyOpeningStartsAfresh();
    void rowColours_data();
    void rowColours();
    void columnWidths_data();
    void columnWidths();
    void longHistoryFetchedInBatches();
    void printPreviewsTheRowsShown();
    void printPreviewDialogOpens();
    void failingRerunKeepsTheViewerOpen();
    void wholeTextsShow();
    void typedDates_data();
    void typedDates();
    void screenshot();

private:
    std::unique_ptr<TempStore> m_store;
    std::unique_ptr<THistoryFrm> m_viewer;
    RecordingMessages m_messages;
    RecordingPreviewer m_previews;
};

void TestHistoryFrm::init()
{
    core::setMessages(&m_messages);
    setPreviewer(&m_previews);
    m_store = std::make_unique<TempStore>();
    m_store->dm().currentOperator.PrintReports = true;
    addHistory(m_store->dm(), sampleRows());
    m_viewer = std::make_unique<THistoryFrm>(m_store->dm());
    m_viewer->openAccount(QStringLiteral("1234"), QStringLiteral("Smith & Sons"));
}

void TestHistoryFrm::cleanup()
{
    m_viewer.reset();
    m_store.reset();
    setPreviewer(nullptr);
    core::setMessages(nullptr);
    m_messages.clear();
    m_previews = RecordingPreviewer();
}

void TestHistoryFrm::eventGroupFilterText_data()
{
    QTest::addColumn<QList<int>>("groups");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << QList<int>{} << QString();
    QTest::newRow("one") << QList<int>{4} << QStringLiteral("(EventGroup = 4)");
    QTest::newRow("three") << QList<int>{1, 3, 7}
                           << QStringLiteral("(EventGroup = 1) or (EventGroup = 3) or (EventGroup = 7)");
}

void TestHistoryFrm::eventGroupFilterText()
{
    QFETCH(QList<int>, groups);
    QFETCH(QString, text);
    QCOMPARE(EventGroupFilter(groups), text);
}

void TestHistoryFrm::groupFilter_data()
{
    QTest::addColumn<bool>("onlyShow");
    QTest::addColumn<QList<int>>("unticked");
    QTest::addColumn<QStringList>("shown");
    const QStringList all = L({"g0 no group", "g7 test", "g6 tamper", "g5 day after end",
                               "g4 end last second", "g3 mid range", "g2 start midnight",
                               "g1 day before start"});
    QTest::newRow("box unticked shows all") << false << QList<int>{2, 3, 4, 5, 6, 7} << all;
    QTest::newRow("every group ticked") << true << QList<int>{} << QStringList(all.mid(1));
    QTest::newRow("all groups unticked shows every row")
        << true << QList<int>{1, 2, 3, 4, 5, 6, 7} << all;
    QTest::newRow("groups 1 and 3")
        << true << QList<int>{2, 4, 5, 6, 7} << L({"g3 mid range", "g1 day before start"});
    QTest::newRow("test only") << true << QList<int>{1, 2, 3, 4, 5, 6} << L({"g7 test"});
}

void TestHistoryFrm::groupFilter()
{
    QFETCH(bool, onlyShow);
    QFETCH(QList<int>, unticked);
    QFETCH(QStringList, shown);
    THistoryFrm &v = *m_viewer;
    QVERIFY(!v.cbFilterEvents->isChecked());
    for (int g = 1; g <= 7; ++g)
        QVERIFY(v.filterItem(g)->isChecked());
    // Clicking items while the box is unticked keeps every row.
    for (int g : unticked)
        v.filterItem(g)->click();
    QCOMPARE(shownDescs(v).size(), 8);
    if (onlyShow)
        v.cbFilterEvents->click();
    QCOMPARE(shownDescs(v), shown);

    // The filter goes with the viewer, however it is closed.
    v.show();
    v.close();
    QVERIFY(!m_store->dm().qryHistory->filtered());
}

void TestHistoryFrm::dateRange_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("bounds included")
        << QDate(2007, 1, 5) << QDate(2007, 1, 31)
        << L({"g4 end last second", "g3 mid range", "g2 start midnight"});
    QTest::newRow("one day") << QDate(2007, 1, 5) << QDate(2007, 1, 5)
                             << L({"g2 start midnight"});
    QTest::newRow("start after end") << QDate(2007, 1, 31) << QDate(2007, 1, 5) << QStringList{};
}

void TestHistoryFrm::dateRange()
{
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QStringList, shown);
    THistoryFrm &v = *m_viewer;
    // With a group filter on, which survives the re-run.
    v.filterItem(1)->click();
    v.cbFilterEvents->click();
    v.dpStart->setDate(start);
    v.dpEnd->setDate(end);
    v.cbUseDate->click();
    QCOMPARE(shownDescs(v), shown);
    QVERIFY(m_store->dm().qryHistory->filtered());

    v.cbUseDate->click();
    QCOMPARE(shownDescs(v).size(), 6);
    QVERIFY(m_messages.all().isEmpty());
}

void TestHistoryFrm::rangeReadOnlyWhenClicked()
{
    THistoryFrm &v = *m_viewer;
    v.dpStart->setDate(QDate(2007, 1, 1));
    v.dpEnd->setDate(QDate(2007, 1, 31));
    v.cbUseDate->click();
    QCOMPARE(shownDescs(v).size(), 4);
    // Changing a picker has no effect until the box is clicked again.
    v.dpEnd->setDate(QDate(2007, 12, 31));
    QCOMPARE(shownDescs(v).size(), 4);
    v.cbUseDate->click();
    v.cbUseDate->click();
    QCOMPARE(shownDescs(v).size(), 8);
    QVERIFY(v.cbUseDate->isChecked());
}

void TestHistoryFrm::printRight_data()
{
    QTest::addColumn<bool>("right");
    QTest::newRow("with PrintReports") << true;
    QTest::newRow("without PrintReports") << false;
}

void TestHistoryFrm::printRight()
{
    QFETCH(bool, right);
    m_store->dm().currentOperator.PrintReports = right;
    THistoryFrm viewer(m_store->dm());
    QCOMPARE(viewer.btnPrint->isEnabled(), right);
    // Read once, when the viewer is made.
    m_store->dm().currentOperator.PrintReports = !right;
    QCOMPARE(viewer.btnPrint->isEnabled(), right);
}

void TestHistoryFrm::everyOpeningStartsAfresh()
{
    m_viewer.reset();
    store::TDMod &dm = m_store->dm();
    QStringList captions;
    QList<int> rowsAtOpen;
    QList<bool> rangeTickedAtOpen, filterOnAtOpen;
    QList<int> rowsNarrowed;
    int openings = 0;
    // Drives the modal viewer: looks at it, narrows it, and closes it.
    std::function<void()> drive = [&]() {
        auto *v = qobject_cast<THistoryFrm *>(QApplication::activeModalWidget());
        if (!v) {
            QTimer::singleShot(10, drive);
            return;
        }
        ++openings;
        captions << v->windowTitle();
        rowsAtOpen << shownDescs(*v).size();
        rangeTickedAtOpen << v->cbUseDate->isChecked();
        filterOnAtOpen << dm.qryHistory->filtered();
        v->dpStart->setDate(QDate(2007, 1, 5));
        v->dpEnd->setDate(QDate(2007, 1, 5));
        v->cbUseDate->click();
        v->filterItem(2)->click();
        v->cbFilterEvents->click();
        rowsNarrowed << shownDescs(*v).size();
        v->btnClose->click();
    };
    for (const char *opener : {"History...", "Show History"}) {
        Q_UNUSED(opener);
        QTimer::singleShot(0, drive);
        ShowAccountHistory(dm, QStringLiteral("1234"), QStringLiteral("Smith & Sons"));
        QVERIFY(!dm.qryHistory->isOpen());
        QVERIFY(!dm.qryHistory->filtered());
    }
    QCOMPARE(openings, 2);
    QCOMPARE(captions, QStringList(2, QStringLiteral("Customer History: Account No 1234 (Smith & Sons)")));
    QCOMPARE(rowsAtOpen, (QList<int>{8, 8}));
    QCOMPARE(rangeTickedAtOpen, (QList<bool>{false, false}));
    QCOMPARE(filterOnAtOpen, (QList<bool>{false, false}));
    QCOMPARE(rowsNarrowed, (QList<int>{0, 0}));
    QVERIFY(m_messages.all().isEmpty());
}

void TestHistoryFrm::rowColours_data()
{
    QTest::addColumn<QString>("desc");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text");
    QTest::newRow("priority alarm") << "g1 day before start" << QColor(255, 0, 0) << QColor(Qt::white);
    QTest::newRow("standard alarm") << "g2 start midnight" << QColor(0, 0, 255) << QColor(Qt::white);
    QTest::newRow("open/close") << "g3 mid range" << QColor(0, 128, 0) << QColor(Qt::white);
    QTest::newRow("omit/unomit") << "g4 end last second" << QColor(255, 255, 0) << QColor(Qt::black);
    QTest::newRow("maintenance") << "g5 day after end" << QColor(255, 128, 0) << QColor(Qt::black);
    QTest::newRow("tamper") << "g6 tamper" << QColor(255, 0, 255) << QColor(Qt::black);
    QTest::newRow("test") << "g7 test" << QColor(0, 255, 255) << QColor(Qt::black);
    QTest::newRow("group 0 keeps the grid's colours") << "g0 no group" << QColor() << QColor();
}

void TestHistoryFrm::rowColours()
{
    QFETCH(QString, desc);
    QFETCH(QColor, background);
    QFETCH(QColor, text);
    HistoryModel *model = m_viewer->model();
    const int row = shownDescs(*m_viewer).indexOf(desc);
    QVERIFY(row >= 0);
    for (int c = 0; c < model->columnCount(); ++c) {
        QCOMPARE(model->index(row, c).data(Qt::BackgroundRole).value<QColor>(), background);
        QCOMPARE(model->index(row, c).data(Qt::ForegroundRole).value<QColor>(), text);
    }
}

void TestHistoryFrm::columnWidths_data()
{
    QTest::addColumn<int>("available");
    QTest::addColumn<QList<int>>("widths");
    QTest::newRow("initial size") << 727 << QList<int>{120, 270, 57, 130, 100, 50};
    QTest::newRow("narrow window: least widths") << 400 << QList<int>{120, 250, 50, 100, 100, 50};
    QTest::newRow("wide window: the comments take the rest")
        << 2000 << QList<int>{150, 350, 100, 150, 150, 1000};
    QTest::newRow("very wide window: every column at its greatest")
        << 3000 << QList<int>{150, 350, 100, 150, 150, 1000};
}

void TestHistoryFrm::columnWidths()
{
    QFETCH(int, available);
    QFETCH(QList<int>, widths);
    QList<ColumnBounds> bounds;
    for (const HistoryModel::Column &c : HistoryModel::columns())
        bounds << c.bounds;
    QCOMPARE(StretchColumns(available, bounds), widths);

    // In between, the columns share the width and stay within bounds.
    const QList<int> mid = StretchColumns(900, bounds);
    int sum = 0;
    for (int c = 0; c < mid.size(); ++c) {
        QVERIFY(mid[c] >= bounds[c].minimum && mid[c] <= bounds[c].maximum);
        sum += mid[c];
    }
    QCOMPARE(sum, 900);
}

void TestHistoryFrm::longHistoryFetchedInBatches()
{
    QList<HistoryRow> rows;
    for (int i = 0; i < 1000; ++i)
        rows.append({at(6, 1, 0, 0, 0).addSecs(60 * i), 1 + i % 7, 0,
                     QStringLiteral("event %1").arg(i)});
    addHistory(m_store->dm(), rows);
    m_viewer->openAccount(QStringLiteral("1234"), QStringLiteral("Smith & Sons"));
    HistoryModel *model = m_viewer->model();
    QCOMPARE(model->rowCount(), HistoryModel::kBatch);
    QVERIFY(model->canFetchMore({}));
    const QStringList shown = shownDescs(*m_viewer);
    QCOMPARE(shown.size(), 1008);
    QCOMPARE(shown.first(), QStringLiteral("event 999"));
    QCOMPARE(shown.at(999), QStringLiteral("event 0"));
}

void TestHistoryFrm::printPreviewsTheRowsShown()
{
    THistoryFrm &v = *m_viewer;
    v.btnPrint->click();
    v.filterItem(3)->click();
    v.cbFilterEvents->click();
    v.dpStart->setDate(QDate(2007, 1, 5));
    v.dpEnd->setDate(QDate(2007, 1, 31));
    v.cbUseDate->click();
    v.btnPrint->click();
    QCOMPARE(m_previews.titles, QStringList(2, QStringLiteral("Alarm History Report")));

    const QStringList all = m_previews.layouts[0].pages[0].texts();
    QVERIFY(all.contains(QStringLiteral("Name: Smith & Sons")));
    QVERIFY(all.contains(QStringLiteral("Date Range: All")));
    QCOMPARE(all.filter(QRegularExpression(QStringLiteral("^g\\d "))).size(), 8);

    const QStringList narrowed = m_previews.layouts[1].pages[0].texts();
    QVERIFY(narrowed.contains(QStringLiteral("Date Range: 1/5/2007 - 1/31/2007")));
    QCOMPARE(narrowed.filter(QRegularExpression(QStringLiteral("^g\\d "))),
             (L({"g4 end last second", "g2 start midnight"})));
}

void TestHistoryFrm::printPreviewDialogOpens()
{
    setPreviewer(nullptr);
    int pages = -1;
    QString title;
    std::function<void()> look = [&]() {
        auto *dialog = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            QTimer::singleShot(10, look);
            return;
        }
        title = dialog->windowTitle();
        if (auto *view = dialog->findChild<QPrintPreviewWidget *>())
            pages = view->pageCount();
        dialog->reject();
    };
    QTimer::singleShot(0, look);
    m_viewer->btnPrint->click();
    QCOMPARE(title, QStringLiteral("Alarm History Report"));
    QCOMPARE(pages, 1);
}

void TestHistoryFrm::failingRerunKeepsTheViewerOpen()
{
    m_viewer->show();
    m_store->dm().database().close();
    m_viewer->cbUseDate->click();
    QCOMPARE(m_messages.errors.size(), 1);
    QVERIFY(m_viewer->isVisible());
}

namespace {

const QString kThreeLines =
    QStringLiteral("Key holder called, on his way\r\nPolice informed\r\nAll clear at 09:40");

} // namespace

void TestHistoryFrm::wholeTextsShow()
{
    const QString longDesc = QStringLiteral("Zone 12 Burglary Alarm, Rear Warehouse Loading Bay "
                                            "Door, Area 3 Ground Floor");
    addHistory(m_store->dm(), {{at(5, 1, 9, 0, 0), 1, 1, longDesc, QStringLiteral("Master"),
                                kThreeLines, at(5, 1, 9, 41, 7)}});
    THistoryFrm &v = *m_viewer;
    v.openAccount(QStringLiteral("1234"), QStringLiteral("Smith & Sons"));
    v.resize(800, 600);
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));

    // The newest row is current, and its comment reads as typed.
    QCOMPARE(v.DBGrid1->currentIndex().row(), 0);
    QVERIFY(v.DBGrid1->selectionModel()->isRowSelected(0, {}));
    QCOMPARE(v.moComments->toPlainText(),
             QStringLiteral("Key holder called, on his way\nPolice informed\nAll clear at 09:40"));
    // Another row made current shows its own.
    v.DBGrid1->selectRow(1);
    QCOMPARE(v.moComments->toPlainText(), QString());

    // "Actioned At" is as wide as the other date; the comments reach the edge.
    QVERIFY(v.DBGrid1->columnWidth(4) >= v.DBGrid1->columnWidth(0));
    int used = 0;
    for (int c = 0; c < v.model()->columnCount(); ++c)
        used += v.DBGrid1->columnWidth(c);
    QVERIFY(used >= v.DBGrid1->viewport()->width());

    // A cut cell shows its whole text in its tool tip.
    const QRect cell = v.DBGrid1->visualRect(v.model()->index(0, 1));
    QVERIFY(v.DBGrid1->fontMetrics().horizontalAdvance(longDesc) > cell.width());
    QHelpEvent help(QEvent::ToolTip, cell.center(), v.DBGrid1->viewport()->mapToGlobal(cell.center()));
    QApplication::sendEvent(v.DBGrid1->viewport(), &help);
    QTRY_COMPARE(QToolTip::text(), longDesc);
}

void TestHistoryFrm::typedDates_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("date"); // invalid: refused, the range not applied

    QTest::newRow("month first, zero-padded")
        << QStringLiteral("M/d/yyyy") << QStringLiteral("06/15/2023") << QDate(2023, 6, 15);
    QTest::newRow("month first") << QStringLiteral("M/d/yyyy") << QStringLiteral("6/5/2023")
                                 << QDate(2023, 6, 5);
    QTest::newRow("year first") << QStringLiteral("yyyy/MM/dd") << QStringLiteral("2023/06/15")
                                << QDate(2023, 6, 15);
    QTest::newRow("day and month swapped")
        << QStringLiteral("M/d/yyyy") << QStringLiteral("15/06/2023") << QDate();
    QTest::newRow("not a date") << QStringLiteral("M/d/yyyy") << QStringLiteral("6/15") << QDate();
}

void TestHistoryFrm::typedDates()
{
    QFETCH(QString, format);
    QFETCH(QString, typed);
    QFETCH(QDate, date);
    const ReportFormats before = reportFormats();
    ReportFormats formats = before;
    formats.shortDate = format;
    setReportFormats(formats);
    // The viewer follows the formats while it is open: put back at the end.
    const auto restore = qScopeGuard([before] { setReportFormats(before); });
    THistoryFrm v(m_store->dm());
    v.openAccount(QStringLiteral("1234"), QStringLiteral("Smith & Sons"));
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));

    // The field shows the program's short date.
    const QDate today = v.dpStart->date();
    QCOMPARE(v.dpStart->lineEdit()->text(), today.toString(format));
    v.dpEnd->setDate(QDate(2023, 12, 31));
    v.dpStart->lineEdit()->setFocus();
    v.dpStart->lineEdit()->selectAll();
    QTest::keyClicks(v.dpStart->lineEdit(), typed);
    v.cbUseDate->click();
    if (date.isValid()) {
        QCOMPARE(v.dpStart->date(), date);
        QCOMPARE(v.dpStart->lineEdit()->text(), date.toString(format));
        QVERIFY(v.cbUseDate->isChecked());
        QVERIFY(m_messages.errors.isEmpty());
    } else {
        QCOMPARE(v.dpStart->date(), today);
        QVERIFY(!v.cbUseDate->isChecked());
        QCOMPARE(m_messages.errors, QStringList{QStringLiteral("Please type the dates in the form %1.")
                                                    .arg(format)});
        QCOMPARE(v.dpStart->lineEdit()->text(), typed); // kept for mending
    }
}

void TestHistoryFrm::screenshot()
{
    QList<HistoryRow> rows;
    const QStringList ops{QStringLiteral("Master"), QStringLiteral("J. Operator")};
    for (int i = 0; i < 30; ++i)
        rows.append({at(4, 1 + i % 28, 8 + i % 12, i, 0), 1 + i % 7, i % 3,
                     QStringLiteral("Zone %1 Burglary Alarm Area 1").arg(i + 1), ops[i % 2],
                     i % 4 == 0 ? QStringLiteral("Key holder called, all clear") : QString(),
                     at(4, 1 + i % 28, 8 + i % 12, i, 30)});
    rows.append({at(4, 30, 23, 0, 0), 1, 1, QStringLiteral("Zone 31 Burglary Alarm Area 1"),
                 ops[0], kThreeLines, at(4, 30, 23, 2, 10)});
    addHistory(m_store->dm(), rows);
    m_viewer->openAccount(QStringLiteral("1234"), QStringLiteral("Smith & Sons"));
    m_viewer->resize(800, 600);
    m_viewer->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_viewer.get()));
    // The columns fill the grid at least.
    int used = 0;
    for (int c = 0; c < m_viewer->model()->columnCount(); ++c)
        used += m_viewer->DBGrid1->columnWidth(c);
    QVERIFY(used >= m_viewer->DBGrid1->viewport()->width() - 1);
    const QImage image = m_viewer->grab().toImage();
    QVERIFY(!image.isNull());
    const QString folder = qEnvironmentVariable("QUORVEL_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QVERIFY(image.save(QDir(folder).filePath(QStringLiteral("history-viewer.png"))));
}

QTEST_MAIN(TestHistoryFrm)
#include "tst_historyfrm.moc"
