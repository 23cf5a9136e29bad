#include "pipeline/eventprocessor.h"

#include "localization/texts.h"
#include "pipeline/eventcatalogue.h"
#include "pipeline/sound.h"
#include "core/clock.h"
#include "store/database.h"
#include "store/errors.h"
#include "core/messages.h"
#include "store/tdmod.h"

#include <QPointer>
#include <QScopeGuard>
#include <QSqlError>
#include <QSqlQuery>
#include <QElapsedTimer>
#include <QTimer>

#include <initializer_list>
#include <utility>
#include <variant>

namespace pipeline {

namespace {

using store::Dataset;
using store::Query;
using store::Table;

// How soon to look again when another handler's unit of work is still open.
constexpr int kBusyHandlerRetryMs = 100;

using FormatArg = std::variant<QString, int>;

// The few printf-style formats of this file ("%s", "%.2d", "%.3d"), which may
// come from a language file: arguments in order, anything else copied as is.
QString formatText(const QString &format, std::initializer_list<FormatArg> args)
{
    QString out;
    auto next = args.begin();
    const qsizetype n = format.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = format.at(i);
        if (c != u'%' || i + 1 >= n) {
            out.append(c);
            continue;
        }
        qsizetype j = i + 1;
        int digits = 0;
        if (format.at(j) == u'.') {
            ++j;
            while (j < n && format.at(j).isDigit() && digits < 20)
                digits = digits * 10 + format.at(j++).digitValue();
        }
        if (j >= n || (format.at(j) != u's' && format.at(j) != u'd')) {
            out.append(c);
            continue;
        }
        if (next != args.end()) {
            const FormatArg &arg = *next++;
            if (const int *number = std::get_if<int>(&arg)) {
                QString text = QString::number(qAbs(qint64(*number)));
                if (text.size() < digits)
                    text.prepend(QString(digits - text.size(), u'0'));
                out.append(*number < 0 ? QLatin1Char('-') + text : text);
            } else {
                out.append(std::get<QString>(arg));
            }
        }
        i = j;
    }
    return out;
}

QString text(Dataset &ds, const QString &field)
{
    return ds.field(field).asString();
}

int integer(Dataset &ds, const QString &field)
{
    return ds.field(field).asInteger();
}

void set(Table &t, const QString &field, const QVariant &value)
{
    t.field(field).setValue(value);
}

// Close, set the parameters, open: the statement then stands on its first row.
void runQuery(Query &q, std::initializer_list<std::pair<const char *, QVariant>> params)
{
    q.close();
    for (const auto &[name, value] : params)
        q.setParam(QString::fromLatin1(name), value);
    q.open();
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
    QList<Table *> touched; // cursors that posted rows of this event
    QString account;
    bool mailQueued = false;
    QString mailFailure; // the Outbox row could not be written
};

// The savepoint around an event's e-mail, its statements prepared once.
struct EventProcessor::MailSavepoint
{
    QSqlQuery begin, release, rollback;
    bool prepared = false;

    void prepare(store::Database &db)
    {
        if (prepared)
            return;
        const QSqlDatabase c = db.connection();
        begin = QSqlQuery(c);
        release = QSqlQuery(c);
        rollback = QSqlQuery(c);
        for (auto [q, text] : {std::pair{&begin, "SAVEPOINT EventMail"},
                               std::pair{&release, "RELEASE EventMail"},
                               std::pair{&rollback, "ROLLBACK TO EventMail"}}) {
            if (!q->prepare(QString::fromLatin1(text)))
                store::Database::throwError(q->lastError());
        }
        prepared = true;
    }
    void run(QSqlQuery &q)
    {
        if (!q.exec()) {
            // Prepared afresh next time, in case the connection was reopened.
            prepared = false;
            store::Database::throwError(q.lastError());
        }
        q.finish();
    }
};

EventProcessor::EventProcessor(store::TDMod &dm, QObject *parent)
    : QObject(parent), m_dm(dm), m_almTimer(new QTimer(this)), m_retryTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("EventProcessor"));
    m_almTimer->setObjectName(QStringLiteral("AlmTimer"));
    m_almTimer->setInterval(kAlmTimerMs);
    connect(m_almTimer, &QTimer::timeout, this, &EventProcessor::Silence);
    m_retryTimer->setSingleShot(true);
    connect(m_retryTimer, &QTimer::timeout, this, &EventProcessor::run);
}

EventProcessor::~EventProcessor() = default;

void EventProcessor::OnWM_NewCommsData(int commsId)
{
    m_upTo = qMax(m_upTo, commsId);
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
        if (id < 0)
            return {};
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
    QSqlQuery q = m_dm.database().exec(
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
        applyEvent(commsId, effects);
        db.exec(QStringLiteral("UPDATE Comms SET Processed = 1 WHERE ID = ? AND Processed IS NULL"),
                {commsId});
        // The console and the speaker follow only what was committed.
        QPointer<EventProcessor> self(this);
        db.afterCommit([self, effects]() {
            if (self)
                self->m_consoleFailure = self->afterCommit(effects);
        });
        scope.commit();
        return Outcome::Done;
    } catch (const DecodeFailure &e) {
        afterRollback(effects);
        *failure = e.message();
        markFailed(commsId);
        return Outcome::Failed;
    } catch (const store::EEngineError &e) {
        afterRollback(effects);
        // A store held by another program: the row stays waiting and is
        // processed when the store is free again.
        if (e.isBusy())
            return Outcome::Busy;
        *failure = e.message();
        return e.isDiskFull() ? Outcome::DiskFull : Outcome::Waiting;
    } catch (const store::EStoreError &e) {
        afterRollback(effects);
        *failure = e.message();
    } catch (const core::EAbort &) {
        // Abandoned by a hook that has shown its own message.
        afterRollback(effects);
        failure->clear();
    } catch (const std::exception &e) {
        afterRollback(effects);
        *failure = QString::fromLocal8Bit(e.what());
    }
    // Marked failed, the alarm would never reach an operator: it waits.
    return Outcome::Waiting;
}

void EventProcessor::applyEvent(int commsId, Effects &effects)
{
    store::TDMod &dm = m_dm;
    const auto closeQueries = qScopeGuard([&dm] {
        for (Query *q :
             {dm.qryComms, dm.qryAccNo, dm.qryActions, dm.qryAreas, dm.qryZones, dm.qryUsers})
            q->close();
    });

    Query &comms = *dm.qryComms;
    runQuery(comms, {{"RecID", commsId}});
    if (comms.isEmpty())
        return;
    const QDateTime received = comms.field(QStringLiteral("DateTime")).asDateTime();
    const QString data = text(comms, QStringLiteral("Data")).left(255);
    // Type-S frames are kept in Comms and produce nothing else.
    if (integer(comms, QStringLiteral("Protocol")) != 1)
        return;

    EventMessageError decodeError;
    const std::optional<EventMessage> message = DecodeEventMessage(data, &decodeError);
    if (!message)
        throw DecodeFailure(decodeError.text);
    const QString &account = message->account;
    const int code = message->code;
    const int group = message->group;
    const int number = message->number;
    const int eventType = EventTypeOf(message->qualifier, code);

    Query &acc = *dm.qryAccNo;
    runQuery(acc, {{"AccNo", account}});
    if (acc.isEmpty())
        return; // not a registered account: only the Comms row remains
    const QDateTime lastSignal = acc.field(QStringLiteral("LastSignal")).asDateTime();

    // The account's rule for the code; without one the event is logged, never mailed.
    QString eventText;
    int priority = 4, almAction = 1, resAction = 1, kind = 0, almEmail = -1, resEmail = -1;
    Query &rule = *dm.qryActions;
    runQuery(rule, {{"AccNo", account}, {"EC", code}});
    if (!rule.isEmpty()) {
        eventText = text(rule, QStringLiteral("Description"));
        priority = integer(rule, QStringLiteral("AlmPriority"));
        almAction = integer(rule, QStringLiteral("AlmAction"));
        resAction = integer(rule, QStringLiteral("ResAction"));
        kind = integer(rule, QStringLiteral("IDType"));
        almEmail = integer(rule, QStringLiteral("AlmEmail"));
        resEmail = integer(rule, QStringLiteral("ResEmail"));
    } else {
        eventText =
            formatText(QStringLiteral("%.3d %s"), {code, loc::text("No Action for this Event")});
    }

    QString areaText;
    if (group == 0) {
        areaText = loc::text("System");
    } else {
        runQuery(*dm.qryAreas, {{"AccNo", account}, {"AID", group}});
        if (!dm.qryAreas->isEmpty())
            areaText = text(*dm.qryAreas, QStringLiteral("AreaText"));
        if (areaText.isEmpty())
            areaText = formatText(loc::text("Area %.2d"), {group});
    }

    QString idText;
    if (kind == EventKindPlain) {
        idText = loc::text("N/A");
    } else if (kind == EventKindZone) {
        runQuery(*dm.qryZones, {{"AccNo", account}, {"ZID", number}});
        if (!dm.qryZones->isEmpty())
            idText = text(*dm.qryZones, QStringLiteral("ZoneText"));
    } else if (kind == EventKindUser) {
        runQuery(*dm.qryUsers, {{"AccNo", account}, {"UID", number}});
        if (!dm.qryUsers->isEmpty())
            idText = text(*dm.qryUsers, QStringLiteral("UserText"));
    }

    // Only the processor's own fields, through the statement: an operator's
    // unsaved edit of the same account in the account manager stays as it is.
    auto updateAccount = [&dm, &account](const char *setLine, const QVariant &signalTime = {}) {
        Query &upd = *dm.UpdAccounts;
        upd.setLine(1, QString::fromLatin1(setLine));
        upd.setParam(QStringLiteral("ANo"), account);
        upd.setParam(QStringLiteral("LastSignal"), signalTime);
        upd.execSql();
    };

    bool opened = false;
    switch (code) {
    case 401:
        if (eventType == EventTypeClosed) {
            updateAccount("SET OCStatus = 1, CloseEx = False");
        } else {
            updateAccount("SET OCStatus = 0, OpenEx = False");
            opened = true;
        }
        effects.accountChanged = true;
        break;
    case 627:
        updateAccount("SET EngOnSite = TRUE");
        effects.accountChanged = true;
        break;
    case 628:
        updateAccount("SET EngOnSite = FALSE");
        effects.accountChanged = true;
        break;
    default:
        break;
    }
    if (opened) {
        effects.touched << dm.tbComms;
        dm.CheckEarlyOpening(account);
    }

    // The received time, not the processing time, is the sign of life.
    if (code == 999)
        updateAccount("SET NoSigActioned = True");
    else if (code == 452)
        updateAccount("SET CloseEX = True");
    else if (code != 350)
        updateAccount("SET LastSignal = :LastSignal, NoSigActioned = False",
                      received.isValid() ? QVariant(received) : QVariant());

    const bool alarmSide = eventType == EventTypeAlarm || eventType == EventTypeOpened;
    const int actionValue = alarmSide ? almAction : resAction;
    const QString description =
        code == 999 ? formatText(loc::text("No Communication from account %s since %s"),
                                 {account, core::dateTimeText(lastSignal)})
                    : BuildEventDescription(code, eventType, number, areaText, idText);

    if (actionValue == 2) {
        Table &p = *dm.tbPending;
        effects.touched << &p;
        p.insert();
        set(p, QStringLiteral("DateTime"), received);
        set(p, QStringLiteral("AccNo"), account);
        set(p, QStringLiteral("EventType"), eventType);
        set(p, QStringLiteral("EventCode"), code);
        set(p, QStringLiteral("EventDesc"), description);
        set(p, QStringLiteral("EventText"), eventText);
        set(p, QStringLiteral("EventID"), number);
        set(p, QStringLiteral("EventGroup"), areaText);
        set(p, QStringLiteral("IDText"), idText);
        set(p, QStringLiteral("Priority"), alarmSide ? priority : 4);
        set(p, QStringLiteral("Action"), actionValue);
        // The sound follows the rule's priority, also for restores queued as Low.
        effects.prompt = true;
        effects.soundPriority = priority;
        p.post();
    } else if (actionValue == 1) {
        Table &h = *dm.tbHistory;
        effects.touched << &h;
        h.insert();
        set(h, QStringLiteral("DateTime"), received);
        set(h, QStringLiteral("AccNo"), account);
        set(h, QStringLiteral("EventType"), eventType);
        set(h, QStringLiteral("EventCode"), code);
        set(h, QStringLiteral("EventDesc"), description);
        set(h, QStringLiteral("EventGroup"), EventGroupOf(code));
        set(h, QStringLiteral("OpAction"), 0);
        set(h, QStringLiteral("Operator"), loc::text("System"));
        set(h, QStringLiteral("Comments"), loc::text("Automatically Logged"));
        set(h, QStringLiteral("TimeActioned"), core::now());
        h.post();
    }

    // The e-mail does not depend on the handling: an ignored event can be mailed.
    if ((alarmSide ? almEmail : resEmail) != 1)
        return;
    QStringList addresses;
    for (int slot = 1; slot <= 6; ++slot) {
        if (acc.field(QStringLiteral("KH%1UseEmail").arg(slot)).asBoolean())
            addresses << text(acc, QStringLiteral("KH%1Email").arg(slot));
    }
    const QString recipients = addresses.join(QLatin1Char(','));
    if (recipients.isEmpty())
        return;
    QStringList site;
    for (const char *f : {"Name", "Address1", "Address2", "Address3", "Address4", "Postcode"}) {
        const QString value = text(acc, QString::fromLatin1(f));
        if (!value.isEmpty())
            site << value;
    }
    const QString telNo = text(acc, QStringLiteral("TelNo"));
    if (!telNo.isEmpty())
        site << loc::text("Site Tel No: ") + telNo;

    effects.account = account;
    queueMail(effects, [&] {
        Table &o = *dm.tbOutbox;
        o.insert();
        set(o, QStringLiteral("MsgDateTime"), core::now());
        set(o, QStringLiteral("Recipients"), recipients);
        set(o, QStringLiteral("Subject"),
            formatText(loc::text("Acc No %s - %s"),
                       {text(acc, QStringLiteral("AccountNo")), text(acc, QStringLiteral("Name"))}));
        set(o, QStringLiteral("SiteDetails"), site.join(QLatin1Char(';')));
        set(o, QStringLiteral("Message"),
            BuildEventDescription(code, eventType, number, areaText, idText));
        set(o, QStringLiteral("Status"), 0);
        o.post();
    });
}

void EventProcessor::queueMail(Effects &effects, const std::function<void()> &insert)
{
    // Written under a savepoint: an Outbox row that cannot be written is
    // undone alone, and the alarm's own rows still commit.
    store::Database &db = m_dm.database();
    if (!m_mailSavepoint)
        m_mailSavepoint = std::make_unique<MailSavepoint>();
    MailSavepoint &sp = *m_mailSavepoint;
    sp.prepare(db);
    sp.run(sp.begin);
    Table &o = *m_dm.tbOutbox;
    QString failure;
    try {
        insert();
        sp.run(sp.release);
        effects.touched << &o;
        effects.mailQueued = true;
        return;
    } catch (const store::EEngineError &e) {
        // Waiting keeps the e-mail too: a busy store or a full disk passes.
        if (e.isBusy() || e.isDiskFull()) {
            effects.touched << &o;
            throw;
        }
        failure = e.message();
    } catch (const store::EStoreError &e) {
        failure = e.message();
    }
    try {
        o.cancel();
    } catch (const std::exception &) {
    }
    // When the engine has undone the whole unit of work, this throws, and the
    // event waits as a whole.
    sp.run(sp.rollback);
    sp.run(sp.release);
    effects.mailFailure = failure;
}

void EventProcessor::markFailed(int commsId)
{
    // Its own small commit, so the row is not tried again and again.
    store::Database &db = m_dm.database();
    try {
        store::WriteScope scope(db);
        db.ensureWriteLock(kLockAttempts, 100);
        db.exec(QStringLiteral("UPDATE Comms SET Processed = 2 WHERE ID = ? AND Processed IS NULL"),
                {commsId});
        scope.commit();
    } catch (const std::exception &) {
        // Not stored: skipped for the rest of this session all the same.
        m_failedUnmarked.insert(commsId);
    }
}

void EventProcessor::afterRollback(const Effects &effects)
{
    // The cursors were in browse state when the event began: a row still
    // being inserted is this event's, and rows posted by it are gone again.
    for (Table *t : effects.touched) {
        if (!t->isOpen())
            continue;
        try {
            t->cancel();
            t->refresh();
        } catch (const std::exception &) {
        }
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
    if (effects.mailQueued)
        m_mailReported = false;
    // Told once until an e-mail is queued again, so a refusing Outbox does
    // not pile up a box per alarm.
    if (!effects.mailFailure.isEmpty() && !std::exchange(m_mailReported, true)) {
        failure = loc::text("The alarm of account %1 was stored, but its e-mail to the key "
                            "holders could not be queued: %2")
                      .arg(effects.account, effects.mailFailure);
    }
    if (effects.accountChanged) {
        // The console's lights follow the account of the shown event.
        try {
            m_dm.qryAccounts->close();
            m_dm.qryAccounts->open();
        } catch (const store::EStoreError &e) {
            failure = failure.isEmpty() ? e.message() : failure + QLatin1Char('\n') + e.message();
        }
    }
    if (effects.prompt)
        startAlarmSound(effects.soundPriority);
    if (effects.accountChanged || effects.prompt)
        m_dm.consoleHooks().UpdateQueueControls();
    return failure;
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
