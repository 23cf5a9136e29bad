#include "localization/resmodule.h"

#include "localization/bytereader.h"
#include "localization/langerrors.h"
#include "localization/texts.h"

#include <QCryptographicHash>

namespace loc {

namespace {

constexpr char Magic[] = "QLRM";
constexpr quint16 ContainerVersion = 1;
constexpr qsizetype DigestSize = 20; // SHA-1

const QByteArray SettingsName = QByteArrayLiteral("LOC_LIBSETTINGS_");
const QByteArray StampName = QByteArrayLiteral("LOC_STAMP_");
const QByteArray StringsName = QByteArrayLiteral("LOC_STRINGS_");
const QByteArray FormsName = QByteArrayLiteral("LOC_FORMS_");

void wide(ByteWriter &w, const QString &s)
{
    w.compact(quint32(s.size()));
    w.utf16(s);
}

void narrow(ByteWriter &w, const QString &s)
{
    const QByteArray u = s.toUtf8();
    w.compact(quint32(u.size()));
    w.raw(u);
}

QString narrow(ByteReader &r)
{
    return QString::fromUtf8(r.take(qsizetype(r.compact())));
}

} // namespace

QByteArray TResModule::write() const
{
    ByteWriter table;
    table.u32(quint32(strings.size()));
    for (auto it = strings.cbegin(); it != strings.cend(); ++it) {
        wide(table, it.key());
        wide(table, it.value());
    }
    ByteWriter formData;
    formData.u32(quint32(forms.size()));
    for (auto it = forms.cbegin(); it != forms.cend(); ++it) {
        narrow(formData, it.key());
        formData.u32(quint32(it.value().size()));
        for (const TResProperty &p : it.value()) {
            narrow(formData, p.component);
            narrow(formData, p.path);
            formData.u8(quint8(p.type));
            formData.u32(p.id);
            wide(formData, p.text);
        }
    }
    const QList<QPair<QByteArray, QByteArray>> resources = {
        {SettingsName, settings.write()},
        {StampName, stamp},
        {StringsName, table.bytes()},
        {FormsName, formData.bytes()},
    };
    ByteWriter w;
    w.raw(Magic);
    w.u16(ContainerVersion);
    w.u16(quint16(resources.size()));
    for (const auto &[name, data] : resources) {
        w.u16(quint16(name.size()));
        w.raw(name);
        w.u32(quint32(data.size()));
        w.raw(data);
    }
    w.raw(QCryptographicHash::hash(w.bytes(), QCryptographicHash::Sha1));
    return w.bytes();
}

TResModule TResModule::read(const QByteArray &data, const QString &path)
{
    auto broken = [&] { throw ELocalizerError(loc::text("Error loading resource file \"%s\"").replace(
                            QLatin1String("%s"), path)); };
    if (data.size() < 8 + DigestSize || !data.startsWith(Magic))
        broken();
    const QByteArrayView body(data.constData(), data.size() - DigestSize);
    if (QCryptographicHash::hash(body, QCryptographicHash::Sha1) != data.right(DigestSize))
        broken();

    ByteReader r(body, broken);
    r.skip(4);
    if (r.u16() != ContainerVersion)
        broken();
    QHash<QByteArray, QByteArray> resources;
    for (quint16 n = r.u16(); n > 0; --n) {
        const QByteArray name = r.take(r.u16()).toByteArray();
        resources.insert(name, r.take(qsizetype(r.u32())).toByteArray());
    }

    TResModule m;
    m.path = path;
    const auto record = resources.constFind(SettingsName);
    m.settings = TLocSettings::read(record == resources.cend() ? nullptr : &*record, "LDLL", path);
    m.stamp = resources.value(StampName);

    const QByteArray strings = resources.value(StringsName);
    ByteReader s(strings, broken);
    if (!strings.isEmpty()) {
        for (quint32 n = s.u32(); n > 0; --n) {
            const QString native = s.wide(s.compact());
            m.strings.insert(native, s.wide(s.compact()));
        }
    }
    const QByteArray formData = resources.value(FormsName);
    ByteReader f(formData, broken);
    if (!formData.isEmpty()) {
        for (quint32 n = f.u32(); n > 0; --n) {
            QList<TResProperty> &props = m.forms[narrow(f)];
            for (quint32 k = f.u32(); k > 0; --k) {
                TResProperty p;
                p.component = narrow(f);
                p.path = narrow(f);
                p.type = TLocValueType(f.u8());
                p.id = f.u32();
                p.text = f.wide(f.compact());
                props.append(p);
            }
        }
    }
    return m;
}

QString TResModule::chosen(const TLocItem &item, int column, bool showOutOfDate)
{
    const TLocValue &native = item.value(0);
    if (column <= 0)
        return native.text;
    const TLocValue &v = item.value(column);
    // An empty translation is one not yet made.
    if (v.assigned && !v.text.isEmpty() && (v.version == native.version || showOutOfDate))
        return v.text;
    return native.text;
}

TResModule TResModule::generate(const TLocStorage &store, int column, bool showOutOfDate)
{
    TResModule m;
    for (const auto &unit : store.units()) {
        for (const auto &c : unit->constants) {
            const QString &native = c->value(0).text;
            if (native.isEmpty())
                continue;
            // One translation of a text serves every unit that uses it: the
            // first unit's, or the first there is when that one has none.
            const auto it = m.strings.constFind(native);
            if (it != m.strings.cend() && *it != native)
                continue;
            m.strings.insert(native, chosen(*c, column, showOutOfDate));
        }
    }
    auto add = [&](QList<TResProperty> &out, const QString &component, const TLocProperty &p) {
        const TLocValue &own = column > 0 && p.value(column).assigned ? p.value(column) : p.value(0);
        if (own.attributes & ValueNotApplied)
            return;
        out.append({component, p.path, p.type, p.id, chosen(p, column, showOutOfDate)});
    };
    for (const auto &form : store.forms()) {
        QList<TResProperty> &props = m.forms[form->name];
        for (const auto &p : form->properties)
            add(props, QString(), *p);
        for (const auto &component : form->components)
            for (const auto &p : component->properties)
                add(props, component->name, *p);
    }
    return m;
}

} // namespace loc
