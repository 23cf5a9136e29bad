#include "reports/historymodel.h"

#include "localization/texts.h"
#include "reports/reportformats.h"
#include "store/dataset.h"

#include <QFont>

#include <algorithm>
#include <cmath>

namespace reports {

GroupColours EventGroupColours(int eventGroup)
{
    switch (eventGroup) {
    case 1:
        return {QColor(255, 0, 0), Qt::white};
    case 2:
        return {QColor(0, 0, 255), Qt::white};
    case 3:
        return {QColor(0, 128, 0), Qt::white};
    case 4:
        return {QColor(255, 255, 0), Qt::black};
    case 5:
        return {QColor(255, 128, 0), Qt::black};
    case 6:
        return {QColor(255, 0, 255), Qt::black};
    case 7:
        return {QColor(0, 255, 255), Qt::black};
    default:
        return {};
    }
}

QList<int> StretchColumns(int available, const QList<ColumnBounds> &columns)
{
    const int n = static_cast<int>(columns.size());
    QList<double> widths(n, 0.0);
    QList<bool> held(n, false);
    // Columns that hit a bound keep it; the rest share what is left, until
    // no further column hits one.
    for (int pass = 0; pass <= n; ++pass) {
        double heldWidth = 0, freeInitial = 0;
        for (int i = 0; i < n; ++i) {
            if (held[i])
                heldWidth += widths[i];
            else
                freeInitial += columns[i].initial;
        }
        if (freeInitial <= 0)
            break;
        const double scale = std::max(0.0, (available - heldWidth) / freeInitial);
        bool changed = false;
        for (int i = 0; i < n; ++i) {
            if (held[i])
                continue;
            const double w = columns[i].initial * scale;
            if (w < columns[i].minimum) {
                widths[i] = columns[i].minimum;
                held[i] = changed = true;
            } else if (w > columns[i].maximum) {
                widths[i] = columns[i].maximum;
                held[i] = changed = true;
            } else {
                widths[i] = w;
            }
        }
        if (!changed)
            break;
    }
    QList<int> out;
    double carried = 0;
    for (int i = 0; i < n; ++i) {
        // Carry the rounding along, so the widths add up to the exact total.
        const double exact = widths[i] + carried;
        const int w = std::clamp(static_cast<int>(std::lround(exact)), columns[i].minimum,
                                 columns[i].maximum);
        carried = exact - w;
        out << w;
    }
    return out;
}

QString HistoryFieldText(const store::Dataset &history, int fieldIndex, const QVariant &stored)
{
    if (fieldIndex < 0 || fieldIndex >= history.fieldDefs().size())
        return {};
    const store::FieldDef &def = history.fieldDefs().at(fieldIndex);
    if (!history.hasDisplayText(def.name) && def.type == store::FieldType::DateTime)
        return formatDateTime(store::dateTimeFromStored(stored), reportFormats().eventFormat);
    return history.displayText(fieldIndex, stored);
}

HistoryModel::HistoryModel(store::Dataset &history, QObject *parent)
    : QAbstractTableModel(parent), m_history(history)
{
    connect(&m_history, &store::Dataset::dataChanged, this, &HistoryModel::reset);
    reset();
}

const QList<HistoryModel::Column> &HistoryModel::columns()
{
    static const QList<Column> list{
        {"DateTime", "Date/Time", {120, 120, 150}},
        {"EventDesc", "Event Description", {270, 250, 350}},
        {"OpAction", "Action", {57, 50, 100}},
        {"Operator", "Operator", {130, 100, 150}},
        {"TimeActioned", "Actioned At", {100, 100, 150}},
        {"Comments", "Comments", {50, 50, 1000}},
    };
    return list;
}

void HistoryModel::reset()
{
    beginResetModel();
    m_fields.clear();
    for (const Column &c : columns())
        m_fields << m_history.fieldIndex(QString::fromLatin1(c.field));
    m_groupField = m_history.fieldIndex(QStringLiteral("EventGroup"));
    m_fetched = m_history.isOpen() ? std::min(kBatch, m_history.recordCount()) : 0;
    m_cachedRow = -1;
    m_cachedValues.clear();
    endResetModel();
}

bool HistoryModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_history.isOpen() && m_fetched < m_history.recordCount();
}

void HistoryModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid())
        return;
    const int more = std::min(kBatch, m_history.recordCount() - m_fetched);
    if (more <= 0)
        return;
    beginInsertRows({}, m_fetched, m_fetched + more - 1);
    m_fetched += more;
    endInsertRows();
}

int HistoryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_fetched;
}

int HistoryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns().size());
}

const QVector<QVariant> &HistoryModel::row(int position) const
{
    if (position != m_cachedRow) {
        m_cachedValues = m_history.recordAt(position);
        m_cachedRow = position;
    }
    return m_cachedValues;
}

QVariant HistoryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_fetched || index.column() >= m_fields.size())
        return {};
    switch (role) {
    case Qt::DisplayRole: {
        const int field = m_fields[index.column()];
        QString text = HistoryFieldText(m_history, field, row(index.row()).value(field));
        // A comment typed over several lines shows on one grid line.
        text.replace(QLatin1Char('\r'), QString()).replace(QLatin1Char('\n'), QLatin1Char(' '));
        return text;
    }
    case Qt::BackgroundRole:
    case Qt::ForegroundRole: {
        const QVariant group = row(index.row()).value(m_groupField);
        const GroupColours colours = EventGroupColours(group.isNull() ? 0 : group.toInt());
        const QColor c = role == Qt::BackgroundRole ? colours.background : colours.text;
        return c.isValid() ? QVariant(c) : QVariant();
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columns().size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return loc::text(columns()[section].title);
    if (role == Qt::FontRole) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return {};
}

} // namespace reports
