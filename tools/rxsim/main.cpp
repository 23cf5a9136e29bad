// quorvel-rxsim: plays the alarm receiver against the monitor's TCP port.
// Exit code 0 when every frame was acknowledged, 1 otherwise, 2 on a usage error.

#include "tools/rxsim/framesource.h"
#include "tools/rxsim/rxsimulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <limits>
#include <optional>

namespace {

constexpr int kExitUsage = 2;

struct Usage
{
    QString error;
};

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

class Options
{
public:
    explicit Options(QCommandLineParser &parser) : m_parser(parser) {}

    // The option's value as a whole number in [min, max], or its default when
    // not given; a bad value throws Usage.
    qint64 integer(const QString &name, qint64 fallback, qint64 min, qint64 max) const
    {
        if (!m_parser.isSet(name))
            return fallback;
        bool ok = false;
        const qint64 value = m_parser.value(name).toLongLong(&ok);
        if (!ok || value < min || value > max)
            throw Usage{QStringLiteral("--%1 needs a whole number from %2 to %3, not \"%4\"")
                            .arg(name)
                            .arg(min)
                            .arg(max)
                            .arg(m_parser.value(name))};
        return value;
    }

    double number(const QString &name, double fallback) const
    {
        if (!m_parser.isSet(name))
            return fallback;
        bool ok = false;
        const double value = m_parser.value(name).toDouble(&ok);
        if (!ok || value < 0 || !qIsFinite(value))
            throw Usage{QStringLiteral("--%1 needs a number of 0 or more, not \"%2\"")
                            .arg(name, m_parser.value(name))};
        return value;
    }

private:
    QCommandLineParser &m_parser;
};

QList<QByteArray> framesToSend(const QCommandLineParser &parser, const Options &options)
{
    const bool heartbeat = parser.isSet(QStringLiteral("heartbeat"));
    const bool given = parser.isSet(QStringLiteral("frame"));
    const bool file = parser.isSet(QStringLiteral("file"));
    const bool generate = parser.isSet(QStringLiteral("generate"));
    if (int(heartbeat) + int(given) + int(file) + int(generate) != 1)
        throw Usage{
            QStringLiteral("choose exactly one of --heartbeat, --frame, --file and --generate")};
    if (!generate) {
        for (const char *name : {"accounts", "first-account", "seed", "receiver", "line"}) {
            if (parser.isSet(QLatin1String(name)))
                throw Usage{QStringLiteral("--%1 goes with --generate").arg(QLatin1String(name))};
        }
    }

    QList<QByteArray> frames;
    if (heartbeat) {
        const auto count = options.integer(QStringLiteral("heartbeat"), 0, 1, 100000000);
        frames.fill(rxsim::heartbeatFrame(), count);
    } else if (given) {
        const QStringList texts = parser.values(QStringLiteral("frame"));
        for (qsizetype i = 0; i < texts.size(); ++i) {
            const QByteArray frame = texts.at(i).toLocal8Bit();
            const QString problem = rxsim::frameProblem(frame);
            if (!problem.isEmpty())
                throw Usage{QStringLiteral("--frame number %1 %2").arg(i + 1).arg(problem)};
            frames.append(frame);
        }
    } else if (file) {
        const QString path = parser.value(QStringLiteral("file"));
        QString error;
        if (!rxsim::readFrameFile(path, &frames, &error))
            throw Usage{error};
        if (frames.isEmpty())
            throw Usage{QStringLiteral("%1 holds no frames").arg(path)};
    } else {
        rxsim::GeneratorOptions g;
        g.count = static_cast<int>(options.integer(QStringLiteral("generate"), 0, 1, 100000000));
        g.accounts =
            static_cast<int>(options.integer(QStringLiteral("accounts"), g.accounts, 1, 10000));
        g.firstAccount = static_cast<int>(
            options.integer(QStringLiteral("first-account"), g.firstAccount, 0, 9999));
        g.receiver =
            static_cast<int>(options.integer(QStringLiteral("receiver"), g.receiver, 0, 99));
        g.line = static_cast<int>(options.integer(QStringLiteral("line"), g.line, 0, 9));
        g.seed = static_cast<std::uint64_t>(
            options.integer(QStringLiteral("seed"), 1, 0, std::numeric_limits<qint64>::max()));
        const QString problem = rxsim::generatorProblem(g);
        if (!problem.isEmpty())
            throw Usage{problem};
        frames = rxsim::generateEventFrames(g);
    }
    return frames;
}

rxsim::SimulatorOptions simulatorOptions(const QCommandLineParser &parser, const Options &options)
{
    rxsim::SimulatorOptions s;
    s.host = parser.value(QStringLiteral("host"));
    if (s.host.isEmpty())
        throw Usage{QStringLiteral("--host must not be empty")};
    s.port = static_cast<quint16>(options.integer(QStringLiteral("port"), s.port, 1, 65535));
    s.ackTimeoutMs = static_cast<int>(
        options.integer(QStringLiteral("ack-timeout"), s.ackTimeoutMs, 1, 3600000));
    s.maxRepeats =
        static_cast<int>(options.integer(QStringLiteral("max-repeats"), s.maxRepeats, 0, 1000000));
    s.reconnectMs = static_cast<int>(
        options.integer(QStringLiteral("reconnect-ms"), s.reconnectMs, 0, 3600000));
    s.reconnectAttempts = static_cast<int>(
        options.integer(QStringLiteral("reconnect-attempts"), s.reconnectAttempts, 0, 1000000));
    s.pipelined = parser.isSet(QStringLiteral("pipelined"));
    s.rate = options.number(QStringLiteral("rate"), 0);
    s.heartbeatEverySeconds = options.number(QStringLiteral("heartbeat-every"), 0);
    s.durationSeconds = options.number(QStringLiteral("duration"), 0);
    return s;
}

void addOptions(QCommandLineParser &parser)
{
    using O = QCommandLineOption;
    parser.addOptions({
        O(QStringLiteral("host"), QStringLiteral("Monitor address (default 127.0.0.1)."),
          QStringLiteral("address"), QStringLiteral("127.0.0.1")),
        O(QStringLiteral("port"), QStringLiteral("Monitor port (default 2000)."),
          QStringLiteral("port"), QStringLiteral("2000")),
        O(QStringLiteral("heartbeat"), QStringLiteral("Send N heartbeat frames."),
          QStringLiteral("N")),
        O(QStringLiteral("frame"), QStringLiteral("Send this frame as it stands (repeatable)."),
          QStringLiteral("text")),
        O(QStringLiteral("file"),
          QStringLiteral("Send the frames of a file, one per line; empty lines are skipped."),
          QStringLiteral("path")),
        O(QStringLiteral("generate"), QStringLiteral("Send N generated Contact ID event frames."),
          QStringLiteral("N")),
        O(QStringLiteral("accounts"),
          QStringLiteral("Accounts the generated events spread over (default 10)."),
          QStringLiteral("A")),
        O(QStringLiteral("first-account"),
          QStringLiteral("First generated account number (default 1, \"0001\")."),
          QStringLiteral("number")),
        O(QStringLiteral("seed"), QStringLiteral("Seed of the generated stream (default 1)."),
          QStringLiteral("S")),
        O(QStringLiteral("receiver"),
          QStringLiteral("Receiver number in generated frames (default 1)."), QStringLiteral("RR")),
        O(QStringLiteral("line"), QStringLiteral("Line number in generated frames (default 1)."),
          QStringLiteral("L")),
        O(QStringLiteral("rate"),
          QStringLiteral("Frames per second; 0 = as fast as possible (default)."),
          QStringLiteral("R")),
        O(QStringLiteral("heartbeat-every"),
          QStringLiteral("Put a heartbeat between the frames every this many seconds."),
          QStringLiteral("seconds")),
        O(QStringLiteral("ack-timeout"),
          QStringLiteral("Wait this long for each ACK before repeating (default 4000)."),
          QStringLiteral("ms")),
        O(QStringLiteral("max-repeats"),
          QStringLiteral("Repeats of one frame before giving up (default 100)."),
          QStringLiteral("N")),
        O(QStringLiteral("pipelined"),
          QStringLiteral("Send without waiting for each ACK; match ACKs to frames in order.")),
        O(QStringLiteral("reconnect-ms"),
          QStringLiteral("Pause before connecting again (default 1000)."), QStringLiteral("ms")),
        O(QStringLiteral("reconnect-attempts"),
          QStringLiteral("Further connections without an ACK before giving up (default 10)."),
          QStringLiteral("N")),
        O(QStringLiteral("duration"), QStringLiteral("Stop after this many seconds at the latest."),
          QStringLiteral("seconds")),
        O(QStringLiteral("ack-log"),
          QStringLiteral("Write each acknowledged frame to this file, one line each, in order."),
          QStringLiteral("path")),
        O(QStringLiteral("quiet"), QStringLiteral("No line per frame; only the summary.")),
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorvel-rxsim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plays the alarm receiver: sends DC4-terminated frames to the monitor and "
                       "waits for each 0x06 acknowledgement."));
    parser.addHelpOption();
    addOptions(parser);

    std::optional<rxsim::RxSimulator> simulator;
    QFile ackLog;
    try {
        if (!parser.parse(QCoreApplication::arguments()))
            throw Usage{parser.errorText()};
        if (parser.isSet(QStringLiteral("help")))
            parser.showHelp(0);
        if (!parser.positionalArguments().isEmpty())
            throw Usage{QStringLiteral("unexpected argument \"%1\"")
                            .arg(parser.positionalArguments().constFirst())};
        const Options options(parser);
        const QList<QByteArray> frames = framesToSend(parser, options);
        const rxsim::SimulatorOptions settings = simulatorOptions(parser, options);
        if (parser.isSet(QStringLiteral("ack-log"))) {
            ackLog.setFileName(parser.value(QStringLiteral("ack-log")));
            if (!ackLog.open(QIODevice::WriteOnly | QIODevice::Truncate))
                throw Usage{QStringLiteral("cannot write %1: %2")
                                .arg(ackLog.fileName(), ackLog.errorString())};
        }
        simulator.emplace(settings, frames);
    } catch (const Usage &usage) {
        err() << "quorvel-rxsim: " << usage.error << "\n"
              << "Try 'quorvel-rxsim --help'.\n";
        err().flush();
        return kExitUsage;
    }

    const bool quiet = parser.isSet(QStringLiteral("quiet"));
    rxsim::RxSimulator &sim = *simulator;
    QObject::connect(&sim, &rxsim::RxSimulator::notice, &sim,
                     [](const QString &text) { out() << text << Qt::endl; });
    QObject::connect(&sim, &rxsim::RxSimulator::frameAcknowledged, &sim, [&](int index) {
        const rxsim::FrameRecord &frame = sim.frames().at(index);
        if (ackLog.isOpen())
            ackLog.write(frame.text + '\n');
        if (!quiet)
            out() << "acked " << QString::number(frame.latencyMs(), 'f', 3) << " ms  "
                  << QString::fromLatin1(frame.text) << "\n";
    });
    QObject::connect(&sim, &rxsim::RxSimulator::frameRepeated, &sim,
                     [&](int index, rxsim::RxSimulator::RepeatReason reason) {
                         if (quiet)
                             return;
                         const rxsim::FrameRecord &frame = sim.frames().at(index);
                         out() << "repeated " << frame.repeats
                               << (reason == rxsim::RxSimulator::RepeatReason::NoAck
                                       ? " (no ACK)  "
                                       : " (reconnected)  ")
                               << QString::fromLatin1(frame.text) << "\n";
                     });

    const rxsim::RunSummary summary = sim.run();
    for (const QString &line : sim.summaryLines())
        out() << line << "\n";
    out().flush();

    bool logWritten = true;
    if (ackLog.isOpen()) {
        logWritten = ackLog.flush() && ackLog.error() == QFileDevice::NoError;
        ackLog.close();
        if (!logWritten)
            err() << "quorvel-rxsim: writing " << ackLog.fileName()
                  << " failed: " << ackLog.errorString() << Qt::endl;
    }
    return summary.allAcknowledged() && logWritten ? 0 : 1;
}
