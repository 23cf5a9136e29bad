#pragma once

#include <QString>

namespace loc {

// The one lookup every translatable text of the program goes through. The
// argument is the native English text; the result is the text in the chosen
// language (for now always the English text).
QString text(const char *english);

// Tells observer of every English text looked up from now on; nullptr stops
// it. The language tool uses this to collect texts that come from tables.
using TextObserver = void (*)(const char *english);
void setTextObserver(TextObserver observer);

} // namespace loc
