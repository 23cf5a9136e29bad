#pragma once

#include "console/dateformats.h"
#include "console/settings.h"
#include "pipeline/receiverlink.h"
#include "core/consolehooks.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>

class QColor;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QTimer;
class QWindow;

namespace store {
class TDMod;
struct CurrentOperator;
} // namespace store
namespace pipeline {
class EventProcessor;
}
namespace mail {
class MailDelivery;
struct CommSettings;
} // namespace mail

namespace console {

class AccountPages;
class CoalescedHooks;
class PendingGrid;
class StatBar;
class TLogOnFrm;

// Where the main window finds its surroundings. The program passes nothing;
// tests give their own folders.
struct MainFrmOptions
{
    // The program's folder (data beside it, the receiver looked for from it);
    // empty: the executable's folder.
    QString programFolder;
    // The settings file; empty: $XDG_CONFIG_HOME/Quorvel.ini.
    QString settingsPath;
    // The process table, to tell whether the receiver runs.
    QString procRoot = QStringLiteral("/proc");
};

// The main window of the monitoring console. Creating it is the start-up of
// the station (tables opened, settings read, listening port opened, receiver
// started); closing it, once an operator's password allowed it, is the
// shut-down. It hosts the pending alarm view, the operator menu and the
// status bar, and takes the posted new-comms, log-on and new-mail events.
class TMainFrm : public QMainWindow, public core::ConsoleHooks, public pipeline::LinkConsole
{
    Q_OBJECT
public:
    static constexpr const char *kVersion = "2.16";
    static constexpr int kFlushIntervalMs = 60000;

    explicit TMainFrm(store::TDMod &dm, const MainFrmOptions &options = {},
                      QWidget *parent = nullptr);
    // Detaches the pending view's hooks and writes the six settings.
    ~TMainFrm() override;

    store::TDMod &dm() const { return m_dm; }
    pipeline::ReceiverLink &link() const { return *m_link; }
    pipeline::EventProcessor &processor() const { return *m_processor; }
    mail::MailDelivery &mailDelivery() const { return *m_mail; }
    // The five "Communication" settings as the mail delivery takes them.
    mail::CommSettings commSettings() const;
    // The settings in memory; the communication setup dialog changes the
    // five "Communication" values here. Written at orderly shut-down.
    Settings &settings() { return m_settings; }
    QString settingsPath() const { return m_settingsPath; }
    QString programFolder() const { return m_programFolder; }
    const DateFormats &dateFormats() const { return m_dateFormats; }

    // The logged-on flag (the current operator's record is dm().currentOperator).
    bool LoggedOn() const { return m_loggedOn; }
    // A log-on dialog (log-on, passcode change or exit password) is open.
    bool logOnDialogExists() const { return !m_logOnFrm.isNull(); }
    TLogOnFrm *logOnDialog() const;

    StatBar *statBar() const { return m_statBar; }
    QString statusText(int panel) const;
    int beeps() const { return m_beeps; }

    // --- Attachment points ---------------------------------------------
    // A new Comms row was stored (new-comms event). The event processor's
    // entry point goes here.
    void OnWM_NewCommsData(int commsId);
    // A new Outbox row was stored (new-mail event). The mail delivery's
    // entry point goes here.
    void OnWM_NewEmailMsg(int outboxId);
    // The log-on request: opens the log-on dialog unless an operator logged
    // on, or a log-on dialog opened, since it was posted.
    void SXLogInMessage();
    // The main window became the active window: offers the log-on while
    // nobody is logged on.
    void FormActivate();

    // --- Pending view hooks ----------------------------------------------
    // Counts the pending rows per priority into dm().PriorityCounts.
    void RecountPending();
    // Status panel 0 and the four priority count labels.
    void RefreshStatusAndCounts() override;
    // Operator buttons and account pages of the pending view.
    void UpdateQueueControls() override;
    // The "Engr on Site" and "System Closed" lights of the current account.
    void UpdateAccountLeds();
    void RestoreFromMinimised() override;

    // --- Pending queue actions -------------------------------------------
    // The selected event is handled: its History row (Actioned, with the
    // comments, which are required) and the removal from the queue.
    void btnActionClick();
    // The Log button (tag 3): the selected event is filed as Logged.
    void btnCancelClick();
    // Removes the selected event without a History row (for an event whose
    // account no longer exists).
    void btnDeleteClick();
    void btnHistoryClick();
    // The looping alarm gives way to one short chime (AlmTimer's expiry
    // does the same through the processor).
    void btnSilenceClick();
    // A click on "Special:": the account's instructions document is opened.
    void DBText44Click();

    // --- Receiver link console ----------------------------------------
    void setStatusText(int panel, const QString &text) override;
    void beep() override;

    // --- Menu actions ----------------------------------------------------
    // The Operator menu: dispatches on the item's tag (1 log on, 2 log off,
    // 3 change passcode, 4 operators, 5 exit).
    void mnuLogOnClick(QAction *item);
    // Operator menu items, the Accounts, Communication and Setup menus, and
    // status panels 4 and 5, from the log-on state and the current rights.
    void RefreshOperatorMenu();
    // "Edt Add Del Com Rep", with "---" for each right not held.
    static QString accessText(const store::CurrentOperator &op);
    void AccEditClick();
    void Setup1Click();
    void mnuViewCommsDataClick();
    void mnuViewEmailClick();
    void About1Click();
    // The "Port" setting changed: the listening port is closed and opened
    // again on it.
    void ReopenPort();

    void MinuteTimerTimer();

    // Components, named as the station's documentation names them.
    QMenu *mnuOperator, *mnuAccounts, *mnuCommunication, *mnuSetup, *mnuSetupLanguage, *mnuHelp;
    QAction *mnuLogOn, *mnuLogOff, *mnuPasscode, *mnuEditOperators, *mnuExit;
    QAction *AccEdit, *Setup1, *mnuViewCommsData, *mnuViewEmail, *About1;
    QTimer *MinuteTimer;
    // The pending view: top panel with the detail pages, the grid, the
    // count-label row and the button column.
    QWidget *Panel1;
    QLabel *lbNoEvents;
    QTabWidget *PgControl;
    QTableView *DBGrid1;
    QWidget *Panel3;
    std::array<QLabel *, 4> lbAlmCount{};
    QPushButton *btnAction, *btnCancel, *btnDelete, *btnHistory, *btnSilence;
    // The detail pages' content (fields, lights, the operator's comments box)
    // and the grid's model and binding to the Pending cursor.
    AccountPages *pages() const { return m_pages; }
    PendingGrid *pendingGrid() const { return m_pendingGrid; }
    QPlainTextEdit *moComments = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void customEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu();
    void buildPendingView();
    // Start-up, from the language menu to the date formats.
    void FormCreate();
    // Exit protection: true when an operator's name and password allow it,
    // or, when the operators cannot be read, the shut-down is confirmed.
    bool FormCloseQuery();
    bool askExitPassword();
    void FormClose();
    void Panel3Resize();
    // The window's least size shows the status panels and count labels whole.
    void fitMinimumSize();
    void connectQueueActions();
    // The message of the top panel when the detail pages are hidden.
    void showQueueMessage(const QString &text, const QColor &colour);
    void focusComments();
    // Files the current event in History (opAction 1 Actioned, 0 Logged)
    // and removes it from the queue, as one unit of work.
    void fileCurrentEvent(int opAction, const QString &comments);

    void LogOn();
    void LogOff();
    // askOld: the old password is asked first (not right after a log-on with it).
    void ChangePasscode(bool askOld = true);
    void EditOperators();
    std::unique_ptr<TLogOnFrm> createLogOnFrm();

    // Localizer attachment points (the language menu, its switch
    // notification and the current language).
    void BuildLanguageMenu();
    void RegisterLanguageSwitched();
    int currentLanguageId() const;
    void applyDateFormats(const DateFormats &formats);

    void focusWindowChanged(QWindow *window);

    store::TDMod &m_dm;
    MainFrmOptions m_options;
    QString m_programFolder;
    QString m_settingsPath;
    Settings m_settings;
    bool m_settingsRead = false;
    DateFormats m_dateFormats;
    std::unique_ptr<pipeline::ReceiverLink> m_link;
    std::unique_ptr<pipeline::EventProcessor> m_processor;
    mail::MailDelivery *m_mail = nullptr;
    StatBar *m_statBar = nullptr;
    QPointer<TLogOnFrm> m_logOnFrm;
    bool m_loggedOn = false;
    bool m_closeAllowed = false;
    bool m_shownOnce = false;
    // Which of the program's own windows was active before the main window.
    bool m_otherWindowActive = false;
    bool m_otherWindowInLogOnFlow = false;
    int m_beeps = 0;
    QList<QMetaObject::Connection> m_viewHooks;
    PendingGrid *m_pendingGrid = nullptr;
    AccountPages *m_pages = nullptr;
    CoalescedHooks *m_coalescedHooks = nullptr;
    // An operator action is being written (its waits dispatch clicks).
    bool m_filing = false;
};

} // namespace console
