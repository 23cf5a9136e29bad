// Raw bytes off a receiver connection: cut at DC4, logged, acknowledged and
// stored as Comms rows in a throwaway store, with the same bounds as a socket.
#include "pipeline/receiverlink.h"
#include "store/database.h"
#include "store/tdmod.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <memory>

namespace {

class NullConsole : public pipeline::LinkConsole
{
public:
    void setStatusText(int, const QString &) override {}
    void RefreshStatusAndCounts() override {}
    void beep() override {}
};

struct Harness
{
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<store::TDMod> dm;
    NullConsole console;
};

Harness *harness = nullptr;

// Reports go to the output as warnings: thousands a second would only slow
// the run down. Fatal messages still stop it.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtFatalMsg) {
        fprintf(stderr, "%s\n", qUtf8Printable(text));
        abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qInstallMessageHandler(quietMessages);
    // Lives for the whole run: timers and sockets need the application.
    new QCoreApplication(*argc, *argv);
    harness = new Harness;
    // On tmpfs when there is one: every event frame is a synchronous commit.
    const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                   : QDir::tempPath();
    harness->dir = std::make_unique<QTemporaryDir>(base + QStringLiteral("/quorvel-fuzz-XXXXXX"));
    harness->dm = std::make_unique<store::TDMod>(harness->dir->path());
    harness->dm->PrepareAlias();
    if (!harness->dm->OpenStore())
        qFatal("the fuzz store did not open");
    // Durability is not under test here; speed is.
    harness->dm->database().exec(QStringLiteral("PRAGMA synchronous = OFF"));
    std::atexit([] { harness->dir->remove(); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // A fresh link for each input, so no buffer carries over between inputs.
    pipeline::ReceiverLink link(*harness->dm, harness->console);
    // The first byte picks the chunk size (frames split across reads) and,
    // with its top bit, puts a run past the link's 64 KiB bound between two
    // copies of the rest.
    if (size < 2)
        return 0;
    const std::size_t chunk = std::size_t(data[0] % 64) + 1;
    const bool longRun = data[0] & 0x80;
    const QByteArray body(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const auto feed = [&link](const QByteArray &bytes, std::size_t piece) {
        for (qsizetype pos = 0; pos < bytes.size(); pos += qsizetype(piece))
            link.FeedReceiverBytes(bytes.mid(pos, qsizetype(piece)));
    };
    feed(body, chunk);
    if (longRun) {
        QByteArray noise = body;
        noise.replace('\x14', 'x');
        const qsizetype length = pipeline::ReceiverLink::kMaxBufferedBytes + 4096;
        QByteArray run;
        run.reserve(length);
        while (run.size() < length)
            run.append(noise);
        feed(run, 4096);
        feed(body, chunk);
    }
    // Reports scheduled by the frames run here (into the silent message sink).
    QCoreApplication::processEvents();
    return 0;
}
