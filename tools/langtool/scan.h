#pragma once

#include "catalogue.h"

namespace langtool {

// The English texts passed as string literals to loc::text in one source
// file (adjacent literals joined), each as a message of the unit named after
// the file.
QList<FoundText> scanSource(const QString &unit, const QByteArray &source);

// Every C++ source under the program's subsystem folders of root.
QList<FoundText> scanTree(const QString &root);

// The unit of a source file: its base name ("eventprocessor").
QString unitOf(const QString &path);

} // namespace langtool
