// Starting the receiver program beside the monitor.
#include "station/receiverstart.h"
#include "support/recordingmessages.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using station::ReceiverStart;
using Outcome = station::ReceiverStart::Outcome;

namespace {

void writeScript(const QString &path, const QString &marker)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\necho \"$PWD\" > '" + QFile::encodeName(marker) + "'\n");
    f.close();
    QVERIFY(f.setPermissions(f.permissions() | QFileDevice::ExeOwner));
}

void writeStatus(const QString &procRoot, const QString &pid, const QByteArray &name, uint uid)
{
    QDir().mkpath(procRoot + QLatin1Char('/') + pid);
    QFile f(procRoot + QLatin1Char('/') + pid + QStringLiteral("/status"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Name:\t" + name + "\nUmask:\t0022\nState:\tS (sleeping)\nTgid:\t" + pid.toLatin1() +
            "\nUid:\t" + QByteArray::number(uid) + "\t" + QByteArray::number(uid) + "\t0\t0\n");
}

// Replaces PATH for the lifetime of the guard.
class PathGuard
{
public:
    explicit PathGuard(const QString &path) : m_saved(qgetenv("PATH"))
    {
        qputenv("PATH", QFile::encodeName(path));
    }
    ~PathGuard() { qputenv("PATH", m_saved); }

private:
    QByteArray m_saved;
};

} // namespace

class TestReceiverStart : public QObject
{
    Q_OBJECT
private slots:
    void receiverPath_data();
    void receiverPath();
    void outcomes_data();
    void outcomes();
    void runningReceiverIsLeftAlone_data();
    void runningReceiverIsLeftAlone();
    void aRealReceiverProcessIsSeen();
};

void TestReceiverStart::receiverPath_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("path");
    QTest::newRow("program in Quorvel") << "/srv/Quorvel"
                                        << "/srv/Rovask/Rovask";
    QTest::newRow("below Quorvel") << "/srv/Quorvel/Monitor"
                                   << "/srv/Rovask/Rovask";
    QTest::newRow("trailing separator") << "/srv/Quorvel/"
                                        << "/srv/Rovask/Rovask";
    QTest::newRow("first occurrence") << "/a/Quorvel/b/Quorvel"
                                      << "/a/Rovask/Rovask";
    QTest::newRow("case matters") << "/srv/quorvel"
                                  << "Rovask/Rovask";
    QTest::newRow("no Quorvel") << "/opt/monitor"
                                << "Rovask/Rovask";
}

void TestReceiverStart::receiverPath()
{
    QFETCH(QString, folder);
    QFETCH(QString, path);
    QCOMPARE(ReceiverStart::receiverPath(folder), path);
}

void TestReceiverStart::outcomes_data()
{
    QTest::addColumn<bool>("folder");
    QTest::addColumn<bool>("program");
    QTest::addColumn<bool>("executable");
    QTest::addColumn<bool>("onPath");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("warning");

    QTest::newRow("program there") << true << true << true << false << int(Outcome::Started) << "";
    QTest::newRow("no folder, not retried")
        << false << false << false << true << int(Outcome::ExecutionFailed)
        << "Rovask execution failed !";
    QTest::newRow("folder without program, found on PATH")
        << true << false << false << true << int(Outcome::StartedFromPath) << "";
    QTest::newRow("folder without program, not on PATH")
        << true << false << false << false << int(Outcome::NotFound)
        << "Rovask Alarm Receiver not found !";
    QTest::newRow("program not executable")
        << true << true << false << true << int(Outcome::ExecutionFailed)
        << "Rovask execution failed !";
}

void TestReceiverStart::outcomes()
{
    QFETCH(bool, folder);
    QFETCH(bool, program);
    QFETCH(bool, executable);
    QFETCH(bool, onPath);
    QFETCH(int, outcome);
    QFETCH(QString, warning);

    QTemporaryDir root;
    RecordingMessages messages;
    const QString programFolder = root.filePath(QStringLiteral("Quorvel/Monitor"));
    QDir().mkpath(programFolder);
    const QString receiverFolder = root.filePath(QStringLiteral("Rovask"));
    const QString besideMarker = root.filePath(QStringLiteral("beside.txt"));
    const QString pathMarker = root.filePath(QStringLiteral("path.txt"));
    if (folder)
        QDir().mkpath(receiverFolder);
    if (program) {
        writeScript(receiverFolder + QStringLiteral("/Rovask"), besideMarker);
        if (!executable)
            QFile::setPermissions(receiverFolder + QStringLiteral("/Rovask"),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    const QString bin = root.filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    if (onPath)
        writeScript(bin + QStringLiteral("/Rovask"), pathMarker);
    const QString emptyProc = root.filePath(QStringLiteral("proc"));
    QDir().mkpath(emptyProc);

    Outcome result = Outcome::AlreadyRunning;
    {
        PathGuard path(bin);
        result = ReceiverStart(emptyProc).run(programFolder);
    }
    QCOMPARE(int(result), outcome);
    QCOMPARE(messages.warnings, warning.isEmpty() ? QStringList() : QStringList{warning});
    if (result == Outcome::Started) {
        // Started in its own folder; the monitor went on without waiting.
        QTRY_VERIFY(QFileInfo(besideMarker).size() > 0);
        QFile f(besideMarker);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromLocal8Bit(f.readAll()).trimmed(),
                 QFileInfo(receiverFolder).canonicalFilePath());
    }
    if (result == Outcome::StartedFromPath)
        QTRY_VERIFY(QFile::exists(pathMarker));
    if (result != Outcome::StartedFromPath)
        QVERIFY(!QFile::exists(pathMarker));
}

void TestReceiverStart::runningReceiverIsLeftAlone_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("ownUser");
    QTest::addColumn<QString>("pid");
    QTest::addColumn<bool>("running");
    QTest::newRow("ours") << QByteArray("Rovask") << true << "731" << true;
    QTest::newRow("another user's") << QByteArray("Rovask") << false << "731" << false;
    QTest::newRow("another name") << QByteArray("RovaskX") << true << "731" << false;
    QTest::newRow("not a process entry") << QByteArray("Rovask") << true << "self" << false;
}

void TestReceiverStart::runningReceiverIsLeftAlone()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, ownUser);
    QFETCH(QString, pid);
    QFETCH(bool, running);

    QTemporaryDir root;
    RecordingMessages messages;
    const QString proc = root.filePath(QStringLiteral("proc"));
    writeStatus(proc, QStringLiteral("1"), "systemd", 0);
    const uint uid = static_cast<uint>(::getuid());
    writeStatus(proc, pid, name, ownUser ? uid : uid + 1);
    const QString marker = root.filePath(QStringLiteral("started.txt"));
    writeScript(root.filePath(QStringLiteral("Rovask/Rovask")), marker);

    ReceiverStart start(proc);
    QCOMPARE(start.isRunning(), running);
    const Outcome result = start.run(root.filePath(QStringLiteral("Quorvel")));
    QCOMPARE(result, running ? Outcome::AlreadyRunning : Outcome::Started);
    QVERIFY(messages.all().isEmpty());
    if (running) {
        QTest::qWait(100);
        QVERIFY(!QFile::exists(marker));
    } else {
        QTRY_VERIFY(QFile::exists(marker));
    }
}

void TestReceiverStart::aRealReceiverProcessIsSeen()
{
    QTemporaryDir root;
    const QString path = root.filePath(QStringLiteral("Rovask"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\nsleep 30\n");
    f.close();
    QVERIFY(f.setPermissions(f.permissions() | QFileDevice::ExeOwner));
    QProcess receiver;
    receiver.start(path, {});
    QVERIFY(receiver.waitForStarted(3000));
    QTRY_VERIFY(ReceiverStart().isRunning());
    receiver.kill();
    receiver.waitForFinished(3000);
}

QTEST_MAIN(TestReceiverStart)
#include "tst_receiverstart.moc"
