#pragma once

#include <QProcess>
#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>

// The real program, run as its own process from a fresh copy in a temporary
// folder, with its own settings file and listening port, offscreen.
class MonitorProcess
{
public:
    MonitorProcess();
    ~MonitorProcess();

    static quint16 freePort();
    static QString builtProgram();

    quint16 port() const { return m_port; }
    QString programFolder() const;
    QString dataFolder() const;
    QString storePath() const;
    QString configFolder() const;
    QString workFolder() const { return m_root.path(); }

    // Starts the program and waits until it listens on its port.
    bool start(int timeoutMs = 20000);
    // kill -9: no chance to tidy up.
    void kill();
    // SIGTERM, then wait.
    bool terminate(int timeoutMs = 10000);
    bool isRunning() const;
    qint64 processId() const { return m_process.processId(); }
    QByteArray output();

    // A private read connection to the program's store.
    QSqlDatabase openStore();
    // Runs a one-value query against the store.
    QVariant scalar(const QString &sql);
    // Registers accounts first..first+count-1 as another program would,
    // through the store file; without handling rules, each of their events
    // is logged to History once. False when the store refused them.
    bool registerAccounts(int count, int first = 1);
    // Waits, still dispatching events, until at least expectedRows Comms rows
    // are stored and none waits for processing.
    bool waitForProcessing(int expectedRows, int timeoutMs = 60000);

private:
    QTemporaryDir m_root;
    quint16 m_port;
    QProcess m_process;
    QByteArray m_output;
    QString m_connection;
};
