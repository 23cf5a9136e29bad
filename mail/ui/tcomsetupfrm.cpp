#include "mail/ui/tcomsetupfrm.h"

#include "localization/texts.h"

#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mail::ui {

TComSetupFrm::TComSetupFrm(const CommSettings &current, bool receiverLogOn,
                           LogSwitch setReceiverLog, QWidget *parent)
    : QDialog(parent), m_shown(current), m_setReceiverLog(std::move(setReceiverLog))
{
    setObjectName(QStringLiteral("ComSetupFrm"));
    setModal(true);

    auto lineEdit = [this](const char *name, const QString &text) {
        auto *ed = new QLineEdit(text, this);
        ed->setObjectName(QString::fromLatin1(name));
        ed->setMinimumWidth(220);
        return ed;
    };
    edPort = lineEdit("edPort", current.Port);
    edPort->setMinimumWidth(80);
    edPort->setMaximumWidth(100);
    edHost = lineEdit("edHost", current.EmailHost);
    edUserName = lineEdit("edUserName", current.EmailUserName);
    edPassword = lineEdit("edPassword", current.EmailPassword);
    edPassword->setEchoMode(QLineEdit::Password);
    edPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    edSenderAdd = lineEdit("edSenderAdd", current.EmailSender);

    cbLogMessages = new QCheckBox(this);
    cbLogMessages->setObjectName(QStringLiteral("cbLogMessages"));
    cbLogMessages->setChecked(receiverLogOn);
    // Acts at once: the log follows the tick, whichever button closes the dialog.
    connect(cbLogMessages, &QCheckBox::clicked, this, [this](bool checked) {
        if (m_setReceiverLog)
            m_setReceiverLog(checked);
    });

    m_portGroup = new QGroupBox(this);
    m_portGroup->setObjectName(QStringLiteral("gbPort"));
    m_lbPort = new QLabel(this);
    m_lbPort->setObjectName(QStringLiteral("lbPort"));
    m_lbPort->setBuddy(edPort);
    auto *portRow = new QHBoxLayout;
    portRow->addWidget(m_lbPort);
    portRow->addWidget(edPort);
    portRow->addSpacing(24);
    portRow->addWidget(cbLogMessages);
    portRow->addStretch();
    m_portGroup->setLayout(portRow);

    m_emailGroup = new QGroupBox(this);
    m_emailGroup->setObjectName(QStringLiteral("gbEmail"));
    auto *form = new QFormLayout;
    auto label = [this](QLineEdit *buddy) {
        auto *lb = new QLabel(this);
        lb->setBuddy(buddy);
        return lb;
    };
    m_lbHost = label(edHost);
    m_lbUserName = label(edUserName);
    m_lbPassword = label(edPassword);
    m_lbSender = label(edSenderAdd);
    m_lbHost->setObjectName(QStringLiteral("lbHost"));
    m_lbUserName->setObjectName(QStringLiteral("lbUserName"));
    m_lbPassword->setObjectName(QStringLiteral("lbPassword"));
    m_lbSender->setObjectName(QStringLiteral("lbSender"));
    form->addRow(m_lbHost, edHost);
    form->addRow(m_lbUserName, edUserName);
    form->addRow(m_lbPassword, edPassword);
    form->addRow(m_lbSender, edSenderAdd);
    m_emailGroup->setLayout(form);

    btnOK = new QPushButton(this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnCancel = new QPushButton(this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_portGroup);
    layout->addWidget(m_emailGroup);
    layout->addLayout(buttons);
    // A fixed-size dialog; as a child of the main window it opens centred on it.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    retranslateUi();
}

CommSettings TComSetupFrm::settings() const
{
    return {edPort->text(), edHost->text(), edUserName->text(), edPassword->text(),
            edSenderAdd->text()};
}

bool TComSetupFrm::portChanged() const
{
    return edPort->text() != m_shown.Port;
}

void TComSetupFrm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void TComSetupFrm::retranslateUi()
{
    setWindowTitle(loc::text("Communication Setup"));
    m_portGroup->setTitle(loc::text("Rovask Port "));
    m_lbPort->setText(loc::text("TCP Port:"));
    cbLogMessages->setText(loc::text("Log Rovask Messages"));
    m_emailGroup->setTitle(loc::text("Email Settings"));
    m_lbHost->setText(loc::text("Email Server (SMTP):"));
    m_lbUserName->setText(loc::text("Account User Name:"));
    m_lbPassword->setText(loc::text("Account Password:"));
    m_lbSender->setText(loc::text("Senders Email Address:"));
    btnOK->setText(loc::text("OK"));
    btnCancel->setText(loc::text("Cancel"));
}

} // namespace mail::ui
