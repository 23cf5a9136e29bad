#pragma once

#include "store/dataset.h"
#include "store/rownumbers.h"

#include <QHash>

#include <functional>
#include <vector>

namespace store {

class Database;
class EStoreError;

// A cursor over one table: navigation in index order, editing through a
// record buffer, hooks around insert, post and delete, and an optional
// master table it follows on AccountNo.
class Table : public Dataset
{
    Q_OBJECT
public:
    using Hook = std::function<void(Table &)>;
    enum class PostErrorAction { Fail, Abort };
    using PostErrorHook = std::function<PostErrorAction(Table &, const EStoreError &)>;

    struct Bookmark
    {
        qint64 rowid = -1;
        int position = -1;
    };

    Table(Database &db, const QString &tableName, const QString &cursorName,
          QObject *parent = nullptr);
    ~Table() override;

    const TableDef &def() const { return *m_def; }
    Database &database() const { return m_db; }

    void open();
    void close();
    // Re-reads the rows, keeping the current row when it still exists.
    void refresh();
    // Reads only the rows stored after the last one held. For a cursor in
    // insertion order with no master or filter (a log table watched while it
    // grows); any other cursor, or one whose last row is gone, is refreshed
    // in full.
    void refreshAppended();
    // A row stored past this cursor (by the event path, in a unit of work
    // that has committed): taken into its place without reading the other
    // rows again. A cursor with a master or a filter is refreshed in full.
    void noteInserted(qint64 rowid);

    // "" is the primary order (key, or insertion order); otherwise a named index.
    void setIndexName(const QString &indexName);
    QString indexName() const { return m_indexName; }

    // Follows master's current row: only rows whose `field` equals master's
    // value of that field are shown, and new rows take that value.
    void setMaster(Table *master, const QString &field);
    Table *master() const { return m_master; }
    // Tables that follow this one; an edited row of theirs is saved before
    // this cursor moves.
    const QList<Table *> &details() const { return m_details; }

    void first() override;
    void last() override;
    void next() override;
    void prior() override;
    int recordCount() const override { return m_rowids.size(); }
    int recNo() const override { return m_pos; }
    bool moveTo(int position) override;

    // Moves to the first row (in cursor order) whose field equals value.
    bool locate(const QString &fieldName, const QVariant &value);
    // Moves to the row with this primary key value.
    bool findKey(const QVariant &key);
    Bookmark bookmark() const;
    void gotoBookmark(const Bookmark &mark);

    void insert();
    void append() { insert(); }
    void edit();
    void post();
    void cancel();
    void remove();

    QVariant storedValue(int index) const override;
    QVector<QVariant> recordAt(int position) const override;
    QList<QVector<QVariant>> recordsAt(int first, int count) const override;
    bool onlyRowsAdded() const override { return m_onlyRowsAdded; }
    // Fields given a value since insert() or edit().
    bool isModified(int index) const;
    qint64 currentRowId() const;
    // During afterPost: whether the post stored a new row (not an edit).
    bool postedNewRow() const { return m_postedNewRow; }
    // A post of this cursor is under way (possibly waiting for the store).
    bool isPosting() const { return m_posting; }

    Hook beforeInsert, afterInsert, beforePost, afterPost, beforeDelete, afterDelete;
    PostErrorHook onPostError;

protected:
    void writeValue(int index, const QVariant &stored) override;
    void filterChanged() override;

private:
    void reload(qint64 keepRowid, int fallbackPosition);
    QVector<QVariant> orderKey(qint64 rowid) const;
    QString whereClause(QVariantList &values) const;
    QString orderClause() const;
    QString columnList() const;
    QVector<QVariant> readRow(qint64 rowid) const;
    void loadCurrent() const;
    void setPosition(int pos);
    void writeRow();
    void releaseLock();
    void masterMoved();
    QVariant masterValue() const;
    void checkOpen() const;
    void checkBrowseMode();
    void checkNotBusy() const;

    Database &m_db;
    const TableDef *m_def;
    QString m_indexName;
    Table *m_master = nullptr;
    QList<Table *> m_details;
    QString m_masterField;
    QVariant m_masterKey;
    RowNumbers m_rowids;
    int m_pos = -1;
    mutable qint64 m_loadedRowid = -1;
    mutable QVector<QVariant> m_current;
    QVector<QVariant> m_buffer;
    QVector<bool> m_modified;
    qint64 m_editRowid = -1;
    bool m_postedNewRow = false;
    bool m_posting = false;
    bool m_onlyRowsAdded = false;
    mutable QString m_selectRow; // the text that reads one row, made once
    mutable QString m_selectKey; // the text that reads a row's order fields
    mutable QString m_selectBlock; // the text that reads a block of rows by number
    // Order fields of rows held, read while placing new rows; forgotten
    // whenever the rows are read again.
    mutable QHash<qint64, QVector<QVariant>> m_orderKeys;
};

} // namespace store
