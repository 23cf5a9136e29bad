#pragma once

#include <functional>

namespace console {

// The boundary of every handler of the console: an unexpected failure ends
// the handler and its text is shown as an error box; a quiet abandonment
// (store::EAbort) ends it without a word. Returns false when fn did not finish.
bool guarded(const std::function<void()> &fn);

} // namespace console
