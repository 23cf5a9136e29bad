#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace store {
class DatasetGridModel;
class Query;
} // namespace store

namespace accounts {

// The search fields, in the order of the "Search Field:" list.
enum class SearchField { AccountNo, Name, Address, Postcode, TelNo, FaxNo, Email };

// The condition line of the account search for a field. The typed text is
// never part of it: it is bound as :Pattern.
QString AccountSearchCondition(SearchField field);
// The pattern bound for typed text: capitals, between wildcards, at most
// 255 characters. Empty text matches every non-empty value.
QString AccountSearchPattern(const QString &typed);

// "Account Search": finds accounts by part of a number, name, address,
// postcode, telephone, fax or e-mail, searching again on every keystroke,
// and hands back the chosen account's number.
class TfrmAccountSearch : public QDialog
{
    Q_OBJECT
public:
    // search: the data module's qryCusAccount.
    explicit TfrmAccountSearch(store::Query &search, QWidget *parent = nullptr);
    ~TfrmAccountSearch() override;

    // Shows the dialog modally. True when it ended with OK; accountNo is then
    // the current result row's AccountNo, else empty. The search is closed
    // again before this returns.
    bool Execute(QString &accountNo);

    // Runs the search for the present field and text.
    void RunSearch();

    QTableView *DBGrid1;
    QComboBox *cbSearchField;
    QLineEdit *edSearchFor;
    QPushButton *btnOK;
    QPushButton *btnCancel;
    store::DatasetGridModel *model() const { return m_model; }

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void retranslateUi();
    void resultRowChanged();
    void chooseRow();

    store::Query &m_search;
    store::DatasetGridModel *m_model;
    QLabel *lbSearchField;
    QLabel *lbSearchFor;
    QString m_chosen;
};

} // namespace accounts
