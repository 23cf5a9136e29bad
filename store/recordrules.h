#pragma once

#include "store/table.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace store {

class Database;
class TDMod;

// Hands out count numbers of an IDs counter and returns the first; busy
// beyond the wait, EUnableToObtainID. Both the cursors' numbering and the
// event path number rows through it, inside the caller's unit of work when
// there is one. The write lock, held from the move to the read, makes the two
// statements one step. (UPDATE ... RETURNING would be one statement, but it
// builds a temporary table on every call.)
int takeIds(Database &db, const QString &counter, int count = 1);

// An alarm panel model: how many zones, users and areas a new account gets,
// and the most it may hold.
struct PanelModel
{
    const char *name;
    int zones;
    int users;
    int areas;
};

// The model of a PanelType 0 to 13; nullptr for any other value. Accounts of
// an unknown model get no zone, user or area rows and have no limits.
const PanelModel *panelModel(int panelType);

// One handling rule a new account starts with (one per catalogued event code).
struct DefaultAction
{
    int eventCode = 0;
    QString description;
    int idType = 0;
    int almPriority = 0;
    int almAction = 0;
    int resAction = 0;
};
// Supplies the rules in catalogue order, in the current language.
using DefaultActionsSource = std::function<QList<DefaultAction>()>;

// The rules the data module's tables enforce on every insert, post and
// delete: a new account's defaults and rows, the row limits of its panel
// model, the account-delete cascade, the account post-error message, the
// master operator's protection and the pending-alarm counters.
class RecordRules
{
public:
    // Adds the rules to the module's table hooks, keeping the hooks already there.
    explicit RecordRules(TDMod &dm);
    RecordRules(const RecordRules &) = delete;
    RecordRules &operator=(const RecordRules &) = delete;

    void setDefaultActionsSource(DefaultActionsSource source)
    {
        m_defaultActions = std::move(source);
    }

    // When on, Zones, Users and Areas refuse rows beyond the account's model.
    bool rowLimitGuard() const { return m_rowLimitGuard; }
    void setRowLimitGuard(bool on) { m_rowLimitGuard = on; }

    // Makes the zone, user, area and handling rows of a new account in one
    // unit of work: all of them, or (on failure, which propagates) none.
    void makeAccountRows(const QString &accountNo, int panelType);

    // A new Pending row of this priority has committed: counted, the console
    // told, a minimised main window brought back. Both the Pending cursor and
    // the event path call it.
    void pendingRowAdded(int priority);

private:
    void tbAccountsAfterInsert(Table &t);
    void tbAccountsBeforePost(Table &t);
    void tbAccountsAfterPost(Table &t);
    void tbAccountsBeforeDelete(Table &t);
    void tbAccountsAfterDelete(Table &t);
    Table::PostErrorAction tbAccountsPostError(Table &t, const EStoreError &e);
    void enforceRowLimit(Table &t, int PanelModel::*limit);
    void tbOperatorsBeforeDelete(Table &t);
    void tbPendingBeforeInsert(Table &t);
    void tbPendingBeforePost(Table &t);
    void tbPendingAfterPost(Table &t);
    void tbPendingBeforeDelete(Table &t);
    void tbPendingAfterDelete(Table &t);
    void countPending(int priority, int delta);

    TDMod &m_dm;
    DefaultActionsSource m_defaultActions;
    bool m_rowLimitGuard = true;
    bool m_newAccount = false;
    std::optional<Table::Bookmark> m_savedPending;
    int m_postedPriorityBefore = 0; // an edited row's priority before the edit
    int m_deletedPriority = 0;
};

} // namespace store
