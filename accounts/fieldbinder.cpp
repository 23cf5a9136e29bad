#include "accounts/fieldbinder.h"

#include "core/guarded.h"
#include "store/schema.h"
#include "store/table.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTimeEdit>

namespace accounts {

FieldBinder::FieldBinder(store::Table &table, QObject *parent) : QObject(parent), m_table(table)
{
    connect(&m_table, &store::Dataset::currentChanged, this, &FieldBinder::load);
    connect(&m_table, &store::Dataset::dataChanged, this, &FieldBinder::load);
    connect(&m_table, &store::Dataset::stateChanged, this, &FieldBinder::load);
}

void FieldBinder::store(int field, const QVariant &value)
{
    if (m_loading || m_storing)
        return;
    // The edit starting here must not show the row's old values over what
    // is being typed.
    const QScopedValueRollback<bool> storing(m_storing, true);
    const bool ok = core::guarded([&]() {
        if (m_table.state() == store::Dataset::State::Browse)
            m_table.edit();
        m_table.field(field).setValue(value);
    });
    if (!ok) {
        m_storing = false;
        load();
        emit editFailed();
        return;
    }
    emit fieldStored();
}

void FieldBinder::bind(QLineEdit *edit, const QString &name)
{
    const int field = m_table.fieldIndex(name);
    const store::FieldDef &def = m_table.fieldDefs().at(field);
    if (def.type == store::FieldType::Text && def.size > 0)
        edit->setMaxLength(def.size);
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString &t) { store(field, t); });
    m_bindings << Binding{edit, field, [this, edit, field]() {
                              const QString t = m_table.field(field).asString();
                              if (edit->text() != t)
                                  edit->setText(t);
                          }};
}

void FieldBinder::bind(QPlainTextEdit *edit, const QString &name)
{
    const int field = m_table.fieldIndex(name);
    connect(edit, &QPlainTextEdit::textChanged, this,
            [this, edit, field]() { store(field, edit->toPlainText()); });
    m_bindings << Binding{edit, field, [this, edit, field]() {
                              const QString t = m_table.field(field).asString();
                              if (edit->toPlainText() != t)
                                  edit->setPlainText(t);
                          }};
}

void FieldBinder::bind(QCheckBox *box, const QString &name)
{
    const int field = m_table.fieldIndex(name);
    connect(box, &QCheckBox::clicked, this, [this, field](bool on) { store(field, on); });
    m_bindings << Binding{box, field,
                          [this, box, field]() { box->setChecked(m_table.field(field).asBoolean()); }};
}

void FieldBinder::bind(QComboBox *list, const QString &name, const QList<int> &values)
{
    const int field = m_table.fieldIndex(name);
    connect(list, &QComboBox::activated, this, [this, field, values](int index) {
        if (index >= 0 && index < values.size())
            store(field, values[index]);
    });
    m_bindings << Binding{list, field, [this, list, field, values]() {
                              // An unset value reads as 0, as everywhere.
                              list->setCurrentIndex(static_cast<int>(
                                  values.indexOf(m_table.field(field).asInteger())));
                          }};
}

void FieldBinder::bind(QTimeEdit *edit, const QString &name)
{
    const int field = m_table.fieldIndex(name);
    connect(edit, &QTimeEdit::timeChanged, this, [this, field](QTime t) { store(field, t); });
    m_bindings << Binding{edit, field, [this, edit, field]() {
                              const QTime t = m_table.field(field).asTime();
                              edit->setTime(t.isValid() ? t : QTime(0, 0));
                          }};
}

void FieldBinder::bindReadOnly(QLineEdit *edit, const QString &name, std::function<QString()> format)
{
    const int field = m_table.fieldIndex(name);
    edit->setReadOnly(true);
    m_bindings << Binding{edit, field, [this, edit, field, format]() {
                              const QDateTime t = m_table.field(field).asDateTime();
                              edit->setText(t.isValid() ? QLocale::c().toString(t, format())
                                                        : QString());
                          }};
}

void FieldBinder::load()
{
    if (!m_table.isOpen() || m_storing)
        return;
    const QScopedValueRollback<bool> loading(m_loading, true);
    for (const Binding &b : std::as_const(m_bindings)) {
        if (b.widget)
            b.load();
    }
}

QList<QWidget *> FieldBinder::widgets() const
{
    QList<QWidget *> out;
    for (const Binding &b : m_bindings) {
        if (b.widget)
            out << b.widget;
    }
    return out;
}

} // namespace accounts
