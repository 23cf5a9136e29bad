#pragma once

#include "store/gridmodel.h"

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

// A viewer's read-only grid over a dataset: the chosen fields as columns,
// date-times in the given format and coded fields through their display
// texts. Rows posted later appear at the end.
class DatasetGridModel : public store::DatasetGridModel
{
    Q_OBJECT
public:
    DatasetGridModel(store::Dataset &dataset, const QList<GridColumn> &columns,
                     const QString &dateTimeFormat, QObject *parent = nullptr);

    const QList<GridColumn> &columns() const { return m_columns; }

private:
    QList<GridColumn> m_columns;
};

} // namespace mail::ui
