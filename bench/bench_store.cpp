// Durable posts per second into Comms, each with its number allocated from
// IDs, committed with a full sync, and its new-comms notification posted.
#include "core/clock.h"
#include "core/events.h"
#include "store/tdmod.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {

class Counter : public QObject
{
public:
    bool event(QEvent *e) override
    {
        if (e->type() == core::NewCommsEventType) {
            ++count;
            return true;
        }
        return QObject::event(e);
    }
    int count = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? QByteArray(argv[1]).toInt() : 2000;
    QTemporaryDir dir(argc > 2 ? QString::fromLocal8Bit(argv[2]) + QStringLiteral("/bench-XXXXXX")
                               : QDir::tempPath() + QStringLiteral("/bench-XXXXXX"));
    store::TDMod dm(dir.path());
    dm.PrepareAlias();
    if (!dm.OpenStore())
        return 1;
    Counter counter;
    dm.setNotifyTarget(&counter);

    QElapsedTimer t;
    t.start();
    for (int i = 0; i < rows; ++i) {
        dm.tbComms->insert();
        dm.tbComms->field(QStringLiteral("DateTime")).setValue(core::now());
        dm.tbComms->field(QStringLiteral("RxNo")).setValue(1);
        dm.tbComms->field(QStringLiteral("LineNo")).setValue(1);
        dm.tbComms->field(QStringLiteral("Protocol")).setValue(1);
        dm.tbComms->field(QStringLiteral("Data")).setValue(QStringLiteral("181234E13001015"));
        dm.tbComms->post();
    }
    QCoreApplication::processEvents();
    const double seconds = t.nsecsElapsed() / 1e9;
    std::printf("durable Comms posts: %d in %.2f s = %.0f posts/s (%d notifications) on %s\n",
                rows, seconds, rows / seconds, counter.count, qPrintable(dir.path()));
    return counter.count == rows ? 0 : 1;
}
