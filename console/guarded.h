#pragma once

#include "store/guarded.h"

namespace console {

// The console's handlers use the program's one handler boundary.
using store::guarded;

} // namespace console
