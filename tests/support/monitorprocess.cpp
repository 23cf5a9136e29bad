#include "support/monitorprocess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>
#include <QUuid>

#include <csignal>

MonitorProcess::MonitorProcess()
    : m_port(freePort()),
      m_connection(QStringLiteral("monitor-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    QDir().mkpath(programFolder());
    QDir().mkpath(configFolder());
    const QString target = QDir(programFolder()).filePath(QStringLiteral("quorvel-monitor"));
    QFile::copy(builtProgram(), target);
    QFile::setPermissions(target, QFile::permissions(builtProgram()));
    QFile ini(QDir(configFolder()).filePath(QStringLiteral("Quorvel.ini")));
    if (ini.open(QIODevice::WriteOnly))
        ini.write(QStringLiteral("[Communication]\nPort=%1\n").arg(m_port).toUtf8());
    m_process.setProcessChannelMode(QProcess::MergedChannels);
}

MonitorProcess::~MonitorProcess()
{
    if (isRunning())
        kill();
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

quint16 MonitorProcess::freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

QString MonitorProcess::builtProgram()
{
    return QString::fromLocal8Bit(qgetenv("QUORVEL_BUILD_DIR")) +
           QStringLiteral("/app/quorvel-monitor");
}

QString MonitorProcess::programFolder() const
{
    return m_root.filePath(QStringLiteral("Quorvel"));
}

QString MonitorProcess::dataFolder() const
{
    return programFolder() + QStringLiteral("/data");
}

QString MonitorProcess::storePath() const
{
    return dataFolder() + QStringLiteral("/quorvel.db");
}

QString MonitorProcess::configFolder() const
{
    return m_root.filePath(QStringLiteral("config"));
}

bool MonitorProcess::start(int timeoutMs)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder());
    m_process.setProcessEnvironment(env);
    m_process.setWorkingDirectory(m_root.path());
    m_process.start(QDir(programFolder()).filePath(QStringLiteral("quorvel-monitor")), {});
    if (!m_process.waitForStarted(5000))
        return false;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs && isRunning()) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, m_port);
        if (probe.waitForConnected(200)) {
            probe.disconnectFromHost();
            return true;
        }
        QThread::msleep(100);
    }
    return false;
}

void MonitorProcess::kill()
{
    if (!isRunning())
        return;
    ::kill(static_cast<pid_t>(m_process.processId()), SIGKILL);
    m_process.waitForFinished(5000);
    m_output += m_process.readAll();
}

bool MonitorProcess::terminate(int timeoutMs)
{
    if (!isRunning())
        return true;
    m_process.terminate();
    const bool done = m_process.waitForFinished(timeoutMs);
    m_output += m_process.readAll();
    return done;
}

bool MonitorProcess::isRunning() const
{
    return m_process.state() != QProcess::NotRunning;
}

QByteArray MonitorProcess::output()
{
    m_output += m_process.readAll();
    return m_output;
}

QSqlDatabase MonitorProcess::openStore()
{
    if (QSqlDatabase::contains(m_connection))
        return QSqlDatabase::database(m_connection);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(storePath());
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    db.open();
    return db;
}

QVariant MonitorProcess::scalar(const QString &sql)
{
    QSqlQuery q(openStore());
    if (!q.exec(sql) || !q.next())
        return {};
    return q.value(0);
}

bool MonitorProcess::registerAccounts(int count, int first)
{
    QSqlDatabase db = openStore();
    if (!db.transaction())
        return false;
    QSqlQuery q(db);
    if (!q.prepare(QStringLiteral("INSERT INTO Accounts (AccountNo, Name) VALUES (?, ?)")))
        return false;
    for (int i = first; i < first + count; ++i) {
        q.addBindValue(QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0')));
        q.addBindValue(QStringLiteral("Site %1").arg(i));
        if (!q.exec()) {
            qWarning("cannot register account %d: %s", i, qPrintable(q.lastError().text()));
            db.rollback();
            return false;
        }
    }
    return db.commit();
}

bool MonitorProcess::waitForProcessing(int expectedRows, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs) {
        const int stored = scalar(QStringLiteral("SELECT COUNT(*) FROM Comms")).toInt();
        const int waiting =
            scalar(QStringLiteral("SELECT COUNT(*) FROM Comms WHERE Processed IS NULL")).toInt();
        if (stored >= expectedRows && waiting == 0)
            return true;
        QTest::qWait(100);
    }
    return false;
}
