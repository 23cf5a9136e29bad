#include "console/messageboxes.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace console {

QString MessageBoxes::title() const
{
    return m_caption.isEmpty() ? QApplication::applicationName() : m_caption;
}

void MessageBoxes::error(const QString &text)
{
    QMessageBox::critical(m_parent, title(), text);
}

void MessageBoxes::warning(const QString &text)
{
    QMessageBox::warning(m_parent, title(), text);
}

void MessageBoxes::information(const QString &text)
{
    QMessageBox::information(m_parent, title(), text);
}

bool MessageBoxes::confirm(const QString &text)
{
    return QMessageBox::question(m_parent, title(), text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

core::Messages::SaveAnswer MessageBoxes::askToSave(const QString &text)
{
    switch (QMessageBox::question(m_parent, title(), text,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return SaveAnswer::Save;
    case QMessageBox::No:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
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

bool MessageBoxes::inputPassword(const QString &caption, const QString &prompt, QString &value)
{
    bool ok = false;
    const QString entered =
        QInputDialog::getText(m_parent, caption, prompt, QLineEdit::Password, QString(), &ok);
    if (ok)
        value = entered;
    return ok;
}

bool MessageBoxes::openFileName(const QString &caption, const QString &filter,
                                const QString &defaultSuffix, QString &path)
{
    QFileDialog dialog(m_parent, caption, path, filter);
    dialog.setObjectName(QStringLiteral("OpenDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    path = dialog.selectedFiles().first();
    return true;
}

} // namespace console
