#include "console/aboutbox.h"

#include "console/programicon.h"
#include "localization/format.h"
#include "localization/texts.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace console {

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent), m_productName(new QLabel(this)), m_version(new QLabel(this))
{
    setObjectName(QStringLiteral("AboutBox"));
    setModal(true);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setPixmap(programIcon().pixmap(48, 48));

    m_productName->setObjectName(QStringLiteral("ProductName"));
    QFont big = m_productName->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    m_productName->setFont(big);

    m_version->setObjectName(QStringLiteral("Version"));

    // A button of our own: a box resets the texts of its standard buttons
    // to the toolkit's on every language change.
    auto *buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("OKButton"));
    m_ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QGridLayout(this);
    layout->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(m_productName, 0, 1);
    layout->addWidget(m_version, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2, Qt::AlignCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    retranslateUi();
}

void TAboutBox::retranslateUi()
{
    setWindowTitle(loc::text("About"));
    m_ok->setText(loc::text("OK"));
    m_productName->setText(loc::text("Quorvel Alarm\r\nMonitor")
                               .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_version->setText(
        loc::format(loc::text("Version %s - %s"),
                    {QString::fromLatin1(kVersion), QString::fromLatin1(kVersionDate)}));
}

void TAboutBox::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
}

} // namespace console
