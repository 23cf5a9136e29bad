#pragma once

#include "mail/mailmessage.h"
#include "mail/presets.h"

#include <QSet>
#include <QString>

#include <atomic>
#include <mutex>

namespace mail {

// Test hooks of the SMTP client. The program uses the defaults: the system's
// CA store and the host and port of the message's transport.
struct SmtpClientOptions
{
    QString caFile;      // an extra CA bundle to trust (a test CA)
    QString connectHost; // when set, every connection goes to this
    int connectPort = 0; // address and port instead
    int connectTimeoutMs = 30000;
    int transferTimeoutMs = 180000;
};

// One message for one server.
struct SmtpJob
{
    QString host;
    Transport transport;
    QString userName;
    QString password;
    MailMessage message;
    QByteArray mime; // the message in wire form (toMime)
};

struct SmtpResult
{
    bool ok = false;
    QString error;
    // Another machine's server offered no STARTTLS: nothing was sent, the
    // password least of all.
    bool noEncryption = false;
};

// A host that names this machine: "localhost" or a loopback address.
bool isThisMachine(const QString &host);

// SMTP over libcurl: connects, negotiates TLS (1.2 or newer, certificate and
// host name checked; STARTTLS whenever a server offers it, and required of
// any server but one on this machine), authenticates with whatever the server offers that
// libcurl knows, sends one message and disconnects. send() blocks, so it runs
// on a worker thread; abort() may be called from any thread.
class SmtpClient
{
public:
    explicit SmtpClient(const SmtpClientOptions &options = {});
    ~SmtpClient();
    SmtpClient(const SmtpClient &) = delete;
    SmtpClient &operator=(const SmtpClient &) = delete;

    SmtpResult send(const SmtpJob &job);
    // Ends a transfer in progress and refuses any later one.
    void abort();

    // libcurl's socket callbacks: the sockets that abort() shuts down.
    void socketOpened(int fd);
    void socketClosing(int fd);

private:
    SmtpClientOptions m_options;
    void *m_multi = nullptr; // CURLM*
    std::atomic<bool> m_aborted{false};
    std::mutex m_socketsMutex;
    QSet<int> m_sockets;
};

} // namespace mail
