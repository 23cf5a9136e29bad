#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace store {

enum class FieldType { Small, Integer, Float, Logical, DateTime, Time, Text, Memo };

struct FieldDef
{
    QString name;
    FieldType type;
    int size = 0; // characters for Text, stored bytes for Memo
    QString label = {};
    QString display = {};
};

struct IndexDef
{
    QString name;
    QStringList fields;
    bool unique = false;
    QString where = {};       // a partial index: only rows meeting this condition
    bool expressions = false; // fields are SQL expressions, written as they stand
};

struct TableDef
{
    QString name;     // the table name used in statements
    QString fileName; // the historical file name, accepted when a table is opened by file
    QList<FieldDef> fields;
    QString primaryKey;            // empty: rows keep insertion order
    QList<IndexDef> indexes = {};  // secondary indexes, by name

    int fieldIndex(const QString &field) const; // -1 when absent (case-insensitive)
    const IndexDef *index(const QString &indexName) const;
};

// Bumped with every change of the stored layout; kept in PRAGMA user_version.
inline constexpr int kSchemaVersion = 1;

// The eleven tables, in the order they are created.
const QList<TableDef> &tableDefs();
// A table by its name or file name ("Comms", "Comms.db"); nullptr when unknown.
const TableDef *tableDef(const QString &nameOrFile);

// SQL that creates one table and its indexes.
QStringList createStatements(const TableDef &def);

// Storage form of date-times and times of day: local time, whole seconds,
// text that sorts and compares in time order.
QString dateTimeToStored(const QDateTime &value);
QString timeToStored(const QTime &value);
QDateTime dateTimeFromStored(const QVariant &stored);
QTime timeFromStored(const QVariant &stored);

} // namespace store
