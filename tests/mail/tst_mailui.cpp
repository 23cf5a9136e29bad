// The communication setup dialog and the two data viewers, on a real store:
// what the fields show and hand back, the receiver log switch, the grids'
// rows, texts and column widths, and the single received-data viewer.
#include "mail/maildelivery.h"
#include "mail/ui/gridmodel.h"
#include "mail/ui/tcommsfrm.h"
#include "mail/ui/tcomsetupfrm.h"
#include "mail/ui/tfrmemaildata.h"
#include "store/database.h"
#include "store/tdmod.h"
#include "support/recordingmessages.h"
#include "support/tempstore.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QtTest>

using namespace Qt::StringLiterals;
using mail::ui::GridColumn;

namespace {

const QString kFormat = QString::fromLatin1(mail::ui::kStampFormat);

// Saves a picture of the widget when QUORVEL_SCREENSHOT_DIR names a folder.
void screenshot(QWidget *w, const char *name)
{
    const QString dir = qEnvironmentVariable("QUORVEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    QVERIFY(w->grab().save(QDir(dir).filePath(QString::fromLatin1(name))));
}

int addComms(store::TDMod &dm, const QDateTime &when, int rx, int line, int protocol,
             const QString &data)
{
    store::Table &c = *dm.tbComms;
    c.insert();
    c.field(u"DateTime"_s).setValue(when);
    c.field(u"RxNo"_s).setValue(rx);
    c.field(u"LineNo"_s).setValue(line);
    c.field(u"Protocol"_s).setValue(protocol);
    c.field(u"Data"_s).setValue(data);
    c.post();
    return c.field(u"ID"_s).asInteger();
}

int addOutbox(store::TDMod &dm, const QDateTime &when, const QString &subject,
              const QString &message, const QString &recipients, int status)
{
    store::Table &o = *dm.tbOutbox;
    o.insert();
    o.field(u"MsgDateTime"_s).setValue(when);
    o.field(u"Subject"_s).setValue(subject);
    o.field(u"Message"_s).setValue(message);
    o.field(u"Recipients"_s).setValue(recipients);
    o.field(u"Status"_s).setValue(status);
    o.post();
    return o.field(u"ID"_s).asInteger();
}

QString cell(QTableView *grid, int row, int column)
{
    return grid->model()->index(row, column).data().toString();
}

QStringList headers(QTableView *grid)
{
    QStringList out;
    for (int i = 0; i < grid->model()->columnCount(); ++i)
        out << grid->model()->headerData(i, Qt::Horizontal).toString();
    return out;
}

} // namespace

class TestMailUi : public QObject
{
    Q_OBJECT

private slots:
    void init() { core::setMessages(&m_messages); }
    void cleanup()
    {
        core::setMessages(nullptr);
        m_messages.clear();
    }

    void setupShowsAndHandsBackSettings();
    void setupLogSwitchActsAtOnce();
    void fitColumnWidths_data();
    void fitColumnWidths();
    void commsViewerIsSingleAndFollowsNewRows();
    void commsViewerOpensCentredOnTheMainWindow();
    void commsViewerReadsLazilyAndAddsOnlyNewRows();
    void emailHistoryShowsRows();
    void emailHistoryColumnsStayInBounds_data();
    void emailHistoryColumnsStayInBounds();

private:
    RecordingMessages m_messages;
};

void TestMailUi::setupShowsAndHandsBackSettings()
{
    const mail::CommSettings current{u"2000"_s, u"smtp.gmail.com"_s, u"station@alarm.example"_s,
                                     u"secret"_s, u"alerts@alarm.example"_s};
    mail::ui::TComSetupFrm dlg(current, false, {});
    QCOMPARE(dlg.windowTitle(), u"Communication Setup"_s);
    QCOMPARE(dlg.settings(), current);
    QCOMPARE(dlg.edPassword->displayText(), u"******"_s);
    QVERIFY(!dlg.cbLogMessages->isChecked());
    QCOMPARE(dlg.cbLogMessages->text(), u"Log Rovask Messages"_s);
    QStringList groups;
    for (const QGroupBox *g : dlg.findChildren<QGroupBox *>())
        groups << g->title();
    QCOMPARE(groups, QStringList({u"Rovask Port "_s, u"Email Settings"_s}));
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    // A fixed-size dialog.
    QCOMPARE(dlg.minimumSize(), dlg.maximumSize());
    screenshot(&dlg, "comsetupfrm.png");

    // OK hands back the texts as they stand, without judging their form.
    dlg.edPort->setText(u"20o1"_s);
    dlg.edHost->setText(u"smtp-mail.outlook.com"_s);
    dlg.edSenderAdd->clear();
    QTest::mouseClick(dlg.btnOK, Qt::LeftButton);
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    const mail::CommSettings edited{u"20o1"_s, u"smtp-mail.outlook.com"_s,
                                    u"station@alarm.example"_s, u"secret"_s, QString()};
    QCOMPARE(dlg.settings(), edited);
    QVERIFY(dlg.portChanged());
    QCOMPARE(m_messages.all(), QStringList());
}

void TestMailUi::setupLogSwitchActsAtOnce()
{
    QList<bool> switched;
    mail::ui::TComSetupFrm dlg({u"2000"_s, {}, {}, {}, {}}, false,
                               [&](bool on) { switched << on; });
    dlg.show();
    QTest::mouseClick(dlg.cbLogMessages, Qt::LeftButton);
    QCOMPARE(switched, QList<bool>{true});
    QTest::mouseClick(dlg.cbLogMessages, Qt::LeftButton);
    QTest::mouseClick(dlg.cbLogMessages, Qt::LeftButton);
    QCOMPARE(switched, (QList<bool>{true, false, true}));
    // Cancel keeps the log as the last click left it.
    QTest::mouseClick(dlg.btnCancel, Qt::LeftButton);
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QCOMPARE(switched.size(), 3);

    // A log that is on shows ticked; one click switches it off.
    switched.clear();
    mail::ui::TComSetupFrm again({u"2000"_s, {}, {}, {}, {}}, true,
                                 [&](bool on) { switched << on; });
    again.show();
    QVERIFY(again.cbLogMessages->isChecked());
    QTest::mouseClick(again.cbLogMessages, Qt::LeftButton);
    QCOMPARE(switched, QList<bool>{false});
}

void TestMailUi::fitColumnWidths_data()
{
    QTest::addColumn<int>("available");
    QTest::addColumn<QList<int>>("widths");
    // The history viewer's columns: 125 (120-150), 150 (150-250), 200
    // (150-400), 150 (100-300), 150 (100-200); 775 in all.
    QTest::newRow("as designed") << 775 << QList<int>{125, 150, 200, 150, 150};
    QTest::newRow("narrow: all at their least") << 400 << QList<int>{120, 150, 150, 100, 100};
    QTest::newRow("wide: all at their most") << 2000 << QList<int>{150, 250, 400, 300, 200};
    // 225 more: shared by width; Date & Time stops at 150 and gives back.
    QTest::newRow("wider") << 1000 << QList<int>{150, 196, 261, 196, 196};
}

void TestMailUi::fitColumnWidths()
{
    QFETCH(int, available);
    QFETCH(QList<int>, widths);
    const QList<GridColumn> columns{
        {"MsgDateTime", "Date & Time", Qt::AlignLeft, 125, 120, 150},
        {"Subject", "Subject", Qt::AlignLeft, 150, 150, 250},
        {"Message", "Message", Qt::AlignLeft, 200, 150, 400},
        {"Recipients", "Recipients", Qt::AlignLeft, 150, 100, 300},
        {"Status", "Status", Qt::AlignLeft, 150, 100, 200},
    };
    const QList<int> got = mail::ui::fitColumnWidths(columns, available);
    QCOMPARE(got, widths);
}

void TestMailUi::commsViewerIsSingleAndFollowsNewRows()
{
    TempStore s;
    addComms(s.dm(), QDateTime(QDate(2024, 3, 7), QTime(14, 5, 9)), 1, 1, 2,
             u"5011 181234E13001015"_s);
    QWidget main;
    auto *viewer = mail::ui::TCommsFrm::showViewer(s.dm(), kFormat, &main);
    QVERIFY(viewer);
    QCOMPARE(mail::ui::TCommsFrm::showViewer(s.dm(), kFormat, &main), viewer);
    QVERIFY(!viewer->isModal());
    QCOMPARE(viewer->windowTitle(), u"Received Communication Data"_s);
    QTableView *grid = viewer->DBGrid1;
    QCOMPARE(headers(grid),
             QStringList({u"Date & Time"_s, u"Rx No"_s, u"Line No"_s, u"Protocol"_s, u"Data"_s}));
    QCOMPARE(grid->columnWidth(4), 317);
    QCOMPARE(grid->model()->index(0, 1).data(Qt::TextAlignmentRole).toInt() & Qt::AlignHCenter,
             int(Qt::AlignHCenter));
    QCOMPARE(grid->model()->rowCount(), 1);
    QCOMPARE(cell(grid, 0, 0), u"3/7/2024 2:05:09 pm"_s);
    QCOMPARE(cell(grid, 0, 4), u"5011 181234E13001015"_s);
    QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);

    // Rows stored while it is open appear by themselves.
    addComms(s.dm(), QDateTime(QDate(2024, 12, 25), QTime(9, 0, 0)), 2, 3, 1, u"S011[#1234]"_s);
    QTRY_COMPARE(grid->model()->rowCount(), 2);
    QCOMPARE(cell(grid, 1, 0), u"12/25/2024 9:00:00 am"_s);
    QCOMPARE(cell(grid, 1, 1), u"2"_s);
    QCOMPARE(cell(grid, 1, 2), u"3"_s);

    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    screenshot(viewer, "commsfrm.png");
    viewer->close();
    QTRY_VERIFY(!mail::ui::TCommsFrm::instance());
    auto *second = mail::ui::TCommsFrm::showViewer(s.dm(), kFormat, &main);
    QVERIFY(second);
    QCOMPARE(second->DBGrid1->model()->rowCount(), 2);
    second->close();
    QTRY_VERIFY(!mail::ui::TCommsFrm::instance());
}

void TestMailUi::commsViewerOpensCentredOnTheMainWindow()
{
    TempStore s;
    QWidget main;
    main.setGeometry(120, 90, 780, 580);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    auto *viewer = mail::ui::TCommsFrm::showViewer(s.dm(), kFormat, &main);
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    const QPoint offset = viewer->geometry().center() - main.geometry().center();
    QVERIFY2(offset.manhattanLength() <= 4 || viewer->y() == main.y(),
             qPrintable(u"%1,%2"_s.arg(offset.x()).arg(offset.y())));
    // Below the top of the main window, where its menu bar is.
    QVERIFY(viewer->geometry().top() >= main.geometry().top());
}

void TestMailUi::commsViewerReadsLazilyAndAddsOnlyNewRows()
{
    TempStore s;
    constexpr int kStored = 600;
    {
        store::WriteScope scope(s->database());
        s->database().ensureWriteLock();
        for (int i = 0; i < kStored; ++i)
            s->database().exec(u"INSERT INTO Comms (ID, Data) VALUES (?, ?)"_s,
                               QVariantList{i + 1, u"row %1"_s.arg(i + 1)});
        scope.commit();
    }
    QWidget main;
    auto *viewer = mail::ui::TCommsFrm::showViewer(s.dm(), kFormat, &main);
    QAbstractItemModel *model = viewer->DBGrid1->model();
    // Only a first batch is handed to the grid.
    QCOMPARE(model->rowCount(), mail::ui::TCommsFrm::kBatch);
    QSignalSpy resets(model, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);

    // A row stored while the grid has not reached the end: nothing re-read,
    // the grid fetches it when it scrolls there.
    addComms(s.dm(), QDateTime(QDate(2024, 1, 1), QTime(0, 0)), 1, 1, 1, u"first new"_s);
    QTest::qWait(400);
    QCOMPARE(resets.size(), 0);
    QCOMPARE(model->rowCount(), mail::ui::TCommsFrm::kBatch);
    while (model->canFetchMore({}))
        model->fetchMore({});
    QCOMPARE(model->rowCount(), kStored + 1);
    QCOMPARE(cell(viewer->DBGrid1, kStored, 4), u"first new"_s);

    // At the end, new rows are added to it, the rest left as they are.
    inserted.clear();
    addComms(s.dm(), QDateTime(QDate(2024, 1, 1), QTime(0, 1)), 1, 1, 1, u"second new"_s);
    QTRY_COMPARE(model->rowCount(), kStored + 2);
    QCOMPARE(resets.size(), 0);
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(inserted.first().at(1).toInt(), kStored + 1);
    QCOMPARE(cell(viewer->DBGrid1, kStored + 1, 4), u"second new"_s);

    // Old rows purged meanwhile: the viewer reads its rows again.
    s->database().exec(u"DELETE FROM Comms WHERE rowid <= 10"_s);
    addComms(s.dm(), QDateTime(QDate(2024, 1, 1), QTime(0, 2)), 1, 1, 1, u"third new"_s);
    QTRY_COMPARE(resets.size(), 1);
    QCOMPARE(model->rowCount(), kStored + 3 - 10);
    QCOMPARE(cell(viewer->DBGrid1, 0, 4), u"row 11"_s);
    viewer->close();
    QTRY_VERIFY(!mail::ui::TCommsFrm::instance());
}

void TestMailUi::emailHistoryShowsRows()
{
    TempStore s;
    const QDateTime t(QDate(2024, 5, 1), QTime(23, 59, 1));
    addOutbox(s.dm(), t, u"Acc No 0001 - Bakery"_s, u"Burglary Zone 001 Front Door"_s,
              u"kh1@bakery.example,kh2@bakery.example"_s, 0);
    addOutbox(s.dm(), t.addSecs(60), u"Acc No 0002 - Árvíztűrő Kft"_s,
              u"Fire Alarm Zone 004 Kitchen"_s, u"kh@kft.example"_s, 1);
    const int third = addOutbox(s.dm(), t.addSecs(3600), u"Acc No 0003 - Garage"_s,
                                u"Closed by User 002 John"_s, u"owner@garage.example"_s, 0);
    mail::MailDelivery delivery(s.dm());
    mail::ui::TfrmEmailData dlg(s.dm(), kFormat, &delivery);
    QVERIFY(dlg.isModal());
    QCOMPARE(dlg.windowTitle(), u"Email History"_s);
    QCOMPARE(dlg.size(), QSize(800, 600));
    QTableView *grid = dlg.DBGrid1;
    QCOMPARE(headers(grid), QStringList({u"Date & Time"_s, u"Subject"_s, u"Message"_s,
                                         u"Recipients"_s, u"Status"_s}));
    QCOMPARE(grid->model()->rowCount(), 3);
    QCOMPARE(cell(grid, 0, 0), u"5/1/2024 11:59:01 pm"_s);
    QCOMPARE(cell(grid, 1, 1), u"Acc No 0002 - Árvíztűrő Kft"_s);
    QCOMPARE(cell(grid, 0, 4), u"Pending"_s);
    QCOMPARE(cell(grid, 1, 4), u"Sent"_s);
    QCOMPARE(grid->model()->index(0, 4).data(Qt::TextAlignmentRole).toInt() & Qt::AlignLeft,
             int(Qt::AlignLeft));

    // A status written while the viewer is open shows at once.
    s->updOutbox->close();
    s->updOutbox->setLine(1, u"SET Status = 2"_s);
    s->updOutbox->setParam(u"AID"_s, third);
    s->updOutbox->execSql();
    emit delivery.statusRecorded(third, 2, {});
    QCOMPARE(cell(grid, 2, 4), u"Failed"_s);

    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    screenshot(&dlg, "frmemaildata.png");
}

void TestMailUi::emailHistoryColumnsStayInBounds_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("smaller than the sum of least widths") << 500;
    QTest::newRow("as designed") << 800;
    QTest::newRow("wide") << 1100;
    QTest::newRow("wider than the sum of largest widths") << 1600;
}

void TestMailUi::emailHistoryColumnsStayInBounds()
{
    QFETCH(int, width);
    TempStore s;
    mail::ui::TfrmEmailData dlg(s.dm(), kFormat);
    dlg.resize(width, 400);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    // The date-time column is never narrower than a date-time, whatever the font.
    const int stamp = dlg.DBGrid1->fontMetrics().horizontalAdvance(u"12/28/2028 12:58:58 pm"_s);
    const QList<QPair<int, int>> bounds{{std::max(120, stamp + 6), std::max(150, stamp + 10)},
                                        {150, 250},
                                        {150, 400},
                                        {100, 300},
                                        {100, 200}};
    int sum = 0;
    for (int i = 0; i < bounds.size(); ++i) {
        const int w = dlg.DBGrid1->columnWidth(i);
        QVERIFY2(w >= bounds[i].first && w <= bounds[i].second,
                 qPrintable(u"column %1: %2"_s.arg(i).arg(w)));
        sum += w;
    }
    const int available = dlg.DBGrid1->viewport()->width();
    int least = 0, most = 0;
    for (const auto &b : bounds) {
        least += b.first;
        most += b.second;
    }
    if (available >= least && available <= most)
        QVERIFY2(available - sum >= 0 && available - sum < 5, qPrintable(QString::number(sum)));
}

QTEST_MAIN(TestMailUi)
#include "tst_mailui.moc"
