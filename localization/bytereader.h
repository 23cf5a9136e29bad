#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstring>
#include <functional>

namespace loc {

// Little-endian reads over a byte range that never step past its end. A read
// beyond the end calls the failure handler, which must throw.
class ByteReader
{
public:
    ByteReader(QByteArrayView data, std::function<void()> fail)
        : m_data(data), m_fail(std::move(fail))
    {
    }

    qsizetype pos() const { return m_pos; }
    qsizetype remaining() const { return m_data.size() - m_pos; }
    bool atEnd() const { return m_pos >= m_data.size(); }

    void need(qsizetype n)
    {
        if (n < 0 || n > remaining())
            m_fail();
    }
    QByteArrayView take(qsizetype n)
    {
        need(n);
        QByteArrayView v = m_data.sliced(m_pos, n);
        m_pos += n;
        return v;
    }
    void skip(qsizetype n) { take(n); }
    quint8 u8() { return static_cast<quint8>(take(1)[0]); }
    quint16 u16()
    {
        auto v = take(2);
        return static_cast<quint16>(quint8(v[0]) | (quint8(v[1]) << 8));
    }
    quint32 u32()
    {
        auto v = take(4);
        return quint32(quint8(v[0])) | (quint32(quint8(v[1])) << 8) | (quint32(quint8(v[2])) << 16) |
               (quint32(quint8(v[3])) << 24);
    }
    qint32 i32() { return static_cast<qint32>(u32()); }
    double f64()
    {
        auto v = take(8);
        quint64 bits = 0;
        for (int i = 7; i >= 0; --i)
            bits = (bits << 8) | quint8(v[i]);
        double d;
        std::memcpy(&d, &bits, sizeof d);
        return d;
    }
    // The compact count of format 6 and later.
    quint32 compact()
    {
        const quint32 b0 = u8();
        if (b0 < 128)
            return b0;
        const quint32 b1 = u8();
        if (b1 < 128)
            return (b0 & 127) | (b1 << 7);
        const quint32 w = u16();
        return (b0 & 127) | ((b1 & 127) << 7) | (w << 14);
    }
    // 8-bit text; our names are ASCII, other bytes are taken as Latin-1.
    QString string(quint32 count) { return QString::fromLatin1(take(qsizetype(count))); }
    QString wide(quint32 count)
    {
        if (count > quint32(remaining() / 2))
            m_fail();
        auto v = take(qsizetype(count) * 2);
        QString s(qsizetype(count), Qt::Uninitialized);
        char16_t *out = reinterpret_cast<char16_t *>(s.data());
        for (quint32 i = 0; i < count; ++i)
            out[i] = char16_t(quint8(v[2 * i]) | (quint8(v[2 * i + 1]) << 8));
        return s;
    }

private:
    QByteArrayView m_data;
    qsizetype m_pos = 0;
    std::function<void()> m_fail;
};

// The matching writer.
class ByteWriter
{
public:
    QByteArray &bytes() { return m_out; }

    void u8(quint8 v) { m_out.append(char(v)); }
    void u16(quint16 v)
    {
        u8(quint8(v));
        u8(quint8(v >> 8));
    }
    void u32(quint32 v)
    {
        u16(quint16(v));
        u16(quint16(v >> 16));
    }
    void i32(qint32 v) { u32(quint32(v)); }
    void f64(double d)
    {
        quint64 bits;
        std::memcpy(&bits, &d, sizeof bits);
        for (int i = 0; i < 8; ++i)
            u8(quint8(bits >> (8 * i)));
    }
    void raw(QByteArrayView v) { m_out.append(v.data(), v.size()); }
    void compact(quint32 n)
    {
        if (n < 128) {
            u8(quint8(n));
        } else if (n < 16384) {
            u8(quint8(0x80 | (n & 127)));
            u8(quint8(n >> 7));
        } else {
            u8(quint8(0x80 | (n & 127)));
            u8(quint8(0x80 | ((n >> 7) & 127)));
            u16(quint16(n >> 14));
        }
    }
    void latin1(const QString &s) { raw(s.toLatin1()); }
    void utf16(const QString &s)
    {
        for (QChar c : s)
            u16(c.unicode());
    }

private:
    QByteArray m_out;
};

} // namespace loc
