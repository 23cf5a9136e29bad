#include "reports/reportpreview.h"

#include "localization/texts.h"
#include "reports/bandreport.h"
#include "localization/format.h"
#include "core/messages.h"

#include <QAction>
#include <QEvent>
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
    TReportPreview dialog(report, &printer, parent, options.retranslate);

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

TReportPreview::TReportPreview(const BandReport &report, QPrinter *printer, QWidget *parent,
                               std::function<void()> retranslateReport)
    : QPrintPreviewDialog(printer, parent), m_report(report),
      m_retranslateReport(std::move(retranslateReport)), m_save(new QAction(this))
{
    setObjectName(QStringLiteral("ReportPreview"));
    connect(this, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *target) { m_report.print(*target); });

    m_save->setObjectName(QStringLiteral("actSaveAsPdf"));
    connect(m_save, &QAction::triggered, this, [this]() { saveReportAsPdf(m_report, this); });
    if (auto *toolbar = findChild<QToolBar *>()) {
        toolbar->addSeparator();
        toolbar->addAction(m_save);
    } else {
        addAction(m_save);
    }
    retranslateUi();
}

void TReportPreview::retranslateUi()
{
    setWindowTitle(m_report.title());
    m_save->setText(loc::text("Save as PDF..."));
    m_save->setToolTip(loc::text("Save the report as a PDF file"));
}

void TReportPreview::changeEvent(QEvent *event)
{
    QPrintPreviewDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    if (m_retranslateReport)
        m_retranslateReport();
    retranslateUi();
    // The pages are drawn again, so the report's own texts follow too.
    if (auto *view = findChild<QPrintPreviewWidget *>())
        view->updatePreview();
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
            loc::format(loc::text("The report could not be saved. %s"), {reason}));
        return false;
    }
    return true;
}

} // namespace reports
