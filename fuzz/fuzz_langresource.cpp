// The built-in store resource: the language list and every language's data.
#include "localization/langerrors.h"
#include "localization/langfile.h"
#include "localization/langresource.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView resource(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        const QList<loc::TBuiltinLanguage> list = loc::TLangResource::languages(resource);
        (void)loc::TLangResource::load(resource, 0);
        for (const loc::TBuiltinLanguage &l : list) {
            const QByteArray block = loc::TLangResource::load(resource, l.language);
            loc::TLocStorage s;
            (void)loc::TLangFile::readNative(block, &s);
        }
    } catch (const loc::ELocError &) {
    }
    return 0;
}
