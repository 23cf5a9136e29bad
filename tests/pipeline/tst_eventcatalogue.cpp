#include "pipeline/eventcatalogue.h"
#include "localization/texts.h"

#include <QtTest>

#include <memory>

#include <climits>

using namespace pipeline;
using namespace Qt::StringLiterals;

class TestEventCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void catalogueIsOrderedAndComplete();
    void bisectionFindsEveryCodeAndNoOther();
    void catalogueEntries_data();
    void catalogueEntries();
    void retranslateKeepsTable();
    void translatedOpenCloseKeepsTheStateWord();

    void eventGroupOf_data();
    void eventGroupOf();
    void eventGroupNames();

    void eventType_data();
    void eventType();
    void stateWords();

    void description_data();
    void description();

    void dateToOrderedText_data();
    void dateToOrderedText();

    void decode_data();
    void decode();
    void decodeRejectsNonNumericField_data();
    void decodeRejectsNonNumericField();
};

void TestEventCatalogue::catalogueIsOrderedAndComplete()
{
    const EventCatalogueTable &table = EventCatalogue();
    QCOMPARE(int(table.size()), 66);
    QCOMPARE(table.front().Code, 100);
    QCOMPARE(table.back().Code, 999);
    for (int i = 0; i < EventCatalogueSize; ++i) {
        const TEventCodes &e = table[i];
        if (i > 0)
            QVERIFY2(table[i - 1].Code < e.Code, qPrintable(QString::number(e.Code)));
        QVERIFY2(!e.Text.isEmpty(), qPrintable(QString::number(e.Code)));
        QVERIFY(e.EventKind <= 3);
        QVERIFY(e.EventGroup >= 1 && e.EventGroup <= 7);
        QVERIFY(e.DefaultPriority >= 1 && e.DefaultPriority <= 4);
        QVERIFY(e.DefaultAlmAction <= 2);
        QVERIFY(e.DefaultResAction <= 2);
    }
}

void TestEventCatalogue::bisectionFindsEveryCodeAndNoOther()
{
    const EventCatalogueTable &table = EventCatalogue();
    QSet<int> codes;
    for (const TEventCodes &e : table)
        codes.insert(e.Code);

    for (int i = 0; i < EventCatalogueSize; ++i) {
        const int code = table[i].Code;
        QCOMPARE(EventCatalogueIndexOf(code), i);
        for (int neighbour : {code - 1, code + 1}) {
            if (!codes.contains(neighbour))
                QCOMPARE(EventCatalogueIndexOf(neighbour), -1);
        }
    }
    for (int outside : {INT_MIN, -100, 0, 99, 1000, INT_MAX})
        QCOMPARE(EventCatalogueIndexOf(outside), -1);
}

void TestEventCatalogue::catalogueEntries_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("priority");
    QTest::addColumn<int>("almAction");
    QTest::addColumn<int>("resAction");

    // First and last entries, every kind and group, the odd defaults and the
    // spellings the station has always stored.
    QTest::newRow("100 Medical") << 100 << u"Medical"_s << 1 << 1 << 1 << 2 << 1;
    QTest::newRow("121 Duress") << 121 << u"Duress"_s << 2 << 1 << 1 << 2 << 1;
    QTest::newRow("137 Tamper") << 137 << u"Tamper"_s << 1 << 6 << 2 << 2 << 1;
    QTest::newRow("144 Zone Tamper") << 144 << u"Zone Tamper"_s << 0 << 6 << 2 << 2 << 1;
    QTest::newRow("151 Gas Very High") << 151 << u"Gas Detected"_s << 1 << 2 << 1 << 2 << 1;
    QTest::newRow("306 notice") << 306 << u"Panel Prog. Changed"_s << 3 << 5 << 2 << 2 << 1;
    QTest::newRow("350 polling") << 350 << u"Communication Failure (Polling)"_s << 0 << 5 << 2 << 2
                                 << 1;
    QTest::newRow("355 spelling") << 355 << u"Loss of Radio Supervsion"_s << 0 << 5 << 2 << 2 << 1;
    QTest::newRow("384") << 384 << u"RF xmitter low Battery"_s << 1 << 5 << 2 << 2 << 1;
    QTest::newRow("400") << 400 << u"Open/Close"_s << 2 << 3 << 4 << 1 << 1;
    QTest::newRow("401") << 401 << u"Open/Close by User"_s << 2 << 3 << 4 << 1 << 1;
    QTest::newRow("409 zone") << 409 << u"Open/Close by Keyswitch"_s << 1 << 3 << 4 << 1 << 1;
    QTest::newRow("422 user maint") << 422 << u"Door Access"_s << 2 << 5 << 4 << 1 << 1;
    QTest::newRow("451") << 451 << u"Early Opening"_s << 2 << 3 << 4 << 1 << 1;
    QTest::newRow("453 prompts") << 453 << u"Failed to Open"_s << 2 << 3 << 4 << 2 << 1;
    QTest::newRow("454 spelling") << 454 << u"Failed to Closed"_s << 2 << 3 << 4 << 2 << 1;
    QTest::newRow("570 omit") << 570 << u"Zone Bypass"_s << 1 << 4 << 4 << 1 << 1;
    QTest::newRow("601 test") << 601 << u"Manual Test Call"_s << 3 << 7 << 4 << 1 << 1;
    QTest::newRow("607 test plain") << 607 << u"Walk Test Mode"_s << 0 << 7 << 4 << 1 << 1;
    QTest::newRow("623 percent") << 623 << u"Event Log 90% Full"_s << 3 << 5 << 4 << 1 << 1;
    QTest::newRow("628") << 628 << u"Program Mode Exit"_s << 3 << 5 << 4 << 1 << 1;
    QTest::newRow("999") << 999 << u"Communication Exception"_s << 0 << 5 << 2 << 2 << 1;
}

void TestEventCatalogue::catalogueEntries()
{
    QFETCH(int, code);
    const int index = EventCatalogueIndexOf(code);
    QVERIFY(index >= 0);
    const TEventCodes &e = EventCatalogue()[index];
    QTEST(e.Text, "text");
    QTEST(int(e.EventKind), "kind");
    QTEST(int(e.EventGroup), "group");
    QTEST(int(e.DefaultPriority), "priority");
    QTEST(int(e.DefaultAlmAction), "almAction");
    QTEST(int(e.DefaultResAction), "resAction");
}

void TestEventCatalogue::retranslateKeepsTable()
{
    const EventCatalogueTable &before = EventCatalogue();
    const TEventCodes *firstEntry = &before[0];
    RetranslateEventCatalogue();
    QCOMPARE(&EventCatalogue()[0], firstEntry);
    QCOMPARE(EventCatalogue()[0].Text, u"Medical"_s);
    QCOMPARE(BuildEventDescription(130, 1, 5, u"Ground Floor"_s, {}),
             u"Ground Floor: Burglary Alarm - Zone 005"_s);
}

void TestEventCatalogue::translatedOpenCloseKeepsTheStateWord()
{
    // A catalogue read in Hungarian: the user-kind "Open/Close" names carry
    // the translated group word, which gives way to the state word.
    auto table = std::make_shared<loc::TextTable>();
    table->insert(u"Open/Close"_s, u"Nyit\u00E1s/z\u00E1r\u00E1s"_s);
    table->insert(u"Open/Close by User"_s, u"Nyit\u00E1s/z\u00E1r\u00E1s felhaszn\u00E1l\u00F3 \u00E1ltal"_s);
    table->insert(u"Opened"_s, u"Nyitva"_s);
    loc::setTextTable(table);
    RetranslateEventCatalogue();
    const QString text = BuildEventDescription(401, 2, 3, u"A1"_s, {});
    loc::setTextTable(nullptr);
    RetranslateEventCatalogue();
    QCOMPARE(text, u"A1: Nyitva  felhaszn\u00E1l\u00F3 \u00E1ltal 003"_s);
}

void TestEventCatalogue::eventGroupOf_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("group");
    QTest::newRow("123 priority") << 123 << 1;
    QTest::newRow("124 unknown") << 124 << 2;
    QTest::newRow("130 standard") << 130 << 2;
    QTest::newRow("383 tamper") << 383 << 6;
    QTest::newRow("401 open/close") << 401 << 3;
    QTest::newRow("573 omit") << 573 << 4;
    QTest::newRow("602 test") << 602 << 7;
    QTest::newRow("999 maintenance") << 999 << 5;
    QTest::newRow("0 unknown") << 0 << 2;
    QTest::newRow("negative unknown") << -1 << 2;
    QTest::newRow("1000 unknown") << 1000 << 2;
}

void TestEventCatalogue::eventGroupOf()
{
    QFETCH(int, code);
    QTEST(EventGroupOf(code), "group");
}

void TestEventCatalogue::eventGroupNames()
{
    const QStringList expected = {
        u"Priority Alarm"_s, u"Standard Alarm"_s, u"Open/Close"_s, u"Omit/Unomit"_s,
        u"Maintenance"_s,    u"Tamper"_s,         u"Test"_s};
    for (int group = 1; group <= 7; ++group)
        QCOMPARE(EventGroupName(group), expected.at(group - 1));
    QVERIFY(EventGroupName(0).isEmpty());
    QVERIFY(EventGroupName(8).isEmpty());
}

void TestEventCatalogue::eventType_data()
{
    QTest::addColumn<QChar>("qualifier");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("type");
    QTest::newRow("E 130") << QChar(u'E') << 130 << 1;
    QTest::newRow("E 399") << QChar(u'E') << 399 << 1;
    QTest::newRow("E 400") << QChar(u'E') << 400 << 2;
    QTest::newRow("E 499") << QChar(u'E') << 499 << 2;
    QTest::newRow("E 500") << QChar(u'E') << 500 << 1;
    QTest::newRow("R 130") << QChar(u'R') << 130 << 3;
    QTest::newRow("R 400") << QChar(u'R') << 400 << 4;
    QTest::newRow("R 499") << QChar(u'R') << 499 << 4;
    QTest::newRow("R 500") << QChar(u'R') << 500 << 3;
    QTest::newRow("lower-case e is not E") << QChar(u'e') << 401 << 4;
    QTest::newRow("other character") << QChar(u'X') << 130 << 3;
}

void TestEventCatalogue::eventType()
{
    QFETCH(QChar, qualifier);
    QFETCH(int, code);
    QTEST(EventTypeOf(qualifier, code), "type");
}

void TestEventCatalogue::stateWords()
{
    QCOMPARE(StateWord(1), u"Alarm"_s);
    QCOMPARE(StateWord(2), u"Opened"_s);
    QCOMPARE(StateWord(3), u"Restore"_s);
    QCOMPARE(StateWord(4), u"Closed"_s);
    QVERIFY(StateWord(0).isEmpty());
    QVERIFY(StateWord(5).isEmpty());
}

void TestEventCatalogue::description_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("expected");

    const QString gf = u"Ground Floor"_s;
    const QString a1 = u"Area 01"_s;
    const QString sys = u"System"_s;

    // Codes outside the catalogue.
    QTest::newRow("unknown 124") << 124 << 1 << 5 << a1 << u"Bob"_s << u"Unknown Event Code 124"_s;
    QTest::newRow("unknown padded")
        << 7 << 1 << 0 << a1 << QString() << u"Unknown Event Code 007"_s;
    QTest::newRow("unknown negative")
        << -5 << 3 << 0 << a1 << QString() << u"Unknown Event Code -005"_s;
    QTest::newRow("unknown 4 digits")
        << 1234 << 1 << 0 << a1 << QString() << u"Unknown Event Code 1234"_s;

    // Zone kind.
    QTest::newRow("zone alarm with text")
        << 130 << 1 << 5 << gf << u"Front Door"_s
        << u"Ground Floor: Burglary Alarm - Zone 005 (Front Door)"_s;
    QTest::newRow("zone alarm no text")
        << 130 << 1 << 5 << gf << QString() << u"Ground Floor: Burglary Alarm - Zone 005"_s;
    QTest::newRow("zone alarm number 0")
        << 130 << 1 << 0 << gf << QString() << u"Ground Floor: Burglary Alarm"_s;
    QTest::newRow("zone restore with text")
        << 130 << 3 << 5 << gf << u"Front Door"_s
        << u"Ground Floor: Burglary Restore - Zone 005 (Front Door)"_s;
    QTest::newRow("zone restore no text")
        << 130 << 3 << 5 << gf << QString() << u"Ground Floor: Burglary Restore - Zone 005"_s;
    QTest::newRow("zone restore number 0")
        << 130 << 3 << 0 << gf << QString() << u"Ground Floor: Burglary Restore"_s;
    QTest::newRow("zone number 0 with text")
        << 130 << 1 << 0 << gf << u"Front Door"_s
        << u"Ground Floor: Burglary Alarm - Zone 000 (Front Door)"_s;
    QTest::newRow("zone negative number")
        << 130 << 1 << -1 << gf << QString() << u"Ground Floor: Burglary Alarm"_s;
    QTest::newRow("zone negative with text")
        << 130 << 1 << -7 << gf << u"Door"_s
        << u"Ground Floor: Burglary Alarm - Zone -007 (Door)"_s;
    QTest::newRow("zone keeps Open/Close")
        << 409 << 2 << 4 << a1 << QString()
        << u"Area 01: Open/Close by Keyswitch Opened - Zone 004"_s;
    QTest::newRow("zone closed") << 457 << 4 << 12 << a1 << u"Hall"_s
                                 << u"Area 01: Exit Error Closed - Zone 012 (Hall)"_s;

    // Plain kind: state word only for alarm and restore.
    QTest::newRow("plain alarm") << 301 << 1 << 0 << sys << QString() << u"System: AC Fail Alarm"_s;
    QTest::newRow("plain restore")
        << 301 << 3 << 0 << sys << QString() << u"System: AC Fail Restore"_s;
    QTest::newRow("plain opened") << 403 << 2 << 0 << a1 << QString()
                                  << u"Area 01: Open/Close (Timed/Auto)"_s;
    QTest::newRow("plain closed") << 403 << 4 << 9 << a1 << u"Bob"_s
                                  << u"Area 01: Open/Close (Timed/Auto)"_s;
    QTest::newRow("plain ignores number and text")
        << 144 << 1 << 9 << a1 << u"Bob"_s << u"Area 01: Zone Tamper Alarm"_s;

    // User kind with "Open/Close": T' keeps the following blank.
    QTest::newRow("401 opened with user")
        << 401 << 2 << 3 << a1 << u"Bob"_s << u"Area 01: Opened  by User 003 (Bob)"_s;
    QTest::newRow("401 closed no user")
        << 401 << 4 << 3 << a1 << QString() << u"Area 01: Closed  by User 003"_s;
    QTest::newRow("401 number 0") << 401 << 2 << 0 << a1 << u"Bob"_s
                                  << u"Area 01:  by User Opened"_s;
    QTest::newRow("400 closed no user")
        << 400 << 4 << 2 << a1 << QString() << u"Area 01: Closed  002"_s;
    QTest::newRow("400 opened with user")
        << 400 << 2 << 2 << a1 << u"Bob"_s << u"Area 01: Opened  002 (Bob)"_s;
    QTest::newRow("400 number 0") << 400 << 4 << 0 << a1 << QString() << u"Area 01:  Closed"_s;
    QTest::newRow("401 wide user number")
        << 401 << 2 << 1234 << a1 << QString() << u"Area 01: Opened  by User 1234"_s;

    // User kind without "Open/Close".
    QTest::newRow("406 with user")
        << 406 << 2 << 3 << a1 << u"Bob"_s << u"Area 01: Alarm Cancelled by User 003 (Bob)"_s;
    QTest::newRow("406 no user") << 406 << 2 << 3 << a1 << QString()
                                 << u"Area 01: Alarm Cancelled by User 003"_s;
    QTest::newRow("406 number 0 ignores text")
        << 406 << 2 << 0 << a1 << u"Bob"_s << u"Area 01: Alarm Cancelled"_s;
    QTest::newRow("121 duress alarm")
        << 121 << 1 << 7 << a1 << QString() << u"Area 01: Duress by User 007"_s;
    QTest::newRow("454 negative user")
        << 454 << 1 << -2 << a1 << QString() << u"Area 01: Failed to Closed by User -002"_s;

    // Notice kind: no number, no state word.
    for (int type = 1; type <= 4; ++type) {
        QTest::addRow("627 type %d", type)
            << 627 << type << 5 << sys << u"Eng"_s << u"System: Program Mode Entry"_s;
    }
    QTest::newRow("notice keeps percent")
        << 623 << 1 << 0 << sys << QString() << u"System: Event Log 90% Full"_s;

    // Area and identifier texts are inserted as they stand.
    QTest::newRow("percent in texts")
        << 130 << 1 << 5 << u"100%s"_s << u"%.3d"_s << u"100%s: Burglary Alarm - Zone 005 (%.3d)"_s;
    QTest::newRow("empty area") << 301 << 1 << 0 << QString() << QString() << u": AC Fail Alarm"_s;
}

void TestEventCatalogue::description()
{
    QFETCH(int, code);
    QFETCH(int, type);
    QFETCH(int, number);
    QFETCH(QString, area);
    QFETCH(QString, id);
    QTEST(BuildEventDescription(code, type, number, area, id), "expected");
}

void TestEventCatalogue::dateToOrderedText_data()
{
    QTest::addColumn<QString>("order");
    QTest::addColumn<bool>("dateOnly");
    QTest::addColumn<QDateTime>("value");
    QTest::addColumn<QString>("expected");

    const QDateTime dec8(QDate(2013, 12, 8), QTime(14, 5, 3));
    QTest::newRow("mdy") << u"mdy"_s << false << dec8 << u"12/8/2013 14:5:3"_s;
    QTest::newRow("dmy") << u"dmy"_s << false << dec8 << u"8/12/2013 14:5:3"_s;
    QTest::newRow("ymd") << u"ymd"_s << false << dec8 << u"2013/12/8 14:5:3"_s;
    QTest::newRow("ydm") << u"ydm"_s << false << dec8 << u"2013/8/12 14:5:3"_s;
    QTest::newRow("myd") << u"myd"_s << false << dec8 << u"12/2013/8 14:5:3"_s;
    QTest::newRow("dym") << u"dym"_s << false << dec8 << u"8/2013/12 14:5:3"_s;
    QTest::newRow("other order") << u"xyz"_s << false << dec8 << u"12/8/2013 14:5:3"_s;
    QTest::newRow("empty order") << QString() << false << dec8 << u"12/8/2013 14:5:3"_s;
    QTest::newRow("upper case is other") << u"DMY"_s << false << dec8 << u"12/8/2013 14:5:3"_s;
    QTest::newRow("dmy date only") << u"dmy"_s << true << dec8 << u"8/12/2013"_s;
    QTest::newRow("mdy date only") << u"mdy"_s << true << dec8 << u"12/8/2013"_s;
    QTest::newRow("midnight") << u"ymd"_s << false << QDateTime(QDate(2024, 1, 2), QTime(0, 0, 0))
                              << u"2024/1/2 0:0:0"_s;
    QTest::newRow("late evening") << u"dmy"_s << false
                                  << QDateTime(QDate(1999, 10, 31), QTime(23, 59, 59, 999))
                                  << u"31/10/1999 23:59:59"_s;
}

void TestEventCatalogue::dateToOrderedText()
{
    QFETCH(QString, order);
    QFETCH(bool, dateOnly);
    QFETCH(QDateTime, value);
    QTEST(DateToOrderedText(order, dateOnly, value), "expected");
}

void TestEventCatalogue::decode_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("messageType");
    QTest::addColumn<QString>("account");
    QTest::addColumn<QChar>("qualifier");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("number");

    QTest::newRow("burglary") << u"181234E13001005"_s << u"18"_s << u"1234"_s << QChar(u'E') << 130
                              << 1 << 5;
    QTest::newRow("restore") << u"181234R13001005"_s << u"18"_s << u"1234"_s << QChar(u'R') << 130
                             << 1 << 5;
    QTest::newRow("closing system")
        << u"98A1B2R40100999"_s << u"98"_s << u"A1B2"_s << QChar(u'R') << 401 << 0 << 999;
    QTest::newRow("account text kept")
        << u"18 0 1E60200000"_s << u"18"_s << u" 0 1"_s << QChar(u'E') << 602 << 0 << 0;
    QTest::newRow("message type not examined")
        << u"xx1234E13001005"_s << u"xx"_s << u"1234"_s << QChar(u'E') << 130 << 1 << 5;
    QTest::newRow("signed number")
        << u"181234E130-1-05"_s << u"18"_s << u"1234"_s << QChar(u'E') << 130 << -1 << -5;
    QTest::newRow("trailing data ignored")
        << u"181234E13001005XYZ"_s << u"18"_s << u"1234"_s << QChar(u'E') << 130 << 1 << 5;
}

void TestEventCatalogue::decode()
{
    QFETCH(QString, data);
    EventMessageError error;
    const std::optional<EventMessage> message = DecodeEventMessage(data, &error);
    QVERIFY(message.has_value());
    QTEST(message->messageType, "messageType");
    QTEST(message->account, "account");
    QTEST(message->qualifier, "qualifier");
    QTEST(message->code, "code");
    QTEST(message->group, "group");
    QTEST(message->number, "number");
}

void TestEventCatalogue::decodeRejectsNonNumericField_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("fieldText");

    const int code = int(EventMessageField::Code);
    const int group = int(EventMessageField::Group);
    const int number = int(EventMessageField::Number);
    QTest::newRow("letter in code") << u"181234E1X001005"_s << code << u"1X0"_s;
    QTest::newRow("blank in group") << u"181234E130 1005"_s << group << u" 1"_s;
    QTest::newRow("hex in number") << u"181234E130010x5"_s << number << u"0x5"_s;
    QTest::newRow("double sign") << u"181234E13001--5"_s << number << u"--5"_s;
    QTest::newRow("sign only") << u"181234E13001-"_s << number << u"-"_s;
    QTest::newRow("code before number") << u"181234EABC01XYZ"_s << code << u"ABC"_s;
    QTest::newRow("short message") << u"181234E13001"_s << number << QString();
    QTest::newRow("empty message") << QString() << code << QString();
    QTest::newRow("non-ASCII digit") << u"181234E1\u0663001005"_s << code << u"1\u06630"_s;
}

void TestEventCatalogue::decodeRejectsNonNumericField()
{
    QFETCH(QString, data);
    QFETCH(int, field);
    QFETCH(QString, fieldText);

    EventMessageError error;
    QVERIFY(!DecodeEventMessage(data, &error).has_value());
    QCOMPARE(int(error.field), field);
    QCOMPARE(error.text, u"'%1' is not a valid integer value"_s.arg(fieldText));
    QVERIFY(!DecodeEventMessage(data).has_value()); // error report is optional
}

QTEST_GUILESS_MAIN(TestEventCatalogue)
#include "tst_eventcatalogue.moc"
