#include "store/errors.h"

#include "localization/texts.h"

namespace store {

EEngineError::EEngineError(const QString &message, int engineCode)
    : EStoreError(message), m_engineCode(engineCode)
{
}

bool EEngineError::isBusy() const
{
    const int primary = m_engineCode & 0xff;
    return primary == 5 /* SQLITE_BUSY */ || primary == 6 /* SQLITE_LOCKED */;
}

bool EEngineError::isDiskFull() const
{
    return (m_engineCode & 0xff) == 13 /* SQLITE_FULL */;
}

EUnableToObtainID::EUnableToObtainID() : EStoreError(loc::text("Cannot create unique ID")) {}

} // namespace store
