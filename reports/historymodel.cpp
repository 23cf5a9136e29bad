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

namespace {

QList<store::GridField> historyFields()
{
    QList<store::GridField> fields;
    for (const HistoryModel::Column &c : HistoryModel::columns())
        fields << store::GridField{QString::fromLatin1(c.field), c.title};
    return fields;
}

} // namespace

HistoryModel::HistoryModel(store::Dataset &history, QObject *parent)
    : store::DatasetGridModel(history, historyFields(), parent)
{
    fieldsResolved();
    setBatchSize(kBatch);
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

QString HistoryModel::cellText(int, int field, const QVector<QVariant> &row) const
{
    QString text = HistoryFieldText(dataset(), field, row.value(field));
    // A comment typed over several lines shows on one grid line.
    text.replace(QLatin1Char('\r'), QString()).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

void HistoryModel::fieldsResolved()
{
    m_groupField = dataset().fieldIndex(QStringLiteral("EventGroup"));
}

QVariant HistoryModel::roleData(int position, int, int role) const
{
    if (role != Qt::BackgroundRole && role != Qt::ForegroundRole)
        return {};
    const QVariant group = rowValues(position).value(m_groupField);
    const GroupColours colours = EventGroupColours(group.isNull() ? 0 : group.toInt());
    const QColor c = role == Qt::BackgroundRole ? colours.background : colours.text;
    return c.isValid() ? QVariant(c) : QVariant();
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::FontRole && section >= 0 &&
        section < columns().size()) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return store::DatasetGridModel::headerData(section, orientation, role);
}

} // namespace reports
