// ACK latency of the console while the received-data viewer is open on a
// store of 1,000,000 Comms rows and the receiver simulator streams events.
// The viewer refreshes several times a second on the thread that also
// acknowledges frames. Prints its figures; not a test.
//
//   bench_commsviewer [frames] [rate]     (defaults 1500 frames at 75 a second)
#include "console/operatorsession.h"
#include "console/pendingpanel.h"
#include "console/tmainfrm.h"
#include "pipeline/eventprocessor.h"
#include "station/station.h"
#include "mail/ui/tcommsfrm.h"
#include "support/stationfixture.h"
#include "store/database.h"
#include "store/tdmod.h"
#include "tools/rxsim/framesource.h"
#include "tools/rxsim/rxsimulator.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTableView>

#include <cstdio>

namespace {

constexpr int kStoredRows = 1000000;

void fill(store::TDMod &dm)
{
    store::Database &db = dm.database();
    store::WriteScope scope(db);
    db.ensureWriteLock();
    QSqlQuery q(db.connection());
    q.prepare(QStringLiteral("INSERT INTO Comms (ID, DateTime, RxNo, LineNo, Protocol, Data, "
                             "Processed) VALUES (?, '2024-01-01 00:00:00', 1, 1, 2, ?, 1)"));
    for (int i = 0; i < kStoredRows; ++i) {
        q.addBindValue(i + 1);
        q.addBindValue(QStringLiteral("5011 18%1E13001005").arg(i % 10000, 4, 10, QLatin1Char('0')));
        q.exec();
    }
    db.exec(QStringLiteral("UPDATE IDs SET CommsID = ?"), {kStoredRows + 1});
    scope.commit();
}

// The simulator's run: ACK latencies and what was acknowledged.
rxsim::RunSummary stream(quint16 port, int frames, double rate)
{
    rxsim::GeneratorOptions generator;
    generator.count = frames;
    generator.accounts = 50;
    rxsim::SimulatorOptions options;
    options.port = port;
    options.rate = rate;
    options.ackTimeoutMs = 20000;
    rxsim::RxSimulator simulator(options, rxsim::generateEventFrames(generator));
    return simulator.run();
}

void print(const char *what, const rxsim::RunSummary &r)
{
    std::printf("  %-34s acked %d/%d  p50 %6.2f ms  p99 %6.2f ms  (%.1f s)\n", what,
                r.acknowledged, r.frames, r.p50Ms, r.p99Ms, r.elapsedSeconds);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int frames = argc > 1 ? std::atoi(argv[1]) : 1500;
    const double rate = argc > 2 ? std::atof(argv[2]) : 75;

    StationFixture s;
    s.start();
    QElapsedTimer t;
    t.start();
    fill(s.dm());
    std::printf("Received-data viewer, %d stored Comms rows (filled in %.1f s)\n", kStoredRows,
                t.elapsed() / 1000.0);
    s.stop();

    console::TMainFrm &w = s.start();
    s.logOn(QStringLiteral("Master"), QStringLiteral("master"));
    w.show();
    const rxsim::RunSummary closed = stream(s.port(), frames, rate);

    t.restart();
    auto *viewer = mail::ui::TCommsFrm::showViewer(s.dm(), QStringLiteral("M/d/yyyy h:mm:ss ap"), &w);
    QCoreApplication::processEvents();
    std::printf("  opening the viewer                 %.1f ms, %d rows handed to its grid\n",
                t.nsecsElapsed() / 1e6, viewer->DBGrid1->model()->rowCount());
    const rxsim::RunSummary open = stream(s.port(), frames, rate);
    // Someone watching the newest rows: the grid holds every row.
    t.restart();
    viewer->DBGrid1->scrollToBottom();
    while (viewer->DBGrid1->model()->canFetchMore({}))
        viewer->DBGrid1->model()->fetchMore({});
    viewer->DBGrid1->scrollToBottom();
    std::printf("  handing every row to the grid      %.1f ms\n", t.nsecsElapsed() / 1e6);
    const rxsim::RunSummary atEnd = stream(s.port(), frames, rate);

    std::printf("Streaming %d frames at %.0f a second:\n", frames, rate);
    print("viewer closed", closed);
    print("viewer open at the first rows", open);
    print("viewer open at the newest rows", atEnd);
    std::printf("  rows in the viewer's grid at the end: %d\n", viewer->DBGrid1->model()->rowCount());
    viewer->close();
    s.stop();
    return 0;
}
