// The main window as the station starts, runs and shuts down.
#include "console/aboutbox.h"
#include "console/statusbar.h"
#include "console/operatorsession.h"
#include "console/pendingpanel.h"
#include "console/tmainfrm.h"
#include "pipeline/eventprocessor.h"
#include "station/station.h"
#include "support/stationfixture.h"
#include "core/events.h"
#include "localization/texts.h"
#include "store/tdmod.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QTabWidget>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

using console::TMainFrm;

namespace {

// The owner's, group's and others' bits (the user bits repeat the owner's).
QFileDevice::Permissions ownerGroupOther(const QString &path)
{
    return QFile::permissions(path) &
           ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
}

const QString kOperator = QStringLiteral("Operator");
const QString kCommunication = QStringLiteral("Communication");

QByteArray heartbeat()
{
    return "1011" + QByteArray(11, ' ') + '@' + QByteArray(4, ' ') + '\x14';
}

bool connectTo(QTcpSocket &socket, quint16 port)
{
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(3000);
}

} // namespace

class TestMainFrm : public QObject
{
    Q_OBJECT
private slots:
    void designOfTheWindow();
    void firstRunUsesDefaultsAndExitWritesAllSix();
    void settingsSurviveARestartUnchanged();
    void settingsAreReadOnce();
    void damagedStoreIsReportedAndTheWindowStillOpens();
    void menuStartsLockedForNobodyLoggedOn();
    void exitWithoutOperatorsOffersAConfirmedShutDown_data();
    void exitWithoutOperatorsOffersAConfirmedShutDown();
    void portChangedInSettingsIsUsedAtNextStart();
    void setupKeepsListeningWhenTheNewPortFails_data();
    void setupKeepsListeningWhenTheNewPortFails();
    void exitNeedsAnOperatorsPassword_data();
    void exitNeedsAnOperatorsPassword();
    void watchdogReportsASilentReceiver();
    void receiverStartWarningsAppearAtStartup_data();
    void receiverStartWarningsAppearAtStartup();
    void countLabelsShareTheRowByQuarters_data();
    void countLabelsShareTheRowByQuarters();
    void smallestWindowShowsPanelsAndCountsWhole();
    void countsFollowThePendingRows();
    void postedEventsReachTheirHandlers();
    void windowFollowsAStationThatRanWithoutIt();
    void languageChangeShowsEveryTextAgain();
};

void TestMainFrm::designOfTheWindow()
{
    StationFixture s;
    TMainFrm &w = s.start();
    QCOMPARE(w.windowTitle(), QStringLiteral("Quorvel Alarm Monitor - V2.16"));
    QCOMPARE(w.size(), QSize(800, 600));

    struct Item
    {
        const char *name;
        const char *caption;
        int tag;
    };
    const QList<Item> operatorItems{{"mnuLogOn", "Log On...", 1},
                                    {"mnuLogOff", "Log Off", 2},
                                    {"mnuPasscode", "Change Passcode...", 3},
                                    {"mnuEditOperators", "Modify System Operators...", 4},
                                    {"mnuExit", "Exit", 5}};
    for (const Item &i : operatorItems) {
        auto *a = w.findChild<QAction *>(QString::fromLatin1(i.name));
        QVERIFY2(a, i.name);
        QCOMPARE(a->text(), QString::fromLatin1(i.caption));
        QCOMPARE(a->data().toInt(), i.tag);
        QVERIFY(w.session().mnuOperator->actions().contains(a));
    }
    const QList<QPair<const char *, const char *>> others{
        {"AccEdit", "Open Account Manager"},
        {"Setup1", "Setup"},
        {"mnuViewCommsData", "View Comms Data..."},
        {"mnuViewEmail", "View Email History..."},
        {"About1", "About"}};
    for (const auto &[name, caption] : others) {
        auto *a = w.findChild<QAction *>(QString::fromLatin1(name));
        QVERIFY2(a, name);
        QCOMPARE(a->text(), QString::fromLatin1(caption));
    }
    QStringList menus;
    for (QAction *a : w.menuBar()->actions())
        menus << a->text();
    QCOMPARE(menus, (QStringList{QStringLiteral("Operator"), QStringLiteral("Accounts"),
                                 QStringLiteral("Communication"), QStringLiteral("Setup"),
                                 QStringLiteral("Help")}));
    QCOMPARE(w.session().mnuSetupLanguage->title(), QStringLiteral("Language"));

    // Status bar: six panels, widths as designed, the last one takes the rest;
    // the operator's is only as wide as the name needs (at most as designed).
    for (int i = 0; i < 4; ++i)
        QCOMPARE(w.statBar()->panel(i)->width(), console::StatBar::kWidths[static_cast<size_t>(i)]);
    QCOMPARE(w.statBar()->panel(4)->width(), console::StatBar::kWidths[3]);
    QCOMPARE(w.statusText(0), QStringLiteral("Status: Monitoring..."));
    QCOMPARE(w.statusText(3), QStringLiteral("Receiver: Offline"));
    QCOMPARE(w.statusText(4), QStringLiteral("Operator: "));
    QCOMPARE(w.statusText(5), QStringLiteral("Access Options: "));
    QCOMPARE(w.statBar()->txLight()->parentWidget(), w.statBar()->panel(1));
    QCOMPARE(w.statBar()->rxLight()->parentWidget(), w.statBar()->panel(2));

    // Logged off: only Log On, Exit and Help.
    QVERIFY(w.session().mnuLogOn->isEnabled());
    for (QAction *a : {w.session().mnuLogOff, w.session().mnuPasscode, w.session().mnuEditOperators})
        QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
    QVERIFY(w.session().mnuExit->isEnabled());
    QVERIFY(w.session().mnuHelp->menuAction()->isEnabled());
    for (QMenu *m : {w.session().mnuAccounts, w.session().mnuCommunication, w.session().mnuSetup})
        QVERIFY2(!m->menuAction()->isEnabled(), qPrintable(m->objectName()));

    // The right-hand column, top to bottom; Delete shows only for orphaned events.
    QCOMPARE(w.pending().btnAction->text(), QStringLiteral("&Action"));
    QCOMPARE(w.pending().btnCancel->text(), QStringLiteral("Log"));
    QCOMPARE(w.pending().btnCancel->property("tag").toInt(), 3);
    QCOMPARE(w.pending().btnHistory->text(), QStringLiteral("History..."));
    QCOMPARE(w.pending().btnSilence->text(), QStringLiteral("Silence"));
    QVERIFY(!w.pending().btnSilence->isEnabled());
    QVERIFY(w.pending().btnDelete->isHidden());
    QCOMPARE(w.pending().lbAlmCount[0]->text(), QStringLiteral("Very High Priority - 000"));
    QCOMPARE(w.pending().lbAlmCount[3]->text(), QStringLiteral("Low Priority - 000"));

    QVERIFY(w.station().link().TickTmr()->isActive());
    QVERIFY(w.station().MinuteTimer->isActive());
    QCOMPARE(w.station().MinuteTimer->interval(), 60000);
    QVERIFY(w.station().link().isListening());
    QCOMPARE(s.dm().notifyTarget(), &w.station());
    QVERIFY(s.messages.all().isEmpty());

    s.driver.closeAbout();
    w.session().About1->trigger();
    QCOMPARE(s.driver.queued(), 0);
    QCOMPARE(s.driver.unanswered, 0);
    console::TAboutBox about;
    QCOMPARE(about.ProductName()->text(), QStringLiteral("Quorvel Alarm\nMonitor"));
    // The program's icon, as the main window shows it; no warning sign.
    const QImage shown = about.findChild<QLabel *>(QStringLiteral("ProgramIcon"))->pixmap().toImage();
    QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32),
             w.windowIcon().pixmap(48, 48).toImage().convertToFormat(QImage::Format_ARGB32));
    QVERIFY(shown != about.style()
                         ->standardIcon(QStyle::SP_MessageBoxWarning)
                         .pixmap(48, 48)
                         .toImage()
                         .convertToFormat(shown.format()));
    const QString folder = qEnvironmentVariable("QUORVEL_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QVERIFY(about.grab().save(QDir(folder).filePath(QStringLiteral("about-box.png"))));
    QCOMPARE(about.Version()->text(), QStringLiteral("Version 2.16 - Dec 2013"));
}

void TestMainFrm::firstRunUsesDefaultsAndExitWritesAllSix()
{
    StationFixture s;
    QFile::remove(s.settingsPath());
    TMainFrm &w = s.start();
    QCOMPARE(w.station().settings().Port, QStringLiteral("2000"));
    QCOMPARE(w.station().settings().LastOperator, QString());
    QCOMPARE(w.station().settings().EmailHost, QString());
    QCOMPARE(w.station().settings().EmailUserName, QString());
    QCOMPARE(w.station().settings().EmailPassword, QString());
    QCOMPARE(w.station().settings().EmailSender, QString());
    // Nothing is written while the station runs.
    QVERIFY(!QFile::exists(s.settingsPath()));

    s.driver.answer(QStringLiteral("Master"), QStringLiteral("master"));
    QVERIFY(w.close());
    s.stop();

    QVERIFY(QFile::exists(s.settingsPath()));
    QCOMPARE(ownerGroupOther(s.settingsPath()), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QSettings ini(s.settingsPath(), QSettings::IniFormat);
    QCOMPARE(ini.childGroups(), (QStringList{kCommunication, kOperator}));
    QCOMPARE(ini.value(QStringLiteral("Operator/LastOperator")).toString(), QString());
    QCOMPARE(ini.value(QStringLiteral("Communication/Port")).toString(), QStringLiteral("2000"));
    ini.beginGroup(kCommunication);
    QCOMPARE(ini.childKeys().size(), 5);
    for (const char *key : {"Email Host", "Email User Name", "Email Password", "Email Sender"}) {
        QVERIFY2(ini.contains(QString::fromLatin1(key)), key);
        QCOMPARE(ini.value(QString::fromLatin1(key)).toString(), QString());
    }
}

void TestMainFrm::settingsSurviveARestartUnchanged()
{
    StationFixture s;
    station::Station &station = s.startStation();
    // What the setup dialog would put there, awkward characters included.
    station.settings().EmailHost = QStringLiteral("smtp.example.net");
    station.settings().EmailUserName = QStringLiteral("station 4");
    station.settings().EmailPassword = QStringLiteral("p@ss, \"word\";=x\\y ");
    station.settings().EmailSender = QStringLiteral("Alarm Centre <alarms@example.net>");
    s.stop();

    station::Station &again = s.startStation();
    QCOMPARE(again.settings().Port, QString::number(s.port()));
    QCOMPARE(again.settings().EmailHost, QStringLiteral("smtp.example.net"));
    QCOMPARE(again.settings().EmailUserName, QStringLiteral("station 4"));
    QCOMPARE(again.settings().EmailPassword, QStringLiteral("p@ss, \"word\";=x\\y "));
    QCOMPARE(again.settings().EmailSender, QStringLiteral("Alarm Centre <alarms@example.net>"));
}

void TestMainFrm::settingsAreReadOnce()
{
    // Settings are read once: a change to the file during the run is not
    // picked up, and the values in memory are what the shut-down writes.
    StationFixture s;
    s.setSetting(kCommunication, QStringLiteral("Email Host"), QStringLiteral("before"));
    station::Station &station = s.startStation();
    s.setSetting(kCommunication, QStringLiteral("Email Host"), QStringLiteral("meanwhile"));
    QCOMPARE(station.settings().EmailHost, QStringLiteral("before"));
    s.stop();
    QCOMPARE(s.setting(kCommunication, QStringLiteral("Email Host")), QStringLiteral("before"));
}

void TestMainFrm::damagedStoreIsReportedAndTheWindowStillOpens()
{
    StationFixture s;
    QDir().mkpath(s.programFolder() + QStringLiteral("/data"));
    QFile bad(s.programFolder() + QStringLiteral("/data/quorvel.db"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(4096, 'x'));
    bad.close();
    TMainFrm &w = s.start();
    QCOMPARE(s.messages.errors.size(), 1);
    QVERIFY(s.messages.errors.first().startsWith(QStringLiteral("Cannot open Table")));
    // The rest of the start-up ran: settings, menu, port.
    QCOMPARE(w.station().settings().Port, QString::number(s.port()));
    QCOMPARE(w.statusText(4), QStringLiteral("Operator: "));
    QVERIFY(w.station().link().isListening());
}

namespace {

void damageStore(StationFixture &s)
{
    QDir().mkpath(s.programFolder() + QStringLiteral("/data"));
    QFile bad(s.programFolder() + QStringLiteral("/data/quorvel.db"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(4096, 'x'));
}

} // namespace

void TestMainFrm::menuStartsLockedForNobodyLoggedOn()
{
    // What the menu offers while the start-up is held up by its first failure.
    StationFixture s;
    damageStore(s);
    QStringList open;
    s.messages.whileErrorShown = [&] {
        if (!open.isEmpty())
            return;
        TMainFrm *window = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets())
            window = window ? window : qobject_cast<TMainFrm *>(top);
        QVERIFY(window);
        TMainFrm &w = *window;
        for (QAction *a : {w.session().mnuLogOn, w.session().mnuLogOff, w.session().mnuPasscode, w.session().mnuEditOperators, w.session().mnuExit,
                           w.session().mnuAccounts->menuAction(), w.session().mnuCommunication->menuAction(),
                           w.session().mnuSetup->menuAction(), w.session().mnuHelp->menuAction()}) {
            if (a->isEnabled())
                open << a->objectName() + a->text();
        }
    };
    s.start();
    QCOMPARE(s.messages.errors.size(), 1);
    QCOMPARE(open, (QStringList{QStringLiteral("mnuLogOnLog On..."), QStringLiteral("mnuExitExit"),
                                QStringLiteral("Help")}));
}

void TestMainFrm::exitWithoutOperatorsOffersAConfirmedShutDown_data()
{
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("shut down") << true;
    QTest::newRow("kept running") << false;
}

void TestMainFrm::exitWithoutOperatorsOffersAConfirmedShutDown()
{
    QFETCH(bool, confirmed);
    StationFixture s;
    damageStore(s);
    TMainFrm &w = s.start();
    w.show();
    s.messages.confirmAnswers << confirmed;
    w.session().mnuExit->trigger();
    QCOMPARE(s.messages.questions.size(), 1);
    QVERIFY2(s.messages.questions.first().startsWith(
                 QStringLiteral("The operators cannot be read, so no exit password")),
             qPrintable(s.messages.questions.first()));
    QCOMPARE(s.driver.seen.size(), 0); // no password dialog that could never succeed
    QCOMPARE(w.isVisible(), !confirmed);
    QCOMPARE(s.dm().AppClosing(), confirmed);
    QCOMPARE(w.station().link().isListening(), !confirmed);
    s.stop();
    // The settings are written as at every orderly shut-down.
    QCOMPARE(s.setting(kCommunication, QStringLiteral("Port")), QString::number(s.port()));
}

void TestMainFrm::portChangedInSettingsIsUsedAtNextStart()
{
    StationFixture s;
    TMainFrm &w = s.start();
    {
        QTcpSocket socket;
        QVERIFY(connectTo(socket, s.port()));
    }
    const quint16 next = StationFixture::freePort();
    w.station().settings().Port = QString::number(next);
    s.driver.answer(QStringLiteral("Master"), QStringLiteral("master"));
    QVERIFY(w.close());
    s.stop();
    QCOMPARE(s.setting(kCommunication, QStringLiteral("Port")), QString::number(next));

    station::Station &again = s.startStation();
    QCOMPARE(again.link().serverPort(), next);
    QTcpSocket socket;
    QVERIFY(connectTo(socket, next));
    socket.write(heartbeat());
    QTRY_COMPARE(socket.bytesAvailable(), 1);
    QCOMPARE(socket.readAll(), QByteArray("\x06"));
}

void TestMainFrm::setupKeepsListeningWhenTheNewPortFails_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<bool>("opens");
    QTest::newRow("not a number") << QStringLiteral("20x0") << false;
    QTest::newRow("in use") << QStringLiteral("in use") << false;
    QTest::newRow("free") << QStringLiteral("free") << true;
}

void TestMainFrm::setupKeepsListeningWhenTheNewPortFails()
{
    QFETCH(QString, port);
    QFETCH(bool, opens);
    QTcpServer other;
    QVERIFY(other.listen(QHostAddress::Any, 0));
    if (port == QStringLiteral("in use"))
        port = QString::number(other.serverPort());
    else if (port == QStringLiteral("free"))
        port = QString::number(StationFixture::freePort());

    StationFixture s;
    TMainFrm &w = s.start();
    const QString before = QString::number(s.port());
    // The setup dialog: a new port typed in, OK pressed.
    QTimer typing;
    connect(&typing, &QTimer::timeout, &typing, [&] {
        auto *dialog = QApplication::activeModalWidget();
        if (!dialog || dialog->objectName() != QStringLiteral("ComSetupFrm"))
            return;
        typing.stop();
        dialog->findChild<QLineEdit *>(QStringLiteral("edPort"))->setText(port);
        dialog->findChild<QLineEdit *>(QStringLiteral("edHost"))->setText(QStringLiteral("smtp.example.net"));
        dialog->findChild<QPushButton *>(QStringLiteral("btnOK"))->click();
    });
    typing.start(20);
    w.session().Setup1->trigger();
    QVERIFY(!typing.isActive());

    QCOMPARE(s.messages.errors.size(), opens ? 0 : 1);
    QVERIFY(w.station().link().isListening());
    const QString listening = opens ? port : before;
    QCOMPARE(QString::number(w.station().link().serverPort()), listening);
    QCOMPARE(w.station().settings().Port, listening);
    QCOMPARE(w.station().settings().EmailHost, QStringLiteral("smtp.example.net"));
    QTcpSocket socket;
    QVERIFY(connectTo(socket, w.station().link().serverPort()));
    socket.write(heartbeat());
    QTRY_COMPARE(socket.bytesAvailable(), 1);
    s.stop();
    // A port that did not open is never saved.
    QCOMPARE(s.setting(kCommunication, QStringLiteral("Port")), listening);
}

void TestMainFrm::exitNeedsAnOperatorsPassword_data()
{
    QTest::addColumn<bool>("answered");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("closes");

    QTest::newRow("cancelled") << false << QString() << QString() << QString() << false;
    QTest::newRow("unknown name") << true << "Nobody"
                                  << "master"
                                  << "User Name not found !" << false;
    QTest::newRow("wrong password")
        << true << "Master"
        << "Master"
        << "Incorrect Passcode ! - Please enter correct Password" << false;
    QTest::newRow("master") << true << "Master"
                            << "master" << QString() << true;
    // Any operator of the station, logged on or not, whatever his rights.
    QTest::newRow("clerk without rights") << true << "Clerk"
                                          << "c1" << QString() << true;
}

void TestMainFrm::exitNeedsAnOperatorsPassword()
{
    QFETCH(bool, answered);
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, error);
    QFETCH(bool, closes);

    StationFixture s;
    TMainFrm &w = s.start();
    s.addOperator(QStringLiteral("Clerk"), QStringLiteral("c1"), QString());
    w.show();
    // The log-on offered at start-up is turned down first.
    s.driver.cancel();
    QTRY_COMPARE(s.driver.seen.size(), 1);
    QTRY_VERIFY(!w.session().logOnDialogExists());

    if (answered)
        s.driver.answer(name, password);
    else
        s.driver.cancel();
    w.session().mnuExit->trigger();
    QCOMPARE(s.driver.seen.size(), 2);
    QCOMPARE(s.driver.seen.last().caption, QStringLiteral("Exit Quorvel Password"));
    QCOMPARE(s.messages.errors, error.isEmpty() ? QStringList() : QStringList{error});
    QCOMPARE(w.isVisible(), !closes);
    QCOMPARE(s.driver.unanswered, 0);
    QCOMPARE(s.dm().AppClosing(), closes);
    QCOMPARE(w.station().link().isListening(), !closes);
    QVERIFY(!w.session().logOnDialogExists());
}

void TestMainFrm::watchdogReportsASilentReceiver()
{
    StationFixture s;
    TMainFrm &w = s.start();
    QTcpSocket socket;
    QVERIFY(connectTo(socket, s.port()));
    QTRY_COMPARE(w.statusText(0), QStringLiteral("Status: Receiving Data..."));
    socket.write(heartbeat());
    QTRY_COMPARE(socket.bytesAvailable(), 1);
    QCOMPARE(socket.readAll(), QByteArray("\x06"));
    QTRY_COMPARE(w.statusText(3), QStringLiteral("Receiver: Online"));
    QVERIFY(w.statBar()->rxLight()->flashes() > 0);
    QVERIFY(w.statBar()->txLight()->flashes() > 0);

    for (int i = 0; i < 98; ++i)
        w.station().link().TickTmrTimer();
    QCOMPARE(w.statusText(3), QStringLiteral("Receiver: Online"));
    w.station().link().TickTmrTimer();
    QCOMPARE(w.statusText(3), QStringLiteral("Receiver: Offline"));
    QCOMPARE(w.station().beeps(), 1);
    QTRY_COMPARE(s.messages.warnings,
                 QStringList{QStringLiteral("Rovask Alarm Receiver is Offline !")});

    socket.disconnectFromHost();
    QTRY_COMPARE(w.statusText(0), QStringLiteral("Status: Monitoring..."));
}

void TestMainFrm::receiverStartWarningsAppearAtStartup_data()
{
    QTest::addColumn<bool>("makeFolder");
    QTest::addColumn<QString>("warning");
    QTest::newRow("no receiver folder") << false << "Rovask execution failed !";
    QTest::newRow("folder without program") << true << "Rovask Alarm Receiver not found !";
}

void TestMainFrm::receiverStartWarningsAppearAtStartup()
{
    QFETCH(bool, makeFolder);
    QFETCH(QString, warning);
    StationFixture s;
    s.stopReceiver();
    if (makeFolder)
        QVERIFY(QDir().mkpath(s.root() + QStringLiteral("/Rovask")));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(s.root() + QStringLiteral("/nowhere")));
    station::Station &station = s.startStation();
    qputenv("PATH", path);
    QCOMPARE(s.messages.warnings, QStringList{warning});
    // The station runs on without its receiver.
    QVERIFY(station.link().isListening());
}

void TestMainFrm::countLabelsShareTheRowByQuarters_data()
{
    QTest::addColumn<int>("rowWidth");
    QTest::addColumn<int>("labelWidth");
    QTest::newRow("690") << 690 << 172;
    QTest::newRow("800") << 800 << 200;
    QTest::newRow("3") << 3 << 0;
}

void TestMainFrm::countLabelsShareTheRowByQuarters()
{
    QFETCH(int, rowWidth);
    QFETCH(int, labelWidth);
    StationFixture s;
    TMainFrm &w = s.start();
    s.driver.cancel(); // the log-on offered when the window shows
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.pending().Panel3->setFixedWidth(rowWidth);
    QTRY_COMPARE(w.pending().Panel3->width(), rowWidth);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(w.pending().lbAlmCount[static_cast<size_t>(i)]->width(), labelWidth);
        QCOMPARE(w.pending().lbAlmCount[static_cast<size_t>(i)]->x(), i * labelWidth);
    }
}

void TestMainFrm::smallestWindowShowsPanelsAndCountsWhole()
{
    StationFixture s;
    TMainFrm &w = s.start();
    s.logOn(QStringLiteral("Master"), QStringLiteral("master")); // every right
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const auto whole = [](QLabel *label) {
        const int room = label->contentsRect().width() - label->indent();
        return label->fontMetrics().horizontalAdvance(label->text()) <= room;
    };
    auto *access = w.statBar()->findChild<QLabel *>(QStringLiteral("StatBarPanel5"));
    QCOMPARE(access->text(), QStringLiteral("Access Options: Edt Add Del Com Rep"));
    QVERIFY2(whole(access), qPrintable(QString::number(access->width())));

    const QString folder = qEnvironmentVariable("QUORVEL_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QVERIFY(w.statBar()->grab().save(QDir(folder).filePath(QStringLiteral("status-bar.png"))));

    // At its smallest, with three-digit counts.
    for (size_t i = 0; i < w.pending().lbAlmCount.size(); ++i)
        s.dm().PriorityCounts[i + 1] = 888;
    w.station().RefreshStatusAndCounts();
    w.resize(w.minimumSize());
    QTRY_COMPARE(w.size(), w.minimumSize());
    QCoreApplication::processEvents();
    QVERIFY2(whole(access), qPrintable(QString::number(access->width())));
    for (QLabel *count : w.pending().lbAlmCount)
        QVERIFY2(whole(count), qPrintable(count->text()));
    if (!folder.isEmpty())
        QVERIFY(w.grab().save(QDir(folder).filePath(QStringLiteral("main-window-smallest.png"))));
}

void TestMainFrm::countsFollowThePendingRows()
{
    StationFixture s;
    s.startStation();
    store::Table &pending = *s.dm().tbPending;
    for (int priority : {1, 1, 1, 4, 5}) {
        pending.insert();
        pending.field(QStringLiteral("AccNo")).setValue(QStringLiteral("1234"));
        pending.field(QStringLiteral("Priority")).setValue(priority);
        pending.post();
    }
    s.stop();
    // Counted afresh at start-up.
    TMainFrm &w = s.start();
    QCOMPARE(s.dm().PriorityCounts[1], 3);
    QCOMPARE(s.dm().PriorityCounts[4], 1);
    QCOMPARE(s.dm().PriorityCounts[5], 1);
    QCOMPARE(w.pending().lbAlmCount[0]->text(), QStringLiteral("Very High Priority - 003"));
    QCOMPARE(w.pending().lbAlmCount[1]->text(), QStringLiteral("High Priority - 000"));
    QCOMPARE(w.pending().lbAlmCount[2]->text(), QStringLiteral("Medium Priority - 000"));
    QCOMPARE(w.pending().lbAlmCount[3]->text(), QStringLiteral("Low Priority - 001"));
}

void TestMainFrm::postedEventsReachTheirHandlers()
{
    // A stored Comms row reaches the window as a new-comms event; a stale
    // log-on request (an operator logged on meanwhile) opens nothing.
    StationFixture s;
    TMainFrm &w = s.start();
    s.logOn(QStringLiteral("Master"), QStringLiteral("master"));
    QVERIFY(w.session().LoggedOn());
    QCoreApplication::postEvent(&w, new core::RowEvent(core::LogOnRequestEventType, 0));
    QCoreApplication::postEvent(&w.station(), new core::RowEvent(core::NewCommsEventType, 1));
    QCoreApplication::postEvent(&w.station(), new core::RowEvent(core::NewMailEventType, 1));
    QCoreApplication::processEvents();
    QCOMPARE(s.driver.seen.size(), 1);
    // The mail delivery took its event: without e-mail settings it says so.
    QCOMPARE(s.messages.all().size(), 1);
}

namespace {

void addPending(store::TDMod &dm, int priority)
{
    store::Table &pending = *dm.tbPending;
    pending.insert();
    pending.field(QStringLiteral("AccNo")).setValue(QStringLiteral("1234"));
    pending.field(QStringLiteral("Priority")).setValue(priority);
    pending.post();
}

} // namespace

void TestMainFrm::windowFollowsAStationThatRanWithoutIt()
{
    StationFixture s;
    station::Station &station = s.startStation();
    addPending(s.dm(), 1);
    addPending(s.dm(), 3);
    QTcpSocket socket;
    QVERIFY(connectTo(socket, s.port()));
    QTRY_COMPARE(station.statusText(0), QStringLiteral("Status: Receiving Data..."));
    {
        TMainFrm w(station);
        // What the station has: counts, link status, nobody logged on, and
        // an event whose account does not exist.
        QCOMPARE(w.pending().lbAlmCount[0]->text(), QStringLiteral("Very High Priority - 001"));
        QCOMPARE(w.pending().lbAlmCount[2]->text(), QStringLiteral("Medium Priority - 001"));
        QCOMPARE(w.statusText(0), QStringLiteral("Status: Receiving Data..."));
        QCOMPARE(w.statusText(4), QStringLiteral("Operator: "));
        QVERIFY(w.session().mnuLogOn->isEnabled());
        QVERIFY(!w.session().mnuAccounts->menuAction()->isEnabled());
        QVERIFY(w.pending().PgControl->isHidden());
        QCOMPARE(w.pending().lbNoEvents->text(), QStringLiteral("No Account Details for this Event"));
        // ...and what happens from now on.
        addPending(s.dm(), 1);
        station.flushConsole(); // the turn of the event loop ends
        QCOMPARE(w.pending().lbAlmCount[0]->text(), QStringLiteral("Very High Priority - 002"));
        socket.write(heartbeat());
        QTRY_COMPARE(w.statusText(3), QStringLiteral("Receiver: Online"));
        QVERIFY(w.statBar()->rxLight()->flashes() > 0);
        const QString folder = qEnvironmentVariable("QUORVEL_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            QVERIFY(w.grab().save(QDir(folder).filePath(QStringLiteral("window-after-station.png"))));
    }
    // The window went; the station goes on.
    addPending(s.dm(), 4);
    QCOMPARE(s.dm().PriorityCounts[4], 1);
    QCOMPARE(s.dm().notifyTarget(), static_cast<QObject *>(&station));
    socket.readAll();
    socket.write(heartbeat());
    QTRY_COMPARE(socket.bytesAvailable(), 1);
    QVERIFY(s.messages.all().isEmpty());
}

namespace {

// Every named text the window shows, by component name; data boxes
// (db..., DBText...) show stored values, not texts of the program.
QMap<QString, QString> namedTexts(TMainFrm &w, const std::function<QString(QString)> &change = {})
{
    QMap<QString, QString> texts;
    auto visit = [&](QObject *o, const QString &text, const std::function<void(QString)> &set) {
        const QString name = o->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) ||
            name.startsWith(QLatin1String("db")) || name.startsWith(QLatin1String("DBText")) ||
            text.isEmpty())
            return;
        texts.insert(name, text);
        if (change)
            set(change(text));
    };
    for (QLabel *l : w.findChildren<QLabel *>())
        visit(l, l->text(), [l](const QString &t) { l->setText(t); });
    for (QAbstractButton *b : w.findChildren<QAbstractButton *>())
        visit(b, b->text(), [b](const QString &t) { b->setText(t); });
    for (QAction *a : w.findChildren<QAction *>())
        visit(a, a->text(), [a](const QString &t) { a->setText(t); });
    for (QMenu *m : w.findChildren<QMenu *>())
        visit(m, m->title(), [m](const QString &t) { m->setTitle(t); });
    for (QGroupBox *g : w.findChildren<QGroupBox *>())
        visit(g, g->title(), [g](const QString &t) { g->setTitle(t); });
    for (QTabWidget *tabs : w.findChildren<QTabWidget *>()) {
        for (int i = 0; i < tabs->count(); ++i)
            visit(tabs->widget(i), tabs->tabText(i),
                  [tabs, i](const QString &t) { tabs->setTabText(i, t); });
    }
    visit(&w, w.windowTitle(), [&w](const QString &t) { w.setWindowTitle(t); });
    return texts;
}

QStringList g_asked;

} // namespace

void TestMainFrm::languageChangeShowsEveryTextAgain()
{
    StationFixture s;
    TMainFrm &w = s.start();
    s.logOn(QStringLiteral("Master"), QStringLiteral("master"));
    addPending(s.dm(), 2);
    addPending(s.dm(), 2);
    w.station().flushConsole(); // the turn of the event loop ends
    const QMap<QString, QString> before = namedTexts(w);
    for (const char *name : {"MainFrm", "btnAction", "lbAlmCount2", "StatBarPanel5", "tsKeyholders",
                             "lbAccountNo", "gbKeyHolder6", "mnuSetupLanguage", "About1"})
        QVERIFY2(before.contains(QString::fromLatin1(name)), name);

    // A language without these texts would leave something else everywhere.
    namedTexts(w, [](const QString &) { return QStringLiteral("\u00A4"); });
    g_asked.clear();
    loc::setTextObserver([](const char *english) { g_asked << QString::fromUtf8(english); });
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&w, &change);
    loc::setTextObserver(nullptr);

    QCOMPARE(namedTexts(w), before);
    // The assembled texts were made again from their formats and the present state.
    for (const char *format : {"Quorvel Alarm Monitor", "High Priority - %.3d", "Operator: %s",
                               "Access Options: %s", "Status: Monitoring...", "Receiver: Offline",
                               "No Account Details for this Event", "Acc No:", "Modify System Operators..."})
        QVERIFY2(g_asked.contains(QString::fromLatin1(format)), format);
    QCOMPARE(w.pending().lbAlmCount[1]->text(), QStringLiteral("High Priority - 002"));
    QCOMPARE(w.statusText(4), QStringLiteral("Operator: Master"));
    QCOMPARE(w.statusText(5), QStringLiteral("Access Options: Edt Add Del Com Rep"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Quorvel Alarm Monitor - V2.16"));
    // Another language's texts, the assembled ones made from its formats.
    auto table = std::make_shared<loc::TextTable>();
    table->insert(QStringLiteral("High Priority - %.3d"), QStringLiteral("Magas - %.3d"));
    table->insert(QStringLiteral("Operator: %s"), QStringLiteral("Kezel\u0151: %s"));
    table->insert(QStringLiteral("Edt"), QStringLiteral("Szerk"));
    table->insert(QStringLiteral("Access Options: %s"), QStringLiteral("Jogok: %s"));
    table->insert(QStringLiteral("Quorvel Alarm Monitor"), QStringLiteral("Quorvel Riaszt\u00E1sfigyel\u0151"));
    table->insert(QStringLiteral("Acc No:"), QStringLiteral("\u00DCgyf\u00E9lsz\u00E1m:"));
    table->insert(QStringLiteral("Log Off"), QStringLiteral("Kijelentkez\u00E9s"));
    table->insert(QStringLiteral("Status: Monitoring..."), QStringLiteral("\u00C1llapot: figyel\u00E9s..."));
    table->insert(QStringLiteral("No Account Details for this Event"), QStringLiteral("Nincs \u00FCgyf\u00E9l"));
    loc::setTextTable(table);
    QCoreApplication::sendEvent(&w, &change);
    loc::setTextTable(nullptr);
    QCOMPARE(w.pending().lbAlmCount[1]->text(), QStringLiteral("Magas - 002"));
    QCOMPARE(w.statusText(4), QStringLiteral("Kezel\u0151: Master"));
    QCOMPARE(w.statusText(5), QStringLiteral("Jogok: Szerk Add Del Com Rep"));
    QCOMPARE(w.statusText(0), QStringLiteral("\u00C1llapot: figyel\u00E9s..."));
    QCOMPARE(w.windowTitle(), QStringLiteral("Quorvel Riaszt\u00E1sfigyel\u0151 - V2.16"));
    QCOMPARE(w.findChild<QLabel *>(QStringLiteral("lbAccountNo"))->text(),
             QStringLiteral("\u00DCgyf\u00E9lsz\u00E1m:"));
    QCOMPARE(w.session().mnuLogOff->text(), QStringLiteral("Kijelentkez\u00E9s"));
    QCOMPARE(w.pending().lbNoEvents->text(), QStringLiteral("Nincs \u00FCgyf\u00E9l"));
    // A count that changes afterwards keeps the language's format.
    loc::setTextTable(table);
    addPending(s.dm(), 2);
    w.station().flushConsole();
    loc::setTextTable(nullptr);
    QCOMPARE(w.pending().lbAlmCount[1]->text(), QStringLiteral("Magas - 003"));

    QCoreApplication::sendEvent(&w, &change);
    QCOMPARE(namedTexts(w).value(QStringLiteral("lbAlmCount2")), QStringLiteral("High Priority - 003"));
}

QTEST_MAIN(TestMainFrm)
#include "tst_mainfrm.moc"
