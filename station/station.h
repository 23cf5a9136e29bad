#pragma once

#include "core/consolehooks.h"
#include "pipeline/receiverlink.h"
#include "station/dateformats.h"
#include "station/settings.h"

#include <QObject>
#include <QString>

#include <array>
#include <memory>

class QTimer;

namespace store {
class TDMod;
}
namespace pipeline {
class EventProcessor;
}
namespace mail {
class MailDelivery;
struct CommSettings;
} // namespace mail

namespace station {

// Where the station finds its surroundings. The program passes nothing;
// tests give their own folders.
struct StationOptions
{
    // The program's folder (data beside it, the receiver looked for from it);
    // empty: the executable's folder.
    QString programFolder;
    // The settings file; empty: $XDG_CONFIG_HOME/Quorvel.ini.
    QString settingsPath;
    // The process table, to tell whether the receiver runs.
    QString procRoot = QStringLiteral("/proc");
};

// The monitoring station without its windows: the data module, the receiver
// link, the event processor, the mail delivery, the settings and the timers.
// start() is the station's start-up and stop() its shut-down, each in its
// one order; a window shows the station and follows its signals, and a
// station runs just as well with none (a standby or receiving node).
class CoalescedHooks;

class Station : public QObject, public core::ConsoleHooks, public pipeline::LinkConsole
{
    Q_OBJECT
public:
    static constexpr const char *kVersion = "2.16";
    static constexpr int kFlushIntervalMs = 60000;
    static constexpr int kStatusPanels = 6;

    // The points of the start-up and the shut-down, in their order. A window
    // takes its part at some of them (the language menu, the pending view's
    // hooks, the operator menu, the activity lights).
    enum class Step
    {
        StoreSetUp,         // the data folder prepared
        DataModuleCreated,  // supervision timer running
        LanguageMenu,       // the localizer's language menu and switch notification
        LinkStarted,        // watchdog armed, one-second tick running
        StoreOpened,        // tables and statements open (a failure was reported)
        Counted,            // pending rows counted, status and counts shown
        SettingsRead,       // logged off, the six settings in memory
        BacklogProcessed,   // events stored but not processed at the last stop
        PortOpened,         // the receiver can hand over frames
        ReceiverStarted,    // the receiver program started when it was not running
        DateFormatsApplied, // dates shown in the current language's formats
        Running,
        PortClosed,      // shut-down: no frame is taken any more
        SettingsWritten, // the six settings written, each once
        Stopped,         // link and hooks released; the data module goes next
    };
    Q_ENUM(Step)

    explicit Station(const StationOptions &options = {}, QObject *parent = nullptr);
    // Stops the station (when still running), then destroys the data module.
    ~Station() override;

    // The start-up, from the store set-up to the date formats. A failure
    // ends it, shown; the station runs with what started.
    void start();
    // The shut-down after the exit protection: port closed, settings written
    // once (only when they were read), hooks and link released. Runs once.
    void stop();
    bool started() const { return m_started; }
    bool stopped() const { return m_stopped; }

    store::TDMod &dm() const { return *m_dm; }
    pipeline::ReceiverLink &link() const { return *m_link; }
    pipeline::EventProcessor &processor() const { return *m_processor; }
    mail::MailDelivery &mailDelivery() const { return *m_mail; }
    QTimer *MinuteTimer = nullptr;

    // The settings in memory; the communication setup changes the five
    // "Communication" values here. Written at orderly shut-down.
    Settings &settings() { return m_settings; }
    const Settings &settings() const { return m_settings; }
    // The five "Communication" settings as the mail delivery takes them.
    mail::CommSettings commSettings() const;
    QString settingsPath() const { return m_settingsPath; }
    QString programFolder() const { return m_programFolder; }
    const DateFormats &dateFormats() const { return m_dateFormats; }
    // The display formats of another language (its switch notification).
    void applyDateFormats(const DateFormats &formats);

    // The last text of a status panel the station reports (0 link status,
    // 3 receiver status).
    QString statusText(int panel) const;
    // Both station panels rendered again in the current language.
    void renderStatusTexts();
    int beeps() const { return m_beeps; }

    // Counts the pending rows per priority into dm().PriorityCounts.
    void RecountPending();
    void MinuteTimerTimer();
    // A new Comms row was stored: the event processor takes it.
    void OnWM_NewCommsData(int commsId);
    // A new Outbox row was stored: the mail delivery takes it.
    void OnWM_NewEmailMsg(int outboxId);

    // The console follows at screen speed: the data module's refresh hooks
    // are gathered and run once the event loop gets its turn.
    void requestQueueRefresh();
    // Runs the gathered refreshes now (tests, and a window that must be
    // right before it is looked at).
    void flushConsole();

    // --- The data module's and the receiver link's console hooks ----------
    void RefreshStatusAndCounts() override;
    void UpdateQueueControls() override;
    void RestoreFromMinimised() override;
    void setStatusText(int panel, const QString &text) override;
    void beep() override;

signals:
    void stepDone(station::Station::Step step);
    // Status panel 0 changed and the priority counts may have.
    void countsChanged();
    // The pending queue or the current account changed: operator buttons
    // and account pages follow.
    void queueChanged();
    // A new alarm waits: a minimised window comes back.
    void alarmArrived();
    void statusTextChanged(int panel, const QString &text);
    // The receiver went offline: the default beep.
    void beepRequested();
    void dateFormatsChanged();

protected:
    void customEvent(QEvent *event) override;

private:
    void startUp();
    void step(Step s) { emit stepDone(s); }
    // The localizer's language (English without one).
    int currentLanguageId() const;

    StationOptions m_options;
    QString m_programFolder;
    QString m_settingsPath;
    std::unique_ptr<store::TDMod> m_dm;
    std::unique_ptr<pipeline::ReceiverLink> m_link;
    std::unique_ptr<pipeline::EventProcessor> m_processor;
    std::unique_ptr<mail::MailDelivery> m_mail;
    Settings m_settings;
    bool m_settingsRead = false;
    bool m_started = false;
    bool m_stopped = false;
    DateFormats m_dateFormats;
    std::array<QString, kStatusPanels> m_statusTexts;
    bool m_receiverOnline = false;
    int m_beeps = 0;
    CoalescedHooks *m_refresh = nullptr;
};

} // namespace station
