// The event processor's own rate: Comms rows stored first, then processed
// through the new-comms path, with 500 registered accounts on default rules.
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
    QElapsedTimer t;
    t.start();
    for (int i = 1; i <= events; ++i)
        processor.OnWM_NewCommsData(i);
    const double seconds = t.nsecsElapsed() / 1e9;
    std::printf("processed %d events over %d accounts in %.2f s = %.0f events/s\n", events,
                accounts, seconds, events / seconds);
    return 0;
}
