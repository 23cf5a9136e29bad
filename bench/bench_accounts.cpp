// The account manager and the account search over 10,000 accounts, each with
// the detail rows of panel model 3 (24 zones, 16 users, 1 area, 66 event
// rules): opening the manager, moving to the next account with the four
// detail grids following, and one search keystroke. Prints medians; not a test.
#include "accounts/accountsearch.h"
#include "accounts/taccviewfrm.h"
#include "pipeline/eventcatalogue.h"
#include "store/database.h"
#include "store/gridmodel.h"
#include "store/tdmod.h"
#include "support/tempstore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QSqlQuery>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kAccounts = 10000;

struct Stats
{
    double median = 0, worst = 0;
};

Stats stats(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

QString number(int i)
{
    return QStringLiteral("%1").arg(i, 4, 16, QLatin1Char('0')).toUpper();
}

void fill(store::TDMod &dm)
{
    store::Database &db = dm.database();
    store::WriteScope scope(db);
    db.ensureWriteLock();
    QSqlQuery acc(db.connection()), zone(db.connection()), user(db.connection()),
        area(db.connection()), action(db.connection());
    acc.prepare(QStringLiteral("INSERT INTO Accounts (AccountNo, Name, Address1, Address2, "
                               "Address3, Postcode, TelNo, Email, PanelType) "
                               "VALUES (?, ?, ?, 'Old Town', 'Leeds', ?, ?, ?, 3)"));
    zone.prepare(QStringLiteral("INSERT INTO Zones (AccountNo, ZoneID) VALUES (?, ?)"));
    user.prepare(QStringLiteral("INSERT INTO Users (AccountNo, UserID) VALUES (?, ?)"));
    area.prepare(QStringLiteral("INSERT INTO Areas (AccountNo, AreaID) VALUES (?, 1)"));
    action.prepare(QStringLiteral("INSERT INTO Actions (AccountNo, ActionID, EventCode, "
                                  "Description, IDType, AlmPriority, AlmAction, ResAction) "
                                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    const QList<store::DefaultAction> rules = pipeline::CatalogueDefaultActions();
    int actionId = 1;
    for (int i = 0; i < kAccounts; ++i) {
        const QString no = number(i);
        acc.addBindValue(no);
        acc.addBindValue(QStringLiteral("Customer %1").arg(i));
        acc.addBindValue(QStringLiteral("%1 High Street").arg(i));
        acc.addBindValue(QStringLiteral("LS%1 1AA").arg(i % 30));
        acc.addBindValue(QStringLiteral("0113 %1").arg(i));
        acc.addBindValue(QStringLiteral("owner%1@example.com").arg(i));
        acc.exec();
        for (int z = 1; z <= 24; ++z) {
            zone.addBindValue(no);
            zone.addBindValue(z);
            zone.exec();
        }
        for (int u = 0; u < 16; ++u) {
            user.addBindValue(no);
            user.addBindValue(u);
            user.exec();
        }
        area.addBindValue(no);
        area.exec();
        for (const store::DefaultAction &r : rules) {
            for (const QVariant &v : {QVariant(no), QVariant(actionId++), QVariant(r.eventCode),
                                      QVariant(r.description), QVariant(r.idType),
                                      QVariant(r.almPriority), QVariant(r.almAction),
                                      QVariant(r.resAction)})
                action.addBindValue(v);
            action.exec();
        }
    }
    db.exec(QStringLiteral("UPDATE IDs SET ActionsID = ?"), {actionId});
    scope.commit();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TempStore s;
    store::TDMod &dm = s.dm();
    dm.setDefaultActionsSource(pipeline::CatalogueDefaultActions);
    QElapsedTimer t;
    t.start();
    fill(dm);
    std::printf("Accounts: %d accounts of panel model 3 (filled in %.1f s)\n", kAccounts,
                t.elapsed() / 1000.0);
    dm.currentOperator = {QStringLiteral("Master"), {}, true, true, true, true, true, true};
    dm.tbAccounts->refresh();
    dm.tbAccounts->first();

    // Opening: the table refreshed as the menu does, the window built and shown.
    std::vector<double> opening;
    for (int run = 0; run < 7; ++run) {
        t.restart();
        dm.tbAccounts->refresh();
        auto *m = new accounts::TAccViewFrm(dm);
        m->show();
        QCoreApplication::processEvents();
        opening.push_back(t.nsecsElapsed() / 1e6);
        delete m;
    }

    // The next account, the detail grids following and repainted.
    accounts::TAccViewFrm m(dm);
    m.show();
    if (!QTest::qWaitForWindowExposed(&m))
        std::printf("the manager was not shown\n");
    std::vector<double> next;
    for (int tab : {accounts::TAccViewFrm::tsCustomer, accounts::TAccViewFrm::tsZones,
                    accounts::TAccViewFrm::tsEvents}) {
        m.PageControl1->setCurrentIndex(tab);
        for (int i = 0; i < 20; ++i) {
            t.restart();
            m.nav[accounts::TAccViewFrm::nbNext]->click();
            m.repaint();
            QCoreApplication::processEvents();
            next.push_back(t.nsecsElapsed() / 1e6);
        }
    }
    const QString at = dm.tbAccounts->field(QStringLiteral("AccountNo")).asString();

    // One keystroke in the search, over every account's name.
    accounts::TfrmAccountSearch search(*dm.qryCusAccount, &m);
    search.show();
    if (!QTest::qWaitForWindowExposed(&search))
        std::printf("the search was not shown\n");
    search.cbSearchField->setCurrentIndex(1);
    std::vector<double> keystroke;
    const QString typed = QStringLiteral("customer 12");
    for (int round = 0; round < 3; ++round) {
        search.edSearchFor->clear();
        for (QChar c : typed) {
            t.restart();
            QTest::keyClick(search.edSearchFor, c.toLatin1());
            search.repaint();
            keystroke.push_back(t.nsecsElapsed() / 1e6);
        }
    }
    const int matches = search.model()->rowCount();
    search.close();

    const Stats o = stats(opening), n = stats(next), k = stats(keystroke);
    std::printf("  opening the manager                 median %7.1f ms  worst %7.1f ms\n",
                o.median, o.worst);
    std::printf("  next account, grids following      median %7.1f ms  worst %7.1f ms  (at %s)\n",
                n.median, n.worst, qPrintable(at));
    std::printf("  search keystroke (Name)            median %7.1f ms  worst %7.1f ms  "
                "(%d rows in the grid at the end)\n",
                k.median, k.worst, matches);
    return 0;
}
