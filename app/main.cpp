#include "console/messageboxes.h"
#include "console/tmainfrm.h"
#include "core/messages.h"
#include "localization/texts.h"
#include "station/station.h"

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
