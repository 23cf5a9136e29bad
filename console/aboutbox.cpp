#include "console/aboutbox.h"

#include "console/formattext.h"
#include "console/programicon.h"
#include "localization/texts.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace console {

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent), m_productName(new QLabel(this)), m_version(new QLabel(this))
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(loc::text("About"));
    setModal(true);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setPixmap(programIcon().pixmap(48, 48));

    m_productName->setObjectName(QStringLiteral("ProductName"));
    m_productName->setText(loc::text("Quorvel Alarm\r\nMonitor")
                               .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QFont big = m_productName->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    m_productName->setFont(big);

    m_version->setObjectName(QStringLiteral("Version"));
    m_version->setText(formatText(loc::text("Version %s - %s"),
                                  {QLatin1String(kVersion), QLatin1String(kVersionDate)}));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QGridLayout(this);
    layout->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(m_productName, 0, 1);
    layout->addWidget(m_version, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2, Qt::AlignCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace console
