#pragma once

#include "store/errors.h"

#include <QDateTime>
#include <QString>

namespace store {

class TDMod;

// The Comms row of a synthetic event could not be started: the store stayed
// busy through every attempt.
class EUnableToInsertComs : public EStoreError
{
public:
    EUnableToInsertComs();
};

// Synthetic events formats: no communication, late closing, early opening.
inline constexpr const char *NoSignalEventFormat = "18%sE99900000";
inline constexpr const char *LateClosingEventFormat = "18%sE45400000";
inline constexpr const char *EarlyOpeningEventFormat = "18%sE45100000";

// Notices what does not happen: accounts that stop reporting (event 999),
// sites still open at closing time (454) and sites opened before opening
// time (451). Each is raised as a Comms row, like a received report.
class Supervision
{
public:
    explicit Supervision(TDMod &dm);
    Supervision(const Supervision &) = delete;
    Supervision &operator=(const Supervision &) = delete;

    // Remembers the current minute and day, so nothing runs for them.
    void recordClock();

    // The 5-second tick: late closing at each new minute, no signal on the
    // hour, the daily reset after midnight. Silent while the program closes.
    // A failure is shown in the error box and ends the tick.
    void NoSigTimerTimer();

    // Each check runs at the time given (a tick passes its own).
    void CheckNoSignal(const QDateTime &at);
    void CheckLateClosing(const QDateTime &at);
    void ResetDailyMarks();
    // Right after an opening was processed: event 451 when today's opening
    // time is still to come. Failures propagate to the caller.
    void CheckEarlyOpening(const QString &accountNo);
    // Stores a synthetic event for the account; format holds one %s.
    void InsertSyntheticEvent(const QString &accountNo, const QString &format);

private:
    void tick();

    TDMod &m_dm;
    int m_lastMinute = -1;
    int m_lastDay = -1;
    bool m_inTick = false;
    bool m_boxOpen = false;
};

// "Mon" ... "Sun" for Monday = 1 ... Sunday = 7.
QString weekdayPrefix(int dayOfWeek);

} // namespace store
