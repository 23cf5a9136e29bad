#pragma once

#include <QString>

namespace store {

class TDMod;

// Display texts of the coded fields. Any value without a text shows as
// empty text; an unset field reads as 0.

// Pending.Priority, Actions.AlmPriority: 1 "Very High" ... 5 "Invalid".
QString PriorityText(int value);
// Actions.AlmAction, Actions.ResAction: 0 "Ignore", 1 "Log", 2 "Prompt".
QString ActionText(int value);
// Actions.AlmEmail, Actions.ResEmail: 0 "No", 1 "Yes".
QString EmailText(int value);
// Pending.EventType: 1 "Alarm", 2 "Opened", 3 "Restore", 4 "Closed".
QString EventTypeText(int value);
// Outbox.Status: 0 "Pending", 1 "Sent", 2 "Failed".
QString OutboxStatusText(int value);
// History.OpAction: 0 "Logged", 1 "Actioned", 2 "Cancelled".
QString OpActionText(int value);
// Accounts.PanelType: the alarm panel model names (fixed, not translated).
QString PanelTypeText(int value);

// Gives the coded fields of the module's tables and statements their texts.
void installDisplayTexts(TDMod &dm);

} // namespace store
