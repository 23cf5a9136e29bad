// The print preview every report opens in: maximised, a whole page in view,
// and "Save as PDF..." beside printing, for the history report and the
// account report alike.
#include "support/accountfixture.h"
#include "support/historyrows.h"
#include "support/pdftext.h"
#include "pipeline/eventcatalogue.h"
#include "reports/accountreport.h"
#include "reports/bandreport.h"
#include "reports/reportpreview.h"
#include "reports/thistoryfrm.h"
#include "reports/treportoptions.h"
#include "support/recordingmessages.h"
#include "support/tempstore.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include <functional>
#include <memory>

using namespace reports;

namespace {

// Runs fn on the first modal window of type T once it is shown.
template<typename T>
void whenModal(std::function<void(T *)> fn, int tries = 3000)
{
    QTimer::singleShot(tries == 3000 ? 0 : 10, [fn, tries]() {
        auto *window = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!window || !window->isVisible()) {
            if (tries > 0)
                whenModal<T>(fn, tries - 1);
            return;
        }
        fn(window);
    });
}

// What the preview showed when it opened.
struct Seen
{
    bool found = false;
    bool maximised = false;
    QPrintPreviewWidget::ZoomMode zoom = QPrintPreviewWidget::CustomZoom;
    int pages = 0;
    QString saveText;
    bool saveInToolbar = false;
    QImage image;
};

// Looks at the preview, saves the report through its own action, closes it.
void lookAndSave(QPrintPreviewDialog *dialog, Seen &seen)
{
    seen.found = true;
    seen.maximised = dialog->windowState().testFlag(Qt::WindowMaximized);
    // The offscreen platform has no window manager to maximise it: size it
    // as one would, for the screenshot.
    dialog->resize(dialog->screen()->availableGeometry().size());
    QTest::qWait(50);
    if (auto *view = dialog->findChild<QPrintPreviewWidget *>()) {
        seen.zoom = view->zoomMode();
        seen.pages = view->pageCount();
    }
    auto *save = dialog->findChild<QAction *>(QStringLiteral("actSaveAsPdf"));
    if (save) {
        seen.saveText = save->text();
        if (auto *toolbar = dialog->findChild<QToolBar *>())
            seen.saveInToolbar = toolbar->actions().contains(save);
        seen.image = dialog->grab().toImage();
        save->trigger();
    }
    dialog->reject();
}

} // namespace

class TestReportPreview : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void previewMaximisedFitsPageAndSaves_data();
    void previewMaximisedFitsPageAndSaves();
    void saveCancelledOrRefused_data();
    void saveCancelledOrRefused();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TempStore> m_store;
    RecordingMessages m_messages;
    QString m_suggested;
};

void TestReportPreview::initTestCase()
{
    const QString missing = missingPdfTools();
    if (!missing.isEmpty())
        QFAIL(qPrintable(missing));
}

void TestReportPreview::init()
{
    core::setMessages(&m_messages);
    m_store = std::make_unique<TempStore>();
    m_store->dm().setDefaultActionsSource(pipeline::CatalogueDefaultActions);
    m_store->dm().currentOperator.PrintReports = true;
    addReportAccount(m_store->dm(), QStringLiteral("1234"), 0);
    addHistory(m_store->dm(), {{QDateTime(QDate(2026, 12, 7), QTime(9, 15)), 1, 1,
                                QStringLiteral("Burglary Zone 3 Rear Door"),
                                QStringLiteral("Smithers"), QStringLiteral("Police called")}});
}

void TestReportPreview::cleanup()
{
    setSaveFileChooser({});
    m_store.reset();
    core::setMessages(nullptr);
    m_messages.clear();
}

void TestReportPreview::previewMaximisedFitsPageAndSaves_data()
{
    QTest::addColumn<bool>("history");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("printed"); // a text of the saved file
    QTest::newRow("history report") << true << QStringLiteral("Alarm History Report")
                                    << QStringLiteral("Burglary Zone 3 Rear Door");
    QTest::newRow("account report") << false << QStringLiteral("Account Information")
                                    << QStringLiteral("Keyholder Six");
}

void TestReportPreview::previewMaximisedFitsPageAndSaves()
{
    QFETCH(bool, history);
    QFETCH(QString, title);
    QFETCH(QString, printed);

    // The operator names the file without its extension.
    const QString chosen = m_dir.filePath(QStringLiteral("kept-") + QLatin1String(QTest::currentDataTag()).toString().replace(QLatin1Char(' '), QLatin1Char('-')));
    setSaveFileChooser([this, chosen](QWidget *, const QString &suggested) {
        m_suggested = suggested;
        return chosen;
    });
    Seen seen;
    whenModal<QPrintPreviewDialog>([&seen](QPrintPreviewDialog *d) { lookAndSave(d, seen); });
    if (history) {
        THistoryFrm viewer(m_store->dm());
        viewer.openAccount(QStringLiteral("1234"), QStringLiteral("Smith & Sons"));
        viewer.btnPrint->click();
    } else {
        whenModal<TfrmReportOptions>([](TfrmReportOptions *d) { d->btnOK->click(); });
        printAccountReport(m_store->dm(), QStringLiteral("1234"), nullptr);
    }
    QVERIFY(seen.found);
    QVERIFY(seen.maximised);
    QCOMPARE(seen.zoom, QPrintPreviewWidget::FitInView);
    QVERIFY(seen.pages >= 1);
    QCOMPARE(seen.saveText, QStringLiteral("Save as PDF..."));
    QVERIFY(seen.saveInToolbar);
    QCOMPARE(QFileInfo(m_suggested).fileName(), title + QStringLiteral(".pdf"));
    QVERIFY2(m_messages.all().isEmpty(), qPrintable(m_messages.all().join(QLatin1Char('\n'))));

    const QString pdf = chosen + QStringLiteral(".pdf");
    QVERIFY(QFile::exists(pdf));
    QCOMPARE(pdfPageCount(pdf), seen.pages);
    QVERIFY(pdfText(pdf).contains(printed));

    const QString folder = qEnvironmentVariable("QUORVEL_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QVERIFY(seen.image.save(QDir(folder).filePath(
            QStringLiteral("preview-%1.png").arg(history ? QStringLiteral("history") : QStringLiteral("account")))));
}

void TestReportPreview::saveCancelledOrRefused_data()
{
    QTest::addColumn<QString>("answer"); // relative to the test folder; "" cancels
    QTest::addColumn<bool>("saved");
    QTest::addColumn<int>("errors");
    QTest::newRow("cancelled") << QString() << false << 0;
    QTest::newRow("folder missing") << QStringLiteral("missing/folder/report.pdf") << false << 1;
    QTest::newRow("replaces a file") << QStringLiteral("old.pdf") << true << 0;
}

void TestReportPreview::saveCancelledOrRefused()
{
    QFETCH(QString, answer);
    QFETCH(bool, saved);
    QFETCH(int, errors);

    const QString path = answer.isEmpty() ? QString() : m_dir.filePath(answer);
    {
        QFile old(m_dir.filePath(QStringLiteral("old.pdf")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older file");
    }
    setSaveFileChooser([path](QWidget *, const QString &) { return path; });
    TfrmAccountRep report(m_store->dm(), QStringLiteral("1234"));
    QCOMPARE(saveReportAsPdf(report.report(), nullptr), saved);
    QCOMPARE(m_messages.errors.size(), errors);
    if (errors)
        QVERIFY2(m_messages.errors[0].startsWith(QLatin1String("The report could not be saved.")),
                 qPrintable(m_messages.errors[0]));
    if (saved)
        QVERIFY(pdfText(path).contains(QLatin1String("Account Information")));
    else if (!path.isEmpty())
        QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(TestReportPreview)
#include "tst_reportpreview.moc"
