#pragma once

#include <QString>

#include <array>

namespace station {

// The six text settings of the station, held in memory for the whole run:
// read once at start-up, written back once at orderly shut-down.
struct Settings
{
    QString LastOperator;
    QString Port;
    QString EmailHost;
    QString EmailUserName;
    QString EmailPassword;
    QString EmailSender;

    // Each setting's group, value name and default, in one place.
    struct Key
    {
        const char *group;
        const char *name;
        const char *defaultValue;
        QString Settings::*member;
    };
    static const std::array<Key, 6> &keys();

    // $XDG_CONFIG_HOME/Quorvel.ini (by default ~/.config/Quorvel.ini).
    static QString defaultPath();

    // Every value from the file at path; a missing file, group or value
    // gives the default.
    void Read_Registry(const QString &path);
    // All six values into the file at path, which is kept readable by its
    // owner only (it holds the mail password). Returns false, having shown
    // why, when the file cannot be written.
    bool Write_Registry(const QString &path) const;
};

} // namespace station
