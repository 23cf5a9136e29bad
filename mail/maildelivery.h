#pragma once

#include "mail/commsettings.h"
#include "mail/smtpclient.h"

#include <QObject>
#include <QThread>

#include <list>
#include <memory>

namespace store {
class TDMod;
}

namespace mail {

// Delivers queued Outbox rows to the key holders and records the outcome in
// the row: 1 sent, 2 failed. The transfers run one at a time on a worker
// thread, so the console keeps receiving and processing events meanwhile;
// each outcome comes back to the user-interface thread as a posted event.
// A failure shows the connection-error box unless one is already open.
class MailDelivery : public QObject
{
    Q_OBJECT
public:
    explicit MailDelivery(store::TDMod &dm, const SmtpClientOptions &options = {},
                          QObject *parent = nullptr);
    // Stops a transfer in progress; rows still waiting stay pending.
    ~MailDelivery() override;

    // The new-mail event for one Outbox row, with the settings as they stand
    // now. Incomplete settings are shown and leave the row pending. A
    // failure to read the row propagates to the caller's error box.
    void OnWM_NewEmailMsg(int outboxId, const CommSettings &settings);

    // Above 0 while the connection-error box is open.
    int ConnectErrorGuard() const { return m_connectErrorGuard; }
    // A delivery is in progress or waiting for its turn.
    bool busy() const { return m_inFlight || !m_waiting.empty(); }

signals:
    // The row's status was written (1 sent, 2 failed). error says why a
    // delivery failed.
    void statusRecorded(int outboxId, int status, const QString &error);

private:
    struct Delivery
    {
        int outboxId = 0;
        bool ready = false; // read and composed
        QString problem;    // composing failed: not sent at all
        SmtpJob job;
    };

    // Reads the row and makes the e-mail of a place taken in the line.
    void compose(std::list<Delivery>::iterator self, const CommSettings &settings);
    void startNext();
    void finished(int outboxId, int port, const SmtpResult &result);
    void recordStatus(int outboxId, int status);

    store::TDMod &m_dm;
    std::unique_ptr<SmtpClient> m_client;
    QThread m_thread;
    std::unique_ptr<QObject> m_worker; // lives on m_thread
    std::list<Delivery> m_waiting;     // in the order the events came
    bool m_inFlight = false;
    int m_connectErrorGuard = 0;
    bool m_settingsBoxOpen = false; // the incomplete-settings box is open
};

} // namespace mail
