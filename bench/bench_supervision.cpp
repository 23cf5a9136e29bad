// Times the supervision checks over 100,000 accounts and the making of a
// model-7 account (1,270 rows). Prints its figures; not a test.
#include "pipeline/eventcatalogue.h"
#include "core/clock.h"
#include "store/database.h"
#include "store/supervision.h"
#include "store/tdmod.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace store;
using namespace core;

namespace {

constexpr int kAccounts = 100000;
constexpr int kRuns = 15;

class FixedClock : public Clock
{
public:
    QDateTime now() const override { return m_now; }
    QDateTime m_now;
};

QString accountNumber(int i)
{
    static const char digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    QString no(4, QLatin1Char('0'));
    for (int p = 3; p >= 0; --p, i /= 36)
        no[p] = QLatin1Char(digits[i % 36]);
    return no;
}

// Median time of fn in milliseconds.
double median(const std::function<void()> &fn, int runs = kRuns)
{
    std::vector<double> ms;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer t;
        t.start();
        fn();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

int commsRows(TDMod &dm)
{
    QSqlQuery q = dm.database().exec(QStringLiteral("SELECT COUNT(*) FROM Comms"));
    return q.next() ? q.value(0).toInt() : 0;
}

void plan(TDMod &dm, const QString &sql, const QVariantList &values = {})
{
    QSqlQuery q = dm.database().exec(QStringLiteral("EXPLAIN QUERY PLAN ") + sql, values);
    while (q.next())
        std::printf("    plan: %s\n", qPrintable(q.value(3).toString()));
}

// 100,000 sites: 90% watched for 24 hours of silence, all heard from within
// the last 20 hours but a dozen; closing times spread over the day, half of them
// with Monday's closing exception on, one in seven still open.
void fill(TDMod &dm, const QDateTime &now)
{
    WriteScope scope(dm.database());
    dm.database().ensureWriteLock();
    QSqlQuery q(dm.database().connection());
    q.prepare(QStringLiteral(
        "INSERT INTO Accounts (AccountNo, Name, PanelType, NoSigTime, NoSigActioned, LastSignal, "
        "OCStatus, MonOpenTime, MonCloseTime, MonOpenExcept, MonCloseExcept, OpenEX, CloseEX) "
        "VALUES (?, ?, 0, ?, 0, ?, ?, '08:00:00', ?, 1, ?, 0, 0)"));
    for (int i = 0; i < kAccounts; ++i) {
        const bool silent = i % 8000 == 7;
        const int secondsAgo = silent ? 25 * 3600 + i % 3600 : (i * 7919) % (20 * 3600);
        const int closeMinute = (i * 37) % 1440;
        q.bindValue(0, accountNumber(i));
        q.bindValue(1, QStringLiteral("Site %1").arg(i));
        q.bindValue(2, i % 10 == 3 ? 0.0 : 24.0);
        q.bindValue(3, dateTimeToStored(now.addSecs(-secondsAgo)));
        q.bindValue(4, (i / 1440) % 7 == 1 ? 0 : 1);
        q.bindValue(5, timeToStored(QTime(closeMinute / 60, closeMinute % 60)));
        q.bindValue(6, (i / 1440) % 2);
        if (!q.exec())
            qFatal("cannot fill the accounts");
    }
    q.finish();
    scope.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    FixedClock clock;
    clock.m_now = QDateTime(QDate(2026, 12, 7), QTime(18, 30, 2)); // a Monday
    setClock(&clock);

    TDMod dm(dir.path());
    dm.PrepareAlias();
    if (!dm.OpenStore())
        return 1;
    dm.setDefaultActionsSource(pipeline::CatalogueDefaultActions);

    QElapsedTimer t;
    t.start();
    fill(dm, clock.m_now);
    std::printf("filled %d accounts in %lld ms\n", kAccounts, static_cast<long long>(t.elapsed()));
    dm.tbAccounts->refresh();

    Query &noSignal = *dm.qryNoSignal;
    Query &lateClosing = *dm.qryOCStatus;
    const QString closingLine = QStringLiteral(
        "Where (OCStatus = 0) and (MonCloseExcept = True) and (MonCloseTime = '18:30:00')");

    auto report = [&](const char *title) {
        std::printf("%s\n", title);
        int due = 0, open = 0;
        const double selectNoSignal = median([&] {
            noSignal.close();
            noSignal.setParam(QStringLiteral("SigDateTime"), clock.m_now);
            noSignal.open();
            due = noSignal.recordCount();
            noSignal.close();
        });
        const double selectLate = median([&] {
            lateClosing.setLine(1, closingLine);
            lateClosing.open();
            open = lateClosing.recordCount();
            lateClosing.close();
        });
        std::printf("  no-signal selection:    %7.2f ms (%d accounts due)\n", selectNoSignal, due);
        plan(dm, noSignal.text(), {dateTimeToStored(clock.m_now)});
        std::printf("  late-closing selection: %7.2f ms (%d accounts open)\n", selectLate, open);
        lateClosing.setLine(1, closingLine);
        plan(dm, lateClosing.text());

        int before = commsRows(dm);
        const double checkNoSignal =
            median([&] { dm.supervision().CheckNoSignal(clock.m_now); }, 5);
        const int noSignalEvents = (commsRows(dm) - before) / 5;
        before = commsRows(dm);
        const double checkLate = median([&] { dm.supervision().CheckLateClosing(clock.m_now); }, 5);
        const int lateEvents = (commsRows(dm) - before) / 5;
        std::printf("  CheckNoSignal, whole:   %7.2f ms (%d events stored)\n", checkNoSignal,
                    noSignalEvents);
        std::printf("  CheckLateClosing, whole:%7.2f ms (%d events stored)\n", checkLate,
                    lateEvents);
        const double reset = median([&] { dm.supervision().ResetDailyMarks(); }, 5);
        std::printf("  ResetDailyMarks:        %7.2f ms\n", reset);
    };

    report("with the supervision indexes:");

    int n = 0;
    const double model7 = median(
        [&] {
            dm.tbAccounts->insert();
            dm.tbAccounts->field(QStringLiteral("AccountNo"))
                .setValue(QStringLiteral("Z%1").arg(n++, 3, 10, QLatin1Char('0')));
            dm.tbAccounts->field(QStringLiteral("PanelType")).setValue(7);
            dm.tbAccounts->post();
        },
        9);
    QSqlQuery rows = dm.database().exec(
        QStringLiteral("SELECT (SELECT COUNT(*) FROM Zones WHERE AccountNo = 'Z000') + "
                       "(SELECT COUNT(*) FROM Users WHERE AccountNo = 'Z000') + "
                       "(SELECT COUNT(*) FROM Areas WHERE AccountNo = 'Z000') + "
                       "(SELECT COUNT(*) FROM Actions WHERE AccountNo = 'Z000')"));
    rows.next();
    std::printf("new model-7 account:      %7.2f ms (%d rows, among %d accounts)\n", model7,
                rows.value(0).toInt(), kAccounts + n);
    rows.finish();

    dm.database().exec(QStringLiteral("DROP INDEX AccountsNoSignalDue"));
    dm.database().exec(QStringLiteral("DROP INDEX AccountsMonClose"));
    report("for comparison, without them:");
    setClock(nullptr);
    return 0;
}
