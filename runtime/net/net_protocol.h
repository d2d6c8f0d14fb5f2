// The session protocol: the messages that programs of one session exchange,
// and their encoding as bytes. Plain functions over bytes, so that every
// packet from the network goes through one decoder that checks it whole.
//
// Every message starts with the bytes 'M', 'V' and its kind. Numbers are
// little-endian; a session name carries a 16-bit length, a player name an
// 8-bit one, a text a 16-bit one. A message has no bytes after its last field.
// The kind 0xB0 is no message's: it marks a bundle of them (packet_bundle.h).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

// 2: a connection's guaranteed packets of one pass may travel bundled.
inline constexpr std::uint8_t kProtocolVersion = 2;

// The identity of the application, carried by session queries and joins: a
// program answers and admits only programs with the same identity and version.
using AppIdentity = std::array<std::uint8_t, 16>;
extern const AppIdentity kAppIdentity;

inline constexpr std::size_t kMaxSessionNameBytes = 258;
inline constexpr std::size_t kMaxPlayerNameBytes = 255;
inline constexpr std::size_t kMaxTextBytes = 65535;

enum class RefusalReason : std::uint8_t {
    kVersion = 1,      // another protocol version
    kIdentity = 2,     // another application
    kSessionName = 3,  // the host holds another session
    kFull = 4,         // the session has no room for more players
};

// Asked of a host (or of everyone on the local network) to learn its session.
struct SessionQuery {
    std::uint8_t version = kProtocolVersion;
    AppIdentity identity = kAppIdentity;
    bool operator==(const SessionQuery&) const = default;
};
struct SessionAnswer {
    std::uint8_t version = kProtocolVersion;
    AppIdentity identity = kAppIdentity;
    std::string session_name;
    bool operator==(const SessionAnswer&) const = default;
};
// The first message of a joiner on its connection to the host.
struct JoinRequest {
    std::uint8_t version = kProtocolVersion;
    AppIdentity identity = kAppIdentity;
    std::string session_name;
    bool operator==(const JoinRequest&) const = default;
};
struct PlayerEntry {
    std::uint32_t id = 0;  // never 0
    bool hosts = false;    // created by the hosting program
    std::string name;
    bool operator==(const PlayerEntry&) const = default;
};
// The host's answer to an admitted join: every player, in creation order.
struct JoinWelcome {
    std::vector<PlayerEntry> players;
    bool operator==(const JoinWelcome&) const = default;
};
struct JoinRefusal {
    RefusalReason reason = RefusalReason::kVersion;
    bool operator==(const JoinRefusal&) const = default;
};
// A joiner asks the host for a player; the host answers with its id (0: refused).
struct CreatePlayerRequest {
    std::uint32_t request = 0;
    std::string name;
    bool operator==(const CreatePlayerRequest&) const = default;
};
struct PlayerCreated {
    std::uint32_t request = 0;
    std::uint32_t id = 0;
    bool operator==(const PlayerCreated&) const = default;
};
struct DestroyPlayerRequest {
    std::uint32_t id = 0;
    bool operator==(const DestroyPlayerRequest&) const = default;
};
// The host tells every joiner of each player that comes and goes.
struct PlayerAdded {
    PlayerEntry player;
    bool operator==(const PlayerAdded&) const = default;
};
struct PlayerRemoved {
    std::uint32_t id = 0;
    bool operator==(const PlayerRemoved&) const = default;
};
// A text from one player to one player, or to all (to 0).
struct TextMessage {
    std::uint32_t from = 0;
    std::uint32_t to = 0;
    std::string text;
    bool operator==(const TextMessage&) const = default;
};

using NetMessage =
    std::variant<SessionQuery, SessionAnswer, JoinRequest, JoinWelcome, JoinRefusal, CreatePlayerRequest,
                 PlayerCreated, DestroyPlayerRequest, PlayerAdded, PlayerRemoved, TextMessage>;

// Names and texts longer than their field allows are cut to it, so that what
// is encoded always decodes.
std::vector<std::uint8_t> EncodeMessage(const NetMessage& message);

// The message, or nothing when the bytes are not exactly one well-formed
// message: an unknown kind, a field or length beyond the bytes, a name over its
// limit, a player id of 0, an unknown refusal reason or bytes left over.
std::optional<NetMessage> DecodeMessage(std::span<const std::uint8_t> bytes);
