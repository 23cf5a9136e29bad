#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

class QTableView;

namespace store {
class TDMod;
class Table;
} // namespace store

namespace mail::ui {

class DatasetGridModel;

// "Received Communication Data": every Comms row in the table's order, read
// only, with new rows appearing as they are stored. Not modal, and never
// more than one: closing it destroys it.
class TCommsFrm : public QWidget
{
    Q_OBJECT
public:
    // Creates the viewer on first use, otherwise brings it to the front.
    // dateTimeFormat: how Comms.DateTime is shown (Qt format text).
    static TCommsFrm *showViewer(store::TDMod &dm, const QString &dateTimeFormat, QWidget *parent);
    // The open viewer, or nullptr.
    static TCommsFrm *instance();

    // Rows handed to the grid at a time as it scrolls.
    static constexpr int kBatch = 256;

    QTableView *DBGrid1;
    DatasetGridModel *model() const { return m_model; }

protected:
    void changeEvent(QEvent *event) override;

private:
    TCommsFrm(store::TDMod &dm, const QString &dateTimeFormat, QWidget *parent);
    void retranslateUi();
    void rowsStored();
    void showStoredRows();

    store::Table *m_comms;
    DatasetGridModel *m_model;
    QTimer *m_refreshTimer;
    static QPointer<TCommsFrm> s_instance;
};

} // namespace mail::ui
