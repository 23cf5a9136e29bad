#include "console/tablemodel.h"

#include "store/table.h"

namespace console {

namespace {

QString displayText(const store::FieldDef &def, const QVariant &stored)
{
    if (def.type == store::FieldType::Logical)
        return stored.isNull()
                   ? QString()
                   : (stored.toBool() ? QStringLiteral("True") : QStringLiteral("False"));
    return stored.toString();
}

} // namespace

TableModel::TableModel(store::Table &table, const QStringList &fieldNames, QObject *parent)
    : QAbstractTableModel(parent), m_table(table), m_names(fieldNames)
{
    for (const QString &name : fieldNames)
        m_fields << table.fieldIndex(name);
    connect(&m_table, &store::Dataset::dataChanged, this, &TableModel::reset);
    connect(&m_table, &store::Dataset::stateChanged, this, &TableModel::refreshCurrentRow);
    connect(&m_table, &store::Dataset::currentChanged, this, &TableModel::refreshCurrentRow);
}

void TableModel::reset()
{
    beginResetModel();
    m_cachedRow = -1;
    endResetModel();
}

const QVector<QVariant> &TableModel::row(int position) const
{
    if (position != m_cachedRow) {
        m_cachedValues = m_table.recordAt(position);
        m_cachedRow = position;
    }
    return m_cachedValues;
}

void TableModel::refreshCurrentRow()
{
    m_cachedRow = -1;
    const int row = m_table.recNo();
    if (row >= 0 && row < rowCount())
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int TableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_table.isOpen() ? 0 : m_table.recordCount();
}

int TableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_fields.size());
}

QVariant TableModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    const int field = m_fields.value(index.column(), -1);
    if (field < 0)
        return {};
    const store::FieldDef &def = m_table.fieldDefs()[field];
    if (index.row() == m_table.recNo() && m_table.state() == store::Dataset::State::Edit)
        return displayText(def, m_table.storedValue(field));
    return displayText(def, row(index.row()).value(field));
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return m_names.value(section);
    return {};
}

} // namespace console
