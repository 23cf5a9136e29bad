#pragma once

#include "core/consolehooks.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace station {

// The console refresh hooks as the store and the event path call them. A
// flood of events asks for a refresh per event; the window follows once the
// event loop gets its turn, and at most about 20 times a second, so the
// screen keeps up without costing each event a repaint.
class CoalescedHooks : public QObject, public core::ConsoleHooks
{
    Q_OBJECT
public:
    static constexpr int kMinIntervalMs = 50;

    CoalescedHooks(core::ConsoleHooks &target, QObject *parent = nullptr);

    void RefreshStatusAndCounts() override;
    void UpdateQueueControls() override;
    void RestoreFromMinimised() override;

    // Runs what was asked for now.
    void flush();

private:
    void schedule();

    core::ConsoleHooks &m_target;
    QTimer m_timer;
    QElapsedTimer m_last;
    bool m_counts = false;
    bool m_controls = false;
    bool m_restore = false;
};

} // namespace station
