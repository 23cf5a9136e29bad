// The event processor's own rate with 500 registered accounts on default
// rules: Comms rows stored first, then processed through the new-comms path;
// then the receiver's path, each event stored and processed in the unit of
// work that commits it (one event per commit, and 64). Prints the statements
// prepared and run per event.
//
//   build/bench/bench_processor [events] [accounts]
#include "pipeline/eventcatalogue.h"
#include "pipeline/eventprocessor.h"
#include "core/clock.h"
#include "store/schema.h"
#include "store/tdmod.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int events = argc > 1 ? QByteArray(argv[1]).toInt() : 2000;
    const int accounts = argc > 2 ? QByteArray(argv[2]).toInt() : 500;
    QTemporaryDir dir;
    store::TDMod dm(dir.path());
    dm.setDefaultActionsSource(pipeline::CatalogueDefaultActions);
    dm.PrepareAlias();
    if (!dm.OpenStore())
        return 1;
    for (int i = 1; i <= accounts; ++i) {
        dm.tbAccounts->insert();
        dm.tbAccounts->field(QStringLiteral("AccountNo"))
            .setValue(QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0')));
        dm.tbAccounts->field(QStringLiteral("PanelType")).setValue(3);
        dm.tbAccounts->post();
    }
    static const char *const codes[] = {"E130", "R130", "E401", "R401", "E602", "E301"};
    {
        store::WriteScope scope(dm.database());
        dm.database().ensureWriteLock();
        for (int i = 0; i < events; ++i) {
            const QString data = QStringLiteral("18%1%2%3")
                                     .arg(1 + i % accounts, 4, 10, QLatin1Char('0'))
                                     .arg(QLatin1String(codes[i % 6]))
                                     .arg(QStringLiteral("01001"));
            dm.database().exec(QStringLiteral("INSERT INTO Comms (ID, DateTime, RxNo, LineNo, "
                                              "Protocol, Data) VALUES (?, ?, 1, 1, 1, ?)"),
                               {i + 1, store::dateTimeToStored(core::now()), data});
        }
        dm.database().exec(QStringLiteral("UPDATE IDs SET CommsID = ?"), {events + 1});
        scope.commit();
    }
    pipeline::EventProcessor processor(dm);
    store::Database &db = dm.database();
    const auto report = [&](const char *what, double seconds, int prepared, int run) {
        std::printf("%-34s %6d events in %.2f s = %6.0f events/s; per event %.2f statements "
                    "prepared, %.2f run\n",
                    what, events, seconds, events / seconds, double(prepared) / events,
                    double(run) / events);
    };
    QElapsedTimer t;
    int prepared = db.statementsPrepared(), run = db.statementsRun();
    t.start();
    for (int i = 1; i <= events; ++i)
        processor.OnWM_NewCommsData(i);
    report("stored first, then processed", t.nsecsElapsed() / 1e9,
           db.statementsPrepared() - prepared, db.statementsRun() - run);

    for (const int group : {1, 64}) {
        prepared = db.statementsPrepared();
        run = db.statementsRun();
        t.restart();
        for (int i = 0; i < events; i += group) {
            store::WriteScope scope(db);
            db.ensureWriteLock();
            for (int k = i; k < std::min(events, i + group); ++k) {
                store::CommsRow row;
                row.at = core::now();
                row.rxNo = 1;
                row.lineNo = 1;
                row.data = QStringLiteral("18%1%2%3")
                               .arg(1 + k % accounts, 4, 10, QLatin1Char('0'))
                               .arg(QLatin1String(codes[k % 6]))
                               .arg(QStringLiteral("01001"));
                dm.StoreEvent(row);
            }
            scope.commit();
        }
        report(group == 1 ? "stored and processed, 1 per commit"
                          : "stored and processed, 64 per commit",
               t.nsecsElapsed() / 1e9, db.statementsPrepared() - prepared,
               db.statementsRun() - run);
    }
    return 0;
}
