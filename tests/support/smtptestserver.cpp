#include "support/smtptestserver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QTcpServer>

TestCertificates::TestCertificates()
{
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary folder");
        return;
    }
    const QString names =
        QStringLiteral("DNS:localhost,IP:127.0.0.1,DNS:smtp.gmail.com,DNS:smtp.mail.yahoo.com,"
                       "DNS:smtp-mail.outlook.com");
    m_valid = makeCa(QStringLiteral("ca")) && makeCa(QStringLiteral("rogueca")) &&
              makeServer(QStringLiteral("server"), QStringLiteral("ca"), names) &&
              makeServer(QStringLiteral("wrongname"), QStringLiteral("ca"),
                         QStringLiteral("DNS:other.invalid")) &&
              makeServer(QStringLiteral("rogue"), QStringLiteral("rogueca"), names);
}

QString TestCertificates::caFile() const
{
    return m_dir.filePath(QStringLiteral("ca.pem"));
}

QString TestCertificates::certFile(const QString &which) const
{
    return m_dir.filePath(which + QStringLiteral(".pem"));
}

QString TestCertificates::keyFile(const QString &which) const
{
    return m_dir.filePath(which + QStringLiteral(".key"));
}

bool TestCertificates::run(const QStringList &args)
{
    QProcess p;
    p.setWorkingDirectory(m_dir.path());
    p.start(QStringLiteral("openssl"), args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        m_error =
            QStringLiteral("openssl %1 failed: %2")
                .arg(args.join(QLatin1Char(' ')), QString::fromLocal8Bit(p.readAllStandardError()));
        return false;
    }
    return true;
}

bool TestCertificates::makeCa(const QString &name)
{
    return run({QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                QStringLiteral("-keyout"), name + QStringLiteral(".key"), QStringLiteral("-out"),
                name + QStringLiteral(".pem"), QStringLiteral("-days"), QStringLiteral("2"),
                QStringLiteral("-subj"), QStringLiteral("/CN=Quorvel test ") + name,
                QStringLiteral("-addext"), QStringLiteral("basicConstraints=critical,CA:TRUE"),
                QStringLiteral("-addext"),
                QStringLiteral("keyUsage=critical,keyCertSign,cRLSign")});
}

bool TestCertificates::makeServer(const QString &name, const QString &ca, const QString &altNames)
{
    QFile ext(m_dir.filePath(name + QStringLiteral(".ext")));
    if (!ext.open(QIODevice::WriteOnly))
        return false;
    ext.write("basicConstraints=CA:FALSE\nkeyUsage=digitalSignature,keyEncipherment\n"
              "extendedKeyUsage=serverAuth\nsubjectAltName=" +
              altNames.toLatin1() + "\n");
    ext.close();
    return run({QStringLiteral("req"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"),
                QStringLiteral("-nodes"), QStringLiteral("-keyout"), name + QStringLiteral(".key"),
                QStringLiteral("-out"), name + QStringLiteral(".csr"), QStringLiteral("-subj"),
                QStringLiteral("/CN=localhost")}) &&
           run({QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"),
                name + QStringLiteral(".csr"), QStringLiteral("-CA"), ca + QStringLiteral(".pem"),
                QStringLiteral("-CAkey"), ca + QStringLiteral(".key"),
                QStringLiteral("-CAcreateserial"), QStringLiteral("-out"),
                name + QStringLiteral(".pem"), QStringLiteral("-days"), QStringLiteral("2"),
                QStringLiteral("-extfile"), name + QStringLiteral(".ext")});
}

SmtpTestServer::~SmtpTestServer()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QString SmtpTestServer::python()
{
    // The system's interpreter: another python3 earlier on PATH lacks aiosmtpd.
    return QStringLiteral("/usr/bin/python3");
}

QString SmtpTestServer::script()
{
    return QDir(qEnvironmentVariable("QUORVEL_SOURCE_DIR",
                                     QStringLiteral(QUORVEL_SOURCE_DIR_FALLBACK)))
        .filePath(QStringLiteral("tests/support/smtpserver.py"));
}

bool SmtpTestServer::start(const Options &options)
{
    QStringList args{script(), QStringLiteral("--mode"), options.mode};
    if (!options.cert.isEmpty())
        args << QStringLiteral("--cert") << options.cert << QStringLiteral("--key") << options.key;
    if (!options.user.isEmpty())
        args << QStringLiteral("--user") << options.user << QStringLiteral("--password")
             << options.password;
    if (options.delaySeconds > 0)
        args << QStringLiteral("--delay") << QString::number(options.delaySeconds);
    QObject::connect(&m_process, &QProcess::readyReadStandardOutput, &m_process,
                     [this]() { readOutput(); });
    m_process.start(python(), args);
    if (!m_process.waitForStarted(10000)) {
        m_error = QStringLiteral("%1 did not start").arg(python());
        return false;
    }
    QElapsedTimer t;
    t.start();
    while (m_port == 0 && t.elapsed() < 20000 && m_process.state() == QProcess::Running) {
        m_process.waitForReadyRead(200);
        readOutput();
    }
    if (m_port == 0) {
        m_error = QStringLiteral("the test SMTP server did not start: %1")
                      .arg(QString::fromLocal8Bit(m_process.readAllStandardError()));
        return false;
    }
    return true;
}

const QList<QJsonObject> &SmtpTestServer::messages()
{
    readOutput();
    return m_messages;
}

void SmtpTestServer::readOutput()
{
    m_buffer += m_process.readAllStandardOutput();
    qsizetype end;
    while ((end = m_buffer.indexOf('\n')) >= 0) {
        const QByteArray line = m_buffer.left(end).trimmed();
        m_buffer.remove(0, end + 1);
        if (line.startsWith("PORT "))
            m_port = static_cast<quint16>(line.mid(5).toUInt());
        else if (!line.isEmpty())
            m_messages << QJsonDocument::fromJson(line).object();
    }
}

quint16 closedLoopbackPort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress(QHostAddress::LocalHost), 0))
        return 0;
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}
