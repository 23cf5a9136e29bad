#include "store/database.h"

#include "store/errors.h"
#include "store/schema.h"

#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTimer>
#include <QScopeGuard>
#include <QUuid>

#include <sqlite3.h>

namespace store {

namespace {

QString newConnectionName()
{
    return QStringLiteral("quorvel-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QSqlDatabase openConnection(const QString &name, const QString &path, bool readOnly)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    // Our own retry loops do the waiting, so that events keep being dispatched.
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=0");
    if (readOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    return db;
}

// Checks that the file holds our eleven tables with their fields in order.
// Reads only: a file that fails the check is not touched.
void verifyStore(const QString &path)
{
    // Reading a WAL store makes SQLite create its side files; take away again
    // the empty ones this check made, so a refused file is left as it was.
    const QString wal = path + QStringLiteral("-wal"), shm = path + QStringLiteral("-shm");
    const bool hadWal = QFileInfo::exists(wal), hadShm = QFileInfo::exists(shm);
    auto tidy = qScopeGuard([&] {
        if (!hadWal && QFileInfo::exists(wal) && QFileInfo(wal).size() == 0) {
            QFile::remove(wal);
            if (!hadShm)
                QFile::remove(shm);
        }
    });
    const QString name = newConnectionName();
    {
        QSqlDatabase db = openConnection(name, path, true);
        if (!db.open()) {
            const QSqlError e = db.lastError();
            QSqlDatabase::removeDatabase(name);
            Database::throwError(e);
        }
        auto check = [&]() {
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
                Database::throwError(q.lastError());
            const int version = q.value(0).toInt();
            if (version != kSchemaVersion) {
                throw EEngineError(
                    QStringLiteral("%1 is not a Quorvel store (layout version %2, expected %3)")
                        .arg(QDir::toNativeSeparators(path))
                        .arg(version)
                        .arg(kSchemaVersion),
                    26 /* SQLITE_NOTADB */);
            }
            for (const TableDef &def : tableDefs()) {
                QSqlQuery info(db);
                if (!info.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(def.name)))
                    Database::throwError(info.lastError());
                QStringList columns;
                while (info.next())
                    columns << info.value(1).toString();
                QStringList expected;
                for (const FieldDef &f : def.fields)
                    expected << f.name;
                if (columns != expected) {
                    throw EEngineError(
                        columns.isEmpty()
                            ? QStringLiteral("Table does not exist: %1").arg(def.fileName)
                            : QStringLiteral("Table %1 has an unexpected structure").arg(def.fileName),
                        1 /* SQLITE_ERROR */);
                }
            }
            QSqlQuery ids(db);
            if (!ids.exec(QStringLiteral("SELECT COUNT(*) FROM IDs")) || !ids.next())
                Database::throwError(ids.lastError());
            if (ids.value(0).toInt() != 1)
                throw EEngineError(QStringLiteral("Table IDs.DB must hold exactly one row"), 1);
        };
        try {
            check();
        } catch (...) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            throw;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace

Database::Database() : m_connectionName(newConnectionName()) {}

Database::~Database()
{
    close();
}

void Database::open(const QString &path)
{
    close();
    if (!QFileInfo::exists(path))
        throw EEngineError(QStringLiteral("%1 does not exist").arg(QDir::toNativeSeparators(path)), 14);
    verifyStore(path);
    {
        QSqlDatabase db = openConnection(m_connectionName, path, false);
        if (!db.open()) {
            const QSqlError e = db.lastError();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connectionName);
            throwError(e);
        }
    }
    m_path = path;
    try {
        // WAL with full synchronous commits: a committed row survives a power cut.
        exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        exec(QStringLiteral("PRAGMA synchronous=FULL"));
        takeHandle();
    } catch (...) {
        close();
        throw;
    }
}

void Database::create(const QString &path, const QString &masterName,
                      const QString &masterPassword)
{
    if (QFileInfo::exists(path))
        throw EStoreError(QStringLiteral("%1 already exists").arg(QDir::toNativeSeparators(path)));
    const QString temp = path + QStringLiteral(".new");
    QFile::remove(temp);
    QFile::remove(temp + QStringLiteral("-wal"));
    QFile::remove(temp + QStringLiteral("-shm"));
    const QString name = newConnectionName();
    bool ok = false;
    QString failure;
    {
        // Made readable by this user only before anything is written to it;
        // the engine gives its journal files the same mode.
        QFile empty(temp);
        if (empty.open(QIODevice::WriteOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
            empty.close();
        QSqlDatabase db = openConnection(name, temp, false);
        if (db.open()) {
            QSqlQuery q(db);
            auto run = [&](const QString &sql, const QVariantList &values = {}) {
                if (!q.prepare(sql))
                    return false;
                for (const QVariant &v : values)
                    q.addBindValue(v);
                return q.exec();
            };
            ok = run(QStringLiteral("PRAGMA journal_mode=WAL")) && db.transaction();
            for (const TableDef &def : tableDefs()) {
                for (const QString &sql : createStatements(def))
                    ok = ok && run(sql);
            }
            ok = ok && run(QStringLiteral("INSERT INTO IDs (ActionsID, CommsID, HistoryID, "
                                          "PendingID, OutboxID) VALUES (1, 1, 1, 1, 1)"));
            ok = ok && run(QStringLiteral("INSERT INTO Operators (UserName, Password, Master, "
                                          "EditRecords, PrintReports, AddRecords, DeleteRecords, "
                                          "SetupComms) VALUES (?, ?, 1, 1, 1, 1, 1, 1)"),
                           {masterName, masterPassword});
            ok = ok && run(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
            ok = ok && db.commit();
            if (ok)
                ok = run(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
            if (!ok)
                failure = q.lastError().isValid() ? q.lastError().text() : db.lastError().text();
            q = QSqlQuery();
            db.close();
        } else {
            failure = db.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(name);
    QFile::remove(temp + QStringLiteral("-wal"));
    QFile::remove(temp + QStringLiteral("-shm"));
    // A journal left behind by a store that was removed would be replayed
    // into the new one. It is kept aside, never deleted: it may hold rows.
    const QString staleWal = path + QStringLiteral("-wal");
    if (ok && QFileInfo::exists(staleWal)) {
        const QString aside = staleWal + QStringLiteral(".orphaned-") +
                              QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmss"));
        if (!QFile::rename(staleWal, aside)) {
            ok = false;
            failure = QStringLiteral("cannot move the journal %1 aside")
                          .arg(QDir::toNativeSeparators(staleWal));
        }
    }
    if (ok)
        QFile::remove(path + QStringLiteral("-shm"));
    // rename() never replaces an existing file, so a store that appeared in
    // the meantime is left alone.
    if (ok && !QFile::rename(temp, path)) {
        ok = false;
        failure = QStringLiteral("cannot move the new store into place");
    }
    if (!ok) {
        QFile::remove(temp);
        throw EEngineError(QStringLiteral("Cannot create %1: %2")
                               .arg(QDir::toNativeSeparators(path), failure),
                           1);
    }
}

void Database::close()
{
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    // The cached statements go before their connection; one still lent out
    // refuses to run from now on.
    for (auto &copies : m_statements) {
        for (auto &entry : copies) {
            if (entry->stmt)
                sqlite3_finalize(std::exchange(entry->stmt, nullptr));
        }
    }
    m_statements.clear();
    m_handle = nullptr;
    m_prepared = m_runs = 0;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (db.isOpen()) {
            if (m_begun)
                db.rollback();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    m_depth = 0;
    m_begun = false;
    m_afterCommit.clear();
    m_rowLocks.clear();
    m_path.clear();
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(m_connectionName) &&
           QSqlDatabase::database(m_connectionName, false).isOpen();
}

QSqlDatabase Database::connection() const
{
    if (!QSqlDatabase::contains(m_connectionName))
        throw EEngineError(QStringLiteral("The store is not open"), 1);
    return QSqlDatabase::database(m_connectionName, false);
}

QSqlQuery Database::exec(const QString &sql, const QVariantList &values)
{
    ++m_prepared;
    ++m_runs;
    QSqlQuery q(connection());
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throwError(q.lastError(), sql);
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        throwError(q.lastError(), sql);
    return q;
}

QSqlQuery Database::exec(const QString &sql, const QVariantMap &named)
{
    ++m_prepared;
    ++m_runs;
    QSqlQuery q(connection());
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throwError(q.lastError(), sql);
    for (auto it = named.cbegin(); it != named.cend(); ++it)
        q.bindValue(QLatin1Char(':') + it.key(), it.value());
    if (!q.exec())
        throwError(q.lastError(), sql);
    return q;
}

// ---- Statement cache -------------------------------------------------------

void Database::takeHandle()
{
    const QVariant handle = connection().driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0 ||
        !*static_cast<sqlite3 *const *>(handle.constData()))
        throw EEngineError(QStringLiteral("The store's driver gives no engine handle"), 1);
    // The handle is only usable by the same engine library the driver uses.
    QSqlQuery q = exec(QStringLiteral("SELECT sqlite_source_id()"));
    if (!q.next() || q.value(0).toString() != QLatin1String(sqlite3_sourceid()))
        throw EEngineError(QStringLiteral("The store's driver uses another engine library (%1) "
                                          "than this program (%2)")
                               .arg(q.value(0).toString(), QLatin1String(sqlite3_sourceid())),
                           1);
    m_handle = *static_cast<sqlite3 *const *>(handle.constData());
}

namespace {

// Copies of one text kept for nested callers; beyond this they are made afresh.
constexpr std::size_t kCopiesPerText = 4;

[[noreturn]] void throwEngine(sqlite3 *db, int code)
{
    const char *message = db ? sqlite3_errmsg(db) : nullptr;
    QString text = QString::fromUtf8(message ? message : "").trimmed();
    if (text.isEmpty())
        text = QString::fromUtf8(sqlite3_errstr(code));
    throw EEngineError(text, code & 0xff);
}

// Null as the toolkit's driver binds it: no value, or a null value of a type
// that has one.
bool isNullValue(const QVariant &v)
{
    if (v.isNull())
        return true;
    switch (v.typeId()) {
    case QMetaType::QString:
        return static_cast<const QString *>(v.constData())->isNull();
    case QMetaType::QByteArray:
        return static_cast<const QByteArray *>(v.constData())->isNull();
    case QMetaType::QDateTime:
        return static_cast<const QDateTime *>(v.constData())->isNull();
    case QMetaType::QDate:
        return static_cast<const QDate *>(v.constData())->isNull();
    case QMetaType::QTime:
        return static_cast<const QTime *>(v.constData())->isNull();
    default:
        return false;
    }
}

int bindText(sqlite3_stmt *stmt, int position, const QString &text)
{
    return sqlite3_bind_text16(stmt, position, text.utf16(), int(text.size() * sizeof(QChar)),
                               SQLITE_TRANSIENT);
}

// Binds one value the way the toolkit's driver does, so that a row stored
// through a statement reads back as one stored through a cursor.
int bindValue(sqlite3_stmt *stmt, int position, const QVariant &v)
{
    if (isNullValue(v))
        return sqlite3_bind_null(stmt, position);
    switch (v.typeId()) {
    case QMetaType::QByteArray: {
        const QByteArray bytes = v.toByteArray();
        return sqlite3_bind_blob(stmt, position, bytes.constData(), int(bytes.size()),
                                 SQLITE_TRANSIENT);
    }
    case QMetaType::Int:
    case QMetaType::Bool:
        return sqlite3_bind_int(stmt, position, v.toInt());
    case QMetaType::Double:
        return sqlite3_bind_double(stmt, position, v.toDouble());
    case QMetaType::UInt:
    case QMetaType::LongLong:
        return sqlite3_bind_int64(stmt, position, v.toLongLong());
    case QMetaType::QDateTime:
        return bindText(stmt, position, v.toDateTime().toString(Qt::ISODateWithMs));
    case QMetaType::QTime:
        return bindText(stmt, position, v.toTime().toString(u"hh:mm:ss.zzz"));
    case QMetaType::QString:
        return bindText(stmt, position, *static_cast<const QString *>(v.constData()));
    default:
        return bindText(stmt, position, v.toString());
    }
}

QMetaType columnType(const char *declared)
{
    const QByteArray t = QByteArray(declared ? declared : "").toLower();
    if (t == "integer" || t == "int")
        return QMetaType::fromType<qlonglong>();
    if (t == "double" || t == "float" || t == "real" || t.startsWith("numeric"))
        return QMetaType::fromType<double>();
    if (t == "blob")
        return QMetaType::fromType<QByteArray>();
    if (t == "boolean" || t == "bool")
        return QMetaType::fromType<bool>();
    return QMetaType::fromType<QString>();
}

} // namespace

Statement Database::statement(const QString &sql)
{
    if (!m_handle)
        throw EEngineError(QStringLiteral("The store is not open"), 1);
    auto &copies = m_statements[sql];
    for (const auto &entry : copies) {
        if (!entry->leased) {
            entry->leased = true;
            return Statement(entry);
        }
    }
    auto entry = std::make_shared<Statement::Entry>();
    entry->db = m_handle;
    ++m_prepared;
    const QByteArray text = sql.toUtf8();
    const char *tail = nullptr;
    const int rc = sqlite3_prepare_v3(m_handle, text.constData(), int(text.size()) + 1,
                                      SQLITE_PREPARE_PERSISTENT, &entry->stmt, &tail);
    if (rc != SQLITE_OK) {
        m_statements.remove(sql);
        throwEngine(m_handle, rc);
    }
    if (tail && !QByteArray(tail).trimmed().isEmpty()) {
        m_statements.remove(sql);
        throw EEngineError(QStringLiteral("Unable to execute multiple statements at a time"), 1);
    }
    if (!entry->stmt) { // nothing but a comment or blanks
        m_statements.remove(sql);
        throw EEngineError(QStringLiteral("No statement to run in: %1").arg(sql), 1);
    }
    entry->values.resize(sqlite3_bind_parameter_count(entry->stmt));
    entry->leased = true;
    entry->runs = &m_runs;
    if (copies.size() < kCopiesPerText)
        copies.push_back(entry);
    return Statement(entry);
}

Statement Database::run(const QString &sql, const QVariantList &values)
{
    Statement st = statement(sql);
    st.exec(values);
    return st;
}

Statement::Entry::~Entry()
{
    if (stmt)
        sqlite3_finalize(stmt);
}

Statement::Statement(Statement &&other) noexcept : m_entry(std::move(other.m_entry)) {}

Statement &Statement::operator=(Statement &&other) noexcept
{
    if (this != &other) {
        release();
        m_entry = std::move(other.m_entry);
    }
    return *this;
}

Statement::~Statement()
{
    release();
}

void Statement::release()
{
    if (!m_entry)
        return;
    finish();
    m_entry->leased = false;
    m_entry.reset();
}

sqlite3_stmt *Statement::live() const
{
    if (!m_entry || !m_entry->stmt)
        throw EEngineError(QStringLiteral("The statement's store has been closed"), 1);
    return m_entry->stmt;
}

Statement &Statement::bind(int position, const QVariant &value)
{
    live();
    if (position >= 0 && position < m_entry->values.size())
        m_entry->values[position] = value;
    return *this;
}

Statement &Statement::bind(const QString &placeholder, const QVariant &value)
{
    const int index = sqlite3_bind_parameter_index(live(), placeholder.toUtf8().constData());
    if (index > 0)
        m_entry->values[index - 1] = value;
    return *this;
}

Statement &Statement::exec()
{
    sqlite3_stmt *stmt = live();
    if (m_entry->runs)
        ++*m_entry->runs;
    sqlite3_reset(stmt);
    m_entry->rowWaiting = m_entry->onRow = false;
    for (int i = 0; i < m_entry->values.size(); ++i) {
        const int rc = bindValue(stmt, i + 1, m_entry->values[i]);
        if (rc != SQLITE_OK)
            throwEngine(m_entry->db, rc);
    }
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW) {
        m_entry->rowWaiting = true;
    } else if (rc != SQLITE_DONE) {
        sqlite3_reset(stmt);
        throwEngine(m_entry->db, rc);
    }
    return *this;
}

Statement &Statement::exec(const QVariantList &values)
{
    live();
    if (!values.isEmpty() && values.size() != m_entry->values.size())
        throw EEngineError(QStringLiteral("Parameter count mismatch: %1 values for %2 places")
                               .arg(values.size())
                               .arg(m_entry->values.size()),
                           1);
    for (int i = 0; i < values.size(); ++i)
        m_entry->values[i] = values[i];
    return exec();
}

bool Statement::next()
{
    sqlite3_stmt *stmt = live();
    if (std::exchange(m_entry->rowWaiting, false)) {
        m_entry->onRow = true;
        return true;
    }
    if (!m_entry->onRow)
        return false;
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW)
        return true;
    m_entry->onRow = false;
    if (rc != SQLITE_DONE) {
        sqlite3_reset(stmt);
        throwEngine(m_entry->db, rc);
    }
    return false;
}

QVariant Statement::value(int column) const
{
    if (!m_entry || !m_entry->stmt || !m_entry->onRow || column < 0 ||
        column >= sqlite3_column_count(m_entry->stmt))
        return {};
    sqlite3_stmt *stmt = m_entry->stmt;
    // The toolkit driver's types: a null reads as a null text.
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt, column));
    case SQLITE_NULL:
        return QVariant(QMetaType::fromType<QString>());
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char *>(sqlite3_column_blob(stmt, column)),
                                   sqlite3_column_bytes(stmt, column)));
    default:
        return QVariant(QString(static_cast<const QChar *>(sqlite3_column_text16(stmt, column)),
                                sqlite3_column_bytes16(stmt, column) / qsizetype(sizeof(QChar))));
    }
}

qint64 Statement::lastInsertId() const
{
    return m_entry && m_entry->db ? sqlite3_last_insert_rowid(m_entry->db) : 0;
}

int Statement::rowsAffected() const
{
    return m_entry && m_entry->db ? sqlite3_changes(m_entry->db) : 0;
}

QSqlRecord Statement::record() const
{
    QSqlRecord rec;
    sqlite3_stmt *stmt = live();
    for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
        const char *name = sqlite3_column_name(stmt, i);
        rec.append(QSqlField(QString::fromUtf8(name ? name : ""),
                             columnType(sqlite3_column_decltype(stmt, i))));
    }
    return rec;
}

void Statement::finish()
{
    if (!m_entry)
        return;
    if (m_entry->stmt)
        sqlite3_reset(m_entry->stmt);
    m_entry->rowWaiting = m_entry->onRow = false;
}

void Database::ensureWriteLock(int attempts, int waitMs)
{
    if (m_begun)
        return;
    for (int attempt = 1;; ++attempt) {
        try {
            run(QStringLiteral("BEGIN IMMEDIATE"));
            m_begun = true;
            return;
        } catch (const EEngineError &e) {
            if (!e.isBusy() || attempt >= attempts)
                throw;
        }
        // Handlers that run during the wait are units of work of their own:
        // they must neither join nor be rolled back with this one.
        const int depth = m_depth;
        auto pending = std::move(m_afterCommit);
        m_depth = 0;
        m_afterCommit.clear();
        waitDispatching(waitMs);
        m_depth = depth;
        m_afterCommit = std::move(pending);
        if (m_begun)
            return;
    }
}

void Database::afterCommit(std::function<void()> fn)
{
    if (m_depth == 0)
        fn();
    else
        m_afterCommit.append(std::move(fn));
}

void Database::checkpoint()
{
    if (!isOpen() || m_begun)
        return;
    try {
        exec(QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"));
    } catch (const EStoreError &) {
        // A checkpoint that cannot run now runs at the next flush.
    }
}

bool Database::lockRow(const QString &table, qint64 rowid, const void *owner)
{
    const QString key = table + QLatin1Char('#') + QString::number(rowid);
    auto it = m_rowLocks.constFind(key);
    if (it != m_rowLocks.cend() && it.value() != owner)
        return false;
    m_rowLocks.insert(key, owner);
    return true;
}

void Database::unlockRow(const QString &table, qint64 rowid, const void *owner)
{
    const QString key = table + QLatin1Char('#') + QString::number(rowid);
    auto it = m_rowLocks.find(key);
    if (it != m_rowLocks.end() && it.value() == owner)
        m_rowLocks.erase(it);
}

void Database::throwError(const QSqlError &error, const QString &context)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.text().trimmed();
    if (text.isEmpty())
        text = QStringLiteral("unknown engine failure");
    Q_UNUSED(context);
    throw EEngineError(text, ok ? code : 1);
}

void Database::waitDispatching(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void Database::beginScope()
{
    ++m_depth;
}

void Database::endScope(bool commit)
{
    if (m_depth <= 0)
        return;
    if (--m_depth > 0)
        return;
    auto callbacks = std::move(m_afterCommit);
    m_afterCommit.clear();
    if (m_begun) {
        m_begun = false;
        if (commit) {
            try {
                run(QStringLiteral("COMMIT"));
            } catch (...) {
                try {
                    run(QStringLiteral("ROLLBACK"));
                } catch (...) {
                }
                throw;
            }
        } else {
            try {
                run(QStringLiteral("ROLLBACK"));
            } catch (...) {
            }
        }
    }
    if (commit) {
        for (auto &fn : callbacks)
            fn();
    }
}

WriteScope::WriteScope(Database &db) : m_db(db)
{
    m_db.beginScope();
}

WriteScope::~WriteScope()
{
    if (!m_done) {
        try {
            m_db.endScope(false);
        } catch (...) {
        }
    }
}

void WriteScope::commit()
{
    m_done = true;
    m_db.endScope(true);
}

} // namespace store
