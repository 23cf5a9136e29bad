#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QSet>
#include <QString>

#include <memory>

class QTimer;

#include "store/tdmod.h"

namespace pipeline {

// Turns stored Comms rows into the station's reaction: account state and last
// signal, a History row, a Pending row with an alarm sound, or nothing, and
// independently an Outbox row for the key holders. Owned by the main window;
// the data module must outlive it.
//
// Every event is one unit of work: its account updates, its Pending, History
// or Outbox row and the row's Comms.Processed mark commit together, so an
// acknowledged event is processed exactly once, also across a crash. Events
// run one at a time in Comms ID order; arrivals while one runs (a wait or a
// box dispatching events) are taken up after it.
//
// Only a row that cannot be decoded is marked failed. Any other failure leaves
// the row waiting: it is tried again with a growing pause, and the operator is
// told once. The e-mail never takes its alarm with it: an Outbox row that
// cannot be written is reported, and the rest of the event commits.
class EventProcessor : public QObject, public store::EventIntake
{
    Q_OBJECT
public:
    // How long a High alarm loops before it silences itself.
    static constexpr int kAlmTimerMs = 20000;
    // Waits for a store held by another program: this many 100 ms attempts
    // per try, then a new try after kBusyRetryMs.
    static constexpr int kLockAttempts = 11;
    static constexpr int kBusyRetryMs = 1000;
    // A failing event is tried again after kBusyRetryMs, doubling up to this.
    static constexpr int kMaxRetryMs = 10000;
    // Longest run of events processed before intake gets its turn.
    static constexpr int kSliceMs = 50;

    explicit EventProcessor(store::TDMod &dm, QObject *parent = nullptr);
    ~EventProcessor() override;

    // The new-comms message for Comms row commsId. Processes that row and any
    // earlier one still waiting, in ID order; a row already processed is left
    // alone. Failures are shown through core::messages().
    void OnWM_NewCommsData(int commsId);

    // The event path: a row stored by the receiver link or by supervision is
    // processed in the same unit of work, so that its ACK follows one commit.
    bool takesInline() const override;
    std::optional<int> processStored(const store::CommsRow &row) override;
    void rowLeftWaiting(int commsId) override;

    // Start-up, before the receiver port opens: processes every stored row
    // not yet processed (left by a crash or a power cut), in ID order.
    // Returns how many rows it handled.
    int ProcessBacklog();

    // The silencing of the pending queue (its Silence button and the AlmTimer
    // expiry): when an alarm loops, clears AlarmSounding, stops AlmTimer,
    // replaces the loop by one short chime and emits silenced().
    void Silence();

    // A looping alarm sound of priority 1 or 2 is playing.
    bool AlarmSounding() const { return m_alarmSounding; }
    QTimer *AlmTimer() const { return m_almTimer; }

signals:
    // The alarm went quiet: the console disables its Silence button.
    void silenced();

private:
    enum class Outcome
    {
        Done,
        Failed,   // cannot be decoded: marked, never tried again
        DiskFull, // waits, like Busy, and the operator is told once
        Waiting,  // any other failure: waits, retried with a back-off, told once
        Busy,
        GiveWay
    };
    struct Effects;
    struct Savepoint;

    void run();
    // Processes waiting rows up to m_upTo; returns the first failure's text.
    QString processWaiting();
    int nextWaiting();
    bool storeIsFree(bool locked) const;
    Outcome processOne(int commsId, QString *failure);
    void applyEvent(const store::CommsRow &row, Effects &effects);
    void queueAfterCommit(const Effects &effects);
    void markFailed(int commsId);
    QString afterCommit(const Effects &effects);
    void startAlarmSound(int priority);
    void queueMail(Effects &effects, const store::OutboxRow &row);
    void showInlineFailure();
    void reloadShownAccount();
    int nextRetryMs();

    store::TDMod &m_dm;
    QTimer *m_almTimer;
    QTimer *m_retryTimer;
    QTimer *m_accountReload; // the shown account's state, read again at screen speed
    QElapsedTimer m_lastAccountReload;
    bool m_alarmSounding = false;
    bool m_running = false;
    bool m_backlogRun = false;
    int m_upTo = 0;             // highest Comms ID announced so far
    int m_handled = 0;          // rows processed or failed
    QSet<int> m_failedUnmarked; // failed rows whose failure mark could not be stored
    QString m_consoleFailure;   // a failure of the console follow-up of a committed event
    bool m_fullReported = false; // the operator knows events wait for disk space
    bool m_waitReported = false; // the operator knows an event waits after a failure
    bool m_mailReported = false; // the operator knows an e-mail could not be queued
    bool m_idle = false;         // no stored row is known to wait
    bool m_inline = false;       // an event is being processed where it was stored
    bool m_failureShowing = false;
    QString m_inlineFailure;     // to show once the receiver's unit of work is done
    int m_retryMs = 0;           // pause before the next try of a waiting event
};

} // namespace pipeline
