// The account manager inside the running console, against the receiver
// simulator on the console's own port: an account made by driving the
// manager's widgets decides how the next alarm is shown, and what an
// operator types while that account's events stream in is kept, together
// with what the events wrote.
#include "accounts/taccviewfrm.h"
#include "console/operatorsession.h"
#include "console/pendingpanel.h"
#include "console/tmainfrm.h"
#include "pipeline/eventprocessor.h"
#include "station/station.h"
#include "support/stationfixture.h"
#include "store/gridmodel.h"
#include "store/tdmod.h"
#include "tools/rxsim/rxsimulator.h"

#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;
using accounts::TAccViewFrm;

namespace {

QVariant stored(store::TDMod &dm, const QString &sql)
{
    QSqlQuery q = dm.database().exec(sql);
    return q.next() ? q.value(0) : QVariant();
}

// Opens the manager from the Accounts menu and runs fn on it; the manager
// is closed afterwards (or by a watchdog, so a failed step never hangs).
void withManager(StationFixture &s, const std::function<void(TAccViewFrm &)> &fn)
{
    bool ran = false;
    QTimer::singleShot(0, [&]() {
        auto *m = qobject_cast<TAccViewFrm *>(QApplication::activeModalWidget());
        QVERIFY(m);
        QVERIFY(QTest::qWaitForWindowExposed(m));
        QTimer::singleShot(30000, m, [m, &s]() {
            s.messages.saveAnswers << core::Messages::SaveAnswer::Discard;
            m->reject();
        });
        fn(*m);
        ran = true;
        m->accept();
    });
    s.w().session().AccEdit->trigger();
    QVERIFY(ran);
}

void typeInto(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    QTest::keyClicks(edit, text);
}

} // namespace

class TestAccountStation : public QObject
{
    Q_OBJECT

private slots:
    void newAccountDecidesHowItsAlarmShows();
    void typingWhileEventsStream();
};

void TestAccountStation::newAccountDecidesHowItsAlarmShows()
{
    StationFixture s;
    s.start();
    s.logOn(u"Master"_s, u"master"_s);
    withManager(s, [&](TAccViewFrm &m) {
        m.nav[TAccViewFrm::nbInsert]->click();
        typeInto(m.edAccountNo, u"1234"_s);
        typeInto(m.edName, u"Corner Shop"_s);
        m.nav[TAccViewFrm::nbPost]->click();
        QCOMPARE(m.lbAccountNo->text(), u"Account No: 1234"_s);

        // Zone 5 named by typing into its cell.
        m.PageControl1->setCurrentIndex(TAccViewFrm::tsZones);
        const QModelIndex zone5 = m.zonesModel()->index(4, 1);
        m.grdZones->setCurrentIndex(zone5);
        m.grdZones->edit(zone5);
        auto *editor = m.grdZones->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        QTest::keyClicks(editor, u"Front Door"_s);
        QTest::keyClick(editor, Qt::Key_Return);
        m.grdZones->setCurrentIndex(m.zonesModel()->index(0, 1));

        // Code 130 set to Prompt.
        m.PageControl1->setCurrentIndex(TAccViewFrm::tsEvents);
        for (int r = 0; r < m.eventsModel()->rowCount(); ++r) {
            if (m.eventsModel()->index(r, 0).data().toInt() == 130)
                m.grdEvents->setCurrentIndex(m.eventsModel()->index(r, 1));
        }
        m.eventChoice[1]->button(2)->click();
        m.btnUpdateEvent->click();
    });
    QCOMPARE(stored(s.dm(), u"SELECT ZoneText FROM Zones WHERE AccountNo = '1234' AND ZoneID = 5"_s)
                 .toString(),
             u"Front Door"_s);

    rxsim::SimulatorOptions options;
    options.port = s.port();
    options.ackTimeoutMs = 10000;
    rxsim::RxSimulator sim(options, {QByteArrayLiteral("5011 181234E13001005")});
    QVERIFY(sim.run().allAcknowledged());
    QTRY_COMPARE(s.dm().tbPending->recordCount(), 1);
    s.dm().tbPending->first();
    const QString desc = s.dm().tbPending->field(u"EventDesc"_s).asString();
    QVERIFY2(desc.endsWith(u"Zone 005 (Front Door)"_s), qPrintable(desc));
    QCOMPARE(s.messages.errors, QStringList());
}

void TestAccountStation::typingWhileEventsStream()
{
    StationFixture s;
    s.start();
    s.logOn(u"Master"_s, u"master"_s);
    store::Table &accounts = *s.dm().tbAccounts;
    accounts.insert();
    accounts.field(u"AccountNo"_s).setValue(u"1234"_s);
    accounts.field(u"Name"_s).setValue(u"Corner Shop"_s);
    accounts.post();

    // Openings and closings of the same account, the last one a closing.
    QList<QByteArray> frames;
    for (int i = 0; i < 30; ++i)
        frames << (i % 2 ? QByteArrayLiteral("5011 181234R40101002")
                         : QByteArrayLiteral("5011 181234E40101002"));
    rxsim::SimulatorOptions options;
    options.port = s.port();
    options.rate = 25;
    options.ackTimeoutMs = 10000;
    rxsim::RxSimulator sim(options, frames);
    rxsim::RunSummary summary;
    withManager(s, [&](TAccViewFrm &m) {
        bool finished = false;
        QObject::connect(&sim, &rxsim::RxSimulator::finished, [&]() { finished = true; });
        sim.start();
        // One keystroke at a time, events handled between them.
        const QString name = u" & Sons"_s;
        m.edName->setFocus();
        m.edName->end(false);
        for (QChar c : name) {
            QTest::keyClick(m.edName, c.toLatin1());
            QTest::qWait(15);
        }
        m.PageControl1->setCurrentIndex(TAccViewFrm::tsNotes);
        m.moNotes->setFocus();
        QTest::keyClicks(m.moNotes, u"Gate code 4711"_s);
        QTRY_VERIFY_WITH_TIMEOUT(finished, 20000);
        summary = sim.summary();
        QCOMPARE(m.edName->text(), u"Corner Shop & Sons"_s);
        QCOMPARE(m.moNotes->toPlainText(), u"Gate code 4711"_s);
        m.nav[TAccViewFrm::nbPost]->click();
    });
    QVERIFY2(summary.allAcknowledged(), qPrintable(sim.summaryLines().join(u'\n')));
    QCOMPARE(stored(s.dm(), u"SELECT Name || '/' || Notes || '/' || OCStatus FROM Accounts"_s)
                 .toString(),
             u"Corner Shop & Sons/Gate code 4711/1"_s);
    const QDateTime last =
        QDateTime::fromString(stored(s.dm(), u"SELECT LastSignal FROM Accounts"_s).toString(),
                              u"yyyy-MM-dd HH:mm:ss"_s);
    QVERIFY(last.isValid());
    QVERIFY(qAbs(last.secsTo(QDateTime::currentDateTime())) < 120);
    QCOMPARE(stored(s.dm(), u"SELECT count(*) FROM Comms WHERE Processed = 1"_s).toInt(), 30);
}

QTEST_MAIN(TestAccountStation)
#include "tst_accountstation.moc"
