// End-to-end intake: the real program in its own process, 500 registered
// accounts with the catalogue's default rules, and the receiver simulator
// sending generated Contact ID events, once waiting for each ACK and once
// pipelined. Reports the rate from the first frame sent to the last event
// committed, and the simulator's ACK latency.
//
//   QUORVEL_BUILD_DIR=build build/bench/bench_events [frames] [accounts] [waiting|pipelined]
#include "pipeline/eventcatalogue.h"
#include "store/tdmod.h"
#include "support/monitorprocess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <cstdio>

namespace {

void registerAccounts(const QString &programFolder, int accounts)
{
    store::TDMod dm(programFolder);
    dm.setDefaultActionsSource(pipeline::CatalogueDefaultActions);
    dm.PrepareAlias();
    if (!dm.OpenStore())
        qFatal("cannot create the store");
    for (int i = 1; i <= accounts; ++i) {
        dm.tbAccounts->insert();
        dm.tbAccounts->field(QStringLiteral("AccountNo"))
            .setValue(QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0')));
        dm.tbAccounts->field(QStringLiteral("Name")).setValue(QStringLiteral("Site %1").arg(i));
        dm.tbAccounts->field(QStringLiteral("PanelType")).setValue(3);
        dm.tbAccounts->post();
    }
}

void run(int frames, int accounts, bool pipelined)
{
    MonitorProcess monitor;
    registerAccounts(monitor.programFolder(), accounts);
    if (!monitor.start())
        qFatal("the monitor did not start: %s", monitor.output().constData());

    QProcess sim;
    sim.setProcessChannelMode(QProcess::MergedChannels);
    QStringList args{QStringLiteral("--port"), QString::number(monitor.port()),
                     QStringLiteral("--generate"), QString::number(frames),
                     QStringLiteral("--accounts"), QString::number(accounts),
                     QStringLiteral("--quiet")};
    if (pipelined)
        args << QStringLiteral("--pipelined");
    QElapsedTimer t;
    t.start();
    sim.start(QStringLiteral(QUORVEL_RXSIM_EXE), args);
    sim.waitForFinished(-1);
    const double sentSeconds = t.nsecsElapsed() / 1e9;
    const QString summary = QString::fromLocal8Bit(sim.readAll());
    if (sim.exitCode() != 0) {
        std::printf("%s: the simulator stopped early (exit %d):\n%s\n--- monitor output:\n%s\n",
                    pipelined ? "pipelined" : "waiting for each ACK", sim.exitCode(),
                    qPrintable(summary), monitor.output().right(4000).constData());
        monitor.terminate();
        return;
    }
    // The last event is done when no stored row waits for processing.
    while (monitor.scalar(QStringLiteral("SELECT COUNT(*) FROM Comms WHERE Processed IS NULL")).toInt() > 0 ||
           monitor.scalar(QStringLiteral("SELECT COUNT(*) FROM Comms")).toInt() < frames)
        QThread::msleep(5);
    const double seconds = t.nsecsElapsed() / 1e9;
    QString latency;
    for (const QString &line : summary.split(QLatin1Char('\n'))) {
        if (line.contains(QLatin1String("p50")) || line.contains(QLatin1String("acknowledged")))
            latency += QStringLiteral("    ") + line.trimmed() + QLatin1Char('\n');
    }
    std::printf("%s: %d events over %d accounts in %.2f s = %.0f events/s end to end "
                "(simulator done after %.2f s; History %d, Pending %d)\n%s",
                pipelined ? "pipelined" : "waiting for each ACK", frames, accounts, seconds,
                frames / seconds, sentSeconds,
                monitor.scalar(QStringLiteral("SELECT COUNT(*) FROM History")).toInt(),
                monitor.scalar(QStringLiteral("SELECT COUNT(*) FROM Pending")).toInt(),
                qPrintable(latency));
    monitor.terminate();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int frames = argc > 1 ? QByteArray(argv[1]).toInt() : 10000;
    const int accounts = argc > 2 ? QByteArray(argv[2]).toInt() : 500;
    const QByteArray only = argc > 3 ? QByteArray(argv[3]) : QByteArray();
    if (only != "pipelined")
        run(frames, accounts, false);
    if (only != "waiting")
        run(frames, accounts, true);
    return 0;
}
