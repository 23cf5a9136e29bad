#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <array>
#include <optional>

namespace store {

class Database;

// The rows the event path reads and writes, typed.
struct CommsRow
{
    int id = 0;
    QDateTime at;
    int rxNo = 0;
    int lineNo = 0;
    int protocol = 1; // 1 Contact ID, 2 type S
    QString data;
};

struct AccountRow
{
    QString accountNo;
    QString name;
    std::array<QString, 4> address;
    QString postcode;
    QString telNo;
    QVariant lastSignal; // as stored; read only when an event names it
    std::array<QString, 6> keyHolderEmail;
    std::array<bool, 6> keyHolderUsesEmail{};
};

// The account's handling rule for one event code.
struct RuleRow
{
    QString description;
    int priority = 4;
    int almAction = 1;
    int resAction = 1;
    int kind = 0;
    int almEmail = -1;
    int resEmail = -1;
};

struct PendingRow
{
    QDateTime at;
    int priority = 4;
    QString accNo;
    int eventType = 0;
    int eventCode = 0;
    QString eventGroup;
    int action = 0;
    QString eventText;
    int eventId = 0;
    QString idText;
    QString eventDesc;
};

struct HistoryRow
{
    QDateTime at;
    QString accNo;
    int eventCode = 0;
    int eventType = 0;
    QString eventDesc;
    int opAction = 0;
    QString operatorName;
    QString comments;
    int eventGroup = 0;
    QDateTime timeActioned;
};

struct OutboxRow
{
    QDateTime at;
    QString recipients;
    QString subject;
    QString siteDetails;
    QString message;
    int status = 0;
};

// What an event does to its account's state.
enum class AccountChange
{
    Closed,              // OCStatus 1, closing exception cleared
    Opened,              // OCStatus 0, opening exception cleared
    EngineerOnSite,
    EngineerLeft,
    NoSignalActioned,
    CloseExceptionRaised,
    SignalReceived,      // LastSignal = the received time, no-signal cleared
};

// A new row: its number (the table's ID) and where the engine keeps it.
struct StoredRow
{
    int id = 0;
    qint64 rowid = -1;
};

// The event path's own access to the store: a fixed set of statements,
// prepared once, over typed rows. Writes run inside the caller's unit of
// work, which must hold the write lock.
class EventStore
{
public:
    explicit EventStore(Database &db) : m_db(db) {}

    // A received event's number, taken before it is stored.
    int newCommsId();
    // Stores the row under its number (a new one when it has none) with its
    // processed mark: 1 processed, 2 cannot be decoded, none while it waits.
    StoredRow insertComms(const CommsRow &row, std::optional<int> processed = std::nullopt);
    std::optional<CommsRow> comms(int id);
    void markProcessed(int commsId, int mark);

    std::optional<AccountRow> account(const QString &accNo);
    std::optional<RuleRow> rule(const QString &accNo, int code);
    QString areaText(const QString &accNo, int area);
    QString zoneText(const QString &accNo, int zone);
    QString userText(const QString &accNo, int user);
    void updateAccount(const QString &accNo, AccountChange change, const QDateTime &at = {});

    StoredRow insertPending(const PendingRow &row);
    StoredRow insertHistory(const HistoryRow &row);
    StoredRow insertOutbox(const OutboxRow &row);

private:
    int nextId(const char *counter);
    QString text(const char *sql, const QString &accNo, int id);

    Database &m_db;
};

} // namespace store
