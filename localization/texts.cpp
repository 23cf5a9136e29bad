#include "localization/texts.h"

namespace loc {

namespace {
TextObserver observer = nullptr;
}

QString text(const char *english)
{
    if (observer)
        observer(english);
    return QString::fromUtf8(english);
}

void setTextObserver(TextObserver o)
{
    observer = o;
}

} // namespace loc
