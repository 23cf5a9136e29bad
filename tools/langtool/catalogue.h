#pragma once

#include "localization/locstorage.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace langtool {

// The version of the program's language data and of its settings records.
constexpr quint32 DataVersion = 44;
constexpr quint16 English = 9;

// A text found in the program: a message of a source unit, or a property of
// a component of a form (component empty: the form's own property).
struct FoundText
{
    enum Kind { Message, Property } kind = Message;
    QString owner; // unit or form
    QString component;
    QString path; // property path; empty for a message
    loc::TLocValueType type = loc::TLocValueType::Text;
    QString english;
};

// One line of the value-version file: an item's identifier and the version
// of its English text.
struct VersionEntry
{
    FoundText::Kind kind = FoundText::Message;
    QString owner;
    QString component;
    QString name; // constant name or property path
    quint32 id = 0;
    qint32 version = 1;
    QString english;
};

struct VersionFile
{
    quint32 highestConstant = 0;
    quint32 highestProperty = 0;
    QList<VersionEntry> entries;

    // Lines that cannot be read are reported in errors and skipped.
    static VersionFile parse(const QString &text, QStringList *errors = nullptr);
    QString format() const;
};

// The native English store made from the texts found, keeping identifiers
// and versions from the file: a message keeps its constant while its unit
// holds the same text, or when the unit's only new text replaces its only
// lost one (an edit: the version rises); a property keeps its identifier, and
// its version rises when its text changed. New items are numbered after the highest
// identifiers ever issued.
struct Catalogue
{
    loc::TLocStorage store;
    VersionFile versions; // the file as it should now read
    QStringList changes;  // what differs from the file that was given

    static Catalogue build(const QList<FoundText> &found, const VersionFile &file);
    loc::TLangInfo nativeInfo() const;
};

// A constant name made from an English text ("No Action for this Event" ->
// "NoActionForThisEvent").
QString constantName(const QString &english);

} // namespace langtool
