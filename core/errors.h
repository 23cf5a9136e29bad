#pragma once

#include <QString>
#include <stdexcept>

namespace core {

// Base of the program's expected failures. The text is what the operator sees.
class Error : public std::runtime_error
{
public:
    explicit Error(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    QString message() const { return m_message; }

private:
    QString m_message;
};

// A quiet abandonment: the action ends, and no message is shown for it.
class EAbort : public std::exception
{
public:
    const char *what() const noexcept override { return "Operation aborted"; }
};

} // namespace core
