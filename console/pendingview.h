#pragma once

#include <QPointer>

#include "store/gridmodel.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QObject>
#include <QStyledItemDelegate>
#include <QVector>

class QTableView;

namespace store {
class Table;
}

namespace console {

// Row colours of the pending grid by alarm priority. Priorities outside
// 1 to 5 give invalid colours: such rows keep the grid's own.
struct RowColours
{
    QColor background;
    QColor text;
};
RowColours PriorityColours(int priority);

// The pending grid's model over the Pending cursor, in the cursor's order
// (priority, then date and time): Date & Time, Acc. No and Event Description.
// Rows are handed to the view in batches as it scrolls, and the rows read
// are kept until the cursor's rows change, so repaints do not go to the store.
class PendingModel : public store::DatasetGridModel
{
    Q_OBJECT
public:
    static constexpr int kBatch = 256;
    // The priority of a row, for the delegate that colours it.
    static constexpr int PriorityRole = Qt::UserRole + 1;

    struct Column
    {
        const char *field;
        const char *title;
        int initial;
        int minimum;
        int maximum;
    };
    static const QList<Column> &columns();

    explicit PendingModel(store::Table &pending, QObject *parent = nullptr);

    // The format of Date & Time (it follows the interface language).
    void setDateFormat(const QString &format) { setDateTimeFormat(format); }

protected:
    QString cellText(int column, int field, const QVector<QVariant> &row) const override;
    QVariant roleData(int position, int column, int role) const override;

private:
    int m_priorityField = -1;
};

// Paints every cell of a row in its priority's colours, except cells the
// grid paints as selected: those keep the grid's selection colours.
class PendingDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};

// The colouring of one cell (the grid's paint hook): priority colours for
// cells not painted as selected.
void DBGrid1PaintColumnCell(QStyleOptionViewItem &option, int priority);

// Binds a table view to the Pending cursor: the model and delegate, the
// look of the grid, columns stretched within their bounds, and the grid's
// current row and the cursor's current row kept together both ways.
class PendingGrid : public QObject
{
    Q_OBJECT
public:
    PendingGrid(QTableView *view, store::Table &pending, QObject *parent = nullptr);

    PendingModel *model() const { return m_model; }
    // Widths of the three columns for the grid's present width.
    void stretchColumns();
    // The column titles in the current language.
    void retranslateUi();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void cursorMoved();
    void gridMoved(const QModelIndex &current);

    QTableView *m_view;
    QPointer<QWidget> m_viewport;
    store::Table &m_pending;
    PendingModel *m_model;
    bool m_syncing = false;
};

} // namespace console
