#pragma once

#include "store/messages.h"

class QWidget;

namespace console {

// Puts the program's messages in front of the operator as modal boxes.
class MessageBoxes : public store::Messages
{
public:
    explicit MessageBoxes(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    void error(const QString &text) override;
    void warning(const QString &text) override;
    void information(const QString &text) override;
    bool confirm(const QString &text) override;
    bool inputText(const QString &caption, const QString &prompt, QString &value) override;

private:
    QWidget *m_parent;
};

} // namespace console
