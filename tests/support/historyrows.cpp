#include "support/historyrows.h"

#include "store/database.h"
#include "store/tdmod.h"


void addHistory(store::TDMod &dm, const QList<HistoryRow> &rows)
{
    store::WriteScope scope(dm.database());
    store::Table *t = dm.tbHistory;
    for (const HistoryRow &r : rows) {
        t->insert();
        t->field(QStringLiteral("DateTime")).setValue(r.when);
        t->field(QStringLiteral("AccNo")).setValue(r.accNo);
        t->field(QStringLiteral("EventCode")).setValue(130);
        t->field(QStringLiteral("EventType")).setValue(1);
        t->field(QStringLiteral("EventDesc")).setValue(r.desc);
        t->field(QStringLiteral("OpAction")).setValue(r.opAction);
        t->field(QStringLiteral("Operator")).setValue(r.op);
        t->field(QStringLiteral("Comments")).setValue(r.comments);
        t->field(QStringLiteral("EventGroup")).setValue(r.group);
        if (r.actioned.isValid())
            t->field(QStringLiteral("TimeActioned")).setValue(r.actioned);
        t->post();
    }
    scope.commit();
}
