#include "console/messageboxes.h"
#include "console/tmainfrm.h"
#include "localization/texts.h"
#include "core/messages.h"
#include "store/tdmod.h"

#include <QApplication>

namespace {

// The saved interface language is applied before any window exists; the
// localizer takes this place.
void localizerInitialize() {}

} // namespace

int main(int argc, char *argv[])
{
    localizerInitialize();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));

    console::MessageBoxes boxes;
    core::setMessages(&boxes);

    store::TDMod dm;
    dm.PrepareAlias();
    boxes.setCaption(loc::text("Quorvel Alarm Monitor"));
    dm.DataModuleCreate();

    int result = 0;
    {
        console::TMainFrm window(dm);
        boxes.setParent(&window);
        window.show();
        result = QApplication::exec();
        boxes.setParent(nullptr);
    } // the main window goes before the data module
    core::setMessages(nullptr);
    return result;
}
