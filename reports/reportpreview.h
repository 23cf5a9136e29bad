#pragma once

class QWidget;

namespace reports {

class BandReport;

struct PreviewOptions
{
    bool maximised = false; // the preview window opens maximised
    bool fitPage = false;   // zoomed so that a whole page shows
};

// Where a report goes when the operator asks for it: a modal print preview
// from which it can be printed. Tests install their own, so that no preview
// window waits for a person.
class ReportPreviewer
{
public:
    virtual ~ReportPreviewer() = default;
    // Returns when the preview has closed.
    virtual void preview(const BandReport &report, QWidget *parent,
                         const PreviewOptions &options) = 0;
};

// The print preview dialog on an A4 printer set up as the report asks.
class PrintPreviewer : public ReportPreviewer
{
public:
    void preview(const BandReport &report, QWidget *parent,
                 const PreviewOptions &options) override;
};

// The previewer in use; the print preview unless another was installed.
ReportPreviewer &previewer();
// Installs a previewer (nullptr restores the print preview). The caller keeps ownership.
void setPreviewer(ReportPreviewer *previewer);

// Shows the report through the previewer in use.
void previewReport(const BandReport &report, QWidget *parent, const PreviewOptions &options = {});

} // namespace reports
