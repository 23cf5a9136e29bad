#pragma once

#include <QString>

#include <functional>

namespace console {

// Hands a document or program path (or an address) to the desktop to open,
// as a double-click in the file manager would. The outcome is not reported.
void ShellOpen(const QString &target);

// Replaces the desktop hand-over (tests record instead of opening); an empty
// function restores it.
using ShellOpener = std::function<void(const QString &target)>;
void SetShellOpener(ShellOpener opener);

} // namespace console
