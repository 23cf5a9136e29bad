// Supervision at chosen clock times: silent accounts, late closings, early
// openings, the daily reset, and synthetic events against a busy store.
#include "core/clock.h"
#include "store/errors.h"
#include "core/events.h"
#include "store/supervision.h"
#include "store/tdmod.h"
#include "support/recordingmessages.h"
#include "support/tempstore.h"

#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace store;
using namespace core;

namespace {

class FakeClock : public Clock
{
public:
    QDateTime now() const override { return m_now; }
    QDateTime m_now;
};

class CommsSink : public QObject
{
public:
    bool event(QEvent *e) override
    {
        if (e->type() == NewCommsEventType) {
            ids.append(static_cast<RowEvent *>(e)->id());
            return true;
        }
        return QObject::event(e);
    }
    QList<int> ids;
};

QDateTime at(int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute, second)); // 7 December is a Monday
}

// An account as the event processor leaves it; fields not given stay unset.
void addAccount(TDMod &dm, const QString &no, const QVariantMap &fields)
{
    QStringList cols{QStringLiteral("AccountNo")}, marks{QStringLiteral("?")};
    QVariantList values{no};
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        cols << it.key();
        marks << QStringLiteral("?");
        values << it.value();
    }
    dm.database().exec(QStringLiteral("INSERT INTO Accounts (%1) VALUES (%2)")
                           .arg(cols.join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
                       values);
}

void update(TDMod &dm, const QString &sql, const QVariantList &values = {})
{
    dm.database().exec(sql, values);
}

// The synthetic events stored so far, oldest first.
QStringList events(TDMod &dm)
{
    QSqlQuery q = dm.database().exec(QStringLiteral("SELECT Data FROM Comms ORDER BY ID"));
    QStringList data;
    while (q.next())
        data << q.value(0).toString();
    return data;
}

class Fixture
{
public:
    Fixture() { setClock(&m_clock); }
    ~Fixture() { setClock(nullptr); }
    // Starts the supervision clock at t, as the data module's creation does.
    void start(const QDateTime &t)
    {
        m_clock.m_now = t;
        s->supervision().recordClock();
    }
    void tickAt(const QDateTime &t)
    {
        m_clock.m_now = t;
        s->supervision().NoSigTimerTimer();
    }
    FakeClock m_clock;
    TempStore s;
    RecordingMessages sink;
};

} // namespace

class TestSupervision : public QObject
{
    Q_OBJECT
private slots:
    void noSignalOnTheHour();
    void noSignalNotRaised_data();
    void noSignalNotRaised();
    void lateClosing_data();
    void lateClosing();
    void earlyOpening_data();
    void earlyOpening();
    void twoEarlyOpeningsRaiseTwoEvents();
    void dailyResetAfterMidnight();
    void silentWhileClosing();
    void syntheticEventAgainstBusyStore();
    void failureEndsTheTick();
    void unansweredBoxLeavesTicksRunning();
};

void TestSupervision::noSignalOnTheHour()
{
    Fixture f;
    TDMod &dm = f.s.dm();
    CommsSink comms;
    dm.setNotifyTarget(&comms);
    addAccount(dm, QStringLiteral("1234"),
               {{QStringLiteral("NoSigTime"), 2.0},
                {QStringLiteral("NoSigActioned"), false},
                {QStringLiteral("LastSignal"), QStringLiteral("2026-12-07 09:10:00")}});
    f.start(at(7, 9, 10, 30));

    QStringList raised; // when each event 999 came
    for (QDateTime t = at(7, 9, 11, 2); t <= at(7, 15, 30, 2); t = t.addSecs(60)) {
        if (t == at(7, 12, 30, 2)) {
            // The processor handled the 999 earlier; now a new event arrives.
            update(dm, QStringLiteral("UPDATE Accounts SET LastSignal = '2026-12-07 12:30:00', "
                                      "NoSigActioned = 0"));
        }
        const int before = events(dm).size();
        f.tickAt(t);
        f.tickAt(t.addSecs(5)); // later ticks of the same minute do nothing more
        if (events(dm).size() > before) {
            raised << t.time().toString(QStringLiteral("HH:mm"));
            // The processor's effect of event 999 on the account.
            update(dm, QStringLiteral("UPDATE Accounts SET NoSigActioned = 1"));
        }
    }
    QCOMPARE(raised, (QStringList{QStringLiteral("12:00"), QStringLiteral("15:00")}));
    QCOMPARE(events(dm), (QStringList(2, QStringLiteral("181234E99900000"))));
    QVERIFY(f.sink.all().isEmpty());

    QSqlQuery q = dm.database().exec(
        QStringLiteral("SELECT ID, DateTime, RxNo, LineNo, Protocol FROM Comms ORDER BY ID"));
    QVERIFY(q.next());
    QCOMPARE(q.value(1).toString(), QStringLiteral("2026-12-07 12:00:02"));
    QCOMPARE(q.value(2).toInt(), 0);
    QCOMPARE(q.value(3).toInt(), 0);
    QCOMPARE(q.value(4).toInt(), 1);
    const int first = q.value(0).toInt();
    QVERIFY(q.next());
    QCoreApplication::processEvents();
    QCOMPARE(comms.ids, (QList<int>{first, q.value(0).toInt()}));
}

void TestSupervision::noSignalNotRaised_data()
{
    QTest::addColumn<QVariant>("noSigTime");
    QTest::addColumn<QVariant>("actioned");
    QTest::addColumn<QVariant>("lastSignal");
    const QVariant longAgo = QStringLiteral("2026-12-01 09:00:00"), unset;
    QTest::newRow("check off") << QVariant(0.0) << QVariant(false) << longAgo;
    QTest::newRow("never heard from") << QVariant(2.0) << QVariant(false) << unset;
    QTest::newRow("already raised") << QVariant(2.0) << QVariant(true) << longAgo;
    QTest::newRow("mark unset") << QVariant(2.0) << unset << longAgo;
    QTest::newRow("within its period")
        << QVariant(2.0) << QVariant(false) << QVariant(QStringLiteral("2026-12-07 10:00:04"));
}

void TestSupervision::noSignalNotRaised()
{
    QFETCH(QVariant, noSigTime);
    QFETCH(QVariant, actioned);
    QFETCH(QVariant, lastSignal);
    Fixture f;
    addAccount(f.s.dm(), QStringLiteral("0001"),
               {{QStringLiteral("NoSigTime"), noSigTime},
                {QStringLiteral("NoSigActioned"), actioned},
                {QStringLiteral("LastSignal"), lastSignal}});
    f.start(at(7, 11, 59, 58));
    f.tickAt(at(7, 12, 0, 3));
    QCOMPARE(events(f.s.dm()), QStringList());
}

void TestSupervision::lateClosing_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<int>("ocStatus");
    QTest::addColumn<QString>("switchField");
    QTest::addColumn<bool>("raised");
    QTest::newRow("open at closing time")
        << at(7, 18, 30, 4) << 0 << QStringLiteral("MonCloseExcept") << true;
    QTest::newRow("closed at 18:29")
        << at(7, 18, 30, 4) << 1 << QStringLiteral("MonCloseExcept") << false;
    QTest::newRow("switch off") << at(7, 18, 30, 4) << 0 << QString() << false;
    QTest::newRow("only Tuesday's switch")
        << at(7, 18, 30, 4) << 0 << QStringLiteral("TueCloseExcept") << false;
    QTest::newRow("a minute early")
        << at(7, 18, 29, 4) << 0 << QStringLiteral("MonCloseExcept") << false;
    QTest::newRow("a minute late")
        << at(7, 18, 31, 4) << 0 << QStringLiteral("MonCloseExcept") << false;
    QTest::newRow("Sunday") << at(13, 18, 30, 4) << 0 << QStringLiteral("SunCloseExcept") << true;
}

void TestSupervision::lateClosing()
{
    QFETCH(QDateTime, when);
    QFETCH(int, ocStatus);
    QFETCH(QString, switchField);
    QFETCH(bool, raised);
    Fixture f;
    TDMod &dm = f.s.dm();
    QVariantMap fields{{QStringLiteral("OCStatus"), ocStatus}};
    for (const char *day : {"Mon", "Tue", "Sun"})
        fields.insert(QString::fromLatin1(day) + QStringLiteral("CloseTime"),
                      QStringLiteral("18:30:00"));
    if (!switchField.isEmpty())
        fields.insert(switchField, true);
    addAccount(dm, QStringLiteral("0042"), fields);
    // A site that closes at another time is not touched.
    addAccount(dm, QStringLiteral("0043"),
               {{QStringLiteral("OCStatus"), 0},
                {QStringLiteral("MonCloseTime"), QStringLiteral("18:00:00")},
                {QStringLiteral("MonCloseExcept"), true}});
    f.start(when.addSecs(-60));
    f.tickAt(when);
    f.tickAt(when.addSecs(5));
    QCOMPARE(events(dm), raised ? QStringList{QStringLiteral("180042E45400000")} : QStringList());
    QVERIFY(f.sink.all().isEmpty());
}

void TestSupervision::earlyOpening_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QVariantMap>("fields");
    QTest::addColumn<bool>("raised");
    const QVariantMap opened{{QStringLiteral("OCStatus"), 0},
                             {QStringLiteral("OpenEX"), false},
                             {QStringLiteral("TueOpenTime"), QStringLiteral("08:00:00")},
                             {QStringLiteral("TueOpenExcept"), true}};
    auto with = [&](const char *field, const QVariant &v) {
        QVariantMap m = opened;
        m.insert(QString::fromLatin1(field), v);
        return m;
    };
    QTest::newRow("07:45") << at(8, 7, 45) << opened << true;
    QTest::newRow("08:00 exactly") << at(8, 8, 0) << opened << false;
    QTest::newRow("08:10") << at(8, 8, 10) << opened << false;
    QTest::newRow("switch off") << at(8, 7, 45) << with("TueOpenExcept", false) << false;
    QTest::newRow("only Monday's time") << at(8, 7, 45) << with("TueOpenTime", QVariant()) << false;
    QTest::newRow("still closed") << at(8, 7, 45) << with("OCStatus", 1) << false;
    QTest::newRow("mark set") << at(8, 7, 45) << with("OpenEX", true) << false;
}

void TestSupervision::earlyOpening()
{
    QFETCH(QDateTime, when);
    QFETCH(QVariantMap, fields);
    QFETCH(bool, raised);
    Fixture f;
    TDMod &dm = f.s.dm();
    fields.insert(QStringLiteral("MonOpenTime"), QStringLiteral("09:00:00"));
    fields.insert(QStringLiteral("MonOpenExcept"), true);
    addAccount(dm, QStringLiteral("0042"), fields);
    f.start(when);
    dm.CheckEarlyOpening(QStringLiteral("0042"));
    QCOMPARE(events(dm), raised ? QStringList{QStringLiteral("180042E45100000")} : QStringList());
}

void TestSupervision::twoEarlyOpeningsRaiseTwoEvents()
{
    Fixture f;
    TDMod &dm = f.s.dm();
    // The account number is a value of the statement, whatever it holds.
    const QString account = QStringLiteral("1'2)");
    addAccount(dm, account,
               {{QStringLiteral("OCStatus"), 0},
                {QStringLiteral("OpenEX"), false},
                {QStringLiteral("TueOpenTime"), QStringLiteral("08:00:00")},
                {QStringLiteral("TueOpenExcept"), true}});
    f.start(at(8, 7, 45));
    dm.CheckEarlyOpening(account);
    f.m_clock.m_now = at(8, 7, 52);
    dm.CheckEarlyOpening(account);
    QCOMPARE(events(dm), QStringList(2, QStringLiteral("181'2)E45100000")));
    dm.CheckEarlyOpening(QStringLiteral("9999"));
    QCOMPARE(events(dm).size(), 2);
}

void TestSupervision::dailyResetAfterMidnight()
{
    Fixture f;
    TDMod &dm = f.s.dm();
    addAccount(dm, QStringLiteral("0001"),
               {{QStringLiteral("OpenEX"), true}, {QStringLiteral("CloseEX"), true}});
    addAccount(dm, QStringLiteral("0002"), {{QStringLiteral("CloseEX"), true}});
    addAccount(dm, QStringLiteral("0003"), {});
    auto marks = [&] {
        QSqlQuery q = dm.database().exec(
            QStringLiteral("SELECT COUNT(*) FROM Accounts WHERE (OpenEX <> 0) OR (CloseEX <> 0)"));
        q.next();
        return q.value(0).toInt();
    };
    f.start(at(7, 23, 59, 55));
    f.tickAt(at(7, 23, 59, 59));
    QCOMPARE(marks(), 2);
    f.tickAt(at(8, 0, 0, 4));
    QCOMPARE(marks(), 0);
    QCOMPARE(events(dm), QStringList());
    QVERIFY(f.sink.all().isEmpty());
}

void TestSupervision::silentWhileClosing()
{
    Fixture f;
    TDMod &dm = f.s.dm();
    addAccount(dm, QStringLiteral("0001"),
               {{QStringLiteral("NoSigTime"), 1.0},
                {QStringLiteral("NoSigActioned"), false},
                {QStringLiteral("LastSignal"), QStringLiteral("2026-12-06 09:00:00")},
                {QStringLiteral("OCStatus"), 0},
                {QStringLiteral("OpenEX"), false},
                {QStringLiteral("CloseEX"), true},
                {QStringLiteral("MonCloseTime"), QStringLiteral("00:00:00")},
                {QStringLiteral("MonCloseExcept"), true},
                {QStringLiteral("MonOpenTime"), QStringLiteral("08:00:00")},
                {QStringLiteral("MonOpenExcept"), true}});
    f.start(at(6, 23, 59, 58));
    dm.setAppClosing();
    f.tickAt(at(7, 0, 0, 3));
    dm.CheckEarlyOpening(QStringLiteral("0001"));
    QCOMPARE(events(dm), QStringList());
    QSqlQuery q = dm.database().exec(QStringLiteral("SELECT CloseEX FROM Accounts"));
    q.next();
    QCOMPARE(q.value(0).toInt(), 1);
}

void TestSupervision::syntheticEventAgainstBusyStore()
{
    Fixture f;
    TDMod &dm = f.s.dm();
    f.start(at(7, 10, 0));
    ForeignWriteLock lock(dm.storePath());
    QVERIFY(lock.isHeld());

    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(50);
    QElapsedTimer clock;
    clock.start();
    try {
        dm.supervision().InsertSyntheticEvent(QStringLiteral("0001"),
                                              QString::fromLatin1(NoSignalEventFormat));
        QFAIL("a synthetic event went through a held write lock");
    } catch (const EUnableToInsertComs &e) {
        QCOMPARE(e.message(), QStringLiteral("Cannot insert record into comms table"));
    }
    // Eleven attempts, 100 ms apart, with the event loop running meanwhile.
    QVERIFY2(clock.elapsed() >= 950, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(ticks >= 10);
    QCOMPARE(dm.tbComms->state(), Dataset::State::Browse);

    lock.release();
    dm.supervision().InsertSyntheticEvent(QStringLiteral("0001"),
                                          QString::fromLatin1(LateClosingEventFormat));
    QCOMPARE(events(dm), QStringList{QStringLiteral("180001E45400000")});
}

void TestSupervision::failureEndsTheTick()
{
    Fixture f;
    TDMod &dm = f.s.dm();
    const QVariantMap silent{{QStringLiteral("NoSigTime"), 1.0},
                             {QStringLiteral("NoSigActioned"), false},
                             {QStringLiteral("LastSignal"), QStringLiteral("2026-12-07 20:00:00")},
                             {QStringLiteral("CloseEX"), true}};
    addAccount(dm, QStringLiteral("0001"), silent);
    addAccount(dm, QStringLiteral("0002"), silent);
    // Still open at Tuesday's first minute, with the closing exception on.
    addAccount(dm, QStringLiteral("0003"),
               {{QStringLiteral("OCStatus"), 0},
                {QStringLiteral("TueCloseTime"), QStringLiteral("00:00:00")},
                {QStringLiteral("TueCloseExcept"), true}});
    f.start(at(7, 23, 59, 58));
    {
        ForeignWriteLock lock(dm.storePath());
        QVERIFY(lock.isHeld());
        f.tickAt(at(8, 0, 0, 2));
    }
    // The late-closing failure is shown once and ends the tick: no no-signal
    // check, and the reset is left to the next tick.
    QCOMPARE(f.sink.errors, QStringList{QStringLiteral("Cannot insert record into comms table")});
    QCOMPARE(events(dm), QStringList());
    f.tickAt(at(8, 0, 0, 7));
    QSqlQuery q =
        dm.database().exec(QStringLiteral("SELECT COUNT(*) FROM Accounts WHERE CloseEX <> 0"));
    q.next();
    QCOMPARE(q.value(0).toInt(), 0);
    // The silent accounts are picked up again at the next hour.
    f.tickAt(at(8, 0, 59, 2));
    f.tickAt(at(8, 1, 0, 2));
    QCOMPARE(events(dm),
             (QStringList{QStringLiteral("180001E99900000"), QStringLiteral("180002E99900000")}));
    QCOMPARE(f.sink.errors.size(), 1);
}

void TestSupervision::unansweredBoxLeavesTicksRunning()
{
    Fixture f;
    TDMod &dm = f.s.dm();
    addAccount(dm, QStringLiteral("0001"),
               {{QStringLiteral("NoSigTime"), 1.0},
                {QStringLiteral("NoSigActioned"), false},
                {QStringLiteral("LastSignal"), QStringLiteral("2026-12-07 20:00:00")}});
    f.start(at(7, 22, 59, 2));
    auto lock = std::make_unique<ForeignWriteLock>(dm.storePath());
    QVERIFY(lock->isHeld());
    // Nobody answers the box; the timer keeps firing behind it into the night.
    f.sink.whileErrorShown = [&] {
        f.sink.whileErrorShown = nullptr;
        lock.reset();
        f.tickAt(at(7, 23, 59, 2));
        f.tickAt(at(8, 0, 0, 2));
    };
    f.tickAt(at(7, 23, 0, 2)); // the 23:00 no-signal event cannot be stored
    QCOMPARE(f.sink.errors, QStringList{QStringLiteral("Cannot insert record into comms table")});
    QCOMPARE(events(dm), QStringList{QStringLiteral("180001E99900000")});
}

QTEST_GUILESS_MAIN(TestSupervision)
#include "tst_supervision.moc"
