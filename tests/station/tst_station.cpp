// The station with no window: started, fed by the receiver over TCP, and
// stopped, each in its order. This executable links no widgets at all.
#include "core/messages.h"
#include "pipeline/receiverlink.h"
#include "pipeline/sound.h"
#include "station/station.h"
#include "store/tdmod.h"
#include "support/recordingmessages.h"
#include "support/recordingsoundplayer.h"
#include "support/stationfolders.h"

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTcpSocket>
#include <QtTest>

using station::Station;
using Step = station::Station::Step;

namespace {

int count(store::TDMod &dm, const char *sql)
{
    QSqlQuery q = dm.database().exec(QString::fromLatin1(sql));
    return q.next() ? q.value(0).toInt() : -1;
}

void addAccount(store::TDMod &dm, const QString &number)
{
    store::Table &a = *dm.tbAccounts;
    a.insert();
    a.field(QStringLiteral("AccountNo")).setValue(number);
    a.field(QStringLiteral("Name")).setValue(QStringLiteral("Bakery"));
    a.post();
}

} // namespace

class TestStation : public QObject
{
    Q_OBJECT
private slots:
    void takesAFrameWithNoWindow();
    void startUpAndShutDownKeepTheirOrder();
    void stopWithoutStartLeavesTheSettingsAlone();
};

void TestStation::takesAFrameWithNoWindow()
{
    QVERIFY(!QCoreApplication::instance()->inherits("QApplication"));
    StationFolders folders;
    RecordingMessages messages;
    RecordingSoundPlayer sound;
    pipeline::SetSoundPlayer(&sound);
    {
        Station station(folders.options());
        QSignalSpy counts(&station, &Station::countsChanged);
        QSignalSpy queue(&station, &Station::queueChanged);
        QSignalSpy arrived(&station, &Station::alarmArrived);
        station.start();
        QVERIFY(station.link().isListening());
        addAccount(station.dm(), QStringLiteral("1234"));

        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, folders.port());
        QVERIFY(socket.waitForConnected(3000));
        QTRY_COMPARE(station.statusText(0), QStringLiteral("Status: Receiving Data..."));
        // A burglary on account 1234, area 1, zone 15: prompted, High.
        socket.write("5011 181234E13001015\x14");
        QTRY_COMPARE_WITH_TIMEOUT(socket.bytesAvailable(), 1, 10000);
        QCOMPARE(socket.readAll(), QByteArray("\x06"));
        QTRY_COMPARE_WITH_TIMEOUT(count(station.dm(), "SELECT COUNT(*) FROM Pending"), 1, 10000);
        QCOMPARE(count(station.dm(), "SELECT COUNT(*) FROM Comms WHERE Processed IS NULL"), 0);
        QCOMPARE(station.dm().PriorityCounts[2], 1);
        QCOMPARE(station.statusText(3), QStringLiteral("Receiver: Online"));
        // What a window would follow, told as signals.
        QVERIFY(!counts.isEmpty());
        QVERIFY(!queue.isEmpty());
        QCOMPARE(arrived.size(), 1);
        QVERIFY(!sound.played().isEmpty());

        station.settings().EmailHost = QStringLiteral("smtp.example.net");
        station.stop();
        QVERIFY(!station.link().isListening());
        socket.waitForDisconnected(3000);
        QCOMPARE(socket.state(), QAbstractSocket::UnconnectedState);
    }
    QCOMPARE(folders.setting(QStringLiteral("Communication"), QStringLiteral("Email Host")),
             QStringLiteral("smtp.example.net"));
    pipeline::SetSoundPlayer(nullptr);
    QVERIFY2(messages.all().isEmpty(), qPrintable(messages.all().join(QLatin1Char('|'))));
}

void TestStation::startUpAndShutDownKeepTheirOrder()
{
    // Each step is checked against what has, and has not yet, happened.
    StationFolders folders;
    folders.stopReceiver(); // the receiver's start is tried, and fails where it shows
    folders.setSetting(QStringLiteral("Communication"), QStringLiteral("Email Host"),
                       QStringLiteral("before"));
    RecordingMessages messages;
    QList<Step> steps;
    QStringList faults;
    bool dataModuleGone = false;
    bool goneAfterStop = false;
    auto fault = [&](Step s, bool ok, const char *what) {
        if (!ok)
            faults << QStringLiteral("%1: %2")
                          .arg(QLatin1String(QMetaEnum::fromType<Step>().valueToKey(int(s))),
                               QLatin1String(what));
    };
    {
        Station station(folders.options());
        store::TDMod &dm = station.dm();
        connect(&dm, &QObject::destroyed, &dm, [&] {
            dataModuleGone = true;
            goneAfterStop = !steps.isEmpty() && steps.last() == Step::Stopped;
        });
        connect(&station, &Station::stepDone, &station, [&](Step s) {
            steps << s;
            const bool open = dm.tbPending->isOpen();
            const bool listening = station.link().isListening();
            const bool read = station.settings().EmailHost == QStringLiteral("before");
            const bool warned = !messages.warnings.isEmpty();
            const QString written = folders.setting(QStringLiteral("Communication"),
                                                    QStringLiteral("Email Host"));
            switch (s) {
            case Step::StoreSetUp:
            case Step::DataModuleCreated:
            case Step::LanguageMenu:
                fault(s, !open && !read && !listening, "nothing opened or read yet");
                break;
            case Step::LinkStarted:
                fault(s, station.link().TickTmr()->isActive() && !open, "tick before the tables");
                break;
            case Step::StoreOpened:
            case Step::Counted:
                fault(s, open && !read, "tables open before the settings are read");
                break;
            case Step::SettingsRead:
            case Step::BacklogProcessed:
                fault(s, read && !listening, "settings read before the port opens");
                break;
            case Step::PortOpened:
                fault(s, listening && !warned, "port open before the receiver is started");
                break;
            case Step::ReceiverStarted:
            case Step::DateFormatsApplied:
            case Step::Running:
                fault(s, listening && warned, "receiver started once the port is open");
                break;
            case Step::PortClosed:
                fault(s, !listening && written == QStringLiteral("before"),
                      "port closed before the settings are written");
                break;
            case Step::SettingsWritten:
                fault(s, written == QStringLiteral("after") && open,
                      "settings written while the data module lives");
                break;
            case Step::Stopped:
                fault(s, !dataModuleGone && open, "the data module goes last");
                break;
            }
        });
        station.start();
        station.settings().EmailHost = QStringLiteral("after");
        station.stop();
        station.stop(); // once only
    }
    QVERIFY(dataModuleGone);
    QVERIFY(goneAfterStop);
    QCOMPARE(faults, QStringList());
    const QList<Step> expected{
        Step::StoreSetUp,      Step::DataModuleCreated, Step::LanguageMenu,
        Step::LinkStarted,     Step::StoreOpened,       Step::Counted,
        Step::SettingsRead,    Step::BacklogProcessed,  Step::PortOpened,
        Step::ReceiverStarted, Step::DateFormatsApplied, Step::Running,
        Step::PortClosed,      Step::SettingsWritten,   Step::Stopped,
    };
    QCOMPARE(steps, expected);
    QCOMPARE(messages.warnings, QStringList{QStringLiteral("Rovask execution failed !")});
}

void TestStation::stopWithoutStartLeavesTheSettingsAlone()
{
    // A station that never read its settings must not write defaults over them.
    StationFolders folders;
    folders.setSetting(QStringLiteral("Communication"), QStringLiteral("Email Host"),
                       QStringLiteral("kept"));
    {
        Station station(folders.options());
    }
    QCOMPARE(folders.setting(QStringLiteral("Communication"), QStringLiteral("Email Host")),
             QStringLiteral("kept"));
    QCOMPARE(folders.setting(QStringLiteral("Communication"), QStringLiteral("Port")),
             QString::number(folders.port()));
}

QTEST_GUILESS_MAIN(TestStation)
#include "tst_station.moc"
