#include "station/dateformats.h"

#include <QLocale>

namespace station {

namespace {

DateFormats make(bool hungarian)
{
    DateFormats f;
    f.shortDate = hungarian ? QStringLiteral("yyyy/MM/dd") : QStringLiteral("M/d/yyyy");
    // A 12-hour clock with "am"/"pm" in both sets.
    f.stampFormat = f.shortDate + QStringLiteral(" h:mm:ss ap");
    // A full stop, not a colon, between minutes and seconds.
    f.eventFormat = hungarian ? f.shortDate + QStringLiteral(" - hh:mm.ss")
                              : QStringLiteral("d-MMM-yy - hh:mm.ss");
    return f;
}

} // namespace

DateFormats DateFormats::forLanguageId(int languageId)
{
    return make(languageId == kHungarian);
}

DateFormats DateFormats::forNativeName(const QString &nativeName)
{
    return make(nativeName == QLatin1String("Magyar"));
}

QString DateFormats::format(const QDateTime &value, const QString &format)
{
    return QLocale::c().toString(value, format);
}

} // namespace station
