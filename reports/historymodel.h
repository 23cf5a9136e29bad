#pragma once

#include "store/gridmodel.h"

#include <QColor>
#include <QList>
#include <QVector>

namespace store {
class Dataset;
}

namespace reports {

// Row colours of the history by event group. Groups outside 1 to 7 give
// invalid colours: such rows keep the grid's own.
struct GroupColours
{
    QColor background;
    QColor text;
};
GroupColours EventGroupColours(int eventGroup);

// Initial, least and greatest width of a grid column, in pixels.
struct ColumnBounds
{
    int initial;
    int minimum;
    int maximum;
};
// The column widths that fill `available` pixels, shared in proportion to
// the initial widths and each kept within its bounds (so the columns may
// end short of, or run past, the available width).
QList<int> StretchColumns(int available, const QList<ColumnBounds> &columns);

// The text a history field shows in the grid and in the report: the
// dataset's own display text where it has one (OpAction, and the dates once
// the main window has set their format), else dates in the event format.
QString HistoryFieldText(const store::Dataset &history, int fieldIndex, const QVariant &stored);

// The history grid's model over qryHistory: the six columns of the viewer,
// row colours by EventGroup, and rows handed to the view in batches as it
// scrolls, so that opening an account with a long history stays quick.
class HistoryModel : public store::DatasetGridModel
{
    Q_OBJECT
public:
    static constexpr int kBatch = 256;

    explicit HistoryModel(store::Dataset &history, QObject *parent = nullptr);

    // The grid's columns: field, title and width bounds.
    struct Column
    {
        const char *field;
        const char *title;
        ColumnBounds bounds;
    };
    static const QList<Column> &columns();

    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

protected:
    QString cellText(int column, int field, const QVector<QVariant> &row) const override;
    QVariant roleData(int position, int column, int role) const override;
    void fieldsResolved() override;

private:
    int m_groupField = -1;
};

} // namespace reports
