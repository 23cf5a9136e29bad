#include "core/guarded.h"

#include "core/errors.h"
#include "core/messages.h"
#include "localization/texts.h"

#include <exception>

namespace core {

bool guarded(const std::function<void()> &fn)
{
    try {
        fn();
        return true;
    } catch (const EAbort &) {
        return false;
    } catch (const Error &e) {
        messages().error(e.message());
    } catch (const std::exception &e) {
        messages().error(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        messages().error(loc::text("An unexpected error has occurred."));
    }
    return false;
}

} // namespace core
