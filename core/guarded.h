#pragma once

#include <functional>

namespace core {

// The boundary of every handler of the program: an unexpected failure ends
// the handler and its text is shown as an error box; a quiet abandonment
// (EAbort) ends it without a word. Returns false when fn did not finish.
bool guarded(const std::function<void()> &fn);

} // namespace core
