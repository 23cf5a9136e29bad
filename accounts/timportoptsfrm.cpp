#include "accounts/timportoptsfrm.h"

#include "accounts/panelfile/panelfile.h"
#include "localization/texts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace accounts {

TImportOptsFrm::TImportOptsFrm(int options, int panelType, QWidget *parent)
    : QDialog(parent), m_group(new QGroupBox(this)), m_zone(new QCheckBox(m_group)),
      m_area(new QCheckBox(m_group)), m_user(new QCheckBox(m_group))
{
    setObjectName(QStringLiteral("ImportOptsFrm"));
    setModal(true);
    m_group->setObjectName(QStringLiteral("gbOptions"));
    m_zone->setObjectName(QStringLiteral("cbZoneText"));
    m_area->setObjectName(QStringLiteral("cbAreaText"));
    m_user->setObjectName(QStringLiteral("cbUserNames"));

    auto *ticks = new QVBoxLayout(m_group);
    for (QCheckBox *cb : {m_zone, m_area, m_user}) {
        ticks->addWidget(cb);
        connect(cb, &QCheckBox::toggled, this, &TImportOptsFrm::updateOk);
    }

    // Buttons of our own: a box resets the texts of its standard buttons to
    // the toolkit's on every language change.
    auto *buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    m_ok->setObjectName(QStringLiteral("btnOK"));
    m_cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The older models keep no area texts in their memory.
    m_area->setEnabled(panelType > 3);
    m_zone->setChecked(options & ImportZoneText);
    m_area->setChecked((options & ImportAreaText) && m_area->isEnabled());
    m_user->setChecked(options & ImportUserNames);
    retranslateUi();
    updateOk();
}

int TImportOptsFrm::options() const
{
    return (m_zone->isChecked() ? ImportZoneText : 0) |
           (m_area->isChecked() && m_area->isEnabled() ? ImportAreaText : 0) |
           (m_user->isChecked() ? ImportUserNames : 0);
}

bool TImportOptsFrm::GetOptions(int &options)
{
    if (exec() != QDialog::Accepted || this->options() == 0)
        return false;
    options = this->options();
    return true;
}

void TImportOptsFrm::updateOk()
{
    m_ok->setEnabled(options() != 0);
}

void TImportOptsFrm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void TImportOptsFrm::retranslateUi()
{
    setWindowTitle(loc::text("Import Options"));
    m_group->setTitle(loc::text("Options"));
    m_zone->setText(loc::text("Zone Text"));
    m_area->setText(loc::text("Area Text"));
    m_user->setText(loc::text("User Names"));
    m_ok->setText(loc::text("OK"));
    m_cancel->setText(loc::text("Cancel"));
}

} // namespace accounts
