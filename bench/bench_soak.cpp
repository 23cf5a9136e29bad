// Soak: the real program in its own process for a long stretch at a steady
// 200 events/s over 1,000 watched accounts (no-communication supervision on,
// so its timer has work on every tick), driven by the receiver simulator.
// Reports the program's resident memory at the start, every minute and at the
// end, and the ACK latency over the run.
//
//   QUORVEL_BUILD_DIR=build build/bench/bench_soak [seconds, default 600] [rate] [accounts]
#include "support/monitorprocess.h"
#include "tools/rxsim/framesource.h"
#include "tools/rxsim/rxsimulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>

#include <cstdio>

namespace {

// VmRSS of a process in KiB; -1 when it cannot be read.
long residentKiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLong();
    }
    return -1;
}

void registerAccounts(MonitorProcess &monitor, int accounts)
{
    QSqlDatabase db = monitor.openStore();
    QSqlQuery q(db);
    db.transaction();
    // Without handling rules each event is logged to History; every account
    // is watched for a signal at least once an hour.
    q.prepare(QStringLiteral("INSERT INTO Accounts (AccountNo, Name, NoSigTime, NoSigActioned, "
                             "LastSignal) VALUES (?, ?, 1, 0, ?)"));
    for (int i = 1; i <= accounts; ++i) {
        q.addBindValue(QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0')));
        q.addBindValue(QStringLiteral("Site %1").arg(i));
        q.addBindValue(QDateTime::currentDateTime());
        if (!q.exec())
            qFatal("cannot register account %d: %s", i, qPrintable(q.lastError().text()));
    }
    db.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? QByteArray(argv[1]).toInt() : 600;
    const double rate = argc > 2 ? QByteArray(argv[2]).toDouble() : 200;
    const int accounts = argc > 3 ? QByteArray(argv[3]).toInt() : 1000;
    if (qEnvironmentVariableIsEmpty("QUORVEL_BUILD_DIR"))
        qputenv("QUORVEL_BUILD_DIR", QUORVEL_BUILD_DIR_DEFAULT);

    MonitorProcess monitor;
    if (!monitor.start())
        qFatal("the monitor did not start: %s", monitor.output().constData());
    registerAccounts(monitor, accounts);
    const qint64 pid = monitor.processId();

    rxsim::GeneratorOptions generator;
    generator.count = int(rate * seconds);
    generator.accounts = accounts;
    rxsim::SimulatorOptions options;
    options.port = monitor.port();
    options.rate = rate;
    options.durationSeconds = seconds + 30;
    rxsim::RxSimulator sim(options, rxsim::generateEventFrames(generator));

    const long startKiB = residentKiB(pid);
    long warmKiB = -1;
    long peakKiB = startKiB;
    std::printf("soak: %d s at %.0f events/s over %d accounts; RSS at start %ld KiB\n", seconds,
                rate, accounts, startKiB);
    std::fflush(stdout);
    QElapsedTimer clock;
    clock.start();
    QTimer sampler;
    sampler.setInterval(10000);
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        const long kib = residentKiB(pid);
        peakKiB = qMax(peakKiB, kib);
        const qint64 s = clock.elapsed() / 1000;
        if (warmKiB < 0)
            warmKiB = kib; // after the first 10 s: caches and the store's pages filled
        if (s % 60 < 10)
            std::printf("  %4lld s: RSS %ld KiB, %d acknowledged\n", qlonglong(s), kib,
                        sim.summary().acknowledged);
        std::fflush(stdout);
    });
    sampler.start();
    const rxsim::RunSummary summary = sim.run();
    sampler.stop();
    const long endKiB = residentKiB(pid);
    peakKiB = qMax(peakKiB, endKiB);

    const int waiting =
        monitor.scalar(QStringLiteral("SELECT COUNT(*) FROM Comms WHERE Processed IS NULL")).toInt();
    std::printf("soak done after %.1f s: %d of %d frames acknowledged, %d repeats, %d rows waiting\n"
                "  RSS start %ld KiB, after 10 s %ld KiB, end %ld KiB, peak %ld KiB\n"
                "  ACK latency p50 %.2f ms, p99 %.2f ms\n",
                summary.elapsedSeconds, summary.acknowledged, summary.frames, summary.repeats,
                waiting, startKiB, warmKiB, endKiB, peakKiB, summary.p50Ms, summary.p99Ms);
    monitor.terminate();
    return summary.allAcknowledged() ? 0 : 1;
}
