#include "console/pendingview.h"

#include "station/dateformats.h"
#include "localization/texts.h"
#include "reports/historymodel.h"
#include "store/errors.h"
#include "store/schema.h"
#include "store/table.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>

namespace console {

RowColours PriorityColours(int priority)
{
    switch (priority) {
    case 1:
        return {QColor(0xFF, 0x33, 0x4B), Qt::white};
    case 2:
        return {QColor(0xFF, 0x80, 0x00), Qt::white};
    case 3:
        return {QColor(0xFF, 0xFF, 0x00), Qt::black};
    case 4:
        return {QColor(0x80, 0xFF, 0x80), Qt::black};
    case 5:
        return {QColor(0xFF, 0xFF, 0xFF), Qt::black};
    default:
        return {};
    }
}

// --- PendingModel -------------------------------------------------------

const QList<PendingModel::Column> &PendingModel::columns()
{
    static const QList<Column> list{
        {"DateTime", "Date & Time", 120, 110, 150},
        {"AccNo", "Acc. No", 50, 40, 60},
        {"EventDesc", "Event Description", 450, 450, 1000},
    };
    return list;
}

namespace {

QList<store::GridField> pendingFields()
{
    QList<store::GridField> fields;
    for (const PendingModel::Column &c : PendingModel::columns())
        fields << store::GridField{QString::fromLatin1(c.field), c.title};
    return fields;
}

} // namespace

PendingModel::PendingModel(store::Table &pending, QObject *parent)
    : store::DatasetGridModel(pending, pendingFields(), parent)
{
    m_priorityField = pending.fieldIndex(QStringLiteral("Priority"));
    setDateTimeFormat(station::DateFormats::forLanguageId(9).eventFormat);
    // The rows already handed out stay handed out, so the operator's
    // scroll position survives a new alarm or a handled one.
    setRefresh(Refresh::KeepFetched);
    setRowIndicator(true);
    setBatchSize(kBatch);
}

QString PendingModel::cellText(int, int field, const QVector<QVariant> &row) const
{
    if (field < 0)
        return {};
    const QVariant stored = row.value(field);
    if (dataset().fieldDefs().at(field).type == store::FieldType::DateTime) {
        const QDateTime at = store::dateTimeFromStored(stored);
        return at.isValid() ? station::DateFormats::format(at, dateTimeFormat()) : QString();
    }
    return dataset().displayText(field, stored);
}

QVariant PendingModel::roleData(int position, int, int role) const
{
    if (role != PriorityRole)
        return {};
    const QVariant p = rowValues(position).value(m_priorityField);
    return p.isNull() ? QVariant() : QVariant(p.toInt());
}

// --- PendingDelegate ----------------------------------------------------

void DBGrid1PaintColumnCell(QStyleOptionViewItem &option, int priority)
{
    if (option.state & QStyle::State_Selected)
        return;
    const RowColours colours = PriorityColours(priority);
    if (!colours.background.isValid())
        return;
    option.backgroundBrush = colours.background;
    option.palette.setColor(QPalette::Text, colours.text);
}

void PendingDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const QVariant priority = index.data(PendingModel::PriorityRole);
    if (priority.isValid())
        DBGrid1PaintColumnCell(*option, priority.toInt());
}

// --- PendingGrid --------------------------------------------------------

PendingGrid::PendingGrid(QTableView *view, store::Table &pending, QObject *parent)
    : QObject(parent), m_view(view), m_pending(pending), m_model(new PendingModel(pending, this))
{
    view->setModel(m_model);
    view->setItemDelegate(new PendingDelegate(view));
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setShowGrid(true);
    view->setWordWrap(false);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // The selection stays as visible when the grid loses the focus.
    QPalette pal = view->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        pal.setColor(QPalette::Inactive, role, pal.color(QPalette::Active, role));
    view->setPalette(pal);

    QHeaderView *rows = view->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(view->fontMetrics().height() + 4);
    rows->setFixedWidth(14);
    rows->setDefaultAlignment(Qt::AlignCenter);
    QHeaderView *cols = view->horizontalHeader();
    cols->setSectionResizeMode(QHeaderView::Interactive);
    cols->setHighlightSections(false);
    cols->setStretchLastSection(false);
    cols->setMinimumSectionSize(10);
    connect(cols, &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        // A column dragged past its bounds springs back to them.
        const PendingModel::Column &c = PendingModel::columns().at(section);
        const int bounded = std::clamp(size, c.minimum, c.maximum);
        if (bounded != size)
            m_view->setColumnWidth(section, bounded);
    });
    m_viewport = view->viewport();
    m_viewport->installEventFilter(this);

    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { gridMoved(current); });
    connect(&m_pending, &store::Dataset::currentChanged, this, &PendingGrid::cursorMoved);
    connect(&m_pending, &store::Dataset::dataChanged, this, &PendingGrid::cursorMoved);
    stretchColumns();
    cursorMoved();
}

void PendingGrid::stretchColumns()
{
    QList<reports::ColumnBounds> bounds;
    for (const PendingModel::Column &c : PendingModel::columns())
        bounds << reports::ColumnBounds{c.initial, c.minimum, c.maximum};
    const QList<int> widths = reports::StretchColumns(m_view->viewport()->width(), bounds);
    for (int i = 0; i < widths.size(); ++i)
        m_view->setColumnWidth(i, widths[i]);
}

bool PendingGrid::eventFilter(QObject *watched, QEvent *event)
{
    // The type first: while the view is being destroyed its viewport still
    // sends events, and the view must not be asked for it then.
    if (event->type() == QEvent::Resize && watched == m_viewport)
        stretchColumns();
    return QObject::eventFilter(watched, event);
}

void PendingGrid::cursorMoved()
{
    if (m_syncing)
        return;
    m_syncing = true;
    const int pos = m_pending.isOpen() ? m_pending.recNo() : -1;
    QItemSelectionModel *selection = m_view->selectionModel();
    if (pos < 0) {
        selection->clear();
    } else {
        m_model->fetchUpTo(pos);
        const QModelIndex at = m_model->index(pos, 0);
        if (selection->currentIndex().row() != pos || !selection->isRowSelected(pos))
            selection->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect |
                                               QItemSelectionModel::Rows);
        m_view->scrollTo(at);
    }
    m_syncing = false;
}

void PendingGrid::gridMoved(const QModelIndex &current)
{
    if (m_syncing || !current.isValid() || !m_pending.isOpen())
        return;
    // While an event is being written the cursor stays; the grid follows it
    // again once the row is stored.
    if (m_pending.state() != store::Dataset::State::Browse || m_pending.isPosting()) {
        cursorMoved();
        return;
    }
    try {
        m_pending.moveTo(current.row());
    } catch (const store::EStoreError &) {
        cursorMoved();
    }
}

void PendingGrid::retranslateUi()
{
    // The titles are looked up as they are painted.
    emit m_model->headerDataChanged(Qt::Horizontal, 0, m_model->columnCount() - 1);
}

} // namespace console
