// Operators at the console: log-on, rights, passcode change and their upkeep.
#include "console/logon.h"
#include "console/operatorsfrm.h"
#include "console/statusbar.h"
#include "console/operatorsession.h"
#include "console/pendingpanel.h"
#include "console/tmainfrm.h"
#include "pipeline/eventprocessor.h"
#include "station/station.h"
#include "support/stationfixture.h"
#include "core/events.h"
#include "store/database.h"
#include "store/tdmod.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QToolButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QSqlQuery>
#include <QPainter>
#include <QDir>
#include <QtTest>

using namespace Qt::StringLiterals;

using console::TMainFrm;
using console::TOperatorsFrm;

namespace {

const QString kMaster = QStringLiteral("Master");
const QString kMasterPassword = QStringLiteral("master");

QString password(store::TDMod &dm, const QString &name)
{
    store::Table &t = *dm.tbOperators;
    return t.findKey(name) ? t.field(QStringLiteral("Password")).asString()
                           : QStringLiteral("<gone>");
}

} // namespace

class TestOperators : public QObject
{
    Q_OBJECT
private slots:
    void logOnChecksNameAndPassword_data();
    void logOnChecksNameAndPassword();
    void logOnDialogOpensByItselfAtStart();
    void staleLogOnRequestsOpenNothing();
    void cancelledLogOnIsOfferedAgainOnlyAfterAnotherWindow();
    void openingAMenuOffersNoLogOn();
    void statusPanelsShowTheRights_data();
    void statusPanelsShowTheRights();
    void communicationMenuFollowsSetupComms();
    void logOffLocksEveryOperatorFunction();
    void defaultPasswordAsksForANewOne_data();
    void defaultPasswordAsksForANewOne();
    void passcodeChange_data();
    void passcodeChange();
    void operatorsDialogGuardsTheMastersRights();
    void operatorsDialogAddsAnOperator();
    void operatorsDialogAsksBeforeDroppingAnEdit_data();
    void operatorsDialogAsksBeforeDroppingAnEdit();
    void operatorsDialogDeleteProtection_data();
    void operatorsDialogDeleteProtection();
};

void TestOperators::logOnChecksNameAndPassword_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("error");

    QTest::newRow("right") << kMaster << kMasterPassword << QString();
    QTest::newRow("unknown name") << "Nobody" << kMasterPassword << "User Name not found !";
    QTest::newRow("name in other case") << "master" << kMasterPassword << "User Name not found !";
    QTest::newRow("empty name") << ""
                                << ""
                                << "User Name not found !";
    QTest::newRow("wrong password") << kMaster << "Master"
                                    << "Incorrect Passcode ! - Please enter correct Password";
    QTest::newRow("password with trailing space")
        << kMaster << "master "
        << "Incorrect Passcode ! - Please enter correct Password";
    QTest::newRow("empty stored password") << "Night"
                                           << "" << QString();
}

void TestOperators::logOnChecksNameAndPassword()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, error);
    StationFixture s;
    TMainFrm &w = s.start();
    s.addOperator(QStringLiteral("Night"), QString(), QStringLiteral("P"));
    s.logOn(name, password);
    QCOMPARE(s.driver.seen.size(), 1);
    QCOMPARE(s.driver.seen.first().caption, QStringLiteral("Operator Log On"));
    QCOMPARE(s.driver.seen.first().userList, (QStringList{kMaster, QStringLiteral("Night")}));
    QVERIFY(!w.session().logOnDialogExists());
    if (error.isEmpty()) {
        QVERIFY(s.messages.all().isEmpty());
        QVERIFY(w.session().LoggedOn());
        QCOMPARE(s.dm().currentOperator.name, name);
        QCOMPARE(s.dm().currentOperator.password, password);
        QCOMPARE(s.dm().currentOperator.Master, name == kMaster);
        QCOMPARE(w.station().settings().LastOperator, name);
        QVERIFY(!w.session().mnuLogOn->isEnabled());
        QVERIFY(w.session().mnuLogOff->isEnabled());
    } else {
        QCOMPARE(s.messages.errors, QStringList{error});
        QVERIFY(!w.session().LoggedOn());
        QCOMPARE(s.dm().currentOperator.name, QString());
        QCOMPARE(w.station().settings().LastOperator, QString());
        QCOMPARE(w.statusText(4), QStringLiteral("Operator: "));
    }
}

void TestOperators::logOnDialogOpensByItselfAtStart()
{
    StationFixture s;
    s.setSetting(QStringLiteral("Operator"), QStringLiteral("LastOperator"), kMaster);
    TMainFrm &w = s.start();
    s.driver.answerPassword(kMasterPassword);
    w.show();
    QTRY_VERIFY(w.session().LoggedOn());
    QCOMPARE(s.driver.seen.size(), 1);
    QCOMPARE(s.driver.seen.first().userText, kMaster);
    QVERIFY(s.driver.seen.first().focusOnPassword);
    QCOMPARE(w.statusText(4), QStringLiteral("Operator: Master"));
    // No second prompt follows.
    QTest::qWait(50);
    QCOMPARE(s.driver.seen.size(), 1);
    QCOMPARE(s.driver.unanswered, 0);
}

void TestOperators::staleLogOnRequestsOpenNothing()
{
    StationFixture s;
    TMainFrm &w = s.start();
    // Two requests queued: the first opens the dialog, the second finds it open.
    QCoreApplication::postEvent(&w, new core::RowEvent(core::LogOnRequestEventType, 0));
    QCoreApplication::postEvent(&w, new core::RowEvent(core::LogOnRequestEventType, 0));
    s.driver.answer(kMaster, kMasterPassword);
    QTRY_VERIFY(w.session().LoggedOn());
    // One queued after the log-on finds an operator logged on.
    QCoreApplication::postEvent(&w, new core::RowEvent(core::LogOnRequestEventType, 0));
    w.FormActivate();
    QTest::qWait(50);
    QCOMPARE(s.driver.seen.size(), 1);
    QCOMPARE(s.driver.unanswered, 0);
}

void TestOperators::cancelledLogOnIsOfferedAgainOnlyAfterAnotherWindow()
{
    StationFixture s;
    TMainFrm &w = s.start();
    s.driver.cancel();
    w.show();
    QTRY_COMPARE(s.driver.seen.size(), 1);
    QTRY_VERIFY(!w.session().logOnDialogExists());
    // The main window taking over from the log-on dialog offers nothing.
    w.activateWindow();
    QTest::qWait(50);
    QCOMPARE(s.driver.seen.size(), 1);
    QVERIFY(!w.session().LoggedOn());

    // Back from the about box, it is offered again.
    s.driver.closeAbout();
    s.driver.answer(kMaster, kMasterPassword);
    w.session().About1->trigger();
    w.activateWindow();
    QTRY_VERIFY(w.session().LoggedOn());
    QCOMPARE(s.driver.seen.size(), 2);
    QCOMPARE(s.driver.unanswered, 0);
}

void TestOperators::openingAMenuOffersNoLogOn()
{
    StationFixture s;
    TMainFrm &w = s.start();
    s.driver.cancel();
    w.show();
    QTRY_COMPARE(s.driver.seen.size(), 1);
    QTRY_VERIFY(!w.session().logOnDialogExists());
    w.activateWindow();
    QTRY_VERIFY(w.isActiveWindow());

    // Menus opened and closed while logged off: a menu is no other window.
    for (QMenu *menu : {w.session().mnuOperator, w.session().mnuHelp}) {
        menu->popup(w.mapToGlobal(QPoint(10, 10)));
        QTRY_VERIFY(menu->isVisible());
        QTest::qWait(50);
        menu->hide();
        w.activateWindow();
        QTest::qWait(100);
    }
    QCOMPARE(s.driver.seen.size(), 1);
    QVERIFY(!w.session().logOnDialogExists());
    QCOMPARE(s.driver.unanswered, 0);
}

void TestOperators::statusPanelsShowTheRights_data()
{
    QTest::addColumn<QString>("rights");
    QTest::addColumn<QString>("access");
    QTest::newRow("no rights") << ""
                               << "Access Options: --- --- --- --- ---";
    QTest::newRow("all rights") << "EADCP"
                                << "Access Options: Edt Add Del Com Rep";
    QTest::newRow("some rights") << "EDP"
                                 << "Access Options: Edt --- Del --- Rep";
    QTest::newRow("master alone") << "M"
                                  << "Access Options: --- --- --- --- ---";
}

void TestOperators::statusPanelsShowTheRights()
{
    QFETCH(QString, rights);
    QFETCH(QString, access);
    StationFixture s;
    TMainFrm &w = s.start();
    s.addOperator(QStringLiteral("Clerk"), QStringLiteral("c1"), rights);
    s.logOn(QStringLiteral("Clerk"), QStringLiteral("c1"));
    QCOMPARE(w.statusText(4), QStringLiteral("Operator: Clerk"));
    QCOMPARE(w.statusText(5), access);
    QCOMPARE(w.session().mnuEditOperators->isEnabled(), rights.contains(u'M'));
    w.session().mnuLogOff->trigger();
    QCOMPARE(w.statusText(4), QStringLiteral("Operator: "));
    QCOMPARE(w.statusText(5), QStringLiteral("Access Options: "));
}

void TestOperators::communicationMenuFollowsSetupComms()
{
    StationFixture s;
    TMainFrm &w = s.start();
    s.addOperator(QStringLiteral("Engineer"), QStringLiteral("e"), QStringLiteral("C"));
    s.addOperator(QStringLiteral("Clerk"), QStringLiteral("c"), QStringLiteral("EADP"));
    QVERIFY(!w.session().mnuCommunication->menuAction()->isEnabled());
    s.logOn(QStringLiteral("Engineer"), QStringLiteral("e"));
    QVERIFY(w.session().mnuCommunication->menuAction()->isEnabled());
    QVERIFY(w.session().mnuAccounts->menuAction()->isEnabled());
    QVERIFY(w.session().mnuSetup->menuAction()->isEnabled());
    w.session().mnuLogOff->trigger();
    QVERIFY(!w.session().mnuCommunication->menuAction()->isEnabled());
    s.logOn(QStringLiteral("Clerk"), QStringLiteral("c"));
    QVERIFY(!w.session().mnuCommunication->menuAction()->isEnabled());
    QVERIFY(w.session().mnuAccounts->menuAction()->isEnabled());
}

void TestOperators::logOffLocksEveryOperatorFunction()
{
    StationFixture s;
    TMainFrm &w = s.start();
    s.logOn(kMaster, kMasterPassword);
    QVERIFY(w.session().mnuEditOperators->isEnabled());
    w.session().mnuLogOff->trigger();
    QVERIFY(!w.session().LoggedOn());
    // Operators and their passwords are out of reach once the master has gone.
    QVERIFY(!w.session().mnuEditOperators->isEnabled());
    QVERIFY(!w.session().mnuPasscode->isEnabled());
    QVERIFY(!w.session().mnuLogOff->isEnabled());
    QVERIFY(w.session().mnuLogOn->isEnabled());
    QVERIFY(!w.session().mnuAccounts->menuAction()->isEnabled());
    QVERIFY(!w.session().mnuSetup->menuAction()->isEnabled());
    QVERIFY(w.session().mnuExit->isEnabled());
    // The record of who was on stays.
    QCOMPARE(s.dm().currentOperator.name, kMaster);
    QVERIFY(s.dm().currentOperator.Master);
}

void TestOperators::defaultPasswordAsksForANewOne_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QStringList>("entries"); // new, confirmation
    QTest::addColumn<QString>("storedAfter");
    QTest::addColumn<int>("askedAtNextLogOn");

    QTest::newRow("declined") << false << QStringList() << kMasterPassword << 1;
    QTest::newRow("changed") << true << QStringList{u"n3w"_s, u"n3w"_s} << u"n3w"_s << 0;
    QTest::newRow("confirmation differs")
        << true << QStringList{u"n3w"_s, u"n3W"_s} << kMasterPassword << 1;
}

void TestOperators::defaultPasswordAsksForANewOne()
{
    QFETCH(bool, accept);
    QFETCH(QStringList, entries);
    QFETCH(QString, storedAfter);
    QFETCH(int, askedAtNextLogOn);

    StationFixture s;
    TMainFrm &w = s.start();
    s.messages.confirmAnswers << accept;
    s.driver.answer(kMaster, kMasterPassword);
    for (const QString &e : entries)
        s.driver.answerPassword(e);
    w.session().mnuLogOn->trigger();
    QVERIFY(w.session().LoggedOn());
    QCOMPARE(s.messages.questions.size(), 1);
    QVERIFY2(s.messages.questions.first().startsWith(u"You logged on with the default password"_s),
             qPrintable(s.messages.questions.first()));
    // Straight to the new password: the old one was typed a moment ago.
    QCOMPARE(s.driver.seen.size(), 1 + entries.size());
    if (!entries.isEmpty())
        QCOMPARE(s.driver.seen[1].caption, QStringLiteral("Master - Please Enter NEW Password"));
    QCOMPARE(s.driver.unanswered, 0);
    QCOMPARE(password(s.dm(), kMaster), storedAfter);

    // Asked again at every log-on until it is changed.
    w.session().mnuLogOff->trigger();
    s.messages.questions.clear();
    s.logOn(kMaster, storedAfter);
    QVERIFY(w.session().LoggedOn());
    QCOMPARE(s.messages.questions.size(), askedAtNextLogOn);
    QCOMPARE(s.driver.unanswered, 0);
}

void TestOperators::passcodeChange_data()
{
    QTest::addColumn<QStringList>("entries"); // old, new, confirmation; "<cancel>" cancels
    QTest::addColumn<bool>("changedInTable"); // the table changed behind our back first
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("information");
    QTest::addColumn<QString>("storedAfter");

    const QString accepted = QStringLiteral("Master - Your NEW Passcode has been Accepted !");
    QTest::newRow("accepted") << QStringList{u"master"_s, u"n3w"_s, u"n3w"_s} << false << QString()
                              << accepted << "n3w";
    QTest::newRow("empty new code")
        << QStringList{u"master"_s, u""_s, u""_s} << false << QString() << accepted << "";
    QTest::newRow("wrong old code") << QStringList{u"Master"_s} << false
                                    << "OLD passcode is not valid !" << QString() << "master";
    QTest::newRow("confirmation differs")
        << QStringList{u"master"_s, u"n3w"_s, u"n3W"_s} << false
        << "NEW Code and Confirmation code are not the same - Please try again" << QString()
        << "master";
    QTest::newRow("cancel at the old code")
        << QStringList{u"<cancel>"_s} << false << QString() << QString() << "master";
    QTest::newRow("cancel at the confirmation") << QStringList{u"master"_s, u"n3w"_s, u"<cancel>"_s}
                                                << false << QString() << QString() << "master";
    // The old code is the one this operator logged on with, not the table's.
    QTest::newRow("table changed since log-on")
        << QStringList{u"master"_s, u"n3w"_s, u"n3w"_s} << true << QString() << accepted << "n3w";
}

void TestOperators::passcodeChange()
{
    QFETCH(QStringList, entries);
    QFETCH(bool, changedInTable);
    QFETCH(QString, error);
    QFETCH(QString, information);
    QFETCH(QString, storedAfter);

    StationFixture s;
    TMainFrm &w = s.start();
    s.logOn(kMaster, kMasterPassword);
    if (changedInTable) {
        store::Table &t = *s.dm().tbOperators;
        QVERIFY(t.findKey(kMaster));
        t.edit();
        t.field(QStringLiteral("Password")).setValue(QStringLiteral("elsewhere"));
        t.post();
    }
    s.driver.seen.clear();
    for (const QString &e : entries) {
        if (e == QLatin1String("<cancel>"))
            s.driver.cancel();
        else
            s.driver.answerPassword(e);
    }
    w.session().mnuPasscode->trigger();
    QCOMPARE(s.driver.queued(), 0);
    QCOMPARE(s.driver.unanswered, 0);

    const QStringList captions{QStringLiteral("Master - Please Enter OLD Password"),
                               QStringLiteral("Master - Please Enter NEW Password"),
                               QStringLiteral("Master - Please Enter AGAIN for Confirmation")};
    QCOMPARE(s.driver.seen.size(), entries.size());
    for (int i = 0; i < s.driver.seen.size(); ++i) {
        QCOMPARE(s.driver.seen[i].caption, captions[i]);
        QCOMPARE(s.driver.seen[i].userText, kMaster);
        QVERIFY(!s.driver.seen[i].userListEnabled);
        // Wide enough for the whole caption: the steps differ only at its end.
        const int needed = console::TLogOnFrm::captionWidth(captions[i], w.font());
        QVERIFY2(s.driver.seen[i].image.width() >= needed,
                 qPrintable(u"%1 < %2"_s.arg(s.driver.seen[i].image.width()).arg(needed)));
    }
    const QString folder = qEnvironmentVariable("QUORVEL_SCREENSHOT_DIR");
    if (!folder.isEmpty() && qstrcmp(QTest::currentDataTag(), "accepted") == 0) {
        // Each step under a title bar drawn as a window manager would draw it.
        for (int i = 0; i < s.driver.seen.size(); ++i) {
            const QImage &dialog = s.driver.seen[i].image;
            QImage shot(dialog.width(), dialog.height() + 28, QImage::Format_RGB32);
            shot.fill(QColor(0x2B, 0x57, 0x9A));
            QPainter p(&shot);
            QFont bold = w.font();
            bold.setBold(true);
            p.setFont(bold);
            p.setPen(Qt::white);
            p.drawText(QRect(30, 0, dialog.width() - 120, 28), Qt::AlignVCenter | Qt::AlignLeft,
                       QFontMetrics(bold).elidedText(captions[i], Qt::ElideRight,
                                                     dialog.width() - 120));
            for (int b = 0; b < 3; ++b)
                p.fillRect(dialog.width() - 30 * (b + 1), 6, 22, 16, QColor(0xDD, 0xDD, 0xDD));
            p.drawImage(0, 28, dialog);
            p.end();
            QVERIFY(shot.save(QDir(folder).filePath(u"passcode-step-%1.png"_s.arg(i + 1))));
        }
    }
    QCOMPARE(s.messages.errors, error.isEmpty() ? QStringList() : QStringList{error});
    QCOMPARE(s.messages.informations,
             information.isEmpty() ? QStringList() : QStringList{information});
    QCOMPARE(password(s.dm(), kMaster), storedAfter);
    QCOMPARE(s.dm().currentOperator.password,
             information.isEmpty() ? kMasterPassword : storedAfter);
    QCOMPARE(s.dm().tbOperators->state(), store::Dataset::State::Browse);
    QVERIFY(!w.session().logOnDialogExists());
}

void TestOperators::operatorsDialogGuardsTheMastersRights()
{
    StationFixture s;
    TMainFrm &w = s.start();
    s.addOperator(QStringLiteral("Clerk"), QStringLiteral("c1"), QStringLiteral("EP"));
    s.logOn(kMaster, kMasterPassword);
    bool ran = false;
    s.driver.onOperators([&](TOperatorsFrm &f) {
        ran = true;
        QCOMPARE(f.windowTitle(), QStringLiteral("Modify System Operators"));
        QCOMPARE(f.grid()->model()->columnCount(), 2);
        QCOMPARE(f.grid()->model()->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("UserName"));
        QCOMPARE(f.grid()->model()->headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("Password"));
        QCOMPARE(f.grid()->model()->rowCount(), 2);
        QCOMPARE(f.grid()->selectionBehavior(), QAbstractItemView::SelectRows);
        const QStringList hints{u"Add New User"_s, u"Remove User"_s, u"Edit User"_s,
                                u"Save Changes"_s, u"Cancel Changes"_s};
        for (int b = 0; b < 5; ++b)
            QCOMPARE(f.navButton(static_cast<TOperatorsFrm::NavButton>(b))->toolTip(), hints[b]);

        // Rows in key order: Clerk, Master.
        f.grid()->selectRow(1);
        QCOMPARE(f.edUserName()->text(), kMaster);
        QCOMPARE(f.edPassword()->text(), kMasterPassword);
        for (int i = 0; i < 5; ++i) {
            QVERIFY(!f.rightBox(i)->isEnabled());
            QVERIFY(f.rightBox(i)->isChecked());
        }
        f.grid()->selectRow(0);
        QCOMPARE(f.edUserName()->text(), QStringLiteral("Clerk"));
        const QList<bool> clerk{true, false, false, false, true};
        for (int i = 0; i < 5; ++i) {
            QVERIFY(f.rightBox(i)->isEnabled());
            QCOMPARE(f.rightBox(i)->isChecked(), clerk[i]);
        }
        // Ticking a box edits the row; Post stores "True", or "False" for one untick.
        f.rightBox(3)->click();
        QCOMPARE(s.dm().tbOperators->state(), store::Dataset::State::Edit);
        f.rightBox(0)->click();
        f.navButton(TOperatorsFrm::nbPost)->click();
    });
    w.session().mnuEditOperators->trigger();
    QVERIFY(ran);
    QVERIFY(s.messages.all().isEmpty());
    store::Table &t = *s.dm().tbOperators;
    QVERIFY(t.findKey(QStringLiteral("Clerk")));
    QCOMPARE(t.field(QStringLiteral("SetupComms")).asString(), QStringLiteral("True"));
    QCOMPARE(t.field(QStringLiteral("EditRecords")).asString(), QStringLiteral("False"));
    QVERIFY(!t.field(QStringLiteral("Master")).asBoolean());
}

void TestOperators::operatorsDialogAddsAnOperator()
{
    StationFixture s;
    TMainFrm &w = s.start();
    s.logOn(kMaster, kMasterPassword);
    s.driver.onOperators([&](TOperatorsFrm &f) {
        f.navButton(TOperatorsFrm::nbInsert)->click();
        QCOMPARE(f.focusWidget(), f.edUserName());
        QVERIFY(f.edUserName()->text().isEmpty());
        QTest::keyClicks(f.edUserName(), QStringLiteral("Dispatcher"));
        QTest::keyClicks(f.edPassword(), QStringLiteral("d1sp"));
        f.rightBox(0)->click();
        QVERIFY(f.rightBox(0)->isEnabled());
        f.navButton(TOperatorsFrm::nbPost)->click();
        QCOMPARE(f.grid()->model()->rowCount(), 2);
        QCOMPARE(f.grid()->currentIndex().row(), s.dm().tbOperators->recNo());
        QCOMPARE(f.edUserName()->text(), QStringLiteral("Dispatcher"));

        // Typing into a field of the current row starts editing it; Cancel undoes it.
        QTest::keyClicks(f.edPassword(), QStringLiteral("x"));
        QCOMPARE(s.dm().tbOperators->state(), store::Dataset::State::Edit);
        f.navButton(TOperatorsFrm::nbCancel)->click();
        QCOMPARE(f.edPassword()->text(), QStringLiteral("d1sp"));
    });
    w.session().mnuEditOperators->trigger();
    QVERIFY(s.messages.all().isEmpty());
    store::Table &t = *s.dm().tbOperators;
    QVERIFY(t.findKey(QStringLiteral("Dispatcher")));
    QCOMPARE(t.field(QStringLiteral("Password")).asString(), QStringLiteral("d1sp"));
    QCOMPARE(t.field(QStringLiteral("EditRecords")).asString(), QStringLiteral("True"));
    // Boxes never ticked stay empty, which counts as not granted.
    QVERIFY(!t.field(QStringLiteral("AddRecords")).asBoolean());
    QVERIFY(!t.field(QStringLiteral("Master")).asBoolean());

    // The new operator can log on at once.
    w.session().mnuLogOff->trigger();
    s.logOn(QStringLiteral("Dispatcher"), QStringLiteral("d1sp"));
    QVERIFY(w.session().LoggedOn());
    QCOMPARE(w.statusText(5), QStringLiteral("Access Options: Edt --- --- --- ---"));
}

void TestOperators::operatorsDialogAsksBeforeDroppingAnEdit_data()
{
    QTest::addColumn<QString>("how");         // Close, Esc, X
    QTest::addColumn<QString>("userName");    // typed over the new row's name; empty: edit Master
    QTest::addColumn<int>("answer");          // to "Save the changes to this operator?"
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QString>("storedAfter"); // Master's password
    QTest::addColumn<int>("errors");

    QTest::newRow("Close, Yes: saved") << u"Close"_s << QString() << int(QMessageBox::Yes) << true
                                       << u"t1pped"_s << 0;
    QTest::newRow("Esc, No: discarded")
        << u"Esc"_s << QString() << int(QMessageBox::No) << true << kMasterPassword << 0;
    QTest::newRow("window's X, Cancel: kept open")
        << u"X"_s << QString() << int(QMessageBox::Cancel) << false << kMasterPassword << 0;
    QTest::newRow("Yes, but the save fails: kept open")
        << u"Close"_s << kMaster << int(QMessageBox::Yes) << false << kMasterPassword << 1;
}

void TestOperators::operatorsDialogAsksBeforeDroppingAnEdit()
{
    QFETCH(QString, how);
    QFETCH(QString, userName);
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(QString, storedAfter);
    QFETCH(int, errors);

    StationFixture s;
    s.startStation();
    TOperatorsFrm f(*s.dm().tbOperators);
    f.show();
    if (userName.isEmpty()) {
        QVERIFY(s.dm().tbOperators->findKey(kMaster));
        // Typed over the whole password: the first key starts the edit.
        f.edPassword()->selectAll();
        QTest::keyClicks(f.edPassword(), u"t1pped"_s);
        QCOMPARE(f.edPassword()->text(), u"t1pped"_s);
    } else {
        // A second operator under a name already taken: the store refuses it.
        f.navButton(TOperatorsFrm::nbInsert)->click();
        QTest::keyClicks(f.edUserName(), userName);
    }
    QVERIFY(s.dm().tbOperators->state() != store::Dataset::State::Browse);

    QString asked;
    QTimer answering;
    connect(&answering, &QTimer::timeout, &answering, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box->objectName() != u"SaveChangesBox"_s)
            return;
        answering.stop();
        asked = box->text();
        box->button(static_cast<QMessageBox::StandardButton>(answer))->click();
    });
    answering.start(20);
    if (how == u"Close"_s)
        f.findChild<QPushButton *>(u"btnClose"_s)->click();
    else if (how == u"Esc"_s)
        QTest::keyClick(&f, Qt::Key_Escape);
    else
        f.close();

    QCOMPARE(asked, u"Save the changes to this operator?"_s);
    QCOMPARE(f.isVisible(), !closed);
    QCOMPARE(s.messages.errors.size(), errors);
    // As stored, not as the cursor shows it.
    QSqlQuery q = s.dm().database().exec(u"SELECT Password FROM Operators WHERE UserName = ?"_s,
                                         {kMaster});
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), storedAfter);
    QCOMPARE(s.dm().tbOperators->state() == store::Dataset::State::Browse, closed);
    if (!closed && userName.isEmpty())
        QCOMPARE(f.edPassword()->text(), u"t1pped"_s); // nothing typed is lost
}

void TestOperators::operatorsDialogDeleteProtection_data()
{
    QTest::addColumn<QString>("loggedOn");
    QTest::addColumn<QString>("victim");
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<bool>("refused");

    QTest::newRow("another operator") << "Master"
                                      << "Clerk" << true << false;
    QTest::newRow("not confirmed") << "Master"
                                   << "Clerk" << false << false;
    QTest::newRow("a master") << "Master"
                              << "Master" << true << true;
    QTest::newRow("a second master") << "Master"
                                     << "Chief" << true << true;
    QTest::newRow("the operator logged on") << "Clerk"
                                            << "Clerk" << true << true;
}

void TestOperators::operatorsDialogDeleteProtection()
{
    QFETCH(QString, loggedOn);
    QFETCH(QString, victim);
    QFETCH(bool, confirmed);
    QFETCH(bool, refused);

    StationFixture s;
    s.start();
    s.addOperator(QStringLiteral("Chief"), QStringLiteral("ch"), QStringLiteral("M"));
    s.addOperator(QStringLiteral("Clerk"), QStringLiteral("c1"), QString());
    s.logOn(loggedOn, loggedOn == kMaster ? kMasterPassword : QStringLiteral("c1"));
    s.messages.questions.clear(); // the default password's reminder, declined
    s.messages.confirmAnswers << confirmed;

    TOperatorsFrm f(*s.dm().tbOperators);
    QVERIFY(s.dm().tbOperators->findKey(victim));
    f.navButton(TOperatorsFrm::nbDelete)->click();
    QCOMPARE(s.messages.questions, QStringList{QStringLiteral("Delete record?")});
    const bool gone = confirmed && !refused;
    QCOMPARE(s.messages.errors,
             refused ? QStringList{QStringLiteral("The Master user CANNOT be deleted!")}
                     : QStringList());
    QCOMPARE(s.dm().tbOperators->recordCount(), gone ? 2 : 3);
    QCOMPARE(password(s.dm(), victim) == QLatin1String("<gone>"), gone);
}

QTEST_MAIN(TestOperators)
#include "tst_operators.moc"
