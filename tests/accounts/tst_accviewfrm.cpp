// The account manager on a real store with real widgets: the rights, the
// insert flow and its refusals, event handling, special instructions, the
// detail grids, closing with unsaved changes, and the fields the event
// processor owns.
#include "accounts/taccviewfrm.h"
#include "pipeline/eventcatalogue.h"
#include "store/database.h"
#include "store/gridmodel.h"
#include "store/tdmod.h"
#include "support/recordingmessages.h"
#include "support/tempstore.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimeEdit>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;
using accounts::TAccViewFrm;
using Mode = store::Dataset::State;

namespace {

void screenshot(QWidget *w, const QString &name)
{
    const QString dir = qEnvironmentVariable("QUORVEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    QVERIFY(w->grab().save(QDir(dir).filePath(name)));
}

// A store whose new accounts get the catalogue's rules, with two accounts
// of model 3 (24 zones, 16 users, 1 area, 66 actions).
class Fixture : public TempStore
{
public:
    Fixture()
    {
        dm().setDefaultActionsSource(pipeline::CatalogueDefaultActions);
        addAccount(u"0120"_s, u"Smith Bakery"_s);
        addAccount(u"1234"_s, u"Jones & Sons"_s);
        dm().tbAccounts->first();
        setRights(u"EADP"_s);
    }
    void addAccount(const QString &number, const QString &name)
    {
        store::Table &a = *dm().tbAccounts;
        a.insert();
        a.field(u"AccountNo"_s).setValue(number);
        a.field(u"Name"_s).setValue(name);
        a.field(u"PanelType"_s).setValue(3);
        a.post();
    }
    // Letters E(dit) A(dd) D(elete) P(rint).
    void setRights(const QString &rights)
    {
        store::CurrentOperator &op = dm().currentOperator;
        op.name = u"Smith"_s;
        op.EditRecords = rights.contains(u'E');
        op.AddRecords = rights.contains(u'A');
        op.DeleteRecords = rights.contains(u'D');
        op.PrintReports = rights.contains(u'P');
    }
    QVariant stored(const QString &sql, const QVariantList &values = {})
    {
        QSqlQuery q = dm().database().exec(sql, values);
        return q.next() ? q.value(0) : QVariant();
    }
    Mode mode() { return dm().tbAccounts->state(); }
};

bool looksEditable(QWidget *w)
{
    return w->palette().color(QPalette::Base) ==
           w->style()->standardPalette().color(QPalette::Base);
}

bool tabShown(TAccViewFrm &f, int tab)
{
    return f.PageControl1->isTabVisible(tab);
}

void typeInto(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

} // namespace

class TestAccViewFrm : public QObject
{
    Q_OBJECT

private slots:
    void init() { core::setMessages(&m_messages); }
    void cleanup()
    {
        core::setMessages(nullptr);
        m_messages.clear();
    }

    void layoutAndHeadings();
    void rights_data();
    void rights();
    void addOnlyOperatorCreatesAnAccount();
    void insertFlow();
    void refusedNumbers_data();
    void refusedNumbers();
    void eventHandling();
    void specialInstructions();
    void detailGridsEditWithinLimitsAndSaveOnMove();
    void closingWithUnsavedChanges_data();
    void closingWithUnsavedChanges();
    void postKeepsProcessorFields();
    void searchMovesToTheChosenAccount();
    void printAndImportAreHandedOn();

private:
    RecordingMessages m_messages;
};

void TestAccViewFrm::layoutAndHeadings()
{
    Fixture s;
    TAccViewFrm f(s.dm());
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(f.windowTitle(), u"Account Manager"_s);
    QCOMPARE(f.PageControl1->count(), 9);
    QCOMPARE(f.PageControl1->currentIndex(), int(TAccViewFrm::tsCustomer));
    const QStringList tabs{u"Customer"_s,   u"Notes"_s, u"Special Instructions"_s,
                           u"Key Holders"_s, u"Zones"_s, u"Areas"_s,
                           u"Users"_s,       u"Event Handling"_s, u"Exceptions"_s};
    for (int i = 0; i < 9; ++i)
        QCOMPARE(f.PageControl1->tabText(i), tabs[i]);
    QCOMPARE(f.lbAccountNo->text(), u"Account No: 0120"_s);
    QCOMPARE(f.lbName->text(), u"Name: Smith Bakery"_s);
    QCOMPARE(f.lbMode->text(), u"Browse"_s);
    QCOMPARE(f.lbRecord->text(), u"Record 1 of 2"_s);
    QCOMPARE(f.cbPanelType->currentText(), u"Sterna 24"_s);
    QCOMPARE(f.cbPanelType->itemText(13), u"Tavir 12"_s);
    QCOMPARE(f.zonesModel()->index(4, 0).data().toString(), u"005"_s);

    // The navigator's next: headings, status and detail grids follow.
    f.nav[TAccViewFrm::nbNext]->click();
    QCOMPARE(f.lbAccountNo->text(), u"Account No: 1234"_s);
    QCOMPARE(f.lbName->text(), u"Name: Jones & Sons"_s);
    QCOMPARE(f.edName->text(), u"Jones & Sons"_s);
    QCOMPARE(f.lbRecord->text(), u"Record 2 of 2"_s);
    QCOMPARE(f.zonesModel()->rowCount(), 24);
    QCOMPARE(f.eventsModel()->rowCount(), 66);

    // Every tab once, with the account labels on its heading.
    for (int i = 0; i < 9; ++i) {
        f.PageControl1->setCurrentIndex(i);
        QVERIFY(f.PageControl1->currentWidget()->isAncestorOf(f.lbAccountNo));
        screenshot(&f, u"accviewfrm-%1.png"_s.arg(i));
    }
}

void TestAccViewFrm::rights_data()
{
    QTest::addColumn<QString>("rights");
    QTest::addColumn<bool>("accountPages"); // Customer ... Key Holders usable, white fields
    QTest::addColumn<QString>("navigator");  // visible buttons: I D E P C
    QTest::addColumn<bool>("print");
    QTest::addColumn<bool>("detailEditing"); // imports, choices, grids

    QTest::newRow("every right") << u"EADP"_s << true << u"IDEPC"_s << true << true;
    QTest::newRow("none") << u""_s << false << u""_s << false << false;
    QTest::newRow("edit only") << u"E"_s << true << u"EPC"_s << false << true;
    QTest::newRow("add only") << u"A"_s << false << u"IPC"_s << false << false;
    QTest::newRow("delete only") << u"D"_s << false << u"D"_s << false << false;
    QTest::newRow("print only") << u"P"_s << false << u""_s << true << false;
}

void TestAccViewFrm::rights()
{
    QFETCH(QString, rights);
    QFETCH(bool, accountPages);
    QFETCH(QString, navigator);
    QFETCH(bool, print);
    QFETCH(bool, detailEditing);
    Fixture s;
    s.setRights(rights);
    TAccViewFrm f(s.dm());
    for (int t : {TAccViewFrm::tsCustomer, TAccViewFrm::tsNotes, TAccViewFrm::tsSpecial,
                  TAccViewFrm::tsKeyHolders})
        QCOMPARE(f.pages[size_t(t)]->isEnabled(), accountPages);
    QCOMPARE(looksEditable(f.edName), accountPages);
    QCOMPARE(looksEditable(f.moNotes), accountPages);
    QCOMPARE(looksEditable(f.cbNoSigTime), accountPages);
    QCOMPARE(looksEditable(f.edLastSignal), accountPages);
    QVERIFY(f.edLastSignal->isReadOnly());
    // The exceptions can always be changed.
    QVERIFY(f.pages[TAccViewFrm::tsExceptions]->isEnabled());

    for (int b : {TAccViewFrm::nbFirst, TAccViewFrm::nbPrior, TAccViewFrm::nbNext,
                  TAccViewFrm::nbLast})
        QVERIFY(!f.nav[size_t(b)]->isHidden());
    const QList<QPair<QChar, int>> letters{{u'I', TAccViewFrm::nbInsert},
                                           {u'D', TAccViewFrm::nbDelete},
                                           {u'E', TAccViewFrm::nbEdit},
                                           {u'P', TAccViewFrm::nbPost},
                                           {u'C', TAccViewFrm::nbCancel}};
    for (const auto &[letter, button] : letters)
        QVERIFY2(f.nav[size_t(button)]->isHidden() != navigator.contains(letter),
                 qPrintable(QString(letter)));
    QCOMPARE(f.btnPrint->isEnabled(), print);

    for (QPushButton *b : f.btnImport)
        QCOMPARE(b->isEnabled(), detailEditing);
    for (QGroupBox *g : f.rgEvent)
        QCOMPARE(g->isEnabled(), detailEditing);
    for (QTableView *grid : {f.grdZones, f.grdAreas, f.grdUsers, f.grdEvents})
        QCOMPARE(looksEditable(grid), detailEditing);
    const Qt::ItemFlags zoneText = f.zonesModel()->flags(f.zonesModel()->index(0, 1));
    QCOMPARE(bool(zoneText & Qt::ItemIsEditable), detailEditing);
    QVERIFY(!(f.zonesModel()->flags(f.zonesModel()->index(0, 0)) & Qt::ItemIsEditable));
    QVERIFY(!(f.eventsModel()->flags(f.eventsModel()->index(0, 2)) & Qt::ItemIsEditable));
}

void TestAccViewFrm::addOnlyOperatorCreatesAnAccount()
{
    Fixture s;
    s.setRights(u"A"_s);
    TAccViewFrm f(s.dm());
    f.show();
    f.nav[TAccViewFrm::nbInsert]->click();
    // While inserting, the account pages can be filled in.
    for (int t : {TAccViewFrm::tsCustomer, TAccViewFrm::tsNotes, TAccViewFrm::tsKeyHolders})
        QVERIFY(f.pages[size_t(t)]->isEnabled());
    QVERIFY(looksEditable(f.edName));
    QTest::keyClicks(f.edAccountNo, u"0777"_s);
    typeInto(f.edName, u"New Site"_s);
    f.moNotes->setPlainText(u"gate code 1234"_s);
    auto *kh = f.findChild<QLineEdit *>(u"edKH1Name"_s);
    typeInto(kh, u"Ann"_s);
    f.findChild<QTimeEdit *>(u"edMonOpenTime"_s)->setTime(QTime(8, 30));
    f.nav[TAccViewFrm::nbPost]->click();
    QCOMPARE(s.mode(), Mode::Browse);
    QCOMPARE(s.stored(u"SELECT Name || '/' || Notes || '/' || KH1Name || '/' || MonOpenTime "
                      "FROM Accounts WHERE AccountNo = '0777'"_s).toString(),
             u"New Site/gate code 1234/Ann/08:30:00"_s);
    // After saving only the exceptions can still be changed.
    QVERIFY(!f.pages[TAccViewFrm::tsCustomer]->isEnabled());
    QVERIFY(!f.pages[TAccViewFrm::tsKeyHolders]->isEnabled());
    QVERIFY(f.pages[TAccViewFrm::tsExceptions]->isEnabled());
    auto *except = f.findChild<QCheckBox *>(u"cbMonOpenExcept"_s);
    QVERIFY(except->isEnabled());
    except->click();
    f.nav[TAccViewFrm::nbPost]->click();
    QCOMPARE(s.stored(u"SELECT MonOpenExcept FROM Accounts WHERE AccountNo = '0777'"_s).toBool(),
             true);
}

void TestAccViewFrm::insertFlow()
{
    Fixture s;
    TAccViewFrm f(s.dm());
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    f.PageControl1->setCurrentIndex(TAccViewFrm::tsExceptions);
    QVERIFY(!f.edAccountNo->isEnabled());
    QVERIFY(!f.cbPanelType->isEnabled());
    f.nav[TAccViewFrm::nbInsert]->click();
    QCOMPARE(f.PageControl1->currentIndex(), int(TAccViewFrm::tsCustomer));
    QCOMPARE(f.lbMode->text(), u"Insert"_s);
    QVERIFY(f.edAccountNo->isEnabled());
    QVERIFY(f.cbPanelType->isEnabled());
    QCOMPARE(f.cbPanelType->currentText(), u"Sterna 412"_s);
    QCOMPARE(QApplication::focusWidget(), f.edAccountNo);
    for (int t : {TAccViewFrm::tsSpecial, TAccViewFrm::tsZones, TAccViewFrm::tsAreas,
                  TAccViewFrm::tsUsers, TAccViewFrm::tsEvents})
        QVERIFY(!tabShown(f, t));
    QVERIFY(tabShown(f, TAccViewFrm::tsExceptions));

    QCOMPARE(f.lbAccountNo->text(), u"Account No: "_s);
    QTest::keyClicks(f.edAccountNo, u"00ab"_s);
    QCOMPARE(f.edAccountNo->text(), u"00AB"_s);
    QCOMPARE(f.lbAccountNo->text(), u"Account No: 00AB"_s);
    typeInto(f.edAccountNo, u"0G12F"_s);
    QCOMPARE(f.edAccountNo->text(), u"012F"_s);
    screenshot(&f, u"accviewfrm-insert.png"_s);
    typeInto(f.edName, u"Corner Shop"_s);
    f.cbPanelType->setCurrentIndex(3);
    emit f.cbPanelType->activated(3);
    f.nav[TAccViewFrm::nbPost]->click();

    QCOMPARE(s.mode(), Mode::Browse);
    QCOMPARE(s.stored(u"SELECT PanelType FROM Accounts WHERE AccountNo = '012F'"_s).toInt(), 3);
    QVERIFY(!f.edAccountNo->isEnabled());
    QVERIFY(!f.cbPanelType->isEnabled());
    for (int t = 0; t < 9; ++t)
        QVERIFY(tabShown(f, t));
    QCOMPARE(f.lbAccountNo->text(), u"Account No: 012F"_s);
    QCOMPARE(f.zonesModel()->rowCount(), 24);
    QCOMPARE(f.grdAreas->model()->rowCount(), 1);
    QCOMPARE(f.grdUsers->model()->rowCount(), 16);
    QCOMPARE(f.eventsModel()->rowCount(), 66);
    QVERIFY(m_messages.errors.isEmpty());
}

void TestAccViewFrm::refusedNumbers_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("message");
    QTest::newRow("exists already")
        << u"0120"_s
        << u"Customer account already exists. Please use a different \r\naccount number."_s;
    QTest::newRow("shorter than a frame carries")
        << u"12"_s << u"The account number must have four characters, each 0 to 9 or A to F."_s;
    QTest::newRow("empty")
        << QString() << u"The account number must have four characters, each 0 to 9 or A to F."_s;
}

void TestAccViewFrm::refusedNumbers()
{
    QFETCH(QString, number);
    QFETCH(QString, message);
    Fixture s;
    TAccViewFrm f(s.dm());
    f.show();
    f.nav[TAccViewFrm::nbInsert]->click();
    QTest::keyClicks(f.edAccountNo, number);
    typeInto(f.edName, u"Second Bakery"_s);
    f.nav[TAccViewFrm::nbPost]->click();
    QCOMPARE(m_messages.errors, QStringList{message});
    QCOMPARE(s.mode(), Mode::Insert);
    QCOMPARE(f.edName->text(), u"Second Bakery"_s);
    QCOMPARE(s.stored(u"SELECT count(*) FROM Accounts"_s).toInt(), 2);
    // Corrected, the same row saves.
    typeInto(f.edAccountNo, u"0121"_s);
    f.nav[TAccViewFrm::nbPost]->click();
    QCOMPARE(s.mode(), Mode::Browse);
    QCOMPARE(s.stored(u"SELECT Name FROM Accounts WHERE AccountNo = '0121'"_s).toString(),
             u"Second Bakery"_s);
}

void TestAccViewFrm::eventHandling()
{
    Fixture s;
    store::Table &actions = *s->tbActions;
    s->database().exec(u"UPDATE Actions SET AlmPriority = 5, AlmAction = 7, ResAction = 1 "
                       "WHERE AccountNo = '0120' AND EventCode = 130"_s);
    s->database().exec(u"UPDATE Actions SET AlmPriority = 0 "
                       "WHERE AccountNo = '0120' AND EventCode = 110"_s);
    actions.refresh();
    TAccViewFrm f(s.dm());
    f.show();
    f.PageControl1->setCurrentIndex(TAccViewFrm::tsEvents);
    // Nothing shows until the current event row changes.
    QCOMPARE(f.eventChoice[0]->checkedId(), -1);
    QVERIFY(!f.btnUpdateEvent->isEnabled());

    auto selectCode = [&](int code) {
        for (int r = 0; r < f.eventsModel()->rowCount(); ++r) {
            if (f.eventsModel()->index(r, 0).data().toInt() == code) {
                f.grdEvents->setCurrentIndex(f.eventsModel()->index(r, 1));
                return;
            }
        }
        QFAIL("no such code");
    };
    selectCode(130);
    QCOMPARE(actions.field(u"EventCode"_s).asInteger(), 130);
    QCOMPARE(f.eventChoice[0]->checkedButton()->text(), u"Low"_s);     // 5 is past the last
    QCOMPARE(f.eventChoice[1]->checkedButton()->text(), u"Prompt"_s);  // 7 too
    QCOMPARE(f.eventChoice[2]->checkedButton()->text(), u"Log"_s);
    QCOMPARE(f.eventChoice[3]->checkedButton()->text(), u"No"_s);
    QVERIFY(!f.btnUpdateEvent->isEnabled());

    // A choice not saved is dropped on moving.
    f.eventChoice[1]->button(0)->click();
    QVERIFY(f.btnUpdateEvent->isEnabled());
    selectCode(110);
    QCOMPARE(f.eventChoice[0]->checkedId(), -1); // 0 is before the first
    QVERIFY(!f.btnUpdateEvent->isEnabled());
    QCOMPARE(s.stored(u"SELECT AlmAction FROM Actions WHERE AccountNo = '0120' AND EventCode = 130"_s)
                 .toInt(),
             7);

    // Update Event writes the five choices.
    selectCode(130);
    f.eventChoice[0]->button(1)->click();
    f.eventChoice[1]->button(2)->click();
    f.eventChoice[3]->button(1)->click();
    f.btnUpdateEvent->click();
    QVERIFY(!f.btnUpdateEvent->isEnabled());
    QCOMPARE(s.stored(u"SELECT AlmPriority || AlmAction || ResAction || AlmEmail || ResEmail "
                      "FROM Actions WHERE AccountNo = '0120' AND EventCode = 130"_s)
                 .toString(),
             u"22110"_s);
    QCOMPARE(actions.state(), Mode::Browse);
    screenshot(&f, u"accviewfrm-events-chosen.png"_s);
}

void TestAccViewFrm::specialInstructions()
{
    Fixture s;
    TAccViewFrm f(s.dm());
    f.show();
    f.PageControl1->setCurrentIndex(TAccViewFrm::tsSpecial);
    QCOMPARE(f.dtDate->date(), QDate(2007, 1, 10));
    QCOMPARE(f.dtTime->time(), QTime(11, 59, 12));
    QVERIFY(!f.btnAdd->isEnabled());
    QVERIFY(!f.btnDelete->isEnabled());
    // An unsaved name goes with the instruction.
    typeInto(f.edName, u"Smith Bakery Ltd"_s);

    f.dtDate->setDate(QDate(2013, 3, 7));
    QTest::keyClicks(f.edInstruction, u"Key holder on holiday"_s);
    QVERIFY(f.btnAdd->isEnabled());
    f.btnAdd->click();
    QVERIFY(f.edInstruction->text().isEmpty());
    QVERIFY(!f.btnAdd->isEnabled());
    QTest::keyClicks(f.edInstruction, u"Dog on site"_s);
    f.btnAdd->click();
    QCOMPARE(s.mode(), Mode::Browse);

    const QStringList lines = [&]() {
        QStringList out;
        for (int i = 0; i < f.lbSpecialInstructions->count(); ++i)
            out << f.lbSpecialInstructions->item(i)->text();
        return out;
    }();
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].startsWith(u"3/7/2013 "_s));
    QVERIFY(lines[0].endsWith(u" - Key holder on holiday - Logged by Operator: Smith"_s));
    QVERIFY(lines[1].contains(u" - Dog on site - "_s));
    QCOMPARE(s.stored(u"SELECT SpecialNotes FROM Accounts WHERE AccountNo = '0120'"_s).toString(),
             lines[0] + u"\r\n"_s + lines[1] + u"\r\n"_s);
    QCOMPARE(s.stored(u"SELECT Name FROM Accounts WHERE AccountNo = '0120'"_s).toString(),
             u"Smith Bakery Ltd"_s);

    // Delete with no line selected does nothing; with one, removes it.
    f.btnDelete->setEnabled(true);
    f.btnDelete->click();
    QCOMPARE(f.lbSpecialInstructions->count(), 2);
    const QRect first = f.lbSpecialInstructions->visualItemRect(f.lbSpecialInstructions->item(0));
    QTest::mouseClick(f.lbSpecialInstructions->viewport(), Qt::LeftButton, {}, first.center());
    QVERIFY(f.btnDelete->isEnabled());
    f.btnDelete->click();
    QCOMPARE(f.lbSpecialInstructions->count(), 1);
    QCOMPARE(s.stored(u"SELECT SpecialNotes FROM Accounts WHERE AccountNo = '0120'"_s).toString(),
             lines[1] + u"\r\n"_s);
    QVERIFY(!f.btnDelete->isEnabled());
}

void TestAccViewFrm::detailGridsEditWithinLimitsAndSaveOnMove()
{
    Fixture s;
    TAccViewFrm f(s.dm());
    f.show();
    f.PageControl1->setCurrentIndex(TAccViewFrm::tsZones);
    store::DatasetGridModel *zones = f.zonesModel();
    QVERIFY(zones->setData(zones->index(4, 1), u"Front Door"_s));
    QCOMPARE(s->tbZones->state(), Mode::Edit);
    QCOMPARE(zones->index(4, 1).data().toString(), u"Front Door"_s);
    // Moving to the next account saves the zone being edited.
    f.nav[TAccViewFrm::nbNext]->click();
    QCOMPARE(s.stored(u"SELECT ZoneText FROM Zones WHERE AccountNo = '0120' AND ZoneID = 5"_s)
                 .toString(),
             u"Front Door"_s);
    QCOMPARE(f.lbAccountNo->text(), u"Account No: 1234"_s);

    // Model 3 holds one area: a second is withdrawn; after a delete one fits.
    f.PageControl1->setCurrentIndex(TAccViewFrm::tsAreas);
    f.grdAreas->setFocus();
    QTest::keyClick(f.grdAreas, Qt::Key_Insert);
    QCOMPARE(s->tbAreas->state(), Mode::Browse);
    QCOMPARE(f.grdAreas->model()->rowCount(), 1);
    m_messages.confirmAnswers << true;
    QTest::keyClick(f.grdAreas, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(f.grdAreas->model()->rowCount(), 0);
    QTest::keyClick(f.grdAreas, Qt::Key_Insert);
    QCOMPARE(s->tbAreas->state(), Mode::Insert);
    QCOMPARE(f.grdAreas->model()->rowCount(), 1);
    QVERIFY(f.grdAreas->model()->setData(f.grdAreas->model()->index(0, 1), u"Warehouse"_s));
    f.nav[TAccViewFrm::nbPrior]->click();
    QCOMPARE(s.stored(u"SELECT AreaID || ' ' || AreaText FROM Areas WHERE AccountNo = '1234'"_s)
                 .toString(),
             u"1 Warehouse"_s);
}

void TestAccViewFrm::closingWithUnsavedChanges_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("inserting");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QString>("storedName");
    using A = core::Messages::SaveAnswer;
    QTest::newRow("Yes saves") << int(A::Save) << false << true << u"Typed"_s;
    QTest::newRow("No discards") << int(A::Discard) << false << true << u"Smith Bakery"_s;
    QTest::newRow("Cancel stays open") << int(A::Cancel) << false << false << u"Smith Bakery"_s;
    QTest::newRow("a failed save stays open") << int(A::Save) << true << false << QString();
}

void TestAccViewFrm::closingWithUnsavedChanges()
{
    QFETCH(int, answer);
    QFETCH(bool, inserting);
    QFETCH(bool, closes);
    QFETCH(QString, storedName);
    Fixture s;
    TAccViewFrm f(s.dm());
    f.show();
    if (inserting) {
        f.nav[TAccViewFrm::nbInsert]->click();
        QTest::keyClicks(f.edAccountNo, u"1234"_s); // exists already
    }
    typeInto(f.edName, u"Typed"_s);
    m_messages.saveAnswers << core::Messages::SaveAnswer(answer);
    f.close();
    QCOMPARE(m_messages.questions, QStringList{u"Save the changes to this account?"_s});
    QCOMPARE(f.isVisible(), !closes);
    if (!storedName.isNull())
        QCOMPARE(s.stored(u"SELECT Name FROM Accounts WHERE AccountNo = '0120'"_s).toString(),
                 storedName);
    if (inserting) {
        QCOMPARE(m_messages.errors.size(), 1);
        QCOMPARE(s.mode(), Mode::Insert);
    }
    if (closes)
        QCOMPARE(s.mode(), Mode::Browse);
    // With nothing unsaved, it closes without a question.
    m_messages.clear();
    s->tbAccounts->cancel();
    f.close();
    QVERIFY(!f.isVisible());
    QVERIFY(m_messages.questions.isEmpty());
}

void TestAccViewFrm::postKeepsProcessorFields()
{
    Fixture s;
    TAccViewFrm f(s.dm());
    f.show();
    typeInto(f.edName, u"Typed meanwhile"_s);
    QCOMPARE(s.mode(), Mode::Edit);
    // An event arrives: the processor's statements write their own fields.
    s->database().exec(u"UPDATE Accounts SET LastSignal = '2026-12-11 10:00:00', OCStatus = 1 "
                       "WHERE AccountNo = '0120'"_s);
    QCOMPARE(f.edName->text(), u"Typed meanwhile"_s);
    f.nav[TAccViewFrm::nbPost]->click();
    QCOMPARE(s.stored(u"SELECT Name || '/' || LastSignal || '/' || OCStatus FROM Accounts "
                      "WHERE AccountNo = '0120'"_s)
                 .toString(),
             u"Typed meanwhile/2026-12-11 10:00:00/1"_s);
}

void TestAccViewFrm::searchMovesToTheChosenAccount()
{
    Fixture s;
    TAccViewFrm f(s.dm());
    f.show();
    QTimer::singleShot(0, &f, [&]() {
        auto *search = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(search);
        auto *text = search->findChild<QLineEdit *>(u"edSearchFor"_s);
        QTest::keyClicks(text, u"34"_s);
        search->findChild<QPushButton *>(u"btnOK"_s)->click();
    });
    f.btnSearch->click();
    QCOMPARE(f.lbAccountNo->text(), u"Account No: 1234"_s);
    QVERIFY(!s->qryCusAccount->isOpen());
}

void TestAccViewFrm::printAndImportAreHandedOn()
{
    Fixture s;
    TAccViewFrm f(s.dm());
    QSignalSpy print(&f, &TAccViewFrm::printRequested);
    QSignalSpy import(&f, &TAccViewFrm::importRequested);
    // Each hand-over opens its own options dialog; the test cancels it.
    QStringList opened;
    QTimer closer;
    connect(&closer, &QTimer::timeout, &f, [&]() {
        if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            opened << d->objectName();
            d->reject();
        }
    });
    closer.start(20);
    f.btnPrint->click();
    QCOMPARE(print.size(), 1);
    QCOMPARE(print.first().first().toString(), u"0120"_s);
    for (QPushButton *b : f.btnImport)
        b->click();
    QCOMPARE(import.size(), 3);
    QCOMPARE(opened, (QStringList{u"frmReportOptions"_s, u"ImportOptsFrm"_s, u"ImportOptsFrm"_s,
                                  u"ImportOptsFrm"_s}));
    QCOMPARE(import.at(0).first().toInt(), int(TAccViewFrm::ImportZones));
    QCOMPARE(import.at(1).first().toInt(), int(TAccViewFrm::ImportAreas));
    QCOMPARE(import.at(2).first().toInt(), int(TAccViewFrm::ImportUsers));
}

QTEST_MAIN(TestAccViewFrm)
#include "tst_accviewfrm.moc"
