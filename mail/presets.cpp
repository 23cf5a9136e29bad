#include "mail/presets.h"

namespace mail {

const std::array<ProviderPreset, 3> &providerPresets()
{
    static const std::array<ProviderPreset, 3> presets{{
        {"smtp.gmail.com", {465, TlsMode::Implicit}},
        {"smtp.mail.yahoo.com", {465, TlsMode::Implicit}},
        {"smtp-mail.outlook.com", {587, TlsMode::Explicit}},
    }};
    return presets;
}

Transport transportFor(const QString &host)
{
    for (const ProviderPreset &p : providerPresets()) {
        if (host == QLatin1String(p.host))
            return p.transport;
    }
    return {};
}

} // namespace mail
