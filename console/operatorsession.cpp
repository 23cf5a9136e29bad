// The operator's session at the console: the main menu, log-on, log-off,
// passcode change, operator maintenance and the exit password.
#include "console/operatorsession.h"

#include "console/formattext.h"
#include "console/guarded.h"
#include "console/logon.h"
#include "console/operatorsfrm.h"
#include "console/statusbar.h"
#include "core/messages.h"
#include "localization/texts.h"
#include "station/station.h"
#include "store/errors.h"
#include "store/tdmod.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScopedValueRollback>

namespace console {

namespace {

QAction *menuItem(QMenu *menu, const char *name, int tag = 0)
{
    QAction *a = menu->addAction(QString());
    a->setObjectName(QString::fromLatin1(name));
    if (tag)
        a->setData(tag);
    return a;
}

QMenu *subMenu(QWidget *parent, const char *name)
{
    auto *m = new QMenu(parent);
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

} // namespace

OperatorSession::OperatorSession(station::Station &station, QMenuBar *bar, StatBar *statBar,
                                 QWidget *window)
    : QObject(window), m_station(station), m_statBar(statBar), m_window(window)
{
    setObjectName(QStringLiteral("OperatorSession"));
    buildMenu(bar);
    retranslateUi();
}

OperatorSession::~OperatorSession() = default;

TLogOnFrm *OperatorSession::logOnDialog() const
{
    return m_logOnFrm.data();
}

void OperatorSession::buildMenu(QMenuBar *bar)
{
    mnuOperator = subMenu(bar, "mnuOperator");
    bar->addMenu(mnuOperator);
    mnuLogOn = menuItem(mnuOperator, "mnuLogOn", 1);
    mnuLogOff = menuItem(mnuOperator, "mnuLogOff", 2);
    mnuPasscode = menuItem(mnuOperator, "mnuPasscode", 3);
    mnuEditOperators = menuItem(mnuOperator, "mnuEditOperators", 4);
    mnuOperator->addSeparator();
    mnuExit = menuItem(mnuOperator, "mnuExit", 5);
    for (QAction *a : {mnuLogOn, mnuLogOff, mnuPasscode, mnuEditOperators, mnuExit})
        connect(a, &QAction::triggered, this,
                [this, a]() { guarded([this, a]() { mnuLogOnClick(a); }); });

    mnuAccounts = subMenu(bar, "mnuAccounts");
    bar->addMenu(mnuAccounts);
    AccEdit = menuItem(mnuAccounts, "AccEdit");

    mnuCommunication = subMenu(bar, "mnuCommunication");
    bar->addMenu(mnuCommunication);
    Setup1 = menuItem(mnuCommunication, "Setup1");
    mnuViewCommsData = menuItem(mnuCommunication, "mnuViewCommsData");
    mnuViewEmail = menuItem(mnuCommunication, "mnuViewEmail");

    mnuSetup = subMenu(bar, "mnuSetup");
    bar->addMenu(mnuSetup);
    // Left empty: the localizer fills it with one item per language.
    mnuSetupLanguage = subMenu(mnuSetup, "mnuSetupLanguage");
    mnuSetup->addMenu(mnuSetupLanguage);

    mnuHelp = subMenu(bar, "mnuHelp");
    bar->addMenu(mnuHelp);
    About1 = menuItem(mnuHelp, "About1");
    // Built as for nobody logged on: a start-up that fails before its menu
    // refresh leaves no operator function open.
    for (QAction *a : {mnuLogOff, mnuPasscode, mnuEditOperators})
        a->setEnabled(false);
    for (QMenu *m : {mnuAccounts, mnuCommunication, mnuSetup})
        m->menuAction()->setEnabled(false);
}

void OperatorSession::retranslateUi()
{
    mnuOperator->setTitle(loc::text("Operator"));
    mnuLogOn->setText(loc::text("Log On..."));
    mnuLogOff->setText(loc::text("Log Off"));
    mnuPasscode->setText(loc::text("Change Passcode..."));
    mnuEditOperators->setText(loc::text("Modify System Operators..."));
    mnuExit->setText(loc::text("Exit"));
    mnuAccounts->setTitle(loc::text("Accounts"));
    AccEdit->setText(loc::text("Open Account Manager"));
    mnuCommunication->setTitle(loc::text("Communication"));
    Setup1->setText(loc::text("Setup"));
    mnuViewCommsData->setText(loc::text("View Comms Data..."));
    mnuViewEmail->setText(loc::text("View Email History..."));
    mnuSetup->setTitle(loc::text("Setup"));
    mnuSetupLanguage->setTitle(loc::text("Language"));
    mnuHelp->setTitle(loc::text("Help"));
    About1->setText(loc::text("About"));
    showOperatorStatus();
}

void OperatorSession::mnuLogOnClick(QAction *item)
{
    switch (item ? item->data().toInt() : 0) {
    case 1:
        LogOn();
        break;
    case 2:
        LogOff();
        break;
    case 3:
        ChangePasscode();
        break;
    case 4:
        EditOperators();
        break;
    case 5:
        emit exitRequested(); // the exit protection asks for a password
        break;
    default:
        break;
    }
}

std::unique_ptr<TLogOnFrm> OperatorSession::createLogOnFrm()
{
    return std::make_unique<TLogOnFrm>(*m_station.dm().tbOperators,
                                       m_station.settings().LastOperator, m_window);
}

void OperatorSession::LogOn()
{
    const std::unique_ptr<TLogOnFrm> frm = createLogOnFrm();
    // While it exists, activation offers no second log-on.
    const QScopedValueRollback<QPointer<TLogOnFrm>> open(m_logOnFrm, frm.get());
    QString name, password;
    if (!frm->Execute(name, password))
        return;
    store::Table &operators = *m_station.dm().tbOperators;
    const OperatorCheck check = checkOperator(operators, name, password);
    if (check != OperatorCheck::Accepted) {
        reportRefusal(check);
        return;
    }
    store::CurrentOperator &op = m_station.dm().currentOperator;
    op.name = name.left(30);
    op.password = password.left(16);
    auto right = [&operators](const char *f) {
        return operators.field(QString::fromLatin1(f)).asBoolean();
    };
    op.Master = right("Master");
    op.EditRecords = right("EditRecords");
    op.AddRecords = right("AddRecords");
    op.DeleteRecords = right("DeleteRecords");
    op.SetupComms = right("SetupComms");
    op.PrintReports = right("PrintReports");
    m_station.settings().LastOperator = name;
    m_loggedOn = true;
    RefreshOperatorMenu();
    emit loggedOnChanged(true);
    // The password every new store starts with is no secret: asked at every
    // log-on with it until the operator has chosen another.
    if (password == store::TDMod::defaultMasterPassword() &&
        core::messages().confirm(
            loc::text("You logged on with the default password, which anyone may know. "
                      "Please choose a new password now.\r\n\r\nChange it now?")))
        ChangePasscode(false);
}

void OperatorSession::LogOff()
{
    // The current operator's record stays as it is; only the flag goes.
    m_loggedOn = false;
    RefreshOperatorMenu();
    emit loggedOnChanged(false);
}

void OperatorSession::ChangePasscode(bool askOld)
{
    const std::unique_ptr<TLogOnFrm> frm = createLogOnFrm();
    const QScopedValueRollback<QPointer<TLogOnFrm>> open(m_logOnFrm, frm.get());
    store::CurrentOperator &op = m_station.dm().currentOperator;
    frm->UserList()->setEnabled(false);
    QString name, entered;

    if (askOld) {
        frm->setWindowTitle(op.name + loc::text(" - Please Enter OLD Password"));
        if (!frm->Execute(name, entered))
            return;
        // Against the password this operator logged on with, not the table's.
        if (entered != op.password) {
            core::messages().error(loc::text("OLD passcode is not valid !"));
            return;
        }
    }

    frm->setWindowTitle(op.name + loc::text(" - Please Enter NEW Password"));
    frm->Password()->clear();
    if (!frm->Execute(name, entered))
        return;
    const QString newCode = entered;

    frm->setWindowTitle(op.name + loc::text(" - Please Enter AGAIN for Confirmation"));
    frm->Password()->clear();
    if (!frm->Execute(name, entered))
        return;
    if (entered != newCode) {
        core::messages().error(
            loc::text("NEW Code and Confirmation code are not the same - Please try again"));
        return;
    }

    store::Table &operators = *m_station.dm().tbOperators;
    if (!operators.findKey(frm->UserList()->currentText())) {
        core::messages().error(
            op.name + loc::text(" - an Error has occured, Your Passcode has NOT been Accepted !"));
        return;
    }
    operators.edit();
    try {
        operators.field(QStringLiteral("Password")).setValue(newCode);
        operators.post();
    } catch (...) {
        // The shared cursor is not left half-edited.
        operators.cancel();
        throw;
    }
    op.password = newCode.left(16);
    core::messages().information(op.name + loc::text(" - Your NEW Passcode has been Accepted !"));
}

void OperatorSession::EditOperators()
{
    TOperatorsFrm frm(*m_station.dm().tbOperators, m_window);
    frm.exec();
}

QString OperatorSession::accessText(const store::CurrentOperator &op)
{
    // The five words follow the interface language; the dashes do not.
    return (op.EditRecords ? loc::text("Edt") : QStringLiteral("---")) +
           (op.AddRecords ? loc::text(" Add") : QStringLiteral(" ---")) +
           (op.DeleteRecords ? loc::text(" Del") : QStringLiteral(" ---")) +
           (op.SetupComms ? loc::text(" Com") : QStringLiteral(" ---")) +
           (op.PrintReports ? loc::text(" Rep") : QStringLiteral(" ---"));
}

void OperatorSession::RefreshOperatorMenu()
{
    const store::CurrentOperator &op = m_station.dm().currentOperator;
    mnuLogOn->setEnabled(!m_loggedOn);
    mnuLogOff->setEnabled(m_loggedOn);
    mnuPasscode->setEnabled(m_loggedOn);
    // A master who logged off leaves no way into the operators and passwords.
    mnuEditOperators->setEnabled(m_loggedOn && op.Master);
    showOperatorStatus();
    mnuAccounts->menuAction()->setEnabled(m_loggedOn);
    mnuCommunication->menuAction()->setEnabled(m_loggedOn && op.SetupComms);
    mnuSetup->menuAction()->setEnabled(m_loggedOn);
    mnuExit->setEnabled(true);
    mnuHelp->menuAction()->setEnabled(true);
    emit statusChanged();
}

void OperatorSession::showOperatorStatus()
{
    const store::CurrentOperator &op = m_station.dm().currentOperator;
    m_statBar->setPanelText(
        4, formatText(loc::text("Operator: %s"), {m_loggedOn ? op.name : QString()}));
    m_statBar->setPanelText(
        5, formatText(loc::text("Access Options: %s"), {m_loggedOn ? accessText(op) : QString()}));
}

QString OperatorSession::widestAccessText()
{
    // Panel 5 shows every right an operator can hold.
    store::CurrentOperator all;
    all.EditRecords = all.AddRecords = all.DeleteRecords = all.SetupComms = all.PrintReports = true;
    return formatText(loc::text("Access Options: %s"), {accessText(all)});
}

bool OperatorSession::FormCloseQuery()
{
    bool canClose = false;
    bool unreadable = !m_station.dm().tbOperators->isOpen();
    if (!unreadable) {
        guarded([this, &canClose, &unreadable]() {
            try {
                canClose = askExitPassword();
            } catch (const store::EStoreError &) {
                unreadable = true;
                throw; // shown, then the shut-down is offered below
            }
        });
    }
    // Without the operators no password can be checked; the station must
    // still be able to shut down in order, its settings written.
    if (unreadable &&
        core::messages().confirm(loc::text("The operators cannot be read, so no exit password "
                                            "can be checked.\r\n\r\nShut the monitor down "
                                            "anyway?"))) {
        canClose = true;
        m_station.dm().setAppClosing();
    }
    return canClose;
}

bool OperatorSession::askExitPassword()
{
    const std::unique_ptr<TLogOnFrm> frm = createLogOnFrm();
    const QScopedValueRollback<QPointer<TLogOnFrm>> open(m_logOnFrm, frm.get());
    frm->setWindowTitle(loc::text("Exit Quorvel Password"));
    QString name, password;
    if (!frm->Execute(name, password))
        return false;
    // Any operator of the station may allow it, logged on or not.
    const OperatorCheck check = checkOperator(*m_station.dm().tbOperators, name, password);
    if (check != OperatorCheck::Accepted) {
        reportRefusal(check);
        return false;
    }
    m_station.dm().setAppClosing();
    return true;
}

} // namespace console
