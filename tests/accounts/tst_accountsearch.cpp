// The account search on a real store: every search field's condition and
// order, the pattern rules (capitals, wildcards, quotes and long text), the
// "OK" button following the current row, and how a row is chosen.
#include "accounts/accountsearch.h"
#include "store/database.h"
#include "store/gridmodel.h"
#include "store/query.h"
#include "store/tdmod.h"
#include "support/recordingmessages.h"
#include "support/tempstore.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QtTest>

using namespace Qt::StringLiterals;
using accounts::SearchField;
using accounts::TfrmAccountSearch;

namespace {

void screenshot(QWidget *w, const char *name)
{
    const QString dir = qEnvironmentVariable("QUORVEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    QVERIFY(w->grab().save(QDir(dir).filePath(QString::fromLatin1(name))));
}

// Five accounts whose fields overlap in ways the conditions tell apart.
void addAccounts(store::TDMod &dm)
{
    const char *const rows[][10] = {
        // AccountNo, Name, Address1..4, Postcode, TelNo, FaxNo, Email
        {"0120", "Smith Bakery", "1 High St", "Old Town", "Leeds", "", "LS1 1AA", "0113 200",
         "", "bake@smith.example"},
        {"1234", "Jones & Sons", "2 Mill Lane", "", "York", "Yorkshire", "YO1 2BB", "01904 1",
         "01904 2", ""},
        {"A12F", "The 50% Shop", "3 Quay", "", "", "", "", "", "", "shop@quay.example"},
        {"B000", "O\"Brien's Bar", "4 Bridge", "", "", "Smithfield", "AB1 3CC", "", "", ""},
        {"C999", "smithy works", "", "", "", "", "", "", "", ""},
    };
    for (const auto &r : rows) {
        QVariantList values;
        for (const char *v : r)
            values << (*v ? QVariant(QString::fromUtf8(v)) : QVariant());
        dm.database().exec(u"INSERT INTO Accounts (AccountNo, Name, Address1, Address2, Address3, "
                           "Address4, Postcode, TelNo, FaxNo, Email, PanelType) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 7)"_s,
                           values);
    }
}

QStringList shown(TfrmAccountSearch &dlg, int column = 0)
{
    QStringList out;
    for (int r = 0; r < dlg.model()->rowCount(); ++r)
        out << dlg.model()->index(r, column).data().toString();
    return out;
}

} // namespace

class TestAccountSearch : public QObject
{
    Q_OBJECT

private slots:
    void init() { core::setMessages(&m_messages); }
    void cleanup()
    {
        core::setMessages(nullptr);
        m_messages.clear();
    }

    void opensOnEveryAccount();
    void conditions_data();
    void conditions();
    void noMatchLeavesOkDisabled();
    void choosingARow_data();
    void choosingARow();
    void cancelHandsBackNothing();
    void manyMatchesAreReadAsTheGridScrolls();

private:
    RecordingMessages m_messages;
};

void TestAccountSearch::opensOnEveryAccount()
{
    TempStore s;
    addAccounts(s.dm());
    TfrmAccountSearch dlg(*s->qryCusAccount);
    dlg.show();
    QCOMPARE(dlg.windowTitle(), u"Account Search"_s);
    QCOMPARE(dlg.size(), QSize(803, 433));
    QCOMPARE(dlg.cbSearchField->currentText(), u"Account No"_s);
    QCOMPARE(shown(dlg), (QStringList{u"0120"_s, u"1234"_s, u"A12F"_s, u"B000"_s, u"C999"_s}));
    QCOMPARE(dlg.DBGrid1->currentIndex().row(), 0);
    QVERIFY(dlg.btnOK->isEnabled());
    QStringList headers;
    for (int c = 0; c < dlg.model()->columnCount(); ++c)
        headers << dlg.model()->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(headers, (QStringList{u"Account No"_s, u"Name"_s, u"Address"_s, u"Postcode"_s,
                                   u"Tel No"_s, u"Fax No"_s, u"Email"_s, u"Panel Type"_s}));
    // Address: the first three lines; the panel model by name; a tool tip per cell.
    QCOMPARE(dlg.model()->index(0, 2).data().toString(), u"1 High St Old Town Leeds"_s);
    QCOMPARE(dlg.model()->index(1, 2).data().toString(), u"2 Mill Lane  York"_s);
    QCOMPARE(dlg.model()->index(0, 7).data().toString(), u"Sterna 640"_s);
    QCOMPARE(dlg.model()->index(0, 1).data(Qt::ToolTipRole).toString(), u"Smith Bakery"_s);
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    screenshot(&dlg, "accountsearch.png");
}

void TestAccountSearch::conditions_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("accounts");

    const auto F = [](SearchField f) { return static_cast<int>(f); };
    QTest::newRow("number contains 12") << F(SearchField::AccountNo) << u"12"_s
                                        << QStringList{u"0120"_s, u"1234"_s, u"A12F"_s};
    QTest::newRow("number in small letters") << F(SearchField::AccountNo) << u"a1"_s
                                             << QStringList{u"A12F"_s};
    QTest::newRow("name in any case") << F(SearchField::Name) << u"smi"_s
                                      << QStringList{u"0120"_s, u"C999"_s};
    QTest::newRow("address in the fourth line")
        << F(SearchField::Address) << u"smithf"_s << QStringList{u"B000"_s};
    QTest::newRow("address in any line")
        << F(SearchField::Address) << u"y"_s << QStringList{u"1234"_s, u"A12F"_s};
    QTest::newRow("empty postcode lists the filled ones, by postcode")
        << F(SearchField::Postcode) << QString()
        << QStringList{u"B000"_s, u"0120"_s, u"1234"_s};
    QTest::newRow("empty telephone") << F(SearchField::TelNo) << QString()
                                     << QStringList{u"0120"_s, u"1234"_s};
    QTest::newRow("fax") << F(SearchField::FaxNo) << u"904"_s << QStringList{u"1234"_s};
    QTest::newRow("e-mail, by e-mail") << F(SearchField::Email) << u"EXAMPLE"_s
                                       << QStringList{u"0120"_s, u"A12F"_s};
    QTest::newRow("typed percent is a wildcard") << F(SearchField::Name) << u"t%p"_s
                                                 << QStringList{u"A12F"_s};
    QTest::newRow("typed underscore is a wildcard") << F(SearchField::Name) << u"o_b"_s
                                                    << QStringList{u"B000"_s};
    QTest::newRow("a double quote simply searches") << F(SearchField::Name) << u"o\"b"_s
                                                    << QStringList{u"B000"_s};
    QTest::newRow("a single quote simply searches") << F(SearchField::Name) << u"n's"_s
                                                    << QStringList{u"B000"_s};
    QTest::newRow("text longer than any condition") << F(SearchField::Address)
                                                    << QString(300, u'x') << QStringList{};
}

void TestAccountSearch::conditions()
{
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(QStringList, accounts);
    TempStore s;
    addAccounts(s.dm());
    TfrmAccountSearch dlg(*s->qryCusAccount);
    dlg.show();
    dlg.cbSearchField->setCurrentIndex(field);
    dlg.edSearchFor->setFocus();
    QTest::keyClicks(dlg.edSearchFor, typed);
    QCOMPARE(shown(dlg), accounts);
    QCOMPARE(dlg.btnOK->isEnabled(), !accounts.isEmpty());
    QVERIFY2(m_messages.errors.isEmpty(), qPrintable(m_messages.errors.join(u'\n')));
}

void TestAccountSearch::noMatchLeavesOkDisabled()
{
    TempStore s;
    addAccounts(s.dm());
    TfrmAccountSearch dlg(*s->qryCusAccount);
    QTimer::singleShot(10000, &dlg, &QDialog::reject);
    QTimer::singleShot(0, &dlg, [&]() {
        QTest::keyClicks(dlg.edSearchFor, u"zz"_s);
        QCOMPARE(dlg.model()->rowCount(), 0);
        QVERIFY(!dlg.btnOK->isEnabled());
        // Neither a click on OK, a double click nor a key chooses anything.
        QTest::mouseDClick(dlg.DBGrid1->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QTest::keyClick(dlg.DBGrid1, Qt::Key_Return);
        QTest::keyClick(dlg.DBGrid1, Qt::Key_A);
        QVERIFY(dlg.isVisible());
        dlg.btnCancel->click();
    });
    QString chosen = u"unchanged"_s;
    QVERIFY(!dlg.Execute(chosen));
    QCOMPARE(chosen, QString());
    QVERIFY(!s->qryCusAccount->isOpen());
}

void TestAccountSearch::choosingARow_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK") << u"ok"_s;
    QTest::newRow("double click") << u"double click"_s;
    QTest::newRow("Enter in the grid") << u"enter"_s;
    QTest::newRow("a letter in the grid") << u"letter"_s;
}

void TestAccountSearch::choosingARow()
{
    QFETCH(QString, how);
    TempStore s;
    addAccounts(s.dm());
    TfrmAccountSearch dlg(*s->qryCusAccount);
    // A dialog left open by a failed step is closed, so the test never hangs.
    QTimer::singleShot(10000, &dlg, &QDialog::reject);
    QTimer::singleShot(0, &dlg, [&]() {
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QTest::keyClicks(dlg.edSearchFor, u"12"_s);
        // The third match is made current, as a click would.
        dlg.DBGrid1->setCurrentIndex(dlg.model()->index(2, 1));
        const QRect cell = dlg.DBGrid1->visualRect(dlg.model()->index(2, 1));
        if (how == u"ok")
            dlg.btnOK->click();
        else if (how == u"double click") {
            QTest::mouseClick(dlg.DBGrid1->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(dlg.DBGrid1->viewport(), Qt::LeftButton, {}, cell.center());
        }
        else if (how == u"enter")
            QTest::keyClick(dlg.DBGrid1, Qt::Key_Return);
        else
            QTest::keyClick(dlg.DBGrid1, Qt::Key_X);
    });
    QString chosen;
    QVERIFY(dlg.Execute(chosen));
    QCOMPARE(chosen, u"A12F"_s);
    QVERIFY(!s->qryCusAccount->isOpen());
}

void TestAccountSearch::cancelHandsBackNothing()
{
    TempStore s;
    addAccounts(s.dm());
    TfrmAccountSearch dlg(*s->qryCusAccount);
    QTimer::singleShot(10000, &dlg, &QDialog::reject);
    QTimer::singleShot(0, &dlg, [&]() { QTest::keyClick(&dlg, Qt::Key_Escape); });
    QString chosen = u"x"_s;
    QVERIFY(!dlg.Execute(chosen));
    QVERIFY(chosen.isEmpty());
}

void TestAccountSearch::manyMatchesAreReadAsTheGridScrolls()
{
    TempStore s;
    QStringList all;
    for (int i = 0; i < 250; ++i) {
        all << u"%1"_s.arg(i, 4, 10, QLatin1Char('0'));
        s.dm().database().exec(u"INSERT INTO Accounts (AccountNo, Name) VALUES (?, ?)"_s,
                               {all.last(), u"Site %1"_s.arg(i)});
    }
    store::Query &q = *s->qryCusAccount;
    TfrmAccountSearch dlg(q);
    QTimer::singleShot(10000, &dlg, &QDialog::reject);
    QTimer::singleShot(0, &dlg, [&]() {
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.cbSearchField->setCurrentIndex(1);
        QTest::keyClicks(dlg.edSearchFor, u"site"_s);
        // A keystroke reads only the first rows, not every match.
        QVERIFY(q.recordCount() < all.size());
        QVERIFY(dlg.model()->rowCount() < all.size());
        for (int i = 0; i < 20 && dlg.model()->canFetchMore({}); ++i) {
            dlg.DBGrid1->scrollToBottom();
            QCoreApplication::processEvents();
        }
        // Scrolled to the end, every match once, in account order.
        QCOMPARE(shown(dlg), all);
        dlg.DBGrid1->setCurrentIndex(dlg.model()->index(all.size() - 1, 0));
        dlg.btnOK->click();
    });
    QString chosen;
    QVERIFY(dlg.Execute(chosen));
    QCOMPARE(chosen, all.last());

    // Moving the cursor past the rows read reads on.
    q.setParam(u"Pattern"_s, u"%"_s);
    q.open();
    QStringList walked;
    for (; !q.eof(); q.next())
        walked << q.field(u"AccountNo"_s).asString();
    QCOMPARE(walked, all);
    q.close();
    q.open();
    q.last();
    QCOMPARE(q.recordCount(), all.size());
    QCOMPARE(q.field(u"AccountNo"_s).asString(), all.last());
}

QTEST_MAIN(TestAccountSearch)
#include "tst_accountsearch.moc"
