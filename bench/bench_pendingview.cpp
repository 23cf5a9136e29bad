// Times the console with a full queue: start-up with 10,000 pending alarms
// (the recount included) until the grid's first paint, and Action on the
// top row of that queue. Prints its figures; not a test.
#include "console/pendingview.h"
#include "console/operatorsession.h"
#include "console/pendingpanel.h"
#include "console/tmainfrm.h"
#include "pipeline/eventprocessor.h"
#include "station/station.h"
#include "support/stationfixture.h"
#include "store/schema.h"
#include "store/tdmod.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRows = 10000;
constexpr int kStarts = 7;
constexpr int kActions = 25;

struct Stats
{
    double median = 0, worst = 0;
};

Stats stats(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

// Counts the paints of a widget.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// Runs the event loop until the widget painted once more (or 5 s passed).
void waitForPaint(PaintCounter &counter)
{
    const int before = counter.paints;
    QElapsedTimer t;
    t.start();
    while (counter.paints == before && t.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

void fill(store::TDMod &dm)
{
    store::Database &db = dm.database();
    store::WriteScope scope(db);
    db.ensureWriteLock();
    db.exec(QStringLiteral("INSERT INTO Accounts (AccountNo, Name, PanelType, Address1, TelNo) "
                           "VALUES ('1234', 'Bakery', 0, '1 High St', '01234 567')"));
    QSqlQuery q(db.connection());
    q.prepare(QStringLiteral(
        "INSERT INTO Pending (ID, DateTime, Priority, AccNo, EventType, EventCode, EventGroup, "
        "Action, EventText, EventID, IDText, EventDesc) "
        "VALUES (?, ?, ?, '1234', 1, 130, 'Ground Floor', 2, 'Burglary', 5, 'Front Door', ?)"));
    const QDateTime start(QDate(2013, 12, 1), QTime(0, 0));
    for (int i = 0; i < kRows; ++i) {
        q.addBindValue(i + 1);
        q.addBindValue(store::dateTimeToStored(start.addSecs(37 * i)));
        q.addBindValue(1 + i % 4);
        q.addBindValue(
            QStringLiteral("Burglary Alarm Area 01 Ground Floor Zone 005 Front Door #%1").arg(i));
        q.exec();
    }
    db.exec(QStringLiteral("UPDATE IDs SET PendingID = ?"), {kRows + 1});
    scope.commit();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    StationFixture s;
    s.start();
    fill(s.dm());
    s.stop();

    std::vector<double> startUp, firstPaint, total, recount;
    int rowsRead = 0;
    for (int run = 0; run < kStarts; ++run) {
        QElapsedTimer t;
        t.start();
        console::TMainFrm &w = s.start();
        const double started = t.nsecsElapsed() / 1e6;
        // Logged on first, so that showing the window offers no log-on dialog.
        s.logOn(QStringLiteral("Master"), QStringLiteral("master"));
        PaintCounter grid;
        w.pending().DBGrid1->viewport()->installEventFilter(&grid);
        QElapsedTimer p;
        p.start();
        w.show();
        waitForPaint(grid);
        const double painted = p.nsecsElapsed() / 1e6;
        startUp.push_back(started);
        firstPaint.push_back(painted);
        total.push_back(started + painted);
        rowsRead = w.pending().pendingGrid()->model()->rowsRead();
        if (s.dm().PriorityCounts[1] != kRows / 4 || s.dm().tbPending->recordCount() != kRows)
            std::printf("unexpected counts: %d very high of %d rows\n", s.dm().PriorityCounts[1],
                        s.dm().tbPending->recordCount());
        QElapsedTimer r;
        r.start();
        w.station().RecountPending();
        recount.push_back(r.nsecsElapsed() / 1e6);
        w.pending().DBGrid1->viewport()->removeEventFilter(&grid);
        s.stop();
    }

    // Action on the top row, logged on, the window shown.
    console::TMainFrm &w = s.start();
    s.logOn(QStringLiteral("Master"), QStringLiteral("master"));
    PaintCounter grid;
    w.pending().DBGrid1->viewport()->installEventFilter(&grid);
    w.show();
    waitForPaint(grid);
    std::vector<double> handler, repainted;
    for (int i = 0; i < kActions; ++i) {
        w.pending().DBGrid1->selectRow(0);
        w.pending().moComments->setPlainText(QStringLiteral("Keyholder informed"));
        QElapsedTimer t;
        t.start();
        w.pending().btnAction->click();
        handler.push_back(t.nsecsElapsed() / 1e6);
        waitForPaint(grid);
        repainted.push_back(t.nsecsElapsed() / 1e6);
    }
    const int left = s.dm().tbPending->recordCount();
    w.pending().DBGrid1->viewport()->removeEventFilter(&grid);

    const Stats su = stats(startUp), fp = stats(firstPaint), to = stats(total), rc = stats(recount),
                ah = stats(handler), ar = stats(repainted);
    std::printf("Pending view, %d pending rows (%d start-ups, %d actions)\n", kRows, kStarts,
                kActions);
    std::printf("  start-up (store opened, recount, hooks)   median %7.1f ms  worst %7.1f ms\n",
                su.median, su.worst);
    std::printf("  of which RecountPending alone             median %7.1f ms  worst %7.1f ms\n",
                rc.median, rc.worst);
    std::printf("  show until the grid's first paint         median %7.1f ms  worst %7.1f ms\n",
                fp.median, fp.worst);
    std::printf("  start-up and first paint                  median %7.1f ms  worst %7.1f ms\n",
                to.median, to.worst);
    std::printf("  reads of rows for the grid's first paint  %d\n", rowsRead);
    std::printf("  Action on the top row (handler)           median %7.1f ms  worst %7.1f ms\n",
                ah.median, ah.worst);
    std::printf("  Action on the top row, grid repainted     median %7.1f ms  worst %7.1f ms\n",
                ar.median, ar.worst);
    std::printf("  rows left in the queue: %d; History rows written: %d\n", left, kRows - left);
    s.stop();
    return 0;
}
