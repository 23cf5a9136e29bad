#pragma once

#include "store/recordrules.h"

#include <QChar>
#include <QDateTime>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

namespace pipeline {

// ---- Event message ---------------------------------------------------------

// Length of the Contact ID event message carried by a protocol-1 Comms row.
inline constexpr int EventMessageLength = 15;

// One decoded event message. Positions (from 1): 1-2 message type, 3-6
// account, 7 qualifier, 8-10 event code, 11-12 group (area), 13-15 zone or
// user number.
struct EventMessage
{
    QString messageType; // normally "18"; not examined
    QString account;     // four characters, compared exactly with AccountNo
    QChar qualifier;     // 'E' new event or opening; anything else restore or closing
    int code = 0;
    int group = 0; // 0 = the system as a whole
    int number = 0;
};

// The numeric field that stopped a decode.
enum class EventMessageField
{
    Code,
    Group,
    Number,
};

struct EventMessageError
{
    EventMessageField field = EventMessageField::Code;
    QString text; // the conversion error to show, e.g. "'1X0' is not a valid integer value"
};

// Decodes the event message. Fields are taken by position; a short message
// leaves the missing fields empty. Code, group and number must be decimal
// integers (an optional sign, then digits; no blanks). When one is not, the
// result is empty and *error (if given) names the first failing field, in the
// order code, group, number, with the text to show; the event is then not
// processed any further.
std::optional<EventMessage> DecodeEventMessage(const QString &data,
                                               EventMessageError *error = nullptr);

// ---- Event types -----------------------------------------------------------

inline constexpr int EventTypeAlarm = 1;
inline constexpr int EventTypeOpened = 2;
inline constexpr int EventTypeRestore = 3;
inline constexpr int EventTypeClosed = 4;

// 'E' with a code 400-499 is Opened, other 'E' events Alarm; any other
// qualifier gives Closed for 400-499 and Restore otherwise.
int EventTypeOf(QChar qualifier, int code);

// "Alarm", "Opened", "Restore", "Closed" for 1-4; empty for any other value.
QString StateWord(int eventType);

// ---- Event catalogue -------------------------------------------------------

// What the zone/user number of a message means.
inline constexpr quint8 EventKindPlain = 0;  // no number
inline constexpr quint8 EventKindZone = 1;   // zone number
inline constexpr quint8 EventKindUser = 2;   // user number
inline constexpr quint8 EventKindNotice = 3; // no number and no state word

// Group of codes not in the catalogue.
inline constexpr int DefaultEventGroup = 2; // Standard Alarm

struct TEventCodes
{
    int Code;
    QString Text; // translated event name
    quint8 EventKind;
    quint8 EventGroup;
    quint8 DefaultPriority;
    quint8 DefaultAlmAction;
    quint8 DefaultResAction;
};

inline constexpr int EventCatalogueSize = 66;
using EventCatalogueTable = std::array<TEventCodes, EventCatalogueSize>;

// The catalogue, ascending by Code. Built with its translated texts on first
// use; the reference stays valid for the life of the program.
const EventCatalogueTable &EventCatalogue();

// A new account's event handling: one rule per catalogue entry, with its
// defaults and its text in the current language.
QList<store::DefaultAction> CatalogueDefaultActions();

// Gives the catalogue its texts again in the current language (after a
// language switch). Codes and defaults do not change.
void RetranslateEventCatalogue();

// The index of the entry with that code, found by bisection; -1 when the
// code is not in the catalogue.
int EventCatalogueIndexOf(int code);

// The event group of the code; DefaultEventGroup when it is not catalogued.
int EventGroupOf(int code);

// "Priority Alarm", "Standard Alarm", "Open/Close", "Omit/Unomit",
// "Maintenance", "Tamper", "Test" for 1-7; empty for any other value.
QString EventGroupName(int group);

// ---- Texts -----------------------------------------------------------------

// The one-line description of an event written to Pending, History and the
// e-mail. areaText and idText (zone or user name) may be empty; an empty
// idText selects the shorter formats.
QString BuildEventDescription(int code, int eventType, int number, const QString &areaText,
                              const QString &idText);

// The date (and unless dateOnly the time) as unpadded numbers for statement
// text. order: "dmy", "ymd", "ydm", "myd", "dym"; anything else month/day/year.
// Example: 8 December 2013 14:05:03, "mdy" -> "12/8/2013 14:5:3".
QString DateToOrderedText(const QString &order, bool dateOnly, const QDateTime &value);

} // namespace pipeline
