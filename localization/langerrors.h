#pragma once

#include <QString>

#include <stdexcept>

namespace loc {

// Errors of the language store, language data, compression and resource
// records. Each carries the text the operator sees.
class ELocError : public std::runtime_error
{
public:
    explicit ELocError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// A language file or data set that cannot be read.
class ELangFileError : public ELocError
{
    using ELocError::ELocError;
};

// The built-in store resource is damaged.
class ELocalizerError : public ELocError
{
    using ELocError::ELocError;
};

// An LZQ stream that cannot be decoded.
class ECompressError : public ELocError
{
    using ELocError::ELocError;
};

// A resource module without a valid settings record.
class EInvalidResLibrary : public ELocError
{
    using ELocError::ELocError;
};

namespace msg {
// The operator-facing texts of these errors.
QString invalidFileFormat();
QString needNewerTool();
QString invalidLangsResource();
QString wrongStreamFormat();
QString sourceNotDefined();
QString destinationNotDefined();
QString invalidLocStorage();
QString invalidIndex();
QString invalidResourceFile(const QString &modulePath);
} // namespace msg

} // namespace loc
