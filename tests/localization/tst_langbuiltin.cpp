// The English language data and settings records built into the program.
#include "localization/langfile.h"
#include "localization/langresource.h"
#include "localization/lzq.h"

#include <QTest>

using namespace loc;

class TestLangBuiltin : public QObject
{
    Q_OBJECT

private slots:
    void storeResourceParsesToItsEnd();
    void settingsRecords_data();
    void settingsRecords();
};

void TestLangBuiltin::storeResourceParsesToItsEnd()
{
    const QByteArray resource = builtin::langsResource();
    const QList<TBuiltinLanguage> languages = TLangResource::languages(resource);
    QCOMPARE(languages.size(), 1);
    QCOMPARE(languages[0], (TBuiltinLanguage{9, QStringLiteral("English"), QStringLiteral("English"), true}));

    const QByteArray plain = TLangResource::load(resource, 0);
    // The size follows the program's texts; it is logged, not fixed, because
    // every new text changes it.
    qInfo("built-in English: %lld bytes in the resource, %lld bytes plain", qlonglong(resource.size()),
          qlonglong(plain.size()));
    QVERIFY(plain.size() > resource.size());

    TLocStorage s;
    const TLangInfo info = TLangFile::readNative(plain, &s);
    QCOMPARE(info.format, quint16(7));
    QCOMPARE(info.version, 44u);
    QCOMPARE(info.language, quint16(9));
    QVERIFY(info.native);
    QCOMPARE(info.attributes, quint16(0));
    QCOMPARE(info.highestExtItem, 0u);
    QVERIFY(s.groups().empty());
    // Written again, the store gives the same bytes: the reader took every
    // byte and left none over.
    QCOMPARE(TLangFile::write(s, 0, info), plain);

    // Texts the program shows are there under their places.
    QVERIFY(s.form(QStringLiteral("MainFrm")));
    QCOMPARE(s.property(QStringLiteral("AboutBox"), {}, QStringLiteral("Caption")) != nullptr, true);
    bool found = false;
    for (const auto &u : s.units())
        for (const auto &c : u->constants)
            found = found || c->value(0).text == QLatin1String("Wrong stream format");
    QVERIFY(found);
}

void TestLangBuiltin::settingsRecords_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QByteArray>("magic");
    QTest::newRow("program") << builtin::exeSettings() << QByteArray("LEXE");
    QTest::newRow("resource library") << builtin::libSettings() << QByteArray("LDLL");
}

void TestLangBuiltin::settingsRecords()
{
    QFETCH(QByteArray, record);
    QFETCH(QByteArray, magic);
    QCOMPARE(record.size(), 44);
    const TLocSettings s = TLocSettings::read(&record, magic, QStringLiteral("quorvel-monitor"));
    QCOMPARE(s.version, 44u);
    QCOMPARE(s.language, quint16(9));
    QCOMPARE(s.englishName, QStringLiteral("English"));
    QCOMPARE(s.localizedName, QStringLiteral("English"));
    QCOMPARE(s.formatMark, quint16(6));
    QCOMPARE(s.build, 0u);
}

QTEST_GUILESS_MAIN(TestLangBuiltin)
#include "tst_langbuiltin.moc"
