#include "support/stationfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTcpServer>
#include <QtTest>

#include <unistd.h>

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

} // namespace

StationFolders::StationFolders() : m_port(freePort())
{
    QDir().mkpath(programFolder());
    // The receiver runs already: nothing is started, nothing is shown.
    writeFile(procRoot() + QStringLiteral("/4242/status"),
              "Name:\tRovask\nState:\tS (sleeping)\nUid:\t" + QByteArray::number(::getuid()) +
                  "\t0\t0\t0\n");
    setSetting(QStringLiteral("Communication"), QStringLiteral("Port"), QString::number(m_port));
}

QString StationFolders::programFolder() const
{
    return m_dir.filePath(QStringLiteral("Quorvel"));
}

QString StationFolders::settingsPath() const
{
    return m_dir.filePath(QStringLiteral("config/Quorvel.ini"));
}

QString StationFolders::procRoot() const
{
    return m_dir.filePath(QStringLiteral("proc"));
}

station::StationOptions StationFolders::options() const
{
    station::StationOptions options;
    options.programFolder = programFolder();
    options.settingsPath = settingsPath();
    options.procRoot = procRoot();
    return options;
}

void StationFolders::stopReceiver()
{
    QDir(procRoot()).removeRecursively();
    QDir().mkpath(procRoot());
}

quint16 StationFolders::freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

void StationFolders::setSetting(const QString &group, const QString &name, const QString &value)
{
    QSettings ini(settingsPath(), QSettings::IniFormat);
    ini.setValue(group + QLatin1Char('/') + name, value);
}

QString StationFolders::setting(const QString &group, const QString &name) const
{
    QSettings ini(settingsPath(), QSettings::IniFormat);
    return ini.value(group + QLatin1Char('/') + name, QStringLiteral("<missing>")).toString();
}
