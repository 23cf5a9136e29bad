// The monitor as an operator's machine runs it: a fresh copy of the program,
// its own settings and port, the receiver simulator on loopback, and the
// store read back with SQLite afterwards.
#include "support/monitorprocess.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QTcpSocket>
#include <QThread>
#include <QtTest>

namespace {

// Event frames that are all different, so each stored row can be told apart:
// one test call (602) per account.
QStringList uniqueFrames(int count, int firstAccount = 1)
{
    QStringList frames;
    for (int i = 0; i < count; ++i)
        frames << QStringLiteral("5011 18%1E60200000").arg(firstAccount + i, 4, 10, QLatin1Char('0'));
    return frames;
}

struct SimulatorRun
{
    int exitCode = -1;
    QStringList acknowledged;
    QByteArray output;
};

QProcess *startSimulator(const MonitorProcess &monitor, const QString &dir, const QStringList &frames,
                         const QStringList &extra)
{
    QFile file(dir + QStringLiteral("/frames.txt"));
    file.open(QIODevice::WriteOnly);
    file.write(frames.join(QLatin1Char('\n')).toLatin1());
    file.close();
    auto *sim = new QProcess;
    sim->setProcessChannelMode(QProcess::MergedChannels);
    sim->start(QStringLiteral(QUORVEL_RXSIM_EXE),
               QStringList{QStringLiteral("--port"), QString::number(monitor.port()),
                           QStringLiteral("--file"), file.fileName(), QStringLiteral("--ack-log"),
                           dir + QStringLiteral("/acked.txt"), QStringLiteral("--quiet")} +
                   extra);
    return sim;
}

SimulatorRun finishSimulator(QProcess *sim, const QString &dir, int timeoutMs = 300000)
{
    SimulatorRun run;
    sim->waitForFinished(timeoutMs);
    run.exitCode = sim->exitCode();
    run.output = sim->readAll();
    delete sim;
    QFile acked(dir + QStringLiteral("/acked.txt"));
    if (acked.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : acked.readAll().split('\n')) {
            if (!line.trimmed().isEmpty())
                run.acknowledged << QString::fromLatin1(line.trimmed());
        }
    }
    return run;
}

} // namespace

class TestMonitorEndToEnd : public QObject
{
    Q_OBJECT
private slots:
    void newcomerSmokeTest();
    void simulatorStreamIsStoredInOrder_data();
    void simulatorStreamIsStoredInOrder();
    void killedMidStreamLosesNothing();
};

void TestMonitorEndToEnd::newcomerSmokeTest()
{
    MonitorProcess monitor;
    QVERIFY2(monitor.start(), monitor.output().constData());
    QVERIFY(QFile::exists(monitor.storePath()));

    QTcpSocket rx;
    rx.connectToHost(QHostAddress::LocalHost, monitor.port());
    QVERIFY(rx.waitForConnected(5000));
    rx.write("5011 181234E13001015\x14");
    QVERIFY(rx.waitForReadyRead(10000));
    QCOMPARE(rx.readAll(), QByteArray("\x06"));
    QVERIFY(monitor.waitForProcessing(1));
    QCOMPARE(monitor.scalar(QStringLiteral("SELECT Data FROM Comms")).toString(),
             QStringLiteral("181234E13001015"));
    rx.disconnectFromHost();
    QVERIFY(monitor.terminate());
}

void TestMonitorEndToEnd::simulatorStreamIsStoredInOrder_data()
{
    QTest::addColumn<bool>("pipelined");
    QTest::newRow("waiting for each ACK") << false;
    QTest::newRow("pipelined") << true;
}

void TestMonitorEndToEnd::simulatorStreamIsStoredInOrder()
{
    QFETCH(bool, pipelined);
    MonitorProcess monitor;
    QVERIFY2(monitor.start(), monitor.output().constData());
    const QStringList frames = uniqueFrames(300);
    QVERIFY(monitor.registerAccounts(frames.size()));
    QStringList extra{QStringLiteral("--heartbeat-every"), QStringLiteral("0.5")};
    if (pipelined)
        extra << QStringLiteral("--pipelined");
    const SimulatorRun run =
        finishSimulator(startSimulator(monitor, monitor.workFolder(), frames, extra), monitor.workFolder());
    QVERIFY2(run.exitCode == 0, run.output.constData());

    QVERIFY(monitor.waitForProcessing(frames.size()));
    QSqlQuery q(monitor.openStore());
    QVERIFY(q.exec(QStringLiteral("SELECT Data, Protocol, Processed FROM Comms ORDER BY ID")));
    QStringList stored;
    while (q.next()) {
        stored << q.value(0).toString();
        QCOMPARE(q.value(1).toInt(), 1);
        QCOMPARE(q.value(2).toInt(), 1);
    }
    QStringList expected;
    for (const QString &f : frames)
        expected << f.mid(5, 15);
    QCOMPARE(stored, expected);
    // Accounts without handling rules: each event is logged to History once.
    QCOMPARE(monitor.scalar(QStringLiteral("SELECT COUNT(*) FROM History")).toInt(), frames.size());
    QVERIFY(monitor.terminate());
}

void TestMonitorEndToEnd::killedMidStreamLosesNothing()
{
    MonitorProcess monitor;
    QVERIFY2(monitor.start(), monitor.output().constData());
    const QStringList frames = uniqueFrames(600);
    QVERIFY(monitor.registerAccounts(frames.size()));
    QProcess *sim = startSimulator(monitor, monitor.workFolder(), frames,
                                   {QStringLiteral("--rate"), QStringLiteral("150"),
                                    QStringLiteral("--reconnect-ms"), QStringLiteral("200"),
                                    QStringLiteral("--reconnect-attempts"), QStringLiteral("200"),
                                    QStringLiteral("--ack-timeout"), QStringLiteral("1500")});
    const int kills = 3;
    for (int k = 0; k < kills; ++k) {
        QThread::msleep(300 + QRandomGenerator::global()->bounded(700));
        monitor.kill();
        QVERIFY2(monitor.start(), monitor.output().constData());
    }
    const SimulatorRun run = finishSimulator(sim, monitor.workFolder());
    QVERIFY2(run.exitCode == 0, run.output.constData());
    QVERIFY(monitor.waitForProcessing(frames.size()));

    // Every acknowledged frame is stored; a frame whose ACK was cut off by a
    // kill after its commit arrives again and is stored again, at most once a kill.
    QSqlQuery q(monitor.openStore());
    QVERIFY(q.exec(QStringLiteral("SELECT Data, COUNT(*) FROM Comms GROUP BY Data")));
    QHash<QString, int> rows;
    while (q.next())
        rows.insert(q.value(0).toString(), q.value(1).toInt());
    int duplicates = 0;
    for (const QString &f : run.acknowledged) {
        QVERIFY2(rows.value(f.mid(5, 15)) >= 1, qPrintable(f));
        duplicates += rows.value(f.mid(5, 15)) - 1;
    }
    QCOMPARE(run.acknowledged.size(), frames.size());
    QVERIFY2(duplicates <= kills, qPrintable(QString::number(duplicates)));
    // Each stored row processed exactly once: one History row for each.
    QCOMPARE(monitor.scalar(QStringLiteral("SELECT COUNT(*) FROM Comms WHERE Processed = 1")).toInt(),
             monitor.scalar(QStringLiteral("SELECT COUNT(*) FROM Comms")).toInt());
    QCOMPARE(monitor.scalar(QStringLiteral("SELECT COUNT(*) FROM History")).toInt(),
             monitor.scalar(QStringLiteral("SELECT COUNT(*) FROM Comms")).toInt());
    qInfo("kill test: %d frames sent, %lld acknowledged, %d duplicates after %d kills",
          int(frames.size()), qlonglong(run.acknowledged.size()), duplicates, kills);
    QVERIFY(monitor.terminate());
}

QTEST_GUILESS_MAIN(TestMonitorEndToEnd)
#include "tst_monitor_e2e.moc"
