#pragma once

#include <QHash>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

class QSqlError;
struct sqlite3;
struct sqlite3_stmt;

namespace store {

class Database;

// A prepared statement lent out of the store's cache. Giving it back resets
// it, so that a finished SELECT holds no read snapshot of the journal open.
// It runs on the engine directly, through the connection's own handle:
// values are read and bound as the toolkit's driver does, without building a
// record of every row.
class Statement
{
public:
    Statement() = default;
    Statement(Statement &&other) noexcept;
    Statement &operator=(Statement &&other) noexcept;
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    ~Statement();

    // Binds the values in order, runs the statement; throws on failure.
    Statement &exec(const QVariantList &values);
    Statement &bind(int position, const QVariant &value);
    Statement &bind(const QString &placeholder, const QVariant &value); // ":Name"
    Statement &exec();

    // The next row; throws when the engine fails part way.
    bool next();
    QVariant value(int column) const;
    qint64 lastInsertId() const;
    int rowsAffected() const;
    QSqlRecord record() const;
    // Resets the statement now (the lease stays).
    void finish();

private:
    friend class Database;
    struct Entry
    {
        Entry() = default;
        Entry(const Entry &) = delete;
        Entry &operator=(const Entry &) = delete;
        ~Entry();
        sqlite3 *db = nullptr;
        sqlite3_stmt *stmt = nullptr; // null once its connection has closed
        QVariantList values;          // bound at the next run
        bool leased = false;
        bool rowWaiting = false; // the run stepped onto a first row not yet handed out
        bool onRow = false;
        int *runs = nullptr; // the store's count of statements run
    };
    explicit Statement(std::shared_ptr<Entry> entry) : m_entry(std::move(entry)) {}
    void release();
    sqlite3_stmt *live() const;

    std::shared_ptr<Entry> m_entry;
};

// One connection to the store file. Everything runs on the UI thread, so one
// connection serves every table cursor and statement of the program.
class Database
{
public:
    Database();
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Opens an existing store. A file that is missing, damaged, or not ours
    // throws and is left exactly as it was.
    void open(const QString &path);
    // Creates a new, empty store at path (which must not exist) with its IDs
    // row and first master operator. The file appears whole or not at all.
    static void create(const QString &path, const QString &masterName,
                       const QString &masterPassword);
    void close();
    bool isOpen() const;
    QString path() const { return m_path; }
    QSqlDatabase connection() const;

    // Prepares and runs one statement with its values bound; throws on failure.
    QSqlQuery exec(const QString &sql, const QVariantList &values = {});
    QSqlQuery exec(const QString &sql, const QVariantMap &named);

    // The statement for this text, prepared once per connection and kept.
    // While it is lent out (a caller below us in a nested event loop still
    // holds it) a second one is prepared beside it.
    Statement statement(const QString &sql);
    // Lends the statement, binds the values in order and runs it; throws.
    Statement run(const QString &sql, const QVariantList &values = {});
    // Statements prepared since the store opened (for benchmarks and tests).
    int statementsPrepared() const { return m_prepared; }
    // Statements run since the store opened, prepared afresh or not.
    int statementsRun() const { return m_runs; }

    // Takes the store's write lock unless this scope already holds it. A busy
    // store is tried again after waits of waitMs that keep dispatching events,
    // `attempts` times in all; then the last engine error propagates.
    void ensureWriteLock(int attempts = 1, int waitMs = 100);
    bool inTransaction() const { return m_begun; }

    // Runs fn after the outermost write scope commits (at once when none is
    // open); dropped when the scope rolls back.
    void afterCommit(std::function<void()> fn);

    // Writes the WAL back into the main file; nothing is lost if this fails.
    void checkpoint();

    // In-process record locks, so a second cursor cannot edit a row that
    // another cursor is editing.
    bool lockRow(const QString &table, qint64 rowid, const void *owner);
    void unlockRow(const QString &table, qint64 rowid, const void *owner);

    static void throwError(const QSqlError &error, const QString &context = {});
    // Waits while still dispatching events (timers, sockets, posted events).
    static void waitDispatching(int ms);

private:
    friend class WriteScope;
    void takeHandle();
    void beginScope();
    void endScope(bool commit);

    QString m_connectionName;
    QString m_path;
    sqlite3 *m_handle = nullptr; // the connection's engine handle, for the statement cache
    int m_depth = 0;
    bool m_begun = false;
    QList<std::function<void()>> m_afterCommit;
    QHash<QString, const void *> m_rowLocks;
    QHash<QString, std::vector<std::shared_ptr<Statement::Entry>>> m_statements;
    int m_prepared = 0;
    int m_runs = 0;
};

// A unit of work: everything written inside it commits together, or not at
// all. Scopes nest; only the outermost commits. The write lock is taken
// lazily, by the first write inside the scope.
class WriteScope
{
public:
    explicit WriteScope(Database &db);
    ~WriteScope();
    WriteScope(const WriteScope &) = delete;
    WriteScope &operator=(const WriteScope &) = delete;
    void commit();

private:
    Database &m_db;
    bool m_done = false;
};

} // namespace store
