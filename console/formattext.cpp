#include "console/formattext.h"

#include "localization/format.h"

namespace console {

QString formatText(const QString &format, const QStringList &args)
{
    QList<loc::FormatArg> values;
    values.reserve(args.size());
    for (const QString &a : args)
        values.append(a);
    return loc::format(format, values);
}

} // namespace console
