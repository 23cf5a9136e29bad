// The Operator menu of the main window: log-on, log-off, passcode change,
// operator maintenance and the exit password.
#include "console/tmainfrm.h"

#include "console/formattext.h"
#include "console/guarded.h"
#include "console/logon.h"
#include "console/operatorsfrm.h"
#include "console/statusbar.h"
#include "localization/texts.h"
#include "store/errors.h"
#include "core/messages.h"
#include "store/tdmod.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QScopedValueRollback>

namespace console {

void TMainFrm::mnuLogOnClick(QAction *item)
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
        close(); // the exit protection asks for a password
        break;
    default:
        break;
    }
}

std::unique_ptr<TLogOnFrm> TMainFrm::createLogOnFrm()
{
    return std::make_unique<TLogOnFrm>(*m_dm.tbOperators, m_settings.LastOperator, this);
}

void TMainFrm::LogOn()
{
    const std::unique_ptr<TLogOnFrm> frm = createLogOnFrm();
    // While it exists, activation offers no second log-on.
    const QScopedValueRollback<QPointer<TLogOnFrm>> open(m_logOnFrm, frm.get());
    QString name, password;
    if (!frm->Execute(name, password))
        return;
    store::Table &operators = *m_dm.tbOperators;
    const OperatorCheck check = checkOperator(operators, name, password);
    if (check != OperatorCheck::Accepted) {
        reportRefusal(check);
        return;
    }
    store::CurrentOperator &op = m_dm.currentOperator;
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
    m_settings.LastOperator = name;
    m_loggedOn = true;
    RefreshOperatorMenu();
    UpdateQueueControls();
    // The password every new store starts with is no secret: asked at every
    // log-on with it until the operator has chosen another.
    if (password == store::TDMod::defaultMasterPassword() &&
        core::messages().confirm(
            loc::text("You logged on with the default password, which anyone may know. "
                      "Please choose a new password now.\r\n\r\nChange it now?")))
        ChangePasscode(false);
}

void TMainFrm::LogOff()
{
    // The current operator's record stays as it is; only the flag goes.
    m_loggedOn = false;
    RefreshOperatorMenu();
    UpdateQueueControls();
}

void TMainFrm::ChangePasscode(bool askOld)
{
    const std::unique_ptr<TLogOnFrm> frm = createLogOnFrm();
    const QScopedValueRollback<QPointer<TLogOnFrm>> open(m_logOnFrm, frm.get());
    store::CurrentOperator &op = m_dm.currentOperator;
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

    store::Table &operators = *m_dm.tbOperators;
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

void TMainFrm::EditOperators()
{
    TOperatorsFrm frm(*m_dm.tbOperators, this);
    frm.exec();
}

QString TMainFrm::accessText(const store::CurrentOperator &op)
{
    // The five words follow the interface language; the dashes do not.
    return (op.EditRecords ? loc::text("Edt") : QStringLiteral("---")) +
           (op.AddRecords ? loc::text(" Add") : QStringLiteral(" ---")) +
           (op.DeleteRecords ? loc::text(" Del") : QStringLiteral(" ---")) +
           (op.SetupComms ? loc::text(" Com") : QStringLiteral(" ---")) +
           (op.PrintReports ? loc::text(" Rep") : QStringLiteral(" ---"));
}

void TMainFrm::RefreshOperatorMenu()
{
    const store::CurrentOperator &op = m_dm.currentOperator;
    mnuLogOn->setEnabled(!m_loggedOn);
    mnuLogOff->setEnabled(m_loggedOn);
    mnuPasscode->setEnabled(m_loggedOn);
    // A master who logged off leaves no way into the operators and passwords.
    mnuEditOperators->setEnabled(m_loggedOn && op.Master);
    setStatusText(4, formatText(loc::text("Operator: %s"), {m_loggedOn ? op.name : QString()}));
    setStatusText(
        5, formatText(loc::text("Access Options: %s"), {m_loggedOn ? accessText(op) : QString()}));
    mnuAccounts->menuAction()->setEnabled(m_loggedOn);
    mnuCommunication->menuAction()->setEnabled(m_loggedOn && op.SetupComms);
    mnuSetup->menuAction()->setEnabled(m_loggedOn);
    mnuExit->setEnabled(true);
    mnuHelp->menuAction()->setEnabled(true);
    fitMinimumSize();
}

bool TMainFrm::FormCloseQuery()
{
    bool canClose = false;
    bool unreadable = !m_dm.tbOperators->isOpen();
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
        m_dm.setAppClosing();
    }
    return canClose;
}

bool TMainFrm::askExitPassword()
{
    const std::unique_ptr<TLogOnFrm> frm = createLogOnFrm();
    const QScopedValueRollback<QPointer<TLogOnFrm>> open(m_logOnFrm, frm.get());
    frm->setWindowTitle(loc::text("Exit Quorvel Password"));
    QString name, password;
    if (!frm->Execute(name, password))
        return false;
    // Any operator of the station may allow it, logged on or not.
    const OperatorCheck check = checkOperator(*m_dm.tbOperators, name, password);
    if (check != OperatorCheck::Accepted) {
        reportRefusal(check);
        return false;
    }
    m_dm.setAppClosing();
    return true;
}

} // namespace console
