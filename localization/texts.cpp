#include "localization/texts.h"

namespace loc {

QString text(const char *english)
{
    return QString::fromUtf8(english);
}

} // namespace loc
