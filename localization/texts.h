#pragma once

#include <QHash>
#include <QString>

#include <memory>

namespace loc {

// The one lookup every translatable text of the program goes through. The
// argument is the native English text; the result is the text in the
// language now in use (the English text itself when none is chosen or the
// text has no translation).
QString text(const char *english);

// Marks an English text for the language data where the program looks it up
// later through a variable (tables of captions); it returns the text as is.
constexpr const char *noop(const char *english)
{
    return english;
}

// Tells observer of every English text looked up from now on; nullptr stops
// it. The language tool uses this to collect texts that come from tables.
using TextObserver = void (*)(const char *english);
void setTextObserver(TextObserver observer);

// The translations text() answers with, by English text; nullptr: English.
// The localizer installs the string table of the language in use.
using TextTable = QHash<QString, QString>;
void setTextTable(std::shared_ptr<const TextTable> table);
std::shared_ptr<const TextTable> textTable();

} // namespace loc
