#include "mail/maildelivery.h"

#include "localization/texts.h"
#include "core/clock.h"
#include "store/errors.h"
#include "core/guarded.h"
#include "core/messages.h"
#include "store/tdmod.h"

#include <QMetaObject>
#include <QScopeGuard>

namespace mail {

namespace {

QString withText(QString format, const QString &marker, const QString &value)
{
    const qsizetype at = format.indexOf(marker);
    if (at >= 0)
        format.replace(at, marker.size(), value);
    return format;
}

} // namespace

MailDelivery::MailDelivery(store::TDMod &dm, const SmtpClientOptions &options, QObject *parent)
    : QObject(parent), m_dm(dm), m_client(std::make_unique<SmtpClient>(options)),
      m_worker(std::make_unique<QObject>())
{
    m_thread.setObjectName(QStringLiteral("SmtpClient"));
    m_worker->moveToThread(&m_thread);
    m_thread.start();
}

MailDelivery::~MailDelivery()
{
    m_client->abort();
    m_thread.quit();
    m_thread.wait();
    m_worker.reset();
}

void MailDelivery::OnWM_NewEmailMsg(int outboxId, const CommSettings &settings)
{
    QString missing;
    if (settings.EmailHost.isEmpty())
        missing += loc::text("No Email SMTP Server Host defined.\r\n");
    if (settings.EmailUserName.isEmpty())
        missing += loc::text("No Account Name defined.\r\n");
    if (settings.EmailPassword.isEmpty())
        missing += loc::text("No Account Password defined.\r\n");
    if (settings.EmailSender.isEmpty())
        missing += loc::text("No Senders email Address defined.");
    if (!missing.isEmpty()) {
        // One box at a time: e-mails queued while it is open leave their rows
        // pending without another box on top of it.
        if (m_settingsBoxOpen)
            return;
        m_settingsBoxOpen = true;
        const auto closed = qScopeGuard([this] { m_settingsBoxOpen = false; });
        core::messages().error(withText(
            loc::text("Emails cannot be sent as the following is not configured:\r\n\r\n%s"),
            QStringLiteral("%s"), missing));
        return;
    }

    // Our place in the line is taken now, so e-mails go out in the order
    // their rows were stored. The row is read once the events already
    // waiting have had their turn: as a posted continuation rather than a
    // nested loop, so that a modal box one of them opens (the log-on dialog,
    // a connection-error box) cannot hold this e-mail, and every one queued
    // behind it, until the operator answers the box.
    Delivery placeholder;
    placeholder.outboxId = outboxId;
    const auto self = m_waiting.insert(m_waiting.end(), std::move(placeholder));
    QMetaObject::invokeMethod(
        this,
        [this, self, settings]() { core::guarded([&]() { compose(self, settings); }); },
        Qt::QueuedConnection);
}

void MailDelivery::compose(std::list<Delivery>::iterator self, const CommSettings &settings)
{
    const int outboxId = self->outboxId;
    bool kept = false;
    struct Release
    {
        MailDelivery *d;
        std::list<Delivery>::iterator it;
        const bool &kept;
        ~Release()
        {
            if (!kept)
                d->m_waiting.erase(it);
            d->startNext();
        }
    } release{this, self, kept};

    store::Query &qry = *m_dm.qryOutbox;
    qry.close();
    qry.prepare();
    qry.setParam(QStringLiteral("RecID"), outboxId);
    qry.open();
    if (qry.isEmpty()) {
        // Nothing to send: the update with status 0 changes no row.
        qry.close();
        recordStatus(outboxId, 0);
        return;
    }
    Delivery &d = *self;
    d.job.message = composeOutboxMessage(settings.EmailSender,
                                         qry.field(QStringLiteral("Recipients")).asString(),
                                         qry.field(QStringLiteral("Subject")).asString(),
                                         qry.field(QStringLiteral("SiteDetails")).asString(),
                                         qry.field(QStringLiteral("Message")).asString());
    qry.close();
    d.job.transport = transportFor(settings.EmailHost);
    d.job.host = settings.EmailHost;
    d.job.userName = settings.EmailUserName;
    d.job.password = settings.EmailPassword;
    d.problem = messageProblem(d.job.message);
    if (d.problem.isEmpty())
        d.job.mime = toMime(d.job.message, core::now(), newMessageId(settings.EmailSender));
    d.ready = true;
    kept = true;
}

void MailDelivery::startNext()
{
    if (m_inFlight || m_waiting.empty() || !m_waiting.front().ready)
        return;
    Delivery d = std::move(m_waiting.front());
    m_waiting.pop_front();
    m_inFlight = true;
    const int id = d.outboxId;
    const int port = d.job.transport.port;
    if (!d.problem.isEmpty()) {
        // Composing failed: the outcome takes the same road as a transfer's.
        const SmtpResult failed{false, d.problem};
        QMetaObject::invokeMethod(
            this, [this, id, port, failed]() { finished(id, port, failed); }, Qt::QueuedConnection);
        return;
    }
    SmtpClient *client = m_client.get();
    QMetaObject::invokeMethod(
        m_worker.get(),
        [this, client, id, port, job = std::move(d.job)]() {
            const SmtpResult result = client->send(job);
            QMetaObject::invokeMethod(
                this, [this, id, port, result]() { finished(id, port, result); },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void MailDelivery::finished(int outboxId, int port, const SmtpResult &result)
{
    m_inFlight = false;
    const int status = result.ok ? 1 : 2;
    // Runs as a posted event: nothing may leave it as an exception.
    try {
        recordStatus(outboxId, status);
    } catch (const std::exception &e) {
        const auto *se = dynamic_cast<const store::EStoreError *>(&e);
        core::messages().error(se ? se->message() : QString::fromLocal8Bit(e.what()));
    }
    emit statusRecorded(outboxId, status, result.error);
    // The next e-mail goes out while the box below waits for the operator.
    startNext();
    if (!result.ok && m_connectErrorGuard == 0) {
        ++m_connectErrorGuard;
        core::messages().error(
            result.noEncryption
                ? result.error
                : withText(loc::text("Enable to connect to SMTP Server - Please check that your "
                                     "anti-virus software will allow outbound traffic on port %d"),
                           QStringLiteral("%d"), QString::number(port)));
        m_connectErrorGuard = std::max(0, m_connectErrorGuard - 1);
    }
}

void MailDelivery::recordStatus(int outboxId, int status)
{
    store::Query &upd = *m_dm.updOutbox;
    upd.close();
    upd.setLine(1, QStringLiteral("SET Status = %1").arg(status));
    upd.setParam(QStringLiteral("AID"), outboxId);
    upd.execSql();
    m_dm.qryOutbox->close();
}

} // namespace mail
