#pragma once

#include <QIcon>

namespace console {

// The program's own icon: the main window's, the About box's, and every
// window's that has none of its own.
QIcon programIcon();

} // namespace console
