#include "pipeline/receiverlink.h"

#include "localization/texts.h"
#include "core/clock.h"
#include "store/errors.h"
#include "core/messages.h"
#include "store/tdmod.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

#include <chrono>
#include <optional>
#include <utility>

namespace pipeline {

using namespace Qt::StringLiterals;

namespace {

constexpr char kDC4 = '\x14';
constexpr char kAck = '\x06';
// Frames cut but not yet handled. Past this the sockets are left unread, so
// a flood waits in the network buffers instead of in memory.
constexpr std::size_t kMaxQueuedFrames = 1024;
// How soon a frame that gave way to another unit of work is tried again.
constexpr int kGiveWayRetryMs = 100;
// A copy of an unacknowledged frame coming this much later is the receiver
// repeating it after its ACK timeout; sooner, it is a second frame of a stream
// sent without waiting for ACKs.
constexpr qint64 kRepeatAfterMs = 500;

qint64 monotonicMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Positions 2-20 of a heartbeat: 011, eleven spaces, @, four spaces.
const QString &heartbeatBody()
{
    static const QString body = u"011"_s + QString(11, u' ') + u'@' + QString(4, u' ');
    return body;
}

// An optional sign, then digits; no blanks.
std::optional<int> decimalNumber(const QString &text)
{
    qsizetype i = 0;
    if (!text.isEmpty() && (text.at(0) == u'-' || text.at(0) == u'+'))
        i = 1;
    if (i >= text.size())
        return std::nullopt;
    for (qsizetype k = i; k < text.size(); ++k) {
        if (text.at(k) < u'0' || text.at(k) > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

ReceiverLink::ReceiverLink(store::TDMod &dm, LinkConsole &console, QObject *parent)
    : QObject(parent), m_dm(dm), m_console(console), m_server(new QTcpServer(this)),
      m_tickTmr(new QTimer(this)), m_giveWayTimer(new QTimer(this))
{
    m_tickTmr->setObjectName(u"TickTmr"_s);
    m_tickTmr->setInterval(1000);
    connect(m_tickTmr, &QTimer::timeout, this, &ReceiverLink::TickTmrTimer);
    connect(m_server, &QTcpServer::newConnection, this, &ReceiverLink::TCPortWsAccept);
    m_giveWayTimer->setSingleShot(true);
    m_giveWayTimer->setInterval(kGiveWayRetryMs);
    connect(m_giveWayTimer, &QTimer::timeout, this, &ReceiverLink::processQueue);
    m_resumeTimer = new QTimer(this);
    m_resumeTimer->setSingleShot(true);
    m_resumeTimer->setInterval(0);
    connect(m_resumeTimer, &QTimer::timeout, this, &ReceiverLink::processQueue);
}

ReceiverLink::~ReceiverLink()
{
    for (auto it = m_connections.keyBegin(); it != m_connections.keyEnd(); ++it) {
        (*it)->disconnect(this);
        (*it)->abort();
    }
    m_connections.clear();
}

bool ReceiverLink::open(const QString &port)
{
    // The new port is opened before the old one closes: a port that cannot
    // be opened leaves the receiver's current one listening.
    bool ok = false;
    const uint number = port.trimmed().toUInt(&ok, 10);
    if (!ok || number > 65535) {
        core::messages().error(loc::text("'%1' is not a valid port number").arg(port));
        return false;
    }
    if (m_server->isListening() && number != 0 && m_server->serverPort() == number) {
        m_port = port;
        return true; // already listening there: its connections stay
    }
    auto *server = new QTcpServer(this);
    if (!server->listen(QHostAddress::Any, static_cast<quint16>(number))) {
        core::messages().error(
            loc::text("Cannot listen on port %1: %2").arg(port, server->errorString()));
        delete server;
        return false;
    }
    close();
    delete m_server;
    m_server = server;
    connect(m_server, &QTcpServer::newConnection, this, &ReceiverLink::TCPortWsAccept);
    m_port = port;
    return true;
}

void ReceiverLink::close()
{
    m_server->close();
    const QList<QTcpSocket *> sockets = m_connections.keys();
    m_connections.clear();
    for (QTcpSocket *socket : sockets) {
        socket->disconnect(this);
        // What is already written (ACKs) still goes out before the close.
        connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
        socket->disconnectFromHost();
        if (socket->state() == QAbstractSocket::UnconnectedState)
            socket->deleteLater();
    }
    if (!sockets.isEmpty())
        showLinkStatus();
}

bool ReceiverLink::isListening() const
{
    return m_server->isListening();
}

quint16 ReceiverLink::serverPort() const
{
    return m_server->serverPort();
}

void ReceiverLink::start()
{
    m_watchdog = kWatchdogSeconds;
    m_tickTmr->start();
}

bool ReceiverLink::ReceiverConnected() const
{
    return !m_connections.isEmpty();
}

QString ReceiverLink::logFileName() const
{
    return u"RxWinsock_Log.TXT"_s;
}

// ---- Connections -----------------------------------------------------------

void ReceiverLink::TCPortWsAccept()
{
    // Every connection offered is taken, each with its own buffer.
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        m_connections.insert(socket, Connection{});
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        // Bounded, so bytes we are not ready for wait in the network buffers.
        socket->setReadBufferSize(kMaxBufferedBytes);
        connect(socket, &QTcpSocket::readyRead, this,
                [this, socket] { TCPortTriggerAvail(socket); });
        connect(socket, &QAbstractSocket::disconnected, this,
                [this, socket] { TCPortWsDisconnect(socket); });
        showLinkStatus();
    }
}

void ReceiverLink::TCPortWsDisconnect(QTcpSocket *socket)
{
    if (!m_connections.contains(socket))
        return;
    // Frames that came in just before the close are still stored; their ACK
    // has nowhere to go, so the receiver repeats them.
    readFrom(socket, true);
    m_connections.remove(socket);
    socket->deleteLater();
    showLinkStatus();
    processQueue();
}

void ReceiverLink::TCPortTriggerAvail(QTcpSocket *socket)
{
    readFrom(socket, false);
    processQueue();
}

void ReceiverLink::readFrom(QTcpSocket *socket, bool force)
{
    auto it = m_connections.find(socket);
    if (it == m_connections.end())
        return;
    // A full queue leaves the bytes in the socket until the loop has room.
    if (!force && m_queue.size() >= kMaxQueuedFrames)
        return;
    const QByteArray bytes = socket->readAll();
    if (bytes.isEmpty())
        return;
    cutFrames(socket, it.value(), bytes);
    emit received();
}

void ReceiverLink::cutFrames(QTcpSocket *socket, Connection &connection, const QByteArray &bytes)
{
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        const qsizetype dc4 = bytes.indexOf(kDC4, pos);
        const qsizetype end = dc4 < 0 ? bytes.size() : dc4;
        if (!connection.discarding) {
            if (connection.buffer.size() + (end - pos) > kMaxBufferedBytes) {
                // Not a receiver frame. Whatever else is glued to it up to
                // the next DC4 goes as well and gets no ACK, so a real frame
                // caught in it is repeated by the receiver, never half-taken.
                connection.buffer.clear();
                connection.buffer.squeeze();
                connection.discarding = true;
                logLine(core::now(),
                        loc::text("(more than %1 bytes without DC4 dropped up to the next DC4)")
                            .arg(kMaxBufferedBytes));
            } else {
                connection.buffer.append(bytes.constData() + pos, end - pos);
            }
        }
        if (dc4 < 0)
            break;
        if (connection.discarding) {
            connection.discarding = false;
            connection.holdBackCurrent = false;
        } else {
            m_queue.push_back({connection.buffer.left(kMaxFrameLength), socket,
                               connection.holdBackCurrent, monotonicMs()});
            connection.buffer.clear();
            connection.holdBackCurrent = false;
        }
        pos = dc4 + 1;
    }
}

void ReceiverLink::showLinkStatus()
{
    m_console.setStatusText(0, ReceiverConnected() ? loc::text("Status: Receiving Data...")
                                                   : loc::text("Status: Monitoring..."));
    m_console.RefreshStatusAndCounts();
}

// ---- Frames ----------------------------------------------------------------

void ReceiverLink::HandleReceiverFrame(const QByteArray &frame, QTcpSocket *from)
{
    m_queue.push_back({frame.left(kMaxFrameLength), from, false, monotonicMs()});
    processQueue();
}

void ReceiverLink::FeedReceiverBytes(const QByteArray &bytes)
{
    cutFrames(nullptr, m_unconnected, bytes);
    processQueue();
}

void ReceiverLink::processQueue()
{
    // Storing a row can dispatch events (the store's lock waits). Bytes that
    // arrive meanwhile are cut into the queue and wait for this loop, so
    // frames are handled one at a time, in the order they came.
    if (m_handling)
        return;
    QPointer<ReceiverLink> self(this);
    m_handling = true;
    QElapsedTimer slice;
    slice.start();
    for (;;) {
        readWaitingBytes();
        if (m_queue.empty() && !pollConnections())
            break;
        if (m_queue.empty())
            continue;
        // A flood is taken in slices, so that the timers run on time and the
        // screen repaints between them.
        if (slice.elapsed() >= kSliceMs) {
            m_resumeTimer->start();
            m_handling = false;
            return; // boxes wait until the frames waiting now are handled
        }
        if (mustGiveWay(m_queue.front())) {
            m_giveWayTimer->start();
            break;
        }
        if (storableEvent(m_queue.front())) {
            storeGroup();
            if (!self)
                return;
            continue;
        }
        const QueuedFrame queued = m_queue.front();
        m_queue.pop_front();
        handleFrame(queued);
        if (!self)
            return;
    }
    m_handling = false;
    if (!m_pendingError.isEmpty() || m_offlineWarningPending)
        scheduleReports();
}

std::optional<ReceiverLink::EventFrame> ReceiverLink::storableEvent(const QueuedFrame &queued) const
{
    if (queued.heldBack || m_dm.AppClosing() || queued.frame.isEmpty())
        return std::nullopt;
    const char type = queued.frame.at(0);
    if (type != '5' && type != 'S')
        return std::nullopt;
    const QString frame = QString::fromLatin1(queued.frame.left(kMaxFrameLength));
    const std::optional<int> rxNo = decimalNumber(frame.mid(1, 2));
    const std::optional<int> lineNo = decimalNumber(frame.mid(3, 1));
    if (!rxNo || !lineNo)
        return std::nullopt; // taken and reported one by one
    EventFrame event;
    event.rxNo = *rxNo;
    event.lineNo = *lineNo;
    if (type == '5') {
        event.protocol = 1;
        event.data = frame.mid(5, 15);
    } else {
        event.protocol = 2;
        const qsizetype bracket = frame.indexOf(u'[');
        event.data = bracket < 0 ? frame : frame.mid(bracket);
    }
    return event;
}

void ReceiverLink::storeGroup()
{
    // The frames waiting at the front are stored and processed in one unit
    // of work; only after its commit is each acknowledged, in order. A group
    // that fails is taken again one frame at a time, so that only the frame
    // that cannot be stored goes unacknowledged.
    QPointer<ReceiverLink> self(this);
    store::Database &db = m_dm.database();
    std::vector<QueuedFrame> taken;
    const int limit = m_singleFrames > 0 ? 1 : kMaxGroupFrames;
    QString error;
    bool committed = false;
    try {
        store::WriteScope scope(db);
        try {
            db.ensureWriteLock(kLockAttempts, 100);
        } catch (const store::EEngineError &e) {
            // Held by another program for longer than the receiver waits.
            if (e.isBusy())
                throw store::EUnableToObtainID();
            throw;
        }
        if (!self)
            return;
        QElapsedTimer group;
        group.start();
        while (!m_queue.empty() && int(taken.size()) < limit &&
               (taken.empty() || group.elapsed() < kMaxGroupMs)) {
            QueuedFrame &queued = m_queue.front();
            const std::optional<EventFrame> event = storableEvent(queued);
            if (!event)
                break;
            const QDateTime at = core::now();
            if (!queued.logged) {
                logLine(at, QString::fromLatin1(queued.frame));
                queued.logged = true;
            }
            if (event->protocol == 1)
                markReceiverOnline();
            store::CommsRow row;
            row.at = at;
            row.rxNo = event->rxNo;
            row.lineNo = event->lineNo;
            row.protocol = event->protocol;
            row.data = event->data;
            taken.push_back(queued);
            m_queue.pop_front();
            m_dm.StoreEvent(row);
            if (!self)
                return;
        }
        scope.commit();
        committed = true;
    } catch (const core::EAbort &) {
        // Abandoned quietly by a hook: no message, and no ACK.
    } catch (const store::EStoreError &e) {
        error = e.message();
    } catch (const std::exception &e) {
        error = QString::fromLocal8Bit(e.what());
    }
    if (!self)
        return;
    if (committed) {
        m_singleFrames = std::max(0, m_singleFrames - int(taken.size()));
        for (const QueuedFrame &queued : taken) {
            dropRepeatsOf(queued);
            SendAck(queued.from);
        }
        return;
    }
    if (taken.size() > 1) {
        for (auto it = taken.rbegin(); it != taken.rend(); ++it)
            m_queue.push_front(*it);
        m_singleFrames = int(taken.size());
        return;
    }
    m_singleFrames = std::max(0, m_singleFrames - 1);
    if (taken.empty() && !m_queue.empty()) {
        // The store could not be locked: the frame at the front is the one
        // that goes without its ACK.
        const QueuedFrame queued = m_queue.front();
        m_queue.pop_front();
        if (!queued.logged)
            logLine(core::now(), QString::fromLatin1(queued.frame));
        taken.push_back(queued);
    }
    // No ACK: the receiver repeats the frame. It matches ACKs to frames in
    // order, so nothing it sent after this one may be acknowledged before
    // the repeat either.
    if (!taken.empty())
        holdBackQueuedFrom(taken.front().from);
    if (!error.isEmpty())
        reportError(error);
}

bool ReceiverLink::mustGiveWay(const QueuedFrame &queued) const
{
    if (queued.heldBack || m_dm.AppClosing() || queued.frame.isEmpty() ||
        (queued.frame.at(0) != '5' && queued.frame.at(0) != 'S'))
        return false;
    // Another handler's unit of work is open below us (we run inside one of
    // its waits or boxes): a row stored now would commit or roll back with
    // it, after its ACK had gone. Nor may we post a row it is building.
    const store::Dataset::State comms = m_dm.tbComms->state();
    return m_dm.database().inTransaction() || comms == store::Dataset::State::Insert ||
           comms == store::Dataset::State::Edit;
}

bool ReceiverLink::pollConnections()
{
    // A socket whose read buffer once filled up may announce nothing more
    // while the peer's bytes wait in the network buffers: a receiver that
    // sent a burst and now waits for its ACKs would wait for ever. So the
    // queue, once empty, asks every connection directly.
    const QList<QTcpSocket *> sockets = m_connections.keys();
    bool waiting = false;
    for (QTcpSocket *socket : sockets) {
        if (!m_connections.contains(socket) || socket->state() != QAbstractSocket::ConnectedState)
            continue;
        socket->waitForReadyRead(0);
        waiting = waiting || socket->bytesAvailable() > 0;
    }
    return waiting || !m_queue.empty();
}

void ReceiverLink::readWaitingBytes()
{
    // A socket emits no readyRead while its own readyRead is still being
    // handled further down the stack: what it got meanwhile is picked up here.
    const QList<QTcpSocket *> sockets = m_connections.keys();
    for (QTcpSocket *socket : sockets) {
        if (socket->bytesAvailable() > 0)
            readFrom(socket, false);
    }
}

void ReceiverLink::handleFrame(const QueuedFrame &queued)
{
    // A failure in one frame is reported and never stops the frames after it.
    try {
        const QString frame = QString::fromLatin1(queued.frame.left(kMaxFrameLength));
        if (!queued.logged)
            logLine(core::now(), frame);
        if (queued.heldBack || m_dm.AppClosing())
            return;

        const QChar type = frame.isEmpty() ? QChar() : frame.at(0);
        if (type != u'5' && type != u'S') {
            SendAck(queued.from);
            if (type == u'1' && frame.mid(1, 19) == heartbeatBody())
                markReceiverOnline();
            return;
        }

        if (type == u'5')
            markReceiverOnline();
        const QString rxText = frame.mid(1, 2);
        const QString lineText = frame.mid(3, 1);
        const std::optional<int> rxNo = decimalNumber(rxText);
        const std::optional<int> lineNo = decimalNumber(lineText);
        if (!rxNo || !lineNo) {
            // Repeating it would not make it readable: taken, and reported.
            SendAck(queued.from);
            reportError(
                loc::text("'%1' is not a valid integer value").arg(rxNo ? lineText : rxText));
            return;
        }
        // Event frames with readable numbers are stored in groups (storeGroup).
    } catch (const std::exception &e) {
        reportError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        reportError(loc::text("Unexpected failure while handling a receiver frame"));
    }
}

void ReceiverLink::dropRepeatsOf(const QueuedFrame &stored)
{
    // The receiver repeats a frame whose ACK is late (a store busy for longer
    // than its ACK timeout). Copies that came in well after it and before
    // this ACK are that repeat: stored again they would be duplicates, and
    // their extra ACKs would answer frames the receiver sends after them,
    // before those are stored. The one ACK answers them all.
    QTcpSocket *socket = stored.from.data();
    if (!socket || !m_connections.contains(socket))
        return;
    readFrom(socket, true);
    for (auto it = m_queue.begin(); it != m_queue.end();) {
        if (it->from != socket) {
            ++it;
            continue;
        }
        if (it->heldBack || it->frame != stored.frame ||
            it->arrivedMs - stored.arrivedMs < kRepeatAfterMs)
            break;
        logLine(core::now(), QString::fromLatin1(it->frame));
        it = m_queue.erase(it);
    }
}

void ReceiverLink::holdBackQueuedFrom(QTcpSocket *socket)
{
    // A closed connection gets no ACKs any more, so its frames are stored.
    if (!socket || !m_connections.contains(socket))
        return;
    // Everything it sent so far, including what is still in the socket and
    // the frame it is in the middle of.
    readFrom(socket, true);
    auto it = m_connections.find(socket);
    if (it == m_connections.end())
        return;
    for (QueuedFrame &queued : m_queue) {
        if (queued.from == socket)
            queued.heldBack = true;
    }
    it->holdBackCurrent = !it->buffer.isEmpty() || it->discarding;
}

void ReceiverLink::SendAck(QTcpSocket *to)
{
    if (!to || !m_connections.contains(to) || to->state() != QAbstractSocket::ConnectedState)
        return;
    to->write(QByteArray(1, kAck));
    // Out now, not when the loop next gets round to it.
    to->flush();
    emit transmitted();
}

// ---- Frame log -------------------------------------------------------------

void ReceiverLink::setLogReceiverMessages(bool on)
{
    m_log = on;
    const QString fileName = logFileName();
    const auto owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                       QFileDevice::WriteUser;
    if (on && QFileInfo::exists(fileName) && (QFile::permissions(fileName) & ~owner) != 0 &&
        !QFile::setPermissions(fileName, owner))
        reportError(loc::text("Cannot make the receiver log %1 private to this user")
                        .arg(QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath())));
}

bool ReceiverLink::AppendLogLine(const QString &fileName, const QString &line, QString *error)
{
    if (!m_log)
        return true;
    QFile file(fileName);
    // A new log is this user's alone: it holds the sites' reports.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append,
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        *error = file.errorString();
        return false;
    }
    const QByteArray bytes = line.toUtf8() + "\r\n";
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    if (!written)
        *error = file.errorString();
    file.close();
    return written;
}

void ReceiverLink::logLine(const QDateTime &at, const QString &text)
{
    if (!m_log)
        return;
    QString error;
    const QString fileName = logFileName();
    if (AppendLogLine(fileName, core::dateTimeText(at) + u" -- "_s + text, &error)) {
        m_logFailing = false;
        return;
    }
    // The log never costs a frame: reported once per run of failures.
    if (m_logFailing)
        return;
    m_logFailing = true;
    reportError(loc::text("Cannot write the receiver log %1: %2")
                    .arg(QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath()), error));
}

// ---- Receiver watchdog -----------------------------------------------------

void ReceiverLink::markReceiverOnline()
{
    m_console.setStatusText(3, loc::text("Receiver: Online"));
    // A warning still waiting to be shown is out of date now.
    if (std::exchange(m_offlineWarningPending, false))
        m_offlineWarningShown = false;
    // A full 99 seconds from this frame.
    const bool running = m_tickTmr->isActive();
    m_tickTmr->stop();
    m_watchdog = kWatchdogSeconds;
    if (running)
        m_tickTmr->start();
}

void ReceiverLink::TickTmrTimer()
{
    // Once a second, whatever waits unannounced on a connection is taken.
    if (!m_handling && !m_connections.isEmpty())
        processQueue();
    if (m_watchdog <= 0)
        return;
    if (--m_watchdog > 0)
        return;
    m_console.setStatusText(3, loc::text("Receiver: Offline"));
    m_console.beep();
    if (m_offlineWarningShown)
        return;
    m_offlineWarningShown = true;
    if (m_handling) {
        // Not on top of a frame in hand: the box would hold up every frame
        // behind it until the operator answers.
        m_offlineWarningPending = true;
        scheduleReports();
        return;
    }
    showOfflineWarning();
}

void ReceiverLink::showOfflineWarning()
{
    QPointer<ReceiverLink> self(this);
    core::messages().warning(loc::text("Rovask Alarm Receiver is Offline !"));
    if (self)
        m_offlineWarningShown = false;
}

// ---- Message boxes ---------------------------------------------------------

void ReceiverLink::reportError(const QString &text)
{
    // One box at a time: errors while one is open or waiting are not shown.
    if (m_errorBoxOpen || !m_pendingError.isEmpty())
        return;
    m_pendingError =
        text.isEmpty() ? loc::text("Unexpected failure while handling a receiver frame") : text;
    // Also in the program's output, for a station that runs it unattended.
    qWarning("Receiver link: %s", qUtf8Printable(m_pendingError));
    scheduleReports();
}

void ReceiverLink::scheduleReports()
{
    if (m_reportScheduled)
        return;
    m_reportScheduled = true;
    QTimer::singleShot(0, this, &ReceiverLink::showReports);
}

void ReceiverLink::showReports()
{
    m_reportScheduled = false;
    // Boxes are modal and run their own event loop. Opened outside the frame
    // loop, frames keep being handled and acknowledged while they are open.
    if (m_handling || m_resumeTimer->isActive())
        return; // processQueue schedules them again when it is done
    QPointer<ReceiverLink> self(this);
    if (m_offlineWarningPending) {
        m_offlineWarningPending = false;
        // Only while the receiver is still silent.
        if (m_watchdog > 0)
            m_offlineWarningShown = false;
        else
            showOfflineWarning();
        if (!self)
            return;
    }
    if (!m_pendingError.isEmpty() && !m_errorBoxOpen) {
        const QString text = std::exchange(m_pendingError, QString());
        m_errorBoxOpen = true;
        core::messages().error(text);
        if (!self)
            return;
        m_errorBoxOpen = false;
    }
}

} // namespace pipeline
