#include "core/clock.h"

#include <QLocale>

namespace core {

namespace {
const SystemClock s_systemClock;
const Clock *s_clock = &s_systemClock;
QString s_shortDateFormat = QStringLiteral("M/d/yyyy");

// The locale's long time without its time-zone name: the station's own
// clock time is all the operator needs.
QString longTimeFormat(const QLocale &locale)
{
    QString out;
    bool quoted = false;
    for (const QChar c : locale.timeFormat(QLocale::LongFormat)) {
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != u't')
            out += c;
    }
    return out.simplified();
}
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

void setShortDateFormat(const QString &format)
{
    s_shortDateFormat = format;
}

QString dateTimeText(const QDateTime &at)
{
    if (!at.isValid())
        return {};
    const QLocale system = QLocale::system();
    return QLocale::c().toString(at.date(), s_shortDateFormat) + QLatin1Char(' ') +
           system.toString(at.time(), longTimeFormat(system));
}

} // namespace core
