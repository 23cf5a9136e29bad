#pragma once

#include "reports/datefield.h"
#include "reports/historymodel.h"

#include <QDateTime>
#include <QDialog>
#include <QList>

class QCheckBox;
class QPlainTextEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;

namespace store {
class TDMod;
}

namespace reports {


// Line 1 of qryHistory: every row of the account.
QString HistoryAccountClause();
// Line 1 of qryHistory: the account's rows from :FromDateTime to :ToDateTime,
// both included.
QString HistoryRangeClause();
// The row filter for the ticked event groups, in list order:
// "(EventGroup = 1) or (EventGroup = 3)"; empty (every row) when none is ticked.
QString EventGroupFilter(const QList<int> &groups);

// The history viewer: one account's History rows, newest first, coloured by
// event group, narrowed by event group and date range, and printable.
// It works on the data module's qryHistory, which its opener runs and closes.
class THistoryFrm : public QDialog
{
    Q_OBJECT
public:
    explicit THistoryFrm(store::TDMod &dm, QWidget *parent = nullptr);
    ~THistoryFrm() override;

    // Runs qryHistory for the account (all dates), sets the caption and
    // keeps the name for the report. Store errors propagate to the opener.
    void openAccount(const QString &accountNo, const QString &accountName);
    QString accountNo() const { return m_accountNo; }
    QString accountName() const { return m_accountName; }
    HistoryModel *model() const { return m_model; }
    // The check item of an event group (1 to 7).
    QCheckBox *filterItem(int group) const;

    // Handler of "Only Show Event Types:" and of every group item.
    void cbFilterEventsClick();
    // Handler of "Use Date Range": the pickers are read here, and only here.
    void cbUseDateClick();
    // Builds the history report of the rows shown and previews it.
    void btnPrintClick();

    void retranslateUi();
    void applyDateFormat();

    QTableView *DBGrid1;
    QGroupBox *FilterOpts;
    QCheckBox *cbFilterEvents;
    QGroupBox *gbDateRange;
    QLabel *lbStartDate;
    QLabel *lbEndDate;
    DateField *dpStart;
    DateField *dpEnd;
    QCheckBox *cbUseDate;
    QPushButton *btnPrint;
    QPushButton *btnClose;
    // The current row's whole comment, however many lines it has.
    QPlainTextEdit *moComments;

protected:
    // Every way of closing the viewer comes through here.
    void done(int result) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormClose();
    void stretchColumns();
    void runHistory(const QString &clause, const QDateTime &start = {},
                    const QDateTime &end = {});
    void showCurrentRow();
    QString cellText(const QModelIndex &index) const;

    store::TDMod &m_dm;
    HistoryModel *m_model;
    QList<QCheckBox *> m_filterItems; // groups 1 to 7
    QList<ColumnBounds> m_bounds;     // of the grid's columns, for this font
    QString m_accountNo;
    QString m_accountName;
};

// The one way to open an account's history: runs qryHistory for the
// account, shows the viewer modally, then destroys it and closes qryHistory
// (also when an error escapes, which then goes on to the caller).
void ShowAccountHistory(store::TDMod &dm, const QString &accountNo, const QString &accountName,
                        QWidget *parent = nullptr);

} // namespace reports
