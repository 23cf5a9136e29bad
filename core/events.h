#pragma once

#include <QEvent>

namespace core {

// Posted to the main window: a new Comms row (new-comms), a log-on request,
// and a new Outbox row (new-mail).
inline constexpr QEvent::Type NewCommsEventType = static_cast<QEvent::Type>(QEvent::User + 100);
inline constexpr QEvent::Type LogOnRequestEventType = static_cast<QEvent::Type>(QEvent::User + 101);
inline constexpr QEvent::Type NewMailEventType = static_cast<QEvent::Type>(QEvent::User + 102);

// A posted notification carrying a row's number.
class RowEvent : public QEvent
{
public:
    RowEvent(QEvent::Type type, int id) : QEvent(type), m_id(id) {}
    int id() const { return m_id; }

private:
    int m_id;
};

} // namespace core
