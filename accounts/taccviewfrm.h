#pragma once

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTableView;
class QTimeEdit;
class QToolButton;

namespace store {
class DatasetGridModel;
struct GridField;
class TDMod;
class Table;
} // namespace store

namespace accounts {

class FieldBinder;

// "Account Manager": the customer database, one account at a time, on the
// data module's Accounts table and its four detail tables. What the
// operator may change follows the logged-on operator's rights.
class TAccViewFrm : public QDialog
{
    Q_OBJECT
public:
    enum Tab { tsCustomer, tsNotes, tsSpecial, tsKeyHolders, tsZones, tsAreas, tsUsers, tsEvents,
               tsExceptions, kTabCount };
    enum NavButton { nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost,
                     nbCancel, kNavCount };
    // The import kinds handed to importRequested().
    enum ImportKind { ImportZones = 0, ImportAreas = 1, ImportUsers = 2 };

    explicit TAccViewFrm(store::TDMod &dm, QWidget *parent = nullptr);
    ~TAccViewFrm() override;

    // What the navigator buttons do.
    void DBNavigatorClick(NavButton button);
    // "Search": the account search, then a move to the chosen account.
    void btnSearchClick();
    // Whether the Accounts row or a detail row holds changes not yet saved.
    bool hasUnsavedChanges() const;

    QTabWidget *PageControl1;
    std::array<QWidget *, kTabCount> pages{};
    std::array<QToolButton *, kNavCount> nav{};
    QToolButton *btnSearch, *btnHistory, *btnPrint;
    QLabel *lbAccountNo, *lbName; // the heading labels
    QStatusBar *StatusBar1;
    QLabel *lbMode, *lbRecord;

    QLineEdit *edAccountNo, *edName;
    QComboBox *cbPanelType;
    QPlainTextEdit *moNotes;
    QListWidget *lbSpecialInstructions;
    QDateEdit *dtDate;
    QTimeEdit *dtTime;
    QLineEdit *edInstruction;
    QPushButton *btnAdd, *btnDelete;
    QTableView *grdZones, *grdAreas, *grdUsers, *grdEvents;
    std::array<QPushButton *, 3> btnImport{};
    std::array<QGroupBox *, 5> rgEvent{};       // priority, alarm action, restore action, e-mails
    std::array<QButtonGroup *, 5> eventChoice{};
    QPushButton *btnUpdateEvent;
    QComboBox *cbNoSigTime;
    QLineEdit *edLastSignal;

    store::DatasetGridModel *zonesModel() const { return m_zones; }
    store::DatasetGridModel *eventsModel() const { return m_events; }

signals:
    // "Print": the account report of the account shown.
    void printRequested(const QString &accountNo);
    // An "Import..." button: panel data of the current account (ImportKind).
    void importRequested(int what);

protected:
    void changeEvent(QEvent *event) override;
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void retranslateUi();
    QWidget *buildCustomer();
    QWidget *buildNotes();
    QWidget *buildSpecial();
    QWidget *buildKeyHolders();
    QWidget *buildDetailGrid(QTableView *&grid, store::DatasetGridModel *&model, store::Table &table,
                             const QList<store::GridField> &fields, int kind);
    QWidget *buildEvents();
    QWidget *buildExceptions();
    QWidget *page(Tab tab, QWidget *content);

    void applyRights();
    void accountsModeChanged();
    void accountsDataChanged();
    void actionsRowChanged();
    void tabShown(int index);
    void updateStatus();
    void addInstruction();
    void deleteInstruction();
    void saveInstructions(const QStringList &lines);
    void btnUpdateEventClick();
    void detailKey(QTableView *grid, store::Table &table, int key);
    void followCursor(QTableView *grid, store::Table &table);
    void importPanelData(int what);
    bool saveBeforeClosing();

    store::TDMod &m_dm;
    store::Table &m_accounts;
    FieldBinder *m_binder;
    store::DatasetGridModel *m_zones, *m_areas, *m_users, *m_events;
    std::array<QLabel *, kTabCount> m_headings{};
    std::array<QFrame *, kTabCount> m_strips{};
    QList<QWidget *> m_editFields; // fields painted by the edit condition
    QList<QLabel *> m_captions;    // every caption label, with its English text
    QList<QMetaObject::Connection> m_hooks;
    std::function<void(store::Table &)> m_savedBeforePost;
    bool m_actionsLoaded = false; // the load guard of the event-handling choices
    QStringList m_instructions;
};

} // namespace accounts
