#include "console/tmainfrm.h"

#include "console/aboutbox.h"
#include "accounts/taccviewfrm.h"
#include "console/accountpages.h"
#include "console/coalescedhooks.h"
#include "console/formattext.h"
#include "console/guarded.h"
#include "console/logon.h"
#include "console/pendingview.h"
#include "console/programicon.h"
#include "console/receiverstart.h"
#include "console/statusbar.h"
#include "localization/localizer.h"
#include "localization/texts.h"
#include "localization/ui/localizerui.h"
#include "mail/maildelivery.h"
#include "mail/ui/tcommsfrm.h"
#include "mail/ui/tcomsetupfrm.h"
#include "mail/ui/tfrmemaildata.h"
#include "pipeline/eventcatalogue.h"
#include "pipeline/eventprocessor.h"
#include "reports/reportformats.h"
#include "core/clock.h"
#include "store/recordrules.h"
#include "core/events.h"
#include "store/tdmod.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace console {

namespace {

struct CountLabelDef
{
    const char *format;
    const char *background;
    const char *text;
};
constexpr std::array<CountLabelDef, 4> kCountLabels{{
    {"Very High Priority - %.3d", "#FF334B", "white"},
    {"High Priority - %.3d", "#FF8000", "white"},
    {"Medium Priority - %.3d", "#FFFF00", "black"},
    {"Low Priority - %.3d", "#99FF66", "black"},
}};

QAction *menuItem(QMenu *menu, const char *name, const QString &caption, int tag = 0)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    if (tag)
        a->setData(tag);
    return a;
}

QPushButton *queueButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFixedSize(75, 45);
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    b->setEnabled(false);
    return b;
}

} // namespace

TMainFrm::TMainFrm(store::TDMod &dm, const MainFrmOptions &options, QWidget *parent)
    : QMainWindow(parent), m_dm(dm), m_options(options),
      m_programFolder(options.programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                                      : options.programFolder),
      m_settingsPath(options.settingsPath.isEmpty() ? Settings::defaultPath()
                                                    : options.settingsPath),
      m_dateFormats(DateFormats::forLanguageId(9))
{
    setObjectName(QStringLiteral("MainFrm"));
    setWindowTitle(loc::text("Quorvel Alarm Monitor"));
    setWindowIcon(programIcon());
    QApplication::setWindowIcon(programIcon());
    QFont tahoma(QStringLiteral("Tahoma"), 8);
    tahoma.setStyleHint(QFont::SansSerif);
    setFont(tahoma);
    resize(800, 600);
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());

    buildMenu();
    m_statBar = new StatBar(this);
    setStatusBar(m_statBar);
    buildPendingView();

    m_link = std::make_unique<pipeline::ReceiverLink>(m_dm, *this);
    m_processor = std::make_unique<pipeline::EventProcessor>(m_dm);
    connectQueueActions();
    connect(m_processor.get(), &pipeline::EventProcessor::silenced, btnSilence,
            [this]() { btnSilence->setEnabled(false); });
    m_mail = new mail::MailDelivery(m_dm, {}, this);
    connect(m_link.get(), &pipeline::ReceiverLink::transmitted, m_statBar->txLight(),
            &ActivityLight::flash);
    connect(m_link.get(), &pipeline::ReceiverLink::received, m_statBar->rxLight(),
            &ActivityLight::flash);

    MinuteTimer = new QTimer(this);
    MinuteTimer->setObjectName(QStringLiteral("MinuteTimer"));
    MinuteTimer->setInterval(kFlushIntervalMs);
    connect(MinuteTimer, &QTimer::timeout, this,
            [this]() { guarded([this]() { MinuteTimerTimer(); }); });
    MinuteTimer->start();

    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TMainFrm::focusWindowChanged);

    // The data module hands its work to this window.
    // Through a coalescer: a flood of events refreshes the window at screen
    // speed, not once per event.
    m_coalescedHooks = new CoalescedHooks(*this, this);
    m_dm.setConsoleHooks(m_coalescedHooks);
    m_dm.setNotifyTarget(this);

    // A failure skips the rest of the start-up; the window opens all the same.
    guarded([this]() { FormCreate(); });
}

TMainFrm::~TMainFrm()
{
    // FormDestroy.
    for (const QMetaObject::Connection &c : m_viewHooks)
        disconnect(c);
    m_viewHooks.clear();
    if (m_link)
        m_link->close();
    // A start-up that never read the settings must not overwrite them with defaults.
    if (m_settingsRead)
        m_settings.Write_Registry(m_settingsPath);
    m_link.reset();
    m_dm.setConsoleHooks(nullptr);
    if (m_dm.notifyTarget() == this)
        m_dm.setNotifyTarget(nullptr);
}

void TMainFrm::buildMenu()
{
    QMenuBar *bar = menuBar();
    mnuOperator = bar->addMenu(loc::text("Operator"));
    mnuOperator->setObjectName(QStringLiteral("mnuOperator"));
    mnuLogOn = menuItem(mnuOperator, "mnuLogOn", loc::text("Log On..."), 1);
    mnuLogOff = menuItem(mnuOperator, "mnuLogOff", loc::text("Log Off"), 2);
    mnuPasscode = menuItem(mnuOperator, "mnuPasscode", loc::text("Change Passcode..."), 3);
    mnuEditOperators =
        menuItem(mnuOperator, "mnuEditOperators", loc::text("Modify System Operators..."), 4);
    mnuOperator->addSeparator();
    mnuExit = menuItem(mnuOperator, "mnuExit", loc::text("Exit"), 5);
    for (QAction *a : {mnuLogOn, mnuLogOff, mnuPasscode, mnuEditOperators, mnuExit})
        connect(a, &QAction::triggered, this,
                [this, a]() { guarded([this, a]() { mnuLogOnClick(a); }); });

    mnuAccounts = bar->addMenu(loc::text("Accounts"));
    mnuAccounts->setObjectName(QStringLiteral("mnuAccounts"));
    AccEdit = menuItem(mnuAccounts, "AccEdit", loc::text("Open Account Manager"));

    mnuCommunication = bar->addMenu(loc::text("Communication"));
    mnuCommunication->setObjectName(QStringLiteral("mnuCommunication"));
    Setup1 = menuItem(mnuCommunication, "Setup1", loc::text("Setup"));
    mnuViewCommsData =
        menuItem(mnuCommunication, "mnuViewCommsData", loc::text("View Comms Data..."));
    mnuViewEmail = menuItem(mnuCommunication, "mnuViewEmail", loc::text("View Email History..."));

    mnuSetup = bar->addMenu(loc::text("Setup"));
    mnuSetup->setObjectName(QStringLiteral("mnuSetup"));
    mnuSetupLanguage = mnuSetup->addMenu(loc::text("Language"));
    mnuSetupLanguage->setObjectName(QStringLiteral("mnuSetupLanguage"));

    mnuHelp = bar->addMenu(loc::text("Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    About1 = menuItem(mnuHelp, "About1", loc::text("About"));
    // Built as for nobody logged on: a start-up that fails before its menu
    // refresh leaves no operator function open.
    for (QAction *a : {mnuLogOff, mnuPasscode, mnuEditOperators})
        a->setEnabled(false);
    for (QMenu *m : {mnuAccounts, mnuCommunication, mnuSetup})
        m->menuAction()->setEnabled(false);

    const std::array<std::pair<QAction *, void (TMainFrm::*)()>, 5> handlers{{
        {AccEdit, &TMainFrm::AccEditClick},
        {Setup1, &TMainFrm::Setup1Click},
        {mnuViewCommsData, &TMainFrm::mnuViewCommsDataClick},
        {mnuViewEmail, &TMainFrm::mnuViewEmailClick},
        {About1, &TMainFrm::About1Click},
    }};
    for (const auto &[action, handler] : handlers)
        connect(action, &QAction::triggered, this,
                [this, h = handler]() { guarded([this, h]() { (this->*h)(); }); });
}

void TMainFrm::buildPendingView()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Panel2"));
    auto *outer = new QHBoxLayout(central);
    outer->setContentsMargins(2, 2, 2, 2);

    auto *view = new QWidget(central);
    auto *viewLayout = new QVBoxLayout(view);
    viewLayout->setContentsMargins(0, 0, 0, 0);
    viewLayout->setSpacing(2);

    // Top panel: the detail pages, or a message when there is nothing to show.
    Panel1 = new QWidget(view);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(305);
    auto *topLayout = new QVBoxLayout(Panel1);
    topLayout->setContentsMargins(0, 0, 0, 0);
    lbNoEvents = new QLabel(Panel1);
    lbNoEvents->setObjectName(QStringLiteral("lbNoEvents"));
    lbNoEvents->setAlignment(Qt::AlignCenter);
    lbNoEvents->setWordWrap(true);
    QFont message(QStringLiteral("Tahoma"));
    message.setPixelSize(24);
    message.setBold(true);
    lbNoEvents->setFont(message);
    topLayout->addWidget(lbNoEvents);
    PgControl = new QTabWidget(Panel1);
    PgControl->setObjectName(QStringLiteral("PgControl"));
    for (const char *page : {"Customer Details", "Notes", "Special Instructions", "Keyholders"})
        PgControl->addTab(new QWidget(PgControl), loc::text(page));
    PgControl->setCurrentIndex(1);
    PgControl->hide();
    topLayout->addWidget(PgControl);
    viewLayout->addWidget(Panel1);

    DBGrid1 = new QTableView(view);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    viewLayout->addWidget(DBGrid1, 1);

    // The count-label row: four labels sharing its width by quarters.
    Panel3 = new QWidget(view);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFixedHeight(22);
    QFont countFont(QStringLiteral("Tahoma"));
    countFont.setPixelSize(13);
    countFont.setBold(true);
    for (size_t i = 0; i < lbAlmCount.size(); ++i) {
        auto *l = new QLabel(Panel3);
        l->setObjectName(QStringLiteral("lbAlmCount%1").arg(i + 1));
        l->setAlignment(Qt::AlignCenter);
        l->setFont(countFont);
        l->setAutoFillBackground(true);
        l->setStyleSheet(QStringLiteral("background-color: %1; color: %2;")
                             .arg(QLatin1String(kCountLabels[i].background),
                                  QLatin1String(kCountLabels[i].text)));
        l->setText(formatText(loc::text(kCountLabels[i].format), {QStringLiteral("0")}));
        lbAlmCount[i] = l;
    }
    Panel3->installEventFilter(this);
    viewLayout->addWidget(Panel3);
    outer->addWidget(view, 1);

    auto *buttons = new QWidget(central);
    buttons->setObjectName(QStringLiteral("Panel4"));
    auto *buttonLayout = new QVBoxLayout(buttons);
    buttonLayout->setContentsMargins(2, 0, 0, 0);
    btnAction = queueButton(buttons, "btnAction", loc::text("&Action"));
    btnCancel = queueButton(buttons, "btnCancel", loc::text("Log"));
    btnCancel->setProperty("tag", 3);
    btnDelete = queueButton(buttons, "btnDelete", loc::text("Delete"));
    btnDelete->hide();
    btnHistory = queueButton(buttons, "btnHistory", loc::text("History..."));
    btnSilence = queueButton(buttons, "btnSilence", loc::text("Silence"));
    for (QPushButton *b : {btnAction, btnCancel, btnDelete, btnHistory, btnSilence})
        buttonLayout->addWidget(b);
    buttonLayout->addStretch(1);
    outer->addWidget(buttons);

    setCentralWidget(central);
    fitMinimumSize();

    m_pendingGrid = new PendingGrid(DBGrid1, *m_dm.tbPending, this);
    m_pages = new AccountPages(m_dm, PgControl, this);
    moComments = m_pages->moComments;
}

void TMainFrm::FormCreate()
{
    BuildLanguageMenu();
    RegisterLanguageSwitched();
    // AppClosing starts cleared with the data module and is never cleared
    // again. The watchdog is armed at 99 seconds and the one-second tick runs.
    m_link->start();
    // A new account's event handling starts from the catalogue's defaults.
    m_dm.setDefaultActionsSource(pipeline::CatalogueDefaultActions);
    m_dm.OpenStore(); // reports its own failure; the start-up goes on
    m_viewHooks << connect(m_dm.tbPending, &store::Dataset::dataChanged, this,
                           [this]() { guarded([this]() { UpdateQueueControls(); }); });
    m_viewHooks << connect(m_dm.tbPending, &store::Dataset::currentChanged, this,
                           [this]() { guarded([this]() { UpdateQueueControls(); }); });
    // A new alarm in the queue: the controls follow with the next refresh.
    m_viewHooks << connect(m_dm.tbPending, &store::Dataset::rowInserted, this,
                           [this]() { m_coalescedHooks->UpdateQueueControls(); });
    m_viewHooks << connect(m_dm.qryAccounts, &store::Dataset::dataChanged, this,
                           [this]() { guarded([this]() { UpdateAccountLeds(); }); });
    m_viewHooks << connect(m_dm.qryAccounts, &store::Dataset::currentChanged, this,
                           [this]() { guarded([this]() { UpdateAccountLeds(); }); });
    // The store needs no idle-time call.
    m_statBar->placeLights();
    RecountPending();
    RefreshStatusAndCounts();
    setWindowTitle(windowTitle() + QStringLiteral(" - V") + QLatin1String(kVersion));
    m_loggedOn = false;
    m_link->setLogReceiverMessages(false);
    m_settings.Read_Registry(m_settingsPath);
    m_settingsRead = true;
    RefreshOperatorMenu();
    UpdateQueueControls();
    // Events stored but not processed when the program last stopped are
    // handled before the receiver can hand over new ones.
    if (m_dm.tbComms->isOpen())
        guarded([this]() { m_processor->ProcessBacklog(); });
    m_link->open(m_settings.Port);
    m_statBar->setLightsActive(true);
    ReceiverStart(m_options.procRoot).run(m_programFolder);
    // The display stays awake through the desktop's own settings.
    applyDateFormats(DateFormats::forLanguageId(currentLanguageId()));
}

void TMainFrm::BuildLanguageMenu()
{
    if (loc::TLocalizer *l = loc::TLocalizer::instance())
        loc::ui::BuildLanguageMenu(*l, mnuSetupLanguage, 1, true);
}

void TMainFrm::RegisterLanguageSwitched()
{
    // Hungarian stations write dates year first; the language's own name
    // tells which set a switch asks for.
    if (loc::TLocalizer *l = loc::TLocalizer::instance())
        connect(l, &loc::TLocalizer::languageSwitched, this, [this](const loc::TLFInfo &entry) {
            applyDateFormats(DateFormats::forNativeName(entry.localizedName));
        });
}

int TMainFrm::currentLanguageId() const
{
    const loc::TLocalizer *l = loc::TLocalizer::instance();
    return l ? l->currentLanguage() : 9;
}

void TMainFrm::applyDateFormats(const DateFormats &formats)
{
    m_dateFormats = formats;
    m_pendingGrid->model()->setDateFormat(formats.eventFormat);
    m_pages->setDateFormat(formats.eventFormat);
    reports::setReportFormats({formats.shortDate, formats.eventFormat});
    core::setShortDateFormat(formats.shortDate);
}

TLogOnFrm *TMainFrm::logOnDialog() const
{
    return m_logOnFrm.data();
}

QString TMainFrm::statusText(int panel) const
{
    return m_statBar->panelText(panel);
}

void TMainFrm::setStatusText(int panel, const QString &text)
{
    m_statBar->setPanelText(panel, text);
}

void TMainFrm::beep()
{
    ++m_beeps;
    QApplication::beep();
}

void TMainFrm::OnWM_NewCommsData(int commsId)
{
    m_processor->OnWM_NewCommsData(commsId);
}

void TMainFrm::OnWM_NewEmailMsg(int outboxId)
{
    m_mail->OnWM_NewEmailMsg(outboxId, commSettings());
}

mail::CommSettings TMainFrm::commSettings() const
{
    return {m_settings.Port, m_settings.EmailHost, m_settings.EmailUserName,
            m_settings.EmailPassword, m_settings.EmailSender};
}

void TMainFrm::customEvent(QEvent *event)
{
    const int id = event->type() == core::NewCommsEventType ||
                           event->type() == core::NewMailEventType ||
                           event->type() == core::LogOnRequestEventType
                       ? static_cast<core::RowEvent *>(event)->id()
                       : 0;
    if (event->type() == core::NewCommsEventType)
        guarded([this, id]() { OnWM_NewCommsData(id); });
    else if (event->type() == core::LogOnRequestEventType)
        guarded([this]() { SXLogInMessage(); });
    else if (event->type() == core::NewMailEventType)
        guarded([this, id]() { OnWM_NewEmailMsg(id); });
    else
        QMainWindow::customEvent(event);
}

void TMainFrm::FormActivate()
{
    if (!m_loggedOn && !logOnDialogExists())
        QCoreApplication::postEvent(this, new core::RowEvent(core::LogOnRequestEventType, 0));
}

void TMainFrm::SXLogInMessage()
{
    // The request may have gone stale while it waited.
    if (!m_loggedOn && !logOnDialogExists())
        mnuLogOnClick(mnuLogOn);
}

void TMainFrm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        FormActivate();
    }
}

void TMainFrm::focusWindowChanged(QWindow *window)
{
    if (!window)
        return;
    // A menu, a drop-down list or a tool tip is part of the window it opens
    // from, not another window of the program.
    const Qt::WindowType type = window->type();
    if (type == Qt::Popup || type == Qt::ToolTip)
        return;
    if (window == windowHandle()) {
        // Only a hand-over from another of the program's own windows counts,
        // and not the return from a log-on dialog or from a box it showed:
        // their flow is still running when the main window takes over.
        const bool fromOwnWindow = m_otherWindowActive && !m_otherWindowInLogOnFlow;
        m_otherWindowActive = false;
        if (fromOwnWindow)
            FormActivate();
        return;
    }
    m_otherWindowActive = true;
    m_otherWindowInLogOnFlow = logOnDialogExists();
}

void TMainFrm::closeEvent(QCloseEvent *event)
{
    if (!m_closeAllowed)
        m_closeAllowed = FormCloseQuery();
    if (!m_closeAllowed) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TMainFrm::FormClose()
{
    // The receiver program is left running.
    guarded([this]() { m_link->close(); });
}

bool TMainFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Panel3 && event->type() == QEvent::Resize)
        Panel3Resize();
    return QMainWindow::eventFilter(watched, event);
}

void TMainFrm::fitMinimumSize()
{
    // Panel 5 shows every right an operator can hold.
    store::CurrentOperator all;
    all.EditRecords = all.AddRecords = all.DeleteRecords = all.SetupComms = all.PrintReports = true;
    if (auto *access = m_statBar->findChild<QLabel *>(QStringLiteral("StatBarPanel5"))) {
        const QString text = formatText(loc::text("Access Options: %s"), {accessText(all)});
        access->setMinimumWidth(access->fontMetrics().horizontalAdvance(text) +
                                2 * access->frameWidth() + access->indent() + 8);
    }
    // The smallest window still shows the status panels and the four count
    // labels whole, with counts of three digits.
    int counts = 0;
    for (size_t i = 0; i < lbAlmCount.size(); ++i)
        counts = std::max(counts, lbAlmCount[i]->fontMetrics().horizontalAdvance(formatText(
                                      loc::text(kCountLabels[i].format), {QStringLiteral("888")})) +
                                      2);
    const int buttons = btnAction->parentWidget()->sizeHint().width();
    // The status bar's own layout is made only when it shows: its panels are added up here.
    int panels = 24; // the size grip and the bar's margins
    for (int i = 0; i < StatBar::kPanels; ++i) {
        if (auto *panel = m_statBar->findChild<QWidget *>(QStringLiteral("StatBarPanel%1").arg(i)))
            panels += panel->minimumWidth() + 6;
    }
    const int width = std::max(panels, 4 * counts + buttons + 10);
    setMinimumWidth(width);
    setMinimumHeight(std::min(600, minimumSizeHint().height()));
}

void TMainFrm::Panel3Resize()
{
    const int width = Panel3->width() / 4;
    for (size_t i = 0; i < lbAlmCount.size(); ++i)
        lbAlmCount[i]->setGeometry(static_cast<int>(i) * width, 0, width, Panel3->height());
}

void TMainFrm::RecountPending()
{
    auto &counts = m_dm.PriorityCounts;
    counts.fill(0);
    store::Table &pending = *m_dm.tbPending;
    if (!pending.isOpen() || pending.isEmpty())
        return;
    if (!pending.master() && (!pending.filtered() || pending.filter().isEmpty())) {
        // The cursor shows the whole table: one pass in the store instead of
        // one read per row keeps the start-up with a long queue short.
        QSqlQuery q = m_dm.database().exec(
            QStringLiteral("SELECT Priority, COUNT(*) FROM Pending GROUP BY Priority"));
        while (q.next()) {
            const int p = q.value(0).isNull() ? 0 : q.value(0).toInt();
            if (p >= 1 && p <= 5)
                counts[static_cast<size_t>(p)] += q.value(1).toInt();
        }
    } else {
        const int priority = pending.fieldIndex(QStringLiteral("Priority"));
        for (int i = 0; i < pending.recordCount(); ++i) {
            const int p = pending.recordAt(i).value(priority).toInt();
            if (p >= 1 && p <= 5)
                ++counts[static_cast<size_t>(p)];
        }
    }
    pending.first();
}

void TMainFrm::RefreshStatusAndCounts()
{
    setStatusText(0, m_link && m_link->ReceiverConnected() ? loc::text("Status: Receiving Data...")
                                                           : loc::text("Status: Monitoring..."));
    for (size_t i = 0; i < lbAlmCount.size(); ++i)
        lbAlmCount[i]->setText(formatText(loc::text(kCountLabels[i].format),
                                          {QString::number(m_dm.PriorityCounts[i + 1])}));
}

void TMainFrm::RestoreFromMinimised()
{
    if (isMinimized())
        showNormal();
}

void TMainFrm::MinuteTimerTimer()
{
    m_dm.FlushAll();
}

void TMainFrm::ReopenPort()
{
    // Opens the new port before the old one closes.
    m_link->open(m_settings.Port);
}

void TMainFrm::AccEditClick()
{
    guarded([this]() {
        m_dm.tbAccounts->refresh();
        accounts::TAccViewFrm manager(m_dm, this);
        manager.exec();
    });
    // Edited account details show at once, also after a failure.
    DBGrid1->viewport()->update();
    guarded([this]() {
        m_dm.qryAccounts->close();
        m_dm.qryAccounts->open();
    });
    UpdateQueueControls();
}

void TMainFrm::Setup1Click()
{
    guarded([this]() {
        mail::ui::TComSetupFrm dialog(
            commSettings(), m_link->LogReceiverMessages(),
            [this](bool on) { m_link->setLogReceiverMessages(on); }, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        const mail::CommSettings chosen = dialog.settings();
        m_settings.EmailHost = chosen.EmailHost;
        m_settings.EmailUserName = chosen.EmailUserName;
        m_settings.EmailPassword = chosen.EmailPassword;
        m_settings.EmailSender = chosen.EmailSender;
        // Only a port that opened is kept, and saved at exit; otherwise the
        // receiver's current port stays open, its error shown.
        if (m_link->open(chosen.Port))
            m_settings.Port = chosen.Port;
    });
}

void TMainFrm::mnuViewCommsDataClick()
{
    guarded([this]() { mail::ui::TCommsFrm::showViewer(m_dm, m_dateFormats.stampFormat, this); });
}

void TMainFrm::mnuViewEmailClick()
{
    guarded([this]() {
        mail::ui::TfrmEmailData dialog(m_dm, m_dateFormats.stampFormat, m_mail, this);
        dialog.exec();
    });
}

void TMainFrm::About1Click()
{
    TAboutBox box(this);
    box.exec();
}

} // namespace console
