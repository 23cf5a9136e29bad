#include "console/guarded.h"

#include "localization/texts.h"
#include "store/errors.h"
#include "store/messages.h"

#include <exception>

namespace console {

bool guarded(const std::function<void()> &fn)
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

} // namespace console
