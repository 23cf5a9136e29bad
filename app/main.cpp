#include "console/messageboxes.h"
#include "console/settings.h"
#include "console/tmainfrm.h"
#include "core/messages.h"
#include "localization/localizer.h"
#include "localization/texts.h"
#include "localization/ui/localizerui.h"
#include "store/tdmod.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));

    // The saved interface language is applied before any window exists.
    loc::LocalizerOptions options;
    options.settingsPath = console::Settings::defaultPath();
    loc::TLocalizer localizer(options);
    loc::ui::attach(localizer);
    localizer.Initialize();

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
