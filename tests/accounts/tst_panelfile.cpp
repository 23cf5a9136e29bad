// The panel data file reader on generated ".cvd"/".cif" pairs: versions,
// passwords, image sizes, where each model keeps its texts, and damaged files.
#include "accounts/panelfile/panelfile.h"
#include "tools/panelfixture/panelfixture.h"

#include <QtTest>

using namespace accounts;
using panelfixture::PairSpec;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(panelfixture::PairSpec)

namespace {

const QString kCancel = u"<cancel>"_s;

PairSpec pair(int type, const char *version)
{
    PairSpec s;
    s.panelType = type;
    s.versionText = version;
    return s;
}

PairSpec shifted(int type, const char *version, quint16 key, const char *password)
{
    PairSpec s = pair(type, version);
    s.shifted = true;
    s.key = key;
    s.password = password;
    return s;
}

PairSpec poked(PairSpec s, QList<QPair<qint64, QByteArray>> pokes)
{
    s.pokes = std::move(pokes);
    return s;
}

QList<QByteArray> numbered(const char *prefix, int count)
{
    QList<QByteArray> out;
    for (int i = 0; i < count; ++i)
        out << QByteArray(prefix) + QByteArray::number(i);
    return out;
}

} // namespace

class TestPanelFile : public QObject
{
    Q_OBJECT
private slots:
    void read_data();
    void read();
};

void TestPanelFile::read_data()
{
    QTest::addColumn<PairSpec>("spec");
    QTest::addColumn<int>("accountType"); // the account's PanelType
    QTest::addColumn<QString>("answer");  // password typed, or kCancel
    QTest::addColumn<QString>("error");   // empty: the texts are read
    QTest::addColumn<int>("version");
    // "z3=text": zone 3 (from 0) reads text; "a" areas, "u" users.
    QTest::addColumn<QStringList>("expect");

    const QString dataFileError = panelmessages::dataFileError();
    const QString formatError = panelmessages::incorrectVersionFormat();
    const QString notFound = panelmessages::versionNotFound();
    const QString incomplete = panelmessages::dataFileIncomplete();

    PairSpec s = pair(3, "7.1");
    s.imageSize = 16384;
    QTest::newRow("7.1 on Sterna 24 needs 32768")
        << s << 3 << kCancel << dataFileError << -1 << QStringList();
    s = pair(3, "7.1");
    s.zones = {"Front Door", "Back Door"};
    s.users = {"Manager"};
    QTest::newRow("7.1 on Sterna 24, single zone fields")
        << s << 3 << kCancel << QString() << 7
        << QStringList{u"z0=Front Door"_s, u"z1=Back Door"_s, u"z2="_s, u"u0=Manager"_s};
    QTest::newRow("10.2 on Sterna 48")
        << poked(pair(4, "10.2"), {{384, "Old Layout      "},
                                   {416, "Kitchen         Window"},
                                   {416 + 32 * 3, "Garage"},
                                   {432 + 32 * 3, "Side Door"},
                                   {16384, "Anna"},
                                   {16384 + 8 * 5, "Bert"},
                                   {1920, "OldUser"}})
        << 4 << kCancel << QString() << 10
        << QStringList{u"z0=Kitchen Window"_s, u"z3=Garage Side Door"_s, u"u0=Anna"_s, u"u5=Bert"_s,
                       u"u1="_s};
    QTest::newRow("9.0 on Sterna 48 uses the older layout")
        << poked(pair(4, "9.0"), {{384, "Old Layout"}, {1920, "OldUser"}}) << 4 << kCancel
        << QString() << 9 << QStringList{u"z0=Old Layout "_s, u"u0=OldUser"_s};
    QTest::newRow("12. is version 12")
        << poked(pair(8, "12."), {{21504, "Loading Bay"}}) << 8 << kCancel << QString() << 12
        << QStringList{u"z0=Loading Bay "_s};
    QTest::newRow("Tavir 24 below version 2")
        << poked(pair(8, "1.9"), {{416, "Porch"}}) << 8 << kCancel << QString() << 1
        << QStringList{u"z0=Porch "_s};
    QTest::newRow("A.3 is no version")
        << pair(3, "A.3") << 3 << kCancel << formatError << -1 << QStringList();
    QTest::newRow("1A. is no version")
        << pair(3, "1A.") << 3 << kCancel << formatError << -1 << QStringList();

    s = shifted(0, "3.4", 3, "Secret");
    s.zones = {"Till"};
    QTest::newRow("shifted by 3, right password")
        << s << 0 << u"Secret"_s << QString() << 3 << QStringList{u"z0=Till"_s};
    QTest::newRow("shifted by 3, wrong password")
        << s << 0 << u"secret"_s << panelmessages::invalidPassword() << -1 << QStringList();
    QTest::newRow("shifted, password cancelled")
        << s << 0 << kCancel << notFound << -1 << QStringList();
    QTest::newRow("shifted, only the key's low byte counts")
        << shifted(5, "10.0", 0x0103, "pw") << 5 << u"pw"_s << QString() << 10 << QStringList();
    QTest::newRow("shift key 0") << shifted(0, "7", 0, "") << 0 << u""_s << notFound << -1
                                 << QStringList();
    QTest::newRow("shifted text without a full stop")
        << shifted(0, "71", 3, "pw") << 0 << u"pw"_s << notFound << -1 << QStringList();
    QTest::newRow("shifted text not a number")
        << shifted(0, "x.1", 3, "pw") << 0 << u"pw"_s << formatError << -1 << QStringList();
    QTest::newRow("shifted version beyond a byte")
        << shifted(0, "300.1", 3, "pw") << 0 << u"pw"_s << formatError << -1 << QStringList();
    s = shifted(0, "3.4", 3, "pw");
    s.cifSize = 400;
    QTest::newRow("shifted, record incomplete")
        << s << 0 << u"pw"_s << notFound << -1 << QStringList();
    QTest::newRow("password length past the record")
        << shifted(0, "3.4", 3, QByteArray(100, 'p').constData()) << 0 << QString(100, u'p')
        << notFound << -1 << QStringList();

    s = pair(6, "7.1");
    s.users = numbered("U", 200);
    QTest::newRow("Sterna 168 version 7 names 100 users")
        << s << 6 << kCancel << QString() << 7
        << QStringList{u"u0=U0"_s, u"u99=U99"_s, u"u100="_s, u"u199="_s};
    s = pair(6, "8.0");
    s.users = numbered("U", 200);
    QTest::newRow("Sterna 168 version 8 names all")
        << s << 6 << kCancel << QString() << 8 << QStringList{u"u150=U150"_s};
    QTest::newRow("Tavir 640 areas at the odd offset 41489")
        << poked(pair(12, "3.0"), {{41488, "XGround Floor"}, {41489 + 16 * 2, "Loft"}}) << 12
        << kCancel << QString() << 3 << QStringList{u"a0=Ground Floor"_s, u"a2=Loft"_s};
    s = pair(7, "8.0");
    s.zones = {"Warehouse Roller Shutter"};
    s.areas = {"Yard"};
    s.users = {"Guard"};
    QTest::newRow("Sterna 640 version 8")
        << s << 7 << kCancel << QString() << 8
        << QStringList{u"z0=Warehouse Roller Shutter"_s, u"z1= "_s, u"a0=Yard"_s, u"u0=Guard"_s};
    QTest::newRow("two empty parts make one space")
        << pair(7, "7.0") << 7 << kCancel << QString() << 7 << QStringList{u"z5= "_s};
    QTest::newRow("trailing controls trimmed, cut at a zero byte")
        << poked(pair(1, "4.2"),
                 {{0, "Office\x01\x1f \t"}, {16, QByteArray("Off\0ice", 7)}, {32, "Caf\xe9 \x80"}})
        << 1 << kCancel << QString() << 4
        << QStringList{u"z0=Office"_s, u"z1=Off"_s, u"z2=Café €"_s};
    QTest::newRow("zero byte in the first part cuts the zone text")
        << poked(pair(13, "2.0"), {{21504, QByteArray("Rear\0xx", 7)}, {21520, "Door"}}) << 13
        << kCancel << QString() << 2 << QStringList{u"z0=Rear"_s};

    s = pair(0, "5.0");
    s.zones = {"Front Door"};
    s.headerValid = false;
    QTest::newRow("header fails its check")
        << s << 0 << kCancel << panelmessages::headerDamaged() << -1 << QStringList();
    s = pair(0, "5.0");
    s.cvdCut = 1;
    QTest::newRow("image one byte short") << s << 0 << kCancel << incomplete << -1 << QStringList();
    s.cvdCut = 16384 + 10;
    QTest::newRow("header cut short") << s << 0 << kCancel << incomplete << -1 << QStringList();
    s = pair(0, "5.0");
    s.cifSize = 341;
    QTest::newRow("cif cut before the version")
        << s << 0 << kCancel << panelmessages::cifIncomplete() << -1 << QStringList();
    QTest::newRow("unknown panel type")
        << pair(0, "5.0") << 14 << kCancel << dataFileError << -1 << QStringList();
    QTest::newRow("wrong panel type on the account")
        << pair(2, "5.0") << 0 << kCancel << dataFileError << -1 << QStringList();
}

void TestPanelFile::read()
{
    QFETCH(PairSpec, spec);
    QFETCH(int, accountType);
    QFETCH(QString, answer);
    QFETCH(QString, error);
    QFETCH(int, version);
    QFETCH(QStringList, expect);

    const panelfixture::Pair files = panelfixture::build(spec);
    PanelFileRequest request;
    request.panelType = accountType;
    request.options = ImportZoneText | ImportAreaText | ImportUserNames;
    request.zoneCount = 640;
    request.areaCount = 64;
    request.userCount = 200;
    int asked = 0;
    request.askPassword = [&](QString &password) {
        ++asked;
        if (answer == kCancel)
            return false;
        password = answer;
        return true;
    };
    const PanelFileResult result = readPanelFile(files.cvd, files.cif, request);
    QCOMPARE(result.error, error);
    // Only a shifted version text asks for the password.
    QCOMPARE(asked > 0, spec.shifted && spec.key != 0 && spec.cifSize >= 560);
    if (!error.isEmpty()) {
        QVERIFY(result.zones.isEmpty() && result.areas.isEmpty() && result.users.isEmpty());
        return;
    }
    QCOMPARE(result.version, version);
    QCOMPARE(result.zones.size(), 640);
    QCOMPARE(result.users.size(), 200);
    QCOMPARE(result.areas.size(), accountType > 3 ? 64 : 0);
    for (const QString &e : std::as_const(expect)) {
        const qsizetype eq = e.indexOf(u'=');
        const QChar kind = e[0];
        const int i = e.mid(1, eq - 1).toInt();
        const QStringList &list = kind == u'z'   ? result.zones
                                  : kind == u'a' ? result.areas
                                                 : result.users;
        QCOMPARE(list.value(i), e.mid(eq + 1));
    }
}

QTEST_GUILESS_MAIN(TestPanelFile)
#include "tst_panelfile.moc"
