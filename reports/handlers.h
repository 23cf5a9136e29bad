#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace reports {

// The boundary of the viewer's handlers: a failure ends the handler, its text
// goes to the operator's error box and the window stays open; a quiet
// abandonment ends it without a word. Returns false when fn did not finish.
bool guardedHandler(const std::function<void()> &fn);

// Puts the values into the "%s" places of a text, in order; "%%" is a
// percent sign. Values are not searched for places themselves.
QString fillPlaces(const QString &format, const QStringList &values);

} // namespace reports
