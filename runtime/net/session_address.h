// Where sessions are hosted and looked for: the session port, and the address
// a joiner asks.
#pragma once

#include <enet/enet.h>

#include <cstdint>
#include <optional>
#include <string>

// The port a host accepts joiners on and answers queries at, unless
// MORVANE_NET_PORT holds a port number from 1 to 65535.
inline constexpr std::uint16_t kDefaultSessionPort = 42420;
std::uint16_t SessionPort();

// Where queries go when no address is given: the local network's broadcast
// address, unless MORVANE_NET_DISCOVERY names another host.
inline constexpr const char* kDefaultDiscoveryTarget = "255.255.255.255";

struct QueryTarget {
    ENetAddress address;
    bool direct;  // one named host, which alone can answer
};

// The target for a join's address: "host" or "host:port" asks that host (on
// the session port when none is given); an empty address asks on the local
// network. Nothing when the host cannot be resolved or the port is not a
// number from 1 to 65535.
std::optional<QueryTarget> QueryTargetFor(const std::string& address);
