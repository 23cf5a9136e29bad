#pragma once

#include <QPrintPreviewDialog>
#include <QString>

#include <functional>

class QAction;
class QPrinter;
class QWidget;

namespace reports {

class BandReport;

struct PreviewOptions
{
    bool maximised = true; // the preview window opens maximised
    bool fitPage = true;   // zoomed so that a whole page shows
    // Sets the report's texts again in the language in use, in place; none
    // when the report looks its texts up as it is drawn.
    std::function<void()> retranslate;
};

// Where a report goes when the operator asks for it: a modal print preview
// from which it can be printed or saved. Tests install their own, so that no
// preview window waits for a person.
class ReportPreviewer
{
public:
    virtual ~ReportPreviewer() = default;
    // Returns when the preview has closed.
    virtual void preview(const BandReport &report, QWidget *parent,
                         const PreviewOptions &options) = 0;
};

// The print preview dialog on an A4 printer set up as the report asks, with
// "Save as PDF..." beside its printing.
class PrintPreviewer : public ReportPreviewer
{
public:
    void preview(const BandReport &report, QWidget *parent,
                 const PreviewOptions &options) override;
};

// The print preview window of a report, with "Save as PDF..." beside its
// printing. A language change draws the pages again.
class TReportPreview : public QPrintPreviewDialog
{
    Q_OBJECT
public:
    TReportPreview(const BandReport &report, QPrinter *printer, QWidget *parent = nullptr,
                   std::function<void()> retranslateReport = {});

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    const BandReport &m_report;
    std::function<void()> m_retranslateReport;
    QAction *m_save;
};

// The previewer in use; the print preview unless another was installed.
ReportPreviewer &previewer();
// Installs a previewer (nullptr restores the print preview). The caller keeps ownership.
void setPreviewer(ReportPreviewer *previewer);

// Shows the report through the previewer in use.
void previewReport(const BandReport &report, QWidget *parent, const PreviewOptions &options = {});

// Asks where a saved report goes; an empty answer means the operator
// cancelled. suggested is a full path with the report's title as file name.
using SaveFileChooser = std::function<QString(QWidget *parent, const QString &suggested)>;
// Installs the question (an empty function restores the file dialog).
void setSaveFileChooser(SaveFileChooser chooser);

// "Save as PDF...": asks for a file and writes the report there. An error
// box says why when the file cannot be written; a file already there is
// replaced only once the new one is complete. False when nothing was saved.
bool saveReportAsPdf(const BandReport &report, QWidget *parent);

} // namespace reports
