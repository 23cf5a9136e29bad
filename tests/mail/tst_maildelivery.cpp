// Outbox delivery against a real SMTP server on 127.0.0.1: what arrives over
// plain SMTP, STARTTLS and implicit TLS, the refused certificates, the
// unreachable server and its one box, incomplete settings, the provider
// presets, and the console staying responsive while a server is slow.
#include "mail/maildelivery.h"
#include "mail/mailmessage.h"
#include "mail/presets.h"
#include "support/smtptestserver.h"
#include "core/events.h"
#include "store/tdmod.h"
#include "support/recordingmessages.h"
#include "support/tempstore.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;
using mail::TlsMode;

namespace {

const QString kUser = u"station@alarm.example"_s;
const QString kPassword = u"s3cret pässword"_s;
const QString kSender = u"alerts@alarm.example"_s;
const QString kConnectError =
    u"Enable to connect to SMTP Server - Please check that your anti-virus software will "
    "allow outbound traffic on port %1"_s;

// Messages whose error box can stay open: the hook runs while it is "on screen".
class ModalMessages : public RecordingMessages
{
public:
    void error(const QString &text) override
    {
        RecordingMessages::error(text);
        if (whileOpen)
            std::exchange(whileOpen, {})(text);
    }
    std::function<void(const QString &)> whileOpen;
};

// The data module, the delivery and the main window's part: new-mail events
// go to OnWM_NewEmailMsg with the settings as they stand.
class MailStation : public QObject
{
public:
    explicit MailStation(const mail::SmtpClientOptions &options, const QString &host = {})
        : delivery(store.dm(), options)
    {
        store->setNotifyTarget(this);
        settings = {u"2000"_s, host, kUser, kPassword, kSender};
        connect(&delivery, &mail::MailDelivery::statusRecorded, this,
                [this](int id, int status, const QString &error) {
                    recorded << qMakePair(id, status);
                    errors << error;
                });
    }

    int queue(const QString &recipients, const QString &subject, const QString &siteDetails,
              const QString &message)
    {
        store::Table &o = *store->tbOutbox;
        o.insert();
        o.field(u"MsgDateTime"_s).setValue(QDateTime::currentDateTime());
        o.field(u"Recipients"_s).setValue(recipients);
        o.field(u"Subject"_s).setValue(subject);
        o.field(u"SiteDetails"_s).setValue(siteDetails);
        o.field(u"Message"_s).setValue(message);
        o.field(u"Status"_s).setValue(0);
        o.post();
        return o.field(u"ID"_s).asInteger();
    }
    int queueDefault()
    {
        return queue(u"kh1@site.example"_s, u"Acc No 0001 - Site"_s, u"Site"_s, u"Alarm"_s);
    }

    int status(int id)
    {
        QSqlQuery q = store->database().exec(u"SELECT Status FROM Outbox WHERE ID = ?"_s, {id});
        return q.next() ? q.value(0).toInt() : -1;
    }

    bool event(QEvent *e) override
    {
        if (e->type() != core::NewMailEventType)
            return QObject::event(e);
        delivery.OnWM_NewEmailMsg(static_cast<core::RowEvent *>(e)->id(), settings);
        return true;
    }

    TempStore store;
    mail::MailDelivery delivery;
    mail::CommSettings settings;
    QList<QPair<int, int>> recorded;
    QStringList errors;
};

// Posts an event that opens an error box right behind the first new-mail
// event, so the box comes up while that e-mail is on its way.
class BoxBehindFirstMail : public QObject
{
public:
    explicit BoxBehindFirstMail(QObject *station) { station->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (e->type() == core::NewMailEventType && !m_posted) {
            m_posted = true;
            QMetaObject::invokeMethod(
                this, [] { core::messages().error(u"Please log on"_s); }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, e);
    }

private:
    bool m_posted = false;
};

QStringList bodyLines(const QJsonObject &m)
{
    static const QRegularExpression lineEnd(u"\r?\n"_s);
    QStringList lines = m[u"body"_s].toString().split(lineEnd);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList strings(const QJsonValue &v)
{
    QStringList out;
    for (const QJsonValue &x : v.toArray())
        out << x.toString();
    return out;
}

} // namespace

class TestMailDelivery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void presets_data();
    void presets();
    void composition_data();
    void composition();

    void delivers_data();
    void delivers();
    void awkwardTextsArriveIntact();
    void failures_data();
    void failures();
    void unreachableServerShowsOneBox();
    void failuresWhileBoxOpenShowNoSecondBox();
    void incompleteSettings_data();
    void incompleteSettings();
    void incompleteSettingsShowOneBoxAtATime();
    void thisMachine_data();
    void thisMachine();
    void passwordOnlyEncryptedToAnotherMachine_data();
    void passwordOnlyEncryptedToAnotherMachine();
    void oneAtATimeWhileConsoleRuns();
    void boxOpenedByAnotherEventHoldsNoEmail();
    void closingStopsTransfer();

private:
    std::unique_ptr<TestCertificates> m_certs;
    ModalMessages m_messages;
};

void TestMailDelivery::initTestCase()
{
    QVERIFY2(QFileInfo::exists(SmtpTestServer::python()), "/usr/bin/python3 is missing");
    QProcess probe;
    probe.start(SmtpTestServer::python(), {u"-c"_s, u"import aiosmtpd"_s});
    QVERIFY(probe.waitForFinished(20000));
    QVERIFY2(probe.exitCode() == 0, "python3-aiosmtpd is missing: run scripts/deps.sh --test");
    m_certs = std::make_unique<TestCertificates>();
    QVERIFY2(m_certs->isValid(), qPrintable(m_certs->error()));
}

void TestMailDelivery::init()
{
    core::setMessages(&m_messages);
}

void TestMailDelivery::cleanup()
{
    core::setMessages(nullptr);
    m_messages.clear();
    m_messages.whileOpen = {};
}

void TestMailDelivery::presets_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<TlsMode>("tls");
    QTest::newRow("provider 1") << u"smtp.gmail.com"_s << 465 << TlsMode::Implicit;
    QTest::newRow("provider 2") << u"smtp.mail.yahoo.com"_s << 465 << TlsMode::Implicit;
    QTest::newRow("provider 3") << u"smtp-mail.outlook.com"_s << 587 << TlsMode::Explicit;
    QTest::newRow("provider 3, other case") << u"SMTP-Mail.Outlook.com"_s << 25 << TlsMode::None;
    QTest::newRow("provider 1, other case") << u"smtp.Gmail.com"_s << 25 << TlsMode::None;
    QTest::newRow("provider 1 with a space") << u" smtp.gmail.com"_s << 25 << TlsMode::None;
    QTest::newRow("any other host") << u"mail.alarm.example"_s << 25 << TlsMode::None;
}

void TestMailDelivery::presets()
{
    QFETCH(QString, host);
    QFETCH(int, port);
    QFETCH(TlsMode, tls);
    const mail::Transport t = mail::transportFor(host);
    QCOMPARE(t.port, port);
    QCOMPARE(t.tls, tls);
}

void TestMailDelivery::composition_data()
{
    QTest::addColumn<QString>("recipients");
    QTest::addColumn<QString>("siteDetails");
    QTest::addColumn<QStringList>("addresses");
    QTest::addColumn<QStringList>("siteLines");
    QTest::newRow("empty pieces") << u",a@x.example,,b@y.example"_s << u"Name;Site Tel No: 0123"_s
                                  << QStringList{u"a@x.example"_s, u"b@y.example"_s}
                                  << QStringList{u"Name"_s, u"Site Tel No: 0123"_s};
    QTest::newRow("three key holders")
        << u"a@x.example,b@x.example,c@x.example"_s << u"Name;1 High St;;AB1 2CD"_s
        << QStringList{u"a@x.example"_s, u"b@x.example"_s, u"c@x.example"_s}
        << QStringList{u"Name"_s, u"1 High St"_s, u"AB1 2CD"_s};
    QTest::newRow("spaces around addresses")
        << u" a@x.example , ,b@x.example"_s << QString()
        << QStringList{u"a@x.example"_s, u"b@x.example"_s} << QStringList{};
}

void TestMailDelivery::composition()
{
    QFETCH(QString, recipients);
    QFETCH(QString, siteDetails);
    QFETCH(QStringList, addresses);
    QFETCH(QStringList, siteLines);
    const mail::MailMessage m = mail::composeOutboxMessage(kSender, recipients, u"Acc No 1 - S"_s,
                                                           siteDetails, u"Burglary"_s);
    QCOMPARE(m.sender, kSender);
    QCOMPARE(m.recipients, addresses);
    QCOMPARE(m.subject, u"Acc No 1 - S"_s);
    QCOMPARE(m.body, QStringList({u"Burglary"_s, QString(), u"Site Information:"_s}) + siteLines);
}

void TestMailDelivery::delivers_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("host");
    QTest::newRow("plain SMTP") << u"plain"_s << u"localhost"_s;
    QTest::newRow("STARTTLS (provider 3)") << u"starttls"_s << u"smtp-mail.outlook.com"_s;
    QTest::newRow("implicit TLS (provider 1)") << u"tls"_s << u"smtp.gmail.com"_s;
    QTest::newRow("implicit TLS (provider 2)") << u"tls"_s << u"smtp.mail.yahoo.com"_s;
}

void TestMailDelivery::delivers()
{
    QFETCH(QString, mode);
    QFETCH(QString, host);
    SmtpTestServer server;
    QVERIFY2(server.start({mode, m_certs->certFile(u"server"_s), m_certs->keyFile(u"server"_s),
                           kUser, kPassword}),
             qPrintable(server.error()));
    MailStation st({m_certs->caFile(), u"127.0.0.1"_s, server.port()}, host);

    const QString subject = u"Acc No 0042 - Árvíztűrő Kft"_s;
    const QString message = u"Riasztás – Zóna 3: Bejárati ajtó"_s;
    const int id = st.queue(u",kh1@site.example,,kh2@site.example"_s, subject,
                            u"Árvíztűrő Kft;Fő utca 1.;;Site Tel No: 0612345678"_s, message);
    QTRY_COMPARE_WITH_TIMEOUT(st.recorded.size(), 1, 20000);
    QVERIFY2(st.status(id) == 1, qPrintable(st.errors.join(u'\n')));
    QCOMPARE(m_messages.all(), QStringList());

    QCOMPARE(server.messages().size(), 1);
    const QJsonObject m = server.messages().first();
    QCOMPARE(m[u"mail_from"_s].toString(), kSender);
    QCOMPARE(strings(m[u"rcpt_tos"_s]),
             QStringList({u"kh1@site.example"_s, u"kh2@site.example"_s}));
    QCOMPARE(m[u"from"_s].toString(), kSender);
    QCOMPARE(m[u"to"_s].toString(), u"kh1@site.example, kh2@site.example"_s);
    QCOMPARE(m[u"subject"_s].toString(), subject);
    QCOMPARE(m[u"charset"_s].toString(), u"utf-8"_s);
    QCOMPARE(bodyLines(m),
             QStringList({message, QString(), u"Site Information:"_s, u"Árvíztűrő Kft"_s,
                          u"Fő utca 1."_s, u"Site Tel No: 0612345678"_s}));
    QVERIFY(!m[u"date"_s].toString().isEmpty());
    QVERIFY(m[u"message_id"_s].toString().endsWith(u"@alarm.example>"_s));
    QCOMPARE(m[u"login"_s].toString(), kUser);
    if (mode == u"plain"_s)
        QVERIFY(m[u"tls"_s].isNull());
    else
        QVERIFY2(QStringList({u"TLSv1.2"_s, u"TLSv1.3"_s}).contains(m[u"tls"_s].toString()),
                 qPrintable(m[u"tls"_s].toString()));
}

void TestMailDelivery::awkwardTextsArriveIntact()
{
    SmtpTestServer server;
    QVERIFY2(server.start({u"plain"_s, {}, {}, kUser, kPassword}), qPrintable(server.error()));
    MailStation st({{}, u"127.0.0.1"_s, server.port()}, u"localhost"_s);

    // A name that tries to add a header, a long line, a line that is a lone
    // full stop (the end of the data phase), and text that looks encoded.
    const QString subject = u"Acc No 0007 - Shop\r\nBcc: intruder@evil.example =?x?="_s;
    const QString message = QString(u"Zóna "_s).repeated(39);
    const QString site = u".;..dots;Tab\there ;=3D literal"_s;
    // Mailboxes written with a display name, as mail programs show them.
    st.settings.EmailSender = u"Riasztó Központ <alerts@alarm.example>"_s;
    const int id = st.queue(u"\"Key Holder\" <kh@site.example>"_s, subject, site, message);
    QTRY_COMPARE_WITH_TIMEOUT(st.recorded.size(), 1, 20000);
    QVERIFY2(st.status(id) == 1, qPrintable(st.errors.join(u'\n')));

    const QJsonObject m = server.messages().value(0);
    QCOMPARE(m[u"mail_from"_s].toString(), kSender);
    QCOMPARE(m[u"from"_s].toString(), u"Riasztó Központ <alerts@alarm.example>"_s);
    QCOMPARE(m[u"to"_s].toString(), u"Key Holder <kh@site.example>"_s);
    QCOMPARE(strings(m[u"rcpt_tos"_s]), QStringList{u"kh@site.example"_s});
    QVERIFY(!strings(m[u"header_names"_s]).contains(u"Bcc"_s, Qt::CaseInsensitive));
    QCOMPARE(m[u"subject"_s].toString(), u"Acc No 0007 - Shop  Bcc: intruder@evil.example =?x?="_s);
    QCOMPARE(bodyLines(m), QStringList({message, QString(), u"Site Information:"_s, u"."_s,
                                        u"..dots"_s, u"Tab\there "_s, u"=3D literal"_s}));
    // Every line of the message as sent stays within the 76 characters of
    // quoted-printable and encoded-word headers.
    const QList<QByteArray> raw =
        QByteArray::fromBase64(m[u"raw"_s].toString().toLatin1()).split('\n');
    for (const QByteArray &line : raw)
        QVERIFY2(line.trimmed().size() <= 78, line.constData());
}

void TestMailDelivery::failures_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("cert");
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("port");
    QTest::newRow("implicit TLS, unknown CA")
        << u"tls"_s << u"rogue"_s << u"smtp.gmail.com"_s << kPassword << 465;
    QTest::newRow("implicit TLS, certificate for another name")
        << u"tls"_s << u"wrongname"_s << u"smtp.mail.yahoo.com"_s << kPassword << 465;
    QTest::newRow("STARTTLS, unknown CA")
        << u"starttls"_s << u"rogue"_s << u"smtp-mail.outlook.com"_s << kPassword << 587;
    QTest::newRow("wrong password")
        << u"plain"_s << QString() << u"localhost"_s << u"wrong"_s << 25;
    QTest::newRow("host that is no host name")
        << u"plain"_s << QString() << u"localhost/path@x"_s << kPassword << 25;
}

void TestMailDelivery::failures()
{
    QFETCH(QString, mode);
    QFETCH(QString, cert);
    QFETCH(QString, host);
    QFETCH(QString, password);
    QFETCH(int, port);
    SmtpTestServer server;
    QVERIFY2(server.start({mode, cert.isEmpty() ? QString() : m_certs->certFile(cert),
                           cert.isEmpty() ? QString() : m_certs->keyFile(cert), kUser, kPassword}),
             qPrintable(server.error()));
    MailStation st({m_certs->caFile(), u"127.0.0.1"_s, server.port()}, host);
    st.settings.EmailPassword = password;

    const int id = st.queueDefault();
    QTRY_COMPARE_WITH_TIMEOUT(st.recorded.size(), 1, 20000);
    QCOMPARE(st.status(id), 2);
    QCOMPARE(m_messages.errors, QStringList{kConnectError.arg(port)});
    QCOMPARE(st.delivery.ConnectErrorGuard(), 0);
    QCOMPARE(server.messages().size(), 0);
}

void TestMailDelivery::unreachableServerShowsOneBox()
{
    const quint16 closed = closedLoopbackPort();
    QVERIFY(closed != 0);
    MailStation st({{}, u"127.0.0.1"_s, closed}, u"smtp-mail.outlook.com"_s);
    const int id = st.queueDefault();
    QTRY_COMPARE_WITH_TIMEOUT(st.recorded.size(), 1, 20000);
    QCOMPARE(st.status(id), 2);
    QCOMPARE(m_messages.errors, QStringList{kConnectError.arg(587)});
}

void TestMailDelivery::failuresWhileBoxOpenShowNoSecondBox()
{
    const quint16 closed = closedLoopbackPort();
    MailStation st({{}, u"127.0.0.1"_s, closed}, u"mail.alarm.example"_s);
    QList<int> ids;
    bool allFailedWhileOpen = false;
    int guardWhileOpen = -1;
    m_messages.whileOpen = [&](const QString &) {
        guardWhileOpen = st.delivery.ConnectErrorGuard();
        // Ten more e-mails are queued and fail while the operator has not
        // yet closed the first box.
        for (int i = 0; i < 10; ++i)
            ids << st.queueDefault();
        allFailedWhileOpen = QTest::qWaitFor([&]() { return st.recorded.size() == 11; }, 30000);
    };
    ids.prepend(st.queueDefault());
    QTRY_VERIFY_WITH_TIMEOUT(allFailedWhileOpen, 30000);
    QCOMPARE(guardWhileOpen, 1);
    QCOMPARE(ids.size(), 11);
    for (int id : std::as_const(ids))
        QCOMPARE(st.status(id), 2);
    QCOMPARE(m_messages.errors, QStringList{kConnectError.arg(25)});
    QCOMPARE(st.delivery.ConnectErrorGuard(), 0);

    // With the box closed, the next failure is shown again.
    st.queueDefault();
    QTRY_COMPARE_WITH_TIMEOUT(st.recorded.size(), 12, 20000);
    QCOMPARE(m_messages.errors.size(), 2);
}

void TestMailDelivery::incompleteSettings_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QString>("listed");
    const QString h = u"No Email SMTP Server Host defined.\r\n"_s;
    const QString u = u"No Account Name defined.\r\n"_s;
    const QString p = u"No Account Password defined.\r\n"_s;
    const QString s = u"No Senders email Address defined."_s;
    const QString none;
    const QString host = u"localhost"_s;
    QTest::newRow("host and sender") << none << kUser << kPassword << none << h + s;
    QTest::newRow("nothing") << none << none << none << none << h + u + p + s;
    QTest::newRow("password") << host << kUser << none << kSender << p;
    QTest::newRow("user name") << host << none << kPassword << kSender << u;
}

void TestMailDelivery::incompleteSettings()
{
    QFETCH(QString, host);
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QString, sender);
    QFETCH(QString, listed);
    SmtpTestServer server;
    QVERIFY2(server.start({u"plain"_s, {}, {}, kUser, kPassword}), qPrintable(server.error()));
    MailStation st({{}, u"127.0.0.1"_s, server.port()});
    st.settings = {u"2000"_s, host, user, password, sender};

    const int early = st.queueDefault();
    QTRY_COMPARE(m_messages.errors.size(), 1);
    QCOMPARE(m_messages.errors.first(),
             u"Emails cannot be sent as the following is not configured:\r\n\r\n"_s + listed);
    QVERIFY(!st.delivery.busy());

    // Completing the settings sends what is queued from then on; the
    // e-mail queued before stays pending.
    st.settings = {u"2000"_s, u"localhost"_s, kUser, kPassword, kSender};
    const int later = st.queueDefault();
    QTRY_COMPARE_WITH_TIMEOUT(st.recorded.size(), 1, 20000);
    QCOMPARE(st.recorded.first().first, later);
    QCOMPARE(st.status(later), 1);
    QCOMPARE(st.status(early), 0);
    QCOMPARE(server.messages().size(), 1);
    QCOMPARE(m_messages.errors.size(), 1);
}

void TestMailDelivery::incompleteSettingsShowOneBoxAtATime()
{
    MailStation st({{}, u"127.0.0.1"_s, closedLoopbackPort()});
    int boxesWhileOpen = -1;
    m_messages.whileOpen = [&](const QString &) {
        // More e-mails are queued while the operator reads the box.
        for (int i = 0; i < 5; ++i)
            st.queueDefault();
        QTest::qWait(200);
        boxesWhileOpen = int(m_messages.errors.size());
    };
    st.queueDefault();
    QTRY_COMPARE(boxesWhileOpen, 1);
    QCOMPARE(m_messages.errors.size(), 1);
    QVERIFY(!st.delivery.busy());

    // Closed: the next e-mail shows it again.
    st.queueDefault();
    QTRY_COMPARE(m_messages.errors.size(), 2);
}

void TestMailDelivery::thisMachine_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<bool>("local");
    QTest::newRow("localhost") << u"LocalHost"_s << true;
    QTest::newRow("127.0.0.1") << u"127.0.0.1"_s << true;
    QTest::newRow("127.1.2.3") << u"127.1.2.3"_s << true;
    QTest::newRow("::1") << u"::1"_s << true;
    QTest::newRow("[::1]") << u"[::1]"_s << true;
    QTest::newRow("a name that starts like one") << u"127.0.0.1.mail.example"_s << false;
    QTest::newRow("localhost as a subdomain") << u"localhost.mail.example"_s << false;
    QTest::newRow("another address") << u"192.168.1.10"_s << false;
    QTest::newRow("out of range") << u"127.0.0.256"_s << false;
    QTest::newRow("a mail server") << u"mail.alarm.example"_s << false;
}

void TestMailDelivery::thisMachine()
{
    QFETCH(QString, host);
    QFETCH(bool, local);
    QCOMPARE(mail::isThisMachine(host), local);
}

void TestMailDelivery::passwordOnlyEncryptedToAnotherMachine_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("cert");
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("outcome"); // "tls", "clear", or the box shown

    const QString noTls = u"The mail server mail.alarm.example offers no encrypted connection "
                          "(STARTTLS): the password is not sent in clear to another machine."_s;
    // A provider's name in other letters is any other host (port 25, no
    // preset TLS), and still a name the test certificate is made out to.
    const QString other = u"SMTP-Mail.Outlook.com"_s;
    QTest::newRow("another machine, STARTTLS offered")
        << u"starttls"_s << u"server"_s << other << u"tls"_s;
    QTest::newRow("another machine, no STARTTLS")
        << u"plain"_s << QString() << u"mail.alarm.example"_s << noTls;
    QTest::newRow("another machine, STARTTLS with an unknown CA")
        << u"starttls"_s << u"rogue"_s << other << kConnectError.arg(25);
    QTest::newRow("this machine, STARTTLS offered")
        << u"starttls"_s << u"server"_s << u"localhost"_s << u"tls"_s;
    QTest::newRow("this machine, no STARTTLS")
        << u"plain"_s << QString() << u"127.0.0.1"_s << u"clear"_s;
}

void TestMailDelivery::passwordOnlyEncryptedToAnotherMachine()
{
    QFETCH(QString, mode);
    QFETCH(QString, cert);
    QFETCH(QString, host);
    QFETCH(QString, outcome);
    SmtpTestServer server;
    QVERIFY2(server.start({mode, cert.isEmpty() ? QString() : m_certs->certFile(cert),
                           cert.isEmpty() ? QString() : m_certs->keyFile(cert), kUser, kPassword}),
             qPrintable(server.error()));
    MailStation st({m_certs->caFile(), u"127.0.0.1"_s, server.port()}, host);

    const int id = st.queueDefault();
    QTRY_COMPARE_WITH_TIMEOUT(st.recorded.size(), 1, 20000);
    if (outcome == u"tls"_s || outcome == u"clear"_s) {
        QVERIFY2(st.status(id) == 1, qPrintable(st.errors.join(u'\n')));
        QCOMPARE(m_messages.errors, QStringList());
        QCOMPARE(server.messages().size(), 1);
        QCOMPARE(server.messages().first()[u"tls"_s].isNull(), outcome == u"clear"_s);
        return;
    }
    QCOMPARE(st.status(id), 2);
    QCOMPARE(m_messages.errors, QStringList{outcome});
    QCOMPARE(server.messages().size(), 0);
    if (outcome.contains(u"STARTTLS"_s))
        QCOMPARE(st.errors, QStringList{outcome}); // the row's status says why
}

void TestMailDelivery::oneAtATimeWhileConsoleRuns()
{
    SmtpTestServer server;
    QVERIFY2(server.start({u"plain"_s, {}, {}, kUser, kPassword, 1.5}), qPrintable(server.error()));
    MailStation st({{}, u"127.0.0.1"_s, server.port()}, u"localhost"_s);

    // The console's own timers keep running while the server takes its time.
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    int ticksWhileBusy = 0;
    QTimer tick;
    tick.setInterval(20);
    connect(&tick, &QTimer::timeout, &tick, [&]() {
        longestGap = std::max(longestGap, sinceTick.restart());
        if (st.delivery.busy())
            ++ticksWhileBusy;
    });
    const int first = st.queue(u"a@site.example"_s, u"first"_s, u"S"_s, u"one"_s);
    const int second = st.queue(u"b@site.example"_s, u"second"_s, u"S"_s, u"two"_s);
    sinceTick.start();
    tick.start();
    QTRY_COMPARE_WITH_TIMEOUT(st.recorded.size(), 2, 30000);
    tick.stop();

    QCOMPARE(st.recorded, (QList<QPair<int, int>>{{first, 1}, {second, 1}}));
    const QList<QJsonObject> &arrived = server.messages();
    QCOMPARE(arrived.size(), 2);
    QCOMPARE(arrived[0][u"subject"_s].toString(), u"first"_s);
    QCOMPARE(arrived[1][u"subject"_s].toString(), u"second"_s);
    // Blocking on the network would leave one gap as long as a delivery.
    QVERIFY2(ticksWhileBusy >= 40, qPrintable(QString::number(ticksWhileBusy)));
    QVERIFY2(longestGap < 1000, qPrintable(QString::number(longestGap)));
    qInfo("longest gap between timer ticks during delivery: %lld ms", longestGap);
}

void TestMailDelivery::boxOpenedByAnotherEventHoldsNoEmail()
{
    SmtpTestServer server;
    QVERIFY2(server.start({u"plain"_s, {}, {}, kUser, kPassword}), qPrintable(server.error()));
    MailStation st({{}, u"127.0.0.1"_s, server.port()}, u"localhost"_s);

    // An event waiting behind the new-mail event opens a modal box (as the
    // log-on request does) that nobody answers for a while.
    bool deliveredWhileOpen = false;
    QList<int> ids;
    m_messages.whileOpen = [&](const QString &) {
        ids << st.queueDefault();
        deliveredWhileOpen = QTest::qWaitFor([&]() { return st.recorded.size() == 2; }, 20000);
    };
    BoxBehindFirstMail box(&st);
    ids << st.queueDefault();
    QTRY_VERIFY_WITH_TIMEOUT(deliveredWhileOpen, 30000);
    for (int id : std::as_const(ids))
        QCOMPARE(st.status(id), 1);
    QCOMPARE(server.messages().size(), 2);
}

void TestMailDelivery::closingStopsTransfer()
{
    SmtpTestServer server;
    QVERIFY2(server.start({u"plain"_s, {}, {}, kUser, kPassword, 60}), qPrintable(server.error()));
    auto st = std::make_unique<MailStation>(
        mail::SmtpClientOptions{{}, u"127.0.0.1"_s, server.port()}, u"localhost"_s);
    const int id = st->queueDefault();
    QTRY_VERIFY(st->delivery.busy());
    QTest::qWait(300);
    QElapsedTimer t;
    t.start();
    QCOMPARE(st->status(id), 0);
    st.reset();
    // Far below the server's delay: the transfer was stopped, not waited for.
    QVERIFY2(t.elapsed() < 20000, qPrintable(QString::number(t.elapsed())));
    qInfo("closing during a transfer took %lld ms", t.elapsed());
    QCOMPARE(m_messages.all(), QStringList());
}

QTEST_GUILESS_MAIN(TestMailDelivery)
#include "tst_maildelivery.moc"
