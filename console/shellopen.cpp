#include "console/shellopen.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace console {

namespace {

ShellOpener &opener()
{
    static ShellOpener current;
    return current;
}

} // namespace

void ShellOpen(const QString &target)
{
    if (opener()) {
        opener()(target);
        return;
    }
    // A plain path is a local file, relative ones from the current folder;
    // anything with a scheme ("http:", "file:") is taken as it stands.
    QDesktopServices::openUrl(
        QUrl::fromUserInput(target, QDir::currentPath(), QUrl::AssumeLocalFile));
}

void SetShellOpener(ShellOpener newOpener)
{
    opener() = std::move(newOpener);
}

} // namespace console
