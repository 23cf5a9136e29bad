#pragma once

#include "catalogue.h"

#include <QSet>
#include <QWidget>

#include <functional>
#include <memory>

namespace store {
class TDMod;
}

namespace langtool {

// What a window needs to be created offscreen: a fresh store in a
// temporary program folder.
class WalkFixture
{
public:
    WalkFixture();
    ~WalkFixture();
    store::TDMod &dm();
    QString folder() const;
    // A station for the main window: its own program folder and data module,
    // a settings file without a usable port, a receiver that already runs.
    QWidget *mainWindow();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// One window of the program, created for the walk.
struct WindowEntry
{
    std::function<QWidget *(WalkFixture &)> create;
};

// Every window whose texts the language data carry. Add new windows here.
QList<WindowEntry> registeredWindows();

// Calls the program's table-driven text lookups, so that texts that never
// appear as a literal at a loc::text call are seen too.
void exerciseTextTables();

// The form name of a window: its class name without namespace and leading letter.
QString formName(const QObject *window);

// The translatable properties of a window and its named widgets. A value is
// taken only when it is a text the program looked up (captured); widgets
// showing such a text without an objectName are listed in unnamed.
QList<FoundText> walkWindow(QWidget *window, const QSet<QString> &captured, QStringList *unnamed);

} // namespace langtool
