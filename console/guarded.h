#pragma once

#include "core/guarded.h"

namespace console {

// The console's handlers use the program's one handler boundary.
using core::guarded;

} // namespace console
