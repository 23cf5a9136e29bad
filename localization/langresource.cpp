#include "localization/langresource.h"

#include "localization/bytereader.h"
#include "localization/langerrors.h"
#include "localization/langnames.h"
#include "localization/lzq.h"

#include <QFile>

namespace loc {

namespace {

[[noreturn]] void damaged()
{
    throw ELocalizerError(msg::invalidLangsResource());
}

struct Header
{
    quint16 version = 0;
    QList<TBuiltinLanguage> languages;
};

bool isStore(QByteArrayView r)
{
    return r.size() >= 3 && r.first(3) == QByteArrayView("QLL");
}

Header readHeader(ByteReader &r)
{
    Header h;
    r.skip(3);
    h.version = r.u16();
    r.u32();
    const quint16 count = r.u16();
    for (quint16 i = 0; i < count; ++i) {
        TBuiltinLanguage l;
        l.language = r.u16();
        l.englishName = h.version >= 3 ? r.string(r.compact()) : englishLanguageName(l.language);
        l.localizedName = h.version >= 4 ? r.wide(r.compact()) : nativeLanguageName(l.language);
        l.native = i == 0;
        h.languages.append(l);
    }
    return h;
}

} // namespace

QList<TBuiltinLanguage> TLangResource::languages(QByteArrayView resource)
{
    if (!isStore(resource))
        return {};
    ByteReader r(resource, [] { damaged(); });
    return readHeader(r).languages;
}

QByteArray TLangResource::load(QByteArrayView resource, quint16 language)
{
    if (!isStore(resource))
        return {};
    ByteReader r(resource, [] { damaged(); });
    const Header h = readHeader(r);
    qsizetype wanted = -1;
    if (language == 0 && !h.languages.isEmpty())
        wanted = 0;
    for (qsizetype i = 0; wanted < 0 && i < h.languages.size(); ++i)
        if (h.languages[i].language == language)
            wanted = i;
    if (wanted < 0)
        return {};
    auto size = [&]() -> quint32 { return h.version < 2 ? r.u16() : r.u32(); };
    for (qsizetype i = 0; i < wanted; ++i)
        r.skip(qsizetype(size()));
    const QByteArrayView block = r.take(qsizetype(size()));
    if (TLZQCompressor::hasHeader(block))
        return TLZQCompressor::decode(block);
    return block.toByteArray();
}

QByteArray TLangResource::write(const QList<Block> &blocks, quint32 dataVersion, quint16 version)
{
    ByteWriter w;
    w.raw("QLL");
    w.u16(version);
    w.u32(dataVersion);
    w.u16(quint16(blocks.size()));
    for (const Block &b : blocks) {
        w.u16(b.language.language);
        if (version >= 3) {
            w.compact(quint32(b.language.englishName.size()));
            w.latin1(b.language.englishName);
        }
        if (version >= 4) {
            w.compact(quint32(b.language.localizedName.size()));
            w.utf16(b.language.localizedName);
        }
    }
    for (const Block &b : blocks) {
        if (version < 2)
            w.u16(quint16(b.data.size()));
        else
            w.u32(quint32(b.data.size()));
        w.raw(b.data);
    }
    return w.bytes();
}

TLocSettings TLocSettings::read(const QByteArray *data, const QByteArray &expectedMagic,
                                const QString &modulePath)
{
    auto invalid = [&] { throw EInvalidResLibrary(msg::invalidResourceFile(modulePath)); };
    if (!data || data->size() < 4 || data->first(4) != expectedMagic)
        invalid();
    ByteReader r(*data, invalid);
    TLocSettings s;
    s.magic = r.take(4).toByteArray();
    s.version = r.u32();
    s.language = r.u16();
    s.englishName = r.string(r.u16());
    s.localizedName = r.wide(r.u16());
    if (r.remaining() > 4) {
        s.formatMark = r.u16();
        s.reserved = r.u16();
        s.build = r.u32();
    }
    return s;
}

QByteArray TLocSettings::write() const
{
    ByteWriter w;
    w.raw(magic.left(4).leftJustified(4, '\0'));
    w.u32(version);
    w.u16(language);
    w.u16(quint16(englishName.size()));
    w.latin1(englishName);
    w.u16(quint16(localizedName.size()));
    w.utf16(localizedName);
    w.u16(formatMark);
    w.u16(reserved);
    w.u32(build);
    w.u8(0);
    return w.bytes();
}

namespace builtin {

namespace {
QByteArray resource(const char *name)
{
    QFile f(QStringLiteral(":/localization/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

QByteArray langsResource()
{
    return resource("LOC_LANGS_");
}

QByteArray exeSettings()
{
    return resource("LOC_EXESETTINGS_");
}

QByteArray libSettings()
{
    return resource("LOC_LIBSETTINGS_");
}

} // namespace builtin

} // namespace loc
