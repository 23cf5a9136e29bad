// The panel data import on a real store: the options dialog, the file and
// password dialogs answered through the message interface, the rows written
// as one unit of work, and an imported zone text in a received alarm.
#include "accounts/panelimport.h"
#include "accounts/taccviewfrm.h"
#include "accounts/timportoptsfrm.h"
#include "pipeline/eventcatalogue.h"
#include "pipeline/eventprocessor.h"
#include "pipeline/receiverlink.h"
#include "store/database.h"
#include "core/events.h"
#include "store/tdmod.h"
#include "support/recordingmessages.h"
#include "support/tempstore.h"
#include "support/recordingsoundplayer.h"
#include "tools/panelfixture/panelfixture.h"
#include "tools/rxsim/rxsimulator.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace accounts;
using namespace Qt::StringLiterals;

namespace {

const QString kAccount = u"1234"_s;
const QString kFilter = u"Calvane Data File (*.cvd *.CVD)"_s;

// Saves a picture of the widget when QUORVEL_SCREENSHOT_DIR names a folder.
void screenshot(QWidget *w, const char *name)
{
    const QString dir = qEnvironmentVariable("QUORVEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    QVERIFY(w->grab().save(QDir(dir).filePath(QString::fromLatin1(name))));
}

// Answers the next import options dialog once it is open: changes the ticks,
// then presses OK or Cancel. Gives up (and the test fails) after 10 s.
void answerOptions(bool ok, std::function<void(TImportOptsFrm &)> tick = {})
{
    auto *timer = new QTimer;
    auto *waited = new QElapsedTimer;
    waited->start();
    QObject::connect(timer, &QTimer::timeout, [timer, waited, ok, tick] {
        auto *dialog = qobject_cast<TImportOptsFrm *>(QApplication::activeModalWidget());
        if (!dialog && waited->elapsed() < 10000)
            return;
        timer->stop();
        timer->deleteLater();
        delete waited;
        if (!dialog)
            return;
        if (tick)
            tick(*dialog);
        screenshot(dialog, "import-options.png");
        (ok ? dialog->btnOK() : dialog->btnCancel())->click();
    });
    timer->start(10);
}

// A model-7 account made through the record rules, as the account manager
// makes one, and a folder for panel data files.
struct Site
{
    explicit Site(int panelType = 7)
    {
        temp->setDefaultActionsSource(pipeline::CatalogueDefaultActions);
        store::Table &a = *temp->tbAccounts;
        a.insert();
        a.field(u"AccountNo"_s).setValue(kAccount);
        a.field(u"Name"_s).setValue(u"Warehouse"_s);
        a.field(u"PanelType"_s).setValue(panelType);
        a.post();
        a.locate(u"AccountNo"_s, kAccount);
    }
    store::TDMod &dm() { return temp.dm(); }

    QString write(const panelfixture::PairSpec &spec, const QString &name = u"site.cvd"_s,
                  const QString &cifName = {})
    {
        const QString cvd = files.filePath(name);
        QString cif = cifName.isEmpty() ? cvd.chopped(4) + u".cif"_s : files.filePath(cifName);
        if (!panelfixture::write(panelfixture::build(spec), cvd, cif))
            qFatal("cannot write the panel data files");
        return cvd;
    }
    // Every text of the account's rows, in stored order.
    QStringList texts()
    {
        QStringList out;
        for (const char *sql :
             {"SELECT ZoneID, ZoneText FROM Zones WHERE AccountNo = ? ORDER BY rowid",
              "SELECT AreaID, AreaText FROM Areas WHERE AccountNo = ? ORDER BY rowid",
              "SELECT UserID, UserText FROM Users WHERE AccountNo = ? ORDER BY rowid"}) {
            QSqlQuery q = dm().database().exec(QString::fromLatin1(sql), {kAccount});
            while (q.next())
                out << q.value(0).toString() + u'=' + q.value(1).toString();
        }
        return out;
    }
    QString text(const char *table, const char *idField, int id)
    {
        const QString field = QString::fromLatin1(table).chopped(1) + u"Text"_s;
        QSqlQuery q = dm().database().exec(
            u"SELECT %1 FROM %2 WHERE AccountNo = ? AND %3 = ?"_s.arg(
                field, QString::fromLatin1(table), QString::fromLatin1(idField)),
            {kAccount, id});
        return q.next() ? q.value(0).toString() : u"<no row>"_s;
    }
    // Presses the account manager's own "Import..." button on its tab, as an
    // operator with the right to edit records.
    void importThroughManager(int what)
    {
        store::CurrentOperator &op = dm().currentOperator;
        op.name = u"Smith"_s;
        op.EditRecords = true;
        TAccViewFrm manager(dm());
        manager.PageControl1->setCurrentIndex(TAccViewFrm::tsZones + what);
        QPushButton *button = manager.btnImport[static_cast<size_t>(what)];
        QVERIFY(button->isEnabled());
        button->click();
    }
    // Runs the import as the manager's button does; what: 0 zones, 1 areas, 2 users.
    bool import(int what, int panelType = 7)
    {
        return runPanelImport(dm(), kAccount, panelType, what);
    }

    TempStore temp;
    RecordingMessages messages;
    QTemporaryDir files;
};

panelfixture::PairSpec sterna640()
{
    panelfixture::PairSpec s;
    s.panelType = 7;
    s.versionText = "8.1";
    for (int i = 0; i < 640; ++i)
        s.zones << "Zone text " + QByteArray::number(i);
    s.zones[2] = "Warehouse Roller Shutter";
    for (int i = 0; i < 64; ++i)
        s.areas << "Area " + QByteArray::number(i);
    for (int i = 0; i < 500; ++i)
        s.users << "User " + QByteArray::number(i);
    return s;
}

// The main window's part: new-comms notifications go to the processor.
class Forwarder : public QObject
{
public:
    bool event(QEvent *e) override
    {
        if (e->type() != core::NewCommsEventType)
            return QObject::event(e);
        if (deliver)
            deliver(static_cast<core::RowEvent *>(e)->id());
        return true;
    }
    std::function<void(int)> deliver;
};

class QuietConsole : public pipeline::LinkConsole
{
public:
    void setStatusText(int, const QString &) override {}
    void RefreshStatusAndCounts() override {}
    void beep() override {}
};

} // namespace

class TestPanelImport : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void optionsDialog_data();
    void optionsDialog();
    void cifNames_data();
    void cifNames();

    void importedZoneTextReachesTheAlarm();
    void everyChosenKindIsWritten();
    void shiftedFileAsksForThePassword();
    void cancelAtEachStepChangesNothing_data();
    void cancelAtEachStepChangesNothing();
    void failureHalfwayChangesNothing();
    void rowBeingEditedIsNotOverwritten();
    void damagedFilesChangeNothing_data();
    void damagedFilesChangeNothing();
    void upperCaseNamesImport_data();
    void upperCaseNamesImport();
    void rowsAreFilledByPosition();

private:
    RecordingSoundPlayer m_sound;
};

void TestPanelImport::init()
{
    pipeline::SetSoundPlayer(&m_sound);
}

void TestPanelImport::cleanup()
{
    pipeline::SetSoundPlayer(nullptr);
}

void TestPanelImport::optionsDialog_data()
{
    QTest::addColumn<int>("what");
    QTest::addColumn<int>("panelType");
    QTest::addColumn<int>("ticked");
    QTest::addColumn<bool>("areaOffered");
    QTest::newRow("Zones button") << 0 << 0 << int(ImportZoneText) << false;
    QTest::newRow("Areas button, Sterna 412") << 1 << 0 << 0 << false;
    QTest::newRow("Areas button, Sterna 24") << 1 << 3 << 0 << false;
    QTest::newRow("Areas button, Sterna 48") << 1 << 4 << int(ImportAreaText) << true;
    QTest::newRow("Users button, Tavir 640") << 2 << 12 << int(ImportUserNames) << true;
}

void TestPanelImport::optionsDialog()
{
    QFETCH(int, what);
    QFETCH(int, panelType);
    QFETCH(int, ticked);
    QFETCH(bool, areaOffered);
    TImportOptsFrm frm(preselectedOptions(what, panelType), panelType);
    QCOMPARE(frm.windowTitle(), u"Import Options"_s);
    QCOMPARE(frm.options(), ticked);
    QCOMPARE(frm.cbAreaText()->isEnabled(), areaOffered);
    QCOMPARE(frm.btnOK()->isEnabled(), ticked != 0);
    if (what == 1 && panelType == 0) {
        frm.show();
        screenshot(&frm, "import-options-sterna412-areas.png");
    }
    // OK follows the ticks.
    frm.cbUserNames()->setChecked(true);
    QVERIFY(frm.btnOK()->isEnabled());
    frm.cbZoneText()->setChecked(false);
    frm.cbAreaText()->setChecked(false);
    frm.cbUserNames()->setChecked(false);
    QVERIFY(!frm.btnOK()->isEnabled());
    for (const char *name :
         {"gbOptions", "cbZoneText", "cbAreaText", "cbUserNames", "btnOK", "btnCancel"})
        QVERIFY2(frm.findChild<QWidget *>(QString::fromLatin1(name)), name);
}

void TestPanelImport::cifNames_data()
{
    QTest::addColumn<QString>("cvd");
    QTest::addColumn<QStringList>("candidates");
    QTest::addColumn<QString>("shown");
    QTest::newRow("lower case") << u"/d/site.cvd"_s
                                << QStringList{u"/d/site.cif"_s, u"/d/site.CIF"_s} << u"/d/site"_s;
    QTest::newRow("upper case") << u"/d/SITE.CVD"_s
                                << QStringList{u"/d/SITE.CIF"_s, u"/d/SITE.cif"_s} << u"/d/SITE"_s;
    QTest::newRow("mixed case") << u"/d/Site.Cvd"_s
                                << QStringList{u"/d/Site.Cif"_s, u"/d/Site.cif"_s, u"/d/Site.CIF"_s}
                                << u"/d/Site"_s;
    QTest::newRow(".cvd in a folder name")
        << u"/d/old.cvd.files/site.cvd"_s
        << QStringList{u"/d/old.cvd.files/site.cif"_s, u"/d/old.cvd.files/site.CIF"_s}
        << u"/d/old.cvd.files/site"_s;
}

void TestPanelImport::cifNames()
{
    QFETCH(QString, cvd);
    QFETCH(QStringList, candidates);
    QFETCH(QString, shown);
    const CifNames names = cifNamesFor(cvd);
    QCOMPARE(names.candidates, candidates);
    QCOMPARE(names.shown, shown);
}

void TestPanelImport::importedZoneTextReachesTheAlarm()
{
    Site site;
    site.messages.fileAnswers << site.write(sterna640());
    answerOptions(true);
    site.importThroughManager(0);
    QCOMPARE(site.messages.fileFilters, QStringList{kFilter});
    QCOMPARE(site.messages.all(), QStringList());
    QCOMPARE(site.text("Zones", "ZoneID", 3), u"Warehouse Roller Shutter"_s);
    QCOMPARE(site.text("Zones", "ZoneID", 640), u"Zone text 639 "_s);
    QCOMPARE(site.text("Areas", "AreaID", 1), QString()); // only zones were chosen
    // The manager's grid shows the new texts from its first row.
    QCOMPARE(site.dm().tbZones->recNo(), 0);
    QCOMPARE(site.dm().tbZones->recordCount(), 640);
    site.dm().tbZones->moveTo(2);
    QCOMPARE(site.dm().tbZones->field(u"ZoneText"_s).asString(), u"Warehouse Roller Shutter"_s);

    // A burglary on zone 3, from the receiver simulator over TCP.
    Forwarder forwarder;
    QuietConsole console;
    pipeline::EventProcessor processor(site.dm());
    site.dm().setNotifyTarget(&forwarder);
    forwarder.deliver = [&processor](int id) { processor.OnWM_NewCommsData(id); };
    pipeline::ReceiverLink link(site.dm(), console);
    QVERIFY(link.open(u"0"_s));
    rxsim::SimulatorOptions options;
    options.port = link.serverPort();
    options.maxRepeats = 0;
    options.ackTimeoutMs = 20000;
    rxsim::RxSimulator simulator(options, {QByteArrayLiteral("5011 181234E13001003")});
    QVERIFY(simulator.run().allAcknowledged());
    QString description;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            QSqlQuery q = site.dm().database().exec(u"SELECT EventDesc FROM Pending"_s);
            description = q.next() ? q.value(0).toString() : QString();
            return !description.isEmpty();
        }(),
        10000);
    QVERIFY2(description.contains(u"Zone 003 (Warehouse Roller Shutter)"_s),
             qPrintable(description));
}

void TestPanelImport::everyChosenKindIsWritten()
{
    Site site;
    site.messages.fileAnswers << site.write(sterna640());
    answerOptions(true, [](TImportOptsFrm &f) {
        f.cbAreaText()->setChecked(true);
        f.cbUserNames()->setChecked(true);
    });
    QVERIFY(site.import(0));
    QCOMPARE(site.text("Zones", "ZoneID", 1), u"Zone text 0 "_s);
    QCOMPARE(site.text("Areas", "AreaID", 64), u"Area 63"_s);
    QCOMPARE(site.text("Users", "UserID", 0), u"User 0"_s);
    QCOMPARE(site.text("Users", "UserID", 499), u"User 499"_s);
}

void TestPanelImport::shiftedFileAsksForThePassword()
{
    Site site(3);
    panelfixture::PairSpec spec;
    spec.panelType = 3;
    spec.versionText = "7.1";
    spec.shifted = true;
    spec.key = 3;
    spec.password = "Kiosk";
    spec.users = {"Owner"};
    site.messages.fileAnswers << site.write(spec);
    site.messages.inputAnswers << u"Kiosk"_s;
    answerOptions(true);
    QVERIFY(site.import(2, 3));
    QCOMPARE(site.messages.questions, QStringList{u"Enter Password:"_s});
    QCOMPARE(site.text("Users", "UserID", 0), u"Owner"_s);

    // A wrong password is refused and leaves the names as they are.
    spec.users = {"Intruder"};
    site.messages.fileAnswers << site.write(spec);
    site.messages.inputAnswers << u"kiosk"_s;
    answerOptions(true);
    QVERIFY(!site.import(2, 3));
    QCOMPARE(site.messages.errors,
             QStringList{u"Invalid file password - Please enter the correct password!"_s});
    QCOMPARE(site.text("Users", "UserID", 0), u"Owner"_s);
}

void TestPanelImport::cancelAtEachStepChangesNothing_data()
{
    QTest::addColumn<int>("step"); // 0 options, 1 file dialog, 2 password
    QTest::addColumn<QStringList>("errors");
    QTest::newRow("options dialog") << 0 << QStringList();
    QTest::newRow("file dialog") << 1 << QStringList();
    QTest::newRow("password") << 2
                              << QStringList{u"Panel version information not found.\r\rPlease try "
                                             "connecting the panel with Progal and reading back "
                                             "the data.\r\nThis will correct the version number "
                                             "information."_s};
}

void TestPanelImport::cancelAtEachStepChangesNothing()
{
    QFETCH(int, step);
    QFETCH(QStringList, errors);
    Site site;
    const QStringList before = site.texts();
    panelfixture::PairSpec spec = sterna640();
    spec.shifted = true;
    spec.password = "pw";
    if (step > 1)
        site.messages.fileAnswers << site.write(spec);
    answerOptions(step > 0);
    QVERIFY(!site.import(0));
    QCOMPARE(site.messages.fileFilters.size(), step > 0 ? 1 : 0);
    QCOMPARE(site.messages.questions.size(), step > 1 ? 1 : 0);
    QCOMPARE(site.messages.errors, errors);
    QCOMPARE(site.texts(), before);
}

void TestPanelImport::failureHalfwayChangesNothing()
{
    Site site;
    site.messages.fileAnswers << site.write(sterna640());
    // The store fails on the 250th user, after every zone and area was written.
    site.dm().database().exec(
        u"CREATE TEMP TRIGGER fail_halfway BEFORE UPDATE OF UserText ON Users "
        "WHEN NEW.UserID = 250 BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END"_s);
    const QStringList before = site.texts();
    answerOptions(true, [](TImportOptsFrm &f) {
        f.cbAreaText()->setChecked(true);
        f.cbUserNames()->setChecked(true);
    });
    QVERIFY(!site.import(0));
    QCOMPARE(site.messages.errors.size(), 1);
    QVERIFY2(site.messages.errors[0].contains(u"disk I/O error"_s),
             qPrintable(site.messages.errors[0]));
    QCOMPARE(site.texts(), before);
    QVERIFY(!site.dm().database().inTransaction());

    // Once the store works again the same file imports whole.
    site.dm().database().exec(u"DROP TRIGGER fail_halfway"_s);
    site.messages.clear();
    site.messages.fileAnswers << site.files.filePath(u"site.cvd"_s);
    answerOptions(true, [](TImportOptsFrm &f) { f.cbUserNames()->setChecked(true); });
    QVERIFY(site.import(0));
    QCOMPARE(site.text("Users", "UserID", 250), u"User 250"_s);
}

void TestPanelImport::rowBeingEditedIsNotOverwritten()
{
    Site site;
    store::Table &zones = *site.dm().tbZones;
    zones.moveTo(4);
    zones.edit();
    zones.field(u"ZoneText"_s).setValue(u"Typed by the operator"_s);
    const QStringList before = site.texts();
    site.messages.fileAnswers << site.write(sterna640());
    answerOptions(true);
    QVERIFY(!site.import(0));
    QCOMPARE(site.messages.errors, QStringList{u"Record locked by another user."_s});
    QCOMPARE(site.texts(), before);
    zones.post();
    QCOMPARE(site.text("Zones", "ZoneID", 5), u"Typed by the operator"_s);
}

void TestPanelImport::damagedFilesChangeNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("error"); // %1: the folder of the files
    QTest::newRow("header fails its check")
        << u"bad header"_s
        << u"Data File Error - The panel data file is damaged: its header check failed.\r\n"
           "No texts were imported."_s;
    QTest::newRow("image cut short") << u"cut"_s
                                     << u"Data File Error - The panel data file is incomplete or "
                                        "damaged.\r\nNo texts were imported."_s;
    QTest::newRow("zero-length file") << u"empty"_s
                                      << u"%1/site.cvd is empty, so it holds no panel data.\r\n"
                                         "No texts were imported."_s;
    QTest::newRow("over 16 MiB") << u"huge"_s
                                 << u"%1/site.cvd is too large to be a panel data file.\r\n"
                                    "No texts were imported."_s;
    QTest::newRow("a folder") << u"folder"_s
                              << u"%1/site.cvd is a folder, not a panel data file."_s;
    QTest::newRow("no such file") << u"missing"_s << u"File type not supported"_s;
    QTest::newRow("no customer information file")
        << u"no cif"_s
        << u"Cannot open Customer Information file for reading the panel version.\r\nPlease "
           "check that %1/site.cif file exists."_s;
    QTest::newRow("wrong panel type")
        << u"type"_s << u"Data File Error - Check panel type is correct"_s;
}

void TestPanelImport::damagedFilesChangeNothing()
{
    QFETCH(QString, kind);
    QFETCH(QString, error);
    Site site;
    const QStringList before = site.texts();
    panelfixture::PairSpec spec = sterna640();
    spec.headerValid = kind != u"bad header"_s;
    spec.cvdCut = kind == u"cut"_s ? 100 : 0;
    if (kind == u"type"_s)
        spec.panelType = 6;
    const QString cvd = site.files.filePath(u"site.cvd"_s);
    if (kind != u"missing"_s && kind != u"folder"_s)
        site.write(spec);
    if (kind == u"empty"_s || kind == u"huge"_s) {
        QFile f(cvd);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        if (kind == u"huge"_s)
            QVERIFY(f.resize(kMaxPanelFileBytes + 1));
    }
    if (kind == u"folder"_s)
        QVERIFY(QDir().mkpath(cvd));
    if (kind == u"no cif"_s)
        QVERIFY(QFile::remove(site.files.filePath(u"site.cif"_s)));
    site.messages.fileAnswers << cvd;
    answerOptions(true);
    QVERIFY(!site.import(0));
    if (error.contains(u"%1"_s))
        error = error.arg(site.files.path());
    QCOMPARE(site.messages.errors, QStringList{error});
    QCOMPARE(site.texts(), before);
}

void TestPanelImport::upperCaseNamesImport_data()
{
    QTest::addColumn<QString>("cvd");
    QTest::addColumn<QString>("cif");
    QTest::newRow("SITE.CVD with SITE.CIF") << u"SITE.CVD"_s << u"SITE.CIF"_s;
    QTest::newRow("SITE.CVD with SITE.cif") << u"SITE.CVD"_s << u"SITE.cif"_s;
    QTest::newRow("site.cvd with site.CIF") << u"site.cvd"_s << u"site.CIF"_s;
}

void TestPanelImport::upperCaseNamesImport()
{
    QFETCH(QString, cvd);
    QFETCH(QString, cif);
    Site site;
    site.messages.fileAnswers << site.write(sterna640(), cvd, cif);
    answerOptions(true);
    QVERIFY(site.import(0));
    QCOMPARE(site.messages.errors, QStringList());
    QCOMPARE(site.text("Zones", "ZoneID", 3), u"Warehouse Roller Shutter"_s);
}

void TestPanelImport::rowsAreFilledByPosition()
{
    Site site;
    site.dm().database().exec(u"DELETE FROM Zones WHERE AccountNo = ? AND ZoneID IN (1, 2)"_s,
                              {kAccount});
    site.messages.fileAnswers << site.write(sterna640());
    answerOptions(true);
    QVERIFY(site.import(0));
    // The first remaining row takes entry 0, whatever its zone number.
    QCOMPARE(site.text("Zones", "ZoneID", 3), u"Zone text 0 "_s);
    QCOMPARE(site.text("Zones", "ZoneID", 640), u"Zone text 637 "_s);
}

QTEST_MAIN(TestPanelImport)
#include "tst_panelimport.moc"
