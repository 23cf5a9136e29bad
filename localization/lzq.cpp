#include "localization/lzq.h"

#include "localization/langerrors.h"

#include <QIODevice>

#include <array>
#include <cstring>

namespace loc {

namespace {

constexpr char Magic[] = "LZQ00";
constexpr int Window = 2048;
constexpr int MinMatch = 3;
constexpr int MaxMatch = 18;
constexpr int MaxLiterals = 127;
constexpr int Candidates = 40;
constexpr int GoodEnough = 8;

} // namespace

bool TLZQCompressor::hasHeader(QByteArrayView data)
{
    return data.size() >= 5 && data.first(5) == QByteArrayView(Magic, 5);
}

bool TLZQCompressor::hasHeader(QIODevice *source)
{
    return source && hasHeader(source->peek(5));
}

QByteArray TLZQCompressor::decode(QByteArrayView stream)
{
    if (stream.size() < HeaderSize || !hasHeader(stream))
        throw ECompressError(msg::wrongStreamFormat());
    const auto *in = reinterpret_cast<const quint8 *>(stream.data());
    const qsizetype end = stream.size();
    qsizetype i = HeaderSize;

    // Grown ahead of each token, which adds at most 127 bytes.
    QByteArray out(std::max<qsizetype>(256, stream.size() * 3), Qt::Uninitialized);
    char *o = out.data();
    qsizetype size = 0;
    while (i < end) {
        if (out.size() - size < 128) {
            out.resize(out.size() * 2);
            o = out.data();
        }
        const quint8 a = in[i++];
        if (a & 1) {
            // A token at the very end has lost its second byte: nothing to copy.
            if (i >= end)
                break;
            const unsigned w = a | (unsigned(in[i++]) << 8);
            qsizetype d = (w & 0xFFF) >> 1;
            if (d == 0)
                d = Window; // the slot about to be overwritten in the window
            const int n = int(w >> 12) + MinMatch;
            if (size >= d) {
                const char *from = o + size - d;
                char *to = o + size;
                for (int k = 0; k < n; ++k)
                    to[k] = from[k]; // one at a time: a length beyond the distance repeats
                size += n;
            } else {
                // Before the first output byte the window holds zeros.
                for (int k = 0; k < n; ++k, ++size)
                    o[size] = size >= d ? o[size - d] : char(0);
            }
        } else {
            const qsizetype n = std::min<qsizetype>(a >> 1, end - i);
            std::memcpy(o + size, in + i, size_t(n));
            size += n;
            i += n;
        }
    }
    out.truncate(size);
    return out;
}

void TLZQCompressor::decompress(QIODevice *source, QIODevice *destination)
{
    if (!source)
        throw ECompressError(msg::sourceNotDefined());
    if (!destination)
        throw ECompressError(msg::destinationNotDefined());
    destination->write(decode(source->readAll()));
}

QByteArray TLZQCompressor::encode(QByteArrayView data)
{
    const auto *in = reinterpret_cast<const quint8 *>(data.data());
    const qsizetype size = data.size();

    QByteArray out;
    out.reserve(HeaderSize + size + size / MaxLiterals + 16);
    out.append(Magic, 5);
    out.append(4, char(0));

    // Per byte value a ring of the newest candidate positions.
    struct Ring
    {
        std::array<qsizetype, Candidates> pos{};
        int count = 0;
        int head = 0; // next slot to write
    };
    std::array<Ring, 256> rings{};
    auto remember = [&](qsizetype p) {
        Ring &r = rings[in[p]];
        r.pos[r.head] = p;
        r.head = (r.head + 1) % Candidates;
        if (r.count < Candidates)
            ++r.count;
    };

    qsizetype literalStart = 0;
    qsizetype literalCount = 0;
    auto flush = [&] {
        if (literalCount == 0)
            return;
        out.append(char(literalCount << 1));
        out.append(reinterpret_cast<const char *>(in + literalStart), literalCount);
        literalCount = 0;
    };

    qsizetype i = 0;
    while (i < size) {
        int bestLen = 0;
        qsizetype bestDist = 0;
        if (size - i >= MinMatch) {
            Ring &r = rings[in[i]];
            const int limit = int(std::min<qsizetype>(MaxMatch, size - i));
            for (int k = 0; k < r.count; ++k) {
                const int slot = (r.head - 1 - k + Candidates) % Candidates;
                const qsizetype cand = r.pos[slot];
                const qsizetype dist = i - cand;
                if (dist > Window) {
                    r.count = k; // this one and all older are out of the window
                    break;
                }
                int len = 1;
                while (len < limit && in[cand + len] == in[i + len])
                    ++len;
                if (len > bestLen) {
                    bestLen = len;
                    bestDist = dist;
                    if (len > GoodEnough)
                        break;
                }
            }
        }
        if (bestLen >= MinMatch) {
            flush();
            const unsigned w =
                1u | (unsigned(bestDist & (Window - 1)) << 1) | (unsigned(bestLen - MinMatch) << 12);
            out.append(char(w & 0xFF));
            out.append(char(w >> 8));
            for (int k = 0; k < bestLen; ++k)
                remember(i + k);
            i += bestLen;
        } else {
            if (literalCount == 0)
                literalStart = i;
            ++literalCount;
            remember(i);
            ++i;
            if (literalCount == MaxLiterals)
                flush();
        }
    }
    flush();
    return out;
}

void TLZQCompressor::compress(QIODevice *source, QIODevice *destination)
{
    if (!source)
        throw ECompressError(msg::sourceNotDefined());
    if (!destination)
        throw ECompressError(msg::destinationNotDefined());
    destination->write(encode(source->readAll()));
}

} // namespace loc
