#include "console/pendingpanel.h"

#include "console/accountpages.h"
#include "console/formattext.h"
#include "console/guarded.h"
#include "console/pendingview.h"
#include "console/shellopen.h"
#include "core/clock.h"
#include "core/messages.h"
#include "localization/texts.h"
#include "pipeline/eventcatalogue.h"
#include "pipeline/eventprocessor.h"
#include "reports/thistoryfrm.h"
#include "station/station.h"
#include "store/errors.h"
#include "store/tdmod.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace console {

namespace {

struct CountLabelDef
{
    const char *format;
    const char *background;
    const char *text;
};
constexpr std::array<CountLabelDef, 4> kCountLabels{{
    {"Very High Priority - %.3d", "#FF334B", "white"},
    {"High Priority - %.3d", "#FF8000", "white"},
    {"Medium Priority - %.3d", "#FFFF00", "black"},
    {"Low Priority - %.3d", "#99FF66", "black"},
}};

struct PageDef
{
    const char *name;
    const char *title;
};
constexpr std::array<PageDef, 4> kPages{{
    {"tsCustomerDetails", "Customer Details"},
    {"tsNotes", "Notes"},
    {"tsSpecialInstructions", "Special Instructions"},
    {"tsKeyholders", "Keyholders"},
}};

const QColor kNoEventsColour(0x00, 0x80, 0x00);
const QColor kNoAccountColour(0xFF, 0x00, 0x00);

QPushButton *queueButton(QWidget *parent, const char *name)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFixedSize(75, 45);
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    b->setEnabled(false);
    return b;
}

QString countText(size_t label, int count)
{
    return formatText(loc::text(kCountLabels[label].format), {QString::number(count)});
}

// The comments box as History stores it: its lines with CR LF line ends.
QString commentsOf(const QPlainTextEdit *box)
{
    QString text = box->toPlainText();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

} // namespace

PendingPanel::PendingPanel(station::Station &station, QWidget *parent)
    : QWidget(parent), m_station(station)
{
    setObjectName(QStringLiteral("Panel2"));
    build();
    connectActions();
    connect(&m_station.processor(), &pipeline::EventProcessor::silenced, btnSilence,
            [this]() { btnSilence->setEnabled(false); });
    retranslateUi();
}

PendingPanel::~PendingPanel()
{
    detachDataHooks();
}

void PendingPanel::build()
{
    store::TDMod &dm = m_station.dm();
    auto *outer = new QHBoxLayout(this);
    outer->setContentsMargins(2, 2, 2, 2);

    auto *view = new QWidget(this);
    auto *viewLayout = new QVBoxLayout(view);
    viewLayout->setContentsMargins(0, 0, 0, 0);
    viewLayout->setSpacing(2);

    // Top panel: the detail pages, or a message when there is nothing to show.
    Panel1 = new QWidget(view);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(305);
    auto *topLayout = new QVBoxLayout(Panel1);
    topLayout->setContentsMargins(0, 0, 0, 0);
    lbNoEvents = new QLabel(Panel1);
    lbNoEvents->setObjectName(QStringLiteral("lbNoEvents"));
    lbNoEvents->setAlignment(Qt::AlignCenter);
    lbNoEvents->setWordWrap(true);
    QFont message(QStringLiteral("Tahoma"));
    message.setPixelSize(24);
    message.setBold(true);
    lbNoEvents->setFont(message);
    topLayout->addWidget(lbNoEvents);
    PgControl = new QTabWidget(Panel1);
    PgControl->setObjectName(QStringLiteral("PgControl"));
    for (const PageDef &page : kPages) {
        auto *sheet = new QWidget(PgControl);
        sheet->setObjectName(QString::fromLatin1(page.name));
        PgControl->addTab(sheet, QString());
    }
    PgControl->setCurrentIndex(1);
    PgControl->hide();
    topLayout->addWidget(PgControl);
    viewLayout->addWidget(Panel1);

    DBGrid1 = new QTableView(view);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    viewLayout->addWidget(DBGrid1, 1);

    // The count-label row: four labels sharing its width by quarters.
    Panel3 = new QWidget(view);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFixedHeight(22);
    QFont countFont(QStringLiteral("Tahoma"));
    countFont.setPixelSize(13);
    countFont.setBold(true);
    for (size_t i = 0; i < lbAlmCount.size(); ++i) {
        auto *l = new QLabel(Panel3);
        l->setObjectName(QStringLiteral("lbAlmCount%1").arg(i + 1));
        l->setAlignment(Qt::AlignCenter);
        l->setFont(countFont);
        l->setAutoFillBackground(true);
        l->setStyleSheet(QStringLiteral("background-color: %1; color: %2;")
                             .arg(QLatin1String(kCountLabels[i].background),
                                  QLatin1String(kCountLabels[i].text)));
        lbAlmCount[i] = l;
    }
    Panel3->installEventFilter(this);
    viewLayout->addWidget(Panel3);
    outer->addWidget(view, 1);

    auto *buttons = new QWidget(this);
    buttons->setObjectName(QStringLiteral("Panel4"));
    auto *buttonLayout = new QVBoxLayout(buttons);
    buttonLayout->setContentsMargins(2, 0, 0, 0);
    btnAction = queueButton(buttons, "btnAction");
    btnCancel = queueButton(buttons, "btnCancel");
    btnCancel->setProperty("tag", 3);
    btnDelete = queueButton(buttons, "btnDelete");
    btnDelete->hide();
    btnHistory = queueButton(buttons, "btnHistory");
    btnSilence = queueButton(buttons, "btnSilence");
    for (QPushButton *b : {btnAction, btnCancel, btnDelete, btnHistory, btnSilence})
        buttonLayout->addWidget(b);
    buttonLayout->addStretch(1);
    outer->addWidget(buttons);

    m_pendingGrid = new PendingGrid(DBGrid1, *dm.tbPending, this);
    m_pages = new AccountPages(dm, PgControl, this);
    moComments = m_pages->moComments;
}

void PendingPanel::retranslateUi()
{
    for (size_t i = 0; i < kPages.size(); ++i)
        PgControl->setTabText(static_cast<int>(i), loc::text(kPages[i].title));
    btnAction->setText(loc::text("&Action"));
    btnCancel->setText(loc::text("Log"));
    btnDelete->setText(loc::text("Delete"));
    btnHistory->setText(loc::text("History..."));
    btnSilence->setText(loc::text("Silence"));
    m_pages->retranslateUi();
    m_pendingGrid->retranslateUi();
    showCounts();
    if (m_message != QueueMessage::None)
        showQueueMessage(m_message);
}

void PendingPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void PendingPanel::connectActions()
{
    const std::array<std::pair<QPushButton *, void (PendingPanel::*)()>, 5> handlers{{
        {btnAction, &PendingPanel::btnActionClick},
        {btnCancel, &PendingPanel::btnCancelClick},
        {btnDelete, &PendingPanel::btnDeleteClick},
        {btnHistory, &PendingPanel::btnHistoryClick},
        {btnSilence, &PendingPanel::btnSilenceClick},
    }};
    for (const auto &[button, handler] : handlers)
        connect(button, &QPushButton::clicked, this,
                [this, h = handler]() { guarded([this, h]() { (this->*h)(); }); });
    connect(m_pages->DBText44, &ClickableText::clicked, this,
            [this]() { guarded([this]() { DBText44Click(); }); });
}

void PendingPanel::attachDataHooks()
{
    detachDataHooks();
    store::TDMod &dm = m_station.dm();
    m_dataHooks << connect(dm.tbPending, &store::Dataset::dataChanged, this,
                           [this]() { guarded([this]() { UpdateQueueControls(); }); });
    m_dataHooks << connect(dm.tbPending, &store::Dataset::currentChanged, this,
                           [this]() { guarded([this]() { UpdateQueueControls(); }); });
    // A new alarm in the queue: the controls follow with the next refresh.
    m_dataHooks << connect(dm.tbPending, &store::Dataset::rowInserted, this,
                           [this]() { m_station.requestQueueRefresh(); });
    m_dataHooks << connect(dm.qryAccounts, &store::Dataset::dataChanged, this,
                           [this]() { guarded([this]() { UpdateAccountLeds(); }); });
    m_dataHooks << connect(dm.qryAccounts, &store::Dataset::currentChanged, this,
                           [this]() { guarded([this]() { UpdateAccountLeds(); }); });
}

void PendingPanel::detachDataHooks()
{
    for (const QMetaObject::Connection &c : m_dataHooks)
        disconnect(c);
    m_dataHooks.clear();
}

bool PendingPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Panel3 && event->type() == QEvent::Resize)
        Panel3Resize();
    return QWidget::eventFilter(watched, event);
}

void PendingPanel::Panel3Resize()
{
    const int width = Panel3->width() / 4;
    for (size_t i = 0; i < lbAlmCount.size(); ++i)
        lbAlmCount[i]->setGeometry(static_cast<int>(i) * width, 0, width, Panel3->height());
}

int PendingPanel::minimumContentWidth() const
{
    // Four count labels with counts of three digits, and the button column.
    int counts = 0;
    for (size_t i = 0; i < lbAlmCount.size(); ++i)
        counts = std::max(counts, lbAlmCount[i]->fontMetrics().horizontalAdvance(countText(i, 888)) + 2);
    return 4 * counts + btnAction->parentWidget()->sizeHint().width() + 10;
}

void PendingPanel::showCounts()
{
    const auto &counts = m_station.dm().PriorityCounts;
    for (size_t i = 0; i < lbAlmCount.size(); ++i)
        lbAlmCount[i]->setText(countText(i, counts[i + 1]));
}

void PendingPanel::setDateFormat(const QString &format)
{
    m_pendingGrid->model()->setDateFormat(format);
    m_pages->setDateFormat(format);
}

void PendingPanel::UpdateQueueControls()
{
    store::TDMod &dm = m_station.dm();
    const store::Table &pending = *dm.tbPending;
    store::Query &account = *dm.qryAccounts;
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
    btnSilence->setEnabled(m_station.processor().AlarmSounding() && m_loggedOn);
    if (hasEvent && hasAccount) {
        for (QPushButton *b : {btnAction, btnCancel, btnHistory})
            b->setEnabled(m_loggedOn);
        m_message = QueueMessage::None;
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
        showQueueMessage(QueueMessage::NoEvents);
        btnDelete->hide();
    } else if (!account.isOpen()) {
        m_lookupError = lookupError;
        showQueueMessage(QueueMessage::Unreadable);
        btnDelete->hide();
    } else {
        // The event's account was deleted: the event can only be removed.
        showQueueMessage(QueueMessage::NoAccount);
        btnDelete->setEnabled(m_loggedOn);
        btnDelete->setVisible(m_loggedOn);
    }
}

void PendingPanel::showQueueMessage(QueueMessage message)
{
    m_message = message;
    QString text;
    QColor colour = kNoAccountColour;
    switch (message) {
    case QueueMessage::None:
        return;
    case QueueMessage::NoEvents:
        text = loc::text("No Pending Alarm Events");
        colour = kNoEventsColour;
        break;
    case QueueMessage::Unreadable:
        text = loc::text("The account details of this event cannot be read: %1").arg(m_lookupError);
        break;
    case QueueMessage::NoAccount:
        text = loc::text("No Account Details for this Event");
        break;
    }
    lbNoEvents->setText(text);
    QPalette pal = lbNoEvents->palette();
    pal.setColor(QPalette::WindowText, colour);
    lbNoEvents->setPalette(pal);
    lbNoEvents->show();
}

void PendingPanel::UpdateAccountLeds()
{
    store::Query &account = *m_station.dm().qryAccounts;
    if (!account.isOpen() || account.state() != store::Dataset::State::Browse)
        return;
    m_pages->ledEngOnSite->setOn(account.field(QStringLiteral("EngOnSite")).asBoolean());
    m_pages->ledSystemClosed->setOn(account.field(QStringLiteral("OCStatus")).asInteger() == 1);
}

void PendingPanel::btnSilenceClick()
{
    // Clears AlarmSounding, stops AlmTimer and chimes once; the processor's
    // silenced() then disables the button.
    m_station.processor().Silence();
}

void PendingPanel::focusComments()
{
    PgControl->setCurrentIndex(AccountPages::CustomerDetails);
    moComments->setFocus();
}

void PendingPanel::btnActionClick()
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

void PendingPanel::btnCancelClick()
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

void PendingPanel::fileCurrentEvent(int opAction, const QString &comments)
{
    store::TDMod &dm = m_station.dm();
    store::Table &pending = *dm.tbPending;
    if (!pending.isOpen() || pending.isEmpty())
        return;
    const QScopedValueRollback<bool> filing(m_filing, true);
    store::Table &history = *dm.tbHistory;
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
        {"Operator", dm.currentOperator.name},
        {"Comments", comments},
        {"TimeActioned", core::now()},
    }};
    try {
        // Filed and removed together, or neither: a failure loses no alarm
        // and leaves no half-handled one.
        store::WriteScope scope(dm.database());
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

void PendingPanel::btnDeleteClick()
{
    if (m_filing)
        return;
    store::Table &pending = *m_station.dm().tbPending;
    if (pending.isOpen() && !pending.isEmpty())
        pending.remove();
}

void PendingPanel::btnHistoryClick()
{
    btnSilenceClick();
    store::TDMod &dm = m_station.dm();
    store::Table &pending = *dm.tbPending;
    if (!pending.isOpen() || pending.isEmpty())
        return;
    const QString accountNo = pending.field(QStringLiteral("AccNo")).asString();
    const QString name = dm.qryAccounts->isOpen()
                             ? dm.qryAccounts->field(QStringLiteral("Name")).asString()
                             : QString();
    guarded([&]() { reports::ShowAccountHistory(dm, accountNo, name, window()); });
    DBGrid1->viewport()->update();
}

void PendingPanel::DBText44Click()
{
    store::Query &account = *m_station.dm().qryAccounts;
    if (!account.isOpen() || account.isEmpty())
        return;
    const QString target = account.field(QStringLiteral("SpecialOpts")).asString().trimmed();
    if (!target.isEmpty())
        ShellOpen(target);
}

void PendingPanel::accountsEdited()
{
    DBGrid1->viewport()->update();
    guarded([this]() {
        store::TDMod &dm = m_station.dm();
        dm.qryAccounts->close();
        dm.qryAccounts->open();
    });
    UpdateQueueControls();
}

} // namespace console
