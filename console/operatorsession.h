#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace store {
struct CurrentOperator;
}
namespace station {
class Station;
}

namespace console {

class StatBar;
class TLogOnFrm;

// The operator's session at the console: the log-on state, the main menu
// whose items follow it and the current rights, the Operator menu's log-on,
// log-off, passcode change and operator maintenance, the exit password, and
// status panels 4 (operator) and 5 (access options).
class OperatorSession : public QObject
{
    Q_OBJECT
public:
    // Builds the main menu into `bar`; dialogs open over `window`.
    OperatorSession(station::Station &station, QMenuBar *bar, StatBar *statBar, QWidget *window);
    ~OperatorSession() override;

    // The logged-on flag (the current operator's record is dm().currentOperator).
    bool LoggedOn() const { return m_loggedOn; }
    // A log-on dialog (log-on, passcode change or exit password) is open.
    bool logOnDialogExists() const { return !m_logOnFrm.isNull(); }
    TLogOnFrm *logOnDialog() const;

    // The Operator menu: dispatches on the item's tag (1 log on, 2 log off,
    // 3 change passcode, 4 operators, 5 exit).
    void mnuLogOnClick(QAction *item);
    // Operator menu items, the Accounts, Communication and Setup menus, and
    // status panels 4 and 5, from the log-on state and the current rights.
    void RefreshOperatorMenu();
    // "Edt Add Del Com Rep", with "---" for each right not held.
    static QString accessText(const store::CurrentOperator &op);
    // The widest access text, for the status bar's least width.
    static QString widestAccessText();
    // Exit protection: true when an operator's name and password allow it,
    // or, when the operators cannot be read, the shut-down is confirmed.
    bool FormCloseQuery();
    // Menu captions and status panels 4 and 5 in the current language.
    void retranslateUi();

    // Components, named as the station's documentation names them.
    QMenu *mnuOperator, *mnuAccounts, *mnuCommunication, *mnuSetup, *mnuSetupLanguage, *mnuHelp;
    QAction *mnuLogOn, *mnuLogOff, *mnuPasscode, *mnuEditOperators, *mnuExit;
    QAction *AccEdit, *Setup1, *mnuViewCommsData, *mnuViewEmail, *About1;

signals:
    // Log-on or log-off: the pending view follows.
    void loggedOnChanged(bool on);
    // The Exit item: the window is asked to close (the exit protection runs there).
    void exitRequested();
    // Status panels 4 and 5 changed width or text.
    void statusChanged();

private:
    void buildMenu(QMenuBar *bar);
    void showOperatorStatus();
    void LogOn();
    void LogOff();
    // askOld: the old password is asked first (not right after a log-on with it).
    void ChangePasscode(bool askOld = true);
    void EditOperators();
    bool askExitPassword();
    std::unique_ptr<TLogOnFrm> createLogOnFrm();

    station::Station &m_station;
    StatBar *m_statBar;
    QWidget *m_window;
    QPointer<TLogOnFrm> m_logOnFrm;
    bool m_loggedOn = false;
};

} // namespace console
