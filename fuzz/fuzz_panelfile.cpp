// The panel data file reader on arbitrary bytes. Input layout:
//   [panel type] [options] [answer length n] [n answer bytes]
//   [cif length, 16-bit little-endian] [cif bytes] [the rest: cvd bytes]
// The panel type byte covers every model and a few unknown ones; the answer
// is what the operator types when asked for the file password (an answer
// byte of 0xFF as the first byte cancels).
#include "accounts/panelfile/panelfile.h"

#include <cstddef>
#include <cstdint>

namespace {

// Row counts the largest models create, and a few more, so fields past the
// image are asked for too.
constexpr int kZones = 660, kAreas = 70, kUsers = 520;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArrayView in(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    if (in.size() < 3)
        return 0;
    const int panelType = static_cast<uint8_t>(in[0]) % 16;
    const int options = static_cast<uint8_t>(in[1]) & 7;
    const qsizetype answerLength = static_cast<uint8_t>(in[2]);
    in = in.sliced(3);
    if (in.size() < answerLength + 2)
        return 0;
    const QByteArrayView answer = in.first(answerLength);
    in = in.sliced(answerLength);
    const qsizetype cifLength =
        static_cast<uint8_t>(in[0]) | (static_cast<qsizetype>(static_cast<uint8_t>(in[1])) << 8);
    in = in.sliced(2);
    if (in.size() < cifLength)
        return 0;
    // Copies, so the sanitizer sees the exact ends of both files.
    const QByteArray cif = in.first(cifLength).toByteArray();
    const QByteArray cvd = in.sliced(cifLength).toByteArray();

    accounts::PanelFileRequest request;
    request.panelType = panelType;
    request.options = options;
    request.zoneCount = kZones;
    request.areaCount = kAreas;
    request.userCount = kUsers;
    request.askPassword = [&answer](QString &password) {
        if (!answer.isEmpty() && static_cast<uint8_t>(answer[0]) == 0xFF)
            return false;
        password = QString::fromLatin1(answer);
        return true;
    };
    const accounts::PanelFileResult result = accounts::readPanelFile(cvd, cif, request);
    if (result.ok()) {
        // Texts fit the 50-character fields they are written to.
        for (const QStringList *list : {&result.zones, &result.areas, &result.users}) {
            for (const QString &text : *list) {
                if (text.size() > 33)
                    __builtin_trap();
            }
        }
        if (((options & accounts::ImportZoneText) && result.zones.size() != kZones) ||
            ((options & accounts::ImportUserNames) && result.users.size() != kUsers))
            __builtin_trap();
    } else if (!result.zones.isEmpty() || !result.areas.isEmpty() || !result.users.isEmpty()) {
        __builtin_trap(); // a refused file feeds no texts
    }
    return 0;
}
