#pragma once

#include <QHash>
#include <QString>
#include <QVector>

#include <array>
#include <memory>
#include <vector>

namespace loc {

// Value attribute: never applied to a component.
constexpr quint16 ValueNotApplied = 8;
// Value attribute: cleared when a loaded translation is older than the native text.
constexpr quint16 ValueCurrent = 256;
// Language data attributes.
constexpr quint16 DataRightToLeft = 2;
constexpr quint16 DataShowOutOfDate = 256;

// Value types of form properties.
enum class TLocValueType : quint8 {
    Float = 0,
    Integer = 1,
    Text = 2,
    None = 3,
    Lines = 4,
};

using TLocStamp = std::array<char, 8>;

// One language's value of one item. Numbers are held as their decimal text.
struct TLocValue
{
    QString text;
    qint32 version = 0;
    quint16 attributes = 0;
    TLocStamp stamp{};
    quint16 language = 0;
    bool assigned = false;

    bool operator==(const TLocValue &o) const = default;
};

// What every translatable item carries: an identifier and one value per column.
struct TLocItem
{
    quint32 id = 0;
    quint16 attributes = 0;
    std::vector<TLocValue> values;

    const TLocValue &value(int column) const;
    TLocValue &valueRef(int column);
};

struct TLocConstant : TLocItem
{
    QString name;
    quint16 resourceId = 0;
};

struct TLocUnit
{
    QString name;
    quint16 attributes = 0;
    std::vector<std::unique_ptr<TLocConstant>> constants;
};

struct TLocProperty : TLocItem
{
    QString path;
    TLocValueType type = TLocValueType::Text;
};

// A form or one of its components: a named holder of properties.
struct TLocPropertyOwner
{
    QString name;
    quint16 attributes = 0;
    std::vector<std::unique_ptr<TLocProperty>> properties;

    TLocProperty *property(const QString &path) const;
};

struct TLocComponent : TLocPropertyOwner
{
};

struct TLocForm : TLocPropertyOwner
{
    std::vector<std::unique_ptr<TLocComponent>> components;

    TLocComponent *component(const QString &name) const;
};

struct TLocExtItem : TLocItem
{
    QString name;
};

struct TLocExtGroup
{
    QString name;
    quint16 attributes = 0;
    std::vector<std::unique_ptr<TLocExtItem>> items;
};

// The header of a language data set.
struct TLangInfo
{
    quint16 format = 7;
    quint32 version = 0;
    quint32 build = 0;
    quint16 language = 0;
    quint16 basedOn = 0;
    QString englishName;
    QString localizedName;
    bool native = false;
    quint16 attributes = 0;
    quint32 highestConstant = 0;
    quint32 highestProperty = 0;
    quint32 highestExtItem = 0;

    bool operator==(const TLangInfo &o) const = default;
};

// The tree of translatable items with one value column per loaded language.
// Column 0 is the native language.
class TLocStorage
{
public:
    TLocStorage() = default;
    TLocStorage(const TLocStorage &) = delete;
    TLocStorage &operator=(const TLocStorage &) = delete;
    TLocStorage(TLocStorage &&) = default;
    TLocStorage &operator=(TLocStorage &&) = default;

    void clear();
    bool isEmpty() const;

    // Language columns.
    int addColumn(quint16 language);
    int findColumn(quint16 language) const;
    void dropAdditionalColumns();
    int columnCount() const { return int(m_columns.size()); }
    quint16 columnLanguage(int column) const { return m_columns.at(size_t(column)).language; }
    const TLangInfo &columnInfo(int column) const { return m_columns.at(size_t(column)); }
    TLangInfo &columnInfo(int column) { return m_columns.at(size_t(column)); }
    int currentColumn() const { return m_current; }
    void setCurrentColumn(int column);

    // Identifier limits of the native data.
    quint32 highestConstant = 0;
    quint32 highestProperty = 0;
    quint32 highestExtItem = 0;

    // The tree; build it through these so the lookups stay in step.
    TLocUnit &addUnit(const QString &name, quint16 attributes = 0);
    TLocConstant &addConstant(TLocUnit &unit, const QString &name, quint32 id);
    TLocForm &addForm(const QString &name, quint16 attributes = 0);
    TLocComponent &addComponent(TLocForm &form, const QString &name, quint16 attributes = 0);
    TLocProperty &addProperty(TLocPropertyOwner &owner, const QString &path, quint32 id,
                              TLocValueType type);
    TLocExtGroup &addGroup(const QString &name, quint16 attributes = 0);
    TLocExtItem &addExtItem(TLocExtGroup &group, const QString &name, quint32 id);

    const std::vector<std::unique_ptr<TLocUnit>> &units() const { return m_units; }
    const std::vector<std::unique_ptr<TLocForm>> &forms() const { return m_forms; }
    const std::vector<std::unique_ptr<TLocExtGroup>> &groups() const { return m_groups; }

    // Gives an item read without an identifier its number.
    void setId(TLocConstant &c, quint32 id) { rekey(m_constants, c, id); }
    void setId(TLocProperty &p, quint32 id) { rekey(m_properties, p, id); }
    void setId(TLocExtItem &e, quint32 id) { rekey(m_extItems, e, id); }

    // Lookups by identifier (nullptr when absent) and by names.
    TLocConstant *constantById(quint32 id) const { return m_constants.value(id); }
    TLocProperty *propertyById(quint32 id) const { return m_properties.value(id); }
    TLocExtItem *extItemById(quint32 id) const { return m_extItems.value(id); }
    TLocUnit *unit(const QString &name) const;
    TLocConstant *constant(const QString &unit, const QString &name) const;
    TLocForm *form(const QString &name) const;
    // A property of a form (component empty) or of one of its components.
    TLocProperty *property(const QString &form, const QString &component, const QString &path) const;

    // Same items, identifiers and values in every column.
    bool sameAs(const TLocStorage &other) const;

private:
    template<typename T>
    static void rekey(QHash<quint32, T *> &index, T &item, quint32 id)
    {
        if (index.value(item.id) == &item)
            index.remove(item.id);
        item.id = id;
        index.insert(id, &item);
    }

    std::vector<TLangInfo> m_columns;
    int m_current = -1;
    std::vector<std::unique_ptr<TLocUnit>> m_units;
    std::vector<std::unique_ptr<TLocForm>> m_forms;
    std::vector<std::unique_ptr<TLocExtGroup>> m_groups;
    QHash<quint32, TLocConstant *> m_constants;
    QHash<quint32, TLocProperty *> m_properties;
    QHash<quint32, TLocExtItem *> m_extItems;
};

} // namespace loc
