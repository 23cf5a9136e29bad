#pragma once

#include "localization/locstorage.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace langtool {

// Qt Linguist files for translators. A message's id is "C" and a constant's
// identifier, or "P" and a property's; its context is the unit or form; the
// element extra-loc-version holds the version of the English source, and
// extra-loc-oldversion the version an out-of-date translation was made from.

// The native texts of store as a translation file for locale (e.g. "hu_HU").
// Translations of a previous file are kept: unchanged sources as they were,
// changed sources as unfinished with their old source and version.
QByteArray exportTs(const loc::TLocStorage &store, const QString &locale,
                    const QByteArray &previous = {});

struct Compiled
{
    QByteArray file;       // the language file, LZQ-packed
    QString fileName;      // quorvel-monitor.<ABBR>.lng
    int translated = 0;
    QStringList problems;  // ids that no longer exist, unreadable parts
};

// A translated file as a language file for the program whose native texts
// are in store (its additional columns are dropped). Finished translations
// take their source's version; unfinished ones are taken only when they carry
// an old version.
Compiled compileTs(loc::TLocStorage &store, const QByteArray &ts);

} // namespace langtool
