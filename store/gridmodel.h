#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QString>
#include <QVector>

namespace store {

class Dataset;
class Table;

// One column of a grid over a dataset.
struct GridField
{
    QString field;              // the dataset field shown; empty for a column the grid computes
    const char *title;          // English caption, shown through the interface language
    Qt::Alignment alignment = Qt::AlignLeft;
    bool editable = false;      // may be typed into while the grid allows editing
};

// The grid model every window uses over a dataset: one row per row of the
// dataset in its order, the given fields as columns, coded fields through
// their display texts. A grid chooses how its rows follow the dataset
// (Refresh), whether they are handed to the view in batches as it scrolls,
// and overrides cellText()/roleData() for its own texts and colours. Rows
// read are kept until the dataset's rows change, so repaints do not go to
// the store.
class DatasetGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum class Refresh {
        Reset,       // start again from the first batch
        KeepFetched, // keep the rows already handed out (the scroll position survives)
        Append,      // rows added at the end are inserted, the rest repainted
    };

    DatasetGridModel(Dataset &dataset, const QList<GridField> &columns, QObject *parent = nullptr);

    Dataset &dataset() const { return m_dataset; }
    const QList<GridField> &gridFields() const { return m_columns; }

    // Rows handed to the view at a time; 0 hands every row at once.
    void setBatchSize(int rows);
    int batchSize() const { return m_batch; }
    void setRefresh(Refresh refresh) { m_refresh = refresh; }
    // The current row of a table cursor being edited or inserted shows its
    // unsaved values (an inserted row as one more row at the end).
    void setShowEditBuffer(bool on);
    // The vertical header marks the dataset's current row.
    void setRowIndicator(bool on);
    // Editable columns take typed values (through the table cursor).
    void setEditingAllowed(bool on);
    bool editingAllowed() const { return m_editingAllowed; }
    // How date-times without a display text are shown (Qt format, English names).
    void setDateTimeFormat(const QString &format);
    QString dateTimeFormat() const { return m_dateTimeFormat; }

    // Shows the current row again (its fields were typed into).
    void refreshCurrentRow();
    // Makes sure the view has been handed the row at position.
    void fetchUpTo(int position);
    // The captions and display texts again, in the current language.
    void retranslate();
    // How many times the model read rows from the store, a block at a time
    // (for benchmarks and tests).
    int rowsRead() const { return m_rowsRead; }
    // The dataset field index of a column, -1 when none.
    int fieldOf(int column) const { return m_fields.value(column, -1); }
    // The stored values of the row at position, as the grid shows them.
    const QVector<QVariant> &rowValues(int position) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

signals:
    // A typed value could not be stored; the text says why.
    void editFailed(const QString &message);

protected:
    // The text of a cell; field is -1 for a computed column.
    virtual QString cellText(int column, int field, const QVector<QVariant> &row) const;
    // Any other role of a cell (colours, the grid's own roles); {} by default.
    // Reads the row (rowValues()) only for the roles it answers.
    virtual QVariant roleData(int position, int column, int role) const;
    // The dataset's fields were looked up again (a statement opened anew).
    virtual void fieldsResolved() {}

private:
    void datasetChanged();
    void datasetRowInserted(int position);
    void currentMoved();
    void resolveFields();
    int datasetRows() const;
    int editRow() const;

    Dataset &m_dataset;
    Table *m_table; // the dataset as a table cursor, nullptr for a statement
    QList<GridField> m_columns;
    QList<int> m_fields;
    int m_batch = 0;
    Refresh m_refresh = Refresh::Reset;
    bool m_showEditBuffer = false;
    bool m_rowIndicator = false;
    bool m_editingAllowed = false;
    QString m_dateTimeFormat = QStringLiteral("M/d/yyyy h:mm:ss ap");
    int m_fetched = 0; // rows handed to the view
    int m_known = 0;   // the dataset's rows at the last change
    int m_indicatorRow = -1;
    bool m_insertRow = false;
    mutable QHash<int, QVector<QVariant>> m_cache; // by position
    mutable QVector<QVariant> m_buffer;
    mutable int m_rowsRead = 0;
};

} // namespace store
