#include "store/query.h"

#include "store/database.h"
#include "store/errors.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

namespace store {

namespace {

// The definition a result column takes: the stored field of that name when
// there is one, so that typed reads and display formats follow the table.
FieldDef resultField(const QString &column)
{
    for (const TableDef &def : tableDefs()) {
        const int i = def.fieldIndex(column);
        if (i >= 0) {
            FieldDef f = def.fields[i];
            f.name = column;
            return f;
        }
    }
    return FieldDef{column, FieldType::Text, 0};
}

} // namespace

Query::Query(Database &db, const QString &name, const QStringList &lines,
             const QList<ParamDef> &params, QObject *parent)
    : Dataset(name, parent), m_db(db), m_lines(lines), m_params(params)
{
}

void Query::setLines(const QStringList &lines)
{
    close();
    m_prepared = false;
    m_lines = lines;
}

void Query::setLine(int index, const QString &text)
{
    QStringList lines = m_lines;
    while (lines.size() <= index)
        lines << QString();
    lines[index] = text;
    setLines(lines);
}

void Query::addLine(const QString &text)
{
    QStringList lines = m_lines;
    lines << text;
    setLines(lines);
}

const Query::ParamDef *Query::paramDef(const QString &name) const
{
    for (const ParamDef &p : m_params) {
        if (p.name.compare(name, Qt::CaseInsensitive) == 0)
            return &p;
    }
    return nullptr;
}

void Query::setParam(const QString &name, const QVariant &value)
{
    const ParamDef *def = paramDef(name);
    if (!def)
        throw EStoreError(QStringLiteral("%1: Parameter '%2' not found.").arg(objectName(), name));
    QVariant v;
    if (!value.isNull()) {
        switch (def->type) {
        case ParamType::Integer: {
            bool ok = false;
            v = value.toString().toLongLong(&ok);
            if (value.typeId() == QMetaType::Bool)
                v = value.toBool() ? 1 : 0, ok = true;
            if (!ok)
                throw EStoreError(QStringLiteral("'%1' is not a valid integer value for '%2'.")
                                      .arg(value.toString(), name));
            break;
        }
        case ParamType::Text:
            v = value.toString();
            break;
        case ParamType::DateTime:
            v = dateTimeToStored(value.typeId() == QMetaType::QDateTime ? value.toDateTime()
                                                                        : dateTimeFromStored(value));
            break;
        }
    }
    m_values.insert(def->name, v);
}

QVariant Query::param(const QString &name) const
{
    const ParamDef *def = paramDef(name);
    return def ? m_values.value(def->name) : QVariant();
}

void Query::setMasterSource(Dataset *master)
{
    if (m_master)
        disconnect(m_master, nullptr, this, nullptr);
    m_master = master;
    if (m_master) {
        connect(m_master, &Dataset::currentChanged, this, &Query::masterMoved);
        connect(m_master, &Dataset::dataChanged, this, &Query::masterMoved);
    }
}

void Query::addCalculatedField(const FieldDef &def, CalcFn compute)
{
    close();
    m_calculated.append({def, std::move(compute)});
}

void Query::masterMoved()
{
    // Follow the master to another row; the same row again (a refresh of the
    // master, a second signal for one move) needs no new run.
    if (isOpen() && boundValues() != m_openedWith) {
        close();
        open();
    }
}

Query::Shape &Query::shape(const QString &sql) const
{
    auto it = m_shapes.find(sql);
    if (it != m_shapes.end())
        return it.value();
    // A statement whose lines are rewritten often keeps only its recent texts.
    if (m_shapes.size() >= 32)
        m_shapes.clear();
    static const QRegularExpression names(QStringLiteral(":([A-Za-z_][A-Za-z0-9_]*)"));
    Shape s;
    auto match = names.globalMatch(sql);
    while (match.hasNext()) {
        const QString name = match.next().captured(1);
        if (!s.params.contains(name))
            s.params << name;
    }
    return m_shapes.insert(sql, s).value();
}

Statement Query::run(const QString &sql, const QVariantMap &values) const
{
    Statement st = m_db.statement(sql);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        st.bind(QLatin1Char(':') + it.key(), it.value());
    st.exec();
    return st;
}

QVariantMap Query::boundValues() const
{
    // Only parameters that occur in the text: SQLite refuses unknown names.
    QVariantMap bound;
    for (const QString &name : std::as_const(shape(text()).params)) {
        const ParamDef *def = paramDef(name);
        QVariant value;
        if (m_master && m_master->isOpen() && m_master->hasField(name)) {
            value = m_master->storedValue(m_master->fieldIndex(name));
        } else if (def) {
            value = m_values.value(def->name);
        } else {
            throw EStoreError(QStringLiteral("%1: Parameter '%2' not found.").arg(objectName(), name));
        }
        bound.insert(name, value);
    }
    return bound;
}

void Query::prepare()
{
    // The engine prepares at each run; here the text is checked for its parameters.
    boundValues();
    m_prepared = true;
}

void Query::setReadBlock(int rows)
{
    close();
    m_block = std::max(0, rows);
}

void Query::open()
{
    if (isOpen())
        return;
    m_openedWith = boundValues();
    m_rows.clear();
    m_more = false;
    readRows();
    m_prepared = true;
    setState(State::Browse);
    applyFilter();
}

void Query::readRows()
{
    // A block is a statement of its own: nothing stays open on the store
    // between blocks, so writers and checkpoints are never held up.
    const int from = static_cast<int>(m_rows.size());
    QString sql = text();
    QVariantMap values = m_openedWith;
    if (m_block > 0) {
        // Bound, so that every block runs the one prepared text.
        sql += QStringLiteral("\nLimit :QueryBlockRows Offset :QueryBlockFrom");
        values.insert(QStringLiteral("QueryBlockRows"), m_block + 1);
        values.insert(QStringLiteral("QueryBlockFrom"), from);
    }
    Statement q = run(sql, values);
    Shape &known = shape(sql);
    if (!known.fieldsKnown) {
        const QSqlRecord rec = q.record();
        for (int i = 0; i < rec.count(); ++i)
            known.fields << resultField(rec.fieldName(i));
        known.fieldsKnown = true;
    }
    const int columns = static_cast<int>(known.fields.size());
    if (from == 0) {
        QList<FieldDef> fields = known.fields;
        for (const auto &calc : std::as_const(m_calculated))
            fields << calc.first;
        setFields(fields);
    }
    const int width = static_cast<int>(m_fields.size());
    int read = 0;
    m_more = false;
    while (q.next()) {
        if (m_block > 0 && read == m_block) {
            m_more = true; // the one row past the block only says there are more
            break;
        }
        QVector<QVariant> row(width);
        for (int i = 0; i < columns; ++i)
            row[i] = q.value(i);
        for (int c = 0; c < m_calculated.size(); ++c)
            row[columns + c] =
                toStored(m_calculated[c].first, m_calculated[c].second(*this, row));
        m_rows.append(row);
        ++read;
    }
}

void Query::readMoreRows()
{
    if (!isOpen() || !m_more)
        return;
    const int from = static_cast<int>(m_rows.size());
    readRows();
    filterRows(from);
    if (m_eof && !m_visible.isEmpty() && m_pos + 1 < recordCount())
        m_eof = false;
}

void Query::close()
{
    if (!isOpen())
        return;
    m_rows.clear();
    m_visible.clear();
    m_more = false;
    m_pos = -1;
    m_eof = m_bof = true;
    setState(State::Inactive);
    emit dataChanged();
}

int Query::execSql()
{
    close();
    WriteScope scope(m_db);
    m_db.ensureWriteLock();
    Statement q = run(text(), boundValues());
    const int changed = q.rowsAffected();
    q.finish();
    scope.commit();
    m_prepared = true;
    return changed;
}

void Query::applyFilter()
{
    m_visible.clear();
    filterRows(0);
    m_pos = m_visible.isEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = m_visible.isEmpty();
    emit dataChanged();
    emit currentChanged();
}

void Query::filterRows(int from)
{
    const QList<FilterTerm> terms = activeFilter();
    for (int r = from; r < m_rows.size(); ++r) {
        bool pass = terms.isEmpty();
        for (const FilterTerm &t : terms) {
            const QVariant v = m_rows[r].value(t.field);
            if (!v.isNull() && v.toLongLong() == t.value) {
                pass = true;
                break;
            }
        }
        if (pass)
            m_visible.append(r);
    }
}

void Query::filterChanged()
{
    if (isOpen())
        applyFilter();
}

void Query::first()
{
    m_pos = m_visible.isEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = m_visible.isEmpty();
    emit currentChanged();
}

void Query::last()
{
    while (m_more)
        readMoreRows();
    m_pos = recordCount() - 1;
    m_eof = true;
    m_bof = m_visible.isEmpty();
    emit currentChanged();
}

void Query::next()
{
    while (m_pos + 1 >= recordCount() && m_more)
        readMoreRows();
    if (m_pos + 1 < recordCount()) {
        ++m_pos;
        m_bof = m_eof = false;
        emit currentChanged();
    } else {
        m_eof = true;
    }
}

void Query::prior()
{
    if (m_pos > 0) {
        --m_pos;
        m_bof = m_eof = false;
        emit currentChanged();
    } else {
        m_bof = true;
    }
}

bool Query::moveTo(int position)
{
    while (position >= recordCount() && m_more)
        readMoreRows();
    if (m_visible.isEmpty())
        return false;
    m_pos = std::clamp(position, 0, recordCount() - 1);
    m_bof = m_pos == 0;
    m_eof = false;
    emit currentChanged();
    return true;
}

QVariant Query::storedValue(int index) const
{
    if (m_pos < 0 || m_pos >= recordCount())
        return {};
    return m_rows[m_visible[m_pos]].value(index);
}

QVector<QVariant> Query::recordAt(int position) const
{
    if (position < 0 || position >= recordCount())
        return QVector<QVariant>(m_fields.size());
    return m_rows[m_visible[position]];
}

} // namespace store
