#include "console/messageboxes.h"
#include "console/tmainfrm.h"
#include "core/messages.h"
#include "localization/localizer.h"
#include "localization/texts.h"
#include "localization/ui/localizerui.h"
#include "station/settings.h"
#include "station/station.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // With TZ unset the C library looks at /etc/localtime again on every
    // local-time conversion, and every event takes several. Named once, the
    // zone is read once (a change of zone then needs a restart).
    if (qEnvironmentVariableIsEmpty("TZ"))
        qputenv("TZ", ":/etc/localtime");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));

    // The saved interface language is applied before any window exists.
    loc::LocalizerOptions options;
    options.settingsPath = station::Settings::defaultPath();
    loc::TLocalizer localizer(options);
    loc::ui::attach(localizer);
    localizer.Initialize();

    console::MessageBoxes boxes;
    core::setMessages(&boxes);

    int result = 0;
    {
        station::Station station;
        // The application's title, once the store's folder is set up.
        QObject::connect(&station, &station::Station::stepDone, &station,
                         [&boxes](station::Station::Step step) {
                             if (step == station::Station::Step::StoreSetUp)
                                 boxes.setCaption(loc::text("Quorvel Alarm Monitor"));
                         });
        {
            // The window exists before the start-up, which it takes part in.
            console::TMainFrm window(station);
            station.start();
            boxes.setParent(&window);
            window.show();
            result = QApplication::exec();
            boxes.setParent(nullptr);
        } // the main window goes before the station
        station.stop();
    } // the data module goes with the station
    core::setMessages(nullptr);
    return result;
}
