#pragma once

#include <QList>
#include <QMetaObject>
#include <QWidget>

#include <array>

class QColor;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableView;

namespace station {
class Station;
}

namespace console {

class AccountPages;
class PendingGrid;

// The pending alarm view of the main window: the top panel with the
// account pages (or a message when there is nothing to show), the grid of
// waiting events, the row of four count labels and the column of operator
// buttons. Action and Log move the selected event into the account's
// history; the panel follows the station's queue and count signals.
class PendingPanel : public QWidget
{
    Q_OBJECT
public:
    explicit PendingPanel(station::Station &station, QWidget *parent = nullptr);
    ~PendingPanel() override;

    // The operator buttons and the comments box are for a logged-on operator.
    void setLoggedOn(bool on) { m_loggedOn = on; }

    // The two data-change hooks: queue controls on the Pending rows, the
    // account lights on the current account.
    void attachDataHooks();
    void detachDataHooks();

    // Operator buttons and account pages.
    void UpdateQueueControls();
    // The "Engr on Site" and "System Closed" lights of the current account.
    void UpdateAccountLeds();
    // The four count labels from the station's priority counts.
    void showCounts();
    void setDateFormat(const QString &format);
    // Every text of the panel in the current language, the assembled count
    // labels and the queue message included.
    void retranslateUi();
    // The narrowest the count-label row and the button column may be.
    int minimumContentWidth() const;

    // --- Operator actions --------------------------------------------------
    // The selected event is handled: its History row (Actioned, with the
    // comments, which are required) and the removal from the queue.
    void btnActionClick();
    // The Log button (tag 3): the selected event is filed as Logged.
    void btnCancelClick();
    // Removes the selected event without a History row (for an event whose
    // account no longer exists).
    void btnDeleteClick();
    void btnHistoryClick();
    // The looping alarm gives way to one short chime (AlmTimer's expiry
    // does the same through the processor).
    void btnSilenceClick();
    // A click on "Special:": the account's instructions document is opened.
    void DBText44Click();
    // Edited account details show at once.
    void accountsEdited();

    QWidget *Panel1;
    QLabel *lbNoEvents;
    QTabWidget *PgControl;
    QTableView *DBGrid1;
    QWidget *Panel3;
    std::array<QLabel *, 4> lbAlmCount{};
    QPushButton *btnAction, *btnCancel, *btnDelete, *btnHistory, *btnSilence;
    QPlainTextEdit *moComments = nullptr;
    // The detail pages' content and the grid's model and binding.
    AccountPages *pages() const { return m_pages; }
    PendingGrid *pendingGrid() const { return m_pendingGrid; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    enum class QueueMessage
    {
        None,
        NoEvents,
        Unreadable,
        NoAccount
    };
    void build();
    void connectActions();
    void Panel3Resize();
    // The message of the top panel when the detail pages are hidden.
    void showQueueMessage(QueueMessage message);
    void focusComments();
    // Files the current event in History (opAction 1 Actioned, 0 Logged)
    // and removes it from the queue, as one unit of work.
    void fileCurrentEvent(int opAction, const QString &comments);

    station::Station &m_station;
    bool m_loggedOn = false;
    QList<QMetaObject::Connection> m_dataHooks;
    PendingGrid *m_pendingGrid = nullptr;
    AccountPages *m_pages = nullptr;
    QueueMessage m_message = QueueMessage::None;
    QString m_lookupError;
    // An operator action is being written (its waits dispatch clicks).
    bool m_filing = false;
};

} // namespace console
