#pragma once

#include <QString>
#include <stdexcept>

namespace store {

// Base of the store's expected failures. The text is what the operator sees.
class EStoreError : public std::runtime_error
{
public:
    explicit EStoreError(const QString &message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

// A failure reported by the database engine itself (locked, busy, I/O, a
// damaged file). Only these are worth retrying; the message is the engine's.
class EEngineError : public EStoreError
{
public:
    EEngineError(const QString &message, int engineCode);
    int engineCode() const { return m_engineCode; }
    // The store is held by another writer (SQLITE_BUSY or SQLITE_LOCKED).
    bool isBusy() const;
    // The disk holding the store is full: passes once space is freed.
    bool isDiskFull() const;

private:
    int m_engineCode;
};

class EUnableToObtainID : public EStoreError
{
public:
    EUnableToObtainID();
};

// A quiet abandonment: the action ends, and no message is shown for it.
class EAbort : public std::exception
{
public:
    const char *what() const noexcept override { return "Operation aborted"; }
};

} // namespace store
