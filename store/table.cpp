#include "store/table.h"

#include "store/database.h"
#include "store/errors.h"

#include <QScopeGuard>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

namespace store {

Table::Table(Database &db, const QString &tableName, const QString &cursorName, QObject *parent)
    : Dataset(cursorName, parent), m_db(db), m_def(tableDef(tableName))
{
    if (!m_def)
        throw EStoreError(QStringLiteral("Unknown table %1").arg(tableName));
    setFields(m_def->fields);
}

Table::~Table()
{
    releaseLock();
    if (m_master)
        m_master->m_details.removeAll(this);
    for (Table *detail : std::as_const(m_details))
        detail->m_master = nullptr;
}

void Table::checkOpen() const
{
    if (!isOpen())
        throw EStoreError(QStringLiteral("%1: Cannot perform this operation on a closed dataset.")
                              .arg(objectName()));
}

void Table::open()
{
    if (isOpen())
        return;
    // Reading the rows doubles as the check that the table is there.
    setState(State::Browse);
    try {
        m_masterKey = masterValue();
        reload(-1, 0);
    } catch (...) {
        setState(State::Inactive);
        throw;
    }
}

void Table::close()
{
    if (!isOpen())
        return;
    releaseLock();
    m_rowids.clear();
    m_orderKeys.clear();
    m_onlyRowsAdded = false;
    m_pos = -1;
    m_loadedRowid = -1;
    m_buffer.clear();
    m_eof = m_bof = true;
    setState(State::Inactive);
    emit dataChanged();
}

void Table::refresh()
{
    checkOpen();
    checkBrowseMode();
    reload(currentRowId(), m_pos);
}

void Table::refreshAppended()
{
    checkOpen();
    checkBrowseMode();
    const bool logOrder = !m_master && m_indexName.isEmpty() && m_def->primaryKey.isEmpty() &&
                          activeFilter().isEmpty();
    if (!logOrder || m_rowids.empty()) {
        reload(currentRowId(), m_pos);
        return;
    }
    // Rows are only ever added at the end of a log; one whose first or last
    // row is gone was purged meanwhile and is read again (both look-ups use
    // the row number, so they cost the same at any size).
    const qint64 last = m_rowids.back();
    Statement first = m_db.run(QStringLiteral("SELECT min(rowid) FROM \"%1\"").arg(m_def->name));
    if (!first.next() || first.value(0).toLongLong() != m_rowids.front()) {
        reload(currentRowId(), m_pos);
        return;
    }
    Statement q = m_db.run(QStringLiteral("SELECT rowid FROM \"%1\" WHERE rowid >= ? ORDER BY rowid")
                                .arg(m_def->name),
                            {last});
    if (!q.next() || q.value(0).toLongLong() != last) {
        reload(currentRowId(), m_pos);
        return;
    }
    const int before = m_rowids.size();
    while (q.next())
        m_rowids.push_back(q.value(0).toLongLong());
    if (m_rowids.size() == before)
        return;
    m_eof = false;
    m_onlyRowsAdded = true;
    emit dataChanged();
}

void Table::setIndexName(const QString &indexName)
{
    if (!indexName.isEmpty() && !m_def->index(indexName))
        throw EStoreError(QStringLiteral("Index %1 not found on %2").arg(indexName, m_def->fileName));
    m_indexName = indexName;
    if (isOpen())
        reload(currentRowId(), 0);
}

void Table::setMaster(Table *master, const QString &field)
{
    if (m_master) {
        disconnect(m_master, nullptr, this, nullptr);
        m_master->m_details.removeAll(this);
    }
    m_master = master;
    m_masterField = field;
    if (m_master) {
        m_master->m_details << this;
        connect(m_master, &Dataset::currentChanged, this, &Table::masterMoved);
        connect(m_master, &Dataset::dataChanged, this, &Table::masterMoved);
        connect(m_master, &Dataset::stateChanged, this, &Table::masterMoved);
    }
    if (isOpen())
        masterMoved();
}

QVariant Table::masterValue() const
{
    if (!m_master || !m_master->isOpen())
        return {};
    const int i = m_master->fieldIndex(m_masterField);
    return i < 0 ? QVariant() : m_master->storedValue(i);
}

void Table::masterMoved()
{
    if (!isOpen())
        return;
    const QVariant key = masterValue();
    if ((key == m_masterKey && key.isNull() == m_masterKey.isNull()) || m_posting)
        return;
    if (state() != State::Browse)
        cancel();
    m_masterKey = key;
    reload(-1, 0);
}

QString Table::columnList() const
{
    QStringList cols;
    for (const FieldDef &f : m_def->fields)
        cols << QStringLiteral("\"%1\"").arg(f.name);
    return cols.join(QStringLiteral(", "));
}

QString Table::whereClause(QVariantList &values) const
{
    QStringList conditions;
    if (m_master) {
        // A detail of no master row shows nothing.
        if (m_masterKey.isNull()) {
            conditions << QStringLiteral("0");
        } else {
            conditions << QStringLiteral("\"%1\" = ?").arg(m_masterField);
            values << m_masterKey;
        }
    }
    const QList<FilterTerm> terms = activeFilter();
    if (!terms.isEmpty()) {
        QStringList ors;
        for (const FilterTerm &t : terms) {
            ors << QStringLiteral("\"%1\" = ?").arg(m_fields[t.field].name);
            values << t.value;
        }
        conditions << QLatin1Char('(') + ors.join(QStringLiteral(" OR ")) + QLatin1Char(')');
    }
    return conditions.isEmpty() ? QString()
                                : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
}

QString Table::orderClause() const
{
    QStringList parts;
    if (const IndexDef *ix = m_indexName.isEmpty() ? nullptr : m_def->index(m_indexName)) {
        for (const QString &f : ix->fields)
            parts << QStringLiteral("\"%1\"").arg(f);
    } else if (!m_def->primaryKey.isEmpty()) {
        parts << QStringLiteral("\"%1\"").arg(m_def->primaryKey);
    }
    parts << QStringLiteral("rowid");
    return QStringLiteral(" ORDER BY ") + parts.join(QStringLiteral(", "));
}

void Table::reload(qint64 keepRowid, int fallbackPosition)
{
    QVariantList values;
    const QString sql = QStringLiteral("SELECT rowid FROM \"%1\"").arg(m_def->name) +
                        whereClause(values) + orderClause();
    Statement q = m_db.run(sql, values);
    RowNumbers rows;
    while (q.next())
        rows.push_back(q.value(0).toLongLong());
    m_onlyRowsAdded = rows.startsWith(m_rowids);
    m_rowids = std::move(rows);
    m_orderKeys.clear();
    m_loadedRowid = -1;
    int pos = -1;
    if (keepRowid >= 0)
        pos = m_rowids.indexOf(keepRowid);
    if (pos < 0 && !m_rowids.empty())
        pos = std::clamp(fallbackPosition, 0, recordCount() - 1);
    m_pos = m_rowids.empty() ? -1 : pos;
    m_bof = m_pos <= 0;
    m_eof = m_rowids.empty();
    emit dataChanged();
    emit currentChanged();
}

namespace {

// The engine's order of stored values: null, then numbers, then text.
int compareStored(const QVariant &a, const QVariant &b)
{
    auto rank = [](const QVariant &v) {
        if (v.isNull())
            return 0;
        const int t = v.typeId();
        return t == QMetaType::QString || t == QMetaType::QByteArray ? 2 : 1;
    };
    const int ra = rank(a), rb = rank(b);
    if (ra != rb)
        return ra < rb ? -1 : 1;
    if (ra == 0)
        return 0;
    if (ra == 1) {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    return a.toString().compare(b.toString());
}

} // namespace

QVector<QVariant> Table::orderKey(qint64 rowid) const
{
    if (m_selectKey.isEmpty()) {
        const QString order = orderClause().mid(QStringLiteral(" ORDER BY ").size());
        m_selectKey =
            QStringLiteral("SELECT %1 FROM \"%2\" WHERE rowid = ?").arg(order, m_def->name);
    }
    Statement q = m_db.run(m_selectKey, {rowid});
    QVector<QVariant> key;
    if (q.next()) {
        // The last order field is the row number itself.
        const int n = static_cast<int>(orderClause().count(QLatin1Char(',')));
        for (int i = 0; i < n; ++i)
            key << q.value(i);
    }
    key << rowid;
    return key;
}

void Table::noteInserted(qint64 rowid)
{
    if (!isOpen() || rowid < 0)
        return;
    if (m_master || !activeFilter().isEmpty()) {
        if (state() == State::Browse && !m_posting)
            reload(currentRowId(), m_pos);
        return;
    }
    const bool logOrder = m_indexName.isEmpty() && m_def->primaryKey.isEmpty();
    int position = m_rowids.size();
    if (logOrder) {
        position = m_rowids.lowerBound(rowid);
        if (position < m_rowids.size() && m_rowids.at(position) == rowid)
            return;
    } else {
        // A binary search over the rows held, reading only the order fields
        // of the few rows it looks at.
        // The new row's own fields are always read: its row number may be
        // that of a row deleted since.
        const QVector<QVariant> key = orderKey(rowid);
        int lo = 0, hi = m_rowids.size();
        while (lo < hi) {
            const int mid = lo + (hi - lo) / 2;
            const qint64 held = m_rowids.at(mid);
            if (held == rowid)
                return;
            auto known = m_orderKeys.constFind(held);
            if (known == m_orderKeys.cend())
                known = m_orderKeys.insert(held, orderKey(held));
            const QVector<QVariant> &other = *known;
            int c = 0;
            for (int i = 0; i < key.size() && c == 0; ++i)
                c = compareStored(other.value(i), key.value(i));
            if (c < 0)
                lo = mid + 1;
            else
                hi = mid;
        }
        position = lo;
        m_orderKeys.insert(rowid, key);
    }
    const bool wasEmpty = m_rowids.empty();
    m_rowids.insert(position, rowid);
    const int at = position;
    if (wasEmpty) {
        m_pos = 0;
        m_loadedRowid = -1;
    } else if (m_pos >= at) {
        ++m_pos;
    }
    m_bof = m_pos <= 0;
    m_eof = false;
    if (logOrder && at == recordCount() - 1 && !wasEmpty) {
        // A log grows at its end, as after a post of its own.
        m_onlyRowsAdded = true;
        emit dataChanged();
        return;
    }
    if (wasEmpty || logOrder) {
        m_onlyRowsAdded = at == recordCount() - 1;
        emit dataChanged();
        emit currentChanged();
        return;
    }
    emit rowInserted(at);
}

QVector<QVariant> Table::readRow(qint64 rowid) const
{
    if (m_selectRow.isEmpty())
        m_selectRow =
            QStringLiteral("SELECT %1 FROM \"%2\" WHERE rowid = ?").arg(columnList(), m_def->name);
    Statement q = m_db.run(m_selectRow, {rowid});
    QVector<QVariant> row(m_fields.size());
    if (q.next()) {
        for (int i = 0; i < m_fields.size(); ++i)
            row[i] = q.value(i);
    }
    return row;
}

void Table::loadCurrent() const
{
    const qint64 rowid = currentRowId();
    if (rowid == m_loadedRowid)
        return;
    m_current = rowid >= 0 ? readRow(rowid) : QVector<QVariant>(m_fields.size());
    m_loadedRowid = rowid;
}

qint64 Table::currentRowId() const
{
    return m_pos >= 0 && m_pos < recordCount() ? m_rowids.at(m_pos) : -1;
}

QVariant Table::storedValue(int index) const
{
    if (index < 0 || index >= m_fields.size())
        return {};
    if (state() == State::Edit || state() == State::Insert)
        return m_buffer.value(index);
    if (!isOpen())
        return {};
    loadCurrent();
    return m_current.value(index);
}

QVector<QVariant> Table::recordAt(int position) const
{
    if (position < 0 || position >= recordCount())
        return QVector<QVariant>(m_fields.size());
    const qint64 rowid = m_rowids.at(position);
    if (rowid == m_loadedRowid)
        return m_current;
    return readRow(rowid);
}

namespace {
// Rows read by one statement; its text has this many places, so it is
// prepared once.
constexpr int kBlockRows = 32;
} // namespace

QList<QVector<QVariant>> Table::recordsAt(int first, int count) const
{
    first = qMax(0, first);
    const int end = qMin(first + qMax(0, count), recordCount());
    if (m_selectBlock.isEmpty()) {
        QStringList places;
        for (int i = 0; i < kBlockRows; ++i)
            places << QStringLiteral("?");
        m_selectBlock = QStringLiteral("SELECT rowid, %1 FROM \"%2\" WHERE rowid IN (%3)")
                            .arg(columnList(), m_def->name, places.join(QLatin1Char(',')));
    }
    QList<QVector<QVariant>> rows;
    rows.reserve(qMax(0, end - first));
    for (int from = first; from < end; from += kBlockRows) {
        const int to = qMin(from + kBlockRows, end);
        QVariantList numbers;
        for (int position = from; position < to; ++position)
            numbers << m_rowids.at(position);
        while (numbers.size() < kBlockRows)
            numbers << QVariant(); // matches no row
        QHash<qint64, QVector<QVariant>> read;
        Statement q = m_db.run(m_selectBlock, numbers);
        while (q.next()) {
            QVector<QVariant> row(m_fields.size());
            for (int i = 0; i < m_fields.size(); ++i)
                row[i] = q.value(i + 1);
            read.insert(q.value(0).toLongLong(), std::move(row));
        }
        for (int position = from; position < to; ++position) {
            const qint64 rowid = m_rowids.at(position);
            if (rowid == m_loadedRowid)
                rows << m_current;
            else
                rows << read.value(rowid, QVector<QVariant>(m_fields.size()));
        }
    }
    return rows;
}

bool Table::isModified(int index) const
{
    return index >= 0 && index < m_modified.size() && m_modified[index];
}

void Table::setPosition(int pos)
{
    const int old = m_pos;
    m_pos = pos;
    if (old != m_pos)
        emit currentChanged();
}

void Table::checkNotBusy() const
{
    // A handler that runs while this cursor waits inside its own post (the
    // numbering waits dispatch events) must not post or drop that half-made
    // row: it is told the table is busy, which is retried like a lock.
    if (m_posting)
        throw EEngineError(QStringLiteral("%1 is busy with another record.").arg(objectName()), 5);
}

void Table::checkBrowseMode()
{
    checkNotBusy();
    // A detail row being typed into belongs to the row this cursor leaves:
    // it is saved, never dropped, by the move.
    for (Table *detail : std::as_const(m_details)) {
        if (detail->isOpen() && (detail->state() == State::Edit || detail->state() == State::Insert))
            detail->post();
    }
    if (state() == State::Edit || state() == State::Insert)
        post();
}

void Table::first()
{
    checkOpen();
    checkBrowseMode();
    setPosition(m_rowids.empty() ? -1 : 0);
    m_bof = true;
    m_eof = m_rowids.empty();
}

void Table::last()
{
    checkOpen();
    checkBrowseMode();
    setPosition(recordCount() - 1);
    m_eof = true;
    m_bof = m_rowids.empty();
}

void Table::next()
{
    checkOpen();
    checkBrowseMode();
    if (m_pos + 1 < recordCount()) {
        setPosition(m_pos + 1);
        m_bof = false;
        m_eof = false;
    } else {
        m_eof = true;
    }
}

void Table::prior()
{
    checkOpen();
    checkBrowseMode();
    if (m_pos > 0) {
        setPosition(m_pos - 1);
        m_eof = false;
        m_bof = false;
    } else {
        m_bof = true;
    }
}

bool Table::moveTo(int position)
{
    checkOpen();
    checkBrowseMode();
    if (m_rowids.empty())
        return false;
    setPosition(std::clamp(position, 0, recordCount() - 1));
    m_bof = m_pos == 0;
    m_eof = false;
    return true;
}

bool Table::locate(const QString &fieldName, const QVariant &value)
{
    checkOpen();
    checkBrowseMode();
    const int fi = fieldIndex(fieldName);
    if (fi < 0)
        throw EStoreError(QStringLiteral("%1: Field '%2' not found.").arg(objectName(), fieldName));
    QVariantList values;
    QString where = whereClause(values);
    where += where.isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ");
    where += QStringLiteral("\"%1\" = ?").arg(m_fields[fi].name);
    values << toStored(m_fields[fi], value);
    Statement q = m_db.run(QStringLiteral("SELECT rowid FROM \"%1\"").arg(m_def->name) + where +
                                orderClause() + QStringLiteral(" LIMIT 1"),
                            values);
    if (!q.next())
        return false;
    const qint64 rowid = q.value(0).toLongLong();
    int position = m_rowids.indexOf(rowid);
    if (position < 0) {
        // Added by someone else since the cursor last read its rows.
        reload(rowid, m_pos);
        position = m_rowids.indexOf(rowid);
        if (position < 0)
            return false;
    }
    setPosition(position);
    m_eof = m_bof = false;
    return true;
}

bool Table::findKey(const QVariant &key)
{
    if (m_def->primaryKey.isEmpty())
        throw EStoreError(QStringLiteral("%1 has no primary key").arg(m_def->fileName));
    return locate(m_def->primaryKey, key);
}

Table::Bookmark Table::bookmark() const
{
    return {currentRowId(), m_pos};
}

void Table::gotoBookmark(const Bookmark &mark)
{
    checkOpen();
    checkBrowseMode();
    const int position = m_rowids.indexOf(mark.rowid);
    if (position >= 0)
        setPosition(position);
    else if (!m_rowids.empty())
        setPosition(std::clamp(mark.position, 0, recordCount() - 1));
    m_eof = m_rowids.empty();
    m_bof = m_pos <= 0;
}

void Table::insert()
{
    checkOpen();
    checkBrowseMode();
    if (beforeInsert)
        beforeInsert(*this);
    m_buffer = QVector<QVariant>(m_fields.size());
    m_modified = QVector<bool>(m_fields.size(), false);
    m_editRowid = -1;
    if (m_master) {
        const int fi = fieldIndex(m_masterField);
        if (fi >= 0) {
            m_buffer[fi] = m_masterKey;
            m_modified[fi] = !m_masterKey.isNull();
        }
    }
    setState(State::Insert);
    if (afterInsert)
        afterInsert(*this);
}

void Table::edit()
{
    checkOpen();
    checkNotBusy();
    if (state() == State::Edit || state() == State::Insert)
        return;
    if (m_rowids.empty()) {
        insert();
        return;
    }
    const qint64 rowid = currentRowId();
    if (!m_db.lockRow(m_def->name, rowid, this))
        throw EEngineError(QStringLiteral("Record locked by another user."), 6);
    // Edit what is on disk now, not what the cursor read a while ago.
    m_loadedRowid = -1;
    loadCurrent();
    m_buffer = m_current;
    m_modified = QVector<bool>(m_fields.size(), false);
    m_editRowid = rowid;
    setState(State::Edit);
}

void Table::writeValue(int index, const QVariant &stored)
{
    if (state() != State::Edit && state() != State::Insert)
        Dataset::writeValue(index, stored);
    m_buffer[index] = stored;
    m_modified[index] = true;
}

void Table::writeRow()
{
    if (state() == State::Insert) {
        QStringList cols, marks;
        QVariantList values;
        for (int i = 0; i < m_fields.size(); ++i) {
            if (m_buffer[i].isNull())
                continue;
            cols << QStringLiteral("\"%1\"").arg(m_fields[i].name);
            marks << QStringLiteral("?");
            values << m_buffer[i];
        }
        const QString sql = cols.isEmpty()
                                ? QStringLiteral("INSERT INTO \"%1\" DEFAULT VALUES").arg(m_def->name)
                                : QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                                      .arg(m_def->name, cols.join(QStringLiteral(", ")),
                                           marks.join(QStringLiteral(", ")));
        m_db.ensureWriteLock();
        Statement q = m_db.run(sql, values);
        m_editRowid = q.lastInsertId();
        return;
    }
    // Only the fields given a value here, so that changes made meanwhile by
    // statements to other fields of the row survive.
    QStringList sets;
    QVariantList values;
    for (int i = 0; i < m_fields.size(); ++i) {
        if (!m_modified[i])
            continue;
        sets << QStringLiteral("\"%1\" = ?").arg(m_fields[i].name);
        values << m_buffer[i];
    }
    if (sets.isEmpty())
        return;
    values << m_editRowid;
    m_db.ensureWriteLock();
    m_db.run(QStringLiteral("UPDATE \"%1\" SET %2 WHERE rowid = ?")
                  .arg(m_def->name, sets.join(QStringLiteral(", "))),
              values);
}

void Table::post()
{
    checkOpen();
    if (state() != State::Edit && state() != State::Insert)
        return;
    checkNotBusy();
    try {
        m_posting = true;
        auto done = qScopeGuard([this] { m_posting = false; });
        WriteScope scope(m_db);
        if (beforePost)
            beforePost(*this);
        writeRow();
        scope.commit();
    } catch (const EStoreError &e) {
        if (onPostError && onPostError(*this, e) == PostErrorAction::Abort)
            throw EAbort();
        throw;
    }
    const qint64 rowid = m_editRowid;
    const bool inserted = state() == State::Insert;
    m_postedNewRow = inserted;
    releaseLock();
    m_buffer.clear();
    setState(State::Browse);
    // A log table in insertion order only grows at its end: no need to re-read
    // every row number after each new row.
    if (inserted && !m_master && m_indexName.isEmpty() && m_def->primaryKey.isEmpty() &&
        activeFilter().isEmpty() && (m_rowids.empty() || rowid > m_rowids.back())) {
        m_rowids.push_back(rowid);
        m_onlyRowsAdded = true;
        m_pos = recordCount() - 1;
        m_loadedRowid = -1;
        m_bof = m_pos == 0;
        m_eof = false;
        emit dataChanged();
        emit currentChanged();
    } else {
        reload(rowid, m_pos);
    }
    if (afterPost)
        afterPost(*this);
}

void Table::cancel()
{
    checkNotBusy();
    if (state() != State::Edit && state() != State::Insert)
        return;
    releaseLock();
    m_buffer.clear();
    m_modified.clear();
    setState(State::Browse);
    emit currentChanged();
}

void Table::remove()
{
    checkOpen();
    checkNotBusy();
    if (state() == State::Insert) {
        cancel();
        return;
    }
    cancel();
    if (m_rowids.empty())
        throw EStoreError(QStringLiteral("%1: Cannot perform this operation on an empty dataset.")
                              .arg(objectName()));
    if (beforeDelete)
        beforeDelete(*this);
    const qint64 rowid = currentRowId();
    if (!m_db.lockRow(m_def->name, rowid, this))
        throw EEngineError(QStringLiteral("Record locked by another user."), 6);
    m_db.unlockRow(m_def->name, rowid, this);
    {
        WriteScope scope(m_db);
        m_db.ensureWriteLock();
        m_db.run(QStringLiteral("DELETE FROM \"%1\" WHERE rowid = ?").arg(m_def->name), {rowid});
        scope.commit();
    }
    reload(-1, m_pos);
    if (afterDelete)
        afterDelete(*this);
}

void Table::releaseLock()
{
    if (m_editRowid >= 0 && state() == State::Edit)
        m_db.unlockRow(m_def->name, m_editRowid, this);
    m_editRowid = -1;
}

void Table::filterChanged()
{
    if (isOpen()) {
        checkBrowseMode();
        reload(currentRowId(), 0);
    }
}

} // namespace store
