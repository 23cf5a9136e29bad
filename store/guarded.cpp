#include "store/guarded.h"

#include "localization/texts.h"
#include "store/errors.h"
#include "store/messages.h"

#include <exception>

namespace store {

bool guarded(const std::function<void()> &fn)
{
    try {
        fn();
        return true;
    } catch (const EAbort &) {
        return false;
    } catch (const EStoreError &e) {
        messages().error(e.message());
    } catch (const std::exception &e) {
        messages().error(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        messages().error(loc::text("An unexpected error has occurred."));
    }
    return false;
}

} // namespace store
