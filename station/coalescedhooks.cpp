#include "station/coalescedhooks.h"

#include "core/guarded.h"

#include <algorithm>
#include <utility>

namespace station {

CoalescedHooks::CoalescedHooks(core::ConsoleHooks &target, QObject *parent)
    : QObject(parent), m_target(target)
{
    setObjectName(QStringLiteral("ConsoleRefresh"));
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CoalescedHooks::flush);
}

void CoalescedHooks::RefreshStatusAndCounts()
{
    m_counts = true;
    schedule();
}

void CoalescedHooks::UpdateQueueControls()
{
    m_controls = true;
    schedule();
}

void CoalescedHooks::RestoreFromMinimised()
{
    m_restore = true;
    schedule();
}

void CoalescedHooks::schedule()
{
    if (m_timer.isActive())
        return;
    const qint64 since = m_last.isValid() ? m_last.elapsed() : kMinIntervalMs;
    m_timer.start(int(std::max<qint64>(0, kMinIntervalMs - since)));
}

void CoalescedHooks::flush()
{
    m_timer.stop();
    m_last.start();
    if (std::exchange(m_counts, false))
        core::guarded([this] { m_target.RefreshStatusAndCounts(); });
    if (std::exchange(m_controls, false))
        core::guarded([this] { m_target.UpdateQueueControls(); });
    if (std::exchange(m_restore, false))
        core::guarded([this] { m_target.RestoreFromMinimised(); });
}

} // namespace station
