#pragma once

#include <QDateTime>
#include <QString>

namespace station {

// The display formats of dates and times, which follow the interface
// language: Hungarian stations write year/month/day.
struct DateFormats
{
    static constexpr int kHungarian = 1038;

    QString shortDate;   // the program-wide short date
    QString stampFormat; // Comms.DateTime, Outbox.MsgDateTime
    QString eventFormat; // Accounts.LastSignal, History.DateTime and TimeActioned, Pending.DateTime

    // By Windows language identifier (1038 Hungarian, anything else the default set).
    static DateFormats forLanguageId(int languageId);
    // By a language's name in its own language ("Magyar" is Hungarian).
    static DateFormats forNativeName(const QString &nativeName);

    // Month names and am/pm in English, whatever the system locale says.
    static QString format(const QDateTime &value, const QString &format);
};

} // namespace station
