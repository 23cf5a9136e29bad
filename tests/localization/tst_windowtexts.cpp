// Every window takes new texts from a language change: the fixed ones and
// the ones it assembles from data.
#include "accounts/accountsearch.h"
#include "accounts/taccviewfrm.h"
#include "accounts/timportoptsfrm.h"
#include "console/aboutbox.h"
#include "console/logon.h"
#include "console/operatorsfrm.h"
#include "localization/format.h"
#include "localization/texts.h"
#include "mail/ui/tcommsfrm.h"
#include "mail/ui/tcomsetupfrm.h"
#include "mail/ui/tfrmemaildata.h"
#include "pipeline/eventcatalogue.h"
#include "reports/accountreport.h"
#include "reports/reportpreview.h"
#include "reports/thistoryfrm.h"
#include "reports/thistreportfrm.h"
#include "reports/treportoptions.h"
#include "support/tempstore.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString kDateTime = u"dd/MM/yyyy hh:mm:ss"_s;

// The English texts looked up while the observer is on.
QSet<QString> &seen()
{
    static QSet<QString> texts;
    return texts;
}

// A made-up language: every text between guillemets, places kept.
QString translated(const QString &english)
{
    return u"\u00ab"_s + english + u"\u00bb"_s;
}

void switchLanguage(QWidget *window, const QSet<QString> &texts)
{
    auto table = std::make_shared<loc::TextTable>();
    for (const QString &t : texts)
        table->insert(t, translated(t));
    loc::setTextTable(table);
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(window, &change);
}

// Every text a person can read in the window, by the widget that shows it.
QList<std::pair<QString, QString>> shownTexts(QWidget *window)
{
    QList<std::pair<QString, QString>> shown;
    auto add = [&shown](const QObject *o, const QString &text) {
        if (!text.isEmpty())
            shown.append({o->objectName(), text});
    };
    add(window, window->windowTitle());
    const QList<QObject *> children = window->findChildren<QObject *>();
    for (const QObject *o : children) {
        if (const auto *a = qobject_cast<const QAction *>(o)) {
            add(o, a->text());
            add(o, a->toolTip());
            continue;
        }
        const auto *w = qobject_cast<const QWidget *>(o);
        if (!w || qobject_cast<const QHeaderView *>(w))
            continue;
        add(o, w->toolTip());
        if (const auto *l = qobject_cast<const QLabel *>(w))
            add(o, l->text());
        else if (const auto *b = qobject_cast<const QAbstractButton *>(w))
            add(o, b->text());
        else if (const auto *g = qobject_cast<const QGroupBox *>(w))
            add(o, g->title());
        if (const auto *box = qobject_cast<const QComboBox *>(w)) {
            for (int i = 0; i < box->count(); ++i)
                add(o, box->itemText(i));
        } else if (const auto *list = qobject_cast<const QListWidget *>(w)) {
            for (int i = 0; i < list->count(); ++i)
                add(o, list->item(i)->text());
        } else if (const auto *tabs = qobject_cast<const QTabWidget *>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(o, tabs->tabText(i));
        } else if (const auto *view = qobject_cast<const QAbstractItemView *>(w)) {
            if (const QAbstractItemModel *model = view->model())
                for (int i = 0; i < model->columnCount(); ++i)
                    add(o, model->headerData(i, Qt::Horizontal).toString());
        }
    }
    return shown;
}

class Fixture : public TempStore
{
public:
    Fixture()
    {
        dm().setDefaultActionsSource(pipeline::CatalogueDefaultActions);
        store::Table &a = *dm().tbAccounts;
        a.insert();
        a.field(u"AccountNo"_s).setValue(u"0042"_s);
        a.field(u"Name"_s).setValue(u"Corner Shop"_s);
        a.field(u"PanelType"_s).setValue(3);
        a.post();
        a.first();
        store::CurrentOperator &op = dm().currentOperator;
        op.name = u"Anna"_s;
        op.EditRecords = op.AddRecords = op.DeleteRecords = op.PrintReports = true;
    }
};

using Factory = std::function<QWidget *(Fixture &)>;

} // namespace

Q_DECLARE_METATYPE(Factory)

class TestWindowTexts : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyTextFollows_data();
    void everyTextFollows();
    void assembledTextsFollow();
    void reportTextsFollow_data();
    void reportTextsFollow();

private:
    std::unique_ptr<Fixture> m_store;
};

void TestWindowTexts::init()
{
    m_store = std::make_unique<Fixture>();
    seen().clear();
}

void TestWindowTexts::cleanup()
{
    loc::setTextObserver(nullptr);
    loc::setTextTable(nullptr);
    m_store.reset();
}

void TestWindowTexts::everyTextFollows_data()
{
    QTest::addColumn<Factory>("create");
    QTest::newRow("log-on") << Factory(
        [](Fixture &f) -> QWidget * { return new console::TLogOnFrm(*f->tbOperators, {}); });
    QTest::newRow("operators") << Factory(
        [](Fixture &f) -> QWidget * { return new console::TOperatorsFrm(*f->tbOperators); });
    QTest::newRow("about") << Factory(
        [](Fixture &) -> QWidget * { return new console::TAboutBox; });
    QTest::newRow("account manager")
        << Factory([](Fixture &f) -> QWidget * { return new accounts::TAccViewFrm(f.dm()); });
    QTest::newRow("account search") << Factory(
        [](Fixture &f) -> QWidget * { return new accounts::TfrmAccountSearch(*f->qryCusAccount); });
    QTest::newRow("import options")
        << Factory([](Fixture &) -> QWidget * { return new accounts::TImportOptsFrm(1, 7); });
    QTest::newRow("report options")
        << Factory([](Fixture &) -> QWidget * { return new reports::TfrmReportOptions; });
    QTest::newRow("history") << Factory([](Fixture &f) -> QWidget * {
        auto *w = new reports::THistoryFrm(f.dm());
        w->openAccount(u"0042"_s, u"Corner Shop"_s);
        return w;
    });
    QTest::newRow("mail setup") << Factory([](Fixture &) -> QWidget * {
        return new mail::ui::TComSetupFrm(mail::CommSettings{}, false, [](bool) {});
    });
    QTest::newRow("received data") << Factory([](Fixture &f) -> QWidget * {
        return mail::ui::TCommsFrm::showViewer(f.dm(), kDateTime, nullptr);
    });
    QTest::newRow("email history") << Factory(
        [](Fixture &f) -> QWidget * { return new mail::ui::TfrmEmailData(f.dm(), kDateTime); });
}

// A text the window looked up must not be left in English after the switch.
void TestWindowTexts::everyTextFollows()
{
    QFETCH(Factory, create);
    loc::setTextObserver([](const char *english) { seen().insert(QString::fromUtf8(english)); });
    std::unique_ptr<QWidget> window(create(*m_store));
    loc::setTextObserver(nullptr);
    const QSet<QString> english = seen();
    QVERIFY(!english.isEmpty());

    switchLanguage(window.get(), english);
    QStringList left;
    QSet<QString> translatedShown;
    for (const auto &[name, text] : shownTexts(window.get())) {
        if (english.contains(text))
            left << name + u": "_s + text;
        if (text.startsWith(u'\u00ab'))
            translatedShown.insert(text);
    }
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u'\n')));
    QVERIFY(!translatedShown.isEmpty());

    const QString dir = qEnvironmentVariable("QUORVEL_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        QDir().mkpath(dir);
        const QString name = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-');
        QVERIFY(window->grab().save(QDir(dir).filePath(u"language-"_s + name + u".png"_s)));
    }
}

void TestWindowTexts::assembledTextsFollow()
{
    auto fmt = [](const char *english, std::initializer_list<loc::FormatArg> args) {
        return loc::format(translated(QString::fromUtf8(english)), args);
    };
    const QSet<QString> texts{u"Account No: %s"_s,  u"Name: %s"_s,
                              u"Record %1 of %2"_s, u"Customer History: Account No %s (%s)"_s,
                              u"Version %s - %s"_s, u" - Please Enter NEW Password"_s,
                              u"Browse"_s};

    accounts::TAccViewFrm manager(m_store->dm());
    console::TAboutBox about;
    reports::THistoryFrm history(m_store->dm());
    history.openAccount(u"0042"_s, u"Corner Shop"_s);
    console::TLogOnFrm logOn(*m_store->dm().tbOperators, {});
    logOn.setCaption(" - Please Enter NEW Password", u"Anna"_s);
    console::TLogOnFrm exitPrompt(*m_store->dm().tbOperators, {});
    exitPrompt.setWindowTitle(u"Caller's own caption"_s);

    for (QWidget *w :
         std::initializer_list<QWidget *>{&manager, &about, &history, &logOn, &exitPrompt})
        switchLanguage(w, texts);

    QCOMPARE(manager.lbAccountNo->text(), fmt("Account No: %s", {u"0042"_s}));
    QCOMPARE(manager.lbName->text(), fmt("Name: %s", {u"Corner Shop"_s}));
    QCOMPARE(manager.lbRecord->text(), translated(u"Record %1 of %2"_s).arg(1).arg(1));
    QCOMPARE(manager.lbMode->text(), translated(u"Browse"_s));
    QCOMPARE(about.Version()->text(), fmt("Version %s - %s", {u"2.16"_s, u"Dec 2013"_s}));
    QCOMPARE(history.windowTitle(),
             fmt("Customer History: Account No %s (%s)", {u"0042"_s, u"Corner Shop"_s}));
    QCOMPARE(logOn.windowTitle(), u"Anna"_s + translated(u" - Please Enter NEW Password"_s));
    // A caption its caller set is left alone.
    QCOMPARE(exitPrompt.windowTitle(), u"Caller's own caption"_s);

    // Back to English: the data stays, the captions return.
    loc::setTextTable(nullptr);
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&manager, &change);
    QCOMPARE(manager.lbAccountNo->text(), u"Account No: 0042"_s);
}

namespace {

// Opens the report's preview as the program does, switches the language
// while it is open, and keeps the first page's texts from before and after.
class SwitchingPreviewer : public reports::ReportPreviewer
{
public:
    void preview(const reports::BandReport &report, QWidget *,
                 const reports::PreviewOptions &options) override
    {
        QPrinter printer;
        reports::TReportPreview dialog(report, &printer, nullptr, options.retranslate);
        // Drawn once in English, so the texts it looks up as it draws are seen.
        (void)report.layout(300);
        loc::setTextObserver(nullptr);
        switchLanguage(&dialog, seen());
        after = report.layout(300).pages.value(0).texts();
        title = dialog.windowTitle();
        if (const auto *save = dialog.findChild<QAction *>(u"actSaveAsPdf"_s))
            saveText = save->text();
    }

    QStringList after;
    QString title, saveText;
};

} // namespace

// A report shown in its preview is drawn again in the new language, title
// and "Save as PDF..." included.
void TestWindowTexts::reportTextsFollow_data()
{
    QTest::addColumn<bool>("history");
    QTest::addColumn<QString>("reportTitle");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("history")
        << true << u"Alarm History Report"_s
        << QStringList{translated(u"Account History Report"_s),
                       loc::format(translated(u"Name: %s"_s), {u"Corner Shop"_s}),
                       loc::format(translated(u"Date Range: %s"_s), {translated(u"All"_s)}),
                       translated(u"Event Description"_s)};
    QTest::newRow("account") << false << u"Account Information"_s
                             << QStringList{translated(u"Account Information"_s),
                                            translated(u"Customer Details"_s),
                                            translated(u"Key Holders"_s)};
}

void TestWindowTexts::reportTextsFollow()
{
    QFETCH(bool, history);
    QFETCH(QString, reportTitle);
    QFETCH(QStringList, expected);
    SwitchingPreviewer previewer;
    reports::setPreviewer(&previewer);
    const auto restore = qScopeGuard([]() { reports::setPreviewer(nullptr); });

    reports::THistoryFrm viewer(m_store->dm());
    viewer.openAccount(u"0042"_s, u"Corner Shop"_s);
    loc::setTextObserver([](const char *english) { seen().insert(QString::fromUtf8(english)); });
    if (history) {
        reports::THistReportFrm report(*m_store->dm().qryHistory);
        report.accountName = u"Corner Shop"_s;
        report.preview(nullptr);
    } else {
        reports::TfrmAccountRep report(m_store->dm(), u"0042"_s);
        report.preview(nullptr);
    }

    for (const QString &text : std::as_const(expected))
        QVERIFY2(previewer.after.contains(text), qPrintable(previewer.after.join(u'|')));
    QCOMPARE(previewer.title, translated(reportTitle));
    QCOMPARE(previewer.saveText, translated(u"Save as PDF..."_s));
}

QTEST_MAIN(TestWindowTexts)
#include "tst_windowtexts.moc"
