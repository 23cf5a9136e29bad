#include "station/receiverstart.h"

#include "localization/texts.h"
#include "core/messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <unistd.h>

namespace station {

namespace {

const QString kReceiverName = QStringLiteral("Rovask");

// "Name:" and the real "Uid:" of one /proc/<pid>/status file.
bool isOwnReceiver(const QString &statusPath, uint uid)
{
    QFile f(statusPath);
    if (!f.open(QIODevice::ReadOnly))
        return false; // gone meanwhile, or not ours to read
    // Process files tell no size: read to the end.
    const QList<QByteArray> lines = f.readAll().split('\n');
    bool nameMatches = false;
    bool uidMatches = false;
    for (const QByteArray &raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith("Name:")) {
            nameMatches = line.mid(5).trimmed() == kReceiverName.toLatin1();
        } else if (line.startsWith("Uid:")) {
            const QList<QByteArray> ids = line.mid(4).simplified().split(' ');
            bool ok = false;
            uidMatches = !ids.isEmpty() && ids.first().toUInt(&ok) == uid && ok;
            break; // Uid follows Name
        }
    }
    return nameMatches && uidMatches;
}

} // namespace

ReceiverStart::ReceiverStart(const QString &procRoot) : m_procRoot(procRoot) {}

QString ReceiverStart::receiverPath(const QString &programFolder)
{
    QString folder = programFolder;
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    const qsizetype at = folder.indexOf(QLatin1String("Quorvel"), 0, Qt::CaseSensitive);
    const QString base = at < 0 ? QString() : folder.left(at);
    return base + kReceiverName + QLatin1Char('/') + kReceiverName;
}

bool ReceiverStart::isRunning() const
{
    const uint uid = static_cast<uint>(::getuid());
    const QDir proc(m_procRoot);
    const QStringList entries = proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool numeric = false;
        entry.toLongLong(&numeric);
        if (numeric && isOwnReceiver(proc.filePath(entry + QStringLiteral("/status")), uid))
            return true;
    }
    return false;
}

ReceiverStart::Outcome ReceiverStart::run(const QString &programFolder)
{
    if (isRunning())
        return Outcome::AlreadyRunning;
    const QString path = receiverPath(programFolder);
    const QFileInfo file(path);
    if (file.exists()) {
        // Detached: the receiver outlives the monitor and is never waited for.
        if (QProcess::startDetached(file.absoluteFilePath(), {}, file.absolutePath()))
            return Outcome::Started;
    } else if (file.dir().exists()) {
        if (QProcess::startDetached(kReceiverName, {}))
            return Outcome::StartedFromPath;
        core::messages().warning(loc::text("Rovask Alarm Receiver not found !"));
        return Outcome::NotFound;
    }
    core::messages().warning(loc::text("Rovask execution failed !"));
    return Outcome::ExecutionFailed;
}

} // namespace station
