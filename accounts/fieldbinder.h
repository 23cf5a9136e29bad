#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QTimeEdit;
class QWidget;

namespace store {
class Table;
}

namespace accounts {

// Keeps edit widgets and the fields of a table cursor's current row
// together: the widgets show the row (or its unsaved values), and what the
// operator types starts an edit of the row and goes into its buffer.
class FieldBinder : public QObject
{
    Q_OBJECT
public:
    explicit FieldBinder(store::Table &table, QObject *parent = nullptr);

    void bind(QLineEdit *edit, const QString &field);
    void bind(QPlainTextEdit *edit, const QString &field);
    void bind(QCheckBox *box, const QString &field);
    // values: the stored value of each item of the list, in order.
    void bind(QComboBox *list, const QString &field, const QList<int> &values);
    void bind(QTimeEdit *edit, const QString &field);
    // Shown only, in the given date-time format.
    void bindReadOnly(QLineEdit *edit, const QString &field, std::function<QString()> format);

    // Shows the current row again.
    void load();
    // The widgets bound to fields, for the window's rights.
    QList<QWidget *> widgets() const;

signals:
    // A typed value went into the row's buffer.
    void fieldStored();
    // Typing into a field failed (the row could not be put into edit mode).
    void editFailed();

private:
    struct Binding
    {
        QPointer<QWidget> widget;
        int field;
        std::function<void()> load;
    };
    void store(int field, const QVariant &value);

    store::Table &m_table;
    QList<Binding> m_bindings;
    bool m_loading = false;
    bool m_storing = false;
};

} // namespace accounts
