#pragma once

#include "mail/commsettings.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace mail::ui {

// "Communication Setup": the receiver's listening port and the e-mail
// account. The receiver log switch acts at the moment of the click, whatever
// button closes the dialog; OK hands back the five texts as they stand and
// Cancel changes nothing. The caller opens it modally and, after OK, takes
// settings() and listens on the new port.
class TComSetupFrm : public QDialog
{
    Q_OBJECT
public:
    using LogSwitch = std::function<void(bool on)>;

    // current: the settings shown; receiverLogOn: whether the receiver log
    // is on now; setReceiverLog: switches it (e.g. ReceiverLink::setLogReceiverMessages).
    TComSetupFrm(const CommSettings &current, bool receiverLogOn, LogSwitch setReceiverLog,
                 QWidget *parent = nullptr);

    // The five field texts, as they stand.
    CommSettings settings() const;
    // After OK: whether the port text differs from the one shown at opening.
    bool portChanged() const;

    QLineEdit *edPort, *edHost, *edUserName, *edPassword, *edSenderAdd;
    QCheckBox *cbLogMessages;
    QPushButton *btnOK, *btnCancel;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    CommSettings m_shown;
    LogSwitch m_setReceiverLog;
    QGroupBox *m_portGroup, *m_emailGroup;
    QLabel *m_lbPort, *m_lbHost, *m_lbUserName, *m_lbPassword, *m_lbSender;
};

} // namespace mail::ui
