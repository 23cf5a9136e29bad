#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace store {
class TDMod;
}

// One History row as the event processor or an operator's action writes it.
struct HistoryRow
{
    QDateTime when;
    int group = 1;
    int opAction = 0;
    QString desc;
    QString op = {};
    QString comments = {};
    QDateTime actioned = {};
    QString accNo = QStringLiteral("1234");
};

// Posts the rows through the History cursor, in one unit of work.
void addHistory(store::TDMod &dm, const QList<HistoryRow> &rows);
