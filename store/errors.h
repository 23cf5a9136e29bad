#pragma once

#include "core/errors.h"

#include <QString>

namespace store {

// Base of the store's expected failures. The text is what the operator sees.
class EStoreError : public core::Error
{
public:
    explicit EStoreError(const QString &message) : core::Error(message) {}
};

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

using core::EAbort;

} // namespace store
