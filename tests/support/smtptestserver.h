#pragma once

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A throwaway certificate authority and server certificates, made with the
// openssl tool: "server" is signed by the test CA for localhost, 127.0.0.1
// and the three provider host names; "wrongname" by the same CA for another
// name only; "rogue" by a CA nobody trusts, for the same names as "server".
class TestCertificates
{
public:
    TestCertificates();
    bool isValid() const { return m_valid; }
    QString error() const { return m_error; }
    QString caFile() const;
    QString certFile(const QString &which) const;
    QString keyFile(const QString &which) const;

private:
    bool run(const QStringList &args);
    bool makeCa(const QString &name);
    bool makeServer(const QString &name, const QString &ca, const QString &altNames);

    QTemporaryDir m_dir;
    bool m_valid = false;
    QString m_error;
};

// The loopback SMTP server of tests/mail/smtpserver.py, run with the
// system's python (where python3-aiosmtpd lives). Every accepted message
// comes back as one JSON object: envelope, decoded headers and body, the
// login used and the TLS version.
class SmtpTestServer
{
public:
    struct Options
    {
        QString mode = QStringLiteral("plain"); // plain, starttls, tls
        QString cert;
        QString key;
        QString user;
        QString password;
        double delaySeconds = 0;
    };

    ~SmtpTestServer();
    // Starts the server and waits until it listens; false (see error()) otherwise.
    bool start(const Options &options);
    quint16 port() const { return m_port; }
    QString error() const { return m_error; }
    // Messages accepted so far.
    const QList<QJsonObject> &messages();

    static QString python();
    static QString script();

private:
    void readOutput();

    QProcess m_process;
    QByteArray m_buffer;
    QList<QJsonObject> m_messages;
    quint16 m_port = 0;
    QString m_error;
};

// A loopback port that nothing listens on.
quint16 closedLoopbackPort();
