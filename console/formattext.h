#pragma once

#include <QString>
#include <QStringList>

namespace console {

// loc::format with text arguments, for the console's callers.
QString formatText(const QString &format, const QStringList &args);

} // namespace console
