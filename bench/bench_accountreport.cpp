// The account report of a model-7 account (640 zones, 64 areas, 500 users,
// 66 handling rules: 1,270 list rows), every section, from the options OK to
// a finished PDF file. Prints the median of several runs and the page count;
// not a test.
#include "support/accountfixture.h"
#include "pipeline/eventcatalogue.h"
#include "reports/accountreport.h"
#include "store/tdmod.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double median(const std::function<void()> &fn, int runs)
{
    std::vector<double> ms;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer t;
        t.start();
        fn();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    // Text metrics need the GUI font machinery; no window is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    QTemporaryDir dir;
    store::TDMod dm(dir.path());
    dm.PrepareAlias();
    if (!dm.OpenStore())
        return 1;
    dm.setDefaultActionsSource(pipeline::CatalogueDefaultActions);
    addReportAccount(dm, QStringLiteral("7777"), 7);

    const QString pdf = dir.filePath(QStringLiteral("account.pdf"));
    bool ok = true;
    const double whole = median(
        [&] {
            reports::TfrmAccountRep report(dm, QStringLiteral("7777"));
            report.setOptions(255);
            ok = report.exportPdf(pdf) && ok;
        },
        runs);
    reports::TfrmAccountRep report(dm, QStringLiteral("7777"));
    int pages = 0;
    const double layoutOnly =
        median([&] { pages = static_cast<int>(report.report().layout(1200).pages.size()); }, runs);
    std::printf("model-7 account report, options OK to finished PDF: %7.1f ms median of %d "
                "(%d pages, %lld KiB)%s\n",
                whole, runs, pages, static_cast<long long>(QFileInfo(pdf).size() / 1024),
                ok ? "" : " -- the PDF could not be written");
    std::printf("  of which laying out the pages:                  %7.1f ms\n", layoutOnly);
    return ok ? 0 : 1;
}
