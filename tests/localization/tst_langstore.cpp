// Language data: LZQ packing, the data set formats, the store resource and
// the settings records, read from bytes written elsewhere and by our writers.
#include "localization/bytereader.h"
#include "localization/langerrors.h"
#include "localization/langfile.h"
#include "localization/langresource.h"
#include "localization/lzq.h"

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

using namespace loc;

namespace {

QByteArray lzqHeader()
{
    return QByteArray("LZQ00\0\0\0\0", 9);
}

QByteArray sourceFile(const QString &relative)
{
    QFile f(qEnvironmentVariable("QUORVEL_SOURCE_DIR") + QLatin1Char('/') + relative);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TLocValue value(const QString &text, qint32 version, quint16 language = 9, quint16 attributes = 0)
{
    TLocValue v;
    v.text = text;
    v.version = version;
    v.language = language;
    v.attributes = attributes;
    v.assigned = true;
    return v;
}

// A native English store with an item of every kind and value type.
void fillNative(TLocStorage &s, bool withGroups = true)
{
    s.addColumn(9);
    TLangInfo &info = s.columnInfo(0);
    info.version = 44;
    info.language = 9;
    info.englishName = info.localizedName = QStringLiteral("English");
    info.native = true;
    TLocUnit &u = s.addUnit(QStringLiteral("QuorvelStrings"), 1);
    TLocConstant &c1 = s.addConstant(u, QStringLiteral("AccessLevelEdit"), 1);
    c1.resourceId = 64982;
    c1.attributes = ValueCurrent;
    c1.valueRef(0) = value(QStringLiteral("Access level"), 3, 9, ValueCurrent);
    c1.valueRef(0).stamp = {1, 2, 3, 4, 5, 6, 7, 8};
    s.addConstant(u, QStringLiteral("Alarm"), 2).valueRef(0) = value(QStringLiteral("Alarm"), 1);
    TLocForm &f = s.addForm(QStringLiteral("MainFrm"));
    s.addProperty(f, QStringLiteral("Caption"), 1, TLocValueType::Text).valueRef(0) =
        value(QStringLiteral("Quorvel Alarm Monitor"), 1);
    TLocComponent &c = s.addComponent(f, QStringLiteral("DBGrid1.Columns[0]"));
    s.addProperty(c, QStringLiteral("Width"), 2, TLocValueType::Float).valueRef(0) =
        value(QStringLiteral("1.25"), 1);
    s.addProperty(c, QStringLiteral("Tag"), 3, TLocValueType::Integer).valueRef(0) =
        value(QStringLiteral("-42"), 1);
    s.addProperty(c, QStringLiteral("Nothing"), 4, TLocValueType::None).valueRef(0) = value({}, 1);
    s.addProperty(c, QStringLiteral("Items.Strings"), 5, TLocValueType::Lines).valueRef(0) =
        value(QStringLiteral("Alarm\r\nRestore"), 2);
    if (withGroups) {
        TLocExtGroup &g = s.addGroup(QStringLiteral("Reports"), 4);
        s.addExtItem(g, QStringLiteral("Title"), 1).valueRef(0) = value(QStringLiteral("Daily"), 1);
    }
    s.highestConstant = info.highestConstant = 2;
    s.highestProperty = info.highestProperty = 5;
    s.highestExtItem = info.highestExtItem = withGroups ? 1 : 0;
}

QByteArray writeNative(const TLocStorage &s, quint16 format = 7)
{
    TLangInfo info = s.columnInfo(0);
    info.format = format;
    return TLangFile::write(s, 0, info);
}

} // namespace

class TestLangStore : public QObject
{
    Q_OBJECT

private slots:
    void lzqDecode_data();
    void lzqDecode();
    void lzqRoundTrip_data();
    void lzqRoundTrip();
    void lzqEncoderChoices();
    void compactCount_data();
    void compactCount();
    void readsEachFormat_data();
    void readsEachFormat();
    void writesExactLayout();
    void writeThenReadGivesEqualStore_data();
    void writeThenReadGivesEqualStore();
    void nativeNumbersItemsWithoutIdentifier();
    void additionalLanguage_data();
    void additionalLanguage();
    void failedReadLeavesStoreAlone();
    void storeResource_data();
    void storeResource();
    void settingsRecord_data();
    void settingsRecord();
    void errors_data();
    void errors();
    void columns();
};

void TestLangStore::lzqDecode_data()
{
    QTest::addColumn<QByteArray>("tokens");
    QTest::addColumn<QByteArray>("expected");

    auto backref = [](int distance, int length) {
        const unsigned w = 1u | unsigned(distance << 1) | unsigned((length - 3) << 12);
        return QByteArray(1, char(w & 0xFF)) + char(w >> 8);
    };
    QTest::newRow("distance 1, length 18") << QByteArray("\x02x", 2) + backref(1, 18) << QByteArray(19, 'x');
    QTest::newRow("token 0") << QByteArray("\x00\x04" "ab", 4) << QByteArray("ab");
    QTest::newRow("literal run of 127")
        << QByteArray(1, char(254)) + QByteArray(127, 'q') << QByteArray(127, 'q');
    QTest::newRow("length beyond distance repeats")
        << QByteArray("\x06" "abc", 4) + backref(3, 7) << QByteArray("abcabcabca");
    QTest::newRow("distance 0 is the far end of the window")
        << QByteArray(1, char(254)) + QByteArray(127, 'z') + backref(0, 3) << QByteArray(127, 'z') + QByteArray(3, '\0');
    QTest::newRow("empty stream") << QByteArray() << QByteArray();
    QTest::newRow("cut literal run keeps what is there") << QByteArray("\x0a" "ab", 3) << QByteArray("ab");
    QTest::newRow("cut back-reference") << QByteArray("\x02" "a\x01", 3) << QByteArray("a");
}

void TestLangStore::lzqDecode()
{
    QFETCH(QByteArray, tokens);
    QFETCH(QByteArray, expected);
    QCOMPARE(TLZQCompressor::decode(lzqHeader() + tokens), expected);

    QBuffer in, out;
    in.setData(lzqHeader() + tokens);
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    QVERIFY(TLZQCompressor::hasHeader(&in));
    TLZQCompressor::decompress(&in, &out);
    QCOMPARE(out.data(), expected);
}

void TestLangStore::lzqRoundTrip_data()
{
    QTest::addColumn<QByteArray>("data");
    QRandomGenerator random(1311);
    QByteArray noise(200000, Qt::Uninitialized);
    for (char &c : noise)
        c = char(random.bounded(256));
    QByteArray fewSymbols(100000, Qt::Uninitialized);
    for (char &c : fewSymbols)
        c = "ab\r\n"[random.bounded(4)];
    QByteArray period2048;
    for (int i = 0; i < 6000; ++i)
        period2048.append(char(i < 2048 ? random.bounded(256) : period2048[i - 2048]));

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("one byte") << QByteArray("x");
    QTest::newRow("two bytes") << QByteArray("xx");
    QTest::newRow("one byte repeated") << QByteArray(70000, '\0');
    QTest::newRow("random bytes") << noise;
    QTest::newRow("few symbols") << fewSymbols;
    QTest::newRow("repeats at the window's far end") << period2048;
    QTest::newRow("source text") << sourceFile(QStringLiteral("localization/langfile.cpp"));
    TLocStorage s;
    fillNative(s);
    QTest::newRow("language data") << writeNative(s);
}

void TestLangStore::lzqRoundTrip()
{
    QFETCH(QByteArray, data);
    const QByteArray packed = TLZQCompressor::encode(data);
    QVERIFY(packed.startsWith(lzqHeader()));
    QCOMPARE(TLZQCompressor::decode(packed), data);

    QBuffer in, out;
    in.setData(data);
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    TLZQCompressor::compress(&in, &out);
    QCOMPARE(out.data(), packed);
}

void TestLangStore::lzqEncoderChoices()
{
    // 18 equal bytes after the first: one literal, then one back-reference
    // of distance 1 and the longest length.
    QCOMPARE(TLZQCompressor::encode(QByteArray(19, 'x')),
             lzqHeader() + QByteArray("\x02x\x03\xf0", 4));
    // Two bytes are left as literals: no match is tried below three.
    QCOMPARE(TLZQCompressor::encode("abab"), lzqHeader() + QByteArray("\x08" "abab", 5));
    // A run of literals is flushed at 127 bytes.
    QByteArray distinct;
    for (int i = 0; i < 128; ++i)
        distinct.append(char(i));
    const QByteArray packed = TLZQCompressor::encode(distinct);
    QCOMPARE(quint8(packed[9]), quint8(254));
    QCOMPARE(quint8(packed[9 + 128]), quint8(2));
}

void TestLangStore::compactCount_data()
{
    QTest::addColumn<quint32>("count");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("0") << 0u << QByteArray::fromHex("00");
    QTest::newRow("127") << 127u << QByteArray::fromHex("7f");
    QTest::newRow("128") << 128u << QByteArray::fromHex("8001");
    QTest::newRow("16383") << 16383u << QByteArray::fromHex("ff7f");
    QTest::newRow("16384") << 16384u << QByteArray::fromHex("80800100");
    QTest::newRow("largest") << 0x3FFFFFFFu << QByteArray::fromHex("ffffffff");
}

void TestLangStore::compactCount()
{
    QFETCH(quint32, count);
    QFETCH(QByteArray, bytes);
    ByteWriter w;
    w.compact(count);
    QCOMPARE(w.bytes().toHex(), bytes.toHex());
    ByteReader r(bytes, [] { QFAIL("read past the end"); });
    QCOMPARE(r.compact(), count);
    QVERIFY(r.atEnd());
}

void TestLangStore::readsEachFormat_data()
{
    QTest::addColumn<int>("format");
    for (int f = 1; f <= 7; ++f)
        QTest::addRow("format %d", f) << f;
}

void TestLangStore::readsEachFormat()
{
    QFETCH(int, format);
    // Files made by an independent writer, kept as the fuzzer's seeds.
    const QByteArray file =
        sourceFile(QStringLiteral("fuzz/corpus/fuzz_langfile/f%1_m1").arg(format)).mid(1);
    QVERIFY(!file.isEmpty());
    for (const QByteArray &data : {file, TLZQCompressor::encode(file)}) {
        TLocStorage s;
        const TLangInfo info = TLangFile::readNative(data, &s);
        QCOMPARE(int(info.format), format);
        QCOMPARE(info.version, 44u);
        QCOMPARE(info.language, quint16(9));
        QCOMPARE(info.basedOn, quint16(format > 2 ? 9 : 0));
        QCOMPARE(info.englishName, QStringLiteral("English"));
        QCOMPARE(info.localizedName, QStringLiteral("English"));
        QVERIFY(info.native);
        QCOMPARE(s.highestConstant, 2u);
        QCOMPARE(s.highestProperty, 5u);

        const TLocConstant *c2 = s.constant(QStringLiteral("Texts"), QStringLiteral("C2"));
        QVERIFY(c2);
        QCOMPARE(c2->resourceId, quint16(101));
        QCOMPARE(c2->value(0).text, QStringLiteral("Restore ").repeated(20));
        QCOMPARE(c2->value(0).version, 44); // below 0: the data set's version
        QCOMPARE(c2->attributes, quint16(format > 1 ? 256 : 0));
        QCOMPARE(s.property(QStringLiteral("MainFrm"), {}, QStringLiteral("Caption"))->value(0).text,
                 QStringLiteral("Quorvel"));
        auto prop = [&](const char *path) {
            return s.property(QStringLiteral("MainFrm"), QStringLiteral("btnOK"), QLatin1String(path));
        };
        QCOMPARE(prop("P2")->type, TLocValueType::Float);
        QCOMPARE(prop("P2")->value(0).text, format >= 4 ? QStringLiteral("1.5") : QString());
        QCOMPARE(prop("P3")->value(0).text, format >= 4 ? QStringLiteral("-7") : QString());
        QCOMPARE(prop("P5")->value(0).text, QStringLiteral("a\r\nb"));
        QCOMPARE(s.groups().size(), size_t(format > 6 ? 1 : 0));
        QCOMPARE(s.extItemById(1) != nullptr, format > 6);
    }
}

void TestLangStore::writesExactLayout()
{
    TLocStorage s;
    s.addColumn(9);
    TLangInfo info;
    info.version = 44;
    info.language = 9;
    info.basedOn = 9;
    info.englishName = info.localizedName = QStringLiteral("En");
    info.native = true;
    info.highestConstant = 1;
    s.columnInfo(0) = info;
    TLocUnit &u = s.addUnit(QStringLiteral("U"));
    TLocConstant &c = s.addConstant(u, QStringLiteral("K"), 1);
    c.resourceId = 0x1234;
    c.valueRef(0) = value(QStringLiteral("Hi"), 3);
    const QByteArray expected = QByteArray::fromHex(
        "4c46" "0700" "2c000000" "00000000" "0900" "0900" "0200" "456e" "0200" "45006e00" "0100"
        "0000" "01000000" "00000000" "00000000"
        "0100" "0155" "0000" "0100" "014b" "0000" "3412" "01000000" "0248006900" "03000000"
        "0000000000000000"
        "0000" "0000");
    QCOMPARE(TLangFile::write(s, 0, info).toHex(), expected.toHex());
}

void TestLangStore::writeThenReadGivesEqualStore_data()
{
    QTest::addColumn<bool>("packed");
    QTest::newRow("plain") << false;
    QTest::newRow("packed") << true;
}

void TestLangStore::writeThenReadGivesEqualStore()
{
    QFETCH(bool, packed);
    TLocStorage s;
    fillNative(s);
    QByteArray data = writeNative(s);
    if (packed)
        data = TLZQCompressor::encode(data);
    TLocStorage read;
    TLangFile::readNative(data, &read);
    TLangInfo expectedInfo = s.columnInfo(0);
    QCOMPARE(read.columnInfo(0), expectedInfo);
    QVERIFY(read.sameAs(s));

    // A translation written from its column reads back into a second column.
    const int hu = s.addColumn(1038);
    s.columnInfo(hu) = s.columnInfo(0);
    s.columnInfo(hu).language = 1038;
    s.columnInfo(hu).native = false;
    s.constantById(2)->valueRef(hu) = value(QStringLiteral("Riasztás"), 1, 1038);
    s.propertyById(5)->valueRef(hu) = value(QStringLiteral("Riasztás\r\nHelyreállás"), 2, 1038);
    const int column = read.addColumn(1038);
    TLangFile::readAdditional(TLangFile::write(s, hu, s.columnInfo(hu)), &read, column);
    QVERIFY(read.sameAs(s));
}

void TestLangStore::nativeNumbersItemsWithoutIdentifier()
{
    TLocStorage s;
    fillNative(s);
    s.setId(*s.constantById(1), 0);
    s.columnInfo(0).highestConstant = 2;
    TLocStorage read;
    TLangFile::readNative(writeNative(s), &read);
    QCOMPARE(read.constant(QStringLiteral("QuorvelStrings"), QStringLiteral("AccessLevelEdit"))->id, 3u);
    QCOMPARE(read.highestConstant, 3u);
    QCOMPARE(read.constantById(3)->value(0).text, QStringLiteral("Access level"));

    // The highest identifier seen wins over a stale header.
    s.columnInfo(0).highestProperty = 1;
    TLangFile::readNative(writeNative(s), &read);
    QCOMPARE(read.highestProperty, 5u);
}

void TestLangStore::additionalLanguage_data()
{
    QTest::addColumn<quint32>("id");
    QTest::addColumn<qint32>("version");
    QTest::addColumn<quint16>("attributes");
    QTest::addColumn<bool>("applied");
    QTest::addColumn<quint16>("expectedAttributes");
    // The native value of constant 1 has version 3.
    QTest::newRow("current translation keeps its bit") << 1u << 3 << quint16(256) << true << quint16(256);
    QTest::newRow("older translation loses the bit") << 1u << 2 << quint16(257) << true << quint16(1);
    QTest::newRow("newer translation keeps it") << 1u << 4 << quint16(256) << true << quint16(256);
    QTest::newRow("unknown identifier") << 77u << 3 << quint16(256) << false << quint16(0);
}

void TestLangStore::additionalLanguage()
{
    QFETCH(quint32, id);
    QFETCH(qint32, version);
    QFETCH(quint16, attributes);
    QFETCH(bool, applied);
    QFETCH(quint16, expectedAttributes);

    TLocStorage translation;
    translation.addColumn(1038);
    translation.columnInfo(0).language = 1038;
    TLocUnit &u = translation.addUnit(QStringLiteral("QuorvelStrings"));
    translation.addConstant(u, QStringLiteral("AccessLevelEdit"), id).valueRef(0) =
        value(QStringLiteral("Hozzáférési szint"), version, 1038, attributes);
    // A property whose type differs from the native one is not taken either.
    TLocForm &f = translation.addForm(QStringLiteral("MainFrm"));
    translation.addProperty(f, QStringLiteral("Tag"), 3, TLocValueType::Text).valueRef(0) =
        value(QStringLiteral("x"), 1, 1038);

    TLocStorage s;
    fillNative(s);
    TLocStorage before;
    fillNative(before);
    const int column = s.addColumn(1038);
    before.addColumn(1038);
    TLangFile::readAdditional(TLangFile::write(translation, 0, translation.columnInfo(0)), &s, column);

    QVERIFY(!s.propertyById(3)->value(column).assigned);
    QCOMPARE(s.constantById(77), nullptr);
    const TLocValue &v = s.constantById(1)->value(column);
    QCOMPARE(v.assigned, applied);
    if (applied) {
        QCOMPARE(v.text, QStringLiteral("Hozzáférési szint"));
        QCOMPARE(v.version, version);
        QCOMPARE(v.attributes, expectedAttributes);
        QCOMPARE(v.language, quint16(1038));
        QCOMPARE(s.columnInfo(column).language, quint16(1038));
    } else {
        before.columnInfo(column) = s.columnInfo(column);
        QVERIFY(s.sameAs(before));
    }
}

void TestLangStore::failedReadLeavesStoreAlone()
{
    TLocStorage s, before;
    fillNative(s);
    fillNative(before);
    const QByteArray good = writeNative(s);
    const QByteArray cut = good.left(good.size() - 3);
    QVERIFY_THROWS_EXCEPTION(ELangFileError, TLangFile::readNative(cut, &s));
    QVERIFY(s.sameAs(before));
    const int column = s.addColumn(1038);
    before.addColumn(1038);
    QVERIFY_THROWS_EXCEPTION(ELangFileError, TLangFile::readAdditional(cut, &s, column));
    QVERIFY(s.sameAs(before));
}

void TestLangStore::storeResource_data()
{
    QTest::addColumn<QByteArray>("resource");
    QTest::addColumn<QString>("englishName");
    QTest::addColumn<int>("languages");

    TLocStorage s;
    fillNative(s);
    const QByteArray english = TLZQCompressor::encode(writeNative(s));
    TBuiltinLanguage en{9, QStringLiteral("English"), QStringLiteral("English"), true};
    QTest::newRow("version 4, one language")
        << TLangResource::write({{en, english}}, 44) << QStringLiteral("English") << 1;
    for (int v = 1; v <= 4; ++v)
        QTest::addRow("seed of version %d", v)
            << sourceFile(QStringLiteral("fuzz/corpus/fuzz_langresource/v%1").arg(v))
            << (v >= 3 ? QStringLiteral("English") : QStringLiteral("English")) << 2;
}

void TestLangStore::storeResource()
{
    QFETCH(QByteArray, resource);
    QFETCH(QString, englishName);
    QFETCH(int, languages);

    const QList<TBuiltinLanguage> list = TLangResource::languages(resource);
    QCOMPARE(list.size(), languages);
    QCOMPARE(list[0].language, quint16(9));
    QCOMPARE(list[0].englishName, englishName);
    QVERIFY(list[0].native);
    for (qsizetype i = 1; i < list.size(); ++i)
        QVERIFY(!list[i].native);

    TLocStorage s;
    const TLangInfo info = TLangFile::readNative(TLangResource::load(resource, 0), &s);
    QCOMPARE(info.language, quint16(9));
    QVERIFY(info.native);
    QCOMPARE(TLangResource::load(resource, 9), TLangResource::load(resource, 0));
    QVERIFY(TLangResource::load(resource, 1049).isNull());
    if (languages > 1) {
        const int column = s.addColumn(1038);
        QCOMPARE(TLangFile::readAdditional(TLangResource::load(resource, 1038), &s, column).language,
                 quint16(1038));
    }
    QVERIFY(TLangResource::languages("QLX").isEmpty());
    QVERIFY(TLangResource::load(QByteArray(), 0).isNull());
}

void TestLangStore::settingsRecord_data()
{
    QTest::addColumn<QByteArray>("magic");
    QTest::newRow("program") << QByteArray("LEXE");
    QTest::newRow("resource library") << QByteArray("LDLL");
}

void TestLangStore::settingsRecord()
{
    QFETCH(QByteArray, magic);
    TLocSettings record;
    record.magic = magic;
    record.version = 44;
    record.language = 9;
    record.englishName = record.localizedName = QStringLiteral("English");
    record.reserved = 0x5a5a;
    const QByteArray bytes = record.write();
    QCOMPARE(bytes.size(), 44);
    QCOMPARE(TLocSettings::read(&bytes, magic, QStringLiteral("/x/prog")), record);

    // Only 4 bytes after the names: no build; the fields keep their defaults.
    const QByteArray shortRecord = bytes.left(bytes.size() - 5);
    const TLocSettings s = TLocSettings::read(&shortRecord, magic, QStringLiteral("/x/prog"));
    QCOMPARE(s.build, 0u);
    QCOMPARE(s.localizedName, QStringLiteral("English"));
}

void TestLangStore::errors_data()
{
    QTest::addColumn<int>("situation");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    const QString invalidFormat = QStringLiteral("Invalid file format");
    QTest::newRow("signature") << 0 << "ELangFileError" << invalidFormat;
    QTest::newRow("format 0") << 1 << "ELangFileError" << invalidFormat;
    QTest::newRow("format 8") << 2 << "ELangFileError"
                              << "The language file can not be read. You need to download the latest language tool";
    QTest::newRow("truncated data set") << 3 << "ELangFileError" << invalidFormat;
    QTest::newRow("unknown value type") << 4 << "ELangFileError" << invalidFormat;
    QTest::newRow("short block") << 5 << "ELocalizerError" << "Invalid LANGS resource";
    QTest::newRow("no LZQ header") << 6 << "ECompressError" << "Wrong stream format";
    QTest::newRow("no source") << 7 << "ECompressError" << "Source stream is not defined";
    QTest::newRow("no destination") << 8 << "ECompressError" << "Destination stream is not defined";
    QTest::newRow("no store, native") << 9 << "ELangFileError" << "Invalid LocStorage";
    QTest::newRow("no store, additional") << 10 << "ELangFileError" << "Invalid LocStorage";
    QTest::newRow("column beyond the store") << 11 << "ELangFileError" << "Invalid index";
    QTest::newRow("current column beyond the store") << 12 << "ELangFileError" << "Invalid index";
    QTest::newRow("settings magic") << 13 << "EInvalidResLibrary"
                                    << "Invalid resource file format \"/opt/q/quorvel-monitor\"";
    QTest::newRow("settings missing") << 14 << "EInvalidResLibrary"
                                      << "Invalid resource file format \"/opt/q/quorvel-monitor\"";
    QTest::newRow("settings cut") << 15 << "EInvalidResLibrary"
                                  << "Invalid resource file format \"/opt/q/quorvel-monitor\"";
    QTest::newRow("packed data too short") << 16 << "ECompressError" << "Wrong stream format";
    QTest::newRow("no number left for an item without one") << 17 << "ELangFileError" << invalidFormat;
}

void TestLangStore::errors()
{
    QFETCH(int, situation);
    QFETCH(QString, kind);
    QFETCH(QString, message);

    TLocStorage s;
    fillNative(s);
    const QByteArray good = writeNative(s);
    auto withFormat = [&](quint16 format) {
        QByteArray b = good;
        b[2] = char(format);
        return b;
    };
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    const QString module = QStringLiteral("/opt/q/quorvel-monitor");
    const QByteArray settings = TLocSettings{}.write();

    try {
        switch (situation) {
        case 0:
            TLangFile::readHeader("LG\x07\x00");
            break;
        case 1:
            TLangFile::readNative(withFormat(0), &s);
            break;
        case 2:
            TLangFile::readHeader(withFormat(8));
            break;
        case 3:
            TLangFile::readHeader(good.left(20));
            break;
        case 4: {
            TLocStorage odd;
            fillNative(odd, false);
            QByteArray b = writeNative(odd);
            // The first property's type field follows "Caption", attributes and identifier.
            const qsizetype at = b.indexOf("Caption") + 7 + 2 + 4;
            b[at] = 9;
            TLangFile::readNative(b, &s);
            break;
        }
        case 5: {
            TBuiltinLanguage en{9, QStringLiteral("English"), QStringLiteral("English"), true};
            const QByteArray r = TLangResource::write({{en, good}}, 44);
            TLangResource::load(r.left(r.size() - 1), 9);
            break;
        }
        case 6:
            TLZQCompressor::decode("LZQ01\0\0\0\0x");
            break;
        case 7:
            TLZQCompressor::decompress(nullptr, &buffer);
            break;
        case 8:
            TLZQCompressor::decompress(&buffer, nullptr);
            break;
        case 9:
            TLangFile::readNative(good, nullptr);
            break;
        case 10:
            TLangFile::readAdditional(good, nullptr, 1);
            break;
        case 11:
            TLangFile::readAdditional(good, &s, 1);
            break;
        case 12:
            s.setCurrentColumn(1);
            break;
        case 13:
            TLocSettings::read(&settings, "LDLL", module);
            break;
        case 14:
            TLocSettings::read(nullptr, "LEXE", module);
            break;
        case 15: {
            const QByteArray cut = settings.left(12);
            TLocSettings::read(&cut, "LEXE", module);
            break;
        }
        case 16:
            TLangFile::readNative("LZQ00\0", &s);
            break;
        case 17: {
            // Numbering after the largest identifier would wrap onto item 1.
            TLocStorage full;
            fillNative(full);
            full.setId(*full.constantById(2), 0);
            TLangInfo info = full.columnInfo(0);
            info.highestConstant = 0xFFFFFFFFu;
            TLangFile::readNative(TLangFile::write(full, 0, info), &s);
            break;
        }
        }
        QFAIL("no error raised");
    } catch (const ELocError &e) {
        QCOMPARE(e.message(), message);
        const char *actual = dynamic_cast<const ELangFileError *>(&e)      ? "ELangFileError"
                             : dynamic_cast<const ELocalizerError *>(&e)   ? "ELocalizerError"
                             : dynamic_cast<const ECompressError *>(&e)    ? "ECompressError"
                             : dynamic_cast<const EInvalidResLibrary *>(&e) ? "EInvalidResLibrary"
                                                                            : "?";
        QCOMPARE(QString::fromLatin1(actual), kind);
    }
}

void TestLangStore::columns()
{
    TLocStorage s;
    fillNative(s);
    QCOMPARE(s.findColumn(9), 0);
    QCOMPARE(s.findColumn(1038), -1);
    const int hu = s.addColumn(1038);
    const int de = s.addColumn(1031);
    QCOMPARE(hu, 1);
    QCOMPARE(s.findColumn(1031), de);
    s.constantById(1)->valueRef(de) = value(QStringLiteral("Zugriff"), 3, 1031);
    s.setCurrentColumn(de);
    QCOMPARE(s.currentColumn(), de);
    s.dropAdditionalColumns();
    QCOMPARE(s.columnCount(), 1);
    QCOMPARE(s.currentColumn(), 0);
    QVERIFY(!s.constantById(1)->value(de).assigned);
    QCOMPARE(s.constantById(1)->value(0).text, QStringLiteral("Access level"));
}

QTEST_GUILESS_MAIN(TestLangStore)
#include "tst_langstore.moc"
