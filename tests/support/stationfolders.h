#pragma once

#include "station/station.h"

#include <QString>
#include <QTemporaryDir>

// The folders of one station in a temporary directory: a program folder
// ".../Quorvel" for its data, its own settings file, a process table in
// which the receiver already runs (so nothing is started) and a free port in
// the settings. Needs no widgets.
class StationFolders
{
public:
    StationFolders();

    QString root() const { return m_dir.path(); }
    QString programFolder() const;
    QString settingsPath() const;
    QString procRoot() const;
    station::StationOptions options() const;
    // Empties the process table: the receiver does not run.
    void stopReceiver();

    void setSetting(const QString &group, const QString &name, const QString &value);
    QString setting(const QString &group, const QString &name) const;
    quint16 port() const { return m_port; }
    static quint16 freePort();

private:
    QTemporaryDir m_dir;
    quint16 m_port;
};
