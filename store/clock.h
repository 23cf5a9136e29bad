#pragma once

#include <QDateTime>

namespace store {

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

} // namespace store
