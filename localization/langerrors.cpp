#include "localization/langerrors.h"

#include "localization/texts.h"

namespace loc::msg {

QString invalidFileFormat()
{
    return loc::text("Invalid file format");
}

QString needNewerTool()
{
    return loc::text("The language file can not be read. You need to download the latest language tool");
}

QString invalidLangsResource()
{
    return loc::text("Invalid LANGS resource");
}

QString wrongStreamFormat()
{
    return loc::text("Wrong stream format");
}

QString sourceNotDefined()
{
    return loc::text("Source stream is not defined");
}

QString destinationNotDefined()
{
    return loc::text("Destination stream is not defined");
}

QString invalidLocStorage()
{
    return loc::text("Invalid LocStorage");
}

QString invalidIndex()
{
    return loc::text("Invalid index");
}

QString invalidResourceFile(const QString &modulePath)
{
    return loc::text("Invalid resource file format ") + QLatin1Char('"') + modulePath + QLatin1Char('"');
}

} // namespace loc::msg
