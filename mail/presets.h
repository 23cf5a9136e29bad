#pragma once

#include <QString>

#include <array>

namespace mail {

enum class TlsMode
{
    None,     // plain SMTP
    Implicit, // TLS from the first byte of the connection
    Explicit  // plain connection upgraded with STARTTLS
};

// How the station reaches a mail server: the port and the TLS mode.
struct Transport
{
    int port = 25;
    TlsMode tls = TlsMode::None;
    bool operator==(const Transport &) const = default;
};

struct ProviderPreset
{
    const char *host;
    Transport transport;
};

// The known public mail providers, in the order they are compared.
const std::array<ProviderPreset, 3> &providerPresets();

// The transport for a configured host: a provider's when the host equals its
// server name exactly (letter case included), otherwise port 25 without TLS.
Transport transportFor(const QString &host);

} // namespace mail
