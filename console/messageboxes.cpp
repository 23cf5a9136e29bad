#include "console/messageboxes.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace console {

namespace {
QString caption()
{
    return QApplication::applicationDisplayName();
}
} // namespace

void MessageBoxes::error(const QString &text)
{
    QMessageBox::critical(m_parent, caption(), text);
}

void MessageBoxes::warning(const QString &text)
{
    QMessageBox::warning(m_parent, caption(), text);
}

void MessageBoxes::information(const QString &text)
{
    QMessageBox::information(m_parent, caption(), text);
}

bool MessageBoxes::confirm(const QString &text)
{
    return QMessageBox::question(m_parent, caption(), text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool MessageBoxes::inputText(const QString &caption, const QString &prompt, QString &value)
{
    bool ok = false;
    const QString entered =
        QInputDialog::getText(m_parent, caption, prompt, QLineEdit::Normal, value, &ok);
    if (ok)
        value = entered;
    return ok;
}

} // namespace console
