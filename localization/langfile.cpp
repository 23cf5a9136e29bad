#include "localization/langfile.h"

#include "localization/bytereader.h"
#include "localization/langerrors.h"
#include "localization/lzq.h"

#include <QFile>
#include <QLocale>

namespace loc {

namespace {

constexpr quint16 Signature = 0x464C; // "LF"

[[noreturn]] void invalid()
{
    throw ELangFileError(msg::invalidFileFormat());
}

// The plain data set, unpacked when it starts with the LZQ header.
QByteArray plain(QByteArrayView data)
{
    if (TLZQCompressor::hasHeader(data))
        return TLZQCompressor::decode(data);
    return data.toByteArray();
}

class Parser
{
public:
    explicit Parser(QByteArrayView data) : r(data, [] { invalid(); }) {}

    TLangInfo header()
    {
        if (r.remaining() < 4 || r.u16() != Signature)
            invalid();
        info.format = r.u16();
        if (info.format == 0)
            invalid();
        if (info.format > NewestLangFormat)
            throw ELangFileError(msg::needNewerTool());
        info.version = r.u32();
        if (info.format > 4)
            info.build = r.u32();
        info.language = r.u16();
        if (info.format > 2)
            info.basedOn = r.u16();
        info.englishName = r.string(r.u16());
        info.localizedName = r.wide(r.u16());
        info.native = r.u16() != 0;
        if (info.format > 1)
            info.attributes = r.u16();
        info.highestConstant = r.u32();
        info.highestProperty = r.u32();
        if (info.format > 6)
            info.highestExtItem = r.u32();
        return info;
    }

    QString str() { return r.string(count()); }
    QString wide() { return r.wide(count()); }
    quint16 attributes() { return info.format > 1 ? r.u16() : 0; }

    // The version, attributes and stamp that follow a text.
    void tail(TLocValue &v)
    {
        v.version = r.i32();
        auto s = r.take(8);
        std::copy(s.begin(), s.end(), v.stamp.begin());
        v.language = info.language;
        v.assigned = true;
    }

    TLocValue constantValue(quint16 attributes)
    {
        TLocValue v;
        v.attributes = attributes;
        v.text = wide();
        tail(v);
        return v;
    }

    // A property's value by its type; returns the low byte of the type.
    quint8 propertyValue(TLocValue &v)
    {
        const quint8 type = quint8(r.u32() & 0xFF);
        if (type > quint8(TLocValueType::Lines))
            invalid();
        const bool stored = info.format >= 4 || type == quint8(TLocValueType::Text) ||
                            type == quint8(TLocValueType::Lines);
        if (stored) {
            switch (TLocValueType(type)) {
            case TLocValueType::Float:
                v.text = QString::number(r.f64(), 'g', QLocale::FloatingPointShortest);
                break;
            case TLocValueType::Integer:
                v.text = QString::number(r.i32());
                break;
            case TLocValueType::Text:
            case TLocValueType::Lines:
                v.text = wide();
                break;
            case TLocValueType::None:
                break;
            }
        }
        tail(v);
        return type;
    }

    ByteReader r;
    TLangInfo info;

private:
    quint32 count() { return info.format >= 6 ? r.compact() : r.u16(); }
};

void readNativeBody(Parser &p, TLocStorage &s)
{
    std::vector<TLocItem *> unnumberedConstants, unnumberedProperties, unnumberedItems;
    quint32 maxConstant = p.info.highestConstant, maxProperty = p.info.highestProperty,
            maxItem = p.info.highestExtItem;
    auto fixVersion = [&](TLocValue &v) {
        if (v.version < 0)
            v.version = qint32(p.info.version);
    };

    for (quint16 u = 0, n = p.r.u16(); u < n; ++u) {
        const QString name = p.str();
        TLocUnit &unit = s.addUnit(name, p.attributes());
        for (quint16 k = 0, m = p.r.u16(); k < m; ++k) {
            const QString cname = p.str();
            const quint16 attr = p.attributes();
            const quint16 resId = p.r.u16();
            const quint32 id = p.r.u32();
            TLocConstant &c = s.addConstant(unit, cname, id);
            c.attributes = attr;
            c.resourceId = resId;
            TLocValue v = p.constantValue(attr);
            fixVersion(v);
            c.valueRef(0) = v;
            if (id == 0)
                unnumberedConstants.push_back(&c);
            maxConstant = std::max(maxConstant, id);
        }
    }

    auto properties = [&](TLocPropertyOwner &owner) {
        for (quint16 k = 0, m = p.r.u16(); k < m; ++k) {
            const QString path = p.str();
            const quint16 attr = p.attributes();
            const quint32 id = p.r.u32();
            TLocValue v;
            v.attributes = attr;
            const quint8 type = p.propertyValue(v);
            fixVersion(v);
            TLocProperty &prop = s.addProperty(owner, path, id, TLocValueType(type));
            prop.attributes = attr;
            prop.valueRef(0) = v;
            if (id == 0)
                unnumberedProperties.push_back(&prop);
            maxProperty = std::max(maxProperty, id);
        }
    };
    for (quint16 f = 0, n = p.r.u16(); f < n; ++f) {
        const QString name = p.str();
        TLocForm &form = s.addForm(name, p.attributes());
        properties(form);
        for (quint16 c = 0, m = p.r.u16(); c < m; ++c) {
            const QString cname = p.str();
            properties(s.addComponent(form, cname, p.attributes()));
        }
    }

    if (p.info.format > 6) {
        for (quint16 g = 0, n = p.r.u16(); g < n; ++g) {
            const QString name = p.str();
            TLocExtGroup &group = s.addGroup(name, p.r.u16());
            for (quint16 k = 0, m = p.r.u16(); k < m; ++k) {
                const QString iname = p.str();
                const quint16 attr = p.r.u16();
                const quint32 id = p.r.u32();
                TLocExtItem &item = s.addExtItem(group, iname, id);
                item.attributes = attr;
                TLocValue v = p.constantValue(attr);
                fixVersion(v);
                item.valueRef(0) = v;
                if (id == 0)
                    unnumberedItems.push_back(&item);
                maxItem = std::max(maxItem, id);
            }
        }
    }

    // Numbers past the largest identifier would wrap onto items already there.
    auto fits = [](quint32 highest, size_t count) { return count <= size_t(0xFFFFFFFFu - highest); };
    if (!fits(maxConstant, unnumberedConstants.size()) || !fits(maxProperty, unnumberedProperties.size()) ||
        !fits(maxItem, unnumberedItems.size()))
        invalid();
    for (TLocItem *c : unnumberedConstants)
        s.setId(*static_cast<TLocConstant *>(c), ++maxConstant);
    for (TLocItem *prop : unnumberedProperties)
        s.setId(*static_cast<TLocProperty *>(prop), ++maxProperty);
    for (TLocItem *e : unnumberedItems)
        s.setId(*static_cast<TLocExtItem *>(e), ++maxItem);
    s.highestConstant = maxConstant;
    s.highestProperty = maxProperty;
    s.highestExtItem = maxItem;
}

struct Assignment
{
    TLocItem *item;
    TLocValue value;
};

void readAdditionalBody(Parser &p, const TLocStorage &s, std::vector<Assignment> &out)
{
    for (quint16 u = 0, n = p.r.u16(); u < n; ++u) {
        p.str();
        p.attributes();
        for (quint16 k = 0, m = p.r.u16(); k < m; ++k) {
            p.str();
            const quint16 attr = p.attributes();
            p.r.u16();
            const quint32 id = p.r.u32();
            TLocValue v = p.constantValue(attr);
            if (TLocConstant *c = s.constantById(id))
                out.push_back({c, std::move(v)});
        }
    }
    auto properties = [&] {
        for (quint16 k = 0, m = p.r.u16(); k < m; ++k) {
            p.str();
            TLocValue v;
            v.attributes = p.attributes();
            const quint32 id = p.r.u32();
            const quint8 type = p.propertyValue(v);
            TLocProperty *prop = s.propertyById(id);
            if (prop && quint8(prop->type) == type)
                out.push_back({prop, std::move(v)});
        }
    };
    for (quint16 f = 0, n = p.r.u16(); f < n; ++f) {
        p.str();
        p.attributes();
        properties();
        for (quint16 c = 0, m = p.r.u16(); c < m; ++c) {
            p.str();
            p.attributes();
            properties();
        }
    }
    if (p.info.format > 6) {
        for (quint16 g = 0, n = p.r.u16(); g < n; ++g) {
            p.str();
            p.r.u16();
            for (quint16 k = 0, m = p.r.u16(); k < m; ++k) {
                p.str();
                const quint16 attr = p.r.u16();
                const quint32 id = p.r.u32();
                TLocValue v = p.constantValue(attr);
                if (TLocExtItem *e = s.extItemById(id))
                    out.push_back({e, std::move(v)});
            }
        }
    }
}

} // namespace

TLangInfo TLangFile::readHeader(QByteArrayView data)
{
    // Only the start is needed, but a packed file must be unpacked first.
    const QByteArray bytes = plain(data);
    Parser p(bytes);
    return p.header();
}

TLangInfo TLangFile::readNative(QByteArrayView data, TLocStorage *store)
{
    if (!store)
        throw ELangFileError(msg::invalidLocStorage());
    const QByteArray bytes = plain(data);
    Parser p(bytes);
    p.header();
    TLocStorage fresh;
    fresh.addColumn(p.info.language);
    readNativeBody(p, fresh);
    fresh.columnInfo(0) = p.info;
    fresh.setCurrentColumn(0);
    *store = std::move(fresh);
    return p.info;
}

TLangInfo TLangFile::readAdditional(QByteArrayView data, TLocStorage *store, int column)
{
    if (!store)
        throw ELangFileError(msg::invalidLocStorage());
    if (column < 0 || column >= store->columnCount())
        throw ELangFileError(msg::invalidIndex());
    const QByteArray bytes = plain(data);
    Parser p(bytes);
    p.header();
    std::vector<Assignment> values;
    readAdditionalBody(p, *store, values);

    for (Assignment &a : values) {
        TLocValue &v = a.item->valueRef(column);
        v = std::move(a.value);
        // A translation older than the native text is no longer current.
        if (v.version < a.item->value(0).version && (v.attributes & ValueCurrent))
            v.attributes &= quint16(~ValueCurrent);
    }
    store->columnInfo(column) = p.info;
    return p.info;
}

QByteArray TLangFile::write(const TLocStorage &s, int column, const TLangInfo &info)
{
    if (column < 0 || column >= s.columnCount())
        throw ELangFileError(msg::invalidIndex());
    const quint16 format = info.format;
    if (format == 0 || format > NewestLangFormat)
        throw ELangFileError(msg::invalidFileFormat());

    ByteWriter w;
    auto count = [&](quint32 n) {
        if (format >= 6)
            w.compact(n);
        else
            w.u16(quint16(std::min<quint32>(n, 0xFFFF)));
    };
    // Below format 6 a text is cut at the 16-bit count.
    auto str = [&](const QString &s8) {
        const QString t = format >= 6 ? s8 : s8.left(0xFFFF);
        count(quint32(t.size()));
        w.latin1(t);
    };
    auto wide = [&](const QString &t16) {
        const QString t = format >= 6 ? t16 : t16.left(0xFFFF);
        count(quint32(t.size()));
        w.utf16(t);
    };
    auto attributes = [&](quint16 a) {
        if (format > 1)
            w.u16(a);
    };
    auto tail = [&](const TLocValue &v) {
        w.i32(v.version);
        w.raw(QByteArrayView(v.stamp.data(), 8));
    };
    auto wanted = [&](const TLocItem &item) { return column == 0 || item.value(column).assigned; };

    w.u16(Signature);
    w.u16(format);
    w.u32(info.version);
    if (format > 4)
        w.u32(info.build);
    w.u16(info.language);
    if (format > 2)
        w.u16(info.basedOn);
    const QString en = info.englishName.left(0xFFFF), local = info.localizedName.left(0xFFFF);
    w.u16(quint16(en.size()));
    w.latin1(en);
    w.u16(quint16(local.size()));
    w.utf16(local);
    w.u16(info.native ? 1 : 0);
    attributes(info.attributes);
    w.u32(info.highestConstant);
    w.u32(info.highestProperty);
    if (format > 6)
        w.u32(info.highestExtItem);

    auto countOf = [&](const auto &items) {
        quint16 n = 0;
        for (const auto &i : items)
            if (wanted(*i))
                ++n;
        return n;
    };

    std::vector<const TLocUnit *> units;
    for (const auto &u : s.units())
        if (countOf(u->constants) > 0 || column == 0)
            units.push_back(u.get());
    w.u16(quint16(units.size()));
    for (const TLocUnit *u : units) {
        str(u->name);
        attributes(u->attributes);
        w.u16(countOf(u->constants));
        for (const auto &c : u->constants) {
            if (!wanted(*c))
                continue;
            str(c->name);
            attributes(c->value(column).attributes);
            w.u16(c->resourceId);
            w.u32(c->id);
            wide(c->value(column).text);
            tail(c->value(column));
        }
    }

    auto properties = [&](const TLocPropertyOwner &owner) {
        w.u16(countOf(owner.properties));
        for (const auto &p : owner.properties) {
            if (!wanted(*p))
                continue;
            const TLocValue &v = p->value(column);
            str(p->path);
            attributes(v.attributes);
            w.u32(p->id);
            w.u32(quint32(p->type));
            const bool stored =
                format >= 4 || p->type == TLocValueType::Text || p->type == TLocValueType::Lines;
            if (stored) {
                switch (p->type) {
                case TLocValueType::Float:
                    w.f64(v.text.toDouble());
                    break;
                case TLocValueType::Integer:
                    w.i32(v.text.toInt());
                    break;
                case TLocValueType::Text:
                case TLocValueType::Lines:
                    wide(v.text);
                    break;
                case TLocValueType::None:
                    break;
                }
            }
            tail(v);
        }
    };
    auto ownerWanted = [&](const TLocPropertyOwner &o) {
        return column == 0 || countOf(o.properties) > 0;
    };
    std::vector<const TLocForm *> forms;
    for (const auto &f : s.forms()) {
        bool any = ownerWanted(*f);
        for (const auto &c : f->components)
            any = any || ownerWanted(*c);
        if (any)
            forms.push_back(f.get());
    }
    w.u16(quint16(forms.size()));
    for (const TLocForm *f : forms) {
        str(f->name);
        attributes(f->attributes);
        properties(*f);
        quint16 n = 0;
        for (const auto &c : f->components)
            if (ownerWanted(*c))
                ++n;
        w.u16(n);
        for (const auto &c : f->components) {
            if (!ownerWanted(*c))
                continue;
            str(c->name);
            attributes(c->attributes);
            properties(*c);
        }
    }

    if (format > 6) {
        std::vector<const TLocExtGroup *> groups;
        for (const auto &g : s.groups())
            if (column == 0 || countOf(g->items) > 0)
                groups.push_back(g.get());
        w.u16(quint16(groups.size()));
        for (const TLocExtGroup *g : groups) {
            str(g->name);
            w.u16(g->attributes);
            w.u16(countOf(g->items));
            for (const auto &e : g->items) {
                if (!wanted(*e))
                    continue;
                str(e->name);
                w.u16(e->value(column).attributes);
                w.u32(e->id);
                wide(e->value(column).text);
                tail(e->value(column));
            }
        }
    }
    return w.bytes();
}

QByteArray TLangFile::loadFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

} // namespace loc
