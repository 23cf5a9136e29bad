#pragma once

#include <QDialog>

class QGroupBox;
class QListWidget;
class QPushButton;

namespace reports {

// The sections of the account report, one bit each, in the dialogue's order.
enum ReportSection : quint8 {
    CustomerDetails = 1,
    KeyHolders = 2, // with the exception-handling block
    CustomerNotes = 4,
    SpecialInstructions = 8,
    ZoneInformation = 16,
    AreaInformation = 32,
    UserInformation = 64,
    EventHandling = 128,
};
constexpr quint8 AllSections = 255;

// "Report Options": which sections of the account report to print.
class TfrmReportOptions : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmReportOptions(QWidget *parent = nullptr);

    // Shows the dialogue modally. On OK returns true with one bit per item
    // (ticked sets it, unticked clears it); on Cancel returns false and
    // leaves options alone.
    bool GetOptions(quint8 &options);

    // The options the ticked items stand for.
    quint8 selectedOptions() const;

    void retranslateUi();

    QGroupBox *gbInclude;
    QListWidget *clbOptions;
    QPushButton *btnOK;
    QPushButton *btnCancel;

protected:
    void changeEvent(QEvent *event) override;

private:
    void updateOk();
};

} // namespace reports
