#include "tools/rxsim/rxsimulator.h"

#include "tools/rxsim/framesource.h"

#include <QEventLoop>
#include <QTcpSocket>

#include <algorithm>
#include <climits>
#include <cmath>

namespace rxsim {

namespace {

constexpr int kConnectTimeoutMs = 5000;
// Pipelined sending hands the socket at most this much before waiting for it
// to drain, and returns to the event loop after a batch so ACKs are read as
// they come rather than after the whole stream.
constexpr qint64 kMaxBufferedBytes = 16 * 1024;
constexpr int kBatchFrames = 512;
constexpr int kListedUnacknowledged = 20;

int toTimerMs(double ms)
{
    return static_cast<int>(std::clamp(std::ceil(ms), 0.0, double(INT_MAX)));
}

double percentile(const QList<double> &sorted, double q)
{
    if (sorted.isEmpty())
        return 0;
    // nearest rank
    const auto rank = static_cast<qsizetype>(std::ceil(q * double(sorted.size())));
    return sorted.at(std::clamp<qsizetype>(rank - 1, 0, sorted.size() - 1));
}

QString printable(const QByteArray &frame)
{
    return QString::fromLatin1(frame);
}

} // namespace

RxSimulator::RxSimulator(const SimulatorOptions &options, const QList<QByteArray> &frames,
                         QObject *parent)
    : QObject(parent), m_options(options), m_socket(new QTcpSocket(this))
{
    m_frames.reserve(frames.size());
    for (const QByteArray &text : frames) {
        FrameRecord record;
        record.text = text;
        m_frames.append(record);
    }

    m_ackTimer.setSingleShot(true);
    m_ackTimer.setTimerType(Qt::PreciseTimer);
    m_sendTimer.setSingleShot(true);
    m_sendTimer.setTimerType(Qt::PreciseTimer);
    m_connectTimer.setSingleShot(true);
    m_reconnectTimer.setSingleShot(true);
    m_durationTimer.setSingleShot(true);

    connect(&m_ackTimer, &QTimer::timeout, this, &RxSimulator::onAckTimeout);
    connect(&m_sendTimer, &QTimer::timeout, this, &RxSimulator::pump);
    connect(&m_connectTimer, &QTimer::timeout, this,
            [this] { onConnectionLost(QStringLiteral("connection attempt timed out")); });
    connect(&m_reconnectTimer, &QTimer::timeout, this, &RxSimulator::connectToMonitor);
    connect(&m_heartbeatTimer, &QTimer::timeout, this, &RxSimulator::onHeartbeatDue);
    connect(&m_durationTimer, &QTimer::timeout, this, [this] {
        finish(QStringLiteral("duration of %1 s reached").arg(m_options.durationSeconds));
    });

    connect(m_socket, &QTcpSocket::connected, this, &RxSimulator::onConnected);
    connect(m_socket, &QTcpSocket::readyRead, this, &RxSimulator::onReadyRead);
    connect(m_socket, &QTcpSocket::bytesWritten, this, [this] {
        if (m_options.pipelined)
            pump();
    });
    connect(m_socket, &QTcpSocket::disconnected, this,
            [this] { onConnectionLost(QStringLiteral("closed by the monitor")); });
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
        // A look for waiting bytes that found none is no lost connection.
        if (e != QAbstractSocket::SocketTimeoutError)
            onConnectionLost(m_socket->errorString());
    });
}

RxSimulator::~RxSimulator()
{
    m_socket->disconnect(this);
    m_socket->abort();
}

void RxSimulator::start()
{
    if (m_state != State::Idle)
        return;
    m_clock.start();
    if (m_frames.isEmpty()) {
        finish({});
        return;
    }
    if (m_options.heartbeatEverySeconds > 0)
        m_heartbeatTimer.start(std::max(1, toTimerMs(m_options.heartbeatEverySeconds * 1000)));
    if (m_options.durationSeconds > 0)
        m_durationTimer.start(toTimerMs(m_options.durationSeconds * 1000));
    connectToMonitor();
}

RunSummary RxSimulator::run()
{
    QEventLoop loop;
    connect(this, &RxSimulator::finished, &loop, &QEventLoop::quit);
    start();
    if (!isFinished())
        loop.exec();
    return summary();
}

void RxSimulator::connectToMonitor()
{
    if (m_state == State::Finished)
        return;
    ++m_attemptsWithoutAck;
    m_state = State::Connecting;
    m_connectTimer.start(kConnectTimeoutMs);
    m_socket->connectToHost(m_options.host, m_options.port);
}

void RxSimulator::onConnected()
{
    if (m_state != State::Connecting)
        return;
    m_connectTimer.stop();
    m_state = State::Connected;
    ++m_connections;
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    emit notice(QStringLiteral("connected to %1:%2").arg(m_options.host).arg(m_options.port));

    // Pacing starts afresh on every connection: no burst to catch up the
    // time spent reconnecting.
    if (m_options.rate > 0)
        m_scheduleBaseNs = now() - static_cast<qint64>(double(m_paced) * 1e9 / m_options.rate);

    // Whatever was out when the line dropped may never have reached the
    // monitor: send it again, in the original order.
    for (int i = m_oldestUnacked; i < m_next; ++i) {
        if (!repeat(i, RepeatReason::Reconnect))
            return;
    }
    if (m_oldestUnacked < m_next)
        m_ackTimer.start(m_options.ackTimeoutMs);
    pump();
}

void RxSimulator::onConnectionLost(const QString &why)
{
    if (m_state != State::Connecting && m_state != State::Connected)
        return;
    // ACKs that arrived just before the close still count.
    if (m_state == State::Connected && m_socket->bytesAvailable() > 0) {
        onReadyRead();
        if (m_state != State::Connected)
            return;
    }
    const bool wasConnected = m_state == State::Connected;
    m_state = State::WaitingToReconnect;
    m_ackTimer.stop();
    m_sendTimer.stop();
    m_connectTimer.stop();
    m_socket->abort();

    const QString where = QStringLiteral("%1:%2").arg(m_options.host).arg(m_options.port);
    if (m_attemptsWithoutAck > m_options.reconnectAttempts) {
        finish(QStringLiteral("no ACK from %1 over %2 connection attempts (last: %3)")
                   .arg(where)
                   .arg(m_attemptsWithoutAck)
                   .arg(why));
        return;
    }
    emit notice(QStringLiteral("%1 %2: %3; connecting again in %4 ms")
                    .arg(wasConnected ? QStringLiteral("connection to")
                                      : QStringLiteral("cannot connect to"),
                         where, why)
                    .arg(m_options.reconnectMs));
    m_reconnectTimer.start(m_options.reconnectMs);
}

void RxSimulator::onReadyRead()
{
    if (m_state != State::Connected)
        return;
    const QByteArray data = m_socket->readAll();
    bool progressed = false;
    for (const char byte : data) {
        if (byte != Ack) {
            ++m_otherBytes;
            continue;
        }
        ++m_acksReceived;
        if (m_oldestUnacked == m_next) {
            ++m_unexpectedAcks;
            continue;
        }
        const int index = m_oldestUnacked++;
        m_frames[index].ackedNs = now();
        progressed = true;
        emit frameAcknowledged(index);
    }
    if (!progressed)
        return;
    m_attemptsWithoutAck = 0;
    if (m_oldestUnacked == m_next)
        m_ackTimer.stop();
    else
        m_ackTimer.start(m_options.ackTimeoutMs); // pipelined: the wait counts from the last ACK
    pump();
}

void RxSimulator::onAckTimeout()
{
    if (m_state != State::Connected || m_oldestUnacked == m_next)
        return;
    // An ACK already here but not yet read (this process was slow to get
    // round to it) is no missed ACK: repeating now would cross it.
    const int oldest = m_oldestUnacked;
    m_socket->waitForReadyRead(0);
    if (m_state == State::Connected && m_socket->bytesAvailable() > 0)
        onReadyRead();
    if (m_state != State::Connected || m_oldestUnacked != oldest || m_oldestUnacked == m_next)
        return;
    if (m_options.pipelined) {
        if (m_next == m_frames.size()) {
            finish(QStringLiteral("%1 frame(s) got no ACK within %2 ms of the last activity")
                       .arg(m_next - m_oldestUnacked)
                       .arg(m_options.ackTimeoutMs));
        } else if (m_socket->bytesToWrite() > kMaxBufferedBytes) {
            finish(QStringLiteral("the monitor took no frames and sent no ACK for %1 ms")
                       .arg(m_options.ackTimeoutMs));
        }
        // Otherwise still sending: the wait for the stragglers starts at the end.
        return;
    }
    if (repeat(m_oldestUnacked, RepeatReason::NoAck))
        m_ackTimer.start(m_options.ackTimeoutMs);
}

void RxSimulator::onHeartbeatDue()
{
    // Only between frames of a stream still being sent, and never two waiting.
    if (m_state == State::Finished || m_next >= m_frames.size() ||
        m_frames.at(m_next).interleavedHeartbeat)
        return;
    FrameRecord heartbeat;
    heartbeat.text = heartbeatFrame();
    heartbeat.interleavedHeartbeat = true;
    m_frames.insert(m_next, heartbeat);
    pump();
}

void RxSimulator::pump()
{
    if (m_state != State::Connected)
        return;
    int batch = 0;
    while (m_next < m_frames.size()) {
        if (!m_options.pipelined && m_oldestUnacked < m_next)
            return; // waiting for the ACK
        const FrameRecord &frame = m_frames.at(m_next);
        if (!frame.interleavedHeartbeat && m_options.rate > 0) {
            const qint64 due =
                m_scheduleBaseNs + static_cast<qint64>(double(m_paced) * 1e9 / m_options.rate);
            const qint64 wait = due - now();
            if (wait > 0) {
                m_sendTimer.start(toTimerMs(double(wait) / 1e6));
                return;
            }
        }
        if (m_options.pipelined) {
            if (m_socket->bytesToWrite() > kMaxBufferedBytes)
                return; // bytesWritten resumes
            if (++batch > kBatchFrames) {
                m_sendTimer.start(0);
                return;
            }
        }
        send(m_next);
        m_ackTimer.start(m_options.ackTimeoutMs);
        if (!m_options.pipelined)
            m_socket->flush();
    }
    if (m_oldestUnacked == m_frames.size())
        finish({});
}

void RxSimulator::send(int index)
{
    FrameRecord &frame = m_frames[index];
    frame.firstSentNs = now();
    if (!frame.interleavedHeartbeat)
        ++m_paced;
    ++m_next;
    write(index);
}

void RxSimulator::write(int index)
{
    m_socket->write(m_frames.at(index).text + FrameEnd);
}

bool RxSimulator::repeat(int index, RepeatReason reason)
{
    FrameRecord &frame = m_frames[index];
    if (frame.repeats >= m_options.maxRepeats) {
        finish(QStringLiteral("frame %1 not acknowledged after %2 repeat(s): %3")
                   .arg(index + 1)
                   .arg(frame.repeats)
                   .arg(printable(frame.text)));
        return false;
    }
    ++frame.repeats;
    ++m_repeats;
    emit frameRepeated(index, reason);
    write(index);
    if (!m_options.pipelined)
        m_socket->flush();
    return true;
}

void RxSimulator::finish(const QString &stopReason)
{
    if (m_state == State::Finished)
        return;
    m_state = State::Finished;
    m_finishedNs = now();
    m_stopReason = stopReason;
    m_ackTimer.stop();
    m_sendTimer.stop();
    m_connectTimer.stop();
    m_reconnectTimer.stop();
    m_heartbeatTimer.stop();
    m_durationTimer.stop();
    if (m_socket->state() != QAbstractSocket::UnconnectedState)
        m_socket->disconnectFromHost();
    emit finished();
}

RunSummary RxSimulator::summary() const
{
    RunSummary s;
    s.frames = static_cast<int>(m_frames.size());
    QList<double> latencies;
    for (const FrameRecord &frame : m_frames) {
        if (frame.sent())
            ++s.sent;
        if (frame.acknowledged()) {
            ++s.acknowledged;
            latencies.append(frame.latencyMs());
        }
    }
    std::sort(latencies.begin(), latencies.end());
    s.p50Ms = percentile(latencies, 0.50);
    s.p99Ms = percentile(latencies, 0.99);
    s.repeats = m_repeats;
    s.reconnects = std::max(0, m_connections - 1);
    s.acksReceived = m_acksReceived;
    s.unexpectedAcks = m_unexpectedAcks;
    s.otherBytes = m_otherBytes;
    const qint64 endNs = isFinished() ? m_finishedNs : (m_clock.isValid() ? now() : 0);
    s.elapsedSeconds = double(endNs) / 1e9;
    s.stopReason = m_stopReason;
    return s;
}

QStringList RxSimulator::summaryLines() const
{
    const RunSummary s = summary();
    QStringList lines;
    lines << QStringLiteral("frames: %1, sent: %2, acknowledged: %3, unacknowledged: %4")
                 .arg(s.frames)
                 .arg(s.sent)
                 .arg(s.acknowledged)
                 .arg(s.frames - s.acknowledged);
    lines << QStringLiteral("acks received: %1 (unexpected: %2)")
                 .arg(s.acksReceived)
                 .arg(s.unexpectedAcks);
    if (s.otherBytes > 0)
        lines << QStringLiteral("other bytes from the monitor: %1").arg(s.otherBytes);
    lines << QStringLiteral("repeats: %1, reconnects: %2").arg(s.repeats).arg(s.reconnects);
    lines << QStringLiteral("ack latency: p50 %1 ms, p99 %2 ms")
                 .arg(s.p50Ms, 0, 'f', 3)
                 .arg(s.p99Ms, 0, 'f', 3);
    const double rate = s.elapsedSeconds > 0 ? double(s.acknowledged) / s.elapsedSeconds : 0;
    lines << QStringLiteral("elapsed: %1 s, rate: %2 frames/s")
                 .arg(s.elapsedSeconds, 0, 'f', 3)
                 .arg(rate, 0, 'f', 1);
    if (!s.stopReason.isEmpty())
        lines << QStringLiteral("stopped: %1").arg(s.stopReason);

    int listed = 0;
    for (const FrameRecord &frame : m_frames) {
        if (frame.acknowledged())
            continue;
        if (listed++ == kListedUnacknowledged) {
            lines << QStringLiteral("... and %1 more not acknowledged")
                         .arg(s.frames - s.acknowledged - kListedUnacknowledged);
            break;
        }
        lines << QStringLiteral("not acknowledged%1: %2")
                     .arg(frame.sent() ? QString() : QStringLiteral(" (never sent)"),
                          printable(frame.text));
    }
    lines << (s.allAcknowledged() ? QStringLiteral("result: every frame acknowledged")
                                  : QStringLiteral("result: %1 of %2 frame(s) not acknowledged")
                                        .arg(s.frames - s.acknowledged)
                                        .arg(s.frames));
    return lines;
}

} // namespace rxsim
