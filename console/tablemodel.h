#pragma once

#include <QAbstractTableModel>
#include <QStringList>

namespace store {
class Table;
}

namespace console {

// A read-only grid model over a table cursor: one row per row of the cursor,
// in cursor order, and the chosen fields as columns. The row being edited
// shows its unsaved values.
class TableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    TableModel(store::Table &table, const QStringList &fieldNames, QObject *parent = nullptr);

    store::Table &table() const { return m_table; }
    // Shows the current row again (its fields were typed into).
    void refreshCurrentRow();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void reset();
    const QVector<QVariant> &row(int position) const;

    store::Table &m_table;
    QStringList m_names;
    QList<int> m_fields;
    // The last row read, so a grid repaint reads each row once.
    mutable int m_cachedRow = -1;
    mutable QVector<QVariant> m_cachedValues;
};

} // namespace console
