// The pending alarm queue in the real main window, filled by the event
// processor from stored Comms rows, as the operator meets it.
#include "console/accountpages.h"
#include "console/pendingview.h"
#include "console/shellopen.h"
#include "console/operatorsession.h"
#include "console/pendingpanel.h"
#include "console/tmainfrm.h"
#include "pipeline/eventprocessor.h"
#include "station/station.h"
#include "support/recordingsoundplayer.h"
#include "reports/thistoryfrm.h"
#include "support/stationfixture.h"
#include "core/clock.h"
#include "store/errors.h"
#include "core/events.h"
#include "store/tdmod.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QTcpSocket>
#include <QtTest>

using console::TMainFrm;
using namespace Qt::StringLiterals;

namespace {

const QDateTime kNow(QDate(2013, 12, 8), QTime(14, 5, 3));
const QDateTime kReceived(QDate(2013, 12, 8), QTime(9, 30, 0));

class FixedClock : public core::Clock
{
public:
    QDateTime now() const override { return at; }
    QDateTime at = kNow;
};

// "18", account, qualifier, code, group, number: the receiver's event message.
QString frame(const QString &account, char qualifier, int code, int group = 1, int number = 5)
{
    return u"18%1%2%3%4%5"_s.arg(account)
        .arg(QLatin1Char(qualifier))
        .arg(code, 3, 10, QLatin1Char('0'))
        .arg(group, 2, 10, QLatin1Char('0'))
        .arg(number, 3, 10, QLatin1Char('0'));
}

QVariant value(store::TDMod &dm, const QString &sql, const QVariantList &values = {})
{
    QSqlQuery q = dm.database().exec(sql, values);
    return q.next() ? q.value(0) : QVariant();
}

int count(store::TDMod &dm, const QString &table)
{
    return value(dm, u"SELECT COUNT(*) FROM \"%1\""_s.arg(table)).toInt();
}

// The operator's History rows (the processor's own have Operator "System").
int operatorRows(store::TDMod &dm)
{
    return value(dm, u"SELECT COUNT(*) FROM History WHERE Operator <> 'System'"_s).toInt();
}

QString played(const RecordingSoundPlayer &player)
{
    QStringList list;
    for (const auto &p : player.played())
        list << u"%1/%2"_s.arg(p.name).arg(p.flags);
    return list.join(u' ');
}

bool near(const QColor &a, const QColor &b, int tolerance = 8)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

// A station with two registered accounts, started and (by default) with
// the master operator logged on; events arrive as the receiver stores them.
// Runs fn at every paint of the watched widget.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(std::function<void()> fn) : m_fn(std::move(fn)) {}
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            m_fn();
        return false;
    }

private:
    std::function<void()> m_fn;
};

class Console
{
public:
    explicit Console(bool logOn = true) : w(s.start())
    {
        pipeline::SetSoundPlayer(&sound);
        core::setClock(&clock);
        addAccount(u"1234"_s, u"Bakery"_s);
        addAccount(u"5678"_s, u"Garage"_s);
        store::Database &db = s.dm().database();
        db.exec(
            u"UPDATE Areas SET AreaText = 'Ground Floor' WHERE AccountNo = '1234' AND AreaID = 1"_s);
        db.exec(
            u"UPDATE Zones SET ZoneText = 'Front Door' WHERE AccountNo = '1234' AND ZoneID = 5"_s);
        if (logOn)
            s.logOn(u"Master"_s, u"master"_s);
        s.messages.questions.clear(); // the default password's reminder, declined
        s.messages.clear();
    }
    ~Console()
    {
        s.stop();
        core::setClock(nullptr);
        pipeline::SetSoundPlayer(nullptr);
    }

    store::TDMod &dm() { return s.dm(); }
    store::Table &pending() { return *s.dm().tbPending; }

    // A new account through the account table: it gets its default rules.
    void addAccount(const QString &no, const QString &name)
    {
        store::Table &a = *s.dm().tbAccounts;
        a.insert();
        a.field(u"AccountNo"_s).setValue(no);
        a.field(u"Name"_s).setValue(name);
        a.post();
    }
    void setPriority(const QString &account, int code, int priority)
    {
        s.dm().database().exec(
            u"UPDATE Actions SET AlmPriority = ? WHERE AccountNo = ? AND EventCode = ?"_s,
            {priority, account, code});
    }
    // Stored as the receiver link stores a frame, then processed.
    void receive(const QString &data, int minutesLater = 0)
    {
        store::Table &c = *s.dm().tbComms;
        c.insert();
        c.field(u"DateTime"_s).setValue(kReceived.addSecs(60 * minutesLater + m_seconds++));
        c.field(u"RxNo"_s).setValue(1);
        c.field(u"LineNo"_s).setValue(1);
        c.field(u"Protocol"_s).setValue(1);
        c.field(u"Data"_s).setValue(data);
        c.post();
        QCoreApplication::sendPostedEvents(&w.station(), core::NewCommsEventType);
        // The turn of the event loop ends: the console follows.
        w.station().flushConsole();
    }
    void show()
    {
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }
    void showActive()
    {
        show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }
    QString historyValue(const QString &field)
    {
        return value(
                   dm(),
                   u"SELECT \"%1\" FROM History WHERE Operator <> 'System' ORDER BY ID DESC"_s.arg(
                       field))
            .toString();
    }
    QStringList labels() const
    {
        QStringList texts;
        for (QLabel *l : w.pending().lbAlmCount)
            texts << l->text();
        return texts;
    }
    QColor messageColour() const { return w.pending().lbNoEvents->palette().color(QPalette::WindowText); }

    StationFixture s;
    TMainFrm &w;
    RecordingSoundPlayer sound;
    FixedClock clock;

private:
    int m_seconds = 0;
};

// The colour of the grid at the right end of a cell (past its text).
QColor cellColour(QTableView *grid, int row, int column)
{
    const QImage image = grid->viewport()->grab().toImage();
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    return image.pixelColor(cell.right() - 4, cell.center().y());
}

// Whether any pixel of the cell's text area has the colour (its glyphs).
bool cellHasInk(QTableView *grid, int row, int column, const QColor &ink)
{
    const QImage image = grid->viewport()->grab().toImage();
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    for (int x = cell.left() + 2; x < cell.left() + 80 && x < cell.right(); ++x) {
        for (int y = cell.top() + 1; y < cell.bottom(); ++y) {
            if (near(image.pixelColor(x, y), ink, 40))
                return true;
        }
    }
    return false;
}

} // namespace

class TestPendingView : public QObject
{
    Q_OBJECT
private slots:
    void emptyQueue();
    void countLabelsForThreeVeryHighAndOneLow();
    void gridAndPagesShowTheEvent();
    void eventDetailsKeepTheirPlaces();
    void lightsFollowTheAccount();
    void actionRefusedWithoutComments();
    void actionFilesTheEventWithTheComments();
    void logFilesTheEvent_data();
    void logFilesTheEvent();
    void silenceStopsTheLoop();
    void highAlarmSilencesItselfWhenAlmTimerExpires();
    void actionAndLogSilenceFirst_data();
    void actionAndLogSilenceFirst();
    void logOffDisablesTheButtonsButKeepsThePages();
    void deletedAccountsEventCanOnlyBeDeleted();
    void failedAccountLookupNeverOffersDelete();
    void rowColoursByPriority_data();
    void rowColoursByPriority();
    void selectedRowKeepsSelectionColours();
    void priorityFiveIsCountedButNotShown();
    void gridAndCursorMoveTogether();
    void cursorBeyondTheFirstBatchIsShown();
    void failedActionLeavesNeitherHistoryNorALostAlarm();
    void historyOpensTheAccountsHistory();
    void alarmInABurstIsShownBeforeTheBurstEnds();
    void specialOpensTheInstructionsDocument();
    void queueOfEveryPriority();
};

void TestPendingView::emptyQueue()
{
    Console c;
    TMainFrm &w = c.w;
    QCOMPARE(w.pending().lbNoEvents->text(), u"No Pending Alarm Events"_s);
    QCOMPARE(c.messageColour(), QColor(0x00, 0x80, 0x00));
    QVERIFY(w.pending().lbNoEvents->font().bold());
    QCOMPARE(w.pending().lbNoEvents->font().pixelSize(), 24);
    QVERIFY(w.pending().PgControl->isHidden());
    for (QPushButton *b : {w.pending().btnAction, w.pending().btnCancel, w.pending().btnHistory, w.pending().btnSilence})
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
    QVERIFY(w.pending().btnDelete->isHidden());
    QCOMPARE(c.labels(), (QStringList{u"Very High Priority - 000"_s, u"High Priority - 000"_s,
                                      u"Medium Priority - 000"_s, u"Low Priority - 000"_s}));
    QCOMPARE(w.pending().DBGrid1->model()->rowCount(), 0);
    // Pressing the buttons' handlers on an empty queue writes nothing.
    w.pending().moComments->setPlainText(u"nothing to file"_s);
    w.pending().btnActionClick();
    w.pending().btnDeleteClick();
    QCOMPARE(operatorRows(c.dm()), 0);
    QVERIFY(c.s.messages.all().isEmpty());
}

void TestPendingView::countLabelsForThreeVeryHighAndOneLow()
{
    Console c;
    for (int code : {100, 110, 120})
        c.receive(frame(u"1234"_s, 'E', code));
    c.receive(frame(u"5678"_s, 'E', 453)); // Failed to Open: Low, prompted
    QCOMPARE(c.pending().recordCount(), 4);
    QCOMPARE(c.labels(), (QStringList{u"Very High Priority - 003"_s, u"High Priority - 000"_s,
                                      u"Medium Priority - 000"_s, u"Low Priority - 001"_s}));

    // Each label as painted: bold 13-pixel text on its own colour.
    c.show();
    const QList<QPair<QColor, QColor>> colours{{QColor(0xFF, 0x33, 0x4B), Qt::white},
                                               {QColor(0xFF, 0x80, 0x00), Qt::white},
                                               {QColor(0xFF, 0xFF, 0x00), Qt::black},
                                               {QColor(0x99, 0xFF, 0x66), Qt::black}};
    for (int i = 0; i < 4; ++i) {
        QLabel *l = c.w.pending().lbAlmCount[static_cast<size_t>(i)];
        QVERIFY(l->font().bold());
        QCOMPARE(l->font().pixelSize(), 13);
        const QImage image = l->grab().toImage();
        QVERIFY2(near(image.pixelColor(2, 2), colours[i].first), qPrintable(l->objectName()));
        bool ink = false;
        for (int x = 0; x < image.width() && !ink; ++x)
            for (int y = 0; y < image.height() && !ink; ++y)
                ink = near(image.pixelColor(x, y), colours[i].second, 40);
        QVERIFY2(ink, qPrintable(l->objectName()));
    }
}

void TestPendingView::eventDetailsKeepTheirPlaces()
{
    Console c;
    c.w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&c.w));
    c.setPriority(u"1234"_s, 130, 1);
    c.receive(frame(u"1234"_s, 'E', 130)); // Very High
    c.receive(frame(u"5678"_s, 'E', 453)); // Failed to Open: Low
    const QStringList boxes{u"dbPriority"_s, u"dbEventGroup"_s, u"dbEventID"_s, u"dbIDText"_s,
                            u"dbEventCode"_s, u"dbEventText"_s, u"dbEventType"_s,
                            u"dbDateTime"_s};
    const auto places = [&] {
        QStringList out;
        for (const QString &name : boxes) {
            auto *box = c.w.findChild<QLabel *>(name);
            out << u"%1 %2+%3"_s.arg(name).arg(box->x()).arg(box->width());
        }
        return out;
    };
    QCOMPARE(c.pending().recordCount(), 2);
    c.w.pending().PgControl->setCurrentIndex(0); // the event's details
    QCoreApplication::processEvents();
    const QStringList first = places();
    const QString firstPriority = c.w.findChild<QLabel *>(u"dbPriority"_s)->text();
    c.w.pending().DBGrid1->selectRow(1);
    QCoreApplication::processEvents();
    QVERIFY(c.w.findChild<QLabel *>(u"dbPriority"_s)->text() != firstPriority);
    QCOMPARE(places(), first);
}

void TestPendingView::gridAndPagesShowTheEvent()
{
    Console c;
    store::Table &a = *c.dm().tbAccounts;
    QVERIFY(a.findKey(u"1234"_s));
    a.edit();
    const QList<QPair<QString, QString>> account{{u"Address1"_s, u"1 High St"_s},
                                                 {u"Address2"_s, u"Old Town"_s},
                                                 {u"Address3"_s, u"Midshire"_s},
                                                 {u"Address4"_s, u"England"_s},
                                                 {u"Postcode"_s, u"AB1 2CD"_s},
                                                 {u"TelNo"_s, u"01234 567"_s},
                                                 {u"FaxNo"_s, u"01234 568"_s},
                                                 {u"Email"_s, u"shop@bakery.test"_s},
                                                 {u"Notes"_s, u"Back door sticks"_s},
                                                 {u"SpecialNotes"_s, u"Call the baker first"_s},
                                                 {u"PoliceNo"_s, u"PC 42"_s},
                                                 {u"Password"_s, u"crumb"_s},
                                                 {u"SpecialOpts"_s, u"/srv/bakery.pdf"_s},
                                                 {u"KH1Name"_s, u"Ann"_s},
                                                 {u"KH1TelNo"_s, u"111"_s},
                                                 {u"KH1Mobile"_s, u"07111"_s},
                                                 {u"KH1Pager"_s, u"P1"_s},
                                                 {u"KH6Name"_s, u"Zed"_s},
                                                 {u"KH6Pager"_s, u"P6"_s}};
    for (const auto &[field, text] : account)
        a.field(field).setValue(text);
    a.field(u"PanelType"_s).setValue(5);
    a.post();
    c.receive(frame(u"1234"_s, 'E', 130)); // Burglary, High, area 1, zone 5

    TMainFrm &w = c.w;
    QVERIFY(w.pending().lbNoEvents->isHidden());
    QVERIFY(!w.pending().PgControl->isHidden());
    QCOMPARE(w.pending().PgControl->currentIndex(), 1);
    QCOMPARE(w.pending().PgControl->tabText(1), u"Notes"_s);
    console::AccountPages &p = *w.pending().pages();
    for (const auto &[field, text] : account)
        QCOMPARE(p.shownText(field), text);
    QCOMPARE(p.shownText(u"AccountNo"_s), u"1234"_s);
    QCOMPARE(p.shownText(u"Name"_s), u"Bakery"_s);
    QCOMPARE(p.shownText(u"PanelType"_s), u"Sterna 88"_s);
    const QList<QPair<QString, QString>> event{
        {u"Priority"_s, u"High"_s},   {u"EventGroup"_s, u"Ground Floor"_s},
        {u"EventID"_s, u"005"_s},     {u"IDText"_s, u"Front Door"_s},
        {u"EventCode"_s, u"130"_s},   {u"EventText"_s, u"Burglary"_s},
        {u"EventType"_s, u"Alarm"_s}, {u"DateTime"_s, u"8-Dec-13 - 09:30.00"_s}};
    for (const auto &[field, text] : event)
        QCOMPARE(p.shownText(u"Pending."_s + field), text);

    // The grid: three titled columns, the row in its display texts.
    QAbstractItemModel *m = w.pending().DBGrid1->model();
    QCOMPARE(m->columnCount(), 3);
    QStringList titles;
    for (int i = 0; i < 3; ++i)
        titles << m->headerData(i, Qt::Horizontal).toString();
    QCOMPARE(titles, (QStringList{u"Date & Time"_s, u"Acc. No"_s, u"Event Description"_s}));
    QCOMPARE(m->index(0, 0).data().toString(), u"8-Dec-13 - 09:30.00"_s);
    QCOMPARE(m->index(0, 1).data().toString(), u"1234"_s);
    QVERIFY(m->index(0, 2).data().toString().contains(u"Front Door"_s));
    QVERIFY(!(m->flags(m->index(0, 2)) & Qt::ItemIsEditable));

    // The columns fill the grid within their bounds.
    c.show();
    const QList<QPair<int, int>> bounds{{110, 150}, {40, 60}, {450, 1000}};
    int used = 0;
    for (int i = 0; i < 3; ++i) {
        const int width = w.pending().DBGrid1->columnWidth(i);
        QVERIFY2(width >= bounds[i].first && width <= bounds[i].second, qPrintable(titles[i]));
        used += width;
    }
    QVERIFY(qAbs(used - w.pending().DBGrid1->viewport()->width()) <= 1);
    w.resize(1400, 600);
    QTRY_COMPARE(w.pending().DBGrid1->columnWidth(0), 150);
    QCOMPARE(w.pending().DBGrid1->columnWidth(1), 60);
    QVERIFY(w.pending().DBGrid1->columnWidth(2) > 450);
}

void TestPendingView::lightsFollowTheAccount()
{
    Console c;
    c.receive(frame(u"1234"_s, 'E', 130));
    console::AccountPages &p = *c.w.pending().pages();
    QVERIFY(!p.ledEngOnSite->isOn());
    QVERIFY(!p.ledSystemClosed->isOn());
    // The lights follow at screen speed, not inside the event's own handling.
    c.receive(frame(u"1234"_s, 'E', 627)); // engineer on site
    QTRY_VERIFY(p.ledEngOnSite->isOn());
    c.receive(frame(u"1234"_s, 'R', 401, 1, 3)); // closed by user 3
    QTRY_VERIFY(p.ledSystemClosed->isOn());
    // Another account's events leave the shown account's lights alone.
    c.receive(frame(u"5678"_s, 'R', 628));
    QTest::qWait(150);
    QVERIFY(p.ledEngOnSite->isOn());
    c.receive(frame(u"1234"_s, 'R', 628));
    QTRY_VERIFY(!p.ledEngOnSite->isOn());
    c.receive(frame(u"1234"_s, 'E', 401, 1, 3));
    QTRY_VERIFY(!p.ledSystemClosed->isOn());
}

void TestPendingView::actionRefusedWithoutComments()
{
    Console c;
    c.showActive();
    c.receive(frame(u"1234"_s, 'E', 130));
    QVERIFY(c.w.pending().btnAction->isEnabled());
    const int history = count(c.dm(), u"History"_s);
    for (const QString &typed : {QString(), u"  \n "_s}) {
        c.s.messages.clear();
        c.w.pending().moComments->setPlainText(typed);
        QTest::mouseClick(c.w.pending().btnAction, Qt::LeftButton);
        QCOMPARE(c.s.messages.errors, QStringList{u"You have not entered any comments!"_s});
        QCOMPARE(count(c.dm(), u"History"_s), history);
        QCOMPARE(c.pending().recordCount(), 1);
        // The comments box is on the customer page: it is brought forward.
        QCOMPARE(c.w.pending().PgControl->currentIndex(), 0);
        QTRY_VERIFY(c.w.pending().moComments->hasFocus());
        c.w.pending().PgControl->setCurrentIndex(1);
    }
}

void TestPendingView::actionFilesTheEventWithTheComments()
{
    Console c;
    c.receive(frame(u"1234"_s, 'E', 130));                         // High
    c.receive(frame(u"5678"_s, 'E', 110), 1);                      // Very High: first in the queue
    QCOMPARE(c.pending().field(u"AccNo"_s).asString(), u"1234"_s); // selection stays
    c.pending().first();
    QCOMPARE(c.pending().field(u"AccNo"_s).asString(), u"5678"_s);
    const QString desc = c.pending().field(u"EventDesc"_s).asString();
    c.clock.at = kNow.addSecs(90);

    c.w.pending().moComments->setPlainText(u"Police called\nKeyholder on way"_s);
    QTest::mouseClick(c.w.pending().btnAction, Qt::LeftButton);
    QVERIFY(c.s.messages.all().isEmpty());
    QCOMPARE(operatorRows(c.dm()), 1);
    QCOMPARE(c.historyValue(u"OpAction"_s), u"1"_s);
    QCOMPARE(c.historyValue(u"Operator"_s), u"Master"_s);
    QCOMPARE(c.historyValue(u"Comments"_s), u"Police called\r\nKeyholder on way"_s);
    QCOMPARE(c.historyValue(u"AccNo"_s), u"5678"_s);
    QCOMPARE(c.historyValue(u"EventCode"_s), u"110"_s);
    QCOMPARE(c.historyValue(u"EventType"_s), u"1"_s);
    QCOMPARE(c.historyValue(u"EventDesc"_s), desc);
    QCOMPARE(c.historyValue(u"EventGroup"_s), u"1"_s); // Fire: Priority Alarm
    QCOMPARE(store::dateTimeFromStored(c.historyValue(u"DateTime"_s)), kReceived.addSecs(61));
    QCOMPARE(store::dateTimeFromStored(c.historyValue(u"TimeActioned"_s)), c.clock.at);

    // The row left the queue and its count; the next event is shown.
    QCOMPARE(c.pending().recordCount(), 1);
    QCOMPARE(c.dm().PriorityCounts[1], 0);
    QTRY_COMPARE(c.labels().first(), u"Very High Priority - 000"_s); // once the turn ends
    QVERIFY(c.w.pending().moComments->toPlainText().isEmpty());
    QCOMPARE(c.w.pending().pages()->shownText(u"AccountNo"_s), u"1234"_s);
    QCOMPARE(c.w.pending().DBGrid1->model()->rowCount(), 1);

    c.w.pending().moComments->setPlainText(u"False alarm"_s);
    c.w.pending().btnAction->click();
    QCOMPARE(c.pending().recordCount(), 0);
    QCOMPARE(c.w.pending().lbNoEvents->text(), u"No Pending Alarm Events"_s);
    QVERIFY(!c.w.pending().btnAction->isEnabled());
}

void TestPendingView::logFilesTheEvent_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("stored"); // null: nothing filed
    QTest::addColumn<bool>("asked");

    QTest::newRow("with comments") << u"Called keyholder"_s << false
                                   << u"Logged by Operator - \r\nCalled keyholder"_s << false;
    QTest::newRow("two lines") << u"Called keyholder\nNo answer"_s << false
                               << u"Logged by Operator - \r\nCalled keyholder\r\nNo answer"_s
                               << false;
    QTest::newRow("empty, Yes") << QString() << true << u"Logged by Operator"_s << true;
    QTest::newRow("blank, Yes") << u" \n"_s << true << u"Logged by Operator"_s << true;
    QTest::newRow("empty, No") << QString() << false << QString() << true;
}

void TestPendingView::logFilesTheEvent()
{
    QFETCH(QString, typed);
    QFETCH(bool, answer);
    QFETCH(QString, stored);
    QFETCH(bool, asked);
    Console c;
    c.receive(frame(u"1234"_s, 'E', 130));
    c.s.messages.confirmAnswers << answer;
    c.w.pending().moComments->setPlainText(typed);
    QTest::mouseClick(c.w.pending().btnCancel, Qt::LeftButton);
    QCOMPARE(c.s.messages.questions.isEmpty(), !asked);
    if (asked)
        QCOMPARE(c.s.messages.questions.first(),
                 u"Are you sure you want to log this alarm without any comments"_s);
    if (stored.isNull()) {
        QCOMPARE(operatorRows(c.dm()), 0);
        QCOMPARE(c.pending().recordCount(), 1);
        QCOMPARE(c.w.pending().PgControl->currentIndex(), 0);
        return;
    }
    QCOMPARE(operatorRows(c.dm()), 1);
    QCOMPARE(c.historyValue(u"Comments"_s), stored);
    QCOMPARE(c.historyValue(u"OpAction"_s), u"0"_s);
    QCOMPARE(c.historyValue(u"Operator"_s), u"Master"_s);
    QCOMPARE(c.historyValue(u"EventGroup"_s), u"2"_s);
    QCOMPARE(c.pending().recordCount(), 0);
    QCOMPARE(c.dm().PriorityCounts[2], 0);
    QVERIFY(c.w.pending().moComments->toPlainText().isEmpty());
}

void TestPendingView::silenceStopsTheLoop()
{
    Console c;
    c.receive(frame(u"1234"_s, 'E', 110)); // Very High: loops until silenced
    pipeline::EventProcessor &proc = c.w.station().processor();
    QVERIFY(proc.AlarmSounding());
    QVERIFY(c.w.pending().btnSilence->isEnabled());
    QCOMPARE(played(c.sound), u"SND_NEWEVENT1/13"_s);
    QTest::mouseClick(c.w.pending().btnSilence, Qt::LeftButton);
    QCOMPARE(played(c.sound), u"SND_NEWEVENT1/13 SND_NEWEVENT3/5"_s);
    QVERIFY(!proc.AlarmSounding());
    QVERIFY(!proc.AlmTimer()->isActive());
    QVERIFY(!c.w.pending().btnSilence->isEnabled());
    // The event itself stays for the operator.
    QCOMPARE(c.pending().recordCount(), 1);
    QVERIFY(c.w.pending().btnAction->isEnabled());
}

void TestPendingView::highAlarmSilencesItselfWhenAlmTimerExpires()
{
    Console c;
    c.receive(frame(u"1234"_s, 'E', 130)); // High: AlmTimer runs
    pipeline::EventProcessor &proc = c.w.station().processor();
    QVERIFY(proc.AlmTimer()->isActive());
    QCOMPARE(proc.AlmTimer()->interval(), 20000);
    QVERIFY(c.w.pending().btnSilence->isEnabled());
    proc.AlmTimer()->setInterval(10); // instead of 20 seconds
    QTRY_VERIFY(!proc.AlarmSounding());
    QCOMPARE(played(c.sound), u"SND_NEWEVENT2/13 SND_NEWEVENT3/5"_s);
    QVERIFY(!proc.AlmTimer()->isActive());
    QVERIFY(!c.w.pending().btnSilence->isEnabled());
}

void TestPendingView::actionAndLogSilenceFirst_data()
{
    QTest::addColumn<bool>("action");
    QTest::newRow("Action") << true;
    QTest::newRow("Log") << false;
}

void TestPendingView::actionAndLogSilenceFirst()
{
    QFETCH(bool, action);
    Console c;
    c.receive(frame(u"1234"_s, 'E', 110));
    c.receive(frame(u"1234"_s, 'E', 120));
    // Refused for lack of comments, and yet the loop gives way to the chime.
    c.s.messages.confirmAnswers << false;
    (action ? c.w.pending().btnAction : c.w.pending().btnCancel)->click();
    QCOMPARE(played(c.sound), u"SND_NEWEVENT1/13 SND_NEWEVENT1/13 SND_NEWEVENT3/5"_s);
    QVERIFY(!c.w.station().processor().AlarmSounding());
    QVERIFY(!c.w.pending().btnSilence->isEnabled());
    QCOMPARE(c.pending().recordCount(), 2);
}

void TestPendingView::logOffDisablesTheButtonsButKeepsThePages()
{
    Console c;
    c.receive(frame(u"1234"_s, 'E', 110));
    TMainFrm &w = c.w;
    for (QWidget *b : {static_cast<QWidget *>(w.pending().btnAction), static_cast<QWidget *>(w.pending().btnCancel),
                       static_cast<QWidget *>(w.pending().btnHistory), static_cast<QWidget *>(w.pending().btnSilence),
                       static_cast<QWidget *>(w.pending().moComments)})
        QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
    w.session().mnuLogOff->trigger();
    QVERIFY(!w.session().LoggedOn());
    for (QWidget *b : {static_cast<QWidget *>(w.pending().btnAction), static_cast<QWidget *>(w.pending().btnCancel),
                       static_cast<QWidget *>(w.pending().btnHistory), static_cast<QWidget *>(w.pending().btnSilence),
                       static_cast<QWidget *>(w.pending().moComments)})
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
    QVERIFY(!w.pending().PgControl->isHidden());
    QVERIFY(w.pending().lbNoEvents->isHidden());
    QVERIFY(w.pending().btnDelete->isHidden());
    // The alarm keeps sounding for whoever logs on next.
    QVERIFY(w.station().processor().AlarmSounding());
    c.s.logOn(u"Master"_s, u"master"_s);
    QVERIFY(w.pending().btnSilence->isEnabled());
    QVERIFY(w.pending().moComments->isEnabled());
}

void TestPendingView::failedAccountLookupNeverOffersDelete()
{
    Console c;
    c.receive(frame(u"1234"_s, 'E', 130));
    TMainFrm &w = c.w;
    QVERIFY(!w.pending().PgControl->isHidden());
    // The account lookup cannot run again (here: its table is out of reach).
    c.dm().database().exec(u"ALTER TABLE Accounts RENAME TO AccountsAway"_s);
    w.session().AccEdit->trigger(); // the account manager closes: the console looks again
    QVERIFY(!c.s.messages.errors.isEmpty());
    QVERIFY2(w.pending().lbNoEvents->text().startsWith(
                 u"The account details of this event cannot be read: no such table"_s),
             qPrintable(w.pending().lbNoEvents->text()));
    QVERIFY(w.pending().PgControl->isHidden());
    QVERIFY(w.pending().btnDelete->isHidden());
    for (QPushButton *b : {w.pending().btnAction, w.pending().btnCancel, w.pending().btnHistory})
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
    QCOMPARE(c.pending().recordCount(), 1);

    // Once it can be read again, the alarm is shown as before.
    c.dm().database().exec(u"ALTER TABLE AccountsAway RENAME TO Accounts"_s);
    w.pending().UpdateQueueControls();
    QVERIFY(!w.pending().PgControl->isHidden());
    QVERIFY(w.pending().btnAction->isEnabled());
}

void TestPendingView::deletedAccountsEventCanOnlyBeDeleted()
{
    Console c(false);
    c.receive(frame(u"5678"_s, 'E', 130));
    store::Table &a = *c.dm().tbAccounts;
    QVERIFY(a.findKey(u"5678"_s));
    a.remove();
    // The account manager closes: the console looks at the account again.
    c.dm().qryAccounts->close();
    c.dm().qryAccounts->open();
    c.w.pending().UpdateQueueControls();

    TMainFrm &w = c.w;
    QCOMPARE(w.pending().lbNoEvents->text(), u"No Account Details for this Event"_s);
    QCOMPARE(c.messageColour(), QColor(0xFF, 0x00, 0x00));
    QVERIFY(w.pending().PgControl->isHidden());
    QVERIFY(w.pending().btnDelete->isHidden()); // nobody logged on
    c.s.logOn(u"Master"_s, u"master"_s);
    QVERIFY(!w.pending().btnDelete->isHidden());
    QVERIFY(w.pending().btnDelete->isEnabled());
    for (QPushButton *b : {w.pending().btnAction, w.pending().btnCancel, w.pending().btnHistory})
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));

    const int history = count(c.dm(), u"History"_s);
    QTest::mouseClick(w.pending().btnDelete, Qt::LeftButton);
    QCOMPARE(c.pending().recordCount(), 0);
    QCOMPARE(count(c.dm(), u"History"_s), history);
    QCOMPARE(c.dm().PriorityCounts[2], 0);
    QVERIFY(c.s.messages.all().isEmpty());
    QCOMPARE(w.pending().lbNoEvents->text(), u"No Pending Alarm Events"_s);
    QCOMPARE(c.messageColour(), QColor(0x00, 0x80, 0x00));
    QVERIFY(w.pending().btnDelete->isHidden());
}

void TestPendingView::rowColoursByPriority_data()
{
    QTest::addColumn<int>("priority");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text");
    QTest::newRow("1 Very High") << 1 << QColor(0xFF, 0x33, 0x4B) << QColor(Qt::white);
    QTest::newRow("2 High") << 2 << QColor(0xFF, 0x80, 0x00) << QColor(Qt::white);
    QTest::newRow("3 Medium") << 3 << QColor(0xFF, 0xFF, 0x00) << QColor(Qt::black);
    QTest::newRow("4 Low") << 4 << QColor(0x80, 0xFF, 0x80) << QColor(Qt::black);
    QTest::newRow("5 Invalid") << 5 << QColor(0xFF, 0xFF, 0xFF) << QColor(Qt::black);
}

void TestPendingView::rowColoursByPriority()
{
    QFETCH(int, priority);
    QFETCH(QColor, background);
    QFETCH(QColor, text);
    Console c;
    c.setPriority(u"1234"_s, 130, priority);
    c.receive(frame(u"5678"_s, 'E', 110)); // first in the queue: the selected row
    c.receive(frame(u"1234"_s, 'E', 130), 1);
    c.show();
    QTableView *grid = c.w.pending().DBGrid1;
    QCOMPARE(c.pending().recNo(), 0);
    for (int column = 0; column < 3; ++column) {
        QVERIFY2(near(cellColour(grid, 1, column), background),
                 qPrintable(cellColour(grid, 1, column).name()));
        QVERIFY(cellHasInk(grid, 1, column, text));
    }
}

void TestPendingView::selectedRowKeepsSelectionColours()
{
    Console c;
    c.receive(frame(u"1234"_s, 'E', 453)); // Low
    c.receive(frame(u"1234"_s, 'E', 454), 1);
    c.show();
    QTableView *grid = c.w.pending().DBGrid1;
    const QColor highlight = grid->palette().color(QPalette::Active, QPalette::Highlight);
    QVERIFY(!near(highlight, QColor(0x80, 0xFF, 0x80)));
    QVERIFY(near(cellColour(grid, 0, 2), highlight));
    QVERIFY(near(cellColour(grid, 1, 2), QColor(0x80, 0xFF, 0x80)));
    // Also while another control has the focus.
    c.w.pending().moComments->setFocus();
    QVERIFY(near(cellColour(grid, 0, 2), highlight));
    grid->selectRow(1);
    QVERIFY(near(cellColour(grid, 1, 2), highlight));
    QVERIFY(near(cellColour(grid, 0, 2), QColor(0x80, 0xFF, 0x80)));
}

void TestPendingView::priorityFiveIsCountedButNotShown()
{
    Console c;
    c.setPriority(u"1234"_s, 130, 5);
    c.receive(frame(u"1234"_s, 'E', 130));
    QCOMPARE(c.dm().PriorityCounts[5], 1);
    QCOMPARE(c.labels(), (QStringList{u"Very High Priority - 000"_s, u"High Priority - 000"_s,
                                      u"Medium Priority - 000"_s, u"Low Priority - 000"_s}));
    QCOMPARE(c.w.pending().pages()->shownText(u"Pending.Priority"_s), u"Invalid"_s);
    // Counted afresh at the next start.
    c.s.stop();
    c.s.start();
    QCOMPARE(c.s.dm().PriorityCounts[5], 1);
    QCOMPARE(c.s.dm().PriorityCounts[2], 0);
}

void TestPendingView::gridAndCursorMoveTogether()
{
    Console c;
    c.receive(frame(u"1234"_s, 'E', 110));
    c.receive(frame(u"5678"_s, 'E', 130), 1);
    c.receive(frame(u"1234"_s, 'E', 453), 2);
    c.show();
    QTableView *grid = c.w.pending().DBGrid1;
    QCOMPARE(grid->currentIndex().row(), 0);
    const QRect row2 = grid->visualRect(grid->model()->index(1, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, row2.center());
    QCOMPARE(c.pending().recNo(), 1);
    QCOMPARE(c.w.pending().pages()->shownText(u"Name"_s), u"Garage"_s);
    QCOMPARE(grid->model()->headerData(1, Qt::Vertical).toString(), u"\u25B8"_s);
    QCOMPARE(grid->model()->headerData(0, Qt::Vertical).toString(), QString());

    // A new alarm ahead of it leaves the operator's row selected.
    c.receive(frame(u"5678"_s, 'E', 100), 3);
    QCOMPARE(c.pending().field(u"AccNo"_s).asString(), u"5678"_s);
    QCOMPARE(c.pending().field(u"EventCode"_s).asInteger(), 130);
    QCOMPARE(grid->currentIndex().row(), c.pending().recNo());
    QVERIFY(grid->selectionModel()->isRowSelected(c.pending().recNo(), {}));

    // Action files the selected row, not the first one.
    c.w.pending().moComments->setPlainText(u"Checked"_s);
    c.w.pending().btnAction->click();
    QCOMPARE(c.historyValue(u"EventCode"_s), u"130"_s);
    QCOMPARE(grid->currentIndex().row(), c.pending().recNo());
    QCOMPARE(grid->model()->rowCount(), 3);
}

void TestPendingView::cursorBeyondTheFirstBatchIsShown()
{
    Console c;
    store::Database &db = c.dm().database();
    {
        store::WriteScope scope(db);
        db.ensureWriteLock();
        for (int i = 0; i < 700; ++i)
            db.exec(u"INSERT INTO Pending (ID, DateTime, Priority, AccNo, EventDesc) "
                    u"VALUES (?, ?, 2, '1234', ?)"_s,
                    {i + 1, store::dateTimeToStored(kReceived.addSecs(i)), u"Event %1"_s.arg(i)});
        scope.commit();
    }
    c.pending().refresh();
    QTableView *grid = c.w.pending().DBGrid1;
    // Handed to the grid in batches, not all at once.
    QCOMPARE(grid->model()->rowCount(), console::PendingModel::kBatch);
    QVERIFY(c.pending().moveTo(600));
    QCOMPARE(grid->currentIndex().row(), 600);
    QCOMPARE(grid->currentIndex().siblingAtColumn(2).data().toString(), u"Event 600"_s);
    QVERIFY(grid->model()->rowCount() > 600);
}

void TestPendingView::failedActionLeavesNeitherHistoryNorALostAlarm()
{
    Console c;
    c.receive(frame(u"1234"_s, 'E', 130));
    store::Table &pending = c.pending();
    const auto hook = pending.beforeDelete;
    pending.beforeDelete = [](store::Table &) { throw store::EStoreError(u"Disk full"_s); };
    const int history = count(c.dm(), u"History"_s);
    c.w.pending().moComments->setPlainText(u"Police called"_s);
    c.w.pending().btnAction->click();
    QCOMPARE(c.s.messages.errors, QStringList{u"Disk full"_s});
    QCOMPARE(count(c.dm(), u"History"_s), history);
    QCOMPARE(c.dm().tbHistory->recordCount(), history);
    QCOMPARE(pending.recordCount(), 1);
    QCOMPARE(count(c.dm(), u"Pending"_s), 1);
    QCOMPARE(c.dm().PriorityCounts[2], 1);
    // The operator's text is still there for the next try.
    QCOMPARE(c.w.pending().moComments->toPlainText(), u"Police called"_s);

    pending.beforeDelete = hook;
    c.w.pending().btnAction->click();
    QCOMPARE(operatorRows(c.dm()), 1);
    QCOMPARE(pending.recordCount(), 0);
    QCOMPARE(c.dm().PriorityCounts[2], 0);
}

void TestPendingView::historyOpensTheAccountsHistory()
{
    Console c;
    c.receive(frame(u"1234"_s, 'E', 110));
    c.receive(frame(u"1234"_s, 'R', 130), 1); // logged by the system
    QString caption;
    int rows = -1;
    bool sounding = true;
    QTimer closer;
    closer.setInterval(5);
    QObject::connect(&closer, &QTimer::timeout, [&]() {
        auto *viewer = qobject_cast<reports::THistoryFrm *>(QApplication::activeModalWidget());
        if (!viewer)
            return;
        caption = viewer->windowTitle();
        rows = viewer->model()->rowCount();
        sounding = c.w.station().processor().AlarmSounding();
        viewer->reject();
    });
    closer.start();
    QTest::mouseClick(c.w.pending().btnHistory, Qt::LeftButton);
    QCOMPARE(caption, u"Customer History: Account No 1234 (Bakery)"_s);
    QCOMPARE(rows, 1);
    QVERIFY(!sounding); // silenced before the viewer opened
    QVERIFY(!c.dm().qryHistory->isOpen());
    QCOMPARE(c.pending().recordCount(), 1);
    QVERIFY(c.s.messages.all().isEmpty());
}

void TestPendingView::specialOpensTheInstructionsDocument()
{
    Console c;
    QStringList opened;
    console::SetShellOpener([&opened](const QString &target) { opened << target; });
    const auto restore = qScopeGuard([] { console::SetShellOpener({}); });
    c.dm().database().exec(
        u"UPDATE Accounts SET SpecialOpts = '/srv/instructions/bakery.pdf' WHERE AccountNo = '1234'"_s);
    c.receive(frame(u"1234"_s, 'E', 130));
    c.receive(frame(u"5678"_s, 'E', 453), 1);
    c.show();
    console::ClickableText *special = c.w.pending().pages()->DBText44;
    QCOMPARE(special->text(), u"/srv/instructions/bakery.pdf"_s);
    QTest::mouseClick(special, Qt::LeftButton);
    QCOMPARE(opened, QStringList{u"/srv/instructions/bakery.pdf"_s});
    // An account without a document opens nothing.
    QVERIFY(c.pending().moveTo(1));
    QCOMPARE(c.w.pending().pages()->shownText(u"AccountNo"_s), u"5678"_s);
    QTest::mouseClick(special, Qt::LeftButton);
    QCOMPARE(opened.size(), 1);
}

void TestPendingView::queueOfEveryPriority()
{
    // A morning's queue: rows in priority order, each in its colours. With
    // QUORVEL_SCREENSHOT_DIR set, the console is saved there as pictures.
    Console c;
    store::Table &a = *c.dm().tbAccounts;
    QVERIFY(a.findKey(u"1234"_s));
    a.edit();
    a.field(u"Address1"_s).setValue(u"12 Market Street"_s);
    a.field(u"Address2"_s).setValue(u"Old Town"_s);
    a.field(u"Postcode"_s).setValue(u"AB1 2CD"_s);
    a.field(u"TelNo"_s).setValue(u"01234 567890"_s);
    a.field(u"Email"_s).setValue(u"shop@bakery.test"_s);
    a.field(u"Notes"_s).setValue(u"Rear yard gate sticks. Dog on premises at night."_s);
    a.field(u"SpecialOpts"_s).setValue(u"/srv/instructions/1234.pdf"_s);
    a.field(u"PoliceNo"_s).setValue(u"PC 4711"_s);
    a.field(u"Password"_s).setValue(u"crumb"_s);
    a.post();
    c.setPriority(u"1234"_s, 137, 3); // Tamper as Medium
    c.setPriority(u"5678"_s, 131, 3);
    c.setPriority(u"5678"_s, 152, 5);
    const QList<QPair<QString, int>> events{
        {frame(u"1234"_s, 'E', 130), 0},        {frame(u"5678"_s, 'E', 453), 2},
        {frame(u"1234"_s, 'E', 110, 1, 7), 5},  {frame(u"5678"_s, 'E', 131, 2, 3), 9},
        {frame(u"1234"_s, 'E', 137, 1, 5), 12}, {frame(u"5678"_s, 'E', 454), 15},
        {frame(u"1234"_s, 'E', 120, 0, 0), 21}, {frame(u"5678"_s, 'E', 152, 1, 2), 25},
        {frame(u"5678"_s, 'E', 134, 1, 9), 30}};
    for (const auto &[data, minutes] : events)
        c.receive(data, minutes);
    c.pending().first();
    c.show();
    QTableView *grid = c.w.pending().DBGrid1;
    QCOMPARE(grid->model()->rowCount(), events.size());
    QList<int> priorities;
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        const int p =
            grid->model()->index(row, 0).data(console::PendingModel::PriorityRole).toInt();
        priorities << p;
        if (row > 0)
            QVERIFY(near(cellColour(grid, row, 2), console::PriorityColours(p).background));
    }
    QCOMPARE(priorities, (QList<int>{1, 1, 2, 2, 3, 3, 4, 4, 5}));
    QCOMPARE(c.labels(), (QStringList{u"Very High Priority - 002"_s, u"High Priority - 002"_s,
                                      u"Medium Priority - 002"_s, u"Low Priority - 002"_s}));
    QCOMPARE(c.dm().PriorityCounts[5], 1);

    const QString dir = qEnvironmentVariable("QUORVEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QVERIFY(c.w.grab().save(dir + u"/console-notes.png"_s));
    c.w.pending().PgControl->setCurrentIndex(console::AccountPages::CustomerDetails);
    c.w.pending().moComments->setPlainText(u"Keyholder Ann informed, on her way"_s);
    QVERIFY(c.w.grab().save(dir + u"/console-customer.png"_s));
    c.w.pending().PgControl->setCurrentIndex(console::AccountPages::Keyholders);
    QVERIFY(c.w.grab().save(dir + u"/console-keyholders.png"_s));
}

void TestPendingView::alarmInABurstIsShownBeforeTheBurstEnds()
{
    // A receiver hands over a long burst without waiting: an alarm at its
    // head is painted in the operator's grid while the rest is still being
    // stored.
    Console c;
    c.show();
    const int frames = 6000; // longer than a few slices of intake, even on a fast machine
    QTcpSocket rx;
    rx.connectToHost(QHostAddress::LocalHost, c.s.port());
    QVERIFY(rx.waitForConnected(5000));
    int acks = 0;
    connect(&rx, &QTcpSocket::readyRead, &rx, [&] { acks += int(rx.readAll().count('\x06')); });
    QAbstractItemModel *grid = c.w.pending().DBGrid1->model();
    int storedWhenPainted = -1;
    PaintWatch watch([&] {
        if (storedWhenPainted < 0 && grid->rowCount() > 0) {
            QSqlQuery q = c.dm().database().exec(u"SELECT COUNT(*) FROM Comms"_s);
            storedWhenPainted = q.next() ? q.value(0).toInt() : -1;
        }
    });
    c.w.pending().DBGrid1->viewport()->installEventFilter(&watch);

    QByteArray burst = "5011 " + frame(u"1234"_s, 'E', 110).toLatin1() + '\x14';
    for (int i = 1; i < frames; ++i)
        burst += "5011 " + frame(u"1234"_s, 'E', 602, 0, 0).toLatin1() + '\x14';
    rx.write(burst);
    QTRY_COMPARE_WITH_TIMEOUT(acks, frames, 120000);
    QVERIFY2(storedWhenPainted >= 1 && storedWhenPainted < frames,
             qPrintable(QString::number(storedWhenPainted)));
    QCOMPARE(grid->rowCount(), 1);
    QCOMPARE(c.dm().PriorityCounts[1], 1);
}

QTEST_MAIN(TestPendingView)
#include "tst_pendingview.moc"
