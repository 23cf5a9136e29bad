#pragma once

#include "core/messages.h"

#include <QString>

class QWidget;

namespace console {

// Puts the program's messages in front of the operator as modal boxes.
class MessageBoxes : public core::Messages
{
public:
    explicit MessageBoxes(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    // The application title, shown as every box's caption.
    void setCaption(const QString &caption) { m_caption = caption; }

    void error(const QString &text) override;
    void warning(const QString &text) override;
    void information(const QString &text) override;
    bool confirm(const QString &text) override;
    bool inputText(const QString &caption, const QString &prompt, QString &value) override;
    bool inputPassword(const QString &caption, const QString &prompt, QString &value) override;
    bool openFileName(const QString &caption, const QString &filter, const QString &defaultSuffix,
                      QString &path) override;
    SaveAnswer askToSave(const QString &text) override;

private:
    QString title() const;

    QWidget *m_parent;
    QString m_caption;
};

} // namespace console
