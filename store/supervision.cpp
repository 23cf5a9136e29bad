#include "store/supervision.h"

#include "localization/texts.h"
#include "core/clock.h"
#include "store/database.h"
#include "core/messages.h"
#include "store/schema.h"
#include "store/tdmod.h"

#include <QScopeGuard>

namespace store {

namespace {

// Attempts, 100 ms apart, at starting a synthetic Comms row in a busy store.
constexpr int kInsertAttempts = 11;
constexpr int kRetryWaitMs = 100;

QStringList accountsOf(Query &q)
{
    QStringList accounts;
    for (q.first(); !q.eof(); q.next())
        accounts << q.field(QStringLiteral("AccountNo")).asString();
    return accounts;
}

} // namespace

EUnableToInsertComs::EUnableToInsertComs()
    : EStoreError(loc::text("Cannot insert record into comms table"))
{
}

QString weekdayPrefix(int dayOfWeek)
{
    static const char *const prefixes[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    return dayOfWeek >= 1 && dayOfWeek <= 7 ? QString::fromLatin1(prefixes[dayOfWeek - 1])
                                            : QString();
}

Supervision::Supervision(TDMod &dm) : m_dm(dm) {}

void Supervision::recordClock()
{
    const QDateTime t = core::now();
    m_lastMinute = t.time().minute();
    m_lastDay = t.date().day();
}

void Supervision::NoSigTimerTimer()
{
    // A tick that comes round during a retry wait of the running one leaves
    // the work to it; the next tick catches up.
    if (m_dm.AppClosing() || m_inTick)
        return;
    QString failure;
    {
        m_inTick = true;
        auto done = qScopeGuard([this] { m_inTick = false; });
        try {
            tick();
        } catch (const EAbort &) {
        } catch (const EStoreError &e) {
            failure = e.message();
        } catch (const std::exception &e) {
            failure = QString::fromLocal8Bit(e.what());
        }
    }
    // Shown after the tick has ended: a box nobody answers overnight must not
    // stop the ticks behind it from raising silent accounts. One box at a time.
    if (failure.isEmpty() || m_boxOpen)
        return;
    m_boxOpen = true;
    auto closed = qScopeGuard([this] { m_boxOpen = false; });
    core::messages().error(failure);
}

void Supervision::tick()
{
    // One reading of the clock for the whole tick, so that the minute that
    // triggered the late-closing check is the minute it checks.
    const QDateTime at = core::now();
    const int minute = at.time().minute();
    const int day = at.date().day();
    if (minute != m_lastMinute) {
        m_lastMinute = minute;
        CheckLateClosing(at);
        if (minute == 0)
            CheckNoSignal(at);
    }
    if (day != m_lastDay) {
        m_lastDay = day;
        ResetDailyMarks();
    }
}

void Supervision::CheckNoSignal(const QDateTime &at)
{
    Query &q = *m_dm.qryNoSignal;
    q.close();
    q.setParam(QStringLiteral("SigDateTime"), at);
    q.prepare();
    q.open();
    // Taken out first: the retry waits below may run other handlers.
    const QStringList accounts = accountsOf(q);
    q.close();
    for (const QString &account : accounts)
        InsertSyntheticEvent(account, QString::fromLatin1(NoSignalEventFormat));
}

void Supervision::CheckLateClosing(const QDateTime &at)
{
    const QString day = weekdayPrefix(at.date().dayOfWeek());
    const QTime minute(at.time().hour(), at.time().minute(), 0);
    Query &q = *m_dm.qryOCStatus;
    q.close();
    // The time is bound: a day's text stays the same, prepared once.
    q.setLine(1, QStringLiteral("Where (OCStatus = 0) and (%1CloseExcept = True) and "
                                "(%1CloseTime = :CloseTime)")
                     .arg(day));
    q.setParam(QStringLiteral("CloseTime"), timeToStored(minute));
    q.open();
    const QStringList accounts = accountsOf(q);
    q.close();
    for (const QString &account : accounts)
        InsertSyntheticEvent(account, QString::fromLatin1(LateClosingEventFormat));
}

void Supervision::ResetDailyMarks()
{
    Query &q = *m_dm.updAllAccounts;
    q.close();
    q.setLine(1, QStringLiteral("SET CloseEX = False, OpenEX = False"));
    // Every account's marks end up false; rows already so are not rewritten.
    q.setLine(2, QStringLiteral("Where (CloseEX is not False) or (OpenEX is not False)"));
    q.execSql();
}

void Supervision::CheckEarlyOpening(const QString &accountNo)
{
    const QDateTime at = core::now();
    const QString day = weekdayPrefix(at.date().dayOfWeek());
    Query &q = *m_dm.qryOpenTime;
    q.close();
    q.clearLines();
    q.addLine(QStringLiteral("Select %1OpenTime As OpenTime from Accounts").arg(day));
    // The account number comes from a receiver frame: bound, never spliced.
    q.addLine(QStringLiteral("Where (OCStatus = 0) and (%1OpenExcept = True) and "
                             "(OpenEX = False) and (AccountNo = :AccNo)")
                  .arg(day));
    q.setParam(QStringLiteral("AccNo"), accountNo);
    q.open();
    const bool found = !q.isEmpty();
    // An unset opening time reads as midnight, which is never still to come.
    const QTime openTime = found ? q.field(QStringLiteral("OpenTime")).asTime() : QTime(0, 0);
    q.close();
    if (found && openTime > at.time())
        InsertSyntheticEvent(accountNo, QString::fromLatin1(EarlyOpeningEventFormat));
}

void Supervision::InsertSyntheticEvent(const QString &accountNo, const QString &format)
{
    if (m_dm.AppClosing())
        return;
    Database &db = m_dm.database();
    WriteScope scope(db);
    try {
        db.ensureWriteLock(kInsertAttempts, kRetryWaitMs);
    } catch (const EEngineError &e) {
        if (e.isBusy())
            throw EUnableToInsertComs();
        throw;
    }
    QString data = format;
    const int at = data.indexOf(QLatin1String("%s"));
    if (at >= 0)
        data.replace(at, 2, accountNo);
    CommsRow row;
    row.at = core::now();
    row.rxNo = 0;
    row.lineNo = 0;
    row.protocol = 1;
    row.data = data;
    // The same road as a received event.
    m_dm.StoreEvent(row);
    scope.commit();
}

} // namespace store
