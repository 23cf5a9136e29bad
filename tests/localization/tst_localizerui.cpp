// The localizer on the real console, offscreen: the Language menu, a switch
// that translates the open main window and an open dialog at once, windows
// opened later, the date formats, and a restart in the chosen language.
#include "support/langfixture.h"

#include "support/stationfixture.h"

#include "console/aboutbox.h"
#include "console/operatorsession.h"
#include "console/pendingpanel.h"
#include "console/tmainfrm.h"
#include "station/station.h"
#include "localization/localizer.h"
#include "localization/texts.h"
#include "localization/ui/localizerui.h"
#include "reports/datefield.h"
#include "reports/thistoryfrm.h"
#include "store/tdmod.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

using console::TMainFrm;

// A window of the program's kind: its texts are stored under "SampleFrm".
class TSampleFrm : public QDialog
{
    Q_OBJECT
public:
    TSampleFrm()
    {
        setWindowTitle(QStringLiteral("Sample"));
        auto *layout = new QVBoxLayout(this);
        auto *panel = new QWidget(this);
        panel->setObjectName(QStringLiteral("Panel1"));
        layout->addWidget(panel);
        lbName = new QLabel(QStringLiteral("Name:"), panel);
        lbName->setObjectName(QStringLiteral("lbName"));
        lbName->setToolTip(QStringLiteral("Customer name"));
        lbState = new QLabel(QStringLiteral("Online"), panel);
        lbState->setObjectName(QStringLiteral("lbState"));
        cbKind = new QComboBox(this);
        cbKind->setObjectName(QStringLiteral("cbKind"));
        cbKind->addItems({QStringLiteral("Zone"), QStringLiteral("Area")});
        grid = new QTableView(this);
        grid->setObjectName(QStringLiteral("DBGrid1"));
        auto *model = new QStandardItemModel(0, 2, grid);
        model->setHorizontalHeaderLabels({QStringLiteral("Date"), QStringLiteral("Text")});
        grid->setModel(model);
        auto *inner = new QVBoxLayout(panel);
        inner->addWidget(lbName);
        inner->addWidget(lbState);
        layout->addWidget(cbKind);
        layout->addWidget(grid);
    }
    QLabel *lbName, *lbState;
    QComboBox *cbKind;
    QTableView *grid;
};

class TstLocalizerUi : public QObject
{
    Q_OBJECT

private slots:
    void windowDefinitionsApplyByName();
    void switchTranslatesOpenWindowsAtOnce();
    void restartComesUpInTheChosenLanguage();

private:
    // A localizer on the station's program folder with the sample translation.
    std::unique_ptr<loc::TLocalizer> localizer(StationFixture &s, QStringList *errors);
};

namespace {

QStringList menuItems(QMenu *menu, QList<bool> *ticks)
{
    QStringList items;
    for (QAction *a : menu->actions()) {
        items << a->text();
        ticks->append(a->isChecked());
    }
    return items;
}

QAction *languageItem(TMainFrm &w, const QString &name)
{
    for (QAction *a : w.session().mnuSetupLanguage->actions())
        if (a->text() == name)
            return a;
    return nullptr;
}

QString header(QTableView *view, int column)
{
    return view->model()->headerData(column, Qt::Horizontal).toString();
}

const QDateTime kMoment(QDate(2013, 3, 7), QTime(14, 5, 9));

} // namespace

void TstLocalizerUi::windowDefinitionsApplyByName()
{
    // The stored texts of the window, English and Hungarian.
    loc::TLocStorage store;
    store.addColumn(9);
    const int hu = store.addColumn(1038);
    loc::TLocForm &form = store.addForm(QStringLiteral("SampleFrm"));
    quint32 id = 0;
    auto add = [&](loc::TLocPropertyOwner &owner, const QString &path, loc::TLocValueType type,
                   const QString &en, const QString &magyar, quint16 attributes = 0) {
        loc::TLocProperty &p = store.addProperty(owner, path, ++id, type);
        p.valueRef(0) = {en, 1, attributes, {}, 9, true};
        p.valueRef(hu) = {magyar, 1, attributes, {}, 1038, true};
    };
    auto component = [&](const char *name) -> loc::TLocComponent & {
        return store.addComponent(form, QString::fromLatin1(name));
    };
    using T = loc::TLocValueType;
    add(form, QStringLiteral("Caption"), T::Text, QStringLiteral("Sample"), QStringLiteral("Minta"));
    add(component("lbName"), QStringLiteral("Caption"), T::Text, QStringLiteral("Name:"), QStringLiteral("Név:"));
    add(component("lbState"), QStringLiteral("Caption"), T::Text, QStringLiteral("Offline"), QStringLiteral("Nem elérhető"));
    add(component("Panel1.lbName"), QStringLiteral("Hint"), T::Text, QStringLiteral("Customer name"),
        QStringLiteral("Az ügyfél neve"));
    add(component("lbName"), QStringLiteral("NoSuchProperty"), T::Text, QStringLiteral("x"), QStringLiteral("y"));
    add(component("lbMissing"), QStringLiteral("Caption"), T::Text, QStringLiteral("x"), QStringLiteral("y"));
    add(component("cbKind"), QStringLiteral("Items.Strings"), T::Lines, QStringLiteral("Zone\r\nArea"),
        QStringLiteral("Zóna\r\nTerület"));
    add(component("DBGrid1.Columns[1]"), QStringLiteral("Title.Caption"), T::Text, QStringLiteral("Text"),
        QStringLiteral("Szöveg"));
    add(component("DBGrid1.Columns[7]"), QStringLiteral("Title.Caption"), T::Text, QStringLiteral("Gone"),
        QStringLiteral("Nincs"));
    add(component("lbName"), QStringLiteral("Enabled"), T::Integer, QStringLiteral("1"), QStringLiteral("0"),
        loc::ValueNotApplied);

    const loc::TResModule module = loc::TResModule::generate(store, hu, false);
    TSampleFrm w;
    loc::ui::translateWindow(&w, module, store);
    QCOMPARE(w.windowTitle(), QStringLiteral("Minta"));
    QCOMPARE(w.lbName->text(), QStringLiteral("Név:"));
    QCOMPARE(w.lbName->toolTip(), QStringLiteral("Az ügyfél neve")); // found through its panel
    QCOMPARE(w.lbState->text(), QStringLiteral("Online")); // set at run time: left alone
    QCOMPARE(w.cbKind->itemText(0), QStringLiteral("Zóna"));
    QCOMPARE(w.cbKind->itemText(1), QStringLiteral("Terület"));
    QCOMPARE(header(w.grid, 0), QStringLiteral("Date"));
    QCOMPARE(header(w.grid, 1), QStringLiteral("Szöveg"));
    QVERIFY(w.lbName->isEnabled()); // marked never to be applied

    // And back: each text is recognised in the language it shows.
    loc::ui::translateWindow(&w, loc::TResModule::generate(store, 0, false), store);
    QCOMPARE(w.windowTitle(), QStringLiteral("Sample"));
    QCOMPARE(w.lbName->text(), QStringLiteral("Name:"));
    QCOMPARE(w.cbKind->itemText(1), QStringLiteral("Area"));
    QCOMPARE(header(w.grid, 1), QStringLiteral("Text"));
}

std::unique_ptr<loc::TLocalizer> TstLocalizerUi::localizer(StationFixture &s, QStringList *errors)
{
    langtest::writeFile(QDir(s.programFolder()).filePath(QStringLiteral("quorvel-monitor.HUN.lng")),
                        langtest::hungarianFile(langtest::sampleHungarian()));
    auto l = langtest::makeLocalizer(s.programFolder(), s.settingsPath());
    loc::ui::attach(*l);
    l->reportError = [errors](const QString &m) { errors->append(m); };
    l->Initialize();
    return l;
}

void TstLocalizerUi::switchTranslatesOpenWindowsAtOnce()
{
    StationFixture s;
    QStringList errors;
    auto l = localizer(s, &errors);
    TMainFrm &w = s.start();
    s.driver.cancel(); // the log-on offered at the first activation
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(l->storedChoice(), QStringLiteral("EXE"));

    QList<bool> ticks;
    QCOMPARE(menuItems(w.session().mnuSetupLanguage, &ticks), (QStringList{QStringLiteral("English"), QStringLiteral("Hungarian")}));
    QCOMPARE(ticks, (QList<bool>{true, false}));

    // Stored data: a pending event as the processor wrote it.
    store::Table &pending = *s.dm().tbPending;
    pending.insert();
    pending.field(QStringLiteral("AccNo")).setValue(QStringLiteral("1234"));
    pending.field(QStringLiteral("Priority")).setValue(1);
    pending.field(QStringLiteral("DateTime")).setValue(kMoment);
    pending.field(QStringLiteral("EventDesc")).setValue(QStringLiteral("Burglary - Zone 3 Notes"));
    pending.post();
    const QModelIndex row = w.pending().DBGrid1->model()->index(0, 2);
    const QString storedText = row.data().toString();
    QVERIFY(storedText.contains(QStringLiteral("Burglary")));

    // A dialog open beside the main window.
    reports::THistoryFrm history(s.dm());
    history.show();
    QVERIFY(QTest::qWaitForWindowExposed(&history));
    auto *close = history.findChild<QPushButton *>(QStringLiteral("btnClose"));
    auto *filter = history.findChild<QWidget *>(QStringLiteral("cbFilterEvents"));
    auto *start = history.findChild<reports::DateField *>(QStringLiteral("dpStart"));
    QVERIFY(close && filter && start);
    QCOMPARE(close->text(), QStringLiteral("Close"));
    start->setDate(kMoment.date());
    const auto shownDate = [start] { return start->findChild<QLineEdit *>()->text(); };
    QCOMPARE(shownDate(), QStringLiteral("3/7/2013"));

    QSignalSpy switched(l.get(), &loc::TLocalizer::languageSwitched);
    QElapsedTimer took;
    took.start();
    languageItem(w, QStringLiteral("Hungarian"))->trigger();
    QVERIFY2(took.elapsed() < 5000, "the switch finishes before the next event");
    QCOMPARE(errors, QStringList());
    QCOMPARE(switched.size(), 1);

    // The open main window: menus, tabs, buttons, status text and grid titles.
    QCOMPARE(w.session().mnuOperator->title(), QStringLiteral("Kezelő"));
    QCOMPARE(w.session().mnuSetup->title(), QStringLiteral("Beállítások"));
    QCOMPARE(w.session().mnuSetupLanguage->title(), QStringLiteral("Nyelv"));
    QCOMPARE(w.session().About1->text(), QStringLiteral("Névjegy"));
    QCOMPARE(w.pending().btnSilence->text(), QStringLiteral("Némítás"));
    QCOMPARE(w.pending().PgControl->tabText(1), QStringLiteral("Megjegyzések"));
    QCOMPARE(header(w.pending().DBGrid1, 0), QStringLiteral("Dátum és idő"));
    QCOMPARE(w.statusText(0), QStringLiteral("Állapot: figyelés..."));
    // The open dialog.
    QCOMPARE(close->text(), QStringLiteral("Bezárás"));
    QCOMPARE(filter->property("text").toString(), QStringLiteral("Csak ezek az eseménytípusok:"));
    // Stored texts stay as stored.
    QCOMPARE(row.data().toString(), storedText);
    // The module, the choice and the tick.
    QVERIFY(QFile::exists(QDir(s.programFolder()).filePath(QStringLiteral("quorvel-monitor.HUN"))));
    QCOMPARE(l->storedChoice(), QStringLiteral("HUN"));
    ticks.clear();
    menuItems(w.session().mnuSetupLanguage, &ticks);
    QCOMPARE(ticks, (QList<bool>{false, true}));
    // Hungarian dates, year first, in the open viewer too, with its date kept.
    QCOMPARE(w.station().dateFormats().shortDate, QStringLiteral("yyyy/MM/dd"));
    QCOMPARE(shownDate(), QStringLiteral("2013/03/07"));
    QCOMPARE(start->date(), kMoment.date());
    QCOMPARE(station::DateFormats::format(kMoment, w.station().dateFormats().eventFormat),
             QStringLiteral("2013/03/07 - 14:05.09"));
    QCOMPARE(station::DateFormats::format(kMoment, w.station().dateFormats().stampFormat),
             QStringLiteral("2013/03/07 2:05:09 pm"));

    // A window opened after the switch.
    console::TAboutBox about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(about.windowTitle(), QStringLiteral("Névjegy"));
    about.close();

    // The ticked item again: nothing happens.
    languageItem(w, QStringLiteral("Hungarian"))->trigger();
    QCOMPARE(switched.size(), 1);
    QCOMPARE(l->modulesGenerated(), 1);

    // And back to English.
    languageItem(w, QStringLiteral("English"))->trigger();
    QCOMPARE(switched.size(), 2);
    QCOMPARE(l->storedChoice(), QStringLiteral("EXE"));
    QCOMPARE(w.session().mnuOperator->title(), QStringLiteral("Operator"));
    QCOMPARE(w.pending().PgControl->tabText(1), QStringLiteral("Notes"));
    QCOMPARE(header(w.pending().DBGrid1, 0), QStringLiteral("Date & Time"));
    QCOMPARE(close->text(), QStringLiteral("Close"));
    QCOMPARE(shownDate(), QStringLiteral("3/7/2013"));
    QCOMPARE(station::DateFormats::format(kMoment, w.station().dateFormats().eventFormat),
             QStringLiteral("7-Mar-13 - 14:05.09"));
    ticks.clear();
    menuItems(w.session().mnuSetupLanguage, &ticks);
    QCOMPARE(ticks, (QList<bool>{true, false}));
    history.close();
    s.stop();
}

void TstLocalizerUi::restartComesUpInTheChosenLanguage()
{
    StationFixture s;
    QStringList errors;
    {
        auto l = localizer(s, &errors);
        QVERIFY(l->SwitchLanguage(1038));
    }
    auto l = localizer(s, &errors);
    QCOMPARE(l->modulesGenerated(), 0); // in step: used as it is
    TMainFrm &w = s.start();
    s.driver.cancel(); // the log-on offered at the first activation
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(errors, QStringList());
    QCOMPARE(w.session().mnuSetupLanguage->title(), QStringLiteral("Nyelv"));
    QCOMPARE(w.pending().PgControl->tabText(1), QStringLiteral("Megjegyzések"));
    QCOMPARE(header(w.pending().DBGrid1, 0), QStringLiteral("Dátum és idő"));
    QCOMPARE(station::DateFormats::format(kMoment, w.station().dateFormats().eventFormat),
             QStringLiteral("2013/03/07 - 14:05.09"));
    QList<bool> ticks;
    menuItems(w.session().mnuSetupLanguage, &ticks);
    QCOMPARE(ticks, (QList<bool>{false, true}));
    s.stop();
}

QTEST_MAIN(TstLocalizerUi)
#include "tst_localizerui.moc"
