#include "console/tmainfrm.h"

#include "accounts/taccviewfrm.h"
#include "console/aboutbox.h"
#include "console/guarded.h"
#include "console/operatorsession.h"
#include "console/pendingpanel.h"
#include "console/programicon.h"
#include "console/statusbar.h"
#include "core/events.h"
#include "localization/localizer.h"
#include "localization/texts.h"
#include "localization/ui/localizerui.h"
#include "mail/commsettings.h"
#include "mail/ui/tcommsfrm.h"
#include "mail/ui/tcomsetupfrm.h"
#include "mail/ui/tfrmemaildata.h"
#include "reports/reportformats.h"
#include "station/station.h"
#include "store/tdmod.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace console {

using station::Station;

TMainFrm::TMainFrm(Station &station, QWidget *parent) : QMainWindow(parent), m_station(station)
{
    setObjectName(QStringLiteral("MainFrm"));
    setWindowIcon(programIcon());
    QApplication::setWindowIcon(programIcon());
    QFont tahoma(QStringLiteral("Tahoma"), 8);
    tahoma.setStyleHint(QFont::SansSerif);
    setFont(tahoma);
    resize(800, 600);
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());

    m_statBar = new StatBar(this);
    setStatusBar(m_statBar);
    m_session = new OperatorSession(m_station, menuBar(), m_statBar, this);
    m_pending = new PendingPanel(m_station, this);
    setCentralWidget(m_pending);

    connectStation();
    connectMenu();
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TMainFrm::focusWindowChanged);

    retranslateUi();
    if (m_station.started())
        guarded([this]() { catchUp(); });
}

TMainFrm::~TMainFrm()
{
    // FormDestroy: the station outlives its window.
    m_pending->detachDataHooks();
}

void TMainFrm::connectStation()
{
    connect(&m_station, &Station::stepDone, this,
            [this](Station::Step step) { followStep(static_cast<int>(step)); });
    connect(&m_station, &Station::statusTextChanged, m_statBar, &StatBar::setPanelText);
    connect(&m_station, &Station::countsChanged, m_pending, &PendingPanel::showCounts);
    connect(&m_station, &Station::queueChanged, m_pending, &PendingPanel::UpdateQueueControls);
    connect(&m_station, &Station::alarmArrived, this, [this]() {
        if (isMinimized())
            showNormal();
    });
    connect(&m_station, &Station::beepRequested, this, []() { QApplication::beep(); });
    connect(&m_station, &Station::dateFormatsChanged, this, &TMainFrm::applyDateFormats);
    connect(&m_station.link(), &pipeline::ReceiverLink::transmitted, m_statBar->txLight(),
            &ActivityLight::flash);
    connect(&m_station.link(), &pipeline::ReceiverLink::received, m_statBar->rxLight(),
            &ActivityLight::flash);
    connect(m_session, &OperatorSession::loggedOnChanged, m_pending, [this](bool on) {
        m_pending->setLoggedOn(on);
        m_pending->UpdateQueueControls();
    });
    connect(m_session, &OperatorSession::exitRequested, this, &QWidget::close);
    connect(m_session, &OperatorSession::statusChanged, this, &TMainFrm::fitMinimumSize);
}

void TMainFrm::connectMenu()
{
    const std::array<std::pair<QAction *, void (TMainFrm::*)()>, 5> handlers{{
        {m_session->AccEdit, &TMainFrm::AccEditClick},
        {m_session->Setup1, &TMainFrm::Setup1Click},
        {m_session->mnuViewCommsData, &TMainFrm::mnuViewCommsDataClick},
        {m_session->mnuViewEmail, &TMainFrm::mnuViewEmailClick},
        {m_session->About1, &TMainFrm::About1Click},
    }};
    for (const auto &[action, handler] : handlers)
        connect(action, &QAction::triggered, this,
                [this, h = handler]() { guarded([this, h]() { (this->*h)(); }); });
}

void TMainFrm::followStep(int step)
{
    // A failure here is the window's own: it is shown, and the station's
    // start-up goes on.
    guarded([this, step]() {
        switch (static_cast<Station::Step>(step)) {
        case Station::Step::LanguageMenu:
            BuildLanguageMenu();
            RegisterLanguageSwitched();
            break;
        case Station::Step::StoreOpened:
            m_pending->attachDataHooks();
            m_statBar->placeLights();
            break;
        case Station::Step::SettingsRead:
            // Nobody is logged on yet.
            m_session->RefreshOperatorMenu();
            m_pending->UpdateQueueControls();
            break;
        case Station::Step::PortOpened:
            m_statBar->setLightsActive(true);
            break;
        default:
            break;
        }
    });
}

void TMainFrm::catchUp()
{
    BuildLanguageMenu();
    RegisterLanguageSwitched();
    m_pending->attachDataHooks();
    m_statBar->placeLights();
    for (int panel : {0, 3}) {
        if (!m_station.statusText(panel).isEmpty())
            m_statBar->setPanelText(panel, m_station.statusText(panel));
    }
    m_pending->showCounts();
    m_session->RefreshOperatorMenu();
    m_pending->UpdateQueueControls();
    m_pending->UpdateAccountLeds();
    m_statBar->setLightsActive(!m_station.stopped());
    applyDateFormats();
}

void TMainFrm::retranslateUi()
{
    setWindowTitle(loc::text("Quorvel Alarm Monitor") + QStringLiteral(" - V") +
                   QLatin1String(Station::kVersion));
    m_session->retranslateUi();
    m_pending->retranslateUi();
    // The link's status panels: what they say now, in the new language.
    if (m_station.started() && !m_station.stopped())
        m_station.renderStatusTexts();
    fitMinimumSize();
}

void TMainFrm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        guarded([this]() { retranslateUi(); });
    QMainWindow::changeEvent(event);
}

void TMainFrm::BuildLanguageMenu()
{
    if (loc::TLocalizer *l = loc::TLocalizer::instance())
        loc::ui::BuildLanguageMenu(*l, m_session->mnuSetupLanguage, 1, true);
}

void TMainFrm::RegisterLanguageSwitched()
{
    // Hungarian stations write dates year first; the language's own name
    // tells which set a switch asks for.
    if (loc::TLocalizer *l = loc::TLocalizer::instance())
        connect(l, &loc::TLocalizer::languageSwitched, this, [this](const loc::TLFInfo &entry) {
            m_station.applyDateFormats(station::DateFormats::forNativeName(entry.localizedName));
        });
}

void TMainFrm::applyDateFormats()
{
    const station::DateFormats &formats = m_station.dateFormats();
    m_pending->setDateFormat(formats.eventFormat);
    reports::setReportFormats({formats.shortDate, formats.eventFormat});
}

QString TMainFrm::statusText(int panel) const
{
    return m_statBar->panelText(panel);
}

void TMainFrm::customEvent(QEvent *event)
{
    if (event->type() == core::LogOnRequestEventType)
        guarded([this]() { SXLogInMessage(); });
    else
        QMainWindow::customEvent(event);
}

void TMainFrm::FormActivate()
{
    if (!m_session->LoggedOn() && !m_session->logOnDialogExists())
        QCoreApplication::postEvent(this, new core::RowEvent(core::LogOnRequestEventType, 0));
}

void TMainFrm::SXLogInMessage()
{
    // The request may have gone stale while it waited.
    if (!m_session->LoggedOn() && !m_session->logOnDialogExists())
        m_session->mnuLogOnClick(m_session->mnuLogOn);
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
    m_otherWindowInLogOnFlow = m_session->logOnDialogExists();
}

void TMainFrm::closeEvent(QCloseEvent *event)
{
    if (!m_closeAllowed)
        m_closeAllowed = m_session->FormCloseQuery();
    if (!m_closeAllowed) {
        event->ignore();
        return;
    }
    // FormClose: the listening port closes; the receiver program is left running.
    guarded([this]() { m_station.link().close(); });
    event->accept();
}

void TMainFrm::fitMinimumSize()
{
    if (auto *access = m_statBar->findChild<QLabel *>(QStringLiteral("StatBarPanel5"))) {
        const QString text = OperatorSession::widestAccessText();
        access->setMinimumWidth(access->fontMetrics().horizontalAdvance(text) +
                                2 * access->frameWidth() + access->indent() + 8);
    }
    // The smallest window still shows the status panels and the four count
    // labels whole, with counts of three digits.
    // The status bar's own layout is made only when it shows: its panels are added up here.
    int panels = 24; // the size grip and the bar's margins
    for (int i = 0; i < StatBar::kPanels; ++i) {
        if (auto *panel = m_statBar->findChild<QWidget *>(QStringLiteral("StatBarPanel%1").arg(i)))
            panels += panel->minimumWidth() + 6;
    }
    const int width = std::max(panels, m_pending->minimumContentWidth());
    setMinimumWidth(width);
    setMinimumHeight(std::min(600, minimumSizeHint().height()));
}

void TMainFrm::AccEditClick()
{
    guarded([this]() {
        m_station.dm().tbAccounts->refresh();
        accounts::TAccViewFrm manager(m_station.dm(), this);
        manager.exec();
    });
    // Edited account details show at once, also after a failure.
    m_pending->accountsEdited();
}

void TMainFrm::Setup1Click()
{
    guarded([this]() {
        pipeline::ReceiverLink &link = m_station.link();
        mail::ui::TComSetupFrm dialog(
            m_station.commSettings(), link.LogReceiverMessages(),
            [&link](bool on) { link.setLogReceiverMessages(on); }, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        const mail::CommSettings chosen = dialog.settings();
        station::Settings &settings = m_station.settings();
        settings.EmailHost = chosen.EmailHost;
        settings.EmailUserName = chosen.EmailUserName;
        settings.EmailPassword = chosen.EmailPassword;
        settings.EmailSender = chosen.EmailSender;
        // Only a port that opened is kept, and saved at exit; otherwise the
        // receiver's current port stays open, its error shown.
        if (link.open(chosen.Port))
            settings.Port = chosen.Port;
    });
}

void TMainFrm::mnuViewCommsDataClick()
{
    guarded([this]() {
        mail::ui::TCommsFrm::showViewer(m_station.dm(), m_station.dateFormats().stampFormat, this);
    });
}

void TMainFrm::mnuViewEmailClick()
{
    guarded([this]() {
        mail::ui::TfrmEmailData dialog(m_station.dm(), m_station.dateFormats().stampFormat,
                                       &m_station.mailDelivery(), this);
        dialog.exec();
    });
}

void TMainFrm::About1Click()
{
    TAboutBox box(this);
    box.exec();
}

} // namespace console
