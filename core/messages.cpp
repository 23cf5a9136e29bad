#include "core/messages.h"

namespace core {

namespace {
SilentMessages s_silent;
Messages *s_messages = &s_silent;
} // namespace

Messages &messages()
{
    return *s_messages;
}

void setMessages(Messages *sink)
{
    s_messages = sink ? sink : &s_silent;
}

} // namespace core
