// The event processor on a real store: stored Comms rows in, account fields,
// Pending, History and Outbox rows, sounds and the processed mark out.
#include "pipeline/eventcatalogue.h"
#include "pipeline/eventprocessor.h"
#include "core/clock.h"
#include "store/database.h"
#include "store/errors.h"
#include "core/events.h"
#include "store/tdmod.h"
#include "support/recordingmessages.h"
#include "support/tempstore.h"
#include "support/recordingsoundplayer.h"

#include <QLocale>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

#include <functional>
#include <memory>
#include <utility>

using namespace pipeline;
using namespace store;
using namespace core;
using namespace Qt::StringLiterals;

namespace {

const QDateTime kLastSignal(QDate(2026, 12, 8), QTime(9, 10, 0)); // a Tuesday
const QDateTime kReceived(QDate(2026, 12, 8), QTime(14, 5, 3));
const QDateTime kNow(QDate(2026, 12, 8), QTime(14, 5, 9));
const QString kLastSignalText = u"2026-12-08 09:10:00"_s;
const QString kReceivedText = u"2026-12-08 14:05:03"_s;

class FixedClock : public Clock
{
public:
    QDateTime now() const override { return at; }
    QDateTime at = kNow;
};

// The main window's part: new-comms notifications go to the processor.
class Forwarder : public QObject
{
public:
    bool event(QEvent *e) override
    {
        if (e->type() != NewCommsEventType)
            return QObject::event(e);
        if (deliver)
            deliver(static_cast<RowEvent *>(e)->id());
        return true;
    }
    std::function<void(int)> deliver;
};

class RecordingHooks : public ConsoleHooks
{
public:
    void UpdateQueueControls() override
    {
        ++updates;
        if (onUpdate)
            onUpdate();
    }
    int updates = 0;
    std::function<void()> onUpdate;
};

QSqlQuery sql(TDMod &dm, const QString &text, const QVariantList &values = {})
{
    return dm.database().exec(text, values);
}

QVariant value(TDMod &dm, const QString &text, const QVariantList &values = {})
{
    QSqlQuery q = sql(dm, text, values);
    return q.next() ? q.value(0) : QVariant();
}

int count(TDMod &dm, const QString &table)
{
    return value(dm, u"SELECT COUNT(*) FROM \"%1\""_s.arg(table)).toInt();
}

QVariantList column(TDMod &dm, const QString &text)
{
    QVariantList values;
    QSqlQuery q = sql(dm, text);
    while (q.next())
        values << q.value(0);
    return values;
}

// Every column of the first row, by name.
QVariantMap firstRow(TDMod &dm, const QString &table)
{
    QSqlQuery q = sql(dm, u"SELECT * FROM \"%1\" ORDER BY ID LIMIT 1"_s.arg(table));
    QVariantMap row;
    if (q.next()) {
        for (int i = 0; i < q.record().count(); ++i)
            row.insert(q.record().fieldName(i), q.value(i));
    }
    return row;
}

void insertRow(TDMod &dm, const QString &table, const QVariantMap &fields)
{
    QStringList cols, marks;
    QVariantList values;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        cols << u"\"%1\""_s.arg(it.key());
        marks << u"?"_s;
        values << it.value();
    }
    sql(dm,
        u"INSERT INTO \"%1\" (%2) VALUES (%3)"_s.arg(table, cols.join(u", "_s),
                                                     marks.join(u", "_s)),
        values);
}

void updateRow(TDMod &dm, const QString &table, const QString &where, const QVariantList &keys,
               const QVariantMap &fields)
{
    QStringList sets;
    QVariantList values;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        sets << u"\"%1\" = ?"_s.arg(it.key());
        values << it.value();
    }
    sql(dm, u"UPDATE \"%1\" SET %2 WHERE %3"_s.arg(table, sets.join(u", "_s), where),
        values + keys);
}

const QStringList kStateFields{u"OCStatus"_s,  u"OpenEX"_s,     u"CloseEX"_s,
                               u"EngOnSite"_s, u"LastSignal"_s, u"NoSigActioned"_s};

QVariantMap stateOf(TDMod &dm)
{
    QSqlQuery q = sql(
        dm, u"SELECT %1 FROM Accounts WHERE AccountNo = '1234'"_s.arg(kStateFields.join(u", "_s)));
    QVariantMap state;
    if (q.next()) {
        for (int i = 0; i < kStateFields.size(); ++i)
            state.insert(kStateFields[i], q.value(i).toString());
    }
    return state;
}

QVariantMap asText(QVariantMap map)
{
    for (auto it = map.begin(); it != map.end(); ++it)
        it.value() = it.value().toString();
    return map;
}

// A station with account 1234 ("Bakery"), its default rules, area 1, zone 5
// and user 3 named, and the processor wired to the new-comms notification.
struct Station
{
    Station()
    {
        start();
        // One commit for the whole set-up.
        WriteScope scope(dm().database());
        dm().database().ensureWriteLock();
        insertRow(dm(), u"Accounts"_s,
                  {{u"AccountNo"_s, u"1234"_s},
                   {u"Name"_s, u"Bakery"_s},
                   {u"Address1"_s, u"1 High St"_s},
                   {u"TelNo"_s, u"01234 567"_s},
                   {u"OCStatus"_s, 1},
                   {u"OpenEX"_s, 1},
                   {u"CloseEX"_s, 1},
                   {u"EngOnSite"_s, 0},
                   {u"NoSigActioned"_s, 1},
                   {u"LastSignal"_s, kLastSignalText}});
        int actionId = 1;
        for (const TEventCodes &e : EventCatalogue()) {
            insertRow(dm(), u"Actions"_s,
                      {{u"AccountNo"_s, u"1234"_s},
                       {u"ActionID"_s, actionId++},
                       {u"EventCode"_s, e.Code},
                       {u"Description"_s, e.Text},
                       {u"IDType"_s, e.EventKind},
                       {u"AlmPriority"_s, e.DefaultPriority},
                       {u"AlmAction"_s, e.DefaultAlmAction},
                       {u"ResAction"_s, e.DefaultResAction}});
        }
        insertRow(
            dm(), u"Areas"_s,
            {{u"AccountNo"_s, u"1234"_s}, {u"AreaID"_s, 1}, {u"AreaText"_s, u"Ground Floor"_s}});
        insertRow(
            dm(), u"Zones"_s,
            {{u"AccountNo"_s, u"1234"_s}, {u"ZoneID"_s, 5}, {u"ZoneText"_s, u"Front Door"_s}});
        insertRow(dm(), u"Users"_s,
                  {{u"AccountNo"_s, u"1234"_s}, {u"UserID"_s, 3}, {u"UserText"_s, u"Bob"_s}});
        scope.commit();
    }

    TDMod &dm() { return temp.dm(); }

    void start()
    {
        processor = std::make_unique<EventProcessor>(temp.dm());
        temp->setNotifyTarget(&forwarder);
        temp->setConsoleHooks(&hooks);
        forwarder.deliver = [this](int id) { processor->OnWM_NewCommsData(id); };
    }
    // The program stops and starts again on the same store.
    void restart()
    {
        processor.reset();
        temp.reopen();
        start();
    }
    // Stored as the receiver link stores a frame; processed when the
    // notification is delivered.
    int store(const QString &data, int protocol = 1)
    {
        Table &comms = *dm().tbComms;
        comms.insert();
        comms.field(u"DateTime"_s).setValue(kReceived);
        comms.field(u"RxNo"_s).setValue(1);
        comms.field(u"LineNo"_s).setValue(1);
        comms.field(u"Protocol"_s).setValue(protocol);
        comms.field(u"Data"_s).setValue(data);
        comms.post();
        return comms.field(u"ID"_s).asInteger();
    }
    int process(const QString &data, int protocol = 1)
    {
        const int id = store(data, protocol);
        QCoreApplication::sendPostedEvents(&forwarder, NewCommsEventType);
        return id;
    }
    QVariant processed(int commsId)
    {
        return value(dm(), u"SELECT Processed FROM Comms WHERE ID = ?"_s, {commsId});
    }
    void setRule(int code, const QVariantMap &fields)
    {
        if (fields.contains(u"delete"_s)) {
            sql(dm(), u"DELETE FROM Actions WHERE AccountNo = '1234' AND EventCode = ?"_s, {code});
            return;
        }
        if (!fields.isEmpty())
            updateRow(dm(), u"Actions"_s, u"AccountNo = '1234' AND EventCode = ?"_s, {code},
                      fields);
    }
    void setAccount(const QVariantMap &fields)
    {
        if (!fields.isEmpty())
            updateRow(dm(), u"Accounts"_s, u"AccountNo = '1234'"_s, {}, fields);
    }

    TempStore temp;
    RecordingMessages messages;
    Forwarder forwarder;
    RecordingHooks hooks;
    std::unique_ptr<EventProcessor> processor;
};

int codeOf(const QString &data)
{
    return data.mid(7, 3).toInt();
}

QString played(const RecordingSoundPlayer &player)
{
    QStringList list;
    for (const auto &p : player.played())
        list << u"%1/%2"_s.arg(p.name).arg(p.flags);
    return list.join(u' ');
}

} // namespace

class TestEventProcessor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void eventRows_data();
    void eventRows();
    void accountState_data();
    void accountState();
    void earlyOpening_data();
    void earlyOpening();
    void alarmSound_data();
    void alarmSound();
    void highAlarmTimerAndSilence();
    void email_data();
    void email();
    void textsCutToFieldSizes();

    void operatorEditOfAccountSurvives();
    void backlogProcessedOnceInOrderAfterRestart();
    void failedEvent_data();
    void failedEvent();
    void nonNumericFieldIsReportedAndNextProcessed_data();
    void nonNumericFieldIsReportedAndNextProcessed();
    void nestedArrivalsWaitTheirTurn();
    void busyStoreLeavesEventsWaiting();
    void fullStoreLeavesEventsWaitingAndSaysSo();

private:
    FixedClock m_clock;
    RecordingSoundPlayer m_sound;
};

void TestEventProcessor::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

void TestEventProcessor::init()
{
    m_clock.at = kNow;
    setClock(&m_clock);
    m_sound.clear();
    SetSoundPlayer(&m_sound);
}

void TestEventProcessor::cleanup()
{
    SetSoundPlayer(nullptr);
    setClock(nullptr);
}

void TestEventProcessor::eventRows_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<int>("protocol");
    QTest::addColumn<QVariantMap>("rule");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QVariantMap>("fields");

    const QVariantMap none;
    QTest::newRow("alarm prompted")
        << u"181234E13001005"_s << 1 << none << u"Pending"_s
        << QVariantMap{{u"Priority"_s, 2},
                       {u"EventType"_s, 1},
                       {u"EventCode"_s, 130},
                       {u"EventGroup"_s, u"Ground Floor"_s},
                       {u"Action"_s, 2},
                       {u"EventText"_s, u"Burglary"_s},
                       {u"EventID"_s, 5},
                       {u"IDText"_s, u"Front Door"_s},
                       {u"AccNo"_s, u"1234"_s},
                       {u"EventDesc"_s, u"Ground Floor: Burglary Alarm - Zone 005 (Front Door)"_s}};
    QTest::newRow("restore logged")
        << u"181234R13001005"_s << 1 << none << u"History"_s
        << QVariantMap{
               {u"EventType"_s, 3},
               {u"EventCode"_s, 130},
               {u"EventGroup"_s, 2},
               {u"EventDesc"_s, u"Ground Floor: Burglary Restore - Zone 005 (Front Door)"_s}};
    QTest::newRow("opening logged with user name")
        << u"181234E40101003"_s << 1 << none << u"History"_s
        << QVariantMap{{u"EventType"_s, 2},
                       {u"EventCode"_s, 401},
                       {u"EventGroup"_s, 3},
                       {u"EventDesc"_s, u"Ground Floor: Opened  by User 003 (Bob)"_s}};
    QTest::newRow("closing logged")
        << u"181234R40101003"_s << 1 << none << u"History"_s
        << QVariantMap{{u"EventType"_s, 4},
                       {u"EventDesc"_s, u"Ground Floor: Closed  by User 003 (Bob)"_s}};
    QTest::newRow("user without name")
        << u"181234E40101009"_s << 1 << none << u"History"_s
        << QVariantMap{{u"EventDesc"_s, u"Ground Floor: Opened  by User 009"_s}};
    QTest::newRow("group 00 is the system, plain code")
        << u"181234E30100000"_s << 1 << none << u"Pending"_s
        << QVariantMap{{u"EventGroup"_s, u"System"_s},
                       {u"IDText"_s, u"N/A"_s},
                       {u"EventDesc"_s, u"System: AC Fail Alarm"_s}};
    QTest::newRow("area without name")
        << u"181234E13003005"_s << 1 << none << u"Pending"_s
        << QVariantMap{{u"EventGroup"_s, u"Area 03"_s},
                       {u"EventDesc"_s, u"Area 03: Burglary Alarm - Zone 005 (Front Door)"_s}};
    QTest::newRow("zone without name")
        << u"181234E13001007"_s << 1 << none << u"Pending"_s
        << QVariantMap{{u"IDText"_s, u""_s},
                       {u"EventDesc"_s, u"Ground Floor: Burglary Alarm - Zone 007"_s}};
    QTest::newRow("no communication since the last signal")
        << u"181234E99900000"_s << 1 << none << u"Pending"_s
        << QVariantMap{
               {u"Priority"_s, 2},
               {u"EventCode"_s, 999},
               {u"EventDesc"_s, u"No Communication from account 1234 since 12/8/2026 09:10:00"_s}};
    QTest::newRow("restore prompted by a Very High rule is queued Low")
        << u"181234R13001005"_s << 1 << QVariantMap{{u"AlmPriority"_s, 1}, {u"ResAction"_s, 2}}
        << u"Pending"_s << QVariantMap{{u"Priority"_s, 4}, {u"EventType"_s, 3}, {u"Action"_s, 2}};
    QTest::newRow("missing Actions row: logged, kind 0")
        << u"181234E13001005"_s << 1 << QVariantMap{{u"delete"_s, true}} << u"History"_s
        << QVariantMap{{u"EventType"_s, 1},
                       {u"EventGroup"_s, 2},
                       {u"EventDesc"_s, u"Ground Floor: Burglary Alarm - Zone 005 (N/A)"_s}};
    QTest::newRow("code not catalogued")
        << u"181234E12401005"_s << 1 << none << u"History"_s
        << QVariantMap{{u"EventCode"_s, 124},
                       {u"EventGroup"_s, 2},
                       {u"EventDesc"_s, u"Unknown Event Code 124"_s}};
    QTest::newRow("action value 3 is Ignore")
        << u"181234E13001005"_s << 1 << QVariantMap{{u"AlmAction"_s, 3}} << QString() << none;
    QTest::newRow("action value 0 is Ignore")
        << u"181234E13001005"_s << 1 << QVariantMap{{u"AlmAction"_s, 0}} << QString() << none;
    QTest::newRow("unknown account") << u"189999E13001005"_s << 1 << none << QString() << none;
    QTest::newRow("protocol 2 is only stored")
        << u"181234E13001005"_s << 2 << none << QString() << none;
}

void TestEventProcessor::eventRows()
{
    QFETCH(QString, data);
    QFETCH(int, protocol);
    QFETCH(QVariantMap, rule);
    QFETCH(QString, table);
    QFETCH(QVariantMap, fields);

    Station st;
    st.setRule(codeOf(data), rule);
    const int id = st.process(data, protocol);

    QCOMPARE(st.processed(id).toInt(), 1);
    QCOMPARE(st.messages.errors, QStringList());
    QCOMPARE(count(st.dm(), u"Pending"_s), table == u"Pending"_s ? 1 : 0);
    QCOMPARE(count(st.dm(), u"History"_s), table == u"History"_s ? 1 : 0);
    QCOMPARE(count(st.dm(), u"Outbox"_s), 0);
    if (table.isEmpty())
        return;
    fields.insert(u"DateTime"_s, kReceivedText);
    if (table == u"History"_s) {
        fields.insert(u"AccNo"_s, u"1234"_s);
        fields.insert(u"OpAction"_s, 0);
        fields.insert(u"Operator"_s, u"System"_s);
        fields.insert(u"Comments"_s, u"Automatically Logged"_s);
        fields.insert(u"TimeActioned"_s, u"2026-12-08 14:05:09"_s);
    }
    const QVariantMap row = firstRow(st.dm(), table);
    QVariantMap actual;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        actual.insert(it.key(), row.value(it.key()));
    QCOMPARE(asText(actual), asText(fields));
}

void TestEventProcessor::accountState_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QVariantMap>("before");
    QTest::addColumn<QVariantMap>("after");
    QTest::addColumn<bool>("controlsUpdated");

    auto state = [](int oc, int openEx, int closeEx, int eng, const QString &last, int noSig) {
        return QVariantMap{{u"OCStatus"_s, oc},     {u"OpenEX"_s, openEx},
                           {u"CloseEX"_s, closeEx}, {u"EngOnSite"_s, eng},
                           {u"LastSignal"_s, last}, {u"NoSigActioned"_s, noSig}};
    };
    const QString t0 = kLastSignalText, t1 = kReceivedText;
    const QVariantMap none;
    // Before each row: closed, both exception marks set, no engineer, no-signal raised.
    QTest::newRow("alarm is a sign of life")
        << u"181234E13001005"_s << none << state(1, 1, 1, 0, t1, 0) << true;
    QTest::newRow("opening") << u"181234E40101003"_s << none << state(0, 0, 1, 0, t1, 0) << true;
    QTest::newRow("closing") << u"181234R40101003"_s << QVariantMap{{u"OCStatus"_s, 0}}
                             << state(1, 1, 0, 0, t1, 0) << true;
    QTest::newRow("engineer on site")
        << u"181234E62700000"_s << none << state(1, 1, 1, 1, t1, 0) << true;
    QTest::newRow("engineer gone") << u"181234R62800000"_s << QVariantMap{{u"EngOnSite"_s, 1}}
                                   << state(1, 1, 1, 0, t1, 0) << true;
    QTest::newRow("350 leaves last signal")
        << u"181234E35000000"_s << none << state(1, 1, 1, 0, t0, 1) << true;
    QTest::newRow("452 marks late closing, leaves last signal")
        << u"181234E45200000"_s << QVariantMap{{u"CloseEX"_s, 0}} << state(1, 1, 1, 0, t0, 1)
        << false;
    QTest::newRow("999 marks no-signal, leaves last signal")
        << u"181234E99900000"_s << QVariantMap{{u"NoSigActioned"_s, 0}} << state(1, 1, 1, 0, t0, 1)
        << true;
    QTest::newRow("unknown account changes nothing")
        << u"189999E40101003"_s << none << state(1, 1, 1, 0, t0, 1) << false;
}

void TestEventProcessor::accountState()
{
    QFETCH(QString, data);
    QFETCH(QVariantMap, before);
    QFETCH(QVariantMap, after);
    QFETCH(bool, controlsUpdated);

    Station st;
    st.setAccount(before);
    st.process(data);
    QCOMPARE(stateOf(st.dm()), asText(after));
    QCOMPARE(st.hooks.updates > 0, controlsUpdated);
}

void TestEventProcessor::earlyOpening_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QTime>("now");
    QTest::addColumn<int>("earlyOpenings");

    QTest::newRow("opened at 07:45, opening time 08:00")
        << u"181234E40101003"_s << QTime(7, 45) << 1;
    QTest::newRow("opened at 08:00 exactly") << u"181234E40101003"_s << QTime(8, 0) << 0;
    QTest::newRow("closing runs no check") << u"181234R40101003"_s << QTime(7, 45) << 0;
}

void TestEventProcessor::earlyOpening()
{
    QFETCH(QString, data);
    QFETCH(QTime, now);
    QFETCH(int, earlyOpenings);

    Station st;
    st.setAccount({{u"TueOpenTime"_s, u"08:00:00"_s}, {u"TueOpenExcept"_s, 1}});
    m_clock.at = QDateTime(kReceived.date(), now);
    st.process(data);

    const QString synthetic = u"181234E45100000"_s;
    QCOMPARE(value(st.dm(), u"SELECT COUNT(*) FROM Comms WHERE Data = ?"_s, {synthetic}).toInt(),
             earlyOpenings);
    // The synthetic event takes the same road: notification, processor, History.
    QTRY_COMPARE(value(st.dm(), u"SELECT COUNT(*) FROM History WHERE EventCode = 451"_s).toInt(),
                 earlyOpenings);
    if (earlyOpenings) {
        QCOMPARE(
            value(st.dm(), u"SELECT EventDesc FROM History WHERE EventCode = 451"_s).toString(),
            u"System: Early Opening"_s);
    }
    QCOMPARE(value(st.dm(), u"SELECT COUNT(*) FROM Comms WHERE Processed IS NOT 1"_s).toInt(), 0);
}

void TestEventProcessor::alarmSound_data()
{
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("sounds");
    QTest::addColumn<bool>("sounding");
    QTest::addColumn<bool>("timerRunning");

    const QString veryHigh = u"181234E10001001"_s;  // Medical, priority 1
    const QString veryHigh2 = u"181234E11001001"_s; // Fire, priority 1
    const QString high = u"181234E13001005"_s;      // Burglary, priority 2
    const QString high2 = u"181234E13101005"_s;     // Perimeter, priority 2
    const QString low = u"181234E45301003"_s;       // Failed to Open, priority 4, prompted
    const QString loop1 = u"SND_NEWEVENT1/13"_s, loop2 = u"SND_NEWEVENT2/13"_s,
                  chime = u"SND_NEWEVENT3/5"_s;

    QTest::newRow("Very High loops") << QStringList{veryHigh} << loop1 << true << false;
    QTest::newRow("High loops with the timer") << QStringList{high} << loop2 << true << true;
    QTest::newRow("Low chimes once") << QStringList{low} << chime << false << false;
    QTest::newRow("second High leaves the sound")
        << QStringList{high, high2} << loop2 << true << true;
    QTest::newRow("Very High takes over from High")
        << QStringList{high, veryHigh} << loop2 + u' ' + loop1 << true << false;
    QTest::newRow("High under Very High") << QStringList{veryHigh, high} << loop1 << true << false;
    QTest::newRow("Very High again")
        << QStringList{veryHigh, veryHigh2} << loop1 + u' ' + loop1 << true << false;
    QTest::newRow("Low under High") << QStringList{high, low} << loop2 << true << true;
    QTest::newRow("Low, then High")
        << QStringList{low, high} << chime + u' ' + loop2 << true << true;
    QTest::newRow("restore by a Very High rule")
        << QStringList{u"181234R11001001"_s} << loop1 << true << false;
    QTest::newRow("logged events are silent")
        << QStringList{u"181234R13001005"_s, u"181234E40101003"_s} << QString() << false << false;
}

void TestEventProcessor::alarmSound()
{
    QFETCH(QStringList, events);
    QFETCH(QString, sounds);
    QFETCH(bool, sounding);
    QFETCH(bool, timerRunning);

    Station st;
    st.setRule(110, {{u"ResAction"_s, 2}});
    int soundingAtLastUpdate = -1;
    st.hooks.onUpdate = [&] { soundingAtLastUpdate = st.processor->AlarmSounding(); };
    for (const QString &data : events)
        st.process(data);
    QCOMPARE(played(m_sound), sounds);
    QCOMPARE(st.processor->AlarmSounding(), sounding);
    QCOMPARE(st.processor->AlmTimer()->isActive(), timerRunning);
    // The console's controls are refreshed after the sound changed, so its
    // Silence button can follow.
    if (sounding)
        QCOMPARE(soundingAtLastUpdate, 1);
}

void TestEventProcessor::highAlarmTimerAndSilence()
{
    Station st;
    EventProcessor &p = *st.processor;
    QSignalSpy silenced(&p, &EventProcessor::silenced);
    QCOMPARE(p.AlmTimer()->interval(), 20000);
    QVERIFY(!p.AlmTimer()->isActive());
    QVERIFY(!p.AlarmSounding());

    st.process(u"181234E13001005"_s);
    QVERIFY(p.AlmTimer()->isActive());
    const int timer = p.AlmTimer()->timerId();
    st.process(u"181234E13101005"_s);
    QCOMPARE(p.AlmTimer()->timerId(), timer); // not restarted by the second High alarm

    m_sound.clear();
    p.Silence();
    QCOMPARE(played(m_sound), u"SND_NEWEVENT3/5"_s);
    QVERIFY(!p.AlarmSounding());
    QVERIFY(!p.AlmTimer()->isActive());
    QCOMPARE(silenced.count(), 1);
    p.Silence(); // nothing sounds: nothing to do
    QCOMPARE(played(m_sound), u"SND_NEWEVENT3/5"_s);
    QCOMPARE(silenced.count(), 1);

    // Expiry of AlmTimer silences a High alarm by itself.
    p.AlmTimer()->setInterval(50);
    m_sound.clear();
    st.process(u"181234E13001005"_s);
    QVERIFY(p.AlarmSounding());
    QTRY_VERIFY(!p.AlarmSounding());
    QCOMPARE(played(m_sound), u"SND_NEWEVENT2/13 SND_NEWEVENT3/5"_s);
    QCOMPARE(silenced.count(), 2);
}

void TestEventProcessor::email_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QVariantMap>("rule");
    QTest::addColumn<QVariantMap>("account");
    QTest::addColumn<QString>("recipients"); // empty: no Outbox row
    QTest::addColumn<QString>("site");
    QTest::addColumn<QString>("message");

    const QString alarm = u"181234E13001005"_s, restore = u"181234R13001005"_s;
    const QString alarmText = u"Ground Floor: Burglary Alarm - Zone 005 (Front Door)"_s;
    const QString shortSite = u"Bakery;1 High St;Site Tel No: 01234 567"_s;
    const QVariantMap mail{{u"AlmEmail"_s, 1}};
    auto keyHolders = [](const QString &useMask, int length = 0) {
        QVariantMap m;
        for (int k = 1; k <= 6; ++k) {
            QString address = u"kh%1@example.com"_s.arg(k);
            if (length)
                address = address.leftJustified(length, u'x');
            m.insert(u"KH%1Email"_s.arg(k), address);
            m.insert(u"KH%1UseEmail"_s.arg(k), useMask.at(k - 1) == u'1' ? 1 : 0);
        }
        return m;
    };

    QTest::newRow("key holders 2 and 5")
        << alarm << mail << keyHolders(u"010010"_s) << u"kh2@example.com,kh5@example.com"_s
        << shortSite << alarmText;
    QTest::newRow("no key holder enabled")
        << alarm << mail << keyHolders(u"000000"_s) << QString() << QString() << QString();
    QString six;
    for (int k = 1; k <= 6; ++k)
        six += (k > 1 ? u","_s : QString()) + u"kh%1@example.com"_s.arg(k).leftJustified(40, u'x');
    QCOMPARE(six.size(), 245);
    QTest::newRow("six 40-character addresses cut to 200")
        << alarm << mail << keyHolders(u"111111"_s, 40) << six.left(200) << shortSite << alarmText;
    QVariantMap full = keyHolders(u"100000"_s);
    full.insert({{u"Address2"_s, u"Mill Lane"_s},
                 {u"Address3"_s, u"Oldtown"_s},
                 {u"Address4"_s, u"Shire"_s},
                 {u"Postcode"_s, u"AB1 2CD"_s}});
    QTest::newRow("every site detail")
        << alarm << mail << full << u"kh1@example.com"_s
        << u"Bakery;1 High St;Mill Lane;Oldtown;Shire;AB1 2CD;Site Tel No: 01234 567"_s
        << alarmText;
    QVariantMap noPhone = keyHolders(u"100000"_s);
    noPhone.insert(u"TelNo"_s, QString());
    QTest::newRow("site without telephone")
        << alarm << mail << noPhone << u"kh1@example.com"_s << u"Bakery;1 High St"_s << alarmText;
    QTest::newRow("ignored event is still mailed")
        << alarm << QVariantMap{{u"AlmEmail"_s, 1}, {u"AlmAction"_s, 0}} << keyHolders(u"100000"_s)
        << u"kh1@example.com"_s << shortSite << alarmText;
    QTest::newRow("restore mailed by the restore switch")
        << restore << QVariantMap{{u"ResEmail"_s, 1}} << keyHolders(u"100000"_s)
        << u"kh1@example.com"_s << shortSite
        << u"Ground Floor: Burglary Restore - Zone 005 (Front Door)"_s;
    QTest::newRow("alarm switch does not mail restores")
        << restore << mail << keyHolders(u"100000"_s) << QString() << QString() << QString();
    QTest::newRow("no communication mail")
        << u"181234E99900000"_s << mail << keyHolders(u"100000"_s) << u"kh1@example.com"_s
        << shortSite << u"System: Communication Exception Alarm"_s;
    QTest::newRow("no Actions row is never mailed")
        << u"181234E12401005"_s << QVariantMap() << keyHolders(u"100000"_s) << QString()
        << QString() << QString();
}

void TestEventProcessor::email()
{
    QFETCH(QString, data);
    QFETCH(QVariantMap, rule);
    QFETCH(QVariantMap, account);
    QFETCH(QString, recipients);
    QFETCH(QString, site);
    QFETCH(QString, message);

    Station st;
    st.setRule(codeOf(data), rule);
    st.setAccount(account);
    st.process(data);

    QCOMPARE(count(st.dm(), u"Outbox"_s), recipients.isEmpty() ? 0 : 1);
    if (recipients.isEmpty())
        return;
    const QVariantMap row = firstRow(st.dm(), u"Outbox"_s);
    QCOMPARE(row.value(u"Recipients"_s).toString(), recipients);
    QCOMPARE(row.value(u"Subject"_s).toString(), u"Acc No 1234 - Bakery"_s);
    QCOMPARE(row.value(u"SiteDetails"_s).toString(), site);
    QCOMPARE(row.value(u"Message"_s).toString(), message);
    QCOMPARE(row.value(u"Status"_s).toInt(), 0);
    QCOMPARE(row.value(u"MsgDateTime"_s).toString(), u"2026-12-08 14:05:09"_s);
}

void TestEventProcessor::textsCutToFieldSizes()
{
    Station st;
    const QString area(50, u'A'), zone(50, u'Z');
    updateRow(st.dm(), u"Areas"_s, u"AccountNo = '1234'"_s, {}, {{u"AreaText"_s, area}});
    updateRow(st.dm(), u"Zones"_s, u"AccountNo = '1234'"_s, {}, {{u"ZoneText"_s, zone}});
    st.process(u"181234E13001005"_s);

    const QVariantMap row = firstRow(st.dm(), u"Pending"_s);
    const QString full = BuildEventDescription(130, 1, 5, area, zone);
    QVERIFY(full.size() > 100);
    QCOMPARE(row.value(u"EventDesc"_s).toString(), full.left(100));
    QCOMPARE(row.value(u"EventGroup"_s).toString(), area);
    QCOMPARE(row.value(u"IDText"_s).toString(), zone);
}

void TestEventProcessor::operatorEditOfAccountSurvives()
{
    Station st;
    Table &accounts = *st.dm().tbAccounts;
    accounts.refresh();
    QVERIFY(accounts.findKey(u"1234"_s));
    accounts.edit();
    accounts.field(u"Name"_s).setValue(u"Bakery & Sons"_s);

    st.process(u"181234E40101003"_s);
    st.process(u"181234E62700000"_s);

    // The operator's typing is still there, unsaved...
    QCOMPARE(accounts.state(), Dataset::State::Edit);
    QCOMPARE(accounts.field(u"Name"_s).asString(), u"Bakery & Sons"_s);
    // ...and saving it keeps what the events changed meanwhile.
    accounts.post();
    QCOMPARE(value(st.dm(), u"SELECT Name FROM Accounts"_s).toString(), u"Bakery & Sons"_s);
    QCOMPARE(stateOf(st.dm()).value(u"OCStatus"_s).toString(), u"0"_s);
    QCOMPARE(stateOf(st.dm()).value(u"EngOnSite"_s).toString(), u"1"_s);
    QCOMPARE(stateOf(st.dm()).value(u"LastSignal"_s).toString(), kReceivedText);
}

void TestEventProcessor::backlogProcessedOnceInOrderAfterRestart()
{
    Station st;
    const int first = st.process(u"181234E62700000"_s);
    QCOMPARE(st.processed(first).toInt(), 1);

    // Stored and acknowledged, then the program died before processing them.
    st.temp->setNotifyTarget(nullptr);
    const QList<int> waiting{st.store(u"181234E40101003"_s), st.store(u"181234R40101003"_s),
                             st.store(u"181234R13001005"_s)};
    st.restart();
    QCOMPARE(st.processor->ProcessBacklog(), 3);

    QCOMPARE(column(st.dm(), u"SELECT EventCode || '/' || EventType FROM History ORDER BY ID"_s),
             (QVariantList{u"627/1"_s, u"401/2"_s, u"401/4"_s, u"130/3"_s}));
    QCOMPARE(stateOf(st.dm()).value(u"OCStatus"_s).toString(), u"1"_s); // closed last
    for (int id : waiting)
        QCOMPARE(st.processed(id).toInt(), 1);

    // Exactly once: neither a second backlog run nor late notifications repeat them.
    QCOMPARE(st.processor->ProcessBacklog(), 0);
    for (int id : waiting)
        st.processor->OnWM_NewCommsData(id);
    st.processor->OnWM_NewCommsData(first);
    QCOMPARE(count(st.dm(), u"History"_s), 4);
    st.restart();
    QCOMPARE(st.processor->ProcessBacklog(), 0);
    QCOMPARE(st.messages.errors, QStringList());
}

void TestEventProcessor::failedEvent_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("data");
    QTest::addColumn<int>("processed"); // the mark right after the failure; 0 waiting
    QTest::addColumn<QString>("stored");     // rows of the event right after it
    QTest::addColumn<QString>("shown");      // what the operator reads
    QTest::addColumn<bool>("triedAgain");

    // The e-mail cannot take its alarm with it: the alarm is queued and sounds.
    QTest::newRow("refused Outbox")
        << u"outbox"_s << u"181234E13001005"_s << 1 << u"Pending 1, History 0, Outbox 0"_s
        << u"The alarm of account 1234 was stored, but its e-mail"_s << false;
    QTest::newRow("I/O error") << u"io"_s << u"181234E13001005"_s << 0
                               << u"Pending 0, History 0, Outbox 0"_s
                               << u"Received alarm events are waiting: an event could not be "
                                  "processed (disk I/O error)"_s
                               << true;
    QTest::newRow("early-opening failure")
        << u"early"_s << u"181234E40101003"_s << 0 << u"Pending 0, History 0, Outbox 0"_s
        << u"Received alarm events are waiting: an event could not be processed (Comms refused)"_s
        << true;
    QTest::newRow("decode failure") << u"decode"_s << u"181234E1X001005"_s << 2
                                    << u"Pending 0, History 0, Outbox 0"_s
                                    << u"'1X0' is not a valid integer value"_s << false;
}

void TestEventProcessor::failedEvent()
{
    QFETCH(QString, fault);
    QFETCH(QString, data);
    QFETCH(int, processed);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QFETCH(bool, triedAgain);

    Station st;
    st.setRule(130, {{u"AlmEmail"_s, 1}});
    st.setRule(401, {{u"AlmEmail"_s, 1}});
    st.setAccount({{u"KH1Email"_s, u"kh1@example.com"_s},
                   {u"KH1UseEmail"_s, 1},
                   {u"TueOpenTime"_s, u"08:00:00"_s},
                   {u"TueOpenExcept"_s, 1}});
    m_clock.at = QDateTime(kReceived.date(), QTime(7, 45)); // an early opening
    if (fault == u"io"_s)
        sql(st.dm(), u"CREATE TRIGGER Refused BEFORE INSERT ON Pending "
                     "BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END"_s);
    else if (fault == u"outbox"_s)
        sql(st.dm(), u"CREATE TRIGGER Refused BEFORE INSERT ON Outbox "
                     "BEGIN SELECT RAISE(ABORT, 'Outbox refused'); END"_s);
    else if (fault == u"early"_s)
        sql(st.dm(), u"CREATE TRIGGER Refused BEFORE INSERT ON Comms WHEN NEW.Data LIKE '%E451%' "
                     "BEGIN SELECT RAISE(ABORT, 'Comms refused'); END"_s);
    const auto rows = [&st] {
        return u"Pending %1, History %2, Outbox %3"_s.arg(count(st.dm(), u"Pending"_s))
            .arg(count(st.dm(), u"History"_s))
            .arg(count(st.dm(), u"Outbox"_s));
    };
    const auto mark = [&st](int commsId) { return st.processed(commsId).toInt(); }; // NULL: 0

    const int id = st.process(data);
    QCOMPARE(mark(id), processed);
    QCOMPARE(rows(), stored);
    QCOMPARE(st.messages.errors.size(), 1);
    QVERIFY2(st.messages.errors.first().startsWith(shown), qPrintable(st.messages.errors.first()));
    QCOMPARE(st.dm().tbPending->state(), Dataset::State::Browse);
    QCOMPARE(st.dm().tbOutbox->state(), Dataset::State::Browse);
    QCOMPARE(st.dm().PriorityCounts[2], count(st.dm(), u"Pending"_s));
    QCOMPARE(st.processor->AlarmSounding(), count(st.dm(), u"Pending"_s) > 0);
    // A waiting event is not half done: its account is untouched.
    if (processed == 0)
        QCOMPARE(stateOf(st.dm()).value(u"LastSignal"_s).toString(), kLastSignalText);

    // Told once, also when the row is announced again meanwhile.
    st.processor->OnWM_NewCommsData(id);
    QCOMPARE(st.messages.errors.size(), 1);

    // The fault passes: a waiting event is taken up by itself, once.
    sql(st.dm(), u"DROP TRIGGER IF EXISTS Refused"_s);
    if (triedAgain) {
        QTRY_COMPARE_WITH_TIMEOUT(mark(id), 1, 10000);
        QTRY_COMPARE(count(st.dm(), u"Pending"_s) + count(st.dm(), u"History"_s),
                     fault == u"early"_s ? 2 : 1); // with its early-opening event
        QCOMPARE(count(st.dm(), u"Outbox"_s), 1);
        QVERIFY(stateOf(st.dm()).value(u"LastSignal"_s).toString() != kLastSignalText);
    }
    const int next = st.process(u"181234E13001006"_s);
    QCOMPARE(mark(next), 1);
    st.restart();
    QCOMPARE(st.processor->ProcessBacklog(), 0);
    QCOMPARE(mark(id), processed == 0 ? 1 : processed);
    QCOMPARE(st.messages.errors.size(), 1);
}

void TestEventProcessor::nonNumericFieldIsReportedAndNextProcessed_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("error");

    QTest::newRow("code") << u"181234E1X001005"_s << u"'1X0' is not a valid integer value"_s;
    QTest::newRow("group") << u"181234E1300X005"_s << u"'0X' is not a valid integer value"_s;
    QTest::newRow("number") << u"181234E13001X05"_s << u"'X05' is not a valid integer value"_s;
    QTest::newRow("cut short") << u"181234E13"_s << u"'' is not a valid integer value"_s;
}

void TestEventProcessor::nonNumericFieldIsReportedAndNextProcessed()
{
    QFETCH(QString, data);
    QFETCH(QString, error);

    Station st;
    const int bad = st.process(data);
    QCOMPARE(st.messages.errors, QStringList{error});
    QCOMPARE(st.processed(bad).toInt(), 2);
    QCOMPARE(stateOf(st.dm()).value(u"LastSignal"_s).toString(), kLastSignalText);
    QCOMPARE(count(st.dm(), u"Pending"_s) + count(st.dm(), u"History"_s), 0);

    const int good = st.process(u"181234E13001005"_s);
    QCOMPARE(st.processed(good).toInt(), 1);
    QCOMPARE(count(st.dm(), u"Pending"_s), 1);
    QCOMPARE(st.messages.errors.size(), 1);
}

void TestEventProcessor::nestedArrivalsWaitTheirTurn()
{
    Station st;
    st.temp->setNotifyTarget(nullptr);
    const int alarm = st.store(u"181234E13001005"_s);
    const int closing = st.store(u"181234R40101003"_s);
    const int opening = st.store(u"181234E40101003"_s);

    // The console refresh after the alarm dispatches the other two
    // notifications, the later one first, as a box's event loop might.
    bool nestedLeftWaiting = false, dispatched = false;
    st.hooks.onUpdate = [&] {
        if (std::exchange(dispatched, true))
            return;
        st.processor->OnWM_NewCommsData(opening);
        st.processor->OnWM_NewCommsData(closing);
        nestedLeftWaiting = st.processed(closing).isNull() && st.processed(opening).isNull();
    };
    st.processor->OnWM_NewCommsData(alarm);

    QVERIFY(nestedLeftWaiting);
    QCOMPARE(column(st.dm(), u"SELECT EventCode || '/' || EventType FROM History ORDER BY ID"_s),
             (QVariantList{u"401/4"_s, u"401/2"_s}));
    QCOMPARE(stateOf(st.dm()).value(u"OCStatus"_s).toString(), u"0"_s); // opened last
    QCOMPARE(count(st.dm(), u"Pending"_s), 1);
}

void TestEventProcessor::busyStoreLeavesEventsWaiting()
{
    Station st;
    st.temp->setNotifyTarget(nullptr);
    const int closing = st.store(u"181234R40101003"_s);
    const int opening = st.store(u"181234E40101003"_s);

    ForeignWriteLock lock(st.dm().storePath());
    QVERIFY(lock.isHeld());
    // The notification of the second row arrives while the first waits for the store.
    bool nestedReturned = false;
    QTimer::singleShot(150, [&] {
        st.processor->OnWM_NewCommsData(opening);
        nestedReturned = true;
    });
    st.processor->OnWM_NewCommsData(closing);
    QVERIFY(nestedReturned);
    QVERIFY(st.processed(closing).isNull());
    QVERIFY(st.processed(opening).isNull());
    QCOMPARE(st.messages.errors, QStringList());

    // Once the other program lets go, both are processed, in order, by themselves.
    lock.release();
    QTRY_COMPARE(count(st.dm(), u"History"_s), 2);
    QCOMPARE(column(st.dm(), u"SELECT EventCode || '/' || EventType FROM History ORDER BY ID"_s),
             (QVariantList{u"401/4"_s, u"401/2"_s}));
    QCOMPARE(st.processed(closing).toInt(), 1);
    QCOMPARE(st.processed(opening).toInt(), 1);
    QCOMPARE(st.messages.errors, QStringList());
}

void TestEventProcessor::fullStoreLeavesEventsWaitingAndSaysSo()
{
    Station st;
    st.temp->setNotifyTarget(nullptr);
    QList<int> ids;
    for (int i = 0; i < 300; ++i)
        ids << st.store(u"181234E60200000"_s); // test calls, logged to History
    // The disk fills up: the store may not grow by a single page.
    const int pages = value(st.dm(), u"PRAGMA page_count"_s).toInt();
    st.dm().database().exec(u"PRAGMA max_page_count = %1"_s.arg(pages));

    st.processor->OnWM_NewCommsData(ids.last());
    QTRY_COMPARE_WITH_TIMEOUT(st.messages.errors.size(), 1, 10000);
    const int done = count(st.dm(), u"History"_s);
    QVERIFY(done < ids.size());
    QCOMPARE(value(st.dm(), u"SELECT COUNT(*) FROM Comms WHERE Processed IS NULL"_s).toInt(),
             ids.size() - done);
    QVERIFY2(st.messages.errors.first().startsWith(u"Received alarm events are waiting"_s),
             qPrintable(st.messages.errors.first()));
    // Retried meanwhile, without another box.
    QTest::qWait(2500);
    QCOMPARE(st.messages.errors.size(), 1);

    // Space again: every waiting event is processed once, in order.
    st.dm().database().exec(u"PRAGMA max_page_count = 1000000"_s);
    QTRY_COMPARE_WITH_TIMEOUT(count(st.dm(), u"History"_s), int(ids.size()), 10000);
    QCOMPARE(value(st.dm(), u"SELECT COUNT(*) FROM Comms WHERE Processed = 1"_s).toInt(),
             int(ids.size()));
    QCOMPARE(st.messages.errors.size(), 1);
}

QTEST_GUILESS_MAIN(TestEventProcessor)
#include "tst_eventprocessor.moc"
