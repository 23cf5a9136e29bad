// The store's cursors, statements, numbering and notifications, on a real
// SQLite file in a temporary program folder.
#include "store/errors.h"
#include "store/gridmodel.h"
#include "core/events.h"
#include "store/tdmod.h"
#include "support/recordingmessages.h"
#include "support/tempstore.h"

#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QRandomGenerator>
#include <QSet>
#include <QTimer>
#include <QtTest>

using namespace store;
using namespace core;

namespace {

// Counts the notifications the data module posts to the main window.
class EventSink : public QObject
{
public:
    bool event(QEvent *e) override
    {
        if (e->type() == NewCommsEventType || e->type() == NewMailEventType) {
            received.append({e->type(), static_cast<RowEvent *>(e)->id()});
            return true;
        }
        return QObject::event(e);
    }
    QList<QPair<QEvent::Type, int>> received;
};

int insertComms(TDMod &dm, const QString &data)
{
    dm.tbComms->insert();
    dm.tbComms->field(QStringLiteral("DateTime")).setValue(QDateTime(QDate(2026, 12, 10), QTime(9, 5, 7)));
    dm.tbComms->field(QStringLiteral("RxNo")).setValue(1);
    dm.tbComms->field(QStringLiteral("LineNo")).setValue(1);
    dm.tbComms->field(QStringLiteral("Protocol")).setValue(1);
    dm.tbComms->field(QStringLiteral("Data")).setValue(data);
    dm.tbComms->post();
    return dm.tbComms->field(QStringLiteral("ID")).asInteger();
}

void addAccount(TDMod &dm, const QString &no, const QString &name)
{
    dm.tbAccounts->insert();
    dm.tbAccounts->field(QStringLiteral("AccountNo")).setValue(no);
    dm.tbAccounts->field(QStringLiteral("Name")).setValue(name);
    dm.tbAccounts->post();
}

// Pending rows as (priority, minute).
using Queue = QList<QPair<int, int>>;

} // namespace

class TestStore : public QObject
{
    Q_OBJECT
private slots:
    void numbersAreConsecutivePerTable();
    void repostKeepsNumber();
    void failedInsertLeavesNoGap();
    void lockedStoreWaitsThenFailsWithUnableToObtainId();
    void oneNotificationPerNewRow();
    void typedFieldsCutAndDefault();
    void detailTablesFollowMaster();
    void postErrorHookAbandonsQuietly();
    void pendingFollowsPriorityDateTime();
    void rowStoredPastTheCursorTakesItsPlace_data();
    void rowStoredPastTheCursorTakesItsPlace();
    void lentStatementHoldsNoSnapshotOnceGivenBack();
    void statementStoresAndReadsAsTheDriver_data();
    void statementStoresAndReadsAsTheDriver();
    void statementRefusesWhatItCannotRun();
    void gridReadsRowsInBlocks();
    void rowNumbersFollowAPlainList_data();
    void rowNumbersFollowAPlainList();
    void cursorNavigationLocateAndBookmark();
    void filterOfEventGroups_data();
    void filterOfEventGroups();
    void refusedFilterKeepsRows();
    void namedStatementsWithReplacedLines();
    void secondEditOfRowIsEngineError();
    void busyStoreIsEngineError();
};

void TestStore::numbersAreConsecutivePerTable()
{
    TempStore s;
    QCOMPARE(insertComms(s.dm(), QStringLiteral("181234E13001015")), 1);
    QCOMPARE(insertComms(s.dm(), QStringLiteral("181234E13001016")), 2);
    s->tbOutbox->insert();
    s->tbOutbox->field(QStringLiteral("Subject")).setValue(QStringLiteral("Alarm"));
    s->tbOutbox->post();
    QCOMPARE(s->tbOutbox->field(QStringLiteral("ID")).asInteger(), 1);
    QCOMPARE(insertComms(s.dm(), QStringLiteral("181234E13001017")), 3);
    QCOMPARE(s->AllocateId(QStringLiteral("HistoryID")), 1);
    QCOMPARE(s->AllocateId(QStringLiteral("HistoryID")), 2);
    QCOMPARE(s->AllocateId(QStringLiteral("PendingID")), 1);

    // The counters survive a restart.
    s.reopen();
    QCOMPARE(insertComms(s.dm(), QStringLiteral("181234E13001018")), 4);
    QCOMPARE(s->tbComms->recordCount(), 4);
}

void TestStore::repostKeepsNumber()
{
    TempStore s;
    insertComms(s.dm(), QStringLiteral("first"));
    const int id = insertComms(s.dm(), QStringLiteral("second"));
    s->tbComms->edit();
    s->tbComms->field(QStringLiteral("Data")).setValue(QStringLiteral("second, edited"));
    s->tbComms->post();
    QCOMPARE(s->tbComms->field(QStringLiteral("ID")).asInteger(), id);
    QCOMPARE(s->tbComms->field(QStringLiteral("Data")).asString(), QStringLiteral("second, edited"));
    QCOMPARE(insertComms(s.dm(), QStringLiteral("third")), id + 1);
}

void TestStore::failedInsertLeavesNoGap()
{
    TempStore s;
    RecordingMessages sink;
    addAccount(s.dm(), QStringLiteral("0001"), QStringLiteral("Bakery"));
    // A History row whose own post fails must not use up a number.
    s->tbHistory->beforeInsert = nullptr;
    auto numbering = s->tbHistory->beforePost;
    s->tbHistory->beforePost = [&](Table &t) {
        numbering(t);
        throw EStoreError(QStringLiteral("refused after numbering"));
    };
    s->tbHistory->insert();
    QVERIFY_THROWS_EXCEPTION(EStoreError, s->tbHistory->post());
    s->tbHistory->cancel();
    s->tbHistory->beforePost = numbering;
    s->tbHistory->insert();
    s->tbHistory->post();
    QCOMPARE(s->tbHistory->field(QStringLiteral("ID")).asInteger(), 1);
}

void TestStore::lockedStoreWaitsThenFailsWithUnableToObtainId()
{
    TempStore s;
    insertComms(s.dm(), QStringLiteral("before the lock"));
    ForeignWriteLock lock(s->storePath());
    QVERIFY(lock.isHeld());

    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(200);
    QElapsedTimer clock;
    clock.start();
    try {
        insertComms(s.dm(), QStringLiteral("during the lock"));
        QFAIL("the post went through a held write lock");
    } catch (const EUnableToObtainID &e) {
        QCOMPARE(e.message(), QStringLiteral("Cannot create unique ID"));
    }
    // 51 attempts 100 ms apart, and the event loop kept running meanwhile.
    QVERIFY2(clock.elapsed() >= 4500, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(ticks >= 15);
    s->tbComms->cancel();

    lock.release();
    QCOMPARE(insertComms(s.dm(), QStringLiteral("after the lock")), 2);
}

void TestStore::oneNotificationPerNewRow()
{
    TempStore s;
    EventSink sink;
    s->setNotifyTarget(&sink);
    const int a = insertComms(s.dm(), QStringLiteral("one"));
    const int b = insertComms(s.dm(), QStringLiteral("two"));
    s->tbOutbox->insert();
    s->tbOutbox->post();
    const int m = s->tbOutbox->field(QStringLiteral("ID")).asInteger();
    // Posted, not called: nothing arrives until the posting code has returned.
    QVERIFY(sink.received.isEmpty());
    s->tbComms->edit();
    s->tbComms->field(QStringLiteral("Data")).setValue(QStringLiteral("two, edited"));
    s->tbComms->post();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    const QList<QPair<QEvent::Type, int>> expected{
        {NewCommsEventType, a}, {NewCommsEventType, b}, {NewMailEventType, m}};
    QCOMPARE(sink.received, expected);
}

void TestStore::typedFieldsCutAndDefault()
{
    TempStore s;
    addAccount(s.dm(), QStringLiteral("12345678"), QString(80, QLatin1Char('N')));
    QVERIFY(s->tbAccounts->findKey(QStringLiteral("1234")));
    Table &t = *s->tbAccounts;
    QCOMPARE(t.field(QStringLiteral("AccountNo")).asString(), QStringLiteral("1234"));
    QCOMPARE(t.field(QStringLiteral("Name")).asString().size(), 50);
    // Unset values read as 0, empty, false, midnight.
    QCOMPARE(t.field(QStringLiteral("PanelType")).asInteger(), 0);
    QCOMPARE(t.field(QStringLiteral("NoSigTime")).asFloat(), 0.0);
    QCOMPARE(t.field(QStringLiteral("EngOnSite")).asBoolean(), false);
    QCOMPARE(t.field(QStringLiteral("Address1")).asString(), QString());
    QCOMPARE(t.field(QStringLiteral("MonOpenTime")).asTime(), QTime(0, 0));
    QVERIFY(t.field(QStringLiteral("LastSignal")).isNull());

    const QString notes(400, QLatin1Char('x'));
    t.edit();
    t.field(QStringLiteral("Notes")).setValue(notes);
    // A memo that looks like a number is still the operator's text.
    t.field(QStringLiteral("SpecialNotes")).setValue(QStringLiteral("007"));
    t.field(QStringLiteral("EngOnSite")).setValue(QStringLiteral("True"));
    t.field(QStringLiteral("MonCloseTime")).setValue(QTime(18, 30, 45));
    t.field(QStringLiteral("LastSignal")).setValue(QDateTime(QDate(2013, 12, 8), QTime(14, 5, 3, 999)));
    QVERIFY_THROWS_EXCEPTION(EStoreError, t.field(QStringLiteral("PanelType")).setValue(70000));
    t.post();
    s.reopen();
    QVERIFY(s->tbAccounts->findKey(QStringLiteral("1234")));
    Table &u = *s->tbAccounts;
    QCOMPARE(u.field(QStringLiteral("Notes")).asString(), notes);
    QCOMPARE(u.field(QStringLiteral("SpecialNotes")).asString(), QStringLiteral("007"));
    QCOMPARE(u.field(QStringLiteral("EngOnSite")).asBoolean(), true);
    QCOMPARE(u.field(QStringLiteral("MonCloseTime")).asTime(), QTime(18, 30, 45));
    QCOMPARE(u.field(QStringLiteral("LastSignal")).asDateTime(),
             QDateTime(QDate(2013, 12, 8), QTime(14, 5, 3)));
}

void TestStore::detailTablesFollowMaster()
{
    TempStore s;
    // Accounts written straight into the table start without rows of their own.
    auto addBareAccount = [&](const QString &no) {
        s->database().exec(
            QStringLiteral("INSERT INTO Accounts (AccountNo, PanelType) VALUES (?, 0)"), {no});
        s->tbAccounts->refresh();
        QVERIFY(s->tbAccounts->findKey(no));
    };
    addBareAccount(QStringLiteral("0001"));
    for (int z = 1; z <= 3; ++z) {
        s->tbZones->insert();
        s->tbZones->field(QStringLiteral("ZoneID")).setValue(z);
        s->tbZones->post();
    }
    addBareAccount(QStringLiteral("0002"));
    QCOMPARE(s->tbZones->recordCount(), 0);
    s->tbZones->insert();
    s->tbZones->field(QStringLiteral("ZoneID")).setValue(9);
    s->tbZones->post();
    QCOMPARE(s->tbZones->field(QStringLiteral("AccountNo")).asString(), QStringLiteral("0002"));
    QCOMPARE(s->tbZones->recordCount(), 1);

    QVERIFY(s->tbAccounts->findKey(QStringLiteral("0001")));
    QCOMPARE(s->tbZones->recordCount(), 3);
    QStringList zones;
    for (s->tbZones->first(); !s->tbZones->eof(); s->tbZones->next())
        zones << s->tbZones->field(QStringLiteral("ZoneID")).asString();
    QCOMPARE(zones, QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    s->tbZones->first();
    s->tbZones->remove();
    QCOMPARE(s->tbZones->recordCount(), 2);
    QVERIFY(s->tbAccounts->findKey(QStringLiteral("0002")));
    QCOMPARE(s->tbZones->recordCount(), 1);
}

void TestStore::postErrorHookAbandonsQuietly()
{
    TempStore s;
    RecordingMessages sink;
    addAccount(s.dm(), QStringLiteral("0001"), QStringLiteral("Bakery"));
    int calls = 0;
    bool engineError = false;
    s->tbAccounts->onPostError = [&](Table &, const EStoreError &e) {
        ++calls;
        engineError = dynamic_cast<const EEngineError *>(&e) != nullptr;
        return Table::PostErrorAction::Abort;
    };
    s->tbAccounts->insert();
    s->tbAccounts->field(QStringLiteral("AccountNo")).setValue(QStringLiteral("0001"));
    QVERIFY_THROWS_EXCEPTION(EAbort, s->tbAccounts->post());
    QCOMPARE(calls, 1);
    QVERIFY(engineError);
    // The operator's input is still there to be corrected.
    QCOMPARE(s->tbAccounts->state(), Dataset::State::Insert);
    s->tbAccounts->field(QStringLiteral("AccountNo")).setValue(QStringLiteral("0003"));
    s->tbAccounts->post();
    QCOMPARE(s->tbAccounts->recordCount(), 2);
    QVERIFY(sink.all().isEmpty());

    // Without a hook the engine's error reaches the caller.
    s->tbAccounts->onPostError = nullptr;
    s->tbAccounts->insert();
    s->tbAccounts->field(QStringLiteral("AccountNo")).setValue(QStringLiteral("0001"));
    QVERIFY_THROWS_EXCEPTION(EEngineError, s->tbAccounts->post());
}

void TestStore::pendingFollowsPriorityDateTime()
{
    TempStore s;
    struct Row
    {
        int priority;
        int minute;
        const char *acc;
    };
    const Row rows[] = {{4, 1, "L1"}, {1, 5, "V2"}, {2, 0, "H1"}, {1, 2, "V1"}, {4, 0, "L0"}};
    for (const Row &r : rows) {
        s->tbPending->insert();
        s->tbPending->field(QStringLiteral("Priority")).setValue(r.priority);
        s->tbPending->field(QStringLiteral("DateTime"))
            .setValue(QDateTime(QDate(2026, 12, 10), QTime(10, r.minute)));
        s->tbPending->field(QStringLiteral("AccNo")).setValue(QString::fromLatin1(r.acc));
        s->tbPending->post();
    }
    QStringList order;
    for (s->tbPending->first(); !s->tbPending->eof(); s->tbPending->next())
        order << s->tbPending->field(QStringLiteral("AccNo")).asString();
    QCOMPARE(order.join(QLatin1Char(' ')), QStringLiteral("V1 V2 H1 L0 L1"));
}

void TestStore::cursorNavigationLocateAndBookmark()
{
    TempStore s;
    for (const char *no : {"0300", "0100", "0200"})
        addAccount(s.dm(), QString::fromLatin1(no), QStringLiteral("Site %1").arg(QString::fromLatin1(no)));
    Table &t = *s->tbAccounts;
    QCOMPARE(t.recordCount(), 3);
    t.first();
    QVERIFY(t.bof());
    QCOMPARE(t.field(QStringLiteral("AccountNo")).asString(), QStringLiteral("0100"));
    t.next();
    t.next();
    QVERIFY(!t.eof());
    t.next();
    QVERIFY(t.eof());
    QCOMPARE(t.field(QStringLiteral("AccountNo")).asString(), QStringLiteral("0300"));

    QVERIFY(t.locate(QStringLiteral("Name"), QStringLiteral("Site 0200")));
    const Table::Bookmark mark = t.bookmark();
    QVERIFY(!t.locate(QStringLiteral("Name"), QStringLiteral("nowhere")));
    t.first();
    t.gotoBookmark(mark);
    QCOMPARE(t.field(QStringLiteral("AccountNo")).asString(), QStringLiteral("0200"));

    // A row added behind the cursor's back appears on refresh.
    s->database().exec(QStringLiteral("INSERT INTO Accounts (AccountNo) VALUES ('0050')"));
    t.refresh();
    QCOMPARE(t.recordCount(), 4);
    QCOMPARE(t.field(QStringLiteral("AccountNo")).asString(), QStringLiteral("0200"));
}

void TestStore::filterOfEventGroups_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("rows");
    QTest::newRow("none") << QString() << 5;
    QTest::newRow("one group") << QStringLiteral("(EventGroup = 1)") << 2;
    QTest::newRow("two groups") << QStringLiteral("(EventGroup = 1) or (EventGroup = 3)") << 3;
    QTest::newRow("letter case") << QStringLiteral("(eventgroup = 7) OR (EventGroup = 2)") << 2;
    QTest::newRow("absent group") << QStringLiteral("(EventGroup = 6)") << 0;
}

void TestStore::filterOfEventGroups()
{
    QFETCH(QString, filter);
    QFETCH(int, rows);
    TempStore s;
    for (int group : {1, 2, 3, 1, 7}) {
        s->tbHistory->insert();
        s->tbHistory->field(QStringLiteral("AccNo")).setValue(QStringLiteral("0001"));
        s->tbHistory->field(QStringLiteral("EventGroup")).setValue(group);
        s->tbHistory->field(QStringLiteral("DateTime")).setValue(QDateTime(QDate(2026, 1, 1), QTime(1, group)));
        s->tbHistory->post();
    }
    s->tbHistory->setFilter(filter);
    s->tbHistory->setFiltered(true);
    QCOMPARE(s->tbHistory->recordCount(), rows);

    s->qryHistory->close();
    s->qryHistory->setParam(QStringLiteral("ANo"), QStringLiteral("0001"));
    s->qryHistory->open();
    s->qryHistory->setFilter(filter);
    s->qryHistory->setFiltered(true);
    QCOMPARE(s->qryHistory->recordCount(), rows);
    s->qryHistory->setFiltered(false);
    QCOMPARE(s->qryHistory->recordCount(), 5);
}

void TestStore::refusedFilterKeepsRows()
{
    TempStore s;
    s->tbHistory->insert();
    s->tbHistory->post();
    for (const char *bad : {"(EventGroup = 1); DROP TABLE History", "(Nonsense = 1)",
                            "(EventGroup = 'x')", "EventGroup > 1"}) {
        QVERIFY_THROWS_EXCEPTION(EStoreError, s->tbHistory->setFilter(QString::fromLatin1(bad)));
    }
    s->tbHistory->setFiltered(true);
    QCOMPARE(s->tbHistory->recordCount(), 1);
}

void TestStore::namedStatementsWithReplacedLines()
{
    TempStore s;
    addAccount(s.dm(), QStringLiteral("0168"), QStringLiteral("Garage"));
    Query &upd = *s->UpdAccounts;
    QCOMPARE(upd.lines().size(), 3);
    upd.setLine(1, QStringLiteral("SET OCStatus = 1, CloseEx = False"));
    upd.setParam(QStringLiteral("ANo"), QStringLiteral("0168"));
    QCOMPARE(upd.execSql(), 1);

    Query &q = *s->qryAccNo;
    q.close();
    q.setParam(QStringLiteral("AccNo"), QStringLiteral("0168"));
    q.open();
    QCOMPARE(q.recordCount(), 1);
    QCOMPARE(q.field(QStringLiteral("Name")).asString(), QStringLiteral("Garage"));
    // Account numbers compare exactly.
    q.close();
    q.setParam(QStringLiteral("AccNo"), QStringLiteral("168"));
    q.open();
    QCOMPARE(q.recordCount(), 0);

    Query &oc = *s->qryOCStatus;
    oc.setLine(1, QStringLiteral("Where (OCStatus = 1) and (AccountNo = '0168')"));
    oc.open();
    QCOMPARE(oc.recordCount(), 1);

    // A date-time parameter against stored date-times.
    s->database().exec(QStringLiteral("UPDATE Accounts SET NoSigTime = 2, NoSigActioned = 0, "
                                      "LastSignal = '2026-12-10 09:10:00'"));
    Query &ns = *s->qryNoSignal;
    for (const auto &[when, expected] :
         {std::pair{QTime(11, 0), 0}, std::pair{QTime(11, 10, 1), 1}}) {
        ns.close();
        ns.setParam(QStringLiteral("SigDateTime"), QDateTime(QDate(2026, 12, 10), when));
        ns.open();
        QCOMPARE(ns.recordCount(), expected);
    }
    QVERIFY_THROWS_EXCEPTION(EStoreError, ns.setParam(QStringLiteral("Nope"), 1));
}

void TestStore::secondEditOfRowIsEngineError()
{
    TempStore s;
    addAccount(s.dm(), QStringLiteral("0001"), QStringLiteral("Bakery"));
    Table other(s->database(), QStringLiteral("Accounts"), QStringLiteral("tbOther"));
    other.open();
    s->tbAccounts->edit();
    QVERIFY_THROWS_EXCEPTION(EEngineError, other.edit());
    s->tbAccounts->post();
    other.edit();
    other.cancel();
}

void TestStore::busyStoreIsEngineError()
{
    TempStore s;
    ForeignWriteLock lock(s->storePath());
    QVERIFY(lock.isHeld());
    s->UpdAccounts->setParam(QStringLiteral("ANo"), QStringLiteral("0001"));
    try {
        s->UpdAccounts->execSql();
        QFAIL("an update went through a held write lock");
    } catch (const EEngineError &e) {
        QVERIFY(e.isBusy());
        QVERIFY(!e.message().isEmpty());
    }
}

void TestStore::rowStoredPastTheCursorTakesItsPlace_data()
{
    // Rows already queued (priority and minute each), then the new one.
    QTest::addColumn<Queue>("held");
    QTest::addColumn<int>("priority");
    QTest::addColumn<int>("minute");

    const Queue queue{{1, 5}, {1, 9}, {2, 1}, {3, 4}, {3, 4}, {4, 0}};
    QTest::newRow("into an empty queue") << Queue{} << 2 << 0;
    QTest::newRow("first") << queue << 1 << 0;
    QTest::newRow("among its priority") << queue << 1 << 7;
    QTest::newRow("same time as others: after them") << queue << 3 << 4;
    QTest::newRow("last") << queue << 5 << 0;
}

void TestStore::rowStoredPastTheCursorTakesItsPlace()
{
    QFETCH(Queue, held);
    QFETCH(int, priority);
    QFETCH(int, minute);

    TempStore s;
    Database &db = s->database();
    const auto add = [&](int p, int m) {
        db.exec(QStringLiteral("INSERT INTO Pending (ID, DateTime, Priority, AccNo) "
                               "VALUES ((SELECT COUNT(*) + 1 FROM Pending), ?, ?, '1234')"),
                {QStringLiteral("2026-12-10 09:%1:00").arg(m, 2, 10, QLatin1Char('0')), p});
    };
    for (const auto &[p, m] : held)
        add(p, m);
    Table &pending = *s->tbPending;
    pending.refresh();
    if (!held.isEmpty())
        pending.moveTo(2);
    const QVariant currentId = pending.field(QStringLiteral("ID")).value();
    QSignalSpy reloads(&pending, &Dataset::dataChanged);

    add(priority, minute);
    QSqlQuery last = db.exec(QStringLiteral("SELECT MAX(rowid) FROM Pending"));
    QVERIFY(last.next());
    pending.noteInserted(last.value(0).toLongLong());

    // The order a full read gives, and the operator's row kept.
    Table fresh(db, QStringLiteral("Pending"), QStringLiteral("fresh"));
    fresh.setIndexName(QStringLiteral("PriorityDateTime"));
    fresh.open();
    QCOMPARE(pending.recordCount(), fresh.recordCount());
    const int id = pending.fieldIndex(QStringLiteral("ID"));
    for (int i = 0; i < fresh.recordCount(); ++i)
        QCOMPARE(pending.recordAt(i).value(id), fresh.recordAt(i).value(id));
    if (!held.isEmpty()) {
        QCOMPARE(pending.field(QStringLiteral("ID")).value(), currentId);
        QCOMPARE(reloads.size(), 0); // told as one row, not as new rows
    }
}

void TestStore::lentStatementHoldsNoSnapshotOnceGivenBack()
{
    TempStore s;
    Database &db = s->database();
    for (const QString &data : {QStringLiteral("a"), QStringLiteral("b")})
        insertComms(s.dm(), data);
    const QString read = QStringLiteral("SELECT Data FROM Comms ORDER BY ID");
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
    other.setDatabaseName(s->storePath());
    QVERIFY(other.open());
    const auto checkpointBlocked = [&other] {
        QSqlQuery w(other);
        w.exec(QStringLiteral("UPDATE IDs SET OutboxID = OutboxID"));
        QSqlQuery q(other);
        return q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")) && q.next() &&
               q.value(0).toInt() != 0;
    };
    const int prepared = db.statementsPrepared();
    {
        Statement outer = db.run(read);
        QVERIFY(outer.next());
        // A caller nested below gets a statement of its own.
        Statement inner = db.run(read);
        QVERIFY(inner.next());
        QVERIFY(inner.next());
        QCOMPARE(inner.value(0).toString(), QStringLiteral("b"));
        QCOMPARE(outer.value(0).toString(), QStringLiteral("a"));
        QVERIFY(checkpointBlocked());
    }
    QVERIFY(!checkpointBlocked());
    // Both are kept: running the text again prepares nothing.
    {
        Statement a = db.run(read);
        Statement b = db.run(read);
    }
    QCOMPARE(db.statementsPrepared() - prepared, 2);
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
}

void TestStore::statementStoresAndReadsAsTheDriver_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::newRow("int") << QVariant(42);
    QTest::newRow("bool") << QVariant(true);
    QTest::newRow("long long") << QVariant(qlonglong(1) << 40);
    QTest::newRow("unsigned") << QVariant(uint(4000000000u));
    QTest::newRow("short") << QVariant::fromValue(short(-7));
    QTest::newRow("double") << QVariant(2.5);
    QTest::newRow("text") << QVariant(QStringLiteral("Zóna 1 – ő"));
    QTest::newRow("empty text") << QVariant(QStringLiteral(""));
    QTest::newRow("null text") << QVariant(QString());
    QTest::newRow("no value") << QVariant();
    QTest::newRow("bytes") << QVariant(QByteArray("a\0b", 3));
    QTest::newRow("date-time") << QVariant(QDateTime(QDate(2026, 12, 11), QTime(9, 5, 7, 120)));
    QTest::newRow("invalid date-time") << QVariant(QDateTime());
    QTest::newRow("date") << QVariant(QDate(2026, 12, 11));
    QTest::newRow("time") << QVariant(QTime(23, 59, 1));
}

void TestStore::statementStoresAndReadsAsTheDriver()
{
    // The statement cache runs on the engine directly; what it stores and
    // reads must be what the toolkit's driver stores and reads.
    QFETCH(QVariant, value);
    TempStore s;
    Database &db = s->database();
    db.exec(QStringLiteral("CREATE TEMP TABLE t (k INTEGER, v)"));
    QSqlQuery driver(db.connection());
    QVERIFY(driver.prepare(QStringLiteral("INSERT INTO t (k, v) VALUES (1, ?)")));
    driver.addBindValue(value);
    QVERIFY2(driver.exec(), qPrintable(driver.lastError().text()));
    db.run(QStringLiteral("INSERT INTO t (k, v) VALUES (2, ?)"), {value});

    QSqlQuery stored(db.connection());
    QVERIFY(stored.exec(QStringLiteral("SELECT typeof(v), quote(v) FROM t ORDER BY k")));
    QVERIFY(stored.next());
    const QString type = stored.value(0).toString(), quoted = stored.value(1).toString();
    QVERIFY(stored.next());
    QCOMPARE(stored.value(0).toString(), type);
    QCOMPARE(stored.value(1).toString(), quoted);

    QSqlQuery byDriver(db.connection());
    QVERIFY(byDriver.exec(QStringLiteral("SELECT v FROM t WHERE k = 1")));
    QVERIFY(byDriver.next());
    Statement ours = db.run(QStringLiteral("SELECT v FROM t WHERE k = ?"), {1});
    QVERIFY(ours.next());
    QCOMPARE(ours.value(0).typeId(), byDriver.value(0).typeId());
    QCOMPARE(ours.value(0).isNull(), byDriver.value(0).isNull());
    QCOMPARE(ours.value(0), byDriver.value(0));
    QVERIFY(!ours.next());
}

void TestStore::statementRefusesWhatItCannotRun()
{
    TempStore s;
    Database &db = s->database();
    const auto refused = [](const std::function<void()> &run) {
        try {
            run();
        } catch (const EEngineError &e) {
            return !e.message().isEmpty();
        }
        return false;
    };
    QVERIFY(refused([&] { db.run(QStringLiteral("SELECT Nonsense FROM Comms")); }));
    QVERIFY(refused([&] { db.run(QStringLiteral("SELECT 1; SELECT 2")); }));
    QVERIFY(refused([&] { db.run(QStringLiteral("SELECT ?, ?"), {1}); }));
    // A named place is bound by its name, wherever it stands.
    Statement named = db.statement(QStringLiteral("SELECT :B - :A"));
    named.bind(QStringLiteral(":A"), 1).bind(QStringLiteral(":B"), 10).exec();
    QVERIFY(named.next());
    QCOMPARE(named.value(0).toInt(), 9);
    named = Statement();
    // A constraint broken halfway is an engine error with its code, and the
    // statement can run again.
    db.exec(QStringLiteral("CREATE TEMP TABLE u (k INTEGER PRIMARY KEY)"));
    db.run(QStringLiteral("INSERT INTO u (k) VALUES (?)"), {1});
    try {
        db.run(QStringLiteral("INSERT INTO u (k) VALUES (?)"), {1});
        QFAIL("a second row with the same key went in");
    } catch (const EEngineError &e) {
        QCOMPARE(e.engineCode(), 19); // constraint
    }
    db.run(QStringLiteral("INSERT INTO u (k) VALUES (?)"), {2});
    // A statement still lent out when its store closes refuses to run.
    Statement lent = db.statement(QStringLiteral("SELECT COUNT(*) FROM u"));
    db.close();
    QVERIFY(refused([&] { lent.exec(); }));
}

void TestStore::gridReadsRowsInBlocks()
{
    // Rows out of number order, with gaps: a block is found by row numbers,
    // and each row still lands at its own position.
    TempStore s;
    Database &db = s->database();
    db.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                           "WHERE i < 90) INSERT INTO Pending (ID, DateTime, Priority, AccNo, "
                           "EventDesc) SELECT i, '2026-12-10 09:00:00', 1 + i % 4, '1234', "
                           "'Event ' || i FROM n"));
    db.exec(QStringLiteral("DELETE FROM Pending WHERE ID % 7 = 0"));
    Table &pending = *s->tbPending;
    pending.refresh();
    QCOMPARE(pending.recordCount(), 78);
    DatasetGridModel model(pending, {{QStringLiteral("ID"), "ID"},
                                     {QStringLiteral("EventDesc"), "Event Description"}});
    const int runs = db.statementsRun();
    QStringList shown;
    for (int row = 0; row < model.rowCount(); ++row)
        shown << model.index(row, 1).data().toString();
    // Three blocks of 32 rows, and nothing else.
    QCOMPARE(db.statementsRun() - runs, 3);
    QCOMPARE(model.rowsRead(), 3);
    for (int row = 0; row < pending.recordCount(); ++row) {
        const QVector<QVariant> one = pending.recordAt(row);
        QCOMPARE(shown[row], one[pending.fieldIndex(QStringLiteral("EventDesc"))].toString());
    }
}

void TestStore::rowNumbersFollowAPlainList_data()
{
    QTest::addColumn<bool>("ascending");
    QTest::newRow("a log: numbers ascending, with gaps") << true;
    QTest::newRow("any order") << false;
}

void TestStore::rowNumbersFollowAPlainList()
{
    // The runs must give, position for position, what a plain list of the
    // same numbers gives, through every way a cursor changes them.
    QFETCH(bool, ascending);
    QRandomGenerator random(7);
    std::vector<qint64> plain;
    RowNumbers runs;
    QSet<qint64> used;
    qint64 next = 1;
    for (int step = 0; step < 3000; ++step) {
        qint64 rowid = 0;
        int position = 0;
        if (ascending) {
            const qint64 late = 1 + random.bounded(int(next));
            if (random.bounded(20) == 0 && !used.contains(late)) {
                // A row stored late, below numbers already held.
                rowid = late;
            } else {
                next += random.bounded(10) == 0 ? 1 + random.bounded(5) : 0; // a gap now and then
                rowid = next++;
            }
            position = int(std::lower_bound(plain.begin(), plain.end(), rowid) - plain.begin());
        } else {
            do
                rowid = 1 + random.bounded(6000);
            while (used.contains(rowid));
            position = random.bounded(int(plain.size()) + 1);
        }
        if (used.contains(rowid))
            continue;
        used.insert(rowid);
        const RowNumbers before = runs;
        plain.insert(plain.begin() + position, rowid);
        if (position == int(plain.size()) - 1 && random.bounded(2) == 0)
            runs.push_back(rowid);
        else
            runs.insert(position, rowid);
        // Only a row added after the others leaves the rows before as they were.
        QCOMPARE(runs.startsWith(before), position == int(plain.size()) - 1);
        QCOMPARE(before.startsWith(runs), false);
    }
    QCOMPARE(runs.size(), int(plain.size()));
    for (int i = 0; i < int(plain.size()); ++i) {
        QCOMPARE(runs.at(i), plain[i]);
        QCOMPARE(runs.indexOf(plain[i]), i);
        if (ascending) {
            QCOMPARE(runs.lowerBound(plain[i]), i);
            QCOMPARE(runs.lowerBound(plain[i] - 1),
                     int(std::lower_bound(plain.begin(), plain.end(), plain[i] - 1) - plain.begin()));
        }
    }
    QCOMPARE(runs.indexOf(100000), -1);
    QCOMPARE(runs.front(), plain.front());
    QCOMPARE(runs.back(), plain.back());
    if (ascending)
        QVERIFY2(runs.runCount() < int(plain.size()) / 4, qPrintable(QString::number(runs.runCount())));
}

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
