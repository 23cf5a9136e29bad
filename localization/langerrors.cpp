#include "localization/langerrors.h"

#include "localization/texts.h"

namespace loc::msg {

QString invalidFileFormat()
{
    return text("Invalid file format");
}

QString needNewerTool()
{
    return text("The language file can not be read. You need to download the latest language tool");
}

QString invalidLangsResource()
{
    return text("Invalid LANGS resource");
}

QString wrongStreamFormat()
{
    return text("Wrong stream format");
}

QString sourceNotDefined()
{
    return text("Source stream is not defined");
}

QString destinationNotDefined()
{
    return text("Destination stream is not defined");
}

QString invalidLocStorage()
{
    return text("Invalid LocStorage");
}

QString invalidIndex()
{
    return text("Invalid index");
}

QString invalidResourceFile(const QString &modulePath)
{
    return text("Invalid resource file format ") + QLatin1Char('"') + modulePath + QLatin1Char('"');
}

} // namespace loc::msg
