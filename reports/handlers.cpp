#include "reports/handlers.h"

namespace reports {

QString fillPlaces(const QString &format, const QStringList &values)
{
    QString out;
    int next = 0;
    for (int i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == QLatin1Char('%') && i + 1 < format.size()) {
            const QChar k = format[i + 1];
            if (k == QLatin1Char('s')) {
                out += next < values.size() ? values[next] : QString();
                ++next;
                ++i;
                continue;
            }
            if (k == QLatin1Char('%')) {
                out += QLatin1Char('%');
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace reports
