// End-to-end intake: the real program in its own process, 500 registered
// accounts with the catalogue's default rules, and simulated receivers sending
// generated Contact ID events. Each figure is printed beside the raw commit
// rate of the disk (one row per durable commit, WAL, synchronous FULL, in the
// same folder, just before), so runs on different machines compare.
//
//   QUORVEL_BUILD_DIR=build build/bench/bench_events [frames] [accounts] [mode...]
//
// modes: waiting (one receiver that waits for each ACK), pipelined (one that
// does not), ten (ten receivers at once), loaded (waiting, with 100,000
// accounts, 10,000 Pending rows and 1,000,000 Comms rows already stored).
// Without a mode, all four run.
#include "pipeline/eventcatalogue.h"
#include "store/tdmod.h"
#include "support/monitorprocess.h"
#include "tools/rxsim/framesource.h"
#include "tools/rxsim/rxsimulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QUuid>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Durable commits per second of one-row transactions in folder, for 2 s.
double rawCommitRate(const QString &folder)
{
    const QString name = QUuid::createUuid().toString();
    double rate = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(folder + QStringLiteral("/rawcommits.db"));
        if (!db.open())
            qFatal("raw commit loop: %s", qPrintable(db.lastError().text()));
        QSqlQuery q(db);
        q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        q.exec(QStringLiteral("PRAGMA synchronous=FULL"));
        q.exec(QStringLiteral("CREATE TABLE t (id INTEGER PRIMARY KEY, v TEXT)"));
        QSqlQuery begin(db), insert(db), commit(db);
        begin.prepare(QStringLiteral("BEGIN IMMEDIATE"));
        insert.prepare(QStringLiteral("INSERT INTO t (v) VALUES (?)"));
        commit.prepare(QStringLiteral("COMMIT"));
        QElapsedTimer t;
        t.start();
        int n = 0;
        while (t.elapsed() < 2000) {
            begin.exec();
            insert.addBindValue(QStringLiteral("5011 181234E13001015"));
            insert.exec();
            commit.exec();
            ++n;
        }
        rate = n / (t.nsecsElapsed() / 1e9);
        begin = QSqlQuery();
        insert = QSqlQuery();
        commit = QSqlQuery();
        q = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    QFile::remove(folder + QStringLiteral("/rawcommits.db"));
    QFile::remove(folder + QStringLiteral("/rawcommits.db-wal"));
    QFile::remove(folder + QStringLiteral("/rawcommits.db-shm"));
    return rate;
}

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

// 100,000 more accounts, 10,000 Pending rows and 1,000,000 processed Comms rows.
void fillStore(MonitorProcess &monitor)
{
    QSqlDatabase db = monitor.openStore();
    QSqlQuery q(db);
    auto run = [&q](const QString &sql) {
        if (!q.exec(sql))
            qFatal("filling the store: %s", qPrintable(q.lastError().text()));
    };
    run(QStringLiteral("BEGIN"));
    // Account numbers that start with a letter never meet the generated ones.
    run(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 99999) "
        "INSERT INTO Accounts (AccountNo, Name) SELECT "
        "char(65 + i / 46656 % 26) || char(65 + i / 1296 % 36 - (CASE WHEN i / 1296 % 36 >= 26 THEN 43 ELSE 0 END)) || "
        "char(65 + i / 36 % 36 - (CASE WHEN i / 36 % 36 >= 26 THEN 43 ELSE 0 END)) || "
        "char(65 + i % 36 - (CASE WHEN i % 36 >= 26 THEN 43 ELSE 0 END)), 'Filler ' || i FROM n"));
    run(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10000) "
        "INSERT INTO Pending (ID, DateTime, Priority, AccNo, EventType, EventCode, EventDesc) "
        "SELECT i, datetime('2026-01-01', '+' || i || ' minutes'), 1 + i % 4, '0001', 1, 130, "
        "'Burglary' FROM n"));
    run(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000000) "
        "INSERT INTO Comms (ID, DateTime, RxNo, LineNo, Protocol, Data, Processed) "
        "SELECT i, '2026-01-01 00:00:00', 1, 1, 1, '180001E60200000', 1 FROM n"));
    run(QStringLiteral("UPDATE IDs SET CommsID = 1000001, PendingID = 10001"));
    run(QStringLiteral("COMMIT"));
}

struct Result
{
    double eventsPerSecond = 0;
    double p50 = 0, p99 = 0;
    double firstAlarmMs = -1; // first ACK to the ACK of the first alarm (its row is committed before)
    bool ok = false;
};

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

Result run(const QString &mode, int frames, int accounts)
{
    Result result;
    MonitorProcess monitor;
    registerAccounts(monitor.programFolder(), accounts);
    if (mode == QLatin1String("loaded"))
        fillStore(monitor);
    if (!monitor.start(60000))
        qFatal("the monitor did not start: %s", monitor.output().constData());
    const int receivers = mode == QLatin1String("ten") ? 10 : 1;
    std::vector<std::unique_ptr<rxsim::RxSimulator>> sims;
    for (int r = 0; r < receivers; ++r) {
        rxsim::GeneratorOptions g;
        g.count = frames / receivers;
        g.accounts = accounts / receivers;
        g.firstAccount = 1 + r * (accounts / receivers);
        g.seed = 1 + r;
        rxsim::SimulatorOptions o;
        o.port = monitor.port();
        o.pipelined = mode == QLatin1String("pipelined") || mode == QLatin1String("ten");
        o.maxRepeats = 1000;
        sims.push_back(std::make_unique<rxsim::RxSimulator>(o, rxsim::generateEventFrames(g)));
    }
    QElapsedTimer t;
    t.start();
    for (auto &sim : sims)
        sim->start();
    const auto allDone = [&sims] {
        return std::all_of(sims.begin(), sims.end(), [](const auto &s) { return s->isFinished(); });
    };
    // A real event loop: QTest::qWait sleeps between its turns, and every ACK
    // would wait out that sleep before the next frame went.
    QEventLoop loop;
    for (auto &sim : sims)
        QObject::connect(sim.get(), &rxsim::RxSimulator::finished, &loop, [&] {
            if (allDone())
                loop.quit();
        });
    if (!allDone())
        loop.exec();
    int total = 0;
    for (auto &sim : sims) {
        if (!sim->summary().allAcknowledged()) {
            std::printf("%s: a receiver stopped early:\n%s\n", qPrintable(mode),
                        qPrintable(sim->summaryLines().join(QLatin1Char('\n'))));
            monitor.terminate();
            return result;
        }
        total += int(sim->frames().size());
    }
    const int stored = mode == QLatin1String("loaded") ? 1000000 : 0;
    // The last event is done when no stored row waits for processing.
    while (monitor.scalar(QStringLiteral("SELECT COUNT(*) FROM Comms WHERE Processed IS NULL")).toInt() > 0 ||
           monitor.scalar(QStringLiteral("SELECT MAX(ID) FROM Comms")).toInt() < stored + total)
        QThread::msleep(2);
    const double seconds = t.nsecsElapsed() / 1e9;
    result.eventsPerSecond = total / seconds;
    std::vector<double> latencies;
    for (auto &sim : sims) {
        for (const rxsim::FrameRecord &f : sim->frames())
            latencies.push_back(f.latencyMs());
    }
    std::sort(latencies.begin(), latencies.end());
    result.p50 = latencies[latencies.size() / 2];
    result.p99 = latencies[std::min(latencies.size() - 1, latencies.size() * 99 / 100)];
    // The first alarm: the account and code of the first Pending row stored.
    const QString first = monitor
                              .scalar(QStringLiteral("SELECT AccNo || '/' || EventCode FROM Pending "
                                                     "WHERE ID > %1 ORDER BY ID LIMIT 1")
                                          .arg(mode == QLatin1String("loaded") ? 10000 : 0))
                              .toString();
    const auto &frames0 = sims.front()->frames();
    if (!first.isEmpty() && !frames0.isEmpty()) {
        const QString account = first.section(QLatin1Char('/'), 0, 0);
        const int code = first.section(QLatin1Char('/'), 1).toInt();
        for (const rxsim::FrameRecord &f : frames0) {
            const QString text = QString::fromLatin1(f.text);
            if (text.mid(7, 4) == account && text.mid(12, 3).toInt() == code) {
                result.firstAlarmMs = (f.ackedNs - frames0.front().ackedNs) / 1e6;
                break;
            }
        }
    }
    result.ok = true;
    monitor.terminate();
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int frames = argc > 1 ? QByteArray(argv[1]).toInt() : 3000;
    const int accounts = argc > 2 ? QByteArray(argv[2]).toInt() : 500;
    QStringList modes;
    for (int i = 3; i < argc; ++i)
        modes << QString::fromLocal8Bit(argv[i]);
    if (modes.isEmpty())
        modes = {QStringLiteral("waiting"), QStringLiteral("pipelined"), QStringLiteral("ten"),
                 QStringLiteral("loaded")};
    const int runs = qEnvironmentVariableIntValue("BENCH_RUNS") > 0
                         ? qEnvironmentVariableIntValue("BENCH_RUNS")
                         : 3;
    QTemporaryDir scratch;
    std::printf("%-10s %10s %10s %7s %8s %8s %12s\n", "mode", "events/s", "raw c/s", "ratio",
                "p50 ms", "p99 ms", "1st alarm ms");
    for (const QString &mode : std::as_const(modes)) {
        std::vector<double> rates, raws, ratios, p50s, p99s, firsts;
        for (int r = 0; r < runs; ++r) {
            const double raw = rawCommitRate(scratch.path());
            const Result res = run(mode, frames, accounts);
            if (!res.ok)
                continue;
            rates.push_back(res.eventsPerSecond);
            raws.push_back(raw);
            ratios.push_back(res.eventsPerSecond / raw);
            p50s.push_back(res.p50);
            p99s.push_back(res.p99);
            firsts.push_back(res.firstAlarmMs);
            std::printf("  %-8s %10.0f %10.0f %7.2f %8.2f %8.2f %12.1f  (run %d)\n",
                        qPrintable(mode), res.eventsPerSecond, raw, res.eventsPerSecond / raw,
                        res.p50, res.p99, res.firstAlarmMs, r + 1);
            std::fflush(stdout);
        }
        std::printf("%-10s %10.0f %10.0f %7.2f %8.2f %8.2f %12.1f  (median of %d)\n",
                    qPrintable(mode), median(rates), median(raws), median(ratios), median(p50s),
                    median(p99s), median(firsts), int(rates.size()));
        std::fflush(stdout);
    }
    return 0;
}
