#include "pipeline/eventprocessor.h"

#include "localization/format.h"
#include "localization/texts.h"
#include "pipeline/eventcatalogue.h"
#include "pipeline/sound.h"
#include "core/clock.h"
#include "store/database.h"
#include "store/errors.h"
#include "core/events.h"
#include "core/messages.h"
#include "store/tdmod.h"

#include <QPointer>
#include <QScopeGuard>
#include <QSqlError>
#include <QSqlQuery>
#include <QElapsedTimer>
#include <QTimer>

#include <optional>
#include <utility>

namespace pipeline {

namespace {

using store::Dataset;
using store::Table;

// How soon to look again when another handler's unit of work is still open.
constexpr int kBusyHandlerRetryMs = 100;
constexpr int kAccountReloadMs = 50; // the console refresh's pace

// The savepoints of the event path: one round an event's own work inside
// the unit of work it shares with others, one round its e-mail.
enum SavepointStep { RowBegin, RowRelease, RowRollback, MailBegin, MailRelease, MailRollback };

void step(store::Database &db, SavepointStep which)
{
    static const QString texts[] = {
        QStringLiteral("SAVEPOINT EventRow"), QStringLiteral("RELEASE EventRow"),
        QStringLiteral("ROLLBACK TO EventRow"), QStringLiteral("SAVEPOINT EventMail"),
        QStringLiteral("RELEASE EventMail"), QStringLiteral("ROLLBACK TO EventMail")};
    db.run(texts[which]);
}

} // namespace

// An event message that cannot be decoded: the one failure that trying again
// cannot mend.
class DecodeFailure : public store::EStoreError
{
public:
    using EStoreError::EStoreError;
};

// What a committed event still asks of the console and the speaker.
struct EventProcessor::Effects
{
    bool accountChanged = false;
    bool prompt = false;
    int soundPriority = 0;
    QString account;
    bool mailQueued = false;
    QString mailFailure; // the Outbox row could not be written
    // Rows this event stored, for the cursors that show them.
    qint64 pendingRow = -1;
    int pendingPriority = 0;
    qint64 historyRow = -1;
    qint64 outboxRow = -1;
    int outboxId = 0;
};

EventProcessor::EventProcessor(store::TDMod &dm, QObject *parent)
    : QObject(parent), m_dm(dm), m_almTimer(new QTimer(this)), m_retryTimer(new QTimer(this)),
      m_accountReload(new QTimer(this))
{
    setObjectName(QStringLiteral("EventProcessor"));
    m_almTimer->setObjectName(QStringLiteral("AlmTimer"));
    m_almTimer->setInterval(kAlmTimerMs);
    connect(m_almTimer, &QTimer::timeout, this, &EventProcessor::Silence);
    m_retryTimer->setSingleShot(true);
    connect(m_retryTimer, &QTimer::timeout, this, &EventProcessor::run);
    m_accountReload->setSingleShot(true);
    connect(m_accountReload, &QTimer::timeout, this, &EventProcessor::reloadShownAccount);
    m_dm.setEventIntake(this);
}

EventProcessor::~EventProcessor()
{
    if (m_dm.eventIntake() == this)
        m_dm.setEventIntake(nullptr);
}

bool EventProcessor::takesInline() const
{
    return m_idle && !m_running && !m_inline && !m_retryTimer->isActive();
}

void EventProcessor::rowLeftWaiting(int commsId)
{
    m_upTo = qMax(m_upTo, commsId);
    m_idle = false;
    // Taken up by the processor's own run once the row is committed; a unit
    // that rolls back leaves nothing, and the run finds that out.
    if (!m_retryTimer->isActive())
        m_retryTimer->start(0);
}

std::optional<int> EventProcessor::processStored(const store::CommsRow &row)
{
    store::Database &db = m_dm.database();
    m_inline = true;
    const auto done = qScopeGuard([this] { m_inline = false; });
    m_upTo = qMax(m_upTo, row.id);
    Effects effects;
    step(db, RowBegin);
    try {
        applyEvent(row, effects);
        step(db, RowRelease);
    } catch (const store::EEngineError &) {
        // The unit of work rolls back as a whole and the frame gets no ACK.
        throw;
    } catch (const std::exception &e) {
        // Anything else undoes this event's work alone: a row that cannot be
        // decoded is stored and marked failed, any other waits.
        const auto *decode = dynamic_cast<const DecodeFailure *>(&e);
        const auto *storeError = dynamic_cast<const store::EStoreError *>(&e);
        QString failure = storeError ? storeError->message() : QString::fromLocal8Bit(e.what());
        if (dynamic_cast<const core::EAbort *>(&e))
            failure.clear();
        step(db, RowRollback);
        step(db, RowRelease);
        if (decode) {
            QPointer<EventProcessor> self(this);
            db.afterCommit([self, failure] {
                if (self) {
                    ++self->m_handled;
                    self->m_inlineFailure = failure;
                    self->showInlineFailure();
                }
            });
            return 2;
        }
        m_idle = false;
        QPointer<EventProcessor> self(this);
        db.afterCommit([self, failure] {
            if (!self)
                return;
            self->m_retryTimer->start(self->nextRetryMs());
            if (!std::exchange(self->m_waitReported, true) && !failure.isEmpty()) {
                self->m_inlineFailure =
                    loc::text("Received alarm events are waiting: an event could not be "
                              "processed (%1). It is tried again until it succeeds.")
                        .arg(failure);
                self->showInlineFailure();
            }
        });
        return std::nullopt;
    }
    ++m_handled;
    queueAfterCommit(effects);
    return 1;
}

void EventProcessor::showInlineFailure()
{
    // Not from inside the receiver's frame loop: its box would hold up every
    // frame behind it.
    QTimer::singleShot(0, this, [this] {
        if (m_failureShowing || m_inlineFailure.isEmpty())
            return;
        m_failureShowing = true;
        QPointer<EventProcessor> self(this);
        core::messages().error(std::exchange(m_inlineFailure, QString()));
        if (self)
            m_failureShowing = false;
    });
}

void EventProcessor::queueAfterCommit(const Effects &effects)
{
    // The console and the speaker follow only what was committed.
    QPointer<EventProcessor> self(this);
    m_dm.database().afterCommit([self, effects]() {
        if (!self)
            return;
        const QString failure = self->afterCommit(effects);
        if (failure.isEmpty())
            return;
        if (self->m_inline || !self->m_running) {
            self->m_inlineFailure = failure;
            self->showInlineFailure();
        } else {
            self->m_consoleFailure = failure;
        }
    });
}

void EventProcessor::OnWM_NewCommsData(int commsId)
{
    m_upTo = qMax(m_upTo, commsId);
    m_idle = false;
    // An event that failed waits for its pause to end: new arrivals queue
    // behind it instead of trying it again at once.
    if (m_retryMs > 0 && m_retryTimer->isActive())
        return;
    run();
}

int EventProcessor::ProcessBacklog()
{
    try {
        QSqlQuery q = m_dm.database().exec(
            QStringLiteral("SELECT MAX(ID) FROM Comms WHERE Processed IS NULL"));
        if (q.next() && !q.value(0).isNull())
            m_upTo = qMax(m_upTo, q.value(0).toInt());
    } catch (const store::EStoreError &e) {
        core::messages().error(e.message());
        return 0;
    }
    const int before = m_handled;
    // Before the port opens nothing else waits: the whole backlog at once.
    m_backlogRun = true;
    const auto done = qScopeGuard([this] { m_backlogRun = false; });
    run();
    return m_handled - before;
}

void EventProcessor::Silence()
{
    if (!m_alarmSounding)
        return;
    m_alarmSounding = false;
    m_almTimer->stop();
    PlayWaveResource(QString::fromLatin1(SoundNewEvent3), SoundOnce);
    emit silenced();
}

void EventProcessor::run()
{
    // A run already under way (we are nested inside one of its waits) takes
    // up the new rows itself, after the one it is processing.
    if (m_running)
        return;
    for (;;) {
        QString failure;
        {
            m_running = true;
            const auto done = qScopeGuard([this] { m_running = false; });
            failure = processWaiting();
        }
        if (failure.isEmpty())
            return;
        // Shown once the failed event is finished, so that events arriving
        // while the box is open are processed meanwhile.
        core::messages().error(failure);
    }
}

QString EventProcessor::processWaiting()
{
    int previous = -1;
    QElapsedTimer slice;
    slice.start();
    for (;;) {
        // A long queue is worked off in slices, so that the receiver's next
        // frames are still read and acknowledged between them.
        if (!m_backlogRun && previous >= 0 && slice.elapsed() >= kSliceMs) {
            m_retryTimer->start(0);
            return {};
        }
        if (!storeIsFree(false)) {
            m_retryTimer->start(kBusyHandlerRetryMs);
            return {};
        }
        int id = -1;
        try {
            id = nextWaiting();
        } catch (const store::EEngineError &e) {
            if (e.isBusy()) {
                m_retryTimer->start(kBusyRetryMs);
                return {};
            }
            return e.message();
        } catch (const store::EStoreError &e) {
            return e.message();
        }
        if (id < 0) {
            // Nothing stored waits: new events are processed where they are stored.
            m_idle = true;
            return {};
        }
        if (id == previous) {
            // Its mark did not stick: never spin on one row.
            m_failedUnmarked.insert(id);
            continue;
        }
        previous = id;
        QString failure;
        switch (processOne(id, &failure)) {
        case Outcome::Busy:
            // Later rows wait too, so events keep their order.
            m_retryTimer->start(kBusyRetryMs);
            return {};
        case Outcome::DiskFull:
            m_retryTimer->start(nextRetryMs());
            // Told once: alarms that wait unseen must not wait unknown.
            if (std::exchange(m_fullReported, true))
                return {};
            return loc::text("Received alarm events are waiting: the store cannot be written "
                             "(%1). They are processed as soon as there is space again.")
                .arg(failure);
        case Outcome::Waiting:
            // Later rows wait too, so that an account's events keep their order.
            m_retryTimer->start(nextRetryMs());
            if (std::exchange(m_waitReported, true) || failure.isEmpty())
                return {};
            return loc::text("Received alarm events are waiting: an event could not be "
                             "processed (%1). It is tried again until it succeeds.")
                .arg(failure);
        case Outcome::GiveWay:
            m_retryTimer->start(kBusyHandlerRetryMs);
            return {};
        case Outcome::Done:
            m_fullReported = false;
            m_waitReported = false;
            m_retryMs = 0;
            failure = std::exchange(m_consoleFailure, QString());
            break;
        case Outcome::Failed:
            break;
        }
        ++m_handled;
        if (!failure.isEmpty())
            return failure;
    }
}

int EventProcessor::nextWaiting()
{
    store::Statement q = m_dm.database().run(
        QStringLiteral("SELECT ID FROM Comms WHERE Processed IS NULL AND ID <= ? "
                       "ORDER BY ID LIMIT ?"),
        {m_upTo, static_cast<int>(m_failedUnmarked.size()) + 1});
    while (q.next()) {
        const int id = q.value(0).toInt();
        if (!m_failedUnmarked.contains(id))
            return id;
    }
    return -1;
}

bool EventProcessor::storeIsFree(bool locked) const
{
    // Another handler's unit of work is open below us (we run inside one of
    // its waits or boxes): our event must not join it, nor post its rows.
    if (!locked && m_dm.database().inTransaction())
        return false;
    for (const Table *t : {m_dm.tbComms, m_dm.tbPending, m_dm.tbHistory, m_dm.tbOutbox}) {
        if (t->state() == Dataset::State::Edit || t->state() == Dataset::State::Insert)
            return false;
    }
    return true;
}

EventProcessor::Outcome EventProcessor::processOne(int commsId, QString *failure)
{
    store::Database &db = m_dm.database();
    Effects effects;
    try {
        store::WriteScope scope(db);
        db.ensureWriteLock(kLockAttempts, 100);
        // The wait dispatched events: look again before writing anything.
        if (!storeIsFree(true))
            return Outcome::GiveWay;
        if (const std::optional<store::CommsRow> row = m_dm.events().comms(commsId))
            applyEvent(*row, effects);
        m_dm.events().markProcessed(commsId, 1);
        queueAfterCommit(effects);
        scope.commit();
        return Outcome::Done;
    } catch (const DecodeFailure &e) {
        *failure = e.message();
        markFailed(commsId);
        return Outcome::Failed;
    } catch (const store::EEngineError &e) {
        // A store held by another program: the row stays waiting and is
        // processed when the store is free again.
        if (e.isBusy())
            return Outcome::Busy;
        *failure = e.message();
        return e.isDiskFull() ? Outcome::DiskFull : Outcome::Waiting;
    } catch (const store::EStoreError &e) {
        *failure = e.message();
    } catch (const core::EAbort &) {
        // Abandoned by a hook that has shown its own message.
        failure->clear();
    } catch (const std::exception &e) {
        *failure = QString::fromLocal8Bit(e.what());
    }
    // Marked failed, the alarm would never reach an operator: it waits.
    return Outcome::Waiting;
}

namespace {

// What the rule's action value asks for an event.
enum class Handling { Ignore, Log, Prompt };

Handling handlingOf(int actionValue)
{
    switch (actionValue) {
    case 2:
        return Handling::Prompt;
    case 1:
        return Handling::Log;
    default:
        return Handling::Ignore;
    }
}

// The account's open/closed and engineer state, by code (and, for 401, by
// whether the panel closed or opened).
struct StateRule
{
    int code;
    int eventType; // 0: any
    store::AccountChange change;
    bool opened;
};

constexpr StateRule kStateRules[] = {
    {401, EventTypeClosed, store::AccountChange::Closed, false},
    {401, 0, store::AccountChange::Opened, true},
    {627, 0, store::AccountChange::EngineerOnSite, false},
    {628, 0, store::AccountChange::EngineerLeft, false},
};

const StateRule *stateRuleOf(int code, int eventType)
{
    for (const StateRule &r : kStateRules) {
        if (r.code == code && (r.eventType == 0 || r.eventType == eventType))
            return &r;
    }
    return nullptr;
}

// The sign of life: every code but these sets LastSignal to the received time.
std::optional<store::AccountChange> signalChangeOf(int code)
{
    switch (code) {
    case 999:
        return store::AccountChange::NoSignalActioned;
    case 452:
        return store::AccountChange::CloseExceptionRaised;
    case 350:
        return std::nullopt;
    default:
        return store::AccountChange::SignalReceived;
    }
}

} // namespace

void EventProcessor::applyEvent(const store::CommsRow &row, Effects &effects)
{
    store::EventStore &events = m_dm.events();
    const QDateTime &received = row.at;
    // Type-S frames are kept in Comms and produce nothing else.
    if (row.protocol != 1)
        return;

    EventMessageError decodeError;
    const std::optional<EventMessage> message = DecodeEventMessage(row.data.left(255), &decodeError);
    if (!message)
        throw DecodeFailure(decodeError.text);
    const QString &account = message->account;
    const int code = message->code;
    const int group = message->group;
    const int number = message->number;
    const int eventType = EventTypeOf(message->qualifier, code);

    const std::optional<store::AccountRow> acc = events.account(account);
    if (!acc)
        return; // not a registered account: only the Comms row remains

    // The account's rule for the code; without one the event is logged, never mailed.
    const std::optional<store::RuleRow> found = events.rule(account, code);
    const store::RuleRow rule = found.value_or(store::RuleRow{});
    const QString eventText =
        found ? rule.description
              : loc::format(QStringLiteral("%.3d %s"), {code, loc::text("No Action for this Event")});

    QString areaText;
    if (group == 0) {
        areaText = loc::text("System");
    } else {
        areaText = events.areaText(account, group);
        if (areaText.isEmpty())
            areaText = loc::format(loc::text("Area %.2d"), {group});
    }

    QString idText;
    if (rule.kind == EventKindPlain)
        idText = loc::text("N/A");
    else if (rule.kind == EventKindZone)
        idText = events.zoneText(account, number);
    else if (rule.kind == EventKindUser)
        idText = events.userText(account, number);

    // Only the processor's own fields: an operator's unsaved edit of the same
    // account in the account manager stays as it is.
    if (const StateRule *state = stateRuleOf(code, eventType)) {
        events.updateAccount(account, state->change);
        effects.accountChanged = true;
        effects.account = account;
        if (state->opened)
            m_dm.CheckEarlyOpening(account);
    }
    // The received time, not the processing time, is the sign of life.
    if (const auto change = signalChangeOf(code))
        events.updateAccount(account, *change, received);

    const bool alarmSide = eventType == EventTypeAlarm || eventType == EventTypeOpened;
    const int actionValue = alarmSide ? rule.almAction : rule.resAction;
    const QString description =
        code == 999 ? loc::format(loc::text("No Communication from account %s since %s"),
                                 {account, core::dateTimeText(
                                               store::dateTimeFromStored(acc->lastSignal))})
                    : BuildEventDescription(code, eventType, number, areaText, idText);

    switch (handlingOf(actionValue)) {
    case Handling::Prompt: {
        store::PendingRow p;
        p.at = received;
        p.accNo = account;
        p.eventType = eventType;
        p.eventCode = code;
        p.eventDesc = description;
        p.eventText = eventText;
        p.eventId = number;
        p.eventGroup = areaText;
        p.idText = idText;
        p.priority = alarmSide ? rule.priority : 4;
        p.action = actionValue;
        effects.pendingRow = events.insertPending(p).rowid;
        effects.pendingPriority = p.priority;
        // The sound follows the rule's priority, also for restores queued as Low.
        effects.prompt = true;
        effects.soundPriority = rule.priority;
        break;
    }
    case Handling::Log: {
        store::HistoryRow h;
        h.at = received;
        h.accNo = account;
        h.eventType = eventType;
        h.eventCode = code;
        h.eventDesc = description;
        h.eventGroup = EventGroupOf(code);
        h.opAction = 0;
        h.operatorName = loc::text("System");
        h.comments = loc::text("Automatically Logged");
        h.timeActioned = core::now();
        effects.historyRow = events.insertHistory(h).rowid;
        break;
    }
    case Handling::Ignore:
        break;
    }

    // The e-mail does not depend on the handling: an ignored event can be mailed.
    if ((alarmSide ? rule.almEmail : rule.resEmail) != 1)
        return;
    QStringList addresses;
    for (std::size_t slot = 0; slot < acc->keyHolderEmail.size(); ++slot) {
        if (acc->keyHolderUsesEmail[slot])
            addresses << acc->keyHolderEmail[slot];
    }
    const QString recipients = addresses.join(QLatin1Char(','));
    if (recipients.isEmpty())
        return;
    QStringList site;
    for (const QString &value : {acc->name, acc->address[0], acc->address[1], acc->address[2],
                                 acc->address[3], acc->postcode}) {
        if (!value.isEmpty())
            site << value;
    }
    if (!acc->telNo.isEmpty())
        site << loc::text("Site Tel No: ") + acc->telNo;

    effects.account = account;
    store::OutboxRow o;
    o.at = core::now();
    o.recipients = recipients;
    o.subject = loc::format(loc::text("Acc No %s - %s"), {acc->accountNo, acc->name});
    o.siteDetails = site.join(QLatin1Char(';'));
    o.message = BuildEventDescription(code, eventType, number, areaText, idText);
    o.status = 0;
    queueMail(effects, o);
}

void EventProcessor::queueMail(Effects &effects, const store::OutboxRow &row)
{
    // Written under a savepoint: an Outbox row that cannot be written is
    // undone alone, and the alarm's own rows still commit.
    store::Database &db = m_dm.database();
    step(db, MailBegin);
    QString failure;
    try {
        const store::StoredRow stored = m_dm.events().insertOutbox(row);
        step(db, MailRelease);
        effects.outboxRow = stored.rowid;
        effects.outboxId = stored.id;
        effects.mailQueued = true;
        return;
    } catch (const store::EEngineError &e) {
        // Waiting keeps the e-mail too: a busy store or a full disk passes.
        if (e.isBusy() || e.isDiskFull())
            throw;
        failure = e.message();
    } catch (const store::EStoreError &e) {
        failure = e.message();
    }
    // When the engine has undone the whole unit of work, this throws, and the
    // event waits as a whole.
    step(db, MailRollback);
    step(db, MailRelease);
    effects.mailFailure = failure;
}

void EventProcessor::markFailed(int commsId)
{
    // Its own small commit, so the row is not tried again and again.
    store::Database &db = m_dm.database();
    try {
        store::WriteScope scope(db);
        db.ensureWriteLock(kLockAttempts, 100);
        m_dm.events().markProcessed(commsId, 2);
        scope.commit();
    } catch (const std::exception &) {
        // Not stored: skipped for the rest of this session all the same.
        m_failedUnmarked.insert(commsId);
    }
}

int EventProcessor::nextRetryMs()
{
    m_retryMs = m_retryMs <= 0 ? kBusyRetryMs : qMin(m_retryMs * 2, kMaxRetryMs);
    return m_retryMs;
}

QString EventProcessor::afterCommit(const Effects &effects)
{
    QString failure;
    // The cursors take in the one new row each, without reading the others.
    if (effects.pendingRow >= 0) {
        m_dm.tbPending->noteInserted(effects.pendingRow);
        m_dm.recordRules().pendingRowAdded(effects.pendingPriority);
    }
    if (effects.historyRow >= 0)
        m_dm.tbHistory->noteInserted(effects.historyRow);
    if (effects.outboxRow >= 0) {
        m_dm.tbOutbox->noteInserted(effects.outboxRow);
        m_dm.announceRow(core::NewMailEventType, effects.outboxId);
    }
    if (effects.mailQueued)
        m_mailReported = false;
    // Told once until an e-mail is queued again, so a refusing Outbox does
    // not pile up a box per alarm.
    if (!effects.mailFailure.isEmpty() && !std::exchange(m_mailReported, true)) {
        failure = loc::text("The alarm of account %1 was stored, but its e-mail to the key "
                            "holders could not be queued: %2")
                      .arg(effects.account, effects.mailFailure);
    }
    // The console's lights follow the account of the shown event. Only that
    // account's changes matter, and a stream of them is read once per interval.
    if (effects.accountChanged && !m_accountReload->isActive()) {
        store::Query &shown = *m_dm.qryAccounts;
        if (shown.isOpen() && !shown.isEmpty() &&
            shown.field(QStringLiteral("AccountNo")).asString() == effects.account) {
            const bool recently = m_lastAccountReload.isValid() &&
                                  m_lastAccountReload.elapsed() < kAccountReloadMs;
            m_accountReload->start(recently ? kAccountReloadMs : 0);
        }
    }
    if (effects.prompt)
        startAlarmSound(effects.soundPriority);
    if (effects.accountChanged || effects.prompt)
        m_dm.consoleHooks().UpdateQueueControls();
    return failure;
}

void EventProcessor::reloadShownAccount()
{
    m_lastAccountReload.start();
    try {
        m_dm.qryAccounts->close();
        m_dm.qryAccounts->open();
    } catch (const store::EStoreError &e) {
        m_inlineFailure = e.message();
        showInlineFailure();
    }
    m_dm.consoleHooks().UpdateQueueControls();
}

void EventProcessor::startAlarmSound(int priority)
{
    // Very High loops until silenced, High loops until silenced or AlmTimer
    // expires, lower priorities chime once; only Very High overrides a loop.
    if (!m_alarmSounding) {
        m_alarmSounding = priority == 1 || priority == 2;
        if (priority == 1) {
            m_almTimer->stop();
            PlayWaveResource(QString::fromLatin1(SoundNewEvent1), SoundLoop);
        } else if (priority == 2) {
            m_almTimer->start();
            PlayWaveResource(QString::fromLatin1(SoundNewEvent2), SoundLoop);
        } else {
            PlayWaveResource(QString::fromLatin1(SoundNewEvent3), SoundOnce);
        }
    } else if (priority == 1) {
        m_almTimer->stop();
        PlayWaveResource(QString::fromLatin1(SoundNewEvent1), SoundLoop);
    }
}

} // namespace pipeline
