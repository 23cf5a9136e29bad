#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

class QFontMetrics;

namespace store {
class Dataset;
}

namespace mail::ui {

// The short date with a 12-hour time and "am"/"pm": how the viewers show
// Comms.DateTime and Outbox.MsgDateTime unless the main window gives the
// format of the interface language.
inline constexpr const char *kStampFormat = "M/d/yyyy h:mm:ss ap";

struct GridColumn
{
    const char *field;
    const char *title; // English caption
    Qt::Alignment alignment = Qt::AlignLeft;
    int width = 100;  // pixels
    int minWidth = 0; // 0: no bounds; the column keeps its width
    int maxWidth = 0;
};

// Widths for the columns when available pixels are to be filled: the extra
// (or missing) room is shared out in proportion to the given widths, and no
// column leaves its bounds. Columns without bounds keep their width.
QList<int> fitColumnWidths(const QList<GridColumn> &columns, int available);

// Pixels a grid cell needs to show the widest date-time of format in full.
int stampColumnWidth(const QFontMetrics &metrics, const QString &format);

// A read-only grid over a dataset: one row per row in the dataset's order,
// the chosen fields as columns, date-times in the given format and coded
// fields through their display texts. Rows posted later appear at the end.
class DatasetGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    DatasetGridModel(store::Dataset &dataset, const QList<GridColumn> &columns,
                     const QString &dateTimeFormat, QObject *parent = nullptr);

    const QList<GridColumn> &columns() const { return m_columns; }
    // The captions again, in the current language.
    void retranslate();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    // The dataset's rows changed: new rows are inserted, the rest repainted.
    void sync();
    const QVector<QVariant> &row(int position) const;

    store::Dataset &m_dataset;
    QList<GridColumn> m_columns;
    QList<int> m_fields;
    QString m_format;
    int m_rows = 0;
    mutable int m_cachedRow = -1;
    mutable QVector<QVariant> m_cachedValues;
};

} // namespace mail::ui
