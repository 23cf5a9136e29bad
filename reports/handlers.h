#pragma once

#include <QString>
#include <QStringList>

namespace reports {

// Puts the values into the "%s" places of a text, in order; "%%" is a
// percent sign. Values are not searched for places themselves.
QString fillPlaces(const QString &format, const QStringList &values);

} // namespace reports
