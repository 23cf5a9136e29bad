#include "localization/texts.h"

#include <QMutex>

namespace loc {

namespace {
TextObserver observer = nullptr;

// Texts are also looked up off the interface thread (mail delivery), so the
// table is swapped whole under a lock and never changed in place.
QMutex tableLock;
std::shared_ptr<const TextTable> current;
} // namespace

QString text(const char *english)
{
    if (observer)
        observer(english);
    QString s = QString::fromUtf8(english);
    if (const std::shared_ptr<const TextTable> table = textTable()) {
        const auto it = table->constFind(s);
        if (it != table->cend())
            return *it;
    }
    return s;
}

void setTextObserver(TextObserver o)
{
    observer = o;
}

void setTextTable(std::shared_ptr<const TextTable> table)
{
    QMutexLocker lock(&tableLock);
    current = std::move(table);
}

std::shared_ptr<const TextTable> textTable()
{
    QMutexLocker lock(&tableLock);
    return current;
}

} // namespace loc
