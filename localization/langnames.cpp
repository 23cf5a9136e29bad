#include "localization/langnames.h"

#include <QLocale>

namespace loc {

namespace {

struct Entry
{
    quint16 id;
    const char *english;
    const char *abbr;
    QLocale::Language language;
    QLocale::Territory territory;
};

// The languages a station is likely to meet; the rest are named from their
// primary language.
constexpr Entry Table[] = {
    {9, "English", "ENU", QLocale::English, QLocale::AnyTerritory},
    {1025, "Arabic (Saudi Arabia)", "ARA", QLocale::Arabic, QLocale::SaudiArabia},
    {1026, "Bulgarian", "BGR", QLocale::Bulgarian, QLocale::Bulgaria},
    {1027, "Catalan", "CAT", QLocale::Catalan, QLocale::Spain},
    {1028, "Chinese (Taiwan)", "CHT", QLocale::Chinese, QLocale::Taiwan},
    {1029, "Czech", "CSY", QLocale::Czech, QLocale::CzechRepublic},
    {1030, "Danish", "DAN", QLocale::Danish, QLocale::Denmark},
    {1031, "German (Germany)", "DEU", QLocale::German, QLocale::Germany},
    {1032, "Greek", "ELL", QLocale::Greek, QLocale::Greece},
    {1033, "English (United States)", "ENU", QLocale::English, QLocale::UnitedStates},
    {1035, "Finnish", "FIN", QLocale::Finnish, QLocale::Finland},
    {1036, "French (France)", "FRA", QLocale::French, QLocale::France},
    {1037, "Hebrew", "HEB", QLocale::Hebrew, QLocale::Israel},
    {1038, "Hungarian", "HUN", QLocale::Hungarian, QLocale::Hungary},
    {1039, "Icelandic", "ISL", QLocale::Icelandic, QLocale::Iceland},
    {1040, "Italian (Italy)", "ITA", QLocale::Italian, QLocale::Italy},
    {1041, "Japanese", "JPN", QLocale::Japanese, QLocale::Japan},
    {1042, "Korean", "KOR", QLocale::Korean, QLocale::SouthKorea},
    {1043, "Dutch (Netherlands)", "NLD", QLocale::Dutch, QLocale::Netherlands},
    {1044, "Norwegian (Bokmal)", "NOR", QLocale::NorwegianBokmal, QLocale::Norway},
    {1045, "Polish", "PLK", QLocale::Polish, QLocale::Poland},
    {1046, "Portuguese (Brazil)", "PTB", QLocale::Portuguese, QLocale::Brazil},
    {1048, "Romanian", "ROM", QLocale::Romanian, QLocale::Romania},
    {1049, "Russian", "RUS", QLocale::Russian, QLocale::Russia},
    {1050, "Croatian", "HRV", QLocale::Croatian, QLocale::Croatia},
    {1051, "Slovak", "SKY", QLocale::Slovak, QLocale::Slovakia},
    {1053, "Swedish", "SVE", QLocale::Swedish, QLocale::Sweden},
    {1054, "Thai", "THA", QLocale::Thai, QLocale::Thailand},
    {1055, "Turkish", "TRK", QLocale::Turkish, QLocale::Turkey},
    {1058, "Ukrainian", "UKR", QLocale::Ukrainian, QLocale::Ukraine},
    {1060, "Slovenian", "SLV", QLocale::Slovenian, QLocale::Slovenia},
    {1061, "Estonian", "ETI", QLocale::Estonian, QLocale::Estonia},
    {1062, "Latvian", "LVI", QLocale::Latvian, QLocale::Latvia},
    {1063, "Lithuanian", "LTH", QLocale::Lithuanian, QLocale::Lithuania},
    {2052, "Chinese (PRC)", "CHS", QLocale::Chinese, QLocale::China},
    {2057, "English (United Kingdom)", "ENG", QLocale::English, QLocale::UnitedKingdom},
    {2058, "Spanish (Mexico)", "ESM", QLocale::Spanish, QLocale::Mexico},
    {2070, "Portuguese (Portugal)", "PTG", QLocale::Portuguese, QLocale::Portugal},
    {3079, "German (Austria)", "DEA", QLocale::German, QLocale::Austria},
    {3081, "English (Australia)", "ENA", QLocale::English, QLocale::Australia},
    {3082, "Spanish (Spain)", "ESN", QLocale::Spanish, QLocale::Spain},
    {4105, "English (Canada)", "ENC", QLocale::English, QLocale::Canada},
};

const Entry *find(quint16 id)
{
    for (const Entry &e : Table)
        if (e.id == id)
            return &e;
    return nullptr;
}

// The entry of the identifier, else of its primary language.
const Entry *findOrPrimary(quint16 id)
{
    if (const Entry *e = find(id))
        return e;
    const quint16 primary = id & 0x3FF;
    for (const Entry &e : Table)
        if ((e.id & 0x3FF) == primary)
            return &e;
    return nullptr;
}

} // namespace

QString languageAbbreviation(quint16 language)
{
    const Entry *e = findOrPrimary(language);
    return e ? QString::fromLatin1(e->abbr) : QStringLiteral("%1").arg(language, 4, 16, QLatin1Char('0')).toUpper();
}

QString englishLanguageName(quint16 language)
{
    if (const Entry *e = find(language))
        return QString::fromLatin1(e->english);
    const Entry *p = findOrPrimary(language);
    const QString name = p ? QLocale::languageToString(p->language) : QStringLiteral("Language %1").arg(language);
    return name + QStringLiteral(" (") + languageAbbreviation(language) + QLatin1Char(')');
}

QString nativeLanguageName(quint16 language)
{
    const Entry *e = findOrPrimary(language);
    if (!e)
        return englishLanguageName(language);
    QString name = QLocale(e->language, e->territory).nativeLanguageName();
    if (name.isEmpty())
        return englishLanguageName(language);
    // A name that stands alone in the Language menu starts with a capital,
    // as the platform's list of languages writes them ("Magyar", not "magyar");
    // the main window picks the Hungarian date formats by that exact name.
    name[0] = name[0].toUpper();
    return name;
}

quint16 languageFromAbbreviation(const QString &abbr)
{
    for (const Entry &e : Table)
        if (abbr.compare(QLatin1String(e.abbr), Qt::CaseInsensitive) == 0)
            return e.id == 9 ? 1033 : e.id;
    return 0;
}

} // namespace loc

namespace loc {

quint16 languageFromLocaleName(const QString &name)
{
    const QLocale locale(name);
    if (locale.language() == QLocale::C)
        return 0;
    const bool territoryGiven = name.contains(QLatin1Char('_')) || name.contains(QLatin1Char('-'));
    const Entry *languageOnly = nullptr;
    for (const Entry &e : Table) {
        if (e.language != locale.language())
            continue;
        if (territoryGiven && e.territory == locale.territory())
            return e.id;
        if (!languageOnly || e.territory == QLocale::AnyTerritory)
            languageOnly = &e;
    }
    return languageOnly ? languageOnly->id : 0;
}

} // namespace loc
