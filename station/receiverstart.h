#pragma once

#include <QString>

namespace station {

// Starts the receiver program Rovask beside the monitor when it is not
// running already. The monitor never waits for it and never watches it: the
// receiver watchdog judges whether it works.
class ReceiverStart
{
public:
    enum class Outcome
    {
        AlreadyRunning,
        Started,
        StartedFromPath,
        ExecutionFailed,
        NotFound
    };

    // procRoot: where the process table is read ("/proc"; tests give their own).
    explicit ReceiverStart(const QString &procRoot = QStringLiteral("/proc"));

    // The part of the program folder before "Quorvel", then "Rovask/Rovask";
    // a folder without "Quorvel" gives the relative path "Rovask/Rovask".
    static QString receiverPath(const QString &programFolder);

    // A process of this user whose executable name is "Rovask" exists.
    bool isRunning() const;

    // Starts the receiver when it is not running. A missing folder fails at
    // once; a missing program file in an existing folder is tried once more
    // by its bare name on PATH. Failures are shown as warnings.
    Outcome run(const QString &programFolder);

private:
    QString m_procRoot;
};

} // namespace station
