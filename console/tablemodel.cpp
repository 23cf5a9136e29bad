#include "console/tablemodel.h"

#include "store/table.h"

namespace console {

namespace {

QList<store::GridField> fieldsOf(const QStringList &names)
{
    QList<store::GridField> fields;
    for (const QString &name : names)
        fields << store::GridField{name, nullptr};
    return fields;
}

} // namespace

TableModel::TableModel(store::Table &table, const QStringList &fieldNames, QObject *parent)
    : store::DatasetGridModel(table, fieldsOf(fieldNames), parent), m_names(fieldNames)
{
    setShowEditBuffer(true);
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
