#include "store/eventstore.h"

#include "store/database.h"
#include "store/errors.h"
#include "store/recordrules.h"
#include "store/schema.h"

namespace store {

namespace {

// Text cut to its field's size, as the cursors store it.
QString cut(const QString &value, int size)
{
    return value.size() > size ? value.left(size) : value;
}

QVariant storedOrNull(const QDateTime &at)
{
    return at.isValid() ? QVariant(dateTimeToStored(at)) : QVariant();
}

bool truthy(const QVariant &v)
{
    if (v.isNull())
        return false;
    if (v.typeId() == QMetaType::QString) {
        const QString t = v.toString().trimmed();
        return t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
               t.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0 || t == QLatin1String("1");
    }
    return v.toInt() != 0;
}

} // namespace

int EventStore::nextId(const char *counter)
{
    return takeIds(m_db, QLatin1String(counter));
}

int EventStore::newCommsId()
{
    return nextId("CommsID");
}

StoredRow EventStore::insertComms(const CommsRow &row, std::optional<int> processed)
{
    static const QString sql =
        QStringLiteral("INSERT INTO Comms (ID, DateTime, RxNo, LineNo, Protocol, Data, Processed) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?)");
    StoredRow stored;
    stored.id = row.id > 0 ? row.id : newCommsId();
    Statement q = m_db.run(sql, {stored.id, storedOrNull(row.at), row.rxNo, row.lineNo,
                                 row.protocol, cut(row.data, 30),
                                 processed ? QVariant(*processed) : QVariant()});
    stored.rowid = q.lastInsertId();
    return stored;
}

std::optional<CommsRow> EventStore::comms(int id)
{
    static const QString sql = QStringLiteral(
        "SELECT ID, DateTime, RxNo, LineNo, Protocol, Data FROM Comms WHERE ID = ?");
    Statement q = m_db.run(sql, {id});
    if (!q.next())
        return std::nullopt;
    CommsRow row;
    row.id = q.value(0).toInt();
    row.at = dateTimeFromStored(q.value(1));
    row.rxNo = q.value(2).toInt();
    row.lineNo = q.value(3).toInt();
    row.protocol = q.value(4).toInt();
    row.data = q.value(5).toString();
    return row;
}

void EventStore::markProcessed(int commsId, int mark)
{
    static const QString sql =
        QStringLiteral("UPDATE Comms SET Processed = ? WHERE ID = ? AND Processed IS NULL");
    m_db.run(sql, {mark, commsId});
}

std::optional<AccountRow> EventStore::account(const QString &accNo)
{
    static const QString sql = QStringLiteral(
        "SELECT AccountNo, Name, Address1, Address2, Address3, Address4, Postcode, TelNo, "
        "LastSignal, KH1Email, KH1UseEmail, KH2Email, KH2UseEmail, KH3Email, KH3UseEmail, "
        "KH4Email, KH4UseEmail, KH5Email, KH5UseEmail, KH6Email, KH6UseEmail "
        "FROM Accounts WHERE AccountNo = ?");
    Statement q = m_db.run(sql, {accNo});
    if (!q.next())
        return std::nullopt;
    AccountRow a;
    a.accountNo = q.value(0).toString();
    a.name = q.value(1).toString();
    for (int i = 0; i < 4; ++i)
        a.address[i] = q.value(2 + i).toString();
    a.postcode = q.value(6).toString();
    a.telNo = q.value(7).toString();
    a.lastSignal = q.value(8);
    for (int i = 0; i < 6; ++i) {
        a.keyHolderEmail[i] = q.value(9 + 2 * i).toString();
        a.keyHolderUsesEmail[i] = truthy(q.value(10 + 2 * i));
    }
    return a;
}

std::optional<RuleRow> EventStore::rule(const QString &accNo, int code)
{
    static const QString sql = QStringLiteral(
        "SELECT Description, AlmPriority, AlmAction, ResAction, IDType, AlmEmail, ResEmail "
        "FROM Actions WHERE AccountNo = ? AND EventCode = ? LIMIT 1");
    Statement q = m_db.run(sql, {accNo, code});
    if (!q.next())
        return std::nullopt;
    RuleRow r;
    r.description = q.value(0).toString();
    r.priority = q.value(1).toInt();
    r.almAction = q.value(2).toInt();
    r.resAction = q.value(3).toInt();
    r.kind = q.value(4).toInt();
    r.almEmail = q.value(5).toInt();
    r.resEmail = q.value(6).toInt();
    return r;
}

QString EventStore::text(const char *sql, const QString &accNo, int id)
{
    Statement q = m_db.run(QString::fromLatin1(sql), {accNo, id});
    return q.next() ? q.value(0).toString() : QString();
}

QString EventStore::areaText(const QString &accNo, int area)
{
    return text("SELECT AreaText FROM Areas WHERE AccountNo = ? AND AreaID = ? LIMIT 1", accNo,
                area);
}

QString EventStore::zoneText(const QString &accNo, int zone)
{
    return text("SELECT ZoneText FROM Zones WHERE AccountNo = ? AND ZoneID = ? LIMIT 1", accNo,
                zone);
}

QString EventStore::userText(const QString &accNo, int user)
{
    return text("SELECT UserText FROM Users WHERE AccountNo = ? AND UserID = ? LIMIT 1", accNo,
                user);
}

void EventStore::updateAccount(const QString &accNo, AccountChange change, const QDateTime &at)
{
    static const QString closed = QStringLiteral(
        "UPDATE Accounts SET OCStatus = 1, CloseEX = 0 WHERE AccountNo = ?");
    static const QString opened = QStringLiteral(
        "UPDATE Accounts SET OCStatus = 0, OpenEX = 0 WHERE AccountNo = ?");
    static const QString onSite =
        QStringLiteral("UPDATE Accounts SET EngOnSite = 1 WHERE AccountNo = ?");
    static const QString left =
        QStringLiteral("UPDATE Accounts SET EngOnSite = 0 WHERE AccountNo = ?");
    static const QString actioned =
        QStringLiteral("UPDATE Accounts SET NoSigActioned = 1 WHERE AccountNo = ?");
    static const QString closeEx =
        QStringLiteral("UPDATE Accounts SET CloseEX = 1 WHERE AccountNo = ?");
    static const QString signal = QStringLiteral(
        "UPDATE Accounts SET LastSignal = ?, NoSigActioned = 0 WHERE AccountNo = ?");
    switch (change) {
    case AccountChange::Closed:
        m_db.run(closed, {accNo});
        break;
    case AccountChange::Opened:
        m_db.run(opened, {accNo});
        break;
    case AccountChange::EngineerOnSite:
        m_db.run(onSite, {accNo});
        break;
    case AccountChange::EngineerLeft:
        m_db.run(left, {accNo});
        break;
    case AccountChange::NoSignalActioned:
        m_db.run(actioned, {accNo});
        break;
    case AccountChange::CloseExceptionRaised:
        m_db.run(closeEx, {accNo});
        break;
    case AccountChange::SignalReceived:
        m_db.run(signal, {storedOrNull(at), accNo});
        break;
    }
}

StoredRow EventStore::insertPending(const PendingRow &r)
{
    static const QString sql = QStringLiteral(
        "INSERT INTO Pending (ID, DateTime, Priority, AccNo, EventType, EventCode, EventGroup, "
        "Action, EventText, EventID, IDText, EventDesc) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    StoredRow stored;
    stored.id = nextId("PendingID");
    Statement q = m_db.run(sql, {stored.id, storedOrNull(r.at), r.priority, cut(r.accNo, 4),
                                 r.eventType, r.eventCode, cut(r.eventGroup, 50), r.action,
                                 cut(r.eventText, 30), r.eventId, cut(r.idText, 50),
                                 cut(r.eventDesc, 100)});
    stored.rowid = q.lastInsertId();
    return stored;
}

StoredRow EventStore::insertHistory(const HistoryRow &r)
{
    static const QString sql = QStringLiteral(
        "INSERT INTO History (ID, DateTime, AccNo, EventCode, EventType, EventDesc, OpAction, "
        "Operator, Comments, EventGroup, TimeActioned) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    StoredRow stored;
    stored.id = nextId("HistoryID");
    Statement q = m_db.run(sql, {stored.id, storedOrNull(r.at), cut(r.accNo, 4), r.eventCode,
                                 r.eventType, cut(r.eventDesc, 100), r.opAction,
                                 cut(r.operatorName, 30), r.comments, r.eventGroup,
                                 storedOrNull(r.timeActioned)});
    stored.rowid = q.lastInsertId();
    return stored;
}

StoredRow EventStore::insertOutbox(const OutboxRow &r)
{
    static const QString sql = QStringLiteral(
        "INSERT INTO Outbox (ID, MsgDateTime, Recipients, Subject, SiteDetails, Message, Status) "
        "VALUES (?, ?, ?, ?, ?, ?, ?)");
    StoredRow stored;
    stored.id = nextId("OutboxID");
    Statement q = m_db.run(sql, {stored.id, storedOrNull(r.at), cut(r.recipients, 200),
                                 cut(r.subject, 100), cut(r.siteDetails, 200),
                                 cut(r.message, 200), r.status});
    stored.rowid = q.lastInsertId();
    return stored;
}

} // namespace store
