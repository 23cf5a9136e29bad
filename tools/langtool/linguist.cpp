#include "linguist.h"

#include "catalogue.h"
#include "localization/langfile.h"
#include "localization/langnames.h"
#include "localization/lzq.h"

#include <QHash>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace langtool {

namespace {

struct TsMessage
{
    QString context;
    QString id;
    QString source;
    QString oldSource;
    QString translation;
    QString type; // empty: finished
    qint32 version = -1;
    qint32 oldVersion = -1;
};

struct TsFile
{
    QString language;
    QList<TsMessage> messages;
    QString error;
};

TsFile readTs(const QByteArray &data)
{
    TsFile ts;
    QXmlStreamReader xml(data);
    QString context;
    TsMessage m;
    bool inMessage = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("TS")) {
                ts.language = xml.attributes().value(QLatin1String("language")).toString();
            } else if (name == QLatin1String("name") && !inMessage) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                m = TsMessage();
                m.context = context;
                m.id = xml.attributes().value(QLatin1String("id")).toString();
                inMessage = true;
            } else if (inMessage && name == QLatin1String("source")) {
                m.source = xml.readElementText();
            } else if (inMessage && name == QLatin1String("oldsource")) {
                m.oldSource = xml.readElementText();
            } else if (inMessage && name == QLatin1String("translation")) {
                m.type = xml.attributes().value(QLatin1String("type")).toString();
                m.translation = xml.readElementText();
            } else if (inMessage && name == QLatin1String("extra-loc-version")) {
                m.version = xml.readElementText().toInt();
            } else if (inMessage && name == QLatin1String("extra-loc-oldversion")) {
                m.oldVersion = xml.readElementText().toInt();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            ts.messages.append(m);
            inMessage = false;
        }
    }
    if (xml.hasError())
        ts.error = xml.errorString();
    return ts;
}

// XML readers turn a raw carriage return into a line feed, so each one is
// written as a character reference: "\r\n" in a message box comes back as is.
void writeKeepingCR(QXmlStreamWriter &xml, const QString &text)
{
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(QLatin1Char('\r')); at >= 0; at = text.indexOf(QLatin1Char('\r'), from)) {
        xml.writeCharacters(text.mid(from, at - from));
        xml.writeEntityReference(QStringLiteral("#13"));
        from = at + 1;
    }
    xml.writeCharacters(text.mid(from));
}

void writeTextElement(QXmlStreamWriter &xml, const QString &name, const QString &text)
{
    xml.writeStartElement(name);
    writeKeepingCR(xml, text);
    xml.writeEndElement();
}

// Every item of the store with its context, id and comment, in store order.
template<typename Fn>
void forEachItem(const loc::TLocStorage &s, Fn fn)
{
    for (const auto &u : s.units())
        for (const auto &c : u->constants)
            fn(u->name, QStringLiteral("C%1").arg(c->id), c->name, static_cast<const loc::TLocItem &>(*c));
    for (const auto &f : s.forms()) {
        for (const auto &p : f->properties)
            fn(f->name, QStringLiteral("P%1").arg(p->id), p->path, static_cast<const loc::TLocItem &>(*p));
        for (const auto &c : f->components)
            for (const auto &p : c->properties)
                fn(f->name, QStringLiteral("P%1").arg(p->id), c->name + QLatin1Char('.') + p->path,
                   static_cast<const loc::TLocItem &>(*p));
    }
}

} // namespace

QByteArray exportTs(const loc::TLocStorage &store, const QString &locale, const QByteArray &previous)
{
    QHash<QString, TsMessage> old;
    for (const TsMessage &m : readTs(previous).messages)
        if (!m.translation.isEmpty() && m.type != QLatin1String("vanished") &&
            m.type != QLatin1String("obsolete"))
            old.insert(m.id, m);

    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    xml.writeStartElement(QStringLiteral("TS"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    xml.writeAttribute(QStringLiteral("language"), locale);
    xml.writeAttribute(QStringLiteral("sourcelanguage"), QStringLiteral("en"));

    QString context;
    forEachItem(store, [&](const QString &ctx, const QString &id, const QString &comment,
                           const loc::TLocItem &item) {
        if (ctx != context) {
            if (!context.isEmpty())
                xml.writeEndElement();
            xml.writeStartElement(QStringLiteral("context"));
            xml.writeTextElement(QStringLiteral("name"), ctx);
            context = ctx;
        }
        const loc::TLocValue &native = item.value(0);
        xml.writeStartElement(QStringLiteral("message"));
        xml.writeAttribute(QStringLiteral("id"), id);
        writeTextElement(xml, QStringLiteral("source"), native.text);
        const auto was = old.constFind(id);
        const bool kept = was != old.cend();
        const bool changed = kept && was->source != native.text;
        if (changed)
            writeTextElement(xml, QStringLiteral("oldsource"), was->source);
        xml.writeTextElement(QStringLiteral("comment"), comment);
        xml.writeStartElement(QStringLiteral("translation"));
        if (!kept || changed || !was->type.isEmpty())
            xml.writeAttribute(QStringLiteral("type"), QStringLiteral("unfinished"));
        if (kept)
            writeKeepingCR(xml, was->translation);
        xml.writeEndElement();
        xml.writeTextElement(QStringLiteral("extra-loc-version"), QString::number(native.version));
        if (changed) {
            const qint32 from = was->oldVersion >= 0 ? was->oldVersion : was->version;
            xml.writeTextElement(QStringLiteral("extra-loc-oldversion"), QString::number(from));
        }
        xml.writeEndElement();
    });
    if (!context.isEmpty())
        xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

Compiled compileTs(loc::TLocStorage &store, const QByteArray &data)
{
    Compiled result;
    const TsFile ts = readTs(data);
    if (!ts.error.isEmpty())
        result.problems.append(ts.error);
    const quint16 language = loc::languageFromLocaleName(ts.language);
    if (language == 0) {
        result.problems.append(QStringLiteral("unknown language \"%1\"").arg(ts.language));
        return result;
    }

    // The translation goes into a column of its own beside the native texts,
    // then out as that column's data set.
    store.dropAdditionalColumns();
    const int column = store.addColumn(language);
    for (const TsMessage &m : ts.messages) {
        if (m.translation.isEmpty() || m.type == QLatin1String("vanished") ||
            m.type == QLatin1String("obsolete"))
            continue;
        qint32 version = m.version;
        if (!m.type.isEmpty()) {
            if (m.oldVersion < 0)
                continue; // not yet done
            version = m.oldVersion;
        }
        bool ok = false;
        const quint32 id = m.id.mid(1).toUInt(&ok);
        loc::TLocItem *item = !ok ? nullptr
                              : m.id.startsWith(QLatin1Char('C')) ? static_cast<loc::TLocItem *>(store.constantById(id))
                              : m.id.startsWith(QLatin1Char('P')) ? store.propertyById(id)
                                                                  : nullptr;
        if (!item) {
            result.problems.append(QStringLiteral("%1 (%2) is no longer in the program").arg(m.id, m.source));
            continue;
        }
        loc::TLocValue &v = item->valueRef(column);
        v.text = m.translation;
        v.version = version;
        v.language = language;
        v.attributes = item->value(0).attributes;
        v.assigned = true;
        ++result.translated;
    }

    loc::TLangInfo info;
    info.format = loc::NewestLangFormat;
    info.version = DataVersion;
    info.language = language;
    info.basedOn = English;
    info.englishName = loc::englishLanguageName(language);
    info.localizedName = loc::nativeLanguageName(language);
    info.native = false;
    info.highestConstant = store.highestConstant;
    info.highestProperty = store.highestProperty;
    info.highestExtItem = store.highestExtItem;
    result.file = loc::TLZQCompressor::encode(loc::TLangFile::write(store, column, info));
    result.fileName = QStringLiteral("quorvel-monitor.%1.lng").arg(loc::languageAbbreviation(language));
    store.dropAdditionalColumns();
    return result;
}

} // namespace langtool
