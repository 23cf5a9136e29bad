// The Hungarian translation in the repository, compiled the way the build
// compiles it, against the program's own English texts.
#include "linguist.h"

#include "localization/langfile.h"
#include "localization/langresource.h"
#include "localization/lzq.h"

#include <QFile>
#include <QTest>

using namespace loc;

namespace {

QByteArray readSource(const QString &relative)
{
    QFile f(qEnvironmentVariable("QUORVEL_SOURCE_DIR") + QLatin1Char('/') + relative);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(f.fileName()));
    return f.readAll();
}

template<typename Fn>
void forEachItem(const TLocStorage &s, Fn fn)
{
    for (const auto &u : s.units())
        for (const auto &c : u->constants)
            fn(u->name + QLatin1Char('.') + c->name, static_cast<const TLocItem &>(*c));
    for (const auto &f : s.forms()) {
        for (const auto &p : f->properties)
            fn(f->name + QLatin1Char('.') + p->path, static_cast<const TLocItem &>(*p));
        for (const auto &c : f->components)
            for (const auto &p : c->properties)
                fn(f->name + QLatin1Char('.') + c->name + QLatin1Char('.') + p->path,
                   static_cast<const TLocItem &>(*p));
    }
}

} // namespace

class TestHuTranslation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void compilesToAHungarianLanguageFile();
    void everyTextHasACurrentTranslation();
    void texts_data();
    void texts();

private:
    TLocStorage m_store;
    int m_hu = -1;
    langtool::Compiled m_compiled;
};

void TestHuTranslation::initTestCase()
{
    TLangFile::readNative(TLangResource::load(builtin::langsResource(), 0), &m_store);
    m_compiled = langtool::compileTs(m_store, readSource(QStringLiteral(
                                                  "localization/translations/quorvel-monitor_hu.ts")));
    QVERIFY2(m_compiled.problems.isEmpty(), qPrintable(m_compiled.problems.join(QLatin1Char('\n'))));
    QVERIFY(!m_compiled.file.isEmpty());
    m_hu = m_store.addColumn(1038);
    TLangFile::readAdditional(m_compiled.file, &m_store, m_hu);
}

void TestHuTranslation::compilesToAHungarianLanguageFile()
{
    QCOMPARE(m_compiled.fileName, QStringLiteral("quorvel-monitor.HUN.lng"));
    QVERIFY(TLZQCompressor::hasHeader(m_compiled.file));
    const TLangInfo info = TLangFile::readHeader(m_compiled.file);
    QCOMPARE(info.language, quint16(1038));
    QCOMPARE(info.englishName, QStringLiteral("Hungarian"));
    // The main window picks the Hungarian date formats by this very name.
    QCOMPARE(info.localizedName, QStringLiteral("Magyar"));
    QVERIFY(!info.native);
}

void TestHuTranslation::everyTextHasACurrentTranslation()
{
    // A text added or changed since the translation was made shows up here
    // by name: export the .ts again with --merge and translate it.
    QStringList missing;
    QStringList outOfDate;
    int items = 0;
    forEachItem(m_store, [&](const QString &name, const TLocItem &item) {
        ++items;
        const TLocValue &hu = item.value(m_hu);
        if (!hu.assigned || hu.text.isEmpty())
            missing.append(name + QStringLiteral(" \"") + item.value(0).text + QLatin1Char('"'));
        else if (hu.version != item.value(0).version)
            outOfDate.append(name + QStringLiteral(" \"") + item.value(0).text + QLatin1Char('"'));
    });
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("not translated:\n") + missing.join(QLatin1Char('\n'))));
    QVERIFY2(outOfDate.isEmpty(), qPrintable(QStringLiteral("out of date:\n") + outOfDate.join(QLatin1Char('\n'))));
    QCOMPARE(m_compiled.translated, items);
}

void TestHuTranslation::texts_data()
{
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("hungarian");
    // Line breaks, blanks joined to other texts and placeholders survive the
    // trip through Linguist's format.
    QTest::newRow("message box lines")
        << QStringLiteral("Emails cannot be sent as the following is not configured:\r\n\r\n%s")
        << QStringLiteral("Az e-mailek nem küldhetők el, mert a következők nincsenek beállítva:\r\n\r\n%s");
    QTest::newRow("joined after a blank") << QStringLiteral(" Add") << QStringLiteral(" Fel");
    QTest::newRow("event description")
        << QStringLiteral("%s: %s %s - Zone %.3d (%s)") << QStringLiteral("%s: %s %s - %.3d. zóna (%s)");
    QTest::newRow("product name kept") << QStringLiteral("Quorvel Alarm Monitor")
                                       << QStringLiteral("Quorvel Alarm Monitor");
}

void TestHuTranslation::texts()
{
    QFETCH(QString, english);
    QFETCH(QString, hungarian);
    QStringList found;
    forEachItem(m_store, [&](const QString &, const TLocItem &item) {
        if (item.value(0).text == english)
            found.append(item.value(m_hu).text);
    });
    QVERIFY2(!found.isEmpty(), qPrintable(english));
    for (const QString &t : std::as_const(found))
        QCOMPARE(t, hungarian);
}

QTEST_GUILESS_MAIN(TestHuTranslation)
#include "tst_hutranslation.moc"
