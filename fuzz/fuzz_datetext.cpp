// Statement date texts for any order setting and any moment, valid or not.
#include "pipeline/eventcatalogue.h"

#include <QDateTime>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 9)
        return 0;
    qint64 msecs = 0;
    std::memcpy(&msecs, data, sizeof msecs);
    const bool dateOnly = data[8] & 1;
    const QString order =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 9), qsizetype(size - 9));
    (void)pipeline::DateToOrderedText(order, dateOnly, QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC));
    (void)pipeline::DateToOrderedText(order, dateOnly, QDateTime::fromMSecsSinceEpoch(msecs));
    (void)pipeline::DateToOrderedText(order, dateOnly, QDateTime());
    // Dates from their parts, as a store's text column can give them.
    int parts[2];
    if (size >= 9 + sizeof parts) {
        std::memcpy(parts, data + 9, sizeof parts);
        const QDateTime value(QDate(parts[0] % 100000, parts[1] % 13, (parts[1] >> 8) % 32),
                              QTime::fromMSecsSinceStartOfDay(int(msecs % 86400000)));
        (void)pipeline::DateToOrderedText(order, dateOnly, value);
    }
    return 0;
}
