#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <deque>
#include <optional>

class QTcpServer;
class QTcpSocket;

namespace store {
class TDMod;
}

namespace pipeline {

// What the receiver link needs of the console window.
class LinkConsole
{
public:
    virtual ~LinkConsole() = default;
    // Status bar panels: 0 link status, 3 receiver status.
    virtual void setStatusText(int panel, const QString &text) = 0;
    // The console refresh hook: panel 0 text and the priority count labels.
    virtual void RefreshStatusAndCounts() = 0;
    // The system's default beep.
    virtual void beep() = 0;
};

// Our end of the receiver program's TCP connection: frames cut at DC4, each
// answered with 0x06, logged on request, and every event frame stored as a
// Comms row before it is acknowledged.
class ReceiverLink : public QObject
{
    Q_OBJECT
public:
    static constexpr int kWatchdogSeconds = 99;
    static constexpr int kMaxFrameLength = 255;
    static constexpr int kMaxBufferedBytes = 64 * 1024;
    // Frames already waiting are stored and processed in one unit of work of
    // at most this many, or as many as this many milliseconds take, then
    // acknowledged each on its own connection.
    static constexpr int kMaxGroupFrames = 64;
    static constexpr int kMaxGroupMs = 20;
    // Longest run of frame handling before the timers and the screen get a turn.
    static constexpr int kSliceMs = 50;
    // Waits for a store held by another program before a group gives up
    // (no ACK, so the receiver repeats): this many 100 ms attempts.
    static constexpr int kLockAttempts = 51;

    ReceiverLink(store::TDMod &dm, LinkConsole &console, QObject *parent = nullptr);
    ~ReceiverLink() override;

    // Listens on all local interfaces on the port given as text ("2000").
    // Reports a port that cannot be opened and returns false.
    bool open(const QString &port);
    void close();
    bool isListening() const;
    QString port() const { return m_port; }
    // The port actually listened on (the one chosen when opened on "0").
    quint16 serverPort() const;

    // Start-up: watchdog armed at 99 seconds and TickTmr running.
    void start();

    bool ReceiverConnected() const;
    int ReceiverWatchdog() const { return m_watchdog; }
    bool LogReceiverMessages() const { return m_log; }
    // Switching it on also makes an existing log file this user's alone.
    void setLogReceiverMessages(bool on);
    // The frame log, "RxWinsock_Log.TXT" in the current directory.
    QString logFileName() const;

    // One frame (without its DC4): log, acknowledge, store. Public so that
    // tests and fuzzers can drive it without a socket. Called while another
    // frame is being handled (from a nested event loop), it is queued and
    // handled right after that one; an event frame also waits while another
    // handler's unit of work on the store is open below it.
    void HandleReceiverFrame(const QByteArray &frame, QTcpSocket *from = nullptr);
    // Bytes as they come off a connection, cut at DC4 with the same bounds as
    // a socket's, for fuzzers and tests without one; ACKs go nowhere.
    void FeedReceiverBytes(const QByteArray &bytes);
    // The one-second watchdog tick.
    void TickTmrTimer();

    QTimer *TickTmr() const { return m_tickTmr; }

signals:
    // Activity lights: bytes went out / came in.
    void transmitted();
    void received();

private:
    // A receiver connection and the characters it sent since its last DC4.
    struct Connection
    {
        QByteArray buffer;
        bool discarding = false;      // dropping an overlong run up to its DC4
        bool holdBackCurrent = false; // the frame in the buffer began before a refusal
    };
    // A cut frame waiting its turn, with the connection its ACK goes back on.
    struct QueuedFrame
    {
        QByteArray frame;
        QPointer<QTcpSocket> from;
        bool heldBack = false; // behind an unacknowledged frame: log only
        qint64 arrivedMs = 0;  // monotonic clock, when it was cut
        bool logged = false;   // its log line is written (a group that failed)
    };
    // An event frame's Comms values, when the frame is one that is stored.
    struct EventFrame
    {
        int rxNo = 0;
        int lineNo = 0;
        int protocol = 1;
        QString data;
    };

    void TCPortWsAccept();
    void TCPortWsDisconnect(QTcpSocket *socket);
    void TCPortTriggerAvail(QTcpSocket *socket);
    void readFrom(QTcpSocket *socket, bool force);
    void cutFrames(QTcpSocket *socket, Connection &connection, const QByteArray &bytes);
    void processQueue();
    void readWaitingBytes();
    // Reads what the connections hold now; true when there is something to handle.
    bool pollConnections();
    bool mustGiveWay(const QueuedFrame &queued) const;
    void handleFrame(const QueuedFrame &queued);
    std::optional<EventFrame> storableEvent(const QueuedFrame &queued) const;
    void storeGroup();
    void dropRepeatsOf(const QueuedFrame &stored);
    void holdBackQueuedFrom(QTcpSocket *socket);
    void SendAck(QTcpSocket *to);
    bool AppendLogLine(const QString &fileName, const QString &line, QString *error);
    void logLine(const QDateTime &at, const QString &text);
    void markReceiverOnline();
    void showLinkStatus();
    void reportError(const QString &text);
    void scheduleReports();
    void showReports();
    void showOfflineWarning();

    store::TDMod &m_dm;
    LinkConsole &m_console;
    QTcpServer *m_server = nullptr;
    QTimer *m_tickTmr = nullptr;
    QTimer *m_giveWayTimer = nullptr;
    QTimer *m_resumeTimer = nullptr; // the frame loop again, after giving way to the event loop
    int m_singleFrames = 0; // frames of a failed group, now stored one per unit of work
    QString m_port;
    QHash<QTcpSocket *, Connection> m_connections;
    Connection m_unconnected; // the buffer FeedReceiverBytes cuts
    std::deque<QueuedFrame> m_queue;
    int m_watchdog = kWatchdogSeconds;
    bool m_offlineWarningShown = false;
    bool m_offlineWarningPending = false;
    bool m_log = false;
    bool m_logFailing = false;
    bool m_handling = false; // the frame loop is running (maybe below a nested event loop)
    bool m_errorBoxOpen = false;
    bool m_reportScheduled = false;
    QString m_pendingError;
};

} // namespace pipeline
