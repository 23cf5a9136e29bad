// The receiver simulator against a fake monitor on 127.0.0.1: a QTcpServer
// that cuts frames at DC4 and answers, withholds or hangs up as each case needs.

#include "tools/rxsim/framesource.h"
#include "tools/rxsim/rxsimulator.h"

#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>

using namespace rxsim;

namespace {

struct Reply
{
    int acks = 1;      // 0x06 bytes to send for this frame
    bool drop = false; // then hang up, dropping whatever else was received
};

// The monitor's end of the link, reduced to framing and answering.
class FakeMonitor : public QObject
{
public:
    // index counts frames over all connections, from 0
    using Policy = std::function<Reply(int index, const QByteArray &frame)>;

    explicit FakeMonitor(Policy policy = {}) : m_policy(std::move(policy))
    {
        if (!m_server.listen(QHostAddress::LocalHost, 0))
            qFatal("fake monitor cannot listen: %s", qPrintable(m_server.errorString()));
        connect(&m_server, &QTcpServer::newConnection, this, &FakeMonitor::accept);
    }

    quint16 port() const { return m_server.serverPort(); }

    QList<QByteArray> received;   // every frame, in arrival order
    QList<int> connectionOfFrame; // which connection (from 1) brought it
    int connections = 0;

    // Frames of one connection, in order.
    QList<QByteArray> receivedOn(int connection) const
    {
        QList<QByteArray> frames;
        for (qsizetype i = 0; i < received.size(); ++i) {
            if (connectionOfFrame.at(i) == connection)
                frames.append(received.at(i));
        }
        return frames;
    }

private:
    void accept()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            const int connection = ++connections;
            auto buffer = std::make_shared<QByteArray>();
            connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer, connection] {
                *buffer += socket->readAll();
                qsizetype end;
                while ((end = buffer->indexOf(FrameEnd)) >= 0) {
                    const QByteArray frame = buffer->left(end);
                    buffer->remove(0, end + 1);
                    const int index = static_cast<int>(received.size());
                    received.append(frame);
                    connectionOfFrame.append(connection);
                    const Reply reply = m_policy ? m_policy(index, frame) : Reply{};
                    if (reply.acks > 0)
                        socket->write(QByteArray(reply.acks, Ack));
                    if (reply.drop) {
                        buffer->clear();
                        socket->disconnect(this);
                        socket->disconnectFromHost();
                        return;
                    }
                }
            });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    QTcpServer m_server;
    Policy m_policy;
};

SimulatorOptions optionsFor(const FakeMonitor &monitor)
{
    SimulatorOptions options;
    options.port = monitor.port();
    options.reconnectMs = 50;
    return options;
}

QList<QByteArray> texts(const QList<FrameRecord> &records)
{
    QList<QByteArray> result;
    for (const FrameRecord &record : records)
        result.append(record.text);
    return result;
}

QList<QByteArray> sampleFrames(int count)
{
    GeneratorOptions g;
    g.count = count;
    g.accounts = 5;
    return generateEventFrames(g);
}

} // namespace

class TestRxSim : public QObject
{
    Q_OBJECT

private slots:
    void generatedFramesHaveTheEventLayout();
    void generatorRejectsStreamsItCannotNumber_data();
    void generatorRejectsStreamsItCannotNumber();
    void readsFrameFile();
    void everyFrameAcknowledgedInOrder_data();
    void everyFrameAcknowledgedInOrder();
    void withheldAckIsRepeatedAfterTimeout();
    void givesUpAfterMaxRepeats();
    void droppedConnectionRepeatsUnacknowledgedFrames_data();
    void droppedConnectionRepeatsUnacknowledgedFrames();
    void pipelinedSendsWithoutWaiting_data();
    void pipelinedSendsWithoutWaiting();
    void heartbeatsGoBetweenFramesOfAStream();
    void runsStopByThemselves_data();
    void runsStopByThemselves();
    void executableRunsAgainstMonitor();
    void executableExitCodes_data();
    void executableExitCodes();
};

void TestRxSim::generatedFramesHaveTheEventLayout()
{
    QCOMPARE(heartbeatFrame(), QByteArray("1011           @    "));

    GeneratorOptions g;
    g.count = 600;
    g.accounts = 7;
    g.firstAccount = 42;
    g.receiver = 3;
    g.line = 2;
    g.seed = 99;
    const QList<QByteArray> frames = generateEventFrames(g);
    QCOMPARE(frames.size(), 600);
    QCOMPARE(generateEventFrames(g), frames);
    GeneratorOptions other = g;
    other.seed = 100;
    QVERIFY(generateEventFrames(other) != frames);

    static const QRegularExpression layout(
        QStringLiteral("^5(\\d\\d)(\\d) 18(\\d{4})([ER])(\\d{3})(\\d\\d)(\\d{3})$"));
    static const QSet<int> systemCodes{602, 301, 302};
    static const QSet<int> knownCodes{602, 401, 130, 134, 301, 302, 137, 570, 110, 120};
    QSet<int> accountsSeen;
    QSet<int> codesSeen;
    QHash<QString, QChar> lastQualifier; // account + code -> last E/R
    QHash<QString, int> openZone;        // account + code -> zone of the alarm awaiting restore
    for (const QByteArray &frame : frames) {
        const QString text = QString::fromLatin1(frame);
        const QRegularExpressionMatch m = layout.match(text);
        QVERIFY2(m.hasMatch(), qPrintable(text));
        QCOMPARE(text.size(), 20);
        QCOMPARE(m.captured(1), QStringLiteral("03"));
        QCOMPARE(m.captured(2), QStringLiteral("2"));
        const int account = m.captured(3).toInt();
        QVERIFY2(account >= 42 && account <= 48, qPrintable(text));
        const QChar qualifier = m.captured(4).at(0);
        const int code = m.captured(5).toInt();
        const int group = m.captured(6).toInt();
        const int number = m.captured(7).toInt();
        QVERIFY2(knownCodes.contains(code), qPrintable(text));
        accountsSeen.insert(account);
        codesSeen.insert(code);

        if (systemCodes.contains(code)) {
            QCOMPARE(group, 0);
            QCOMPARE(number, 0);
        } else {
            QCOMPARE(group, 1);
            QVERIFY2(number > 0, qPrintable(text));
        }
        const QString key = m.captured(3) + m.captured(5);
        if (code == 602) {
            QCOMPARE(qualifier, QLatin1Char('E'));
            continue;
        }
        // Openings alternate with closings, and every restore follows its alarm
        // on the same zone.
        const QChar expected = lastQualifier.value(key, QLatin1Char('R')) == QLatin1Char('R')
                                   ? QLatin1Char('E')
                                   : QLatin1Char('R');
        QVERIFY2(qualifier == expected, qPrintable(text));
        lastQualifier.insert(key, qualifier);
        if (code != 401) {
            if (qualifier == QLatin1Char('E'))
                openZone.insert(key, number);
            else
                QVERIFY2(openZone.take(key) == number, qPrintable(text));
        }
    }
    QCOMPARE(accountsSeen.size(), 7);
    QVERIFY2(codesSeen.size() >= 8, "the stream should mix the codes");
}

void TestRxSim::generatorRejectsStreamsItCannotNumber_data()
{
    QTest::addColumn<int>("accounts");
    QTest::addColumn<int>("firstAccount");
    QTest::addColumn<int>("receiver");
    QTest::addColumn<bool>("valid");
    QTest::newRow("last account 9999") << 10 << 9990 << 1 << true;
    QTest::newRow("account past 9999") << 11 << 9990 << 1 << false;
    QTest::newRow("no accounts") << 0 << 1 << 1 << false;
    QTest::newRow("three-digit receiver") << 1 << 1 << 100 << false;
}

void TestRxSim::generatorRejectsStreamsItCannotNumber()
{
    QFETCH(int, accounts);
    QFETCH(int, firstAccount);
    QFETCH(int, receiver);
    QFETCH(bool, valid);
    GeneratorOptions g;
    g.count = 50;
    g.accounts = accounts;
    g.firstAccount = firstAccount;
    g.receiver = receiver;
    QCOMPARE(generatorProblem(g).isEmpty(), valid);
    const QList<QByteArray> frames = generateEventFrames(g);
    QCOMPARE(frames.size(), valid ? 50 : 0);
    for (const QByteArray &frame : frames)
        QCOMPARE(frame.size(), 20);
}

void TestRxSim::readsFrameFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString good = dir.filePath(QStringLiteral("frames.txt"));
    {
        QFile file(good);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("5011 181234E13001015\r\n\r\n1011           @    \n\nS011[#1234|Nri1/BA01]");
    }
    QList<QByteArray> frames;
    QString error;
    QVERIFY2(readFrameFile(good, &frames, &error), qPrintable(error));
    QCOMPARE(frames, (QList<QByteArray>{"5011 181234E13001015", "1011           @    ",
                                        "S011[#1234|Nri1/BA01]"}));

    const QString bad = dir.filePath(QStringLiteral("bad.txt"));
    {
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("5011 181234E13001015\n5011 18\x14"
                   "1234E13001015\n");
    }
    QList<QByteArray> untouched{"kept"};
    QVERIFY(!readFrameFile(bad, &untouched, &error));
    QVERIFY2(error.contains(QStringLiteral("line 2")), qPrintable(error));
    QCOMPARE(untouched, QList<QByteArray>{"kept"});

    QVERIFY(!readFrameFile(dir.filePath(QStringLiteral("missing.txt")), &frames, &error));
    QVERIFY(error.contains(QStringLiteral("missing.txt")));
}

void TestRxSim::everyFrameAcknowledgedInOrder_data()
{
    QTest::addColumn<bool>("pipelined");
    QTest::newRow("waiting for each ACK") << false;
    QTest::newRow("pipelined") << true;
}

void TestRxSim::everyFrameAcknowledgedInOrder()
{
    QFETCH(bool, pipelined);
    FakeMonitor monitor;
    QList<QByteArray> frames = sampleFrames(300);
    frames.insert(100, heartbeatFrame());
    frames.append(QByteArray()); // an empty frame is acknowledged too

    SimulatorOptions options = optionsFor(monitor);
    options.pipelined = pipelined;
    RxSimulator sim(options, frames);
    QList<int> ackOrder;
    connect(&sim, &RxSimulator::frameAcknowledged, this,
            [&](int index) { ackOrder.append(index); });
    const RunSummary summary = sim.run();

    QVERIFY2(summary.allAcknowledged(), qPrintable(sim.summaryLines().join(u'\n')));
    QCOMPARE(monitor.received, frames);
    QCOMPARE(texts(sim.frames()), frames);
    QCOMPARE(ackOrder.size(), frames.size());
    for (qsizetype i = 0; i < ackOrder.size(); ++i)
        QCOMPARE(ackOrder.at(i), int(i));
    QCOMPARE(summary.frames, frames.size());
    QCOMPARE(summary.sent, frames.size());
    QCOMPARE(summary.acksReceived, frames.size());
    QCOMPARE(summary.unexpectedAcks, 0);
    QCOMPARE(summary.repeats, 0);
    QCOMPARE(summary.reconnects, 0);
    QVERIFY(summary.p50Ms > 0);
    QVERIFY(summary.p99Ms >= summary.p50Ms);
}

void TestRxSim::withheldAckIsRepeatedAfterTimeout()
{
    // The first send of the second frame gets no answer.
    FakeMonitor monitor([](int index, const QByteArray &) { return Reply{index == 1 ? 0 : 1}; });
    const QList<QByteArray> frames = sampleFrames(3);
    SimulatorOptions options = optionsFor(monitor);
    options.ackTimeoutMs = 300;
    RxSimulator sim(options, frames);
    QList<RxSimulator::RepeatReason> reasons;
    connect(&sim, &RxSimulator::frameRepeated, this,
            [&](int index, RxSimulator::RepeatReason reason) {
                QCOMPARE(index, 1);
                reasons.append(reason);
            });
    const RunSummary summary = sim.run();

    QVERIFY2(summary.allAcknowledged(), qPrintable(sim.summaryLines().join(u'\n')));
    QCOMPARE(monitor.received, (QList<QByteArray>{frames[0], frames[1], frames[1], frames[2]}));
    QCOMPARE(reasons, QList<RxSimulator::RepeatReason>{RxSimulator::RepeatReason::NoAck});
    QCOMPARE(summary.repeats, 1);
    QCOMPARE(sim.frames().at(1).repeats, 1);
    // latency runs from the first send, so it covers the wait for the repeat
    QVERIFY2(sim.frames().at(1).latencyMs() >= 290,
             qPrintable(QString::number(sim.frames().at(1).latencyMs())));
}

void TestRxSim::givesUpAfterMaxRepeats()
{
    FakeMonitor monitor([](int, const QByteArray &) { return Reply{0}; });
    const QList<QByteArray> frames = sampleFrames(3);
    SimulatorOptions options = optionsFor(monitor);
    options.ackTimeoutMs = 50;
    options.maxRepeats = 2;
    RxSimulator sim(options, frames);
    const RunSummary summary = sim.run();

    QVERIFY(!summary.allAcknowledged());
    QCOMPARE(monitor.received, QList<QByteArray>(3, frames[0]));
    QCOMPARE(summary.acknowledged, 0);
    QCOMPARE(summary.sent, 1);
    QCOMPARE(summary.repeats, 2);
    QVERIFY(!summary.stopReason.isEmpty());
    const QString report = sim.summaryLines().join(u'\n');
    QVERIFY2(report.contains(QStringLiteral("not acknowledged (never sent): ") +
                             QString::fromLatin1(frames[2])),
             qPrintable(report));
}

void TestRxSim::droppedConnectionRepeatsUnacknowledgedFrames_data()
{
    QTest::addColumn<bool>("pipelined");
    QTest::newRow("waiting for each ACK") << false;
    QTest::newRow("pipelined") << true;
}

void TestRxSim::droppedConnectionRepeatsUnacknowledgedFrames()
{
    QFETCH(bool, pipelined);
    // The monitor hangs up on the first arrival of the fourth frame, unanswered.
    FakeMonitor monitor([](int index, const QByteArray &) {
        return index == 3 ? Reply{0, true} : Reply{};
    });
    const QList<QByteArray> frames = sampleFrames(10);
    SimulatorOptions options = optionsFor(monitor);
    options.pipelined = pipelined;
    options.ackTimeoutMs = 2000;
    RxSimulator sim(options, frames);
    const RunSummary summary = sim.run();

    QVERIFY2(summary.allAcknowledged(), qPrintable(sim.summaryLines().join(u'\n')));
    QCOMPARE(monitor.connections, 2);
    QCOMPARE(summary.reconnects, 1);
    QCOMPARE(monitor.receivedOn(1).mid(0, 4), frames.mid(0, 4));
    const QList<QByteArray> second = monitor.receivedOn(2);
    if (!pipelined) {
        QCOMPARE(second, frames.mid(3));
        QCOMPARE(summary.repeats, 1);
        QCOMPARE(sim.frames().at(3).repeats, 1);
    } else {
        // Frames out when the line dropped are all sent again, in order; the
        // ACKs of the first three may or may not have made it before the close.
        QVERIFY(!second.isEmpty());
        const qsizetype resumedAt = frames.indexOf(second.first());
        QVERIFY(resumedAt >= 0 && resumedAt <= 3);
        QCOMPARE(second, frames.mid(resumedAt));
        QVERIFY(summary.repeats >= 1);
    }
}

void TestRxSim::pipelinedSendsWithoutWaiting_data()
{
    QTest::addColumn<int>("unanswered"); // last frames the monitor never acknowledges
    QTest::newRow("all ACKs after the last frame") << 0;
    QTest::newRow("last two never acknowledged") << 2;
}

void TestRxSim::pipelinedSendsWithoutWaiting()
{
    QFETCH(int, unanswered);
    const int count = 50;
    // No ACK at all until the whole stream is in: a receiver that waited for
    // each ACK would be stuck repeating the first frame.
    FakeMonitor monitor([=](int index, const QByteArray &) {
        return Reply{index == count - 1 ? count - unanswered : 0};
    });
    const QList<QByteArray> frames = sampleFrames(count);
    SimulatorOptions options = optionsFor(monitor);
    options.pipelined = true;
    options.ackTimeoutMs = 300;
    RxSimulator sim(options, frames);
    const RunSummary summary = sim.run();

    QCOMPARE(monitor.received, frames);
    QCOMPARE(summary.repeats, 0);
    QCOMPARE(summary.sent, count);
    QCOMPARE(summary.acknowledged, count - unanswered);
    QCOMPARE(summary.allAcknowledged(), unanswered == 0);
    for (int i = 0; i < count; ++i)
        QCOMPARE(sim.frames().at(i).acknowledged(), i < count - unanswered);
    if (unanswered > 0) {
        QVERIFY(!summary.stopReason.isEmpty());
        const QString report = sim.summaryLines().join(u'\n');
        QVERIFY2(report.contains(QStringLiteral("not acknowledged: ") +
                                 QString::fromLatin1(frames.last())),
                 qPrintable(report));
    }
}

void TestRxSim::heartbeatsGoBetweenFramesOfAStream()
{
    FakeMonitor monitor;
    const QList<QByteArray> frames = sampleFrames(25);
    SimulatorOptions options = optionsFor(monitor);
    options.rate = 50; // half a second of stream
    options.heartbeatEverySeconds = 0.1;
    RxSimulator sim(options, frames);
    const RunSummary summary = sim.run();

    QVERIFY2(summary.allAcknowledged(), qPrintable(sim.summaryLines().join(u'\n')));
    QList<QByteArray> events = monitor.received;
    const qsizetype heartbeats = events.removeAll(heartbeatFrame());
    QVERIFY(heartbeats >= 1);
    QCOMPARE(events, frames);
    QCOMPARE(summary.frames, frames.size() + heartbeats);
    QCOMPARE(texts(sim.frames()), monitor.received);
}

void TestRxSim::runsStopByThemselves_data()
{
    QTest::addColumn<bool>("monitorListening");
    QTest::addColumn<double>("durationSeconds");
    QTest::addColumn<QString>("reason");
    QTest::newRow("duration cap") << true << 0.3 << QStringLiteral("duration");
    QTest::newRow("nobody listening") << false << 0.0 << QStringLiteral("connection attempts");
}

void TestRxSim::runsStopByThemselves()
{
    QFETCH(bool, monitorListening);
    QFETCH(double, durationSeconds);
    QFETCH(QString, reason);

    quint16 port = 0;
    std::unique_ptr<FakeMonitor> monitor;
    if (monitorListening) {
        monitor = std::make_unique<FakeMonitor>();
        port = monitor->port();
    } else {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        port = closed.serverPort();
    }
    SimulatorOptions options;
    options.port = port;
    options.rate = 20; // far more than the cap allows
    options.durationSeconds = durationSeconds;
    options.reconnectMs = 10;
    options.reconnectAttempts = 2;
    RxSimulator sim(options, sampleFrames(1000));
    QList<QString> notices;
    connect(&sim, &RxSimulator::notice, this, [&](const QString &text) { notices.append(text); });
    const RunSummary summary = sim.run();

    QVERIFY(!summary.allAcknowledged());
    QVERIFY2(summary.stopReason.contains(reason), qPrintable(summary.stopReason));
    QVERIFY(summary.sent < 1000);
    if (!monitorListening) {
        QCOMPARE(summary.sent, 0);
        QCOMPARE(notices.size(), 2); // two retries announced, the third attempt gives up
    }
}

void TestRxSim::executableRunsAgainstMonitor()
{
    FakeMonitor monitor;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString ackLog = dir.filePath(QStringLiteral("acks.txt"));

    QProcess process;
    process.start(QStringLiteral(QUORVEL_RXSIM_EXE),
                  {QStringLiteral("--port"), QString::number(monitor.port()),
                   QStringLiteral("--generate"), QStringLiteral("40"), QStringLiteral("--accounts"),
                   QStringLiteral("4"), QStringLiteral("--seed"), QStringLiteral("9"),
                   QStringLiteral("--ack-log"), ackLog});
    QVERIFY(process.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(process.state() == QProcess::NotRunning, 30000);
    const QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY2(process.exitCode() == 0,
             qPrintable(output + QString::fromLocal8Bit(process.readAllStandardError())));

    GeneratorOptions g;
    g.count = 40;
    g.accounts = 4;
    g.seed = 9;
    QCOMPARE(monitor.received, generateEventFrames(g));
    QFile log(ackLog);
    QVERIFY(log.open(QIODevice::ReadOnly));
    QList<QByteArray> logged = log.readAll().split('\n');
    QCOMPARE(logged.takeLast(), QByteArray()); // after the last line end
    QCOMPARE(logged, monitor.received);

    const QStringList lines = output.split(u'\n');
    QCOMPARE(std::count_if(lines.cbegin(), lines.cend(),
                           [](const QString &line) { return line.startsWith(u"acked "); }),
             40);
    QVERIFY2(output.contains(QStringLiteral("ack latency: p50 ")) &&
                 output.contains(QStringLiteral(", p99 ")),
             qPrintable(output));
    QVERIFY(output.contains(QStringLiteral("acks received: 40")));
    QVERIFY(output.contains(QStringLiteral("result: every frame acknowledged")));
}

void TestRxSim::executableExitCodes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const auto s = [](const char *text) { return QString::fromLatin1(text); };
    QTest::newRow("no mode") << QStringList{} << 2 << s("exactly one of");
    QTest::newRow("two modes") << QStringList{s("--heartbeat"), s("1"), s("--generate"), s("1")}
                               << 2 << s("exactly one of");
    QTest::newRow("port out of range")
        << QStringList{s("--heartbeat"), s("1"), s("--port"), s("70000")} << 2 << s("--port");
    QTest::newRow("frame holding DC4") << QStringList{s("--frame"), s("5011 18\x14"
                                                                      "1234")}
                                       << 2 << s("DC4");
    QTest::newRow("accounts without generate")
        << QStringList{s("--heartbeat"), s("1"), s("--accounts"), s("3")} << 2 << s("--accounts");
    QTest::newRow("unknown option")
        << QStringList{s("--heartbeats"), s("1")} << 2 << s("heartbeats");
    QTest::newRow("monitor never answers")
        << QStringList{s("--frame"), s("5011 181234E13001015"), s("--ack-timeout"),
                       s("50"),      s("--max-repeats"),        s("1")}
        << 1 << s("not acknowledged");
    QTest::newRow("heartbeats acknowledged") << QStringList{s("--heartbeat"), s("3"), s("--quiet")}
                                             << 0 << s("every frame acknowledged");
}

void TestRxSim::executableExitCodes()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    // answers only heartbeats, so the event frame goes unacknowledged
    FakeMonitor monitor(
        [](int, const QByteArray &frame) { return Reply{frame == heartbeatFrame() ? 1 : 0}; });
    if (exitCode != 2)
        arguments << QStringLiteral("--port") << QString::number(monitor.port());

    QProcess process;
    process.start(QStringLiteral(QUORVEL_RXSIM_EXE), arguments);
    QVERIFY(process.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(process.state() == QProcess::NotRunning, 30000);
    const QString output =
        QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY2(process.exitCode() == exitCode, qPrintable(output));
    QVERIFY2(output.contains(message), qPrintable(output));
    if (exitCode == 2)
        QCOMPARE(monitor.connections, 0);
}

QTEST_GUILESS_MAIN(TestRxSim)
#include "tst_rxsim.moc"
