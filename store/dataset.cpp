#include "store/dataset.h"

#include "store/errors.h"

#include <QRegularExpression>
#include <limits>

namespace store {

namespace {

bool textToBool(const QString &s)
{
    const QString t = s.trimmed();
    return t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
           t.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0 || t == QLatin1String("1");
}

QString invalidValue(const FieldDef &def, const QVariant &value)
{
    return QStringLiteral("'%1' is not a valid value for field '%2'.")
        .arg(value.toString(), def.name);
}

} // namespace

QVariant toStored(const FieldDef &def, const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return QVariant();
    switch (def.type) {
    case FieldType::Small:
    case FieldType::Integer: {
        bool ok = false;
        qlonglong v = 0;
        if (value.typeId() == QMetaType::Bool)
            v = value.toBool() ? 1 : 0, ok = true;
        else if (value.typeId() == QMetaType::Double)
            v = qRound64(value.toDouble()), ok = true;
        else
            v = value.toString().trimmed().toLongLong(&ok);
        if (value.typeId() == QMetaType::QString && value.toString().trimmed().isEmpty())
            return QVariant();
        const qlonglong lo = def.type == FieldType::Small ? std::numeric_limits<qint16>::min()
                                                          : std::numeric_limits<qint32>::min();
        const qlonglong hi = def.type == FieldType::Small ? std::numeric_limits<qint16>::max()
                                                          : std::numeric_limits<qint32>::max();
        if (!ok || v < lo || v > hi)
            throw EStoreError(invalidValue(def, value));
        return static_cast<int>(v);
    }
    case FieldType::Float: {
        bool ok = false;
        const double v = value.toDouble(&ok);
        if (!ok)
            throw EStoreError(invalidValue(def, value));
        return v;
    }
    case FieldType::Logical:
        if (value.typeId() == QMetaType::QString)
            return textToBool(value.toString()) ? 1 : 0;
        return value.toBool() ? 1 : 0;
    case FieldType::DateTime: {
        const QDateTime t = value.typeId() == QMetaType::QDateTime ? value.toDateTime()
                                                                    : dateTimeFromStored(value);
        if (!t.isValid())
            throw EStoreError(invalidValue(def, value));
        return dateTimeToStored(t);
    }
    case FieldType::Time: {
        const QTime t = value.typeId() == QMetaType::QTime ? value.toTime()
                                                            : timeFromStored(value);
        return timeToStored(QTime(t.hour(), t.minute(), t.second()));
    }
    case FieldType::Text:
        return value.toString().left(def.size);
    case FieldType::Memo:
        return value.toString();
    }
    return value;
}

const FieldDef &Field::def() const
{
    return m_dataset->m_fields.at(m_index);
}

QVariant Field::value() const
{
    return m_dataset->storedValue(m_index);
}

bool Field::isNull() const
{
    return value().isNull();
}

int Field::asInteger() const
{
    const QVariant v = value();
    if (v.isNull())
        return 0;
    if (v.typeId() == QMetaType::QString) {
        bool ok = false;
        const int i = v.toString().trimmed().toInt(&ok);
        if (!ok)
            throw EStoreError(QStringLiteral("'%1' is not a valid integer value for field '%2'.")
                                  .arg(v.toString(), def().name));
        return i;
    }
    return v.toInt();
}

double Field::asFloat() const
{
    const QVariant v = value();
    return v.isNull() ? 0.0 : v.toDouble();
}

bool Field::asBoolean() const
{
    const QVariant v = value();
    if (v.isNull())
        return false;
    if (v.typeId() == QMetaType::QString)
        return textToBool(v.toString());
    return v.toInt() != 0;
}

QString Field::asString() const
{
    const QVariant v = value();
    if (v.isNull())
        return {};
    if (def().type == FieldType::Logical)
        return asBoolean() ? QStringLiteral("True") : QStringLiteral("False");
    return v.toString();
}

QDateTime Field::asDateTime() const
{
    return dateTimeFromStored(value());
}

QTime Field::asTime() const
{
    return timeFromStored(value());
}

void Field::setValue(const QVariant &value)
{
    m_dataset->writeValue(m_index, toStored(def(), value));
}

QString Field::displayText() const
{
    return m_dataset->displayText(m_index, value());
}

QList<FilterTerm> parseFilter(const QString &text, const QList<FieldDef> &fields)
{
    QList<FilterTerm> terms;
    if (text.trimmed().isEmpty())
        return terms;
    static const QRegularExpression orSplit(QStringLiteral("\\)\\s+or\\s+\\("),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression term(
        QStringLiteral("^\\s*\\(?\\s*([A-Za-z_][A-Za-z0-9_]*)\\s*=\\s*(-?\\d{1,18})\\s*\\)?\\s*$"));
    const QStringList parts = text.split(orSplit);
    for (const QString &part : parts) {
        const QRegularExpressionMatch m = term.match(part);
        int index = -1;
        if (m.hasMatch()) {
            for (int i = 0; i < fields.size(); ++i) {
                if (fields[i].name.compare(m.captured(1), Qt::CaseInsensitive) == 0)
                    index = i;
            }
        }
        if (index < 0)
            throw EStoreError(QStringLiteral("Invalid filter: %1").arg(text));
        terms.append({index, m.captured(2).toLongLong()});
    }
    return terms;
}

Dataset::Dataset(const QString &name, QObject *parent) : QObject(parent)
{
    setObjectName(name);
}

int Dataset::fieldIndex(const QString &name) const
{
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

Field Dataset::field(const QString &name)
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw EStoreError(QStringLiteral("%1: Field '%2' not found.").arg(objectName(), name));
    return Field(this, i);
}

void Dataset::setDisplayText(const QString &fieldName, DisplayTextFn fn)
{
    if (fn)
        m_displayTexts.insert(fieldName.toLower(), std::move(fn));
    else
        m_displayTexts.remove(fieldName.toLower());
}

bool Dataset::hasDisplayText(const QString &fieldName) const
{
    return m_displayTexts.contains(fieldName.toLower());
}

QString Dataset::displayText(int index, const QVariant &stored) const
{
    if (index < 0 || index >= m_fields.size())
        return {};
    const FieldDef &def = m_fields[index];
    const auto it = m_displayTexts.constFind(def.name.toLower());
    if (it != m_displayTexts.cend())
        return it.value()(stored);
    if (stored.isNull())
        return {};
    if (def.type == FieldType::Logical) {
        const bool on = stored.typeId() == QMetaType::QString ? textToBool(stored.toString())
                                                              : stored.toInt() != 0;
        return on ? QStringLiteral("True") : QStringLiteral("False");
    }
    return stored.toString();
}

void Dataset::setFilter(const QString &text)
{
    // Parse first, so a refused filter leaves the dataset as it was.
    if (!m_fields.isEmpty())
        parseFilter(text, m_fields);
    m_filterText = text;
    if (m_filtered)
        filterChanged();
}

void Dataset::setFiltered(bool on)
{
    if (on == m_filtered)
        return;
    m_filtered = on;
    filterChanged();
}

QList<FilterTerm> Dataset::activeFilter() const
{
    return m_filtered ? parseFilter(m_filterText, m_fields) : QList<FilterTerm>();
}

void Dataset::writeValue(int, const QVariant &)
{
    throw EStoreError(QStringLiteral("%1: Dataset not in edit or insert mode.").arg(objectName()));
}

void Dataset::setState(State s)
{
    if (s == m_state)
        return;
    m_state = s;
    emit stateChanged();
}

QList<QVector<QVariant>> Dataset::recordsAt(int first, int count) const
{
    QList<QVector<QVariant>> rows;
    for (int position = qMax(0, first); position < first + count && position < recordCount();
         ++position)
        rows << recordAt(position);
    return rows;
}

} // namespace store
