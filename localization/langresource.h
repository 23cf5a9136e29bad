#pragma once

#include "localization/locstorage.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace loc {

// One language carried in the store resource.
struct TBuiltinLanguage
{
    quint16 language = 0;
    QString englishName;
    QString localizedName;
    bool native = false;

    bool operator==(const TBuiltinLanguage &o) const = default;
};

// The store resource ("QLL") that carries the built-in languages.
class TLangResource
{
public:
    static constexpr quint16 NewestVersion = 4;

    // The languages of the resource, the first one native; empty when the
    // resource is missing or does not start with "QLL".
    static QList<TBuiltinLanguage> languages(QByteArrayView resource);

    // The plain data set of one language (0: the first, native one); a null
    // array when the language is not carried. Throws ELocalizerError for a
    // damaged resource, ECompressError for a broken packing.
    static QByteArray load(QByteArrayView resource, quint16 language);

    struct Block
    {
        TBuiltinLanguage language;
        QByteArray data; // stored as given: pack it first to store it packed
    };
    static QByteArray write(const QList<Block> &blocks, quint32 dataVersion,
                            quint16 version = NewestVersion);
};

// The settings record that names the language and version of a set of
// program resources: "LEXE" for the program's own, "LDLL" for a generated
// resource module.
struct TLocSettings
{
    QByteArray magic = "LEXE";
    quint32 version = 0;
    quint16 language = 0;
    QString englishName;
    QString localizedName;
    quint16 formatMark = 6;
    quint16 reserved = 0;
    quint32 build = 0;

    // Throws EInvalidResLibrary naming modulePath when data is missing,
    // short or carries another magic.
    static TLocSettings read(const QByteArray *data, const QByteArray &expectedMagic,
                             const QString &modulePath);
    QByteArray write() const;

    bool operator==(const TLocSettings &o) const = default;
};

// The program's own resources: the store resource and the settings records
// built into the program (empty arrays when absent).
namespace builtin {
QByteArray langsResource();
QByteArray exeSettings();
QByteArray libSettings();
} // namespace builtin

} // namespace loc
