#include "store/recordrules.h"

#include "localization/texts.h"
#include "store/database.h"
#include "store/errors.h"
#include "core/messages.h"
#include "store/tdmod.h"

#include <QHash>
#include <QScopeGuard>
#include <QSqlError>
#include <QSqlQuery>

#include <iterator>

namespace store {

namespace {

const PanelModel kPanelModels[] = {
    {"Sterna 412", 16, 32, 2},    {"Sterna 816", 16, 32, 4},    {"Sterna 832", 32, 64, 4},
    {"Sterna 24", 24, 16, 1},     {"Sterna 48", 48, 25, 4},     {"Sterna 88", 88, 50, 8},
    {"Sterna 168", 168, 200, 16}, {"Sterna 640", 640, 500, 64}, {"Tavir 24", 24, 25, 2},
    {"Tavir 48", 48, 50, 4},      {"Tavir 88", 88, 100, 8},     {"Tavir 168", 168, 200, 16},
    {"Tavir 640", 640, 500, 64},  {"Tavir 12", 16, 8, 2},
};

// Runs extra after the hook already installed (numbering, notifications).
void chain(Table::Hook &slot, Table::Hook extra)
{
    slot = [prev = std::move(slot), extra = std::move(extra)](Table &t) {
        if (prev)
            prev(t);
        extra(t);
    };
}

// One prepared INSERT run for many rows; values are converted as the
// table's fields store them.
class RowInserter
{
public:
    RowInserter(Database &db, const QString &table, const QStringList &fields)
        : m_query(db.connection()), m_def(tableDef(table))
    {
        m_query.setForwardOnly(true);
        QStringList cols, marks;
        for (const QString &f : fields) {
            cols << QStringLiteral("\"%1\"").arg(f);
            marks << QStringLiteral("?");
            m_fields << &m_def->fields[m_def->fieldIndex(f)];
        }
        if (!m_query.prepare(QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                                 .arg(m_def->name, cols.join(QStringLiteral(", ")),
                                      marks.join(QStringLiteral(", ")))))
            Database::throwError(m_query.lastError());
    }

    void insert(const QVariantList &values)
    {
        for (int i = 0; i < values.size(); ++i)
            m_query.bindValue(i, toStored(*m_fields[i], values[i]));
        if (!m_query.exec())
            Database::throwError(m_query.lastError());
    }

private:
    QSqlQuery m_query;
    const TableDef *m_def;
    QList<const FieldDef *> m_fields;
};

void refreshIfBrowsing(Table *t)
{
    if (t->isOpen() && t->state() == Dataset::State::Browse)
        t->refresh();
}

} // namespace

int takeIds(Database &db, const QString &counter, int count)
{
    struct Texts
    {
        QString move, read;
    };
    static const QHash<QString, Texts> texts = [] {
        QHash<QString, Texts> h;
        for (const char *c : {"ActionsID", "CommsID", "HistoryID", "PendingID", "OutboxID"}) {
            const QString name = QLatin1String(c);
            h.insert(name, {QStringLiteral("UPDATE IDs SET \"%1\" = \"%1\" + ?").arg(name),
                            QStringLiteral("SELECT \"%1\" - ? FROM IDs").arg(name)});
        }
        return h;
    }();
    const auto it = texts.constFind(counter);
    if (it == texts.cend())
        throw EStoreError(QStringLiteral("Unknown counter %1").arg(counter));
    if (count < 1)
        throw EStoreError(QStringLiteral("Cannot hand out %1 numbers").arg(count));
    WriteScope scope(db);
    try {
        db.ensureWriteLock(51, 100);
    } catch (const EEngineError &e) {
        if (e.isBusy())
            throw EUnableToObtainID();
        throw;
    }
    db.run(it->move, {count});
    Statement q = db.run(it->read, {count});
    if (!q.next())
        throw EUnableToObtainID();
    const int first = static_cast<int>(q.value(0).toLongLong());
    q = Statement();
    scope.commit();
    return first;
}

const PanelModel *panelModel(int panelType)
{
    if (panelType < 0 || panelType >= static_cast<int>(std::size(kPanelModels)))
        return nullptr;
    return &kPanelModels[panelType];
}

RecordRules::RecordRules(TDMod &dm) : m_dm(dm)
{
    Table &accounts = *dm.tbAccounts;
    chain(accounts.afterInsert, [this](Table &t) { tbAccountsAfterInsert(t); });
    chain(accounts.beforePost, [this](Table &t) { tbAccountsBeforePost(t); });
    chain(accounts.afterPost, [this](Table &t) { tbAccountsAfterPost(t); });
    chain(accounts.beforeDelete, [this](Table &t) { tbAccountsBeforeDelete(t); });
    chain(accounts.afterDelete, [this](Table &t) { tbAccountsAfterDelete(t); });
    accounts.onPostError = [this](Table &t, const EStoreError &e) {
        return tbAccountsPostError(t, e);
    };

    chain(dm.tbZones->afterInsert, [this](Table &t) { enforceRowLimit(t, &PanelModel::zones); });
    chain(dm.tbUsers->afterInsert, [this](Table &t) { enforceRowLimit(t, &PanelModel::users); });
    chain(dm.tbAreas->afterInsert, [this](Table &t) { enforceRowLimit(t, &PanelModel::areas); });

    chain(dm.tbOperators->beforeDelete, [this](Table &t) { tbOperatorsBeforeDelete(t); });

    Table &pending = *dm.tbPending;
    chain(pending.beforeInsert, [this](Table &t) { tbPendingBeforeInsert(t); });
    chain(pending.beforePost, [this](Table &t) { tbPendingBeforePost(t); });
    chain(pending.afterPost, [this](Table &t) { tbPendingAfterPost(t); });
    chain(pending.beforeDelete, [this](Table &t) { tbPendingBeforeDelete(t); });
    chain(pending.afterDelete, [this](Table &t) { tbPendingAfterDelete(t); });

    // Account search shows one address line: Address1, Address2, Address3.
    dm.qryCusAccount->addCalculatedField(
        FieldDef{QStringLiteral("Address"), FieldType::Text, 200},
        [](const Query &q, const QVector<QVariant> &row) {
            auto value = [&](const char *name) {
                const int i = q.fieldIndex(QString::fromLatin1(name));
                return i < 0 ? QString() : row.value(i).toString();
            };
            return QVariant(value("Address1") + QLatin1Char(' ') + value("Address2") +
                            QLatin1Char(' ') + value("Address3"));
        });
}

void RecordRules::tbAccountsAfterInsert(Table &t)
{
    t.field(QStringLiteral("PanelType")).setValue(0);
}

void RecordRules::tbAccountsBeforePost(Table &t)
{
    m_newAccount = t.state() == Dataset::State::Insert;
}

void RecordRules::tbAccountsAfterPost(Table &t)
{
    m_rowLimitGuard = false;
    // On again however the rows end, so a failure cannot leave limits off.
    auto guardOn = qScopeGuard([this] { m_rowLimitGuard = true; });
    if (!m_newAccount)
        return;
    m_newAccount = false;
    makeAccountRows(t.field(QStringLiteral("AccountNo")).asString(),
                    t.field(QStringLiteral("PanelType")).asInteger());
}

void RecordRules::makeAccountRows(const QString &accountNo, int panelType)
{
    const PanelModel *model = panelModel(panelType);
    QList<DefaultAction> actions;
    if (m_defaultActions)
        actions = m_defaultActions();
    else
        qWarning("New account %s: no default handling rules are configured", qPrintable(accountNo));

    Database &db = m_dm.database();
    WriteScope scope(db);
    // The numbers come first: taking them waits for a busy store, and then
    // holds its write lock for the rows below.
    const int firstActionId =
        actions.isEmpty()
            ? 0
            : m_dm.AllocateIdBlock(QStringLiteral("ActionsID"), static_cast<int>(actions.size()));
    db.ensureWriteLock();
    const QString accountField = QStringLiteral("AccountNo");
    if (model) {
        auto numbered = [&](const char *table, const char *idField, int from, int count) {
            RowInserter rows(db, QString::fromLatin1(table),
                             {accountField, QString::fromLatin1(idField)});
            for (int id = from; id < from + count; ++id)
                rows.insert({accountNo, id});
        };
        numbered("Zones", "ZoneID", 1, model->zones);
        numbered("Users", "UserID", 0, model->users); // users count from 0
        numbered("Areas", "AreaID", 1, model->areas);
    }
    if (!actions.isEmpty()) {
        RowInserter rows(db, QStringLiteral("Actions"),
                         {accountField, QStringLiteral("ActionID"), QStringLiteral("EventCode"),
                          QStringLiteral("Description"), QStringLiteral("IDType"),
                          QStringLiteral("AlmPriority"), QStringLiteral("AlmAction"),
                          QStringLiteral("ResAction")});
        int id = firstActionId;
        for (const DefaultAction &a : std::as_const(actions)) {
            rows.insert({accountNo, id++, a.eventCode, a.description, a.idType, a.almPriority,
                         a.almAction, a.resAction});
        }
    }
    db.afterCommit([this] {
        for (Table *detail : {m_dm.tbZones, m_dm.tbUsers, m_dm.tbAreas, m_dm.tbActions})
            refreshIfBrowsing(detail);
    });
    scope.commit();
}

void RecordRules::tbAccountsBeforeDelete(Table &t)
{
    Database &db = m_dm.database();
    // An account someone is editing is refused before any of its rows go.
    const qint64 rowid = t.currentRowId();
    if (!db.lockRow(t.def().name, rowid, &t))
        throw EEngineError(QStringLiteral("Record locked by another user."), 6);
    db.unlockRow(t.def().name, rowid, &t);

    const QString accountNo = t.field(QStringLiteral("AccountNo")).asString();
    const QList<Table *> details{m_dm.tbZones, m_dm.tbUsers, m_dm.tbAreas, m_dm.tbActions};
    for (Table *detail : details)
        detail->cancel();
    m_dm.tbHistory->cancel();

    WriteScope scope(db);
    db.ensureWriteLock();
    for (Table *detail : details) {
        db.exec(
            QStringLiteral("DELETE FROM \"%1\" WHERE \"AccountNo\" = ?").arg(detail->def().name),
            {accountNo});
    }
    m_dm.DelHistory->close();
    m_dm.DelHistory->setParam(QStringLiteral("ANo"), accountNo);
    m_dm.DelHistory->execSql();
    db.afterCommit([this, details] {
        for (Table *detail : details)
            refreshIfBrowsing(detail);
        refreshIfBrowsing(m_dm.tbHistory);
    });
    scope.commit();
}

void RecordRules::tbAccountsAfterDelete(Table &)
{
    m_dm.FlushAll();
}

Table::PostErrorAction RecordRules::tbAccountsPostError(Table &, const EStoreError &)
{
    core::messages().error(
        loc::text("Customer account already exists. Please use a different \r\naccount number."));
    return Table::PostErrorAction::Abort;
}

void RecordRules::enforceRowLimit(Table &t, int PanelModel::*limit)
{
    if (!m_rowLimitGuard)
        return;
    const PanelModel *model =
        panelModel(m_dm.tbAccounts->field(QStringLiteral("PanelType")).asInteger());
    if (model && t.recordCount() >= model->*limit)
        t.cancel();
}

void RecordRules::tbOperatorsBeforeDelete(Table &t)
{
    const QString current = m_dm.currentOperator.name;
    if (t.field(QStringLiteral("Master")).asBoolean() ||
        (!current.isEmpty() && t.field(QStringLiteral("UserName")).asString() == current)) {
        core::messages().error(loc::text("The Master user CANNOT be deleted!"));
        throw EAbort();
    }
}

void RecordRules::tbPendingBeforeInsert(Table &t)
{
    m_savedPending.reset();
    if (!t.isEmpty())
        m_savedPending = t.bookmark();
}

void RecordRules::tbPendingBeforePost(Table &t)
{
    // An edited row is counted under its old priority until it is posted.
    m_postedPriorityBefore = 0;
    if (t.state() == Dataset::State::Edit) {
        const int i = t.fieldIndex(QStringLiteral("Priority"));
        m_postedPriorityBefore = t.recordAt(t.recNo()).value(i).toInt();
    }
}

void RecordRules::tbPendingAfterPost(Table &t)
{
    const int priority = t.field(QStringLiteral("Priority")).asInteger();
    const bool inserted = t.postedNewRow();
    const int before = m_postedPriorityBefore;
    if (inserted) {
        // Keep the operator's selection where it was.
        if (m_savedPending)
            t.gotoBookmark(*m_savedPending);
        m_savedPending.reset();
    }
    // Counted only once the row is committed: a rolled-back alarm never was.
    m_dm.database().afterCommit([this, priority, inserted, before] {
        if (inserted) {
            pendingRowAdded(priority);
            return;
        }
        if (before != priority) {
            countPending(before, -1);
            countPending(priority, +1);
        }
        m_dm.consoleHooks().RefreshStatusAndCounts();
    });
}

void RecordRules::pendingRowAdded(int priority)
{
    countPending(priority, +1);
    m_dm.consoleHooks().RefreshStatusAndCounts();
    m_dm.consoleHooks().RestoreFromMinimised();
}

void RecordRules::tbPendingBeforeDelete(Table &t)
{
    m_deletedPriority = t.field(QStringLiteral("Priority")).asInteger();
}

void RecordRules::tbPendingAfterDelete(Table &)
{
    const int priority = m_deletedPriority;
    m_dm.database().afterCommit([this, priority] {
        countPending(priority, -1);
        m_dm.consoleHooks().RefreshStatusAndCounts();
    });
}

void RecordRules::countPending(int priority, int delta)
{
    if (priority >= 1 && priority <= 5)
        m_dm.PriorityCounts[priority] += delta;
}

} // namespace store
