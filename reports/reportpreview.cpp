#include "reports/reportpreview.h"

#include "reports/bandreport.h"

#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

namespace reports {

namespace {

ReportPreviewer *g_previewer = nullptr;

} // namespace

void PrintPreviewer::preview(const BandReport &report, QWidget *parent,
                             const PreviewOptions &options)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(report.pageLayout());
    printer.setDocName(report.title());
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("ReportPreview"));
    dialog.setWindowTitle(report.title());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&report](QPrinter *target) { report.print(*target); });
    if (options.maximised)
        dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    if (options.fitPage) {
        if (auto *view = dialog.findChild<QPrintPreviewWidget *>())
            view->fitInView();
    }
    dialog.exec();
}

ReportPreviewer &previewer()
{
    static PrintPreviewer printPreview;
    return g_previewer ? *g_previewer : printPreview;
}

void setPreviewer(ReportPreviewer *previewer)
{
    g_previewer = previewer;
}

void previewReport(const BandReport &report, QWidget *parent, const PreviewOptions &options)
{
    previewer().preview(report, parent, options);
}

} // namespace reports
