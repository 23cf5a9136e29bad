#include "store/clock.h"

namespace store {

namespace {
const SystemClock s_systemClock;
const Clock *s_clock = &s_systemClock;
} // namespace

QDateTime SystemClock::now() const
{
    QDateTime t = QDateTime::currentDateTime();
    t.setTime(QTime(t.time().hour(), t.time().minute(), t.time().second()));
    return t;
}

const Clock &clock()
{
    return *s_clock;
}

void setClock(const Clock *clock)
{
    s_clock = clock ? clock : &s_systemClock;
}

QDateTime now()
{
    return s_clock->now();
}

} // namespace store
