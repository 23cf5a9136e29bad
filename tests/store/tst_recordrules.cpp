// The rules every insert, post and delete runs: a new account's rows, row
// limits, the delete cascade, the account and operator messages, the
// pending-alarm counters, the account-search address and the display texts.
#include "pipeline/eventcatalogue.h"
#include "store/database.h"
#include "store/displaytexts.h"
#include "store/errors.h"
#include "store/tdmod.h"
#include "support/recordingmessages.h"
#include "support/tempstore.h"

#include <QSqlQuery>
#include <QtTest>

using namespace store;
using namespace core;

namespace {

const QString kAccountMessage =
    QStringLiteral("Customer account already exists. Please use a different \r\naccount number.");

class RecordingHooks : public ConsoleHooks
{
public:
    void RefreshStatusAndCounts() override { ++refreshes; }
    void RestoreFromMinimised() override { ++restores; }
    int refreshes = 0;
    int restores = 0;
};

int countOf(TDMod &dm, const QString &sql, const QVariantList &values = {})
{
    QSqlQuery q = dm.database().exec(sql, values);
    return q.next() ? q.value(0).toInt() : -1;
}

int rowsOf(TDMod &dm, const char *table, const QString &account)
{
    return countOf(dm,
                   QStringLiteral("SELECT COUNT(*) FROM \"%1\" WHERE AccountNo = ?")
                       .arg(QString::fromLatin1(table)),
                   {account});
}

// A new account through the cursor, as the account manager makes one.
void addAccount(TDMod &dm, const QString &no, int panelType = 0)
{
    dm.tbAccounts->insert();
    dm.tbAccounts->field(QStringLiteral("AccountNo")).setValue(no);
    dm.tbAccounts->field(QStringLiteral("Name")).setValue(QStringLiteral("Site ") + no);
    dm.tbAccounts->field(QStringLiteral("PanelType")).setValue(panelType);
    dm.tbAccounts->post();
}

void addPending(TDMod &dm, int priority, const QString &account, int minute)
{
    dm.tbPending->insert();
    dm.tbPending->field(QStringLiteral("Priority")).setValue(priority);
    dm.tbPending->field(QStringLiteral("AccNo")).setValue(account);
    dm.tbPending->field(QStringLiteral("DateTime"))
        .setValue(QDateTime(QDate(2026, 12, 7), QTime(10, minute)));
    dm.tbPending->post();
}

// A store whose new accounts get the catalogue's handling rules.
class RulesStore : public TempStore
{
public:
    RulesStore() { dm().setDefaultActionsSource(pipeline::CatalogueDefaultActions); }
};

} // namespace

class TestRecordRules : public QObject
{
    Q_OBJECT
private slots:
    void newAccountRows_data();
    void newAccountRows();
    void newAccountRowsAreAllOrNone();
    void rowLimitOfPanelModel_data();
    void rowLimitOfPanelModel();
    void duplicateAccountNumberShowsMessageOnce();
    void accountDeleteCascades();
    void accountBeingEditedIsNotCascaded();
    void operatorProtection_data();
    void operatorProtection();
    void pendingCounters();
    void pendingRowRolledBackIsNotCounted();
    void addressOfAccountSearch();
    void displayTexts_data();
    void displayTexts();
};

void TestRecordRules::newAccountRows_data()
{
    QTest::addColumn<int>("panelType"); // -1: left as the new row starts
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("zones");
    QTest::addColumn<int>("users");
    QTest::addColumn<int>("areas");
    QTest::newRow("new row") << -1 << QStringLiteral("Sterna 412") << 16 << 32 << 2;
    QTest::newRow("model 3") << 3 << QStringLiteral("Sterna 24") << 24 << 16 << 1;
    QTest::newRow("model 7") << 7 << QStringLiteral("Sterna 640") << 640 << 500 << 64;
    QTest::newRow("model 13") << 13 << QStringLiteral("Tavir 12") << 16 << 8 << 2;
}

void TestRecordRules::newAccountRows()
{
    QFETCH(int, panelType);
    QFETCH(QString, model);
    QFETCH(int, zones);
    QFETCH(int, users);
    QFETCH(int, areas);
    RulesStore s;
    RecordingMessages sink;
    addAccount(s.dm(), QStringLiteral("0001"), 0); // numbers the first account's rules
    s->tbAccounts->insert();
    QCOMPARE(s->tbAccounts->field(QStringLiteral("PanelType")).asInteger(), 0);
    s->tbAccounts->field(QStringLiteral("AccountNo")).setValue(QStringLiteral("1234"));
    if (panelType >= 0)
        s->tbAccounts->field(QStringLiteral("PanelType")).setValue(panelType);
    s->tbAccounts->post();
    QVERIFY(sink.all().isEmpty());
    QCOMPARE(s->tbAccounts->field(QStringLiteral("PanelType")).displayText(), model);

    const QString acc = QStringLiteral("1234");
    QCOMPARE(rowsOf(s.dm(), "Zones", acc), zones);
    QCOMPARE(rowsOf(s.dm(), "Users", acc), users);
    QCOMPARE(rowsOf(s.dm(), "Areas", acc), areas);
    QCOMPARE(rowsOf(s.dm(), "Actions", acc), 66);
    // Zones and areas count from 1, users from 0; texts stay unset.
    auto range = [&](const char *table, const char *id) {
        QSqlQuery q = s->database().exec(
            QStringLiteral("SELECT MIN(%2), MAX(%2), COUNT(DISTINCT %2), COUNT(%3) FROM %1 "
                           "WHERE AccountNo = '1234'")
                .arg(QString::fromLatin1(table), QString::fromLatin1(id),
                     QString::fromLatin1(table).chopped(1) + QStringLiteral("Text")));
        q.next();
        return QStringLiteral("%1-%2 x%3 texts %4")
            .arg(q.value(0).toInt())
            .arg(q.value(1).toInt())
            .arg(q.value(2).toInt())
            .arg(q.value(3).toInt());
    };
    QCOMPARE(range("Zones", "ZoneID"), QStringLiteral("1-%1 x%1 texts 0").arg(zones));
    QCOMPARE(range("Users", "UserID"),
             QStringLiteral("0-%1 x%2 texts 0").arg(users - 1).arg(users));
    QCOMPARE(range("Areas", "AreaID"), QStringLiteral("1-%1 x%1 texts 0").arg(areas));

    // The detail cursors show the new account's rows at once.
    QCOMPARE(s->tbZones->recordCount(), zones);
    QCOMPARE(s->tbUsers->recordCount(), users);
    QCOMPARE(s->tbAreas->recordCount(), areas);
    QCOMPARE(s->tbActions->recordCount(), 66);

    // Handling rules in catalogue order, numbered from the counter after the
    // first account's 66.
    QSqlQuery q = s->database().exec(QStringLiteral(
        "SELECT ActionID, EventCode, Description, IDType, AlmPriority, AlmAction, ResAction, "
        "AlmEmail, ResEmail FROM Actions WHERE AccountNo = '1234' ORDER BY ActionID"));
    int n = 0;
    const auto &catalogue = pipeline::EventCatalogue();
    while (q.next()) {
        const pipeline::TEventCodes &e = catalogue[n];
        QCOMPARE(q.value(0).toInt(), 67 + n);
        QCOMPARE(q.value(1).toInt(), e.Code);
        QCOMPARE(q.value(2).toString(), e.Text.left(30));
        QCOMPARE(q.value(3).toInt(), int(e.EventKind));
        QCOMPARE(q.value(4).toInt(), int(e.DefaultPriority));
        QCOMPARE(q.value(5).toInt(), int(e.DefaultAlmAction));
        QCOMPARE(q.value(6).toInt(), int(e.DefaultResAction));
        QVERIFY(q.value(7).isNull() && q.value(8).isNull());
        ++n;
    }
    QCOMPARE(n, 66);
    QCOMPARE(countOf(s.dm(), QStringLiteral("SELECT ActionsID FROM IDs")), 133);
    QVERIFY(s->recordRules().rowLimitGuard());

    // An edited account gets no new rows, even with another model.
    s->tbAccounts->edit();
    s->tbAccounts->field(QStringLiteral("PanelType")).setValue(panelType == 7 ? 3 : 7);
    s->tbAccounts->post();
    QCOMPARE(rowsOf(s.dm(), "Zones", acc), zones);
    QCOMPARE(rowsOf(s.dm(), "Actions", acc), 66);
}

void TestRecordRules::newAccountRowsAreAllOrNone()
{
    RulesStore s;
    // The last rule cannot be stored: everything made before it goes too.
    s->setDefaultActionsSource([] {
        QList<DefaultAction> rows = pipeline::CatalogueDefaultActions();
        rows.last().eventCode = 70000;
        return rows;
    });
    try {
        addAccount(s.dm(), QStringLiteral("0007"), 7);
        QFAIL("a new account with an impossible rule was made");
    } catch (const EStoreError &e) {
        QVERIFY(e.message().contains(QStringLiteral("70000")));
    }
    QCOMPARE(countOf(s.dm(), QStringLiteral("SELECT COUNT(*) FROM Accounts")), 1);
    for (const char *table : {"Zones", "Users", "Areas", "Actions"})
        QCOMPARE(rowsOf(s.dm(), table, QStringLiteral("0007")), 0);
    QCOMPARE(countOf(s.dm(), QStringLiteral("SELECT ActionsID FROM IDs")), 1);
    QVERIFY(s->recordRules().rowLimitGuard());
    QCOMPARE(s->tbZones->recordCount(), 0);
}

void TestRecordRules::rowLimitOfPanelModel_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("idField");
    QTest::addColumn<int>("limit");
    QTest::newRow("areas") << QStringLiteral("tbAreas") << QStringLiteral("AreaID") << 2;
    QTest::newRow("users") << QStringLiteral("tbUsers") << QStringLiteral("UserID") << 8;
    QTest::newRow("zones") << QStringLiteral("tbZones") << QStringLiteral("ZoneID") << 16;
}

void TestRecordRules::rowLimitOfPanelModel()
{
    QFETCH(QString, table);
    QFETCH(QString, idField);
    QFETCH(int, limit);
    RulesStore s;
    addAccount(s.dm(), QStringLiteral("0013"), 13);
    Table &t = *s->findChild<Table *>(table);
    QCOMPARE(t.recordCount(), limit);

    // One row too many is cancelled as soon as it is started, silently.
    t.insert();
    QCOMPARE(t.state(), Dataset::State::Browse);
    QCOMPARE(t.recordCount(), limit);

    t.last();
    t.remove();
    t.insert();
    QCOMPARE(t.state(), Dataset::State::Insert);
    t.field(idField).setValue(99);
    t.post();
    QCOMPARE(t.recordCount(), limit);
    t.insert();
    QCOMPARE(t.state(), Dataset::State::Browse);

    // Actions have no limit.
    const int actions = s->tbActions->recordCount();
    s->tbActions->insert();
    s->tbActions->field(QStringLiteral("EventCode")).setValue(124);
    s->tbActions->post();
    QCOMPARE(s->tbActions->recordCount(), actions + 1);
}

void TestRecordRules::duplicateAccountNumberShowsMessageOnce()
{
    RulesStore s;
    RecordingMessages sink;
    addAccount(s.dm(), QStringLiteral("0001"), 3);
    s->tbAccounts->insert();
    s->tbAccounts->field(QStringLiteral("AccountNo")).setValue(QStringLiteral("0001"));
    s->tbAccounts->field(QStringLiteral("Name")).setValue(QStringLiteral("Second site"));
    QVERIFY_THROWS_EXCEPTION(EAbort, s->tbAccounts->post());
    QCOMPARE(sink.errors, QStringList{kAccountMessage});
    QVERIFY(sink.warnings.isEmpty() && sink.informations.isEmpty());
    // The entered row stays on screen to be corrected.
    QCOMPARE(s->tbAccounts->state(), Dataset::State::Insert);
    QCOMPARE(s->tbAccounts->field(QStringLiteral("Name")).asString(),
             QStringLiteral("Second site"));
    QCOMPARE(rowsOf(s.dm(), "Zones", QStringLiteral("0001")), 24);

    s->tbAccounts->field(QStringLiteral("AccountNo")).setValue(QStringLiteral("0002"));
    s->tbAccounts->post();
    QCOMPARE(sink.errors.size(), 1);
    QCOMPARE(rowsOf(s.dm(), "Zones", QStringLiteral("0002")), 16);
}

void TestRecordRules::accountDeleteCascades()
{
    RulesStore s;
    addAccount(s.dm(), QStringLiteral("0001"), 3);
    addAccount(s.dm(), QStringLiteral("0002"), 0);
    for (const char *acc : {"0001", "0001", "0002"}) {
        s->tbHistory->insert();
        s->tbHistory->field(QStringLiteral("AccNo")).setValue(QString::fromLatin1(acc));
        s->tbHistory->post();
    }
    addPending(s.dm(), 2, QStringLiteral("0001"), 1);
    s->tbComms->insert();
    s->tbComms->field(QStringLiteral("Data")).setValue(QStringLiteral("180001E13001001"));
    s->tbComms->post();
    s->tbOutbox->insert();
    s->tbOutbox->field(QStringLiteral("Subject")).setValue(QStringLiteral("Acc No 0001 - Site"));
    s->tbOutbox->post();
    // A history row being written when the account goes is abandoned.
    s->tbHistory->insert();

    QVERIFY(s->tbAccounts->findKey(QStringLiteral("0001")));
    s->tbAccounts->remove();

    const QString gone = QStringLiteral("0001"), kept = QStringLiteral("0002");
    for (const char *table : {"Zones", "Users", "Areas", "Actions"}) {
        QCOMPARE(rowsOf(s.dm(), table, gone), 0);
        QVERIFY(rowsOf(s.dm(), table, kept) > 0);
    }
    QCOMPARE(
        countOf(s.dm(), QStringLiteral("SELECT COUNT(*) FROM History WHERE AccNo = ?"), {gone}), 0);
    QCOMPARE(
        countOf(s.dm(), QStringLiteral("SELECT COUNT(*) FROM History WHERE AccNo = ?"), {kept}), 1);
    QCOMPARE(s->tbHistory->state(), Dataset::State::Browse);
    QCOMPARE(s->tbHistory->recordCount(), 1);
    // Alarms waiting, stored messages and queued e-mails stay.
    QCOMPARE(
        countOf(s.dm(), QStringLiteral("SELECT COUNT(*) FROM Pending WHERE AccNo = ?"), {gone}), 1);
    QCOMPARE(countOf(s.dm(), QStringLiteral("SELECT COUNT(*) FROM Comms")), 1);
    QCOMPARE(countOf(s.dm(), QStringLiteral("SELECT COUNT(*) FROM Outbox")), 1);
    QCOMPARE(s->tbAccounts->recordCount(), 1);
    QCOMPARE(s->tbZones->recordCount(), 16);
}

void TestRecordRules::accountBeingEditedIsNotCascaded()
{
    RulesStore s;
    addAccount(s.dm(), QStringLiteral("0001"), 3);
    s->tbHistory->insert();
    s->tbHistory->field(QStringLiteral("AccNo")).setValue(QStringLiteral("0001"));
    s->tbHistory->post();
    Table other(s->database(), QStringLiteral("Accounts"), QStringLiteral("tbOther"));
    other.open();
    other.edit();
    QVERIFY_THROWS_EXCEPTION(EEngineError, s->tbAccounts->remove());
    QCOMPARE(rowsOf(s.dm(), "Zones", QStringLiteral("0001")), 24);
    QCOMPARE(rowsOf(s.dm(), "Actions", QStringLiteral("0001")), 66);
    QCOMPARE(countOf(s.dm(), QStringLiteral("SELECT COUNT(*) FROM History")), 1);
    other.cancel();
    s->tbAccounts->remove();
    QCOMPARE(rowsOf(s.dm(), "Zones", QStringLiteral("0001")), 0);
}

void TestRecordRules::operatorProtection_data()
{
    QTest::addColumn<QString>("userName");
    QTest::addColumn<bool>("master");
    QTest::addColumn<QString>("loggedOn");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("master row") << QStringLiteral("Chief") << true << QStringLiteral("Anna")
                                << false;
    QTest::newRow("own row") << QStringLiteral("Anna") << false << QStringLiteral("Anna") << false;
    QTest::newRow("another operator")
        << QStringLiteral("Bert") << false << QStringLiteral("Anna") << true;
    QTest::newRow("nobody logged on") << QStringLiteral("Bert") << false << QString() << true;
}

void TestRecordRules::operatorProtection()
{
    QFETCH(QString, userName);
    QFETCH(bool, master);
    QFETCH(QString, loggedOn);
    QFETCH(bool, deleted);
    TempStore s;
    RecordingMessages sink;
    s->tbOperators->insert();
    s->tbOperators->field(QStringLiteral("UserName")).setValue(userName);
    s->tbOperators->field(QStringLiteral("Master")).setValue(master);
    s->tbOperators->post();
    s->currentOperator.name = loggedOn;
    const int before = s->tbOperators->recordCount();

    QVERIFY(s->tbOperators->findKey(userName));
    if (deleted) {
        s->tbOperators->remove();
        QVERIFY(sink.all().isEmpty());
        QCOMPARE(s->tbOperators->recordCount(), before - 1);
    } else {
        QVERIFY_THROWS_EXCEPTION(EAbort, s->tbOperators->remove());
        QCOMPARE(sink.errors, QStringList{QStringLiteral("The Master user CANNOT be deleted!")});
        QCOMPARE(s->tbOperators->recordCount(), before);
        QVERIFY(s->tbOperators->findKey(userName));
    }
}

void TestRecordRules::pendingCounters()
{
    TempStore s;
    RecordingHooks hooks;
    s->setConsoleHooks(&hooks);
    addPending(s.dm(), 1, QStringLiteral("0001"), 0);
    addPending(s.dm(), 4, QStringLiteral("0002"), 0);
    QCOMPARE(s->PriorityCounts[1], 1);
    QCOMPARE(s->PriorityCounts[4], 1);
    QCOMPARE(hooks.refreshes, 2);
    QCOMPARE(hooks.restores, 2);

    // The operator has the low-priority row selected; a new High alarm sorts
    // before it and must not take the selection away.
    QVERIFY(s->tbPending->locate(QStringLiteral("AccNo"), QStringLiteral("0002")));
    addPending(s.dm(), 2, QStringLiteral("0003"), 5);
    QCOMPARE(s->tbPending->field(QStringLiteral("AccNo")).asString(), QStringLiteral("0002"));
    QCOMPARE(s->PriorityCounts[2], 1);
    QCOMPARE(hooks.refreshes, 3);
    QCOMPARE(hooks.restores, 3);

    // Priority 6 has no counter, but the console still refreshes.
    addPending(s.dm(), 6, QStringLiteral("0004"), 6);
    QCOMPARE(s->PriorityCounts, (std::array<int, 6>{0, 1, 1, 0, 1, 0}));
    QCOMPARE(hooks.refreshes, 4);

    // A priority changed by an edit moves between counters.
    QVERIFY(s->tbPending->locate(QStringLiteral("AccNo"), QStringLiteral("0002")));
    s->tbPending->edit();
    s->tbPending->field(QStringLiteral("Priority")).setValue(5);
    s->tbPending->post();
    QCOMPARE(s->PriorityCounts, (std::array<int, 6>{0, 1, 1, 0, 0, 1}));
    QCOMPARE(hooks.restores, 4);

    QVERIFY(s->tbPending->locate(QStringLiteral("AccNo"), QStringLiteral("0003")));
    s->tbPending->remove();
    QCOMPARE(s->PriorityCounts[2], 0);
    QCOMPARE(hooks.refreshes, 6);
    QVERIFY(s->tbPending->locate(QStringLiteral("AccNo"), QStringLiteral("0004")));
    s->tbPending->remove();
    QCOMPARE(s->PriorityCounts, (std::array<int, 6>{0, 1, 0, 0, 0, 1}));
    s->setConsoleHooks(nullptr);
}

void TestRecordRules::pendingRowRolledBackIsNotCounted()
{
    TempStore s;
    RecordingHooks hooks;
    s->setConsoleHooks(&hooks);
    {
        // The event processor's unit of work fails after its Pending row.
        WriteScope scope(s->database());
        addPending(s.dm(), 2, QStringLiteral("0001"), 0);
        QCOMPARE(s->PriorityCounts[2], 0);
    }
    QCOMPARE(s->PriorityCounts[2], 0);
    QCOMPARE(hooks.refreshes, 0);
    QCOMPARE(hooks.restores, 0);
    QCOMPARE(countOf(s.dm(), QStringLiteral("SELECT COUNT(*) FROM Pending")), 0);
    {
        WriteScope scope(s->database());
        addPending(s.dm(), 2, QStringLiteral("0001"), 0);
        scope.commit();
    }
    QCOMPARE(s->PriorityCounts[2], 1);
    QCOMPARE(hooks.restores, 1);

    // A delete rolled back leaves the counter too.
    s->tbPending->refresh();
    {
        WriteScope scope(s->database());
        s->tbPending->remove();
    }
    QCOMPARE(s->PriorityCounts[2], 1);
    s->setConsoleHooks(nullptr);
}

void TestRecordRules::addressOfAccountSearch()
{
    TempStore s;
    s->database().exec(
        QStringLiteral(
            "INSERT INTO Accounts (AccountNo, Address1, Address2, Address3, Address4) VALUES "
            "('0001', '1 High St', 'Old Town', 'Leeds', 'Yorkshire'), "
            "('0002', '2 Mill Lane', NULL, 'York', NULL), "
            "('0003', NULL, NULL, NULL, NULL), "
            "('0004', ?, ?, ?, NULL)"),
        {QString(50, QLatin1Char('a')), QString(50, QLatin1Char('b')),
         QString(150, QLatin1Char('c'))});
    Query &q = *s->qryCusAccount;
    q.setLine(2, QStringLiteral("Where UPPER(AccountNo) like '%' Order by AccountNo"));
    q.open();
    QStringList addresses;
    for (q.first(); !q.eof(); q.next())
        addresses << q.field(QStringLiteral("Address")).asString();
    QCOMPARE(addresses.mid(0, 3),
             (QStringList{QStringLiteral("1 High St Old Town Leeds"),
                          QStringLiteral("2 Mill Lane  York"), QStringLiteral("  ")}));
    QCOMPARE(addresses.at(3).size(), 200);
    QCOMPARE(q.field(QStringLiteral("Address")).def().type, FieldType::Text);
}

void TestRecordRules::displayTexts_data()
{
    QTest::addColumn<QString>("dataset");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("text");
    const QVariant unset;
    auto row = [](const char *name, const char *ds, const char *field, const QVariant &v,
                  const char *text) {
        QTest::newRow(name) << QString::fromLatin1(ds) << QString::fromLatin1(field) << v
                            << QString::fromLatin1(text);
    };
    row("priority 1", "tbPending", "Priority", 1, "Very High");
    row("priority 2", "tbPending", "Priority", 2, "High");
    row("priority 3", "tbPending", "Priority", 3, "Medium");
    row("priority 4", "tbPending", "Priority", 4, "Low");
    row("priority 5", "tbPending", "Priority", 5, "Invalid");
    row("priority 6", "tbPending", "Priority", 6, "");
    row("priority unset", "tbPending", "Priority", unset, "");
    row("alarm priority", "tbActions", "AlmPriority", 2, "High");
    row("event type 1", "tbPending", "EventType", 1, "Alarm");
    row("event type 2", "tbPending", "EventType", 2, "Opened");
    row("event type 3", "tbPending", "EventType", 3, "Restore");
    row("event type 4", "tbPending", "EventType", 4, "Closed");
    row("event type 5", "tbPending", "EventType", 5, "");
    row("alarm action 0", "tbActions", "AlmAction", 0, "Ignore");
    row("alarm action 1", "tbActions", "AlmAction", 1, "Log");
    row("alarm action 2", "tbActions", "AlmAction", 2, "Prompt");
    row("alarm action 3", "tbActions", "AlmAction", 3, "");
    row("restore action 2", "tbActions", "ResAction", 2, "Prompt");
    row("alarm e-mail 0", "tbActions", "AlmEmail", 0, "No");
    row("alarm e-mail 1", "tbActions", "AlmEmail", 1, "Yes");
    row("alarm e-mail unset", "tbActions", "AlmEmail", unset, "No");
    row("restore e-mail 1", "tbActions", "ResEmail", 1, "Yes");
    row("restore e-mail 2", "tbActions", "ResEmail", 2, "");
    row("outbox 0", "tbOutbox", "Status", 0, "Pending");
    row("outbox 1", "tbOutbox", "Status", 1, "Sent");
    row("outbox 2", "tbOutbox", "Status", 2, "Failed");
    row("outbox 3", "tbOutbox", "Status", 3, "");
    row("op action 0", "qryHistory", "OpAction", 0, "Logged");
    row("op action 1", "qryHistory", "OpAction", 1, "Actioned");
    row("op action 2", "qryHistory", "OpAction", 2, "Cancelled");
    row("op action 3", "qryHistory", "OpAction", 3, "");
    row("panel 0", "qryAccounts", "PanelType", 0, "Sterna 412");
    row("panel 7", "qryAccounts", "PanelType", 7, "Sterna 640");
    row("panel 13", "qryAccounts", "PanelType", 13, "Tavir 12");
    row("panel 14", "qryAccounts", "PanelType", 14, "");
    row("panel search 12", "qryCusAccount", "PanelType", 12, "Tavir 640");
    row("panel search -1", "qryCusAccount", "PanelType", -1, "");
    row("panel account 8", "tbAccounts", "PanelType", 8, "Tavir 24");
    // Fields without a text of their own show their value.
    row("plain small", "tbPending", "EventCode", 130, "130");
    row("plain logical", "tbAccounts", "EngOnSite", 1, "True");
}

void TestRecordRules::displayTexts()
{
    QFETCH(QString, dataset);
    QFETCH(QString, field);
    QFETCH(QVariant, stored);
    QFETCH(QString, text);
    TempStore s;
    Dataset *ds = s->findChild<Dataset *>(dataset);
    QVERIFY(ds && ds->isOpen());
    const int index = ds->fieldIndex(field);
    QVERIFY(index >= 0);
    QCOMPARE(ds->displayText(index, stored), text);
}

QTEST_GUILESS_MAIN(TestRecordRules)
#include "tst_recordrules.moc"
