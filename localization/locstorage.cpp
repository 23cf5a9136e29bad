#include "localization/locstorage.h"

#include "localization/langerrors.h"

namespace loc {

namespace {
const TLocValue NoValue;
}

const TLocValue &TLocItem::value(int column) const
{
    return column >= 0 && size_t(column) < values.size() ? values[size_t(column)] : NoValue;
}

TLocValue &TLocItem::valueRef(int column)
{
    if (values.size() <= size_t(column))
        values.resize(size_t(column) + 1);
    return values[size_t(column)];
}

TLocProperty *TLocPropertyOwner::property(const QString &path) const
{
    for (const auto &p : properties)
        if (p->path == path)
            return p.get();
    return nullptr;
}

TLocComponent *TLocForm::component(const QString &componentName) const
{
    for (const auto &c : components)
        if (c->name == componentName)
            return c.get();
    return nullptr;
}

void TLocStorage::clear()
{
    m_columns.clear();
    m_current = -1;
    m_units.clear();
    m_forms.clear();
    m_groups.clear();
    m_constants.clear();
    m_properties.clear();
    m_extItems.clear();
    highestConstant = highestProperty = highestExtItem = 0;
}

bool TLocStorage::isEmpty() const
{
    return m_units.empty() && m_forms.empty() && m_groups.empty() && m_columns.empty();
}

int TLocStorage::addColumn(quint16 language)
{
    TLangInfo info;
    info.language = language;
    m_columns.push_back(info);
    if (m_current < 0)
        m_current = 0;
    return int(m_columns.size()) - 1;
}

int TLocStorage::findColumn(quint16 language) const
{
    for (size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].language == language)
            return int(i);
    return -1;
}

void TLocStorage::dropAdditionalColumns()
{
    if (m_columns.size() > 1)
        m_columns.resize(1);
    auto trim = [](TLocItem &item) {
        if (item.values.size() > 1)
            item.values.resize(1);
    };
    for (auto *c : std::as_const(m_constants))
        trim(*c);
    for (auto *p : std::as_const(m_properties))
        trim(*p);
    for (auto *e : std::as_const(m_extItems))
        trim(*e);
    if (m_current > 0)
        m_current = 0;
}

void TLocStorage::setCurrentColumn(int column)
{
    if (column < 0 || column >= columnCount())
        throw ELangFileError(msg::invalidIndex());
    m_current = column;
}

TLocUnit &TLocStorage::addUnit(const QString &name, quint16 attributes)
{
    auto u = std::make_unique<TLocUnit>();
    u->name = name;
    u->attributes = attributes;
    m_units.push_back(std::move(u));
    return *m_units.back();
}

TLocConstant &TLocStorage::addConstant(TLocUnit &u, const QString &name, quint32 id)
{
    auto c = std::make_unique<TLocConstant>();
    c->name = name;
    c->id = id;
    m_constants.insert(id, c.get());
    u.constants.push_back(std::move(c));
    return *u.constants.back();
}

TLocForm &TLocStorage::addForm(const QString &name, quint16 attributes)
{
    auto f = std::make_unique<TLocForm>();
    f->name = name;
    f->attributes = attributes;
    m_forms.push_back(std::move(f));
    return *m_forms.back();
}

TLocComponent &TLocStorage::addComponent(TLocForm &f, const QString &name, quint16 attributes)
{
    auto c = std::make_unique<TLocComponent>();
    c->name = name;
    c->attributes = attributes;
    f.components.push_back(std::move(c));
    return *f.components.back();
}

TLocProperty &TLocStorage::addProperty(TLocPropertyOwner &owner, const QString &path, quint32 id,
                                       TLocValueType type)
{
    auto p = std::make_unique<TLocProperty>();
    p->path = path;
    p->id = id;
    p->type = type;
    m_properties.insert(id, p.get());
    owner.properties.push_back(std::move(p));
    return *owner.properties.back();
}

TLocExtGroup &TLocStorage::addGroup(const QString &name, quint16 attributes)
{
    auto g = std::make_unique<TLocExtGroup>();
    g->name = name;
    g->attributes = attributes;
    m_groups.push_back(std::move(g));
    return *m_groups.back();
}

TLocExtItem &TLocStorage::addExtItem(TLocExtGroup &g, const QString &name, quint32 id)
{
    auto e = std::make_unique<TLocExtItem>();
    e->name = name;
    e->id = id;
    m_extItems.insert(id, e.get());
    g.items.push_back(std::move(e));
    return *g.items.back();
}

TLocUnit *TLocStorage::unit(const QString &name) const
{
    for (const auto &u : m_units)
        if (u->name == name)
            return u.get();
    return nullptr;
}

TLocConstant *TLocStorage::constant(const QString &unitName, const QString &name) const
{
    if (TLocUnit *u = unit(unitName))
        for (const auto &c : u->constants)
            if (c->name == name)
                return c.get();
    return nullptr;
}

TLocForm *TLocStorage::form(const QString &name) const
{
    for (const auto &f : m_forms)
        if (f->name == name)
            return f.get();
    return nullptr;
}

TLocProperty *TLocStorage::property(const QString &formName, const QString &component,
                                    const QString &path) const
{
    TLocForm *f = form(formName);
    if (!f)
        return nullptr;
    if (component.isEmpty())
        return f->property(path);
    TLocComponent *c = f->component(component);
    return c ? c->property(path) : nullptr;
}

namespace {

bool sameItem(const TLocItem &a, const TLocItem &b, int columns)
{
    if (a.id != b.id || a.attributes != b.attributes)
        return false;
    for (int c = 0; c < columns; ++c)
        if (!(a.value(c) == b.value(c)))
            return false;
    return true;
}

bool sameOwner(const TLocPropertyOwner &a, const TLocPropertyOwner &b, int columns)
{
    if (a.name != b.name || a.attributes != b.attributes || a.properties.size() != b.properties.size())
        return false;
    for (size_t i = 0; i < a.properties.size(); ++i) {
        const TLocProperty &p = *a.properties[i], &q = *b.properties[i];
        if (p.path != q.path || p.type != q.type || !sameItem(p, q, columns))
            return false;
    }
    return true;
}

} // namespace

bool TLocStorage::sameAs(const TLocStorage &o) const
{
    if (m_columns != o.m_columns || m_units.size() != o.m_units.size() ||
        m_forms.size() != o.m_forms.size() || m_groups.size() != o.m_groups.size() ||
        highestConstant != o.highestConstant || highestProperty != o.highestProperty ||
        highestExtItem != o.highestExtItem)
        return false;
    const int columns = columnCount();
    for (size_t i = 0; i < m_units.size(); ++i) {
        const TLocUnit &u = *m_units[i], &v = *o.m_units[i];
        if (u.name != v.name || u.attributes != v.attributes || u.constants.size() != v.constants.size())
            return false;
        for (size_t k = 0; k < u.constants.size(); ++k) {
            const TLocConstant &c = *u.constants[k], &d = *v.constants[k];
            if (c.name != d.name || c.resourceId != d.resourceId || !sameItem(c, d, columns))
                return false;
        }
    }
    for (size_t i = 0; i < m_forms.size(); ++i) {
        const TLocForm &f = *m_forms[i], &g = *o.m_forms[i];
        if (!sameOwner(f, g, columns) || f.components.size() != g.components.size())
            return false;
        for (size_t k = 0; k < f.components.size(); ++k)
            if (!sameOwner(*f.components[k], *g.components[k], columns))
                return false;
    }
    for (size_t i = 0; i < m_groups.size(); ++i) {
        const TLocExtGroup &g = *m_groups[i], &h = *o.m_groups[i];
        if (g.name != h.name || g.attributes != h.attributes || g.items.size() != h.items.size())
            return false;
        for (size_t k = 0; k < g.items.size(); ++k)
            if (g.items[k]->name != h.items[k]->name || !sameItem(*g.items[k], *h.items[k], columns))
                return false;
    }
    return true;
}

} // namespace loc
