#include "catalogue.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <map>

namespace langtool {

namespace {

QString escape(const QString &s)
{
    QString out;
    out.reserve(s.size());
    for (QChar c : s) {
        switch (c.unicode()) {
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString unescape(const QString &s)
{
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] != QLatin1Char('\\') || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        const QChar n = s[++i];
        out += n == QLatin1Char('t') ? QChar(u'\t')
               : n == QLatin1Char('n') ? QChar(u'\n')
               : n == QLatin1Char('r') ? QChar(u'\r')
                                       : n;
    }
    return out;
}

loc::TLocValue nativeValue(const QString &text, qint32 version)
{
    loc::TLocValue v;
    v.text = text;
    v.version = version;
    v.language = English;
    v.assigned = true;
    return v;
}

} // namespace

QString constantName(const QString &english)
{
    static const QRegularExpression format(QStringLiteral("%[-+ #0]*[0-9]*(\\.[0-9]+)?[a-zA-Z]|%[0-9]"));
    QString plain = english;
    plain.remove(format);
    QString name;
    bool upper = true;
    for (QChar c : plain) {
        if (c.isLetterOrNumber() && c.unicode() < 128) {
            name += upper ? c.toUpper() : c;
            upper = false;
        } else {
            upper = true;
        }
        if (name.size() >= 40)
            break;
    }
    if (name.isEmpty() || name[0].isDigit())
        name.prepend(QStringLiteral("Text"));
    return name;
}

VersionFile VersionFile::parse(const QString &text, QStringList *errors)
{
    VersionFile file;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString &line = lines[n];
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList f = line.split(QLatin1Char('\t'));
        bool ok = true, ok2 = true, ok3 = true;
        if (f[0] == QLatin1String("H") && f.size() == 3) {
            file.highestConstant = f[1].toUInt(&ok);
            file.highestProperty = f[2].toUInt(&ok2);
        } else if (f[0] == QLatin1String("C") && f.size() == 6) {
            VersionEntry e;
            e.kind = FoundText::Message;
            e.owner = f[1];
            e.name = f[2];
            e.id = f[3].toUInt(&ok);
            e.version = f[4].toInt(&ok2);
            e.english = unescape(f[5]);
            file.entries.append(e);
        } else if (f[0] == QLatin1String("P") && f.size() == 7) {
            VersionEntry e;
            e.kind = FoundText::Property;
            e.owner = f[1];
            e.component = f[2];
            e.name = f[3];
            e.id = f[4].toUInt(&ok);
            e.version = f[5].toInt(&ok2);
            e.english = unescape(f[6]);
            file.entries.append(e);
        } else {
            ok3 = false;
        }
        if (!(ok && ok2 && ok3) && errors)
            errors->append(QStringLiteral("line %1: not understood").arg(n + 1));
    }
    return file;
}

QString VersionFile::format() const
{
    QString out = QStringLiteral(
        "# Identifiers and value versions of the program's English texts.\n"
        "# Kept by `quorvel-langtool update`; a property's version rises when its\n"
        "# English text changes, so translations made before are seen as out of date.\n"
        "# H highest-constant highest-property\n"
        "# C unit constant id version english\n"
        "# P form component property id version english\n");
    out += QStringLiteral("H\t%1\t%2\n").arg(highestConstant).arg(highestProperty);
    for (const VersionEntry &e : entries) {
        if (e.kind == FoundText::Message)
            out += QStringLiteral("C\t%1\t%2\t%3\t%4\t%5\n")
                       .arg(e.owner, e.name)
                       .arg(e.id)
                       .arg(e.version)
                       .arg(escape(e.english));
        else
            out += QStringLiteral("P\t%1\t%2\t%3\t%4\t%5\t%6\n")
                       .arg(e.owner, e.component, e.name)
                       .arg(e.id)
                       .arg(e.version)
                       .arg(escape(e.english));
    }
    return out;
}

Catalogue Catalogue::build(const QList<FoundText> &found, const VersionFile &file)
{
    Catalogue cat;
    VersionFile &out = cat.versions;
    out.highestConstant = file.highestConstant;
    out.highestProperty = file.highestProperty;
    for (const VersionEntry &e : file.entries) {
        quint32 &highest = e.kind == FoundText::Message ? out.highestConstant : out.highestProperty;
        highest = std::max(highest, e.id);
    }

    QHash<QString, const VersionEntry *> messageByText, propertyByPath;
    QHash<QString, QSet<QString>> namesInUnit;
    QSet<quint32> usedConstants, usedProperties;
    auto messageKey = [](const QString &unit, const QString &english) { return unit + QChar(0) + english; };
    auto propertyKey = [](const QString &form, const QString &component, const QString &path) {
        return form + QChar(0) + component + QChar(0) + path;
    };
    for (const VersionEntry &e : file.entries) {
        if (e.kind == FoundText::Message) {
            messageByText.insert(messageKey(e.owner, e.english), &e);
            namesInUnit[e.owner].insert(e.name);
        } else {
            propertyByPath.insert(propertyKey(e.owner, e.component, e.name), &e);
        }
    }

    // Units sorted by name, their texts in the order found, each text once.
    std::map<QString, QStringList> units;
    for (const FoundText &t : found)
        if (t.kind == FoundText::Message && !units[t.owner].contains(t.english))
            units[t.owner].append(t.english);

    // A unit that lost exactly one text and gained exactly one had that text
    // edited: the constant stays, its version rises.
    QHash<QString, const VersionEntry *> edited;
    for (const auto &[unitName, texts] : units) {
        QStringList added;
        for (const QString &english : texts)
            if (!messageByText.contains(messageKey(unitName, english)))
                added.append(english);
        QList<const VersionEntry *> lost;
        for (const VersionEntry &e : file.entries)
            if (e.kind == FoundText::Message && e.owner == unitName && !texts.contains(e.english))
                lost.append(&e);
        if (added.size() == 1 && lost.size() == 1)
            edited.insert(messageKey(unitName, added[0]), lost[0]);
    }

    loc::TLocStorage &s = cat.store;
    s.addColumn(English);
    for (const auto &[unitName, texts] : units) {
        loc::TLocUnit &unit = s.addUnit(unitName);
        for (const QString &english : texts) {
            VersionEntry e;
            const VersionEntry *known = messageByText.value(messageKey(unitName, english));
            const VersionEntry *before = edited.value(messageKey(unitName, english));
            if (known && !usedConstants.contains(known->id)) {
                e = *known;
            } else if (before) {
                e = *before;
                e.english = english;
                ++e.version;
                cat.changes.append(QStringLiteral("changed %1.%2 (version %3)").arg(unitName, e.name).arg(e.version));
            } else {
                e.kind = FoundText::Message;
                e.owner = unitName;
                e.english = english;
                e.id = ++out.highestConstant;
                const QString base = constantName(english);
                e.name = base;
                for (int n = 2; namesInUnit[unitName].contains(e.name); ++n)
                    e.name = base + QString::number(n);
                namesInUnit[unitName].insert(e.name);
                cat.changes.append(QStringLiteral("new message %1.%2: %3").arg(unitName, e.name, english));
            }
            usedConstants.insert(e.id);
            out.entries.append(e);
            loc::TLocConstant &c = s.addConstant(unit, e.name, e.id);
            c.resourceId = quint16(e.id);
            c.valueRef(0) = nativeValue(english, e.version);
        }
    }

    QSet<QString> seenProperties;
    for (const FoundText &t : found) {
        if (t.kind != FoundText::Property)
            continue;
        const QString key = propertyKey(t.owner, t.component, t.path);
        if (seenProperties.contains(key))
            continue;
        seenProperties.insert(key);
        VersionEntry e;
        const VersionEntry *known = propertyByPath.value(key);
        if (known) {
            e = *known;
            if (e.english != t.english) {
                ++e.version;
                e.english = t.english;
                cat.changes.append(QStringLiteral("changed %1.%2.%3 (version %4)")
                                       .arg(t.owner, t.component, t.path)
                                       .arg(e.version));
            }
        } else {
            e.kind = FoundText::Property;
            e.owner = t.owner;
            e.component = t.component;
            e.name = t.path;
            e.english = t.english;
            e.id = ++out.highestProperty;
            cat.changes.append(QStringLiteral("new property %1.%2.%3").arg(t.owner, t.component, t.path));
        }
        usedProperties.insert(e.id);
        out.entries.append(e);

        loc::TLocForm *form = s.form(t.owner);
        if (!form)
            form = &s.addForm(t.owner);
        loc::TLocPropertyOwner *owner = form;
        if (!t.component.isEmpty()) {
            owner = form->component(t.component);
            if (!owner)
                owner = &s.addComponent(*form, t.component);
        }
        s.addProperty(*owner, t.path, e.id, t.type).valueRef(0) = nativeValue(t.english, e.version);
    }

    for (const VersionEntry &e : file.entries) {
        const bool used = e.kind == FoundText::Message ? usedConstants.contains(e.id)
                                                       : usedProperties.contains(e.id);
        if (!used)
            cat.changes.append(QStringLiteral("retired %1.%2%3: %4")
                                   .arg(e.owner, e.component.isEmpty() ? QString() : e.component + QLatin1Char('.'),
                                        e.name, e.english));
    }

    s.highestConstant = out.highestConstant;
    s.highestProperty = out.highestProperty;
    s.columnInfo(0) = cat.nativeInfo();
    return cat;
}

loc::TLangInfo Catalogue::nativeInfo() const
{
    loc::TLangInfo info;
    info.format = 7;
    info.version = DataVersion;
    info.build = 0;
    info.language = English;
    info.basedOn = English;
    info.englishName = QStringLiteral("English");
    info.localizedName = QStringLiteral("English");
    info.native = true;
    info.highestConstant = versions.highestConstant;
    info.highestProperty = versions.highestProperty;
    return info;
}

} // namespace langtool
