#pragma once

#include <QDialog>

#include "mail/ui/gridmodel.h"

class QTableView;

namespace store {
class TDMod;
class Table;
} // namespace store

namespace mail {
class MailDelivery;
}

namespace mail::ui {

// "Email History": every Outbox row, read only, with its status as text.
// The columns stretch with the window between their smallest and largest
// widths. Opened modally; a status written meanwhile shows at once.
class TfrmEmailData : public QDialog
{
    Q_OBJECT
public:
    // dateTimeFormat: how Outbox.MsgDateTime is shown (Qt format text);
    // delivery, when given, repaints the grid as statuses are written.
    TfrmEmailData(store::TDMod &dm, const QString &dateTimeFormat, MailDelivery *delivery = nullptr,
                  QWidget *parent = nullptr);

    QTableView *DBGrid1;
    DatasetGridModel *model() const { return m_model; }
    // Fits the columns to the grid's width.
    void fitColumns();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();
    void refreshRows();

    QList<GridColumn> m_columns;
    store::Table *m_outbox;
    DatasetGridModel *m_model;
};

} // namespace mail::ui
