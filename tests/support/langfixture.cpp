#include "langfixture.h"

#include "localization/langfile.h"
#include "localization/langresource.h"
#include "localization/lzq.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace langtest {

namespace {

constexpr quint16 Hungarian = 1038;

template<typename Fn>
void forEachItem(loc::TLocStorage &s, Fn fn)
{
    for (const auto &u : s.units())
        for (const auto &c : u->constants)
            fn(*c);
    for (const auto &f : s.forms()) {
        for (const auto &p : f->properties)
            fn(*p);
        for (const auto &c : f->components)
            for (const auto &p : c->properties)
                fn(*p);
    }
}

template<typename Fn>
QByteArray makeFile(quint16 attributes, Fn translate)
{
    loc::TLocStorage s;
    loc::TLangFile::readNative(loc::TLangResource::load(loc::builtin::langsResource(), 0), &s);
    const int column = s.addColumn(Hungarian);
    forEachItem(s, [&](loc::TLocItem &item) {
        loc::TLocValue v = item.value(0);
        if (!translate(v))
            return;
        v.language = Hungarian;
        item.valueRef(column) = v;
    });
    loc::TLangInfo info = s.columnInfo(0);
    info.language = Hungarian;
    info.basedOn = 9;
    info.englishName = QStringLiteral("Hungarian");
    info.localizedName = QStringLiteral("Magyar");
    info.native = false;
    info.attributes = attributes;
    return loc::TLZQCompressor::encode(loc::TLangFile::write(s, column, info));
}

} // namespace

QList<Translation> sampleHungarian()
{
    return {
        {QStringLiteral("Operator"), QStringLiteral("Kezelő")},
        {QStringLiteral("Setup"), QStringLiteral("Beállítások")},
        {QStringLiteral("Language"), QStringLiteral("Nyelv")},
        {QStringLiteral("Help"), QStringLiteral("Súgó")},
        {QStringLiteral("About"), QStringLiteral("Névjegy")},
        {QStringLiteral("Silence"), QStringLiteral("Némítás")},
        {QStringLiteral("Notes"), QStringLiteral("Megjegyzések")},
        {QStringLiteral("Date & Time"), QStringLiteral("Dátum és idő")},
        {QStringLiteral("Status: Monitoring..."), QStringLiteral("Állapot: figyelés...")},
        {QStringLiteral("Close"), QStringLiteral("Bezárás")},
        {QStringLiteral("Only Show Event Types:"), QStringLiteral("Csak ezek az eseménytípusok:")},
        {QStringLiteral("Account Manager"), QStringLiteral("Ügyfélkezelő")},
    };
}

QByteArray hungarianFile(const QList<Translation> &texts, quint16 attributes)
{
    QHash<QString, const Translation *> byEnglish;
    for (const Translation &t : texts)
        byEnglish.insert(t.english, &t);
    return makeFile(attributes, [&](loc::TLocValue &v) {
        const Translation *t = byEnglish.value(v.text);
        if (!t)
            return false;
        v.text = t->hungarian;
        if (t->outOfDate)
            v.version -= 1;
        return true;
    });
}

QByteArray markedFile()
{
    return makeFile(0, [](loc::TLocValue &v) {
        v.text = QStringLiteral("\u00BB") + v.text + QStringLiteral("\u00AB");
        return true;
    });
}

void writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(data);
}

std::unique_ptr<loc::TLocalizer> makeLocalizer(const QString &programFolder, const QString &settingsPath)
{
    loc::LocalizerOptions o;
    o.programFolder = programFolder;
    o.programName = QStringLiteral("quorvel-monitor");
    o.programFile = QDir(programFolder).filePath(QStringLiteral("quorvel-monitor"));
    o.settingsPath = settingsPath;
    auto l = std::make_unique<loc::TLocalizer>(o);
    l->reportError = [](const QString &) {};
    return l;
}

} // namespace langtest
