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

namespace {

QList<store::GridField> viewerFields(const QList<GridColumn> &columns)
{
    QList<store::GridField> fields;
    for (const GridColumn &c : columns)
        fields << store::GridField{QString::fromLatin1(c.field), c.title, c.alignment};
    return fields;
}

} // namespace

DatasetGridModel::DatasetGridModel(store::Dataset &dataset, const QList<GridColumn> &columns,
                                   const QString &dateTimeFormat, QObject *parent)
    : store::DatasetGridModel(dataset, viewerFields(columns), parent), m_columns(columns)
{
    setDateTimeFormat(dateTimeFormat);
    setRefresh(Refresh::Append);
}

} // namespace mail::ui
