// The localizer without windows: the language list, switching, the language
// module beside the program, the stored choice and the errors.
#include "support/langfixture.h"

#include "localization/langnames.h"
#include "localization/localizer.h"
#include "localization/lzq.h"
#include "localization/texts.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using loc::TLocalizer;

namespace {

constexpr quint16 Hungarian = 1038;
constexpr quint16 English = 9;

// A small tmpfs on a folder, taken away again at the end.
class Tmpfs
{
public:
    Tmpfs(const QString &folder, const QString &size) : m_folder(folder)
    {
        QDir().mkpath(folder);
        m_mounted = run({QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                         QStringLiteral("size=") + size, QStringLiteral("tmpfs"), folder});
    }
    ~Tmpfs()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), m_folder});
    }
    bool mounted() const { return m_mounted; }
    bool makeReadOnly()
    {
        return run({QStringLiteral("-o"), QStringLiteral("remount,ro"), m_folder});
    }

private:
    static bool run(const QStringList &args)
    {
        QProcess p;
        p.start(QStringLiteral("mount"), args);
        return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }
    QString m_folder;
    bool m_mounted = false;
};

} // namespace

class TstLocalizer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstStartListsLanguages();
    void storedChoiceAtStart_data();
    void storedChoiceAtStart();
    void switchStoresChoiceAndMakesModule();
    void laterStarts_data();
    void laterStarts();
    void outOfDateTranslations_data();
    void outOfDateTranslations();
    void damagedLanguageFile_data();
    void damagedLanguageFile();
    void moduleCannotBeWritten_data();
    void moduleCannotBeWritten();
    void errorsStopTheOperation();

private:
    QString lngPath() const { return m_dir->filePath(QStringLiteral("app/quorvel-monitor.HUN.lng")); }
    QString modulePath() const { return m_dir->filePath(QStringLiteral("app/quorvel-monitor.HUN")); }
    QString programFolder() const { return m_dir->filePath(QStringLiteral("app")); }
    QString settingsPath() const { return m_dir->filePath(QStringLiteral("config/Quorvel.ini")); }
    // A fresh localizer (the previous one ends first), started.
    TLocalizer &start(const QString &folder = {});
    QStringList names() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TLocalizer> m_l;
};

void TstLocalizer::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QDir().mkpath(programFolder());
    langtest::writeFile(lngPath(), langtest::hungarianFile(langtest::sampleHungarian()));
}

void TstLocalizer::cleanup()
{
    m_l.reset();
    m_dir.reset();
}

TLocalizer &TstLocalizer::start(const QString &folder)
{
    m_l.reset();
    m_l = langtest::makeLocalizer(folder.isEmpty() ? programFolder() : folder, settingsPath());
    m_l->Initialize();
    return *m_l;
}

QStringList TstLocalizer::names() const
{
    QStringList n;
    for (const loc::TLFInfo &e : m_l->languages())
        n << e.englishName + QLatin1Char('/') + e.localizedName + (e.native ? QStringLiteral("*") : QString());
    return n;
}

void TstLocalizer::firstStartListsLanguages()
{
    // A second file of the same language under another name: one entry.
    langtest::writeFile(QDir(programFolder()).filePath(QStringLiteral("quorvel-monitor.DEU.lng")),
                        langtest::hungarianFile({}));
    TLocalizer &l = start();
    QVERIFY(l.initialized());
    QCOMPARE(l.errorsReported(), QStringList());
    QCOMPARE(names(), (QStringList{QStringLiteral("English/English*"), QStringLiteral("Hungarian/Magyar")}));
    QCOMPARE(l.currentLanguage(), English);
    QCOMPARE(l.storedChoice(), QStringLiteral("EXE"));
    QCOMPARE(loc::text("Setup"), QStringLiteral("Setup"));
    QVERIFY(!QFile::exists(modulePath()));
    // The name a translation file carries, which picks the Hungarian dates.
    QCOMPARE(loc::nativeLanguageName(Hungarian), QStringLiteral("Magyar"));
}

void TstLocalizer::storedChoiceAtStart_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<quint16>("language");
    QTest::newRow("none") << QString() << English;
    QTest::newRow("EXE") << QStringLiteral("EXE") << English;
    QTest::newRow("ntv") << QStringLiteral("ntv") << English;
    QTest::newRow("hun, any letter case") << QStringLiteral("hun") << Hungarian;
    QTest::newRow("unknown abbreviation") << QStringLiteral("XYZ") << English;
    QTest::newRow("a path") << QStringLiteral("../../config/Quorvel.ini") << English;
}

void TstLocalizer::storedChoiceAtStart()
{
    QFETCH(QString, stored);
    QFETCH(quint16, language);
    {
        QSettings ini(settingsPath(), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Locales/") +
                         QDir(programFolder()).filePath(QStringLiteral("quorvel-monitor")).replace(u'/', u'\\'),
                     stored);
    }
    TLocalizer &l = start();
    QCOMPARE(l.storedChoice(), language == Hungarian ? QStringLiteral("HUN") : QStringLiteral("EXE"));
    QCOMPARE(l.currentLanguage(), language);
    QCOMPARE(l.errorsReported(), QStringList());
}

void TstLocalizer::switchStoresChoiceAndMakesModule()
{
    TLocalizer &l = start();
    // The settings file holds the mail password: it stays the owner's alone.
    QVERIFY(QFile::setPermissions(settingsPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QSignalSpy switched(&l, &TLocalizer::languageSwitched);
    QVERIFY(l.SwitchLanguage(Hungarian));
    QCOMPARE(l.errorsReported(), QStringList());
    QCOMPARE(l.currentLanguage(), Hungarian);
    QCOMPARE(l.previousLanguage(), English);
    QCOMPARE(QFile::permissions(settingsPath()) & 0x7077,
             QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(l.storedChoice(), QStringLiteral("HUN"));
    QVERIFY(QFile::exists(modulePath()));
    QCOMPARE(loc::text("Language"), QStringLiteral("Nyelv"));
    QCOMPARE(loc::text("Log Off"), QStringLiteral("Log Off")); // not translated: English
    QCOMPARE(switched.size(), 1);
    QCOMPARE(switched[0][0].value<loc::TLFInfo>().localizedName, QStringLiteral("Magyar"));
    // The window definitions carry the translated properties.
    bool found = false;
    for (const loc::TResProperty &p : l.moduleInUse().forms.value(QStringLiteral("MainFrm")))
        if (p.component == QLatin1String("mnuSetupLanguage"))
            found = p.text == QLatin1String("Nyelv");
    QVERIFY(found);

    // The same language again: nothing is made anew.
    QVERIFY(l.SwitchLanguage(Hungarian));
    QCOMPARE(l.modulesGenerated(), 1);

    QVERIFY(l.SwitchLanguage(English));
    QCOMPARE(l.currentLanguage(), English);
    QCOMPARE(l.storedChoice(), QStringLiteral("EXE"));
    QCOMPARE(loc::text("Language"), QStringLiteral("Language"));
    QCOMPARE(switched.size(), 3);
    QVERIFY(QFile::exists(modulePath())); // kept for the next switch
    start();
    QCOMPARE(m_l->currentLanguage(), English);
}

void TstLocalizer::laterStarts_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("generated");
    QTest::addColumn<QString>("language");
    QTest::newRow("module in step") << QString() << 0 << QStringLiteral("Nyelv");
    QTest::newRow("module deleted") << QStringLiteral("delete") << 1 << QStringLiteral("Nyelv");
    QTest::newRow("module cut short") << QStringLiteral("truncate") << 1 << QStringLiteral("Nyelv");
    QTest::newRow("module of an older build") << QStringLiteral("version") << 1 << QStringLiteral("Nyelv");
    QTest::newRow("translation updated") << QStringLiteral("retranslate") << 1 << QStringLiteral("Nyelvek");
}

void TstLocalizer::laterStarts()
{
    QFETCH(QString, change);
    QFETCH(int, generated);
    QFETCH(QString, language);
    start().SwitchLanguage(Hungarian);
    m_l.reset();
    QFile module(modulePath());
    if (change == QLatin1String("delete")) {
        QVERIFY(module.remove());
    } else if (change == QLatin1String("truncate")) {
        QVERIFY(module.resize(module.size() / 2));
    } else if (change == QLatin1String("version")) {
        // A module another build of the program made: its record says version 43.
        QVERIFY(module.open(QIODevice::ReadOnly));
        loc::TResModule m = loc::TResModule::read(module.readAll(), modulePath());
        module.close();
        m.settings.version = 43;
        langtest::writeFile(modulePath(), m.write());
    } else if (change == QLatin1String("retranslate")) {
        QList<langtest::Translation> texts = langtest::sampleHungarian();
        texts.append({QStringLiteral("Language"), QStringLiteral("Nyelvek")});
        texts.removeIf([](const langtest::Translation &t) { return t.hungarian == QLatin1String("Nyelv"); });
        langtest::writeFile(lngPath(), langtest::hungarianFile(texts));
    }

    TLocalizer &l = start();
    QSignalSpy switched(&l, &TLocalizer::languageSwitched);
    QCOMPARE(l.errorsReported(), QStringList());
    QCOMPARE(l.currentLanguage(), Hungarian);
    QCOMPARE(l.modulesGenerated(), generated);
    QCOMPARE(loc::text("Language"), language);
    QCOMPARE(l.moduleInUse().settings.version, 44u);
    QVERIFY(QFile::exists(modulePath()));
    QCOMPARE(switched.size(), 0); // the start-up raises no notification
}

void TstLocalizer::outOfDateTranslations_data()
{
    QTest::addColumn<quint16>("attributes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("native text shown") << quint16(0) << QStringLiteral("Setup");
    QTest::newRow("shown anyway") << loc::DataShowOutOfDate << QStringLiteral("Beállítások");
}

void TstLocalizer::outOfDateTranslations()
{
    QFETCH(quint16, attributes);
    QFETCH(QString, expected);
    langtest::writeFile(lngPath(),
                        langtest::hungarianFile({{QStringLiteral("Setup"), QStringLiteral("Beállítások"), true},
                                                 {QStringLiteral("Help"), QStringLiteral("Súgó")}},
                                                attributes));
    TLocalizer &l = start();
    QVERIFY(l.SwitchLanguage(Hungarian));
    QCOMPARE(loc::text("Setup"), expected);
    QCOMPARE(loc::text("Help"), QStringLiteral("Súgó"));
    for (const loc::TResProperty &p : l.moduleInUse().forms.value(QStringLiteral("MainFrm")))
        if (p.component == QLatin1String("mnuSetup"))
            QCOMPARE(p.text, expected);
}

void TstLocalizer::damagedLanguageFile_data()
{
    QTest::addColumn<int>("keep"); // bytes of the plain file kept; -1: garbage
    QTest::addColumn<bool>("listed");
    QTest::newRow("unreadable header") << -1 << false;
    QTest::newRow("cut short after its header") << 300 << true;
}

void TstLocalizer::damagedLanguageFile()
{
    QFETCH(int, keep);
    QFETCH(bool, listed);
    // Chosen yesterday, damaged today.
    start().SwitchLanguage(Hungarian);
    QVERIFY(QFile::remove(modulePath()));
    QByteArray damaged = "LF\x07\x00garbage";
    if (keep >= 0) {
        // Unpacked, so the header survives the cut.
        damaged = langtest::hungarianFile(langtest::sampleHungarian());
        damaged = loc::TLZQCompressor::decode(damaged).left(keep);
    }
    langtest::writeFile(lngPath(), damaged);

    TLocalizer &l = start();
    QVERIFY(l.initialized()); // the start is never blocked
    QCOMPARE(l.errorsReported().size(), 1);
    QCOMPARE(l.currentLanguage(), English);
    QCOMPARE(loc::text("Language"), QStringLiteral("Language"));
    QCOMPARE(names().size(), listed ? 2 : 1);

    // Chosen again: the error again, and the program stays in English.
    QVERIFY(!l.SwitchLanguage(Hungarian));
    QCOMPARE(l.errorsReported().size(), 2);
    QCOMPARE(l.errorsReported()[1], l.errorsReported()[0]);
    QCOMPARE(l.currentLanguage(), English);
    QCOMPARE(loc::text("Language"), QStringLiteral("Language"));
}

void TstLocalizer::moduleCannotBeWritten_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("a folder in the module's place") << QStringLiteral("folder");
    QTest::newRow("read-only program folder") << QStringLiteral("readonly");
    QTest::newRow("full disk") << QStringLiteral("full");
}

void TstLocalizer::moduleCannotBeWritten()
{
    QFETCH(QString, how);
    const QString folder = m_dir->filePath(QStringLiteral("mounted"));
    std::unique_ptr<Tmpfs> fs;
    QString program = programFolder();
    if (how == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(modulePath() + QStringLiteral("/inside")));
    } else {
        fs = std::make_unique<Tmpfs>(folder, QStringLiteral("1m"));
        if (!fs->mounted())
            QSKIP("this test may not mount a tmpfs");
        program = folder;
        langtest::writeFile(QDir(folder).filePath(QStringLiteral("quorvel-monitor.HUN.lng")),
                            langtest::hungarianFile(langtest::sampleHungarian()));
        if (how == QLatin1String("readonly")) {
            QVERIFY(fs->makeReadOnly());
        } else {
            QFile filler(QDir(folder).filePath(QStringLiteral("filler")));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(4096, 'x');
            while (filler.write(block) == block.size()) {
            }
        }
    }
    TLocalizer &l = start(program);
    QSignalSpy switched(&l, &TLocalizer::languageSwitched);
    QVERIFY(l.SwitchLanguage(Hungarian));
    QCOMPARE(l.errorsReported().size(), 1); // said once
    QVERIFY2(l.errorsReported()[0].contains(QStringLiteral("quorvel-monitor.HUN")),
             qPrintable(l.errorsReported()[0]));
    QCOMPARE(l.currentLanguage(), Hungarian);
    QCOMPARE(loc::text("Language"), QStringLiteral("Nyelv"));
    QCOMPARE(l.storedChoice(), QStringLiteral("HUN"));
    QCOMPARE(switched.size(), 1);
    m_l.reset();
}

void TstLocalizer::errorsStopTheOperation()
{
    // Not found, neither as a file nor built in.
    TLocalizer &l = start();
    QVERIFY(!l.SwitchLanguage(1031));
    QCOMPARE(l.errorsReported(), QStringList{QStringLiteral("Language \"German (Germany)\" is not found")});
    QCOMPARE(l.currentLanguage(), English);

    // A language folder that does not exist: nothing works, and says so.
    loc::LocalizerOptions o;
    o.programFolder = programFolder();
    o.programName = QStringLiteral("quorvel-monitor");
    o.settingsPath = settingsPath();
    o.languageFolder = QStringLiteral("missing");
    m_l.reset();
    m_l = std::make_unique<TLocalizer>(o);
    QVERIFY(!m_l->Initialize());
    QVERIFY(!m_l->SwitchLanguage(Hungarian));
    QCOMPARE(m_l->errorsReported(),
             (QStringList{QStringLiteral("Specified path \"%1\" does not exist")
                              .arg(QDir(programFolder()).filePath(QStringLiteral("missing"))),
                          QStringLiteral("Localizer is not initialized")}));
}

QTEST_GUILESS_MAIN(TstLocalizer)
#include "tst_localizer.moc"
