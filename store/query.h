#pragma once

#include "store/database.h"
#include "store/dataset.h"

#include <QStringList>

namespace store {

class Database;

// A named statement, held as lines of text that callers may replace before
// running it, with typed named parameters (":RecID").
class Query : public Dataset
{
    Q_OBJECT
public:
    enum class ParamType { Integer, Text, DateTime };
    struct ParamDef
    {
        QString name;
        ParamType type;
    };

    Query(Database &db, const QString &name, const QStringList &lines,
          const QList<ParamDef> &params = {}, QObject *parent = nullptr);

    QStringList lines() const { return m_lines; }
    // Replacing the text closes the statement and forgets its preparation.
    void setLines(const QStringList &lines);
    void setLine(int index, const QString &text);
    void clearLines() { setLines({}); }
    void addLine(const QString &text);
    QString text() const { return m_lines.join(QLatin1Char('\n')); }

    void setParam(const QString &name, const QVariant &value);
    QVariant param(const QString &name) const;
    // Parameters named like a field of master take that field's value, and
    // an open statement runs again when master moves to another row.
    void setMasterSource(Dataset *master);

    // A field computed for every row when the statement is opened, after the
    // result columns. compute reads the row's stored values (find a column
    // with fieldIndex()); its result is stored like a value of def.
    using CalcFn = std::function<QVariant(const Query &query, const QVector<QVariant> &row)>;
    void addCalculatedField(const FieldDef &def, CalcFn compute);

    // Rows read per run of the statement; 0 reads every row when it opens.
    // recordCount() is then the rows read so far; moving past them reads on.
    void setReadBlock(int rows);
    int readBlock() const { return m_block; }
    bool hasMoreRows() const override { return m_more; }
    void readMoreRows() override;

    void prepare();
    bool isPrepared() const { return m_prepared; }
    void open();
    void close();
    // Runs a statement that returns no rows; returns the number of rows changed.
    int execSql();

    void first() override;
    void last() override;
    void next() override;
    void prior() override;
    int recordCount() const override { return static_cast<int>(m_visible.size()); }
    int recNo() const override { return m_pos; }
    bool moveTo(int position) override;
    QVariant storedValue(int index) const override;
    QVector<QVariant> recordAt(int position) const override;

protected:
    void filterChanged() override;

private:
    QVariantMap boundValues() const;
    // What is worked out once per text: the parameter names in it and, once
    // it has run, its result fields.
    struct Shape
    {
        QStringList params;
        QList<FieldDef> fields;
        bool fieldsKnown = false;
    };
    Shape &shape(const QString &sql) const;
    Statement run(const QString &sql, const QVariantMap &values) const;
    void applyFilter();
    void readRows();
    void filterRows(int from);
    void masterMoved();
    const ParamDef *paramDef(const QString &name) const;

    Database &m_db;
    QStringList m_lines;
    QList<ParamDef> m_params;
    QVariantMap m_values;
    QVariantMap m_openedWith; // the parameter values of the current result
    Dataset *m_master = nullptr;
    QList<QPair<FieldDef, CalcFn>> m_calculated;
    bool m_prepared = false;
    QVector<QVector<QVariant>> m_rows;
    QVector<int> m_visible;
    int m_pos = -1;
    int m_block = 0;
    bool m_more = false;
    mutable QHash<QString, Shape> m_shapes; // by text
};

} // namespace store
