// The one rule that fills the places of the program's translatable texts.
#include "localization/format.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

struct Row
{
    const char *name;
    QString format;
    QVariantList args; // QString, int or qlonglong
    QString text;
};

// Every format the program fills, with arguments as its callers pass them,
// and the rule's corners.
QList<Row> rows()
{
    const qlonglong int64Min = std::numeric_limits<qlonglong>::min();
    return {
        // Console.
        {"count label", u"Very High Priority - %.3d"_s, {7}, u"Very High Priority - 007"_s},
        {"count label high", u"High Priority - %.3d"_s, {u"12"_s}, u"High Priority - 012"_s},
        {"count label medium", u"Medium Priority - %.3d"_s, {0}, u"Medium Priority - 000"_s},
        {"count label wide", u"Low Priority - %.3d"_s, {1234}, u"Low Priority - 1234"_s},
        {"operator", u"Operator: %s"_s, {u"Master"_s}, u"Operator: Master"_s},
        {"access", u"Access Options: %s"_s, {u"Edit, Add"_s}, u"Access Options: Edit, Add"_s},
        {"access empty", u"Access Options: %s"_s, {QString()}, u"Access Options: "_s},
        {"version", u"Version %s - %s"_s, {u"2.16"_s, u"Dec 2013"_s}, u"Version 2.16 - Dec 2013"_s},
        // Event descriptions.
        {"unknown code", u"Unknown Event Code %.3d"_s, {7}, u"Unknown Event Code 007"_s},
        {"no rule",
         u"%.3d %s"_s,
         {130, u"No Action for this Event"_s},
         u"130 No Action for this Event"_s},
        {"area number", u"Area %.2d"_s, {3}, u"Area 03"_s},
        {"plain",
         u"%s: %s %s"_s,
         {u"Area 01"_s, u"Burglary"_s, u"Alarm"_s},
         u"Area 01: Burglary Alarm"_s},
        {"notice",
         u"%s: %s"_s,
         {u"System"_s, u"Event Log 90% Full"_s},
         u"System: Event Log 90% Full"_s},
        {"zone named",
         u"%s: %s %s - Zone %.3d (%s)"_s,
         {u"Shop"_s, u"Fire"_s, u"Alarm"_s, 5, u"Kitchen"_s},
         u"Shop: Fire Alarm - Zone 005 (Kitchen)"_s},
        {"zone",
         u"%s: %s %s - Zone %.3d"_s,
         {u"Shop"_s, u"Fire"_s, u"Restore"_s, 12},
         u"Shop: Fire Restore - Zone 012"_s},
        {"user named",
         u"%s: %s by User %.3d (%s)"_s,
         {u"Shop"_s, u"Cancel"_s, 2, u"Anna"_s},
         u"Shop: Cancel by User 002 (Anna)"_s},
        {"user",
         u"%s: %s by User %.3d"_s,
         {u"Shop"_s, u"Cancel"_s, 2},
         u"Shop: Cancel by User 002"_s},
        {"opened named",
         u"%s: %s %s %.3d (%s)"_s,
         {u"Shop"_s, u"Opened"_s, u" by User"_s, 3, u"Bob"_s},
         u"Shop: Opened  by User 003 (Bob)"_s},
        {"opened",
         u"%s: %s %s %.3d"_s,
         {u"Shop"_s, u"Closed"_s, u" by User"_s, 3},
         u"Shop: Closed  by User 003"_s},
        {"no communication",
         u"No Communication from account %s since %s"_s,
         {u"0042"_s, u"3/7/2026 9:05:00"_s},
         u"No Communication from account 0042 since 3/7/2026 9:05:00"_s},
        {"mail subject",
         u"Acc No %s - %s"_s,
         {u"0042"_s, u"Corner Shop"_s},
         u"Acc No 0042 - Corner Shop"_s},
        // Mail.
        {"mail not configured",
         u"Emails cannot be sent as the following is not configured:\r\n\r\n%s"_s,
         {u"No Account Name defined.\r\n"_s},
         u"Emails cannot be sent as the following is not configured:\r\n\r\nNo Account Name defined.\r\n"_s},
        {"mail port",
         u"Enable to connect to SMTP Server - Please check that your anti-virus software will "
         u"allow "
         u"outbound traffic on port %d"_s,
         {587},
         u"Enable to connect to SMTP Server - Please check that your anti-virus software will "
         u"allow "
         u"outbound traffic on port 587"_s},
        // Accounts and panel files.
        {"account caption", u"Account No: %s"_s, {u"0042"_s}, u"Account No: 0042"_s},
        {"name caption", u"Name: %s"_s, {u"Corner Shop"_s}, u"Name: Corner Shop"_s},
        {"cif missing",
         u"Cannot open Customer Information file for reading the panel version.\r\nPlease check "
         u"that "
         u"%s.cif file exists."_s,
         {u"/data/shop"_s},
         u"Cannot open Customer Information file for reading the panel version.\r\nPlease check "
         u"that "
         u"/data/shop.cif file exists."_s},
        {"panel too large",
         u"%s is too large to be a panel data file.\r\nNo texts were imported."_s,
         {u"big.cvd"_s},
         u"big.cvd is too large to be a panel data file.\r\nNo texts were imported."_s},
        {"panel folder",
         u"%s is a folder, not a panel data file."_s,
         {u"dir.cvd"_s},
         u"dir.cvd is a folder, not a panel data file."_s},
        {"panel empty",
         u"%s is empty, so it holds no panel data.\r\nNo texts were imported."_s,
         {u"e.cvd"_s},
         u"e.cvd is empty, so it holds no panel data.\r\nNo texts were imported."_s},
        // Reports.
        {"history caption",
         u"Customer History: Account No %s (%s)"_s,
         {u"0042"_s, u"Corner Shop"_s},
         u"Customer History: Account No 0042 (Corner Shop)"_s},
        {"date range",
         u"Date Range: %s"_s,
         {u"1/1/2026 - 2/1/2026"_s},
         u"Date Range: 1/1/2026 - 2/1/2026"_s},
        {"not saved",
         u"The report could not be saved. %s"_s,
         {u"Disk full."_s},
         u"The report could not be saved. Disk full."_s},

        // Language files.
        {"language file missing",
         u"Language file \"%s\" is not found"_s,
         {u"app.HUN.lng"_s},
         u"Language file \"app.HUN.lng\" is not found"_s},
        {"language missing",
         u"Language \"%s\" is not found"_s,
         {u"Hungarian"_s},
         u"Language \"Hungarian\" is not found"_s},
        {"path missing",
         u"Specified path \"%s\" does not exist"_s,
         {u"/opt/lang"_s},
         u"Specified path \"/opt/lang\" does not exist"_s},
        {"language not built in",
         u"Can not load language %s from resources"_s,
         {u"German"_s},
         u"Can not load language German from resources"_s},
        {"cannot delete",
         u"Can not delete file \"%s\""_s,
         {u"a.lng"_s},
         u"Can not delete file \"a.lng\""_s},
        {"cannot write",
         u"Can not write file \"%s\""_s,
         {u"a.lng"_s},
         u"Can not write file \"a.lng\""_s},
        {"bad module",
         u"Error loading resource file \"%s\""_s,
         {u"a.HUN"_s},
         u"Error loading resource file \"a.HUN\""_s},

        // The rule's corners: a translation is made by a person and may be wrong.
        {"percent sign", u"100%% - %s"_s, {u"x"_s}, u"100% - x"_s},
        {"percent before a letter", u"%%d %s"_s, {u"x"_s}, u"%d x"_s},
        {"lone percent", u"Event Log 90% Full"_s, {}, u"Event Log 90% Full"_s},
        {"percent at the end", u"50%"_s, {}, u"50%"_s},
        {"numbered places untouched", u"Record %1 of %2"_s, {u"x"_s}, u"Record %1 of %2"_s},
        {"unknown letter", u"%x %s"_s, {u"a"_s}, u"%x a"_s},
        {"precision on text", u"%.3s|%s"_s, {u"abc"_s}, u"%.3s|abc"_s},
        {"dot without digits", u"%.d|%d"_s, {5}, u"%.d|5"_s},
        {"three digits of padding", u"%.100d|%d"_s, {5}, u"%.100d|5"_s},
        {"missing argument stays", u"%s: %s %s"_s, {u"Area 01"_s}, u"Area 01: %s %s"_s},
        {"no arguments", u"Operator: %s"_s, {}, u"Operator: %s"_s},
        {"extra arguments ignored", u"%s"_s, {u"a"_s, u"b"_s}, u"a"_s},
        {"arguments not searched", u"%s and %s"_s, {u"%s 100%"_s, u"b"_s}, u"%s 100% and b"_s},
        {"negative padded", u"%.3d"_s, {-7}, u"-007"_s},
        {"negative text padded", u"%.3d"_s, {u"-7"_s}, u"-007"_s},
        {"number as text", u"%s"_s, {42}, u"42"_s},
        {"text that is no number", u"%.3d"_s, {u"abc"_s}, u"abc"_s},
        {"large number", u"%.3d"_s, {qlonglong(5000000000)}, u"5000000000"_s},
        {"smallest number", u"%.2d"_s, {int64Min}, u"-9223372036854775808"_s},
        {"translated", u"Kezelő: %s (%.3d)"_s, {u"Ádám"_s, 4}, u"Kezelő: Ádám (004)"_s},
    };
}

QList<loc::FormatArg> toArgs(const QVariantList &values)
{
    QList<loc::FormatArg> args;
    for (const QVariant &v : values) {
        if (v.typeId() == QMetaType::Int)
            args.append(v.toInt());
        else if (v.typeId() == QMetaType::LongLong)
            args.append(qint64(v.toLongLong()));
        else
            args.append(v.toString());
    }
    return args;
}

QString unescaped(const QString &tsvText)
{
    QString out;
    for (qsizetype i = 0; i < tsvText.size(); ++i) {
        if (tsvText[i] != u'\\' || i + 1 >= tsvText.size()) {
            out += tsvText[i];
            continue;
        }
        const QChar e = tsvText[++i];
        out += e == u'r' ? QChar(u'\r') : e == u'n' ? QChar(u'\n') : e == u't' ? QChar(u'\t') : e;
    }
    return out;
}

} // namespace

class TestFormat : public QObject
{
    Q_OBJECT

private slots:
    void fills_data();
    void fills();
    void everyProgramFormatHasARow();
};

void TestFormat::fills_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QVariantList>("args");
    QTest::addColumn<QString>("text");
    for (const Row &r : rows())
        QTest::newRow(r.name) << r.format << r.args << r.text;
}

void TestFormat::fills()
{
    QFETCH(QString, format);
    QFETCH(QVariantList, args);
    QFETCH(QString, text);
    QCOMPARE(loc::format(format, toArgs(args)), text);
}

// A text with a place that the program looks up must be in the table above,
// so a new format is checked against the rule before it ships.
void TestFormat::everyProgramFormatHasARow()
{
    QFile tsv(qEnvironmentVariable("QUORVEL_SOURCE_DIR") + u"/localization/english-texts.tsv"_s);
    QVERIFY2(tsv.open(QIODevice::ReadOnly), qPrintable(tsv.fileName()));
    QSet<QString> known;
    for (const Row &r : rows())
        known.insert(r.format);
    const QRegularExpression place(u"%(\\.\\d+)?[sd]"_s);
    QStringList missing;
    const QList<QByteArray> lines = tsv.readAll().split('\n');
    for (const QByteArray &line : lines) {
        const QStringList cells = QString::fromUtf8(line).split(u'\t');
        if (cells.size() < 6 || cells[0] != u"C"_s)
            continue;
        const QString english = unescaped(cells[5]);
        if (place.match(english).hasMatch() && !known.contains(english))
            missing << english;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
}

QTEST_APPLESS_MAIN(TestFormat)
#include "tst_format.moc"
