#include "reports/handlers.h"

#include "localization/texts.h"
#include "store/errors.h"
#include "store/messages.h"

#include <exception>

namespace reports {

bool guardedHandler(const std::function<void()> &fn)
{
    try {
        fn();
        return true;
    } catch (const store::EAbort &) {
        return false;
    } catch (const store::EStoreError &e) {
        store::messages().error(e.message());
    } catch (const std::exception &e) {
        store::messages().error(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        store::messages().error(loc::text("An unexpected error has occurred."));
    }
    return false;
}

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
