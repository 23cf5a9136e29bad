#pragma once

#include "store/gridmodel.h"

#include <QStringList>

namespace store {
class Table;
}

namespace console {

// A read-only grid over a table cursor: the chosen fields as columns, titled
// by their names; the row being edited shows its unsaved values.
class TableModel : public store::DatasetGridModel
{
    Q_OBJECT
public:
    TableModel(store::Table &table, const QStringList &fieldNames, QObject *parent = nullptr);

    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QStringList m_names;
};

} // namespace console
