#include "console/logon.h"

#include "localization/texts.h"
#include "core/messages.h"
#include "store/table.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QEvent>
#include <QFontMetrics>
#include <QVBoxLayout>
#include <algorithm>

namespace console {

TLogOnFrm::TLogOnFrm(store::Table &operators, const QString &lastOperator, QWidget *parent)
    : QDialog(parent), m_userList(new QComboBox(this)), m_password(new QLineEdit(this))
{
    setObjectName(QStringLiteral("LogOnFrm"));
    setWindowTitle(loc::text("Operator Log On"));
    setModal(true);

    auto *nameLabel = new QLabel(loc::text("Operator Name"), this);
    nameLabel->setObjectName(QStringLiteral("lbName"));
    m_userList->setObjectName(QStringLiteral("UserList"));
    m_userList->setEditable(true);
    m_userList->setInsertPolicy(QComboBox::NoInsert);
    m_userList->lineEdit()->setMaxLength(25);
    m_userList->setMinimumWidth(230);
    nameLabel->setBuddy(m_userList);

    auto *passwordLabel = new QLabel(loc::text("Password:"), this);
    passwordLabel->setObjectName(QStringLiteral("lbPassword"));
    m_password->setObjectName(QStringLiteral("Password"));
    m_password->setMaxLength(16);
    m_password->setEchoMode(QLineEdit::Password);
    passwordLabel->setBuddy(m_password);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKBtn"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(nameLabel);
    layout->addWidget(m_userList);
    layout->addWidget(passwordLabel);
    layout->addWidget(m_password);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    QEvent fit(QEvent::WindowTitleChange);
    changeEvent(&fit);

    // Read without moving the shared cursor.
    if (operators.isOpen()) {
        const int nameField = operators.fieldIndex(QStringLiteral("UserName"));
        for (int i = 0; i < operators.recordCount(); ++i)
            m_userList->addItem(operators.recordAt(i).value(nameField).toString());
    }
    m_userList->setCurrentIndex(-1);
    if (!lastOperator.isEmpty())
        m_userList->setEditText(lastOperator);
}

int TLogOnFrm::captionWidth(const QString &caption, const QFont &font)
{
    // Title bars commonly set the caption in bold, beside an icon and three
    // buttons.
    QFont bold = font;
    bold.setBold(true);
    constexpr int kIconAndButtons = 150;
    return QFontMetrics(bold).horizontalAdvance(caption) + kIconAndButtons;
}

void TLogOnFrm::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if ((event->type() != QEvent::WindowTitleChange && event->type() != QEvent::FontChange) ||
        !layout())
        return;
    // The passcode steps differ only in their caption's end: it must show whole.
    const QMargins margins = layout()->contentsMargins();
    m_userList->setMinimumWidth(std::max(
        230, captionWidth(windowTitle(), font()) - margins.left() - margins.right()));
    adjustSize();
}

void TLogOnFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_password->isEnabled())
        m_password->setFocus();
}

bool TLogOnFrm::Execute(QString &name, QString &password)
{
    if (parentWidget()) {
        // Centred on the main window.
        adjustSize();
        move(parentWidget()->geometry().center() - rect().center());
    }
    if (exec() != QDialog::Accepted)
        return false;
    name = m_userList->currentText();
    password = m_password->text();
    return true;
}

OperatorCheck checkOperator(store::Table &operators, const QString &name, const QString &password)
{
    if (!operators.findKey(name))
        return OperatorCheck::NameNotFound;
    // Exact, character for character.
    if (operators.field(QStringLiteral("Password")).asString() != password)
        return OperatorCheck::WrongPassword;
    return OperatorCheck::Accepted;
}

void reportRefusal(OperatorCheck check)
{
    if (check == OperatorCheck::NameNotFound)
        core::messages().error(loc::text("User Name not found !"));
    else if (check == OperatorCheck::WrongPassword)
        core::messages().error(loc::text("Incorrect Passcode ! - Please enter correct Password"));
}

} // namespace console
