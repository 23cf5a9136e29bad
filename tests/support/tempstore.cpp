#include "support/tempstore.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>
#include <QtTest>

TempStore::TempStore()
{
    reopen();
}

void TempStore::reopen()
{
    m_dm.reset();
    m_dm = std::make_unique<store::TDMod>(m_dir.path());
    m_dm->PrepareAlias();
    if (!m_dm->OpenStore())
        qFatal("the temporary store did not open");
}

ForeignWriteLock::ForeignWriteLock(const QString &dbPath)
{
    m_process = new QProcess;
    m_process->start(QStringLiteral("sqlite3"), {dbPath});
    if (!m_process->waitForStarted(5000))
        return;
    m_process->write("BEGIN IMMEDIATE;\nSELECT 'locked';\n");
    // The shell answers once it holds the lock.
    QElapsedTimer t;
    t.start();
    QByteArray out;
    while (t.elapsed() < 5000 && !out.contains("locked")) {
        m_process->waitForReadyRead(100);
        out += m_process->readAllStandardOutput();
    }
    m_held = out.contains("locked");
}

ForeignWriteLock::~ForeignWriteLock()
{
    release();
    delete m_process;
}

void ForeignWriteLock::release()
{
    if (!m_process || m_process->state() == QProcess::NotRunning)
        return;
    m_process->write("ROLLBACK;\n.quit\n");
    m_process->closeWriteChannel();
    m_process->waitForFinished(5000);
    m_held = false;
}
