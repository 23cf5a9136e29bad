#include "mail/ui/gridmodel.h"

#include "localization/texts.h"
#include "store/dataset.h"
#include "store/schema.h"

#include <QFontMetrics>
#include <QLocale>

#include <cmath>

namespace mail::ui {

QList<int> fitColumnWidths(const QList<GridColumn> &columns, int available)
{
    QList<int> widths;
    QList<double> exact;
    int total = 0;
    for (const GridColumn &c : columns) {
        widths << c.width;
        exact << c.width;
        total += c.width;
    }
    double extra = available - total;
    QList<bool> free;
    for (const GridColumn &c : columns)
        free << (c.minWidth > 0 || c.maxWidth > 0);
    // Share out, clamp, and share what the clamped columns could not take
    // among the others, until nothing is left or every column is at a bound.
    for (int round = 0; round < columns.size() && std::abs(extra) >= 0.5; ++round) {
        double weight = 0;
        for (qsizetype i = 0; i < columns.size(); ++i) {
            if (free[i])
                weight += columns[i].width;
        }
        if (weight <= 0)
            break;
        double left = 0;
        for (qsizetype i = 0; i < columns.size(); ++i) {
            if (!free[i])
                continue;
            const GridColumn &c = columns[i];
            const double want = exact[i] + extra * c.width / weight;
            const double lo = c.minWidth > 0 ? c.minWidth : 1;
            const double hi = c.maxWidth > 0 ? c.maxWidth : want;
            const double got = std::clamp(want, lo, std::max(lo, hi));
            left += want - got;
            if (got != want)
                free[i] = false;
            exact[i] = got;
        }
        extra = left;
    }
    for (qsizetype i = 0; i < columns.size(); ++i)
        widths[i] = static_cast<int>(std::floor(exact[i]));
    return widths;
}

int stampColumnWidth(const QFontMetrics &metrics, const QString &format)
{
    // Two-digit month, day and hour: the longest a stamp gets.
    const QDateTime widest(QDate(2028, 12, 28), QTime(12, 58, 58));
    constexpr int kCellPadding = 10;
    return metrics.horizontalAdvance(QLocale::c().toString(widest, format)) + kCellPadding;
}

DatasetGridModel::DatasetGridModel(store::Dataset &dataset, const QList<GridColumn> &columns,
                                   const QString &dateTimeFormat, QObject *parent)
    : QAbstractTableModel(parent), m_dataset(dataset), m_columns(columns), m_format(dateTimeFormat)
{
    for (const GridColumn &c : m_columns)
        m_fields << m_dataset.fieldIndex(QString::fromLatin1(c.field));
    m_rows = m_dataset.isOpen() ? m_dataset.recordCount() : 0;
    connect(&m_dataset, &store::Dataset::dataChanged, this, &DatasetGridModel::sync);
}

void DatasetGridModel::retranslate()
{
    if (!m_columns.isEmpty())
        emit headerDataChanged(Qt::Horizontal, 0, static_cast<int>(m_columns.size()) - 1);
}

void DatasetGridModel::sync()
{
    m_cachedRow = -1;
    const int now = m_dataset.isOpen() ? m_dataset.recordCount() : 0;
    if (now > m_rows) {
        beginInsertRows({}, m_rows, now - 1);
        m_rows = now;
        endInsertRows();
    } else if (now < m_rows) {
        beginResetModel();
        m_rows = now;
        endResetModel();
        return;
    }
    if (m_rows > 0 && !m_columns.isEmpty())
        emit dataChanged(index(0, 0), index(m_rows - 1, static_cast<int>(m_columns.size()) - 1));
}

int DatasetGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int DatasetGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

const QVector<QVariant> &DatasetGridModel::row(int position) const
{
    if (position != m_cachedRow) {
        m_cachedValues = m_dataset.recordAt(position);
        m_cachedRow = position;
    }
    return m_cachedValues;
}

QVariant DatasetGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows || index.column() >= m_columns.size())
        return {};
    const GridColumn &column = m_columns[index.column()];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(column.alignment | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const int field = m_fields[index.column()];
    if (field < 0)
        return {};
    const QVector<QVariant> &values = row(index.row());
    if (field >= values.size())
        return {};
    const QVariant &stored = values[field];
    if (m_dataset.fieldDefs()[field].type == store::FieldType::DateTime &&
        !m_dataset.hasDisplayText(QString::fromLatin1(column.field))) {
        const QDateTime t = store::dateTimeFromStored(stored);
        // Month names and am/pm in English, whatever the system locale.
        return t.isValid() ? QLocale::c().toString(t, m_format) : QString();
    }
    return m_dataset.displayText(field, stored);
}

QVariant DatasetGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return loc::text(m_columns[section].title);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_columns[section].alignment | Qt::AlignVCenter);
    return {};
}

} // namespace mail::ui
