#pragma once

#include "core/consolehooks.h"
#include "store/database.h"
#include "store/eventstore.h"
#include "store/query.h"
#include "store/recordrules.h"
#include "store/table.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <array>
#include <memory>

namespace store {

class Supervision;

// Processes events in the unit of work that stores them (the event processor).
class EventIntake
{
public:
    virtual ~EventIntake() = default;
    // Whether a row stored now may be processed at once: no earlier row waits
    // and no event is being processed below us.
    virtual bool takesInline() const = 0;
    // Processes a received row, numbered and about to be stored, inside its
    // open unit of work, and gives the mark it is stored with: 1 processed,
    // 2 cannot be decoded, none to wait (any other failure). An engine error
    // propagates and rolls the unit back.
    virtual std::optional<int> processStored(const CommsRow &row) = 0;
    // A row was stored for later processing (announced after the commit).
    virtual void rowLeftWaiting(int commsId) = 0;
};

// The logged-on operator's name, password and rights, copied at log-on and
// read by every window that enforces a right.
struct CurrentOperator
{
    QString name;     // at most 30 characters
    QString password; // at most 16 characters
    bool Master = false;
    bool AddRecords = false;
    bool DeleteRecords = false;
    bool EditRecords = false;
    bool SetupComms = false;
    bool PrintReports = false;
};

// The data module: owns the store connection, the cursors of the eleven
// tables, the named statements and the supervision timer. Every other part
// of the program reaches the data through it.
class TDMod : public QObject
{
    Q_OBJECT
public:
    // programFolder: the folder of the program file; the store lives in its
    // "data" folder. Empty means the running executable's folder.
    explicit TDMod(const QString &programFolder = {}, QObject *parent = nullptr);
    ~TDMod() override;

    // Resolves the data folder beside the program, creating it when missing.
    // Reports its own failures and never stops the start.
    void PrepareAlias();
    // Creation of the module: supervision clock and timer; tables stay closed.
    void DataModuleCreate();
    // Opens the store (creating an empty one on the very first start), then
    // the tables and statements in their fixed order. The first failure stops
    // the sequence and is shown; returns false then.
    bool OpenStore();

    // Hands out the next number of a counter ("CommsID", "PendingID", ...).
    int AllocateId(const QString &counter);
    // Hands out count consecutive numbers at once; returns the first.
    int AllocateIdBlock(const QString &counter, int count);
    // Writes buffered changes back into the main store file.
    void FlushAll();

    // Where the new-comms and new-mail notifications go (the main window).
    void setNotifyTarget(QObject *target) { m_notifyTarget = target; }
    QObject *notifyTarget() const { return m_notifyTarget; }

    // The console refresh hooks (do nothing until the main window installs its own).
    core::ConsoleHooks &consoleHooks() { return m_hooks ? *m_hooks : m_noHooks; }
    void setConsoleHooks(core::ConsoleHooks *hooks) { m_hooks = hooks; }

    // The one road of every event into the store, received or synthetic:
    // stores the Comms row inside the caller's unit of work (which holds the
    // write lock) and processes it there when the processor can take it;
    // otherwise announces it for processing after the commit. Returns its ID.
    int StoreEvent(const CommsRow &row);
    EventStore &events() { return m_events; }
    void setEventIntake(EventIntake *sink) { m_sink = sink; }
    EventIntake *eventIntake() const { return m_sink; }
    // Posts a new-row notification (new-comms, new-mail) to the notify target.
    void announceRow(QEvent::Type type, int id);

    // Raises event 451 when the account opened before today's opening time;
    // called by the event processor right after it marked an account open.
    void CheckEarlyOpening(const QString &accountNo);

    // The rules on inserts, posts and deletes, and the supervision checks.
    RecordRules &recordRules() { return *m_rules; }
    Supervision &supervision() { return *m_supervision; }
    // The handling rules a new account starts with; the program sets the
    // event catalogue's defaults here at start-up.
    void setDefaultActionsSource(DefaultActionsSource source);

    bool AppClosing() const { return m_appClosing; }
    void setAppClosing() { m_appClosing = true; }

    QString dataFolder() const { return m_dataFolder; }
    QString storePath() const;
    Database &database() { return m_db; }

    // The first master operator of a new store.
    static QString defaultMasterName();
    static QString defaultMasterPassword();

    // Tables, named as their cursors.
    Table *tbPending, *tbAccounts, *tbOperators, *tbAreas, *tbUsers, *tbActions, *tbComms,
        *tbZones, *tbHistory, *tbIDs, *tbOutbox;
    // Named statements.
    Query *qryComms, *qryAccounts, *qryActions, *qryAccNo, *qryAreas, *qryZones, *qryUsers,
        *qryHistory, *DelHistory, *UpdAccounts, *qryCusAccount, *qryNoSignal, *qryOCStatus,
        *updAllAccounts, *qryOpenTime, *qryOutbox, *updOutbox;

    QTimer *NoSigTimer;

    // The current-operator record, filled by log-on.
    CurrentOperator currentOperator;
    // Pending rows by priority; index 1 to 5 (0 unused).
    std::array<int, 6> PriorityCounts{};

signals:
    // The supervision tick (every 5 s while the program runs).
    void supervisionTick();

private:
    void NoSigTimerTimer();
    // Folder 0700, database and journal files 0600; says once when it cannot.
    void MakeStorePrivate();
    void installNumbering(Table *table, const QString &field, const QString &counter);
    void notifyAfterCommit(Table *table, const QString &field, QEvent::Type type);

    Database m_db;
    EventStore m_events{m_db};
    EventIntake *m_sink = nullptr;
    QString m_programFolder;
    QString m_dataFolder;
    QPointer<QObject> m_notifyTarget;
    core::ConsoleHooks m_noHooks;
    core::ConsoleHooks *m_hooks = nullptr;
    bool m_appClosing = false;
    std::unique_ptr<RecordRules> m_rules;
    std::unique_ptr<Supervision> m_supervision;
};

} // namespace store
