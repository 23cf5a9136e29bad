#pragma once

#include "store/schema.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QVariant>
#include <QVector>

#include <functional>

namespace store {

class Dataset;

// A typed view of one field of a dataset's current record. Unset values read
// as 0, empty or false; text written to a text(n) field is cut to n.
class Field
{
public:
    Field(Dataset *dataset, int index) : m_dataset(dataset), m_index(index) {}

    const FieldDef &def() const;
    QString name() const { return def().name; }
    bool isNull() const;
    QVariant value() const;

    int asInteger() const;
    double asFloat() const;
    bool asBoolean() const;
    QString asString() const;
    QDateTime asDateTime() const;
    QTime asTime() const;

    void setValue(const QVariant &value);
    void clear() { setValue(QVariant()); }

    // What grids and edit fields show for the current value.
    QString displayText() const;

private:
    Dataset *m_dataset;
    int m_index;
};

// "(Field = n) or (Field = m) ...": the only row filter the program uses.
struct FilterTerm
{
    int field;
    qint64 value;
};
// Parses a filter text against the dataset's fields; throws EStoreError on
// anything else. An empty text gives no terms (every row passes).
QList<FilterTerm> parseFilter(const QString &text, const QList<FieldDef> &fields);

// What tables and statements have in common: a current record, navigation,
// typed fields, a filter and change notifications.
class Dataset : public QObject
{
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };

    explicit Dataset(const QString &name, QObject *parent = nullptr);

    QString name() const { return objectName(); }
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }

    virtual void first() = 0;
    virtual void last() = 0;
    virtual void next() = 0;
    virtual void prior() = 0;
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    virtual int recordCount() const = 0;
    bool isEmpty() const { return recordCount() == 0; }
    // Position of the current record, from 0; -1 when there is none.
    virtual int recNo() const = 0;
    // Moves to the record at position (clamped); returns false when empty.
    virtual bool moveTo(int position) = 0;

    const QList<FieldDef> &fieldDefs() const { return m_fields; }
    int fieldIndex(const QString &name) const;
    Field field(const QString &name);
    Field field(int index) { return Field(this, index); }
    bool hasField(const QString &name) const { return fieldIndex(name) >= 0; }
    // The current record's value of field index, as stored.
    virtual QVariant storedValue(int index) const = 0;
    // Reads the record at a position without moving the cursor (for grids).
    virtual QVector<QVariant> recordAt(int position) const = 0;
    // The records at count positions from first on (fewer at the end), read
    // together where the dataset can.
    virtual QList<QVector<QVariant>> recordsAt(int first, int count) const;
    // Whether the last change of the rows only added rows after the ones
    // held before (so a grid can keep what it shows and add the new ones).
    virtual bool onlyRowsAdded() const { return false; }
    // Whether rows remain that have not been read yet (a statement read in
    // blocks); readMoreRows() adds the next block after the rows held,
    // without signalling: the caller shows them.
    virtual bool hasMoreRows() const { return false; }
    virtual void readMoreRows() {}

    // The text a coded field shows instead of its stored value. Kept by
    // field name, so a statement keeps it across runs. An empty function
    // removes it.
    using DisplayTextFn = std::function<QString(const QVariant &stored)>;
    void setDisplayText(const QString &fieldName, DisplayTextFn fn);
    bool hasDisplayText(const QString &fieldName) const;
    // The shown text of a stored value of field index (of any row, for grids).
    QString displayText(int index, const QVariant &stored) const;

    void setFilter(const QString &text);
    QString filter() const { return m_filterText; }
    void setFiltered(bool on);
    bool filtered() const { return m_filtered; }

signals:
    // The set of rows changed (open, refresh, post, delete, filter).
    void dataChanged();
    // One row came in at position, the others kept their order (a row
    // stored by the event path); the current record stays on its row.
    void rowInserted(int position);
    // The current record moved to another row.
    void currentChanged();
    void stateChanged();

protected:
    friend class Field;
    virtual void writeValue(int index, const QVariant &stored);
    virtual void filterChanged() = 0;
    void setState(State s);
    void setFields(const QList<FieldDef> &fields) { m_fields = fields; }
    QList<FilterTerm> activeFilter() const;

    QList<FieldDef> m_fields;
    bool m_eof = true;
    bool m_bof = true;

private:
    State m_state = State::Inactive;
    QString m_filterText;
    bool m_filtered = false;
    QHash<QString, DisplayTextFn> m_displayTexts; // by lower-case field name
};

// Converts a value for storing in a field of the given definition: cuts text,
// checks ranges, turns dates and times into their stored text.
QVariant toStored(const FieldDef &def, const QVariant &value);

} // namespace store
