#include "reports/reportpreview.h"

#include "localization/texts.h"
#include "reports/bandreport.h"
#include "reports/handlers.h"
#include "core/messages.h"

#include <QAction>
#include <QFileInfo>
#include <QDir>
#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStandardPaths>
#include <QToolBar>

#include <algorithm>

namespace reports {

namespace {

ReportPreviewer *g_previewer = nullptr;

SaveFileChooser &saveFileChooser()
{
    static SaveFileChooser chooser;
    return chooser;
}

QString askForFile(QWidget *parent, const QString &suggested)
{
    if (saveFileChooser())
        return saveFileChooser()(parent, suggested);
    return QFileDialog::getSaveFileName(parent, loc::text("Save as PDF"), suggested,
                                        loc::text("PDF files (*.pdf)"));
}

// The report's title as a file name in the operator's documents folder.
QString suggestedPath(const BandReport &report)
{
    QString name = report.title().trimmed();
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    if (name.isEmpty())
        name = QStringLiteral("Report");
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

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

    auto *save = new QAction(loc::text("Save as PDF..."), &dialog);
    save->setObjectName(QStringLiteral("actSaveAsPdf"));
    save->setToolTip(loc::text("Save the report as a PDF file"));
    QObject::connect(save, &QAction::triggered, &dialog,
                     [&report, &dialog]() { saveReportAsPdf(report, &dialog); });
    if (auto *toolbar = dialog.findChild<QToolBar *>()) {
        toolbar->addSeparator();
        toolbar->addAction(save);
    } else {
        dialog.addAction(save);
    }

    if (options.maximised)
        dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    if (options.fitPage) {
        // Through the dialog's own action, so its zoom buttons show the mode.
        const QList<QAction *> actions = dialog.findChildren<QAction *>();
        auto fit = std::find_if(actions.begin(), actions.end(), [](const QAction *a) {
            return a->objectName() == QLatin1String("fitPageAction");
        });
        if (fit != actions.end())
            (*fit)->trigger();
        else if (auto *view = dialog.findChild<QPrintPreviewWidget *>())
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

void setSaveFileChooser(SaveFileChooser chooser)
{
    saveFileChooser() = std::move(chooser);
}

bool saveReportAsPdf(const BandReport &report, QWidget *parent)
{
    QString path = askForFile(parent, suggestedPath(report));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    QString reason;
    if (!report.exportPdf(path, &reason)) {
        core::messages().error(
            fillPlaces(loc::text("The report could not be saved. %s"), {reason}));
        return false;
    }
    return true;
}

} // namespace reports
