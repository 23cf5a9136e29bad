#include "console/messageboxes.h"
#include "store/tdmod.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvel Alarm Monitor"));

    console::MessageBoxes boxes;
    store::setMessages(&boxes);

    store::TDMod dmod;
    dmod.PrepareAlias();
    dmod.DataModuleCreate();

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Quorvel Alarm Monitor - V2.16"));
    window.resize(800, 600);
    boxes.setParent(&window);
    dmod.setNotifyTarget(&window);
    window.setCentralWidget(new QLabel(QStringLiteral("Status: Monitoring..."), &window));
    window.show();
    dmod.OpenStore();

    return app.exec();
}
