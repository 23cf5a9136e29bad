#pragma once

#include <QString>
#include <QStringList>

namespace console {

// Fills the "%s" and "%d" / "%.3d" places of a translatable format, in order,
// with args ("%.3d" pads its number to three digits). "%%" is a percent sign.
QString formatText(const QString &format, const QStringList &args);

} // namespace console
