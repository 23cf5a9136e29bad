#include "station/station.h"

#include "station/coalescedhooks.h"

#include "core/clock.h"
#include "core/events.h"
#include "core/guarded.h"
#include "localization/localizer.h"
#include "localization/texts.h"
#include "mail/commsettings.h"
#include "mail/maildelivery.h"
#include "pipeline/eventcatalogue.h"
#include "pipeline/eventprocessor.h"
#include "station/receiverstart.h"
#include "store/tdmod.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QTimer>

namespace station {

Station::Station(const StationOptions &options, QObject *parent)
    : QObject(parent), m_options(options),
      m_programFolder(options.programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                                      : options.programFolder),
      m_settingsPath(options.settingsPath.isEmpty() ? Settings::defaultPath()
                                                    : options.settingsPath),
      m_dateFormats(DateFormats::forLanguageId(9))
{
    setObjectName(QStringLiteral("Station"));
    m_dm = std::make_unique<store::TDMod>(m_programFolder);
    m_link = std::make_unique<pipeline::ReceiverLink>(*m_dm, *this);
    m_processor = std::make_unique<pipeline::EventProcessor>(*m_dm);
    m_mail = std::make_unique<mail::MailDelivery>(*m_dm);
    m_statusTexts[3] = loc::text("Receiver: Offline");

    MinuteTimer = new QTimer(this);
    MinuteTimer->setObjectName(QStringLiteral("MinuteTimer"));
    MinuteTimer->setInterval(kFlushIntervalMs);
    connect(MinuteTimer, &QTimer::timeout, this,
            [this]() { core::guarded([this]() { MinuteTimerTimer(); }); });
    MinuteTimer->start();

    // The data module hands its work to the station, through a coalescer: a
    // flood of events refreshes the console at screen speed, not once per event.
    m_refresh = new CoalescedHooks(*this, this);
    m_dm->setConsoleHooks(m_refresh);
    m_dm->setNotifyTarget(this);
}

Station::~Station()
{
    stop();
    // The link, the processor and the mail delivery use the data module:
    // they go first.
    m_mail.reset();
    m_processor.reset();
    m_link.reset();
    m_dm.reset();
}

void Station::start()
{
    if (m_started)
        return;
    m_started = true;
    // A failure skips the rest of the start-up; the station runs all the same.
    core::guarded([this]() { startUp(); });
}

void Station::startUp()
{
    m_dm->PrepareAlias();
    step(Step::StoreSetUp);
    m_dm->DataModuleCreate();
    step(Step::DataModuleCreated);
    step(Step::LanguageMenu);
    // AppClosing starts cleared with the data module and is never cleared
    // again. The watchdog is armed at 99 seconds and the one-second tick runs.
    m_link->start();
    step(Step::LinkStarted);
    // A new account's event handling starts from the catalogue's defaults.
    m_dm->setDefaultActionsSource(pipeline::CatalogueDefaultActions);
    m_dm->OpenStore(); // reports its own failure; the start-up goes on
    step(Step::StoreOpened);
    RecountPending();
    RefreshStatusAndCounts();
    step(Step::Counted);
    m_link->setLogReceiverMessages(false);
    m_settings.Read_Registry(m_settingsPath);
    m_settingsRead = true;
    step(Step::SettingsRead);
    // Events stored but not processed when the program last stopped are
    // handled before the receiver can hand over new ones.
    if (m_dm->tbComms->isOpen())
        core::guarded([this]() { m_processor->ProcessBacklog(); });
    step(Step::BacklogProcessed);
    m_link->open(m_settings.Port);
    step(Step::PortOpened);
    ReceiverStart(m_options.procRoot).run(m_programFolder);
    step(Step::ReceiverStarted);
    // The display stays awake through the desktop's own settings.
    applyDateFormats(DateFormats::forLanguageId(currentLanguageId()));
    step(Step::DateFormatsApplied);
    step(Step::Running);
}

void Station::stop()
{
    if (m_stopped)
        return;
    m_stopped = true;
    // The receiver program is left running.
    if (m_link)
        core::guarded([this]() { m_link->close(); });
    step(Step::PortClosed);
    // A start-up that never read the settings must not overwrite them with defaults.
    if (m_settingsRead)
        m_settings.Write_Registry(m_settingsPath);
    step(Step::SettingsWritten);
    MinuteTimer->stop();
    m_dm->setConsoleHooks(nullptr);
    if (m_dm->notifyTarget() == this)
        m_dm->setNotifyTarget(nullptr);
    step(Step::Stopped);
}

int Station::currentLanguageId() const
{
    const loc::TLocalizer *l = loc::TLocalizer::instance();
    return l ? l->currentLanguage() : 9;
}

mail::CommSettings Station::commSettings() const
{
    return {m_settings.Port, m_settings.EmailHost, m_settings.EmailUserName,
            m_settings.EmailPassword, m_settings.EmailSender};
}

void Station::applyDateFormats(const DateFormats &formats)
{
    m_dateFormats = formats;
    core::setShortDateFormat(formats.shortDate);
    emit dateFormatsChanged();
}

QString Station::statusText(int panel) const
{
    if (panel < 0 || panel >= kStatusPanels)
        return {};
    return m_statusTexts[static_cast<size_t>(panel)];
}

void Station::renderStatusTexts()
{
    setStatusText(0, m_link->ReceiverConnected() ? loc::text("Status: Receiving Data...")
                                                 : loc::text("Status: Monitoring..."));
    setStatusText(3, m_receiverOnline ? loc::text("Receiver: Online")
                                      : loc::text("Receiver: Offline"));
}

void Station::setStatusText(int panel, const QString &text)
{
    if (panel < 0 || panel >= kStatusPanels)
        return;
    // The link names the receiver's state only through this text; kept as
    // state so that another language can show it again.
    if (panel == 3)
        m_receiverOnline = text == loc::text("Receiver: Online");
    m_statusTexts[static_cast<size_t>(panel)] = text;
    emit statusTextChanged(panel, text);
}

void Station::beep()
{
    ++m_beeps;
    emit beepRequested();
}

void Station::RecountPending()
{
    auto &counts = m_dm->PriorityCounts;
    counts.fill(0);
    store::Table &pending = *m_dm->tbPending;
    if (!pending.isOpen() || pending.isEmpty())
        return;
    if (!pending.master() && (!pending.filtered() || pending.filter().isEmpty())) {
        // The cursor shows the whole table: one pass in the store instead of
        // one read per row keeps the start-up with a long queue short.
        QSqlQuery q = m_dm->database().exec(
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

void Station::requestQueueRefresh()
{
    m_refresh->UpdateQueueControls();
}

void Station::flushConsole()
{
    m_refresh->flush();
}

void Station::RefreshStatusAndCounts()
{
    setStatusText(0, m_link && m_link->ReceiverConnected() ? loc::text("Status: Receiving Data...")
                                                           : loc::text("Status: Monitoring..."));
    emit countsChanged();
}

void Station::UpdateQueueControls()
{
    emit queueChanged();
}

void Station::RestoreFromMinimised()
{
    emit alarmArrived();
}

void Station::MinuteTimerTimer()
{
    m_dm->FlushAll();
}

void Station::OnWM_NewCommsData(int commsId)
{
    m_processor->OnWM_NewCommsData(commsId);
}

void Station::OnWM_NewEmailMsg(int outboxId)
{
    m_mail->OnWM_NewEmailMsg(outboxId, commSettings());
}

void Station::customEvent(QEvent *event)
{
    if (event->type() == core::NewCommsEventType) {
        const int id = static_cast<core::RowEvent *>(event)->id();
        core::guarded([this, id]() { OnWM_NewCommsData(id); });
    } else if (event->type() == core::NewMailEventType) {
        const int id = static_cast<core::RowEvent *>(event)->id();
        core::guarded([this, id]() { OnWM_NewEmailMsg(id); });
    } else {
        QObject::customEvent(event);
    }
}

} // namespace station
