#pragma once

#include "localization/langresource.h"
#include "localization/locstorage.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

namespace loc {

// One translated property of a window definition.
struct TResProperty
{
    QString component; // empty: the window itself
    QString path;
    TLocValueType type = TLocValueType::Text;
    quint32 id = 0;
    QString text;
};

// The texts of the program in one language: the program's own resources
// (native, path empty) or a generated language module
// "quorvel-monitor.<ABBR>" beside the program. A module carries an "LDLL"
// settings record, the string table (every message by its native text) and
// the window definitions (translated window properties by form).
struct TResModule
{
    QString path;
    TLocSettings settings;
    // What the module was made from (native and language data); a module
    // whose stamp differs is made again.
    QByteArray stamp;
    QHash<QString, QString> strings;
    QHash<QString, QList<TResProperty>> forms;

    bool isProgram() const { return path.isEmpty(); }
    quint16 language() const { return settings.language; }

    // The module file. Stored whole with a checksum, so that a file cut short
    // is never taken for a module.
    QByteArray write() const;
    // Throws ELocError (EInvalidResLibrary when the container is sound but the
    // "LDLL" record is missing or wrong).
    static TResModule read(const QByteArray &data, const QString &path);

    // The module of column from store: each text the column's value when it is
    // not out of date (or showOutOfDate), the native text otherwise; values
    // marked never-applied are left out of the window definitions.
    static TResModule generate(const TLocStorage &store, int column, bool showOutOfDate);
    // The value of item that column shows under that rule.
    static QString chosen(const TLocItem &item, int column, bool showOutOfDate);
};

} // namespace loc
