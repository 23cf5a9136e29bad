#pragma once

#include <QByteArrayView>
#include <QtGlobal>

#include <optional>

namespace accounts {

// Reads little-endian numbers and runs of bytes from bytes that came from
// outside. Every read is checked against what remains, so no caller can read
// past the end; a failed read returns nothing and leaves the position alone.
class ByteReader
{
public:
    explicit ByteReader(QByteArrayView bytes) : m_bytes(bytes) {}

    qint64 size() const { return m_bytes.size(); }
    qint64 pos() const { return m_pos; }
    qint64 remaining() const { return size() - m_pos; }

    // False (and no move) when offset lies outside 0 to size().
    bool seek(qint64 offset)
    {
        if (offset < 0 || offset > size())
            return false;
        m_pos = offset;
        return true;
    }

    // count bytes from the position, which moves past them.
    std::optional<QByteArrayView> bytes(qint64 count)
    {
        auto run = at(m_pos, count);
        if (run)
            m_pos += count;
        return run;
    }
    std::optional<quint8> u8() { return number<quint8>(1); }
    std::optional<quint16> u16() { return number<quint16>(2); }
    std::optional<quint32> u32() { return number<quint32>(4); }

    // count bytes from offset, without moving; nothing unless all of them exist.
    std::optional<QByteArrayView> at(qint64 offset, qint64 count) const
    {
        if (offset < 0 || count < 0 || offset > size() || count > size() - offset)
            return std::nullopt;
        return m_bytes.sliced(offset, count);
    }

private:
    template <typename T> std::optional<T> number(int width)
    {
        const auto run = bytes(width);
        if (!run)
            return std::nullopt;
        T value = 0;
        for (int i = width - 1; i >= 0; --i)
            value = static_cast<T>((value << 8) | static_cast<quint8>(run->at(i)));
        return value;
    }

    QByteArrayView m_bytes;
    qint64 m_pos = 0;
};

} // namespace accounts
