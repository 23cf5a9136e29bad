#pragma once

#include <QString>

namespace loc {

// The one lookup every translatable text of the program goes through. The
// argument is the native English text; the result is the text in the chosen
// language (for now always the English text).
QString text(const char *english);

} // namespace loc
