#pragma once

#include <QDateTime>

namespace core {

// The one source of "now" (local time, whole seconds). Tests install their own.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock : public Clock
{
public:
    QDateTime now() const override;
};

// The clock in use; the system clock unless a test installed another.
const Clock &clock();
// Installs a clock (nullptr restores the system clock). The caller keeps ownership.
void setClock(const Clock *clock);
// Shorthand for clock().now().
QDateTime now();

// Sets the program-wide short date format (Qt's letters), chosen by the
// interface language; "M/d/yyyy" until the console sets another.
void setShortDateFormat(const QString &format);
// A moment as logs and event texts show it: the short date, a space and the
// system locale's long time without its zone name.
QString dateTimeText(const QDateTime &at);

} // namespace core
