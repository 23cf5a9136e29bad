// The language tool: texts found in sources, identifiers and versions kept
// across builds, and translations through Qt Linguist files.
#include "catalogue.h"
#include "linguist.h"
#include "scan.h"

#include "localization/langfile.h"
#include "localization/lzq.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace langtool;

namespace {

FoundText message(const char *unit, const char *english)
{
    FoundText t;
    t.owner = QLatin1String(unit);
    t.english = QString::fromUtf8(english);
    return t;
}

FoundText property(const char *form, const char *component, const char *path, const char *english)
{
    FoundText t;
    t.kind = FoundText::Property;
    t.owner = QLatin1String(form);
    t.component = QLatin1String(component);
    t.path = QLatin1String(path);
    t.english = QString::fromUtf8(english);
    return t;
}

const QList<FoundText> firstRelease = {
    message("receiverlink", "Receiver: Online"),
    message("receiverlink", "Receiver: Offline"),
    property("MainFrm", "", "Caption", "Quorvel Alarm Monitor"),
    property("MainFrm", "btnAction", "Caption", "Action"),
};

// A translation as a translator leaves it in Linguist: every message done.
QByteArray translateAll(QByteArray ts, std::initializer_list<std::pair<const char *, const char *>> texts)
{
    QString t = QString::fromUtf8(ts);
    for (const auto &[english, translatedUtf8] : texts) {
        const QString translated = QString::fromUtf8(translatedUtf8);
        const QString from = QStringLiteral("<source>%1</source>").arg(QString::fromUtf8(english));
        const qsizetype at = t.indexOf(from);
        const QLatin1String empty("<translation type=\"unfinished\"/>");
        const qsizetype tr = t.indexOf(empty, at);
        if (at < 0 || tr < 0)
            continue;
        t.replace(tr, empty.size(), QStringLiteral("<translation>%1</translation>").arg(translated));
    }
    return t.toUtf8();
}

QStringList texts(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *t : list)
        out.append(QString::fromUtf8(t));
    return out;
}

} // namespace

class TestLangTool : public QObject
{
    Q_OBJECT

private slots:
    void scan_data();
    void scan();
    void constantNames_data();
    void constantNames();
    void keepsIdentifiersAndRaisesVersions();
    void versionFileReadsBack();
    void linguistRoundTrip();
    void linguistReadsOurFiles();
    void linguistKeepsCarriageReturns();
};

void TestLangTool::scan_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("one literal") << QByteArray("x = loc::text(\"Alarm\");") << texts({"Alarm"});
    QTest::newRow("adjacent literals with a comment between")
        << QByteArray("loc::text(\"Received alarm events \" // why\n   \"are waiting\")")
        << texts({"Received alarm events are waiting"});
    QTest::newRow("escapes") << QByteArray(R"(loc::text("Say \"hi\"\t\x41\101\\"))")
                             << texts({"Say \"hi\"\tAA\\"});
    QTest::newRow("UTF-8") << QByteArray("loc::text(\"Riaszt\xc3\xa1s\")") << texts({"Riasztás"});
    QTest::newRow("a variable is no literal")
        << QByteArray("loc::text(s.text); loc::text(\"a\" + b); loc::text(\"Ok\")") << texts({"Ok"});
    QTest::newRow("unterminated") << QByteArray("loc::text(\"abc") << QStringList();
}

void TestLangTool::scan()
{
    QFETCH(QByteArray, source);
    QFETCH(QStringList, texts);
    QStringList found;
    for (const FoundText &t : scanSource(QStringLiteral("unit"), source)) {
        QCOMPARE(t.owner, QStringLiteral("unit"));
        found.append(t.english);
    }
    QCOMPARE(found, texts);
}

void TestLangTool::constantNames_data()
{
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("name");
    QTest::newRow("words") << QStringLiteral("No Action for this Event") << QStringLiteral("NoActionForThisEvent");
    QTest::newRow("format specifiers dropped") << QStringLiteral("%s: %s by User %.3d (%s)") << QStringLiteral("ByUser");
    QTest::newRow("leading digit") << QStringLiteral("24 Hour") << QStringLiteral("Text24Hour");
    QTest::newRow("nothing left") << QStringLiteral("%1") << QStringLiteral("Text");
}

void TestLangTool::constantNames()
{
    QFETCH(QString, english);
    QFETCH(QString, name);
    QCOMPARE(constantName(english), name);
}

void TestLangTool::keepsIdentifiersAndRaisesVersions()
{
    const Catalogue first = Catalogue::build(firstRelease, {});
    QCOMPARE(first.versions.highestConstant, 2u);
    QCOMPARE(first.versions.highestProperty, 2u);
    const loc::TLocProperty *action = first.store.property(QStringLiteral("MainFrm"), QStringLiteral("btnAction"),
                                                           QStringLiteral("Caption"));
    QVERIFY(action);
    QCOMPARE(action->value(0).version, 1);

    // Next release: a message edited, a message added, the button's text changed.
    QList<FoundText> next = firstRelease;
    next[0] = message("receiverlink", "Receiver: Connected");
    next[3].english = QStringLiteral("Action Alarm");
    next.append(message("eventprocessor", "System"));
    const Catalogue second = Catalogue::build(next, first.versions);

    const loc::TLocConstant *edited = second.store.constantById(1);
    QCOMPARE(edited->name, QStringLiteral("ReceiverOnline"));
    QCOMPARE(edited->value(0).text, QStringLiteral("Receiver: Connected"));
    QCOMPARE(edited->value(0).version, 2);
    QCOMPARE(second.store.constant(QStringLiteral("receiverlink"), QStringLiteral("ReceiverOffline"))->value(0).version,
             1);
    QCOMPARE(second.store.constant(QStringLiteral("eventprocessor"), QStringLiteral("System"))->id, 3u);

    const loc::TLocProperty *changed = second.store.property(QStringLiteral("MainFrm"), QStringLiteral("btnAction"),
                                                             QStringLiteral("Caption"));
    QCOMPARE(changed->id, action->id);
    QCOMPARE(changed->value(0).version, 2);
    QCOMPARE(changed->value(0).text, QStringLiteral("Action Alarm"));
    QCOMPARE(second.store.property(QStringLiteral("MainFrm"), {}, QStringLiteral("Caption"))->value(0).version, 1);
    QCOMPARE(second.changes.size(), 3);

    // A text dropped without a replacement retires its constant; when it
    // comes back it gets a new identifier, never the retired one.
    QList<FoundText> without = next;
    without.removeFirst();
    const Catalogue third = Catalogue::build(without, second.versions);
    QCOMPARE(third.store.constantById(1), nullptr);
    QVERIFY(third.changes.first().startsWith(QLatin1String("retired")));
    const Catalogue fourth = Catalogue::build(next, third.versions);
    QCOMPARE(fourth.store.constant(QStringLiteral("receiverlink"), QStringLiteral("ReceiverConnected"))->id, 4u);

    // Same texts again: nothing changes.
    QVERIFY(Catalogue::build(next, fourth.versions).changes.isEmpty());
}

void TestLangTool::versionFileReadsBack()
{
    QList<FoundText> found = firstRelease;
    found.append(message("eventprocessor", "Tab\there\r\nand a \\ back"));
    const Catalogue cat = Catalogue::build(found, {});
    QStringList errors;
    const VersionFile again = VersionFile::parse(cat.versions.format(), &errors);
    QVERIFY(errors.isEmpty());
    QCOMPARE(again.format(), cat.versions.format());
    QVERIFY(Catalogue::build(found, again).changes.isEmpty());

    VersionFile::parse(QStringLiteral("C\tunit\tonly three\n"), &errors);
    QCOMPARE(errors, QStringList{QStringLiteral("line 1: not understood")});
}

void TestLangTool::linguistRoundTrip()
{
    Catalogue cat = Catalogue::build(firstRelease, {});
    const QByteArray ts = exportTs(cat.store, QStringLiteral("hu_HU"));
    QVERIFY(ts.contains("<context>"));
    QVERIFY(ts.contains("<message id=\"C1\">"));
    QVERIFY(ts.contains("<extra-loc-version>1</extra-loc-version>"));

    const QByteArray done = translateAll(ts, {{"Receiver: Online", "Vevő: online"}, {"Action", "Intézkedés"}});
    Compiled c = compileTs(cat.store, done);
    QVERIFY2(c.problems.isEmpty(), qPrintable(c.problems.join(QLatin1Char('\n'))));
    QCOMPARE(c.fileName, QStringLiteral("quorvel-monitor.HUN.lng"));
    QCOMPARE(c.translated, 2);
    QVERIFY(loc::TLZQCompressor::hasHeader(c.file));
    QCOMPARE(cat.store.columnCount(), 1);

    const loc::TLangInfo info = loc::TLangFile::readHeader(c.file);
    QCOMPARE(info.format, quint16(7));
    QCOMPARE(info.language, quint16(1038));
    QCOMPARE(info.englishName, QStringLiteral("Hungarian"));
    QVERIFY(!info.native);
    const int hu = cat.store.addColumn(1038);
    loc::TLangFile::readAdditional(c.file, &cat.store, hu);
    const loc::TLocProperty *action =
        cat.store.property(QStringLiteral("MainFrm"), QStringLiteral("btnAction"), QStringLiteral("Caption"));
    QCOMPARE(action->value(hu).text, QStringLiteral("Intézkedés"));
    QCOMPARE(action->value(hu).version, 1);
    QVERIFY(!cat.store.property(QStringLiteral("MainFrm"), {}, QStringLiteral("Caption"))->value(hu).assigned);

    // The English changes: exported again over the old translation, the
    // translation stays, unfinished, made from version 1 of its source.
    QList<FoundText> next = firstRelease;
    next[3].english = QStringLiteral("Action Alarm");
    Catalogue second = Catalogue::build(next, cat.versions);
    const QByteArray merged = exportTs(second.store, QStringLiteral("hu_HU"), done);
    QVERIFY(merged.contains("<oldsource>Action</oldsource>"));
    QVERIFY(merged.contains("<extra-loc-oldversion>1</extra-loc-oldversion>"));
    QVERIFY(merged.contains("<translation>Vevő: online</translation>"));
    c = compileTs(second.store, merged);
    const int col = second.store.addColumn(1038);
    loc::TLangFile::readAdditional(c.file, &second.store, col);
    const loc::TLocProperty *stale =
        second.store.property(QStringLiteral("MainFrm"), QStringLiteral("btnAction"), QStringLiteral("Caption"));
    QCOMPARE(stale->value(col).text, QStringLiteral("Intézkedés"));
    QCOMPARE(stale->value(col).version, 1);
    QCOMPARE(stale->value(0).version, 2); // so it shows as out of date

    // A message of a text no longer in the program is reported, not taken.
    const QByteArray gone = QByteArray(done).replace("id=\"C1\"", "id=\"C99\"");
    c = compileTs(cat.store, gone);
    QCOMPARE(c.translated, 1);
    QCOMPARE(c.problems.size(), 1);
}

void TestLangTool::linguistReadsOurFiles()
{
    // Linguist's own converter reads and writes our file; what comes back
    // still compiles to the same translation.
    const QString lconvert = QStandardPaths::findExecutable(QStringLiteral("lconvert"), {QStringLiteral("/usr/lib/qt6/bin")});
    if (lconvert.isEmpty())
        QSKIP("lconvert (qt6-tools-dev-tools) is not installed");
    Catalogue cat = Catalogue::build(firstRelease, {});
    const QByteArray done =
        translateAll(exportTs(cat.store, QStringLiteral("hu_HU")), {{"Action", "Intézkedés"}});
    QTemporaryDir dir;
    QFile in(dir.filePath(QStringLiteral("in.ts")));
    QVERIFY(in.open(QIODevice::WriteOnly));
    in.write(done);
    in.close();
    const QString out = dir.filePath(QStringLiteral("out.ts"));
    QProcess p;
    p.start(lconvert, {QStringLiteral("-i"), in.fileName(), QStringLiteral("-o"), out});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    QFile back(out);
    QVERIFY(back.open(QIODevice::ReadOnly));
    const Compiled c = compileTs(cat.store, back.readAll());
    QCOMPARE(c.translated, 1);
    const int hu = cat.store.addColumn(1038);
    loc::TLangFile::readAdditional(c.file, &cat.store, hu);
    const loc::TLocValue &v =
        cat.store.property(QStringLiteral("MainFrm"), QStringLiteral("btnAction"), QStringLiteral("Caption"))->value(hu);
    QCOMPARE(v.text, QStringLiteral("Intézkedés"));
    QCOMPARE(v.version, 1); // the version element survived Linguist
}

void TestLangTool::linguistKeepsCarriageReturns()
{
    // A message box text with "\r\n" goes out to the translator and back
    // unchanged, and exported again over its translation it is not taken
    // for a changed text.
    const QList<FoundText> found = {message("operatormenu", "Shut down?\r\n\r\nNow?")};
    Catalogue cat = Catalogue::build(found, {});
    const QByteArray ts = exportTs(cat.store, QStringLiteral("hu_HU"));
    QVERIFY(!ts.contains('\r'));
    const QByteArray done = QByteArray(ts).replace(
        "<translation type=\"unfinished\"/>", "<translation>Le&#13;\n&#13;\nMost?</translation>");

    const QByteArray again = exportTs(cat.store, QStringLiteral("hu_HU"), done);
    QVERIFY2(!again.contains("unfinished") && !again.contains("oldsource"), again.constData());

    const Compiled c = compileTs(cat.store, again);
    QCOMPARE(c.translated, 1);
    const int hu = cat.store.addColumn(1038);
    loc::TLangFile::readAdditional(c.file, &cat.store, hu);
    const loc::TLocItem &item = *cat.store.units().front()->constants.front();
    QCOMPARE(item.value(0).text, QStringLiteral("Shut down?\r\n\r\nNow?"));
    QCOMPARE(item.value(hu).text, QStringLiteral("Le\r\n\r\nMost?"));
    QCOMPARE(item.value(hu).version, 1);
}

QTEST_GUILESS_MAIN(TestLangTool)
#include "tst_langtool.moc"
