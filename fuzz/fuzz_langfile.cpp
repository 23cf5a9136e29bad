// Language files as an operator may copy them in: the first byte chooses the
// reading (header only, native, additional), the rest is the file.
#include "localization/langerrors.h"
#include "localization/langfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// A small native store for additional languages to land in.
void fillNative(loc::TLocStorage &s)
{
    s.addColumn(9);
    loc::TLocUnit &u = s.addUnit(QStringLiteral("Texts"));
    for (quint32 id = 1; id <= 4; ++id) {
        loc::TLocConstant &c = s.addConstant(u, QStringLiteral("C%1").arg(id), id);
        c.valueRef(0) = {QStringLiteral("text"), 2, loc::ValueCurrent, {}, 9, true};
    }
    loc::TLocForm &f = s.addForm(QStringLiteral("MainFrm"));
    loc::TLocComponent &c = s.addComponent(f, QStringLiteral("btnOK"));
    for (quint32 id = 1; id <= 5; ++id) {
        loc::TLocProperty &p = s.addProperty(c, QStringLiteral("P%1").arg(id), id,
                                             loc::TLocValueType(id - 1));
        p.valueRef(0) = {QStringLiteral("1"), 2, loc::ValueCurrent, {}, 9, true};
    }
    loc::TLocExtGroup &g = s.addGroup(QStringLiteral("G"));
    s.addExtItem(g, QStringLiteral("I"), 1).valueRef(0) = {QStringLiteral("x"), 1, 0, {}, 9, true};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const QByteArrayView file(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    try {
        switch (data[0] % 3) {
        case 0:
            (void)loc::TLangFile::readHeader(file);
            break;
        case 1: {
            loc::TLocStorage s;
            const loc::TLangInfo info = loc::TLangFile::readNative(file, &s);
            if (info.format == loc::NewestLangFormat) {
                // What we read we can write again, and read to the same store.
                loc::TLangInfo out = s.columnInfo(0);
                out.highestConstant = s.highestConstant;
                out.highestProperty = s.highestProperty;
                out.highestExtItem = s.highestExtItem;
                loc::TLocStorage again;
                loc::TLangFile::readNative(loc::TLangFile::write(s, 0, out), &again);
                for (const auto &u : s.units())
                    for (const auto &c : u->constants)
                        if (!again.constantById(c->id) ||
                            again.constantById(c->id)->value(0).text != s.constantById(c->id)->value(0).text)
                            std::abort();
            }
            break;
        }
        default: {
            loc::TLocStorage s;
            fillNative(s);
            const int column = s.addColumn(1038);
            (void)loc::TLangFile::readAdditional(file, &s, column);
            break;
        }
        }
    } catch (const loc::ELocError &) {
    }
    return 0;
}
