// The pending queue's side of the main window: the operator buttons, the
// account pages and the actions that move an event from the queue into
// the account's history.
#include "console/accountpages.h"
#include "console/guarded.h"
#include "console/shellopen.h"
#include "console/tmainfrm.h"
#include "localization/texts.h"
#include "pipeline/eventcatalogue.h"
#include "pipeline/eventprocessor.h"
#include "reports/thistoryfrm.h"
#include "core/clock.h"
#include "store/errors.h"
#include "core/messages.h"
#include "store/tdmod.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QTableView>

#include <array>

namespace console {

namespace {

const QColor kNoEventsColour(0x00, 0x80, 0x00);
const QColor kNoAccountColour(0xFF, 0x00, 0x00);

// The comments box as History stores it: its lines with CR LF line ends.
QString commentsOf(const QPlainTextEdit *box)
{
    QString text = box->toPlainText();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

} // namespace

void TMainFrm::connectQueueActions()
{
    const std::array<std::pair<QPushButton *, void (TMainFrm::*)()>, 5> buttons{{
        {btnAction, &TMainFrm::btnActionClick},
        {btnCancel, &TMainFrm::btnCancelClick},
        {btnDelete, &TMainFrm::btnDeleteClick},
        {btnHistory, &TMainFrm::btnHistoryClick},
        {btnSilence, &TMainFrm::btnSilenceClick},
    }};
    for (const auto &[button, handler] : buttons)
        connect(button, &QPushButton::clicked, this,
                [this, h = handler]() { guarded([this, h]() { (this->*h)(); }); });
    connect(m_pages->DBText44, &ClickableText::clicked, this,
            [this]() { guarded([this]() { DBText44Click(); }); });
}

void TMainFrm::UpdateQueueControls()
{
    const store::Table &pending = *m_dm.tbPending;
    store::Query &account = *m_dm.qryAccounts;
    const bool hasEvent = pending.isOpen() && !pending.isEmpty();
    // A lookup that failed is not an account that is gone: it is tried
    // again, and never offers to delete the alarm.
    QString lookupError;
    if (hasEvent && !account.isOpen()) {
        try {
            account.open();
        } catch (const store::EStoreError &e) {
            lookupError = e.message();
        }
    }
    const bool hasAccount = account.isOpen() && !account.isEmpty();
    // A looping alarm can always be silenced by a logged-on operator, also
    // once the queue holds nothing it could be actioned from.
    btnSilence->setEnabled(m_processor && m_processor->AlarmSounding() && m_loggedOn);
    if (hasEvent && hasAccount) {
        for (QPushButton *b : {btnAction, btnCancel, btnHistory})
            b->setEnabled(m_loggedOn);
        lbNoEvents->hide();
        PgControl->show();
        moComments->setEnabled(m_loggedOn);
        btnDelete->hide();
        return;
    }
    for (QPushButton *b : {btnAction, btnCancel, btnHistory})
        b->setEnabled(false);
    PgControl->hide();
    if (!hasEvent) {
        showQueueMessage(loc::text("No Pending Alarm Events"), kNoEventsColour);
        btnDelete->hide();
    } else if (!account.isOpen()) {
        showQueueMessage(loc::text("The account details of this event cannot be read: %1")
                             .arg(lookupError),
                         kNoAccountColour);
        btnDelete->hide();
    } else {
        // The event's account was deleted: the event can only be removed.
        showQueueMessage(loc::text("No Account Details for this Event"), kNoAccountColour);
        btnDelete->setEnabled(m_loggedOn);
        btnDelete->setVisible(m_loggedOn);
    }
}

void TMainFrm::showQueueMessage(const QString &text, const QColor &colour)
{
    lbNoEvents->setText(text);
    QPalette pal = lbNoEvents->palette();
    pal.setColor(QPalette::WindowText, colour);
    lbNoEvents->setPalette(pal);
    lbNoEvents->show();
}

void TMainFrm::UpdateAccountLeds()
{
    store::Query &account = *m_dm.qryAccounts;
    if (!account.isOpen() || account.state() != store::Dataset::State::Browse)
        return;
    m_pages->ledEngOnSite->setOn(account.field(QStringLiteral("EngOnSite")).asBoolean());
    m_pages->ledSystemClosed->setOn(account.field(QStringLiteral("OCStatus")).asInteger() == 1);
}

void TMainFrm::btnSilenceClick()
{
    // Clears AlarmSounding, stops AlmTimer and chimes once; the processor's
    // silenced() then disables the button.
    m_processor->Silence();
}

void TMainFrm::focusComments()
{
    PgControl->setCurrentIndex(AccountPages::CustomerDetails);
    moComments->setFocus();
}

void TMainFrm::btnActionClick()
{
    if (m_filing)
        return;
    btnSilenceClick();
    const QString comments = commentsOf(moComments);
    if (comments.trimmed().isEmpty()) {
        core::messages().error(loc::text("You have not entered any comments!"));
        focusComments();
        return;
    }
    fileCurrentEvent(1, comments);
}

void TMainFrm::btnCancelClick()
{
    if (m_filing)
        return;
    btnSilenceClick();
    QString comments = commentsOf(moComments);
    if (comments.trimmed().isEmpty()) {
        if (!core::messages().confirm(
                loc::text("Are you sure you want to log this alarm without any comments"))) {
            focusComments();
            return;
        }
        comments = loc::text("Logged by Operator");
    } else {
        comments = loc::text("Logged by Operator") + QStringLiteral(" - \r\n") + comments;
    }
    fileCurrentEvent(0, comments);
}

void TMainFrm::fileCurrentEvent(int opAction, const QString &comments)
{
    store::Table &pending = *m_dm.tbPending;
    if (!pending.isOpen() || pending.isEmpty())
        return;
    const QScopedValueRollback<bool> filing(m_filing, true);
    store::Table &history = *m_dm.tbHistory;
    // The event as it is now: the store's waits dispatch input, and a click
    // in the grid must not make the row removed differ from the row filed.
    const store::Table::Bookmark event = pending.bookmark();
    auto value = [&pending](const char *name) {
        return pending.field(QString::fromLatin1(name)).value();
    };
    const int code = pending.field(QStringLiteral("EventCode")).asInteger();
    const std::array<std::pair<const char *, QVariant>, 10> row{{
        {"DateTime", value("DateTime")},
        {"AccNo", value("AccNo")},
        {"EventCode", value("EventCode")},
        {"EventType", value("EventType")},
        {"EventDesc", value("EventDesc")},
        {"EventGroup", pipeline::EventGroupOf(code)},
        {"OpAction", opAction},
        {"Operator", m_dm.currentOperator.name},
        {"Comments", comments},
        {"TimeActioned", core::now()},
    }};
    try {
        // Filed and removed together, or neither: a failure loses no alarm
        // and leaves no half-handled one.
        store::WriteScope scope(m_dm.database());
        history.insert();
        for (const auto &[name, v] : row)
            history.field(QString::fromLatin1(name)).setValue(v);
        history.post();
        pending.gotoBookmark(event);
        if (pending.currentRowId() != event.rowid)
            throw store::EStoreError(loc::text("The alarm event has already been removed."));
        pending.remove();
        scope.commit();
    } catch (...) {
        // The cursors show again what the store holds.
        try {
            history.cancel();
            history.refresh();
            pending.refresh();
        } catch (const std::exception &) {
        }
        throw;
    }
    moComments->clear();
}

void TMainFrm::btnDeleteClick()
{
    if (m_filing)
        return;
    store::Table &pending = *m_dm.tbPending;
    if (pending.isOpen() && !pending.isEmpty())
        pending.remove();
}

void TMainFrm::btnHistoryClick()
{
    btnSilenceClick();
    store::Table &pending = *m_dm.tbPending;
    if (!pending.isOpen() || pending.isEmpty())
        return;
    const QString accountNo = pending.field(QStringLiteral("AccNo")).asString();
    const QString name = m_dm.qryAccounts->isOpen()
                             ? m_dm.qryAccounts->field(QStringLiteral("Name")).asString()
                             : QString();
    guarded([&]() { reports::ShowAccountHistory(m_dm, accountNo, name, this); });
    DBGrid1->viewport()->update();
}

void TMainFrm::DBText44Click()
{
    store::Query &account = *m_dm.qryAccounts;
    if (!account.isOpen() || account.isEmpty())
        return;
    const QString target = account.field(QStringLiteral("SpecialOpts")).asString().trimmed();
    if (!target.isEmpty())
        ShellOpen(target);
}

} // namespace console
