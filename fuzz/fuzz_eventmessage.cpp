// Event messages as they come out of a Comms row, decoded and described.
#include "pipeline/eventcatalogue.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // Frames are Latin-1 on the wire; rows typed by hand may hold anything.
    for (const QString &text : {QString::fromLatin1(bytes), QString::fromUtf8(bytes)}) {
        pipeline::EventMessageError error;
        if (const auto message = pipeline::DecodeEventMessage(text, &error)) {
            const int type = pipeline::EventTypeOf(message->qualifier, message->code);
            (void)pipeline::StateWord(type);
            (void)pipeline::EventGroupOf(message->code);
            (void)pipeline::BuildEventDescription(message->code, type, message->number,
                                                  message->account, QString());
            (void)pipeline::BuildEventDescription(message->code, type, message->number,
                                                  text.left(40), text.mid(40));
        }
    }
    // Any numbers at all, as a hand-edited store could hold them.
    if (size >= 12) {
        int values[3];
        std::memcpy(values, data, sizeof values);
        const QString rest = QString::fromUtf8(bytes.mid(12));
        const qsizetype half = rest.size() / 2;
        (void)pipeline::BuildEventDescription(values[0], values[1], values[2], rest.left(half),
                                              rest.mid(half));
        (void)pipeline::BuildEventDescription(values[0], values[1], values[2], QString(), QString());
        (void)pipeline::EventGroupName(values[1]);
        (void)pipeline::StateWord(values[1]);
        (void)pipeline::EventCatalogueIndexOf(values[0]);
    }
    return 0;
}
