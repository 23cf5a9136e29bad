// The LZQ decoder on any stream, and packing any bytes back to themselves.
#include "localization/langerrors.h"
#include "localization/lzq.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        (void)loc::TLZQCompressor::decode(input);
    } catch (const loc::ECompressError &) {
    }
    const QByteArray packed = loc::TLZQCompressor::encode(input);
    if (loc::TLZQCompressor::decode(packed) != input)
        std::abort();
    return 0;
}
