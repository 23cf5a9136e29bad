#pragma once

#include <QString>

namespace mail {

// The five "Communication" settings as the main window holds them: the
// receiver's listening port and the e-mail account. Texts as entered.
struct CommSettings
{
    QString Port;
    QString EmailHost;
    QString EmailUserName;
    QString EmailPassword;
    QString EmailSender;

    bool operator==(const CommSettings &) const = default;
};

} // namespace mail
