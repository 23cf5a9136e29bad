#include "accounts/panelfile/panelfile.h"

#include "accounts/panelfile/bytereader.h"
#include "localization/format.h"
#include "localization/texts.h"

#include <QByteArray>

#include <algorithm>
#include <optional>

namespace accounts {

namespace {

constexpr qint64 kHeaderBytes = 36;
constexpr qint64 kZonePart = 16;
constexpr qint64 kAreaField = 16;
constexpr qint64 kUserField = 8;

// Offsets 339 to 341 of the customer information file: the version text's
// first three characters; 338 holds its length.
constexpr qint64 kVersionLength = 338;
constexpr qint64 kPasswordLength = 472;

// Characters 0x80 to 0x9F of the Western Windows code page; the rest of the
// page is Latin-1. Unassigned codes stay as they are.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// A field's bytes without the trailing spaces and control characters.
QByteArray trimmedField(const ByteReader &image, qint64 offset, qint64 size)
{
    const auto field = image.at(offset, size);
    if (!field)
        return {};
    qsizetype end = field->size();
    while (end > 0 && static_cast<quint8>(field->at(end - 1)) <= 32)
        --end;
    return field->first(end).toByteArray();
}

// The stored value of a text ends at its first zero byte.
QString storedText(const QByteArray &bytes)
{
    const qsizetype zero = bytes.indexOf('\0');
    return panelText(zero < 0 ? QByteArrayView(bytes) : QByteArrayView(bytes).first(zero));
}

struct ZoneLayout
{
    bool twoPart;
    qint64 base;
};

ZoneLayout zoneLayout(int type, int version)
{
    switch (type) {
    case 0:
    case 1:
    case 2:
    case 3:
        return {false, 0};
    case 4:
        return {true, version < 10 ? 384 : 416};
    case 5:
    case 6:
    case 10:
    case 11:
        return {true, 8192};
    case 7:
        return {true, 3840};
    case 8:
    case 9:
    case 13:
        return {true, version < 2 ? 416 : 21504};
    case 12:
        return {true, 8320};
    default:
        return {false, -1};
    }
}

// -1: the model has no area texts.
qint64 areaBase(int type, int version)
{
    if (type < 4 || type > 13)
        return -1;
    if (type == 7)
        return version < 8 ? 27072 : 59608;
    if (type == 12)
        return 41489; // odd, as the panel stores it
    return 5792;
}

qint64 userBase(int type, int version)
{
    switch (type) {
    case 0:
    case 1:
    case 3:
        return 704;
    case 2:
        return 8192;
    case 4:
        return version < 10 ? 1920 : 16384;
    case 5:
    case 6:
        if (version < (type == 5 ? 10 : 8))
            return 1344;
        return 16384;
    case 7:
        return version < 8 ? 24320 : 40028;
    case 8:
    case 9:
    case 10:
    case 11:
    case 13:
        return 16384;
    case 12:
        return 44833;
    default:
        return -1;
    }
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A counted text of the first record turned back by the shift key; nothing
// when its length runs past the record.
std::optional<QByteArray> unshifted(const ByteReader &record, qint64 lengthOffset, quint8 key)
{
    const auto length = record.at(lengthOffset, 1);
    if (!length)
        return std::nullopt;
    const auto text = record.at(lengthOffset + 1, static_cast<quint8>(length->at(0)));
    if (!text)
        return std::nullopt;
    QByteArray plain = text->toByteArray();
    for (char &c : plain)
        c = static_cast<char>(static_cast<quint8>(c) - key);
    return plain;
}

struct Version
{
    int value = -1;
    QString error;
};

Version panelVersion(QByteArrayView cif, const PanelFileRequest &request)
{
    const ByteReader file(cif);
    const auto bytes = file.at(339, 3);
    if (!bytes)
        return {-1, panelmessages::cifIncomplete()};
    const char b339 = bytes->at(0), b340 = bytes->at(1), b341 = bytes->at(2);
    if (b340 == '.' && b341 != '.') {
        if (!isDigit(b339))
            return {-1, panelmessages::incorrectVersionFormat()};
        return {b339 - '0', {}};
    }
    if (b341 == '.' && b340 != '.') {
        if (!isDigit(b339) || !isDigit(b340))
            return {-1, panelmessages::incorrectVersionFormat()};
        return {(b339 - '0') * 10 + (b340 - '0'), {}};
    }

    // Shifted: the whole first record is needed, and the password.
    const auto recordBytes = file.at(0, kCifRecordBytes);
    if (!recordBytes)
        return {-1, panelmessages::versionNotFound()};
    ByteReader record(*recordBytes);
    const quint16 key = record.u16().value_or(0);
    if (key == 0)
        return {-1, panelmessages::versionNotFound()};
    QString entered;
    if (!request.askPassword || !request.askPassword(entered))
        return {-1, panelmessages::versionNotFound()};
    const quint8 shift = static_cast<quint8>(key & 0xFF);
    const auto password = unshifted(record, kPasswordLength, shift);
    if (!password)
        return {-1, panelmessages::versionNotFound()};
    if (panelText(*password) != entered)
        return {-1, panelmessages::invalidPassword()};
    const auto text = unshifted(record, kVersionLength, shift);
    if (!text)
        return {-1, panelmessages::versionNotFound()};
    const qsizetype dot = text->indexOf('.');
    if (dot < 0)
        return {-1, panelmessages::versionNotFound()};
    const QByteArray number = text->first(dot);
    if (number.isEmpty() || number.size() > 3 ||
        !std::all_of(number.cbegin(), number.cend(), isDigit))
        return {-1, panelmessages::incorrectVersionFormat()};
    const int value = number.toInt();
    if (value > 255)
        return {-1, panelmessages::incorrectVersionFormat()};
    return {value, {}};
}

} // namespace

QString panelText(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<quint8>(c);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kWindows1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

qint64 panelImageSize(int panelType, int version)
{
    switch (panelType) {
    case 0:
    case 1:
        return 16384;
    case 2:
        return 32768;
    case 3:
        return version < 7 ? 16384 : 32768;
    case 4:
        return version < 10 ? 16384 : 32768;
    case 5:
        return version < 10 ? 32768 : 65536;
    case 6:
        return version < 8 ? 32768 : 65536;
    case 7:
        return version < 8 ? 65536 : 131072;
    case 8:
    case 9:
    case 13:
        return 32768;
    case 10:
    case 11:
        return 65536;
    case 12:
        return 262144;
    default:
        return 0;
    }
}

PanelFileResult readPanelFile(QByteArrayView cvd, QByteArrayView cif,
                              const PanelFileRequest &request)
{
    PanelFileResult result;
    ByteReader file(cvd);
    const auto w0 = file.u16();
    file.seek(4);
    const auto length = file.u32();
    const auto v8 = file.u32();
    const auto w12 = file.u16();
    const auto d = file.bytes(16);
    file.seek(32);
    const auto v32 = file.u32();
    if (!w0 || !length || !v8 || !w12 || !d || !v32) {
        result.error = panelmessages::dataFileIncomplete();
        return result;
    }

    const Version version = panelVersion(cif, request);
    if (!version.error.isEmpty()) {
        result.error = version.error;
        return result;
    }
    result.version = version.value;

    // The header check, in the wrapping 32-bit sum the panel software uses.
    quint32 sum = quint32(*w0) + *length + *v8 + *w12 + *v32;
    for (const char c : *d)
        sum += static_cast<quint8>(c);
    if (sum % 10000 != 0) {
        result.error = panelmessages::headerDamaged();
        return result;
    }
    if (*length != panelImageSize(request.panelType, version.value)) {
        result.error = panelmessages::dataFileError();
        return result;
    }
    const auto imageBytes = file.at(kHeaderBytes, *length);
    if (!imageBytes) {
        result.error = panelmessages::dataFileIncomplete();
        return result;
    }
    const ByteReader image(*imageBytes);
    const int type = request.panelType;
    const int v = version.value;

    if (request.options & ImportZoneText) {
        const ZoneLayout layout = zoneLayout(type, v);
        for (qint64 i = 0; i < request.zoneCount; ++i) {
            if (!layout.twoPart) {
                result.zones << storedText(trimmedField(image, 16 * i, kZonePart));
                continue;
            }
            const qint64 p = layout.base + 32 * i;
            result.zones << storedText(trimmedField(image, p, kZonePart) + ' ' +
                                       trimmedField(image, p + kZonePart, kZonePart));
        }
    }
    const qint64 areas = areaBase(type, v);
    if ((request.options & ImportAreaText) && areas >= 0) {
        for (qint64 i = 0; i < request.areaCount; ++i)
            result.areas << storedText(trimmedField(image, areas + kAreaField * i, kAreaField));
    }
    if (request.options & ImportUserNames) {
        const qint64 users = userBase(type, v);
        // The older model 6 firmware keeps only 100 user names.
        const qint64 named = type == 6 && v < 8 ? 100 : request.userCount;
        for (qint64 i = 0; i < request.userCount; ++i) {
            result.users << (i < named && users >= 0
                                 ? storedText(
                                       trimmedField(image, users + kUserField * i, kUserField))
                                 : QString());
        }
    }
    return result;
}

namespace panelmessages {

QString fileTypeNotSupported()
{
    return loc::text("File type not supported");
}

QString cannotOpenCif(const QString &pathBeforeExtension)
{
    return loc::format(loc::text("Cannot open Customer Information file for reading the panel "
                                 "version.\r\nPlease check that %s.cif file exists."),
                       {pathBeforeExtension});
}

QString incorrectVersionFormat()
{
    return loc::text("Incorrect format of Panel version found.\r\rPlease try connecting the panel "
                     "with Progal & reading back the data.\r\nThis will correct the version "
                     "number information.");
}

QString versionNotFound()
{
    return loc::text("Panel version information not found.\r\rPlease try connecting the panel "
                     "with Progal and reading back the data.\r\nThis will correct the version "
                     "number information.");
}

QString invalidPassword()
{
    return loc::text("Invalid file password - Please enter the correct password!");
}

QString dataFileError()
{
    return loc::text("Data File Error - Check panel type is correct");
}

QString headerDamaged()
{
    return loc::text("Data File Error - The panel data file is damaged: its header check "
                     "failed.\r\nNo texts were imported.");
}

QString dataFileIncomplete()
{
    return loc::text("Data File Error - The panel data file is incomplete or damaged.\r\n"
                     "No texts were imported.");
}

QString cifIncomplete()
{
    return loc::text("The Customer Information file is incomplete or damaged, so the panel "
                     "version cannot be read.\r\nPlease try connecting the panel with Progal and "
                     "reading back the data.");
}

QString fileTooLarge(const QString &path)
{
    return loc::format(
        loc::text("%s is too large to be a panel data file.\r\nNo texts were imported."), {path});
}

QString isFolder(const QString &path)
{
    return loc::format(loc::text("%s is a folder, not a panel data file."), {path});
}

QString fileEmpty(const QString &path)
{
    return loc::format(
        loc::text("%s is empty, so it holds no panel data.\r\nNo texts were imported."), {path});
}

} // namespace panelmessages

} // namespace accounts
