#include "store/gridmodel.h"

#include "localization/texts.h"
#include "store/dataset.h"
#include "store/errors.h"
#include "store/schema.h"
#include "store/table.h"

#include <QLocale>

#include <algorithm>

namespace store {

namespace {

// Enough for several screens of rows; more and the cache starts again.
constexpr int kCacheRows = 512;
// Rows read together when a row not held is asked for.
constexpr int kBlockRows = 32;

} // namespace

DatasetGridModel::DatasetGridModel(Dataset &dataset, const QList<GridField> &columns,
                                   QObject *parent)
    : QAbstractTableModel(parent), m_dataset(dataset), m_table(qobject_cast<Table *>(&dataset)),
      m_columns(columns)
{
    resolveFields();
    m_fetched = m_known = datasetRows();
    m_indicatorRow = m_dataset.isOpen() ? m_dataset.recNo() : -1;
    connect(&m_dataset, &Dataset::dataChanged, this, &DatasetGridModel::datasetChanged);
    connect(&m_dataset, &Dataset::rowInserted, this, &DatasetGridModel::datasetRowInserted);
    connect(&m_dataset, &Dataset::currentChanged, this, &DatasetGridModel::currentMoved);
    connect(&m_dataset, &Dataset::stateChanged, this, &DatasetGridModel::currentMoved);
}

void DatasetGridModel::resolveFields()
{
    m_fields.clear();
    for (const GridField &c : m_columns)
        m_fields << (c.field.isEmpty() ? -1 : m_dataset.fieldIndex(c.field));
    fieldsResolved();
}

int DatasetGridModel::datasetRows() const
{
    return m_dataset.isOpen() ? m_dataset.recordCount() : 0;
}

void DatasetGridModel::setBatchSize(int rows)
{
    beginResetModel();
    m_batch = std::max(0, rows);
    const int count = datasetRows();
    m_fetched = m_batch > 0 ? std::min(count, m_batch) : count;
    m_known = count;
    m_cache.clear();
    endResetModel();
}

void DatasetGridModel::setShowEditBuffer(bool on)
{
    m_showEditBuffer = on;
    currentMoved();
}

void DatasetGridModel::setRowIndicator(bool on)
{
    m_rowIndicator = on;
    if (m_fetched > 0)
        emit headerDataChanged(Qt::Vertical, 0, m_fetched - 1);
}

void DatasetGridModel::setEditingAllowed(bool on)
{
    if (on == m_editingAllowed)
        return;
    m_editingAllowed = on;
    if (m_fetched > 0 && !m_columns.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void DatasetGridModel::setDateTimeFormat(const QString &format)
{
    if (format == m_dateTimeFormat)
        return;
    m_dateTimeFormat = format;
    if (m_fetched > 0 && !m_columns.isEmpty())
        emit dataChanged(index(0, 0), index(m_fetched - 1, columnCount() - 1), {Qt::DisplayRole});
}

void DatasetGridModel::retranslate()
{
    if (m_columns.isEmpty())
        return;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    // Coded fields show display texts: the rows handed out are drawn again.
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
}

void DatasetGridModel::datasetChanged()
{
    const int count = datasetRows();
    m_cache.clear();
    if (m_refresh == Refresh::Append && count >= m_known && !m_insertRow &&
        m_dataset.onlyRowsAdded()) {
        // Rows stored since are added at the end when the view holds every
        // row already; otherwise it fetches them as it scrolls there.
        if (m_fetched == m_known && count > m_fetched) {
            beginInsertRows({}, m_fetched, count - 1);
            m_fetched = count;
            endInsertRows();
        }
        m_known = count;
        if (m_fetched > 0 && !m_columns.isEmpty())
            emit dataChanged(index(0, 0), index(m_fetched - 1, columnCount() - 1));
        currentMoved();
        return;
    }
    beginResetModel();
    resolveFields();
    if (m_batch <= 0)
        m_fetched = count;
    else if (m_refresh == Refresh::Reset)
        m_fetched = std::min(count, m_batch);
    else
        m_fetched = std::min(count, std::max(m_batch, m_fetched));
    m_known = count;
    m_insertRow = false;
    m_indicatorRow = m_dataset.isOpen() ? m_dataset.recNo() : -1;
    endResetModel();
    currentMoved();
}

void DatasetGridModel::datasetRowInserted(int position)
{
    // The rows around it keep what was read of them, one place further on.
    if (m_insertRow || position < 0 || position > m_known) {
        datasetChanged();
        return;
    }
    QHash<int, QVector<QVariant>> moved;
    moved.reserve(m_cache.size());
    for (auto it = m_cache.cbegin(); it != m_cache.cend(); ++it)
        moved.insert(it.key() >= position ? it.key() + 1 : it.key(), it.value());
    const bool shown = position < m_fetched || m_fetched == m_known;
    ++m_known;
    if (!shown) {
        m_cache = std::move(moved);
        return; // reached by fetching as the view scrolls there
    }
    beginInsertRows({}, position, position);
    m_cache = std::move(moved);
    ++m_fetched;
    if (m_indicatorRow >= position)
        ++m_indicatorRow;
    endInsertRows();
}

int DatasetGridModel::editRow() const
{
    if (!m_showEditBuffer || !m_table)
        return -1;
    if (m_table->state() == Dataset::State::Insert)
        return m_insertRow ? m_fetched : -1;
    if (m_table->state() == Dataset::State::Edit)
        return m_table->recNo();
    return -1;
}

void DatasetGridModel::currentMoved()
{
    // An inserted row shows as one more row at the end while it is unsaved.
    const bool inserting = m_showEditBuffer && m_table &&
                           m_table->state() == Dataset::State::Insert &&
                           m_fetched == datasetRows();
    if (inserting != m_insertRow) {
        if (inserting) {
            beginInsertRows({}, m_fetched, m_fetched);
            m_insertRow = true;
            endInsertRows();
        } else {
            beginRemoveRows({}, m_fetched, m_fetched);
            m_insertRow = false;
            endRemoveRows();
        }
    }
    const int old = m_indicatorRow;
    m_indicatorRow = m_dataset.isOpen() ? m_dataset.recNo() : -1;
    if (m_rowIndicator && old != m_indicatorRow) {
        for (int r : {old, m_indicatorRow}) {
            if (r >= 0 && r < m_fetched)
                emit headerDataChanged(Qt::Vertical, r, r);
        }
    }
    if (m_showEditBuffer && !m_columns.isEmpty()) {
        // The current row shows its unsaved values, or its stored ones again.
        for (int r : {old, m_indicatorRow, editRow()}) {
            if (r >= 0 && r < rowCount())
                emit dataChanged(index(r, 0), index(r, columnCount() - 1));
        }
    }
}

void DatasetGridModel::refreshCurrentRow()
{
    m_cache.clear();
    const int row = editRow() >= 0 ? editRow() : (m_dataset.isOpen() ? m_dataset.recNo() : -1);
    if (row >= 0 && row < rowCount() && !m_columns.isEmpty())
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void DatasetGridModel::fetchUpTo(int position)
{
    if (m_insertRow)
        return;
    // A statement read in blocks reads on as far as the view goes.
    while (m_dataset.isOpen() && m_dataset.hasMoreRows() &&
           datasetRows() <= position)
        m_dataset.readMoreRows();
    const int count = datasetRows();
    const int wanted = std::min(count, position + 1);
    if (wanted <= m_fetched || m_insertRow)
        return;
    // Whole batches, as scrolling would have fetched them.
    const int step = m_batch > 0 ? m_batch : count;
    const int upTo = std::min(count, ((wanted + step - 1) / step) * step);
    beginInsertRows({}, m_fetched, upTo - 1);
    m_fetched = upTo;
    endInsertRows();
}

bool DatasetGridModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && !m_insertRow &&
           (m_fetched < datasetRows() || (m_dataset.isOpen() && m_dataset.hasMoreRows()));
}

void DatasetGridModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid())
        return;
    // Without batches every row read is handed out; one more block is read.
    fetchUpTo(m_batch > 0 ? m_fetched + m_batch - 1 : datasetRows());
}

int DatasetGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_fetched + (m_insertRow ? 1 : 0);
}

int DatasetGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

const QVector<QVariant> &DatasetGridModel::rowValues(int position) const
{
    if (position >= 0 && position == editRow()) {
        m_buffer.resize(m_dataset.fieldDefs().size());
        for (int i = 0; i < m_buffer.size(); ++i)
            m_buffer[i] = m_table->storedValue(i);
        return m_buffer;
    }
    auto it = m_cache.constFind(position);
    if (it != m_cache.cend())
        return it.value();
    if (m_cache.size() >= kCacheRows)
        m_cache.clear();
    // The block around the row: a screen of rows costs one statement or two.
    const int first = position - position % kBlockRows;
    const QList<QVector<QVariant>> rows = m_dataset.recordsAt(first, kBlockRows);
    for (int i = 0; i < rows.size(); ++i) {
        if (first + i != position && !m_cache.contains(first + i) && first + i != editRow())
            m_cache.insert(first + i, rows[i]);
    }
    ++m_rowsRead;
    const int at = position - first;
    return m_cache.insert(position, at < rows.size() ? rows[at] : m_dataset.recordAt(position))
        .value();
}

QString DatasetGridModel::cellText(int, int field, const QVector<QVariant> &row) const
{
    if (field < 0 || field >= row.size())
        return {};
    const QVariant &stored = row[field];
    const FieldDef &def = m_dataset.fieldDefs()[field];
    if (def.type == FieldType::DateTime && !m_dataset.hasDisplayText(def.name)) {
        const QDateTime t = dateTimeFromStored(stored);
        // Month names and am/pm in English, whatever the system locale.
        return t.isValid() ? QLocale::c().toString(t, m_dateTimeFormat) : QString();
    }
    return m_dataset.displayText(field, stored);
}

QVariant DatasetGridModel::roleData(int, int, int) const
{
    return {};
}

QVariant DatasetGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= m_columns.size())
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cellText(column, m_fields[column], rowValues(index.row()));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(m_columns[column].alignment | Qt::AlignVCenter);
    default:
        return roleData(index.row(), column, role);
    }
}

Qt::ItemFlags DatasetGridModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && m_table && m_editingAllowed && m_columns[index.column()].editable &&
        m_fields[index.column()] >= 0)
        f |= Qt::ItemIsEditable;
    return f;
}

bool DatasetGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const int field = m_fields[index.column()];
    try {
        const bool onInsertRow = m_insertRow && index.row() == m_fetched;
        if (!onInsertRow && index.row() != m_table->recNo())
            m_table->moveTo(index.row());
        if (m_table->state() == Dataset::State::Browse)
            m_table->edit();
        m_table->field(field).setValue(value);
    } catch (const EAbort &) {
        return false;
    } catch (const EStoreError &e) {
        emit editFailed(e.message());
        return false;
    }
    m_cache.remove(index.row());
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
    return true;
}

QVariant DatasetGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (!m_rowIndicator)
            return QAbstractTableModel::headerData(section, orientation, role);
        if (role != Qt::DisplayRole)
            return {};
        // The row indicator marks the cursor's current row.
        return section == m_indicatorRow ? QVariant(QStringLiteral("\u25B8")) : QVariant(QString());
    }
    if (section < 0 || section >= m_columns.size())
        return {};
    if (role == Qt::DisplayRole)
        return loc::text(m_columns[section].title);
    if (role == Qt::TextAlignmentRole && m_columns[section].alignment != Qt::AlignLeft)
        return QVariant::fromValue(m_columns[section].alignment | Qt::AlignVCenter);
    return {};
}

} // namespace store
