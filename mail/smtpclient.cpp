#include "mail/smtpclient.h"

#include "localization/texts.h"

#include <QRegularExpression>
#include <QSysInfo>
#include <QUrl>

#include <curl/curl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>
#include <mutex>

namespace mail {

namespace {

void globalInit()
{
    static std::once_flag once;
    std::call_once(once, []() { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Upload
{
    QByteArray data;
    qsizetype pos = 0;
};

size_t readUpload(char *buffer, size_t size, size_t count, void *user)
{
    auto *u = static_cast<Upload *>(user);
    const qsizetype room = static_cast<qsizetype>(size * count);
    const qsizetype n = std::min(room, u->data.size() - u->pos);
    memcpy(buffer, u->data.constData() + u->pos, static_cast<size_t>(n));
    u->pos += n;
    return static_cast<size_t>(n);
}

struct SlistDeleter
{
    void operator()(curl_slist *l) const { curl_slist_free_all(l); }
};
using Slist = std::unique_ptr<curl_slist, SlistDeleter>;

struct EasyDeleter
{
    void operator()(CURL *h) const { curl_easy_cleanup(h); }
};

void append(Slist &list, const QByteArray &item)
{
    curl_slist *l = curl_slist_append(list.get(), item.constData());
    if (l) {
        (void)list.release();
        list.reset(l);
    }
}

// Called by libcurl while it works, also while it waits for the server's
// answer to the end of the message; a non-zero answer ends the transfer.
int progress(void *user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<const std::atomic<bool> *>(user)->load() ? 1 : 0;
}

curl_socket_t openSocket(void *user, curlsocktype, curl_sockaddr *address)
{
    auto *client = static_cast<SmtpClient *>(user);
    const curl_socket_t fd = ::socket(address->family, address->socktype, address->protocol);
    if (fd != CURL_SOCKET_BAD)
        client->socketOpened(fd);
    return fd;
}

int closeSocket(void *user, curl_socket_t fd)
{
    static_cast<SmtpClient *>(user)->socketClosing(fd);
    return ::close(fd);
}

// The name we greet the server with: this machine's, when it is a plain host name.
QByteArray greetingName()
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9.-]+$"));
    const QString name = QSysInfo::machineHostName();
    return plain.match(name).hasMatch() ? name.toLatin1() : QByteArray("localhost");
}

} // namespace

bool isThisMachine(const QString &host)
{
    // Written out, not looked up: a name is only this machine when it says so.
    static const QRegularExpression loopback(
        QStringLiteral("^(localhost|127(\\.(25[0-5]|2[0-4][0-9]|1?[0-9]?[0-9])){3}|"
                       "\\[?::1\\]?|\\[?(0{1,4}:){7}0{0,3}1\\]?)$"),
        QRegularExpression::CaseInsensitiveOption);
    return loopback.match(host).hasMatch();
}

SmtpClient::SmtpClient(const SmtpClientOptions &options) : m_options(options)
{
    globalInit();
    m_multi = curl_multi_init();
}

SmtpClient::~SmtpClient()
{
    if (m_multi)
        curl_multi_cleanup(static_cast<CURLM *>(m_multi));
}

void SmtpClient::abort()
{
    m_aborted = true;
    if (m_multi)
        curl_multi_wakeup(static_cast<CURLM *>(m_multi));
    // Whatever libcurl waits for on the connection (a reply, the farewell
    // to the server) ends now.
    const std::lock_guard lock(m_socketsMutex);
    for (int fd : m_sockets)
        ::shutdown(fd, SHUT_RDWR);
}

void SmtpClient::socketOpened(int fd)
{
    const std::lock_guard lock(m_socketsMutex);
    m_sockets.insert(fd);
    if (m_aborted)
        ::shutdown(fd, SHUT_RDWR);
}

void SmtpClient::socketClosing(int fd)
{
    const std::lock_guard lock(m_socketsMutex);
    m_sockets.remove(fd);
}

SmtpResult SmtpClient::send(const SmtpJob &job)
{
    SmtpResult result;
    if (m_aborted) {
        result.error = loc::text("The transfer was stopped");
        return result;
    }
    auto *multi = static_cast<CURLM *>(m_multi);
    std::unique_ptr<CURL, EasyDeleter> easyHolder(curl_easy_init());
    CURL *easy = easyHolder.get();
    if (!multi || !easy) {
        result.error = loc::text("The mail client could not be set up");
        return result;
    }

    // The host is the operator's text: only a real host name or address
    // makes a URL, nothing that adds a path, a user or another port.
    QUrl url;
    url.setScheme(job.transport.tls == TlsMode::Implicit ? QStringLiteral("smtps")
                                                         : QStringLiteral("smtp"));
    url.setHost(job.host, QUrl::StrictMode);
    url.setPort(job.transport.port);
    url.setPath(QLatin1Char('/') + QString::fromLatin1(greetingName()));
    if (job.host.isEmpty() || !url.isValid() || url.host().isEmpty()) {
        result.error = loc::text("'%1' is not a valid mail server name").arg(job.host);
        return result;
    }
    const QByteArray urlText = url.toString(QUrl::FullyEncoded).toLatin1();
    const QByteArray user = job.userName.toUtf8();
    const QByteArray password = job.password.toUtf8();
    const QByteArray from = '<' + addressOf(job.message.sender).toLatin1() + '>';
    const QByteArray caFile = m_options.caFile.toLocal8Bit();

    Slist recipients;
    for (const QString &r : job.message.recipients)
        append(recipients, '<' + addressOf(r).toLatin1() + '>');
    Slist connectTo;
    if (!m_options.connectHost.isEmpty()) {
        // Any host and port: tests keep every connection on their own address.
        append(connectTo, "::" + m_options.connectHost.toLatin1() + ':' +
                              QByteArray::number(m_options.connectPort));
    }

    Upload upload{job.mime, 0};
    char errorText[CURL_ERROR_SIZE] = {};

    curl_easy_setopt(easy, CURLOPT_URL, urlText.constData());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    // One connection per e-mail, closed when it is done.
    curl_easy_setopt(easy, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(m_options.connectTimeoutMs));
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(m_options.transferTimeoutMs));
    if (!user.isEmpty()) {
        curl_easy_setopt(easy, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(easy, CURLOPT_PASSWORD, password.constData());
    }
    curl_easy_setopt(easy, CURLOPT_MAIL_FROM, from.constData());
    curl_easy_setopt(easy, CURLOPT_MAIL_RCPT, recipients.get());
    curl_easy_setopt(easy, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(easy, CURLOPT_READFUNCTION, readUpload);
    curl_easy_setopt(easy, CURLOPT_READDATA, &upload);
    curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, progress);
    curl_easy_setopt(easy, CURLOPT_XFERINFODATA, &m_aborted);
    curl_easy_setopt(easy, CURLOPT_OPENSOCKETFUNCTION, openSocket);
    curl_easy_setopt(easy, CURLOPT_OPENSOCKETDATA, this);
    curl_easy_setopt(easy, CURLOPT_CLOSESOCKETFUNCTION, closeSocket);
    curl_easy_setopt(easy, CURLOPT_CLOSESOCKETDATA, this);

    // The account password never crosses the network in clear: STARTTLS
    // whenever the server offers it, and a server on another machine that
    // does not offer it gets nothing. Only a relay on this machine may take
    // the password without TLS.
    const bool localRelay =
        job.transport.tls == TlsMode::None && isThisMachine(job.host);
    long useSsl = CURLUSESSL_ALL;
    if (localRelay)
        useSsl = CURLUSESSL_TRY;
    curl_easy_setopt(easy, CURLOPT_USE_SSL, useSsl);
    // Only a current protocol, and a server that proves who it is.
    curl_easy_setopt(easy, CURLOPT_SSLVERSION, static_cast<long>(CURL_SSLVERSION_TLSv1_2));
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!caFile.isEmpty())
        curl_easy_setopt(easy, CURLOPT_CAINFO, caFile.constData());
    if (connectTo)
        curl_easy_setopt(easy, CURLOPT_CONNECT_TO, connectTo.get());

    curl_multi_add_handle(multi, easy);
    CURLcode code = CURLE_OK;
    bool done = false;
    while (!done && !m_aborted) {
        int running = 0;
        const CURLMcode mc = curl_multi_perform(multi, &running);
        if (mc != CURLM_OK) {
            code = CURLE_FAILED_INIT;
            snprintf(errorText, sizeof errorText, "%s", curl_multi_strerror(mc));
            break;
        }
        int queued = 0;
        while (CURLMsg *msg = curl_multi_info_read(multi, &queued)) {
            if (msg->msg == CURLMSG_DONE && msg->easy_handle == easy) {
                code = msg->data.result;
                done = true;
            }
        }
        if (!done)
            curl_multi_poll(multi, nullptr, 0, 1000, nullptr);
    }
    curl_multi_remove_handle(multi, easy);

    if (!done) {
        if (code == CURLE_OK)
            result.error = loc::text("The transfer was stopped");
        else
            result.error = QString::fromUtf8(errorText);
        return result;
    }
    result.ok = code == CURLE_OK;
    if (code == CURLE_USE_SSL_FAILED && job.transport.tls == TlsMode::None) {
        result.noEncryption = true;
        result.error = loc::text("The mail server %1 offers no encrypted connection (STARTTLS): "
                                 "the password is not sent in clear to another machine.")
                           .arg(job.host);
        return result;
    }
    if (!result.ok) {
        result.error = QString::fromUtf8(curl_easy_strerror(code));
        if (errorText[0])
            result.error += QStringLiteral(": ") + QString::fromUtf8(errorText);
    }
    return result;
}

} // namespace mail
