#pragma once

#include <QString>

namespace loc {

// Names of 16-bit language identifiers (the low word of a locale identifier).
QString englishLanguageName(quint16 language);
QString nativeLanguageName(quint16 language);
// The three-letter abbreviation used in language file names (ENU, HUN).
QString languageAbbreviation(quint16 language);
// The identifier whose abbreviation is abbr (any letter case), 0 when none.
quint16 languageFromAbbreviation(const QString &abbr);

} // namespace loc

namespace loc {
// The identifier of a locale such as "hu_HU" or "de", 0 when unknown.
quint16 languageFromLocaleName(const QString &name);
} // namespace loc
