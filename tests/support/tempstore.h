#pragma once

#include "store/tdmod.h"

#include <QTemporaryDir>
#include <memory>

// A program folder in a temporary directory with a fresh store in its data
// folder, opened through the data module as the program opens it.
class TempStore
{
public:
    TempStore();
    store::TDMod &dm() { return *m_dm; }
    store::TDMod *operator->() { return m_dm.get(); }
    QString programFolder() const { return m_dir.path(); }
    // Closes and reopens the module on the same files, as a restart does.
    void reopen();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<store::TDMod> m_dm;
};

// Blocks another connection's writers: holds SQLite's write lock on a store
// from a separate process (the sqlite3 shell) until release() or destruction.
class ForeignWriteLock
{
public:
    explicit ForeignWriteLock(const QString &dbPath);
    ~ForeignWriteLock();
    bool isHeld() const { return m_held; }
    void release();

private:
    class QProcess *m_process = nullptr;
    bool m_held = false;
};
