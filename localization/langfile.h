#pragma once

#include "localization/locstorage.h"

#include <QByteArray>
#include <QByteArrayView>

namespace loc {

constexpr quint16 NewestLangFormat = 7;

// The language data set: a language file's content, plain or LZQ-packed.
// The attribute word stored with a constant, property or external item is
// that item's value attribute in the file's language; a native read gives it
// to the item as well.
// Readers throw ELangFileError (or ECompressError for a broken packing) and
// leave the store as it was when they fail.
class TLangFile
{
public:
    // Only the header, for listing languages without loading them.
    static TLangInfo readHeader(QByteArrayView data);

    // Replaces the store's content with the data set as native language
    // (column 0). Returns the header.
    static TLangInfo readNative(QByteArrayView data, TLocStorage *store);

    // Sets the values of the store's items in column from the data set,
    // matching items by identifier; unknown items are skipped.
    static TLangInfo readAdditional(QByteArrayView data, TLocStorage *store, int column);

    // The values of column as a data set in info.format (1 to 7), with the
    // header from info. Items without a value in that column are left out,
    // except in column 0.
    static QByteArray write(const TLocStorage &store, int column, const TLangInfo &info);

    // Reads a file whole; a file that cannot be read gives an empty array.
    static QByteArray loadFile(const QString &path);
};

} // namespace loc
