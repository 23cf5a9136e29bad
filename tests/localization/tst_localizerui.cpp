// The localizer on the real console, offscreen: the Language menu, a switch
// that translates the open main window and an open dialog at once, windows
// opened later, the date formats, and a restart in the chosen language.
#include "support/langfixture.h"

#include "support/stationfixture.h"

#include "console/aboutbox.h"
#include "console/tmainfrm.h"
#include "localization/localizer.h"
#include "localization/texts.h"
#include "localization/ui/localizerui.h"
#include "reports/thistoryfrm.h"
#include "store/tdmod.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

using console::TMainFrm;

class TstLocalizerUi : public QObject
{
    Q_OBJECT

private slots:
    void switchTranslatesOpenWindowsAtOnce();
    void restartComesUpInTheChosenLanguage();

private:
    // A localizer on the station's program folder with the sample translation.
    std::unique_ptr<loc::TLocalizer> localizer(Station &s, QStringList *errors);
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
    for (QAction *a : w.mnuSetupLanguage->actions())
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

std::unique_ptr<loc::TLocalizer> TstLocalizerUi::localizer(Station &s, QStringList *errors)
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
    Station s;
    QStringList errors;
    auto l = localizer(s, &errors);
    TMainFrm &w = s.start();
    s.driver.cancel(); // the log-on offered at the first activation
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(l->storedChoice(), QStringLiteral("EXE"));

    QList<bool> ticks;
    QCOMPARE(menuItems(w.mnuSetupLanguage, &ticks), (QStringList{QStringLiteral("English"), QStringLiteral("Hungarian")}));
    QCOMPARE(ticks, (QList<bool>{true, false}));

    // Stored data: a pending event as the processor wrote it.
    store::Table &pending = *s.dm().tbPending;
    pending.insert();
    pending.field(QStringLiteral("AccNo")).setValue(QStringLiteral("1234"));
    pending.field(QStringLiteral("Priority")).setValue(1);
    pending.field(QStringLiteral("DateTime")).setValue(kMoment);
    pending.field(QStringLiteral("EventDesc")).setValue(QStringLiteral("Burglary - Zone 3 Notes"));
    pending.post();
    const QModelIndex row = w.DBGrid1->model()->index(0, 2);
    const QString storedText = row.data().toString();
    QVERIFY(storedText.contains(QStringLiteral("Burglary")));

    // A dialog open beside the main window.
    reports::THistoryFrm history(s.dm());
    history.show();
    QVERIFY(QTest::qWaitForWindowExposed(&history));
    auto *close = history.findChild<QPushButton *>(QStringLiteral("btnClose"));
    auto *filter = history.findChild<QWidget *>(QStringLiteral("cbFilterEvents"));
    QVERIFY(close && filter);
    QCOMPARE(close->text(), QStringLiteral("Close"));

    QSignalSpy switched(l.get(), &loc::TLocalizer::languageSwitched);
    QElapsedTimer took;
    took.start();
    languageItem(w, QStringLiteral("Hungarian"))->trigger();
    QVERIFY2(took.elapsed() < 5000, "the switch finishes before the next event");
    QCOMPARE(errors, QStringList());
    QCOMPARE(switched.size(), 1);

    // The open main window: menus, tabs, buttons, status text and grid titles.
    QCOMPARE(w.mnuOperator->title(), QStringLiteral("Kezelő"));
    QCOMPARE(w.mnuSetup->title(), QStringLiteral("Beállítások"));
    QCOMPARE(w.mnuSetupLanguage->title(), QStringLiteral("Nyelv"));
    QCOMPARE(w.About1->text(), QStringLiteral("Névjegy"));
    QCOMPARE(w.btnSilence->text(), QStringLiteral("Némítás"));
    QCOMPARE(w.PgControl->tabText(1), QStringLiteral("Megjegyzések"));
    QCOMPARE(header(w.DBGrid1, 0), QStringLiteral("Dátum és idő"));
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
    menuItems(w.mnuSetupLanguage, &ticks);
    QCOMPARE(ticks, (QList<bool>{false, true}));
    // Hungarian dates, year first.
    QCOMPARE(w.dateFormats().shortDate, QStringLiteral("yyyy/MM/dd"));
    QCOMPARE(console::DateFormats::format(kMoment, w.dateFormats().eventFormat),
             QStringLiteral("2013/03/07 - 14:05.09"));
    QCOMPARE(console::DateFormats::format(kMoment, w.dateFormats().stampFormat),
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
    QCOMPARE(w.mnuOperator->title(), QStringLiteral("Operator"));
    QCOMPARE(w.PgControl->tabText(1), QStringLiteral("Notes"));
    QCOMPARE(header(w.DBGrid1, 0), QStringLiteral("Date & Time"));
    QCOMPARE(close->text(), QStringLiteral("Close"));
    QCOMPARE(console::DateFormats::format(kMoment, w.dateFormats().eventFormat),
             QStringLiteral("7-Mar-13 - 14:05.09"));
    ticks.clear();
    menuItems(w.mnuSetupLanguage, &ticks);
    QCOMPARE(ticks, (QList<bool>{true, false}));
    history.close();
    s.stop();
}

void TstLocalizerUi::restartComesUpInTheChosenLanguage()
{
    Station s;
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
    QCOMPARE(w.mnuSetupLanguage->title(), QStringLiteral("Nyelv"));
    QCOMPARE(w.PgControl->tabText(1), QStringLiteral("Megjegyzések"));
    QCOMPARE(header(w.DBGrid1, 0), QStringLiteral("Dátum és idő"));
    QCOMPARE(console::DateFormats::format(kMoment, w.dateFormats().eventFormat),
             QStringLiteral("2013/03/07 - 14:05.09"));
    QList<bool> ticks;
    menuItems(w.mnuSetupLanguage, &ticks);
    QCOMPARE(ticks, (QList<bool>{false, true}));
    s.stop();
}

QTEST_MAIN(TstLocalizerUi)
#include "tst_localizerui.moc"
