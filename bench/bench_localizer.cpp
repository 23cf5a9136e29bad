// The localizer's costs: its start-up with Hungarian chosen and the language
// module in step (the language list, the native data, the translation and
// the module read), and a switch with the main window, the account manager
// and the history viewer open (the module made, every open window
// translated). Uses the Hungarian file the build made, or a translation of
// every text when there is none. Prints medians; not a test.
#include "support/langfixture.h"
#include "support/stationfixture.h"

#include "accounts/taccviewfrm.h"
#include "console/operatorsession.h"
#include "console/pendingpanel.h"
#include "console/tmainfrm.h"
#include "station/station.h"
#include "localization/localizer.h"
#include "localization/ui/localizerui.h"
#include "reports/thistoryfrm.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

double elapsedMs(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    StationFixture s;
    const QString lng = QDir(s.programFolder()).filePath(QStringLiteral("quorvel-monitor.HUN.lng"));
    const QString shipped = QStringLiteral(QUORVEL_BUILD_DIR "/app/quorvel-monitor.HUN.lng");
    if (QFile::exists(shipped))
        QFile::copy(shipped, lng);
    else
        langtest::writeFile(lng, langtest::markedFile());
    std::printf("translation: %s\n", QFile::exists(shipped) ? "shipped" : "every text, generated");

    // Start-up: Hungarian stored, the module in step.
    {
        auto l = langtest::makeLocalizer(s.programFolder(), s.settingsPath());
        l->Initialize();
        l->SwitchLanguage(1038);
    }
    std::vector<double> starts;
    for (int i = 0; i < 25; ++i) {
        QElapsedTimer t;
        t.start();
        auto l = langtest::makeLocalizer(s.programFolder(), s.settingsPath());
        l->Initialize();
        starts.push_back(elapsedMs(t));
        if (l->currentLanguage() != 1038 || l->modulesGenerated() != 0)
            std::printf("unexpected: language %d, %d module(s) made\n", l->currentLanguage(), l->modulesGenerated());
    }
    std::printf("start-up with Hungarian and its module: median %.2f ms (target < 30 ms)\n", median(starts));

    // A switch with three windows open, English and Hungarian in turn; the
    // module is made afresh every time.
    auto l = langtest::makeLocalizer(s.programFolder(), s.settingsPath());
    loc::ui::attach(*l);
    l->reportError = [](const QString &m) { std::printf("error: %s\n", qPrintable(m)); };
    l->Initialize();
    l->SwitchLanguage(9);
    console::TMainFrm &w = s.start();
    w.show();
    accounts::TAccViewFrm manager(s.dm());
    manager.show();
    reports::THistoryFrm history(s.dm());
    history.show();
    QTest::qWait(200);
    std::vector<double> toHungarian, toEnglish;
    for (int i = 0; i < 15; ++i) {
        QFile::remove(l->modulePath(1038));
        QElapsedTimer t;
        t.start();
        l->SwitchLanguage(1038);
        toHungarian.push_back(elapsedMs(t));
        QCoreApplication::processEvents();
        t.restart();
        l->SwitchLanguage(9);
        toEnglish.push_back(elapsedMs(t));
        QCoreApplication::processEvents();
    }
    std::printf("switch to Hungarian (module made, 3 windows): median %.2f ms (target < 150 ms)\n",
                median(toHungarian));
    std::printf("switch back to English (3 windows): median %.2f ms (target < 150 ms)\n", median(toEnglish));
    history.close();
    manager.close();
    s.stop();
    return 0;
}
