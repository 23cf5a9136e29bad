#pragma once

#include <QByteArray>
#include <QByteArrayView>

class QIODevice;

namespace loc {

// LZQ: a small LZ77 packing of language data. A stream is the header
// "LZQ00" and four ignored bytes, then tokens: an odd token byte and the
// byte after it form a back-reference (distance up to 2048, length 3 to 18),
// an even token byte n carries n/2 literal bytes.
class TLZQCompressor
{
public:
    static constexpr int HeaderSize = 9;

    static bool hasHeader(QByteArrayView data);
    // Peeks without consuming.
    static bool hasHeader(QIODevice *source);

    // Decodes all of source into destination; throws ECompressError.
    static void decompress(QIODevice *source, QIODevice *destination);
    static QByteArray decode(QByteArrayView stream);

    // Packs data with a window of 2048 bytes, matches of 3 to 18 bytes,
    // the newest 40 candidates per byte value, stopping the search at the
    // first match longer than 8 bytes.
    static void compress(QIODevice *source, QIODevice *destination);
    static QByteArray encode(QByteArrayView data);
};

} // namespace loc
