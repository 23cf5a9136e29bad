#pragma once

#include <QString>

namespace store {
class TDMod;
}

// A filled-in account as the account manager saves it: customer details,
// six key holders, opening and closing times (Monday 08:30 to 17:45, an
// hour later each day), notes and instructions. The record rules give it
// the zones, users, areas and handling rules of its panel model, whose texts
// are then filled in: "Detector n", "Floor n", "Holder n". The store must
// have its default handling rules set (the event catalogue's).
void addReportAccount(store::TDMod &dm, const QString &accountNo, int panelType);
