#include "tools/panelfixture/panelfixture.h"

#include <QFile>

#include <algorithm>

namespace panelfixture {

namespace {

void putLe(QByteArray &bytes, qint64 offset, quint32 value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Copies text into a field of size bytes, padded with spaces as the panel pads.
void putField(QByteArray &image, qint64 offset, qint64 size, const QByteArray &text)
{
    if (offset < 0 || offset + size > image.size())
        return;
    for (qint64 i = 0; i < size; ++i)
        image[offset + i] = i < text.size() ? text[i] : ' ';
}

struct Offsets
{
    qint64 zone = -1; // two-part layouts: first part; -1 none
    bool twoPart = true;
    qint64 area = -1;
    qint64 user = -1;
};

Offsets offsets(int type, int v)
{
    Offsets o;
    switch (type) {
    case 0:
    case 1:
    case 2:
    case 3:
        o.zone = 0;
        o.twoPart = false;
        break;
    case 4:
        o.zone = v >= 10 ? 416 : 384;
        break;
    case 5:
    case 6:
    case 10:
    case 11:
        o.zone = 8192;
        break;
    case 7:
        o.zone = 3840;
        break;
    case 8:
    case 9:
    case 13:
        o.zone = v >= 2 ? 21504 : 416;
        break;
    case 12:
        o.zone = 8320;
        break;
    default:
        break;
    }
    if (type == 7)
        o.area = v >= 8 ? 59608 : 27072;
    else if (type == 12)
        o.area = 41489;
    else if (type >= 4 && type <= 13)
        o.area = 5792;
    switch (type) {
    case 0:
    case 1:
    case 3:
        o.user = 704;
        break;
    case 2:
        o.user = 8192;
        break;
    case 4:
        o.user = v >= 10 ? 16384 : 1920;
        break;
    case 5:
        o.user = v >= 10 ? 16384 : 1344;
        break;
    case 6:
        o.user = v >= 8 ? 16384 : 1344;
        break;
    case 7:
        o.user = v >= 8 ? 40028 : 24320;
        break;
    case 8:
    case 9:
    case 10:
    case 11:
    case 13:
        o.user = 16384;
        break;
    case 12:
        o.user = 44833;
        break;
    default:
        break;
    }
    return o;
}

} // namespace

int versionNumber(const QByteArray &versionText)
{
    int value = -1;
    for (const char c : versionText) {
        if (c < '0' || c > '9')
            break;
        value = (value < 0 ? 0 : value * 10) + (c - '0');
    }
    return value;
}

qint64 imageSize(int type, int v)
{
    switch (type) {
    case 0:
    case 1:
        return 16384;
    case 2:
    case 8:
    case 9:
    case 13:
        return 32768;
    case 3:
        return v >= 7 ? 32768 : 16384;
    case 4:
        return v >= 10 ? 32768 : 16384;
    case 5:
        return v >= 10 ? 65536 : 32768;
    case 6:
        return v >= 8 ? 65536 : 32768;
    case 7:
        return v >= 8 ? 131072 : 65536;
    case 10:
    case 11:
        return 65536;
    case 12:
        return 262144;
    default:
        return 16384;
    }
}

Pair build(const PairSpec &spec)
{
    const int version = std::max(0, versionNumber(spec.versionText));
    const qint64 size = spec.imageSize >= 0 ? spec.imageSize : imageSize(spec.panelType, version);
    QByteArray image(size, '\0');
    const Offsets o = offsets(spec.panelType, version);
    for (qsizetype i = 0; i < spec.zones.size(); ++i) {
        const QByteArray &text = spec.zones[i];
        if (o.zone < 0)
            break;
        if (!o.twoPart) {
            putField(image, o.zone + 16 * i, 16, text);
            continue;
        }
        // Longer texts go on in the second part; the blank between the
        // parts is the one the reader puts back.
        QByteArray rest = text.mid(16);
        if (rest.startsWith(' '))
            rest.remove(0, 1);
        putField(image, o.zone + 32 * i, 16, text.left(16));
        putField(image, o.zone + 32 * i + 16, 16, rest);
    }
    for (qsizetype i = 0; i < spec.areas.size() && o.area >= 0; ++i)
        putField(image, o.area + 16 * i, 16, spec.areas[i]);
    for (qsizetype i = 0; i < spec.users.size() && o.user >= 0; ++i)
        putField(image, o.user + 8 * i, 8, spec.users[i]);
    for (const auto &[offset, bytes] : spec.pokes) {
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            if (offset + i >= 0 && offset + i < image.size())
                image[offset + i] = bytes[i];
        }
    }

    QByteArray header(36, '\0');
    const quint32 w0 = 0x5A17, v8 = 1234567, w12 = 42;
    quint32 sum = w0 + static_cast<quint32>(size) + v8 + w12;
    putLe(header, 0, w0, 2);
    putLe(header, 4, static_cast<quint32>(size), 4);
    putLe(header, 8, v8, 4);
    putLe(header, 12, w12, 2);
    for (int i = 0; i < 16; ++i) {
        header[14 + i] = static_cast<char>(3 * i + 1);
        sum += 3 * i + 1;
    }
    quint32 v32 = (10000 - sum % 10000) % 10000;
    if (!spec.headerValid)
        v32 += 1;
    putLe(header, 32, v32, 4);

    Pair pair;
    pair.cvd = header + image;
    pair.cvd.chop(std::min<qint64>(spec.cvdCut, pair.cvd.size()));

    QByteArray cif(std::max<qint64>(spec.cifSize, 1024), '\0');
    const auto shift = static_cast<quint8>(spec.shifted ? spec.key & 0xFF : 0);
    auto putCounted = [&](qint64 offset, const QByteArray &text, quint8 by) {
        cif[offset] = static_cast<char>(text.size());
        for (qsizetype i = 0; i < text.size(); ++i)
            cif[offset + 1 + i] = static_cast<char>(static_cast<quint8>(text[i]) + by);
    };
    putLe(cif, 0, spec.shifted ? spec.key : 0, 2);
    putCounted(338, spec.versionText, shift);
    putCounted(472, spec.password, static_cast<quint8>(spec.key & 0xFF));
    pair.cif = cif.left(spec.cifSize);
    return pair;
}

bool write(const Pair &pair, const QString &cvdPath, const QString &cifPath)
{
    auto put = [](const QString &path, const QByteArray &bytes) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
    };
    return put(cvdPath, pair.cvd) && put(cifPath, pair.cif);
}

QByteArray fuzzInput(const Pair &pair, int panelType, int options, const QByteArray &answer)
{
    QByteArray in;
    in += static_cast<char>(panelType);
    in += static_cast<char>(options);
    in += static_cast<char>(answer.size());
    in += answer;
    in += static_cast<char>(pair.cif.size() & 0xFF);
    in += static_cast<char>((pair.cif.size() >> 8) & 0xFF);
    in += pair.cif;
    in += pair.cvd;
    return in;
}

} // namespace panelfixture
