#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;

namespace store {
class Table;
}

namespace console {

class TableModel;

// Maintenance of the station's operators: a grid of Operators, the fields
// of the current row, and the five rights an operator can be given here.
// Works directly on the shared Operators cursor.
class TOperatorsFrm : public QDialog
{
    Q_OBJECT
public:
    enum NavButton
    {
        nbInsert,
        nbDelete,
        nbEdit,
        nbPost,
        nbCancel
    };

    explicit TOperatorsFrm(store::Table &operators, QWidget *parent = nullptr);
    ~TOperatorsFrm() override;

    QTableView *grid() const { return m_grid; }
    QLineEdit *edUserName() const { return m_userName; }
    QLineEdit *edPassword() const { return m_password; }
    QToolButton *navButton(NavButton b) const { return m_nav[b]; }
    // The rights boxes, in the order EditRecords, AddRecords, DeleteRecords,
    // SetupComms, PrintReports.
    QCheckBox *rightBox(int i) const { return m_rights[static_cast<size_t>(i)]; }

    // What the navigator buttons and the grid's Delete key do.
    void DBNavigatorClick(NavButton button);

    // Close, Esc and the window's close button all end here: a half-typed
    // change is saved, discarded or kept open, as the operator chooses.
    void done(int result) override;

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void retranslateUi();
    // The change listener of the Operators data source.
    void dsOperatorsDataChange();
    void DBNavigator1BeforeAction(NavButton button);
    void fieldEdited(const QString &fieldName, const QVariant &value);
    void gridRowChosen();
    void syncGridRow();

    store::Table &m_table;
    TableModel *m_model;
    QTableView *m_grid;
    QLineEdit *m_userName;
    QLineEdit *m_password;
    QLabel *m_userLabel = nullptr;
    QLabel *m_passwordLabel = nullptr;
    QPushButton *m_close = nullptr;
    std::array<QCheckBox *, 5> m_rights{};
    std::array<QToolButton *, 5> m_nav{};
    bool m_showing = false;
};

} // namespace console
