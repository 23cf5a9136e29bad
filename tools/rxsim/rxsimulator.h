#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

class QTcpSocket;

namespace rxsim {

struct SimulatorOptions
{
    QString host = QStringLiteral("127.0.0.1");
    quint16 port = 2000;
    int ackTimeoutMs = 4000;
    int maxRepeats = 100;             // repeats of one frame before the run gives up
    bool pipelined = false;           // send on without waiting for each ACK
    double rate = 0;                  // frames per second; 0 = as fast as possible
    int reconnectMs = 1000;           // pause before connecting again
    int reconnectAttempts = 10;       // further connections without an ACK before giving up
    double heartbeatEverySeconds = 0; // 0 = no heartbeats between the frames
    double durationSeconds = 0;       // 0 = no cap
};

// One frame of the run and what became of it.
struct FrameRecord
{
    QByteArray text;
    bool interleavedHeartbeat = false; // inserted by the heartbeat timer
    int repeats = 0;
    qint64 firstSentNs = -1; // run clock
    qint64 ackedNs = -1;

    bool sent() const { return firstSentNs >= 0; }
    bool acknowledged() const { return ackedNs >= 0; }
    double latencyMs() const { return double(ackedNs - firstSentNs) / 1e6; }
};

struct RunSummary
{
    int frames = 0; // in the run, heartbeats between frames included
    int sent = 0;   // sent at least once
    int acknowledged = 0;
    int repeats = 0;        // sends beyond the first, after a timeout or a reconnect
    int reconnects = 0;     // connections made after the first one
    int acksReceived = 0;   // 0x06 bytes read
    int unexpectedAcks = 0; // ACKs with no frame waiting for one
    qint64 otherBytes = 0;  // bytes other than 0x06 from the monitor
    double p50Ms = 0;       // ACK latency, first send to ACK, acknowledged frames
    double p99Ms = 0;
    double elapsedSeconds = 0;
    QString stopReason; // why the run ended early; empty when it ran to the end

    bool allAcknowledged() const { return acknowledged == frames && stopReason.isEmpty(); }
};

// Plays the alarm receiver on the monitor's TCP port: sends each frame followed
// by DC4, waits for the one-byte ACK (or, pipelined, sends on and matches ACKs
// to frames in order), repeats a frame whose ACK does not come, and reconnects
// after a dropped connection, repeating what was not acknowledged. Every run
// ends by itself: all frames acknowledged, a frame out of repeats, no
// connection after the allowed attempts, or the duration cap.
class RxSimulator : public QObject
{
    Q_OBJECT

public:
    enum class RepeatReason
    {
        NoAck,
        Reconnect,
    };
    Q_ENUM(RepeatReason)

    RxSimulator(const SimulatorOptions &options, const QList<QByteArray> &frames,
                QObject *parent = nullptr);
    ~RxSimulator() override;

    void start();
    // start() and wait, dispatching events, until finished.
    RunSummary run();

    bool isFinished() const { return m_state == State::Finished; }
    const QList<FrameRecord> &frames() const { return m_frames; }
    RunSummary summary() const;
    // The closing report: counts, latency, elapsed time and rate, and the frames
    // left unacknowledged.
    QStringList summaryLines() const;

signals:
    void notice(const QString &text); // connections, drops, giving up
    void frameAcknowledged(int index);
    void frameRepeated(int index, rxsim::RxSimulator::RepeatReason reason);
    void finished();

private:
    enum class State
    {
        Idle,
        Connecting,
        Connected,
        WaitingToReconnect,
        Finished,
    };

    void connectToMonitor();
    void onConnected();
    void onConnectionLost(const QString &why);
    void onReadyRead();
    void onAckTimeout();
    void onHeartbeatDue();
    void pump();
    void send(int index);
    void write(int index);
    bool repeat(int index, RepeatReason reason);
    void finish(const QString &stopReason);
    qint64 now() const { return m_clock.nsecsElapsed(); }

    SimulatorOptions m_options;
    QList<FrameRecord> m_frames;
    QTcpSocket *m_socket = nullptr;
    State m_state = State::Idle;
    QElapsedTimer m_clock;

    // Frames [m_oldestUnacked, m_next) are out and waiting for their ACK;
    // the monitor answers in the order it receives.
    int m_next = 0;
    int m_oldestUnacked = 0;

    int m_paced = 0;             // paced frames sent so far
    qint64 m_scheduleBaseNs = 0; // paced frame k is due at base + k / rate
    int m_attemptsWithoutAck = 0;
    int m_connections = 0;

    int m_acksReceived = 0;
    int m_unexpectedAcks = 0;
    qint64 m_otherBytes = 0;
    int m_repeats = 0;
    qint64 m_finishedNs = 0;
    QString m_stopReason;

    QTimer m_ackTimer;
    QTimer m_sendTimer;
    QTimer m_connectTimer;
    QTimer m_reconnectTimer;
    QTimer m_heartbeatTimer;
    QTimer m_durationTimer;
};

} // namespace rxsim
