#include "net/session_address.h"

#include <cstdlib>

namespace {

// A port number from 1 to 65535, in decimal digits only.
std::optional<std::uint16_t> ParsePort(const std::string& text) {
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const long port = std::strtol(text.c_str(), nullptr, 10);
    if (port < 1 || port > 65535) return std::nullopt;
    return static_cast<std::uint16_t>(port);
}

std::optional<ENetAddress> Resolve(const std::string& host, std::uint16_t port) {
    ENetAddress address{};
    if (host.empty() || enet_address_set_host(&address, host.c_str()) != 0) return std::nullopt;
    address.port = port;
    return address;
}

}  // namespace

std::uint16_t SessionPort() {
    const char* setting = std::getenv("MORVANE_NET_PORT");
    return setting != nullptr ? ParsePort(setting).value_or(kDefaultSessionPort) : kDefaultSessionPort;
}

std::optional<QueryTarget> QueryTargetFor(const std::string& address) {
    if (address.empty()) {
        const char* setting = std::getenv("MORVANE_NET_DISCOVERY");
        const std::string target =
            setting != nullptr && setting[0] != '\0' ? setting : kDefaultDiscoveryTarget;
        const std::optional<ENetAddress> resolved = Resolve(target, SessionPort());
        if (!resolved) return std::nullopt;
        return QueryTarget{*resolved, false};
    }
    std::string host = address;
    std::uint16_t port = SessionPort();
    const std::size_t colon = address.rfind(':');
    if (colon != std::string::npos) {
        const std::optional<std::uint16_t> given = ParsePort(address.substr(colon + 1));
        if (!given) return std::nullopt;
        host = address.substr(0, colon);
        port = *given;
    }
    const std::optional<ENetAddress> resolved = Resolve(host, port);
    if (!resolved) return std::nullopt;
    return QueryTarget{*resolved, true};
}
