// First start, and what happens to a store file that is not ours.
#include "store/tdmod.h"
#include "support/recordingmessages.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace store;

namespace {

QByteArray fileHash(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// Runs SQL on a file through a private connection (a stand-in for other programs).
void runSql(const QString &path, const QStringList &statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("side"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        for (const QString &sql : statements)
            QVERIFY2(q.exec(sql), qPrintable(q.lastError().text()));
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("side"));
}

QFileDevice::Permissions groupAndOthers(const QString &path)
{
    return QFile::permissions(path) &
           (QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
            QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
}

} // namespace

class TestStoreSetup : public QObject
{
    Q_OBJECT
private slots:
    void firstStartCreatesEmptyStore();
    void existingStoreIsNeverRecreated();
    void journalOfRemovedStoreIsKeptAside();
    void foreignOrDamagedStoreIsReportedAndUntouched_data();
    void foreignOrDamagedStoreIsReportedAndUntouched();
    void movedProgramUsesDataBesideIt();
    void storeIsPrivateToItsUser_data();
    void storeIsPrivateToItsUser();
};

void TestStoreSetup::firstStartCreatesEmptyStore()
{
    QTemporaryDir program;
    RecordingMessages sink;
    TDMod dm(program.path());
    dm.PrepareAlias();
    QVERIFY(QDir(program.filePath(QStringLiteral("data"))).exists());
    QVERIFY(dm.OpenStore());
    QVERIFY(sink.all().isEmpty());
    QCOMPARE(dm.storePath(), program.filePath(QStringLiteral("data/quorvel.db")));

    QSqlQuery q = dm.database().exec(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"));
    QStringList tables;
    while (q.next())
        tables << q.value(0).toString();
    QCOMPARE(tables.join(QLatin1Char(' ')),
             QStringLiteral("Accounts Actions Areas Comms History IDs Operators Outbox Pending "
                            "Users Zones"));
    QCOMPARE(dm.tbIDs->recordCount(), 1);
    for (const char *counter : {"ActionsID", "CommsID", "HistoryID", "PendingID", "OutboxID"})
        QCOMPARE(dm.tbIDs->field(QString::fromLatin1(counter)).asInteger(), 1);
    QCOMPARE(dm.tbOperators->recordCount(), 1);
    QCOMPARE(dm.tbOperators->field(QStringLiteral("UserName")).asString(), TDMod::defaultMasterName());
    QCOMPARE(dm.tbOperators->field(QStringLiteral("Password")).asString(),
             TDMod::defaultMasterPassword());
    for (const char *right : {"Master", "EditRecords", "PrintReports", "AddRecords",
                              "DeleteRecords", "SetupComms"})
        QVERIFY(dm.tbOperators->field(QString::fromLatin1(right)).asBoolean());
    // Accounts: the fields in their stored order.
    QSqlQuery info = dm.database().exec(QStringLiteral("PRAGMA table_info(Accounts)"));
    QStringList fields;
    while (info.next())
        fields << info.value(1).toString();
    QCOMPARE(fields.first(), QStringLiteral("AccountNo"));
    QCOMPARE(fields.indexOf(QStringLiteral("KH1Pager")), fields.indexOf(QStringLiteral("NoSigTime")) + 1);
    QCOMPARE(fields.last(), QStringLiteral("CloseEX"));
    QCOMPARE(dm.database().exec(QStringLiteral("PRAGMA journal_mode")).next(), true);
}

void TestStoreSetup::existingStoreIsNeverRecreated()
{
    QTemporaryDir program;
    {
        TDMod dm(program.path());
        QVERIFY(dm.OpenStore());
        dm.tbAccounts->insert();
        dm.tbAccounts->field(QStringLiteral("AccountNo")).setValue(QStringLiteral("0001"));
        dm.tbAccounts->post();
    }
    TDMod again(program.path());
    QVERIFY(again.OpenStore());
    QCOMPARE(again.tbAccounts->recordCount(), 1);
    QCOMPARE(again.tbOperators->recordCount(), 1);
}

void TestStoreSetup::journalOfRemovedStoreIsKeptAside()
{
    QTemporaryDir program, old;
    const QString path = program.filePath(QStringLiteral("data/quorvel.db"));
    // A store stopped mid-run: its last rows are still in the journal, and
    // someone deletes only the database file.
    {
        TDMod dm(old.path());
        QVERIFY(dm.OpenStore());
        dm.database().exec(QStringLiteral("PRAGMA wal_autocheckpoint = 0"));
        dm.tbAccounts->insert();
        dm.tbAccounts->field(QStringLiteral("AccountNo")).setValue(QStringLiteral("0001"));
        dm.tbAccounts->post();
        QDir().mkpath(program.filePath(QStringLiteral("data")));
        QVERIFY(QFile::copy(dm.storePath() + QStringLiteral("-wal"), path + QStringLiteral("-wal")));
    }
    const QByteArray journal = fileHash(path + QStringLiteral("-wal"));
    QVERIFY(!journal.isEmpty());

    RecordingMessages sink;
    TDMod dm(program.path());
    dm.PrepareAlias();
    QVERIFY(dm.OpenStore());
    QVERIFY(sink.all().isEmpty());
    QCOMPARE(dm.tbAccounts->recordCount(), 0);
    QCOMPARE(dm.tbOperators->recordCount(), 1);
    const QStringList aside = QDir(program.filePath(QStringLiteral("data")))
                                  .entryList({QStringLiteral("quorvel.db-wal.orphaned-*")});
    QCOMPARE(aside.size(), 1);
    QCOMPARE(fileHash(program.filePath(QStringLiteral("data/")) + aside.first()), journal);
}

void TestStoreSetup::foreignOrDamagedStoreIsReportedAndUntouched_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("random bytes") << QStringLiteral("garbage");
    QTest::newRow("empty file") << QStringLiteral("empty");
    QTest::newRow("another program's database") << QStringLiteral("foreign");
    QTest::newRow("our store missing a table") << QStringLiteral("missing");
    QTest::newRow("our store, truncated") << QStringLiteral("truncated");
}

void TestStoreSetup::foreignOrDamagedStoreIsReportedAndUntouched()
{
    QFETCH(QString, kind);
    QTemporaryDir program;
    const QString data = program.filePath(QStringLiteral("data"));
    QDir().mkpath(data);
    const QString path = data + QStringLiteral("/quorvel.db");
    if (kind == QLatin1String("garbage") || kind == QLatin1String("empty")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        if (kind == QLatin1String("garbage")) {
            QByteArray bytes;
            for (int i = 0; i < 8192; ++i)
                bytes.append(static_cast<char>((i * 7919) % 251));
            f.write(bytes);
        }
    } else if (kind == QLatin1String("foreign")) {
        runSql(path, {QStringLiteral("CREATE TABLE songs (title TEXT)"),
                      QStringLiteral("INSERT INTO songs VALUES ('x')")});
    } else {
        {
            TDMod dm(program.path());
            QVERIFY(dm.OpenStore());
        }
        if (kind == QLatin1String("missing")) {
            runSql(path, {QStringLiteral("DROP TABLE Outbox")});
        } else {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.resize(f.size() / 2);
        }
    }
    const QByteArray before = fileHash(path);
    const QStringList besideBefore = QDir(data).entryList(QDir::Files);

    RecordingMessages sink;
    TDMod dm(program.path());
    dm.PrepareAlias();
    QVERIFY(!dm.OpenStore());
    QCOMPARE(sink.errors.size(), 1);
    QVERIFY2(sink.errors.first().startsWith(QStringLiteral("Cannot open Table, error is: ")),
             qPrintable(sink.errors.first()));
    QVERIFY(sink.errors.first().size() > QStringLiteral("Cannot open Table, error is: ").size());
    QVERIFY(!dm.tbPending->isOpen());
    QCOMPARE(fileHash(path), before);
    QCOMPARE(QDir(data).entryList(QDir::Files), besideBefore);
}

void TestStoreSetup::movedProgramUsesDataBesideIt()
{
    QTemporaryDir first, second;
    {
        TDMod dm(first.path());
        QVERIFY(dm.OpenStore());
    }
    // Moving the program folder moves its data with it.
    const QString moved = second.filePath(QStringLiteral("Quorvel"));
    QVERIFY(QDir().rename(first.path(), moved));
    TDMod dm(moved);
    QVERIFY(dm.OpenStore());
    QCOMPARE(dm.storePath(), moved + QStringLiteral("/data/quorvel.db"));
    QVERIFY(!QFile::exists(first.filePath(QStringLiteral("data/quorvel.db"))));
}

void TestStoreSetup::storeIsPrivateToItsUser_data()
{
    QTest::addColumn<bool>("older");
    QTest::newRow("new store") << false;
    QTest::newRow("older store, readable by all") << true;
}

void TestStoreSetup::storeIsPrivateToItsUser()
{
    QFETCH(bool, older);
    QTemporaryDir program;
    RecordingMessages sink;
    const QString data = program.filePath(QStringLiteral("data"));
    const QString db = program.filePath(QStringLiteral("data/quorvel.db"));
    const auto open = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                      QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (older) {
        {
            TDMod first(program.path());
            first.PrepareAlias();
            QVERIFY(first.OpenStore());
            first.database().exec(QStringLiteral("UPDATE IDs SET CommsID = 2"));
        }
        QVERIFY(QFile::setPermissions(data, open | QFileDevice::ExeOwner | QFileDevice::ExeUser |
                                                QFileDevice::ExeGroup | QFileDevice::ExeOther));
        QVERIFY(QFile::setPermissions(db, open));
        QCOMPARE(groupAndOthers(db), QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }
    TDMod dm(program.path());
    dm.PrepareAlias();
    QVERIFY(dm.OpenStore());
    dm.database().exec(QStringLiteral("UPDATE IDs SET CommsID = 3")); // the journal is written
    QVERIFY(QFileInfo::exists(db + QStringLiteral("-wal")));
    for (const QString &path : {data, db, db + QStringLiteral("-wal"), db + QStringLiteral("-shm")})
        QVERIFY2(groupAndOthers(path) == QFileDevice::Permissions(), qPrintable(path));
    QVERIFY(QFile::permissions(db) & QFileDevice::WriteOwner);
    QVERIFY(sink.all().isEmpty());
}

QTEST_GUILESS_MAIN(TestStoreSetup)
#include "tst_storesetup.moc"
