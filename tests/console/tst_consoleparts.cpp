// The console's small parts: texts with places, date formats, settings
// files and the handler boundary.
#include "station/dateformats.h"
#include "console/formattext.h"
#include "console/guarded.h"
#include "station/settings.h"
#include "store/errors.h"
#include "support/recordingmessages.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

#include <stdexcept>

using namespace console;
using namespace station;

namespace {

// The owner's, group's and others' bits (the user bits repeat the owner's).
QFileDevice::Permissions ownerGroupOther(const QString &path)
{
    return QFile::permissions(path) &
           ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
}

} // namespace

class TestConsoleParts : public QObject
{
    Q_OBJECT
private slots:
    void formatText_data();
    void formatText();
    void dateFormats_data();
    void dateFormats();
    void settingsDefaultsPerValue();
    void settingsFileIsOwnerOnly();
    void guardedHandlers();
};

void TestConsoleParts::formatText_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("text");
    QTest::newRow("operator") << "Operator: %s" << QStringList{u"Master"_s} << "Operator: Master";
    QTest::newRow("empty place") << "Access Options: %s" << QStringList{u""_s}
                                 << "Access Options: ";
    QTest::newRow("count padded") << "High Priority - %.3d" << QStringList{u"7"_s}
                                  << "High Priority - 007";
    QTest::newRow("count too wide")
        << "High Priority - %.3d" << QStringList{u"1234"_s} << "High Priority - 1234";
    QTest::newRow("two places") << "Version %s - %s" << QStringList{u"2.16"_s, u"Dec 2013"_s}
                                << "Version 2.16 - Dec 2013";
    QTest::newRow("percent in argument")
        << "Operator: %s" << QStringList{u"%s 100%"_s} << "Operator: %s 100%";
    QTest::newRow("literal percent") << "100%% - %s" << QStringList{u"x"_s} << "100% - x";
}

void TestConsoleParts::formatText()
{
    QFETCH(QString, format);
    QFETCH(QStringList, args);
    QFETCH(QString, text);
    QCOMPARE(console::formatText(format, args), text);
}

void TestConsoleParts::dateFormats_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("stamp");
    QTest::newRow("Hungarian") << 1038 << "2013/03/07 - 14:05.09"
                               << "2013/03/07 2:05:09 pm";
    QTest::newRow("English") << 9 << "7-Mar-13 - 14:05.09"
                             << "3/7/2013 2:05:09 pm";
}

void TestConsoleParts::dateFormats()
{
    QFETCH(int, language);
    QFETCH(QString, event);
    QFETCH(QString, stamp);
    const QDateTime at(QDate(2013, 3, 7), QTime(14, 5, 9));
    const DateFormats f = DateFormats::forLanguageId(language);
    QCOMPARE(DateFormats::format(at, f.eventFormat), event);
    QCOMPARE(DateFormats::format(at, f.stampFormat), stamp);
    QCOMPARE(DateFormats::forNativeName(language == 1038 ? QStringLiteral("Magyar")
                                                         : QStringLiteral("English"))
                 .eventFormat,
             f.eventFormat);
}

void TestConsoleParts::settingsDefaultsPerValue()
{
    // A file with some values: the others take their defaults.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Quorvel.ini"));
    {
        QSettings ini(path, QSettings::IniFormat);
        ini.setValue(QStringLiteral("Communication/Email Host"),
                     QStringLiteral("mail.example.net"));
        ini.setValue(QStringLiteral("Operator/LastOperator"), QStringLiteral("Clerk"));
    }
    Settings s;
    s.Read_Registry(path);
    QCOMPARE(s.Port, QStringLiteral("2000"));
    QCOMPARE(s.EmailHost, QStringLiteral("mail.example.net"));
    QCOMPARE(s.LastOperator, QStringLiteral("Clerk"));
    QCOMPARE(s.EmailSender, QString());

    // A value written by hand with commas is kept whole.
    QFile f(path);
    QVERIFY(f.open(QIODevice::Append));
    f.write("[Communication]\nEmail Sender=Alarms, Night Desk <n@example.net>\n");
    f.close();
    s.Read_Registry(path);
    QCOMPARE(s.EmailSender, QStringLiteral("Alarms, Night Desk <n@example.net>"));
}

void TestConsoleParts::settingsFileIsOwnerOnly()
{
    QTemporaryDir dir;
    RecordingMessages messages;
    // A folder that is not there yet, and a file another program left readable.
    const QString fresh = dir.filePath(QStringLiteral("new/config/Quorvel.ini"));
    const QString loose = dir.filePath(QStringLiteral("Quorvel.ini"));
    QFile l(loose);
    QVERIFY(l.open(QIODevice::WriteOnly));
    l.close();
    QVERIFY(QFile::setPermissions(loose, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ReadOther | QFileDevice::ReadGroup));
    Settings s;
    s.Read_Registry(fresh);
    s.EmailPassword = QStringLiteral("secret");
    for (const QString &path : {fresh, loose}) {
        QVERIFY(s.Write_Registry(path));
        QCOMPARE(ownerGroupOther(path), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        Settings back;
        back.Read_Registry(path);
        QCOMPARE(back.EmailPassword, QStringLiteral("secret"));
    }
    QVERIFY(messages.all().isEmpty());

    // A settings file that cannot be written is reported.
    QVERIFY(!s.Write_Registry(dir.filePath(QStringLiteral("Quorvel.ini/inside.ini"))));
    QCOMPARE(messages.errors.size(), 1);
}

void TestConsoleParts::guardedHandlers()
{
    RecordingMessages messages;
    QVERIFY(guarded([]() {}));
    QVERIFY(!guarded([]() { throw core::EAbort(); }));
    QVERIFY(messages.all().isEmpty());
    QVERIFY(!guarded([]() { throw store::EStoreError(QStringLiteral("Key violation.")); }));
    QVERIFY(!guarded([]() { throw std::runtime_error("disk full"); }));
    QCOMPARE(messages.errors,
             (QStringList{QStringLiteral("Key violation."), QStringLiteral("disk full")}));
}

QTEST_MAIN(TestConsoleParts)
#include "tst_consoleparts.moc"
