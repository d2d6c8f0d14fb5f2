#include "net/net_protocol.h"

#include <algorithm>

#include "net/wire_bytes.h"

// {126E6180-D307-11D0-9C4F-00A0C905425E}, in the byte order of its text.
const AppIdentity kAppIdentity = {0x12, 0x6E, 0x61, 0x80, 0xD3, 0x07, 0x11, 0xD0,
                                  0x9C, 0x4F, 0x00, 0xA0, 0xC9, 0x05, 0x42, 0x5E};

namespace {

constexpr std::uint8_t kMagic[2] = {'M', 'V'};
// The size of the smallest player entry: id, flags and an empty name.
constexpr std::size_t kMinPlayerEntryBytes = 6;

std::string CutTo(const std::string& text, std::size_t limit) {
    return text.substr(0, std::min(text.size(), limit));
}

// ---- encoding

void PutSessionName(WireWriter& out, const std::string& name) {
    const std::string cut = CutTo(name, kMaxSessionNameBytes);
    out.U16(static_cast<std::uint16_t>(cut.size()));
    out.Text(cut);
}

void PutHeader(WireWriter& out, std::uint8_t version, const AppIdentity& identity) {
    out.U8(version);
    out.Bytes(identity);
}

void PutPlayer(WireWriter& out, const PlayerEntry& player) {
    const std::string name = CutTo(player.name, kMaxPlayerNameBytes);
    out.U32(player.id);
    out.U8(player.hosts ? 1 : 0);
    out.U8(static_cast<std::uint8_t>(name.size()));
    out.Text(name);
}

void Put(WireWriter& out, const SessionQuery& m) {
    PutHeader(out, m.version, m.identity);
}
void Put(WireWriter& out, const SessionAnswer& m) {
    PutHeader(out, m.version, m.identity);
    PutSessionName(out, m.session_name);
}
void Put(WireWriter& out, const JoinRequest& m) {
    PutHeader(out, m.version, m.identity);
    PutSessionName(out, m.session_name);
}
void Put(WireWriter& out, const JoinWelcome& m) {
    out.U32(static_cast<std::uint32_t>(m.players.size()));
    for (const PlayerEntry& player : m.players)
        PutPlayer(out, player);
}
void Put(WireWriter& out, const JoinRefusal& m) {
    out.U8(static_cast<std::uint8_t>(m.reason));
}
void Put(WireWriter& out, const CreatePlayerRequest& m) {
    const std::string name = CutTo(m.name, kMaxPlayerNameBytes);
    out.U32(m.request);
    out.U8(static_cast<std::uint8_t>(name.size()));
    out.Text(name);
}
void Put(WireWriter& out, const PlayerCreated& m) {
    out.U32(m.request);
    out.U32(m.id);
}
void Put(WireWriter& out, const DestroyPlayerRequest& m) {
    out.U32(m.id);
}
void Put(WireWriter& out, const PlayerAdded& m) {
    PutPlayer(out, m.player);
}
void Put(WireWriter& out, const PlayerRemoved& m) {
    out.U32(m.id);
}
void Put(WireWriter& out, const TextMessage& m) {
    const std::string text = CutTo(m.text, kMaxTextBytes);
    out.U32(m.from);
    out.U32(m.to);
    out.U16(static_cast<std::uint16_t>(text.size()));
    out.Text(text);
}

// ---- decoding: each reader fills its message and says whether every field was sound

bool GetSessionName(WireReader& in, std::string& name) {
    std::uint16_t length = 0;
    return in.U16(length) && length <= kMaxSessionNameBytes && in.Text(length, name);
}

bool GetShortName(WireReader& in, std::string& name) {
    std::uint8_t length = 0;
    return in.U8(length) && in.Text(length, name);
}

bool GetPlayerId(WireReader& in, std::uint32_t& id) {
    return in.U32(id) && id != 0;
}

bool GetPlayer(WireReader& in, PlayerEntry& player) {
    std::uint8_t flags = 0;
    if (!GetPlayerId(in, player.id) || !in.U8(flags) || flags > 1) return false;
    player.hosts = flags == 1;
    return GetShortName(in, player.name);
}

bool Get(WireReader& in, SessionQuery& m) {
    return in.U8(m.version) && in.Bytes(m.identity);
}
bool Get(WireReader& in, SessionAnswer& m) {
    return in.U8(m.version) && in.Bytes(m.identity) && GetSessionName(in, m.session_name);
}
bool Get(WireReader& in, JoinRequest& m) {
    return in.U8(m.version) && in.Bytes(m.identity) && GetSessionName(in, m.session_name);
}
bool Get(WireReader& in, JoinWelcome& m) {
    std::uint32_t count = 0;
    // The count is held against the bytes that arrived before anything is reserved.
    if (!in.U32(count) || count > in.Remaining() / kMinPlayerEntryBytes) return false;
    m.players.resize(count);
    return std::all_of(m.players.begin(), m.players.end(),
                       [&in](PlayerEntry& player) { return GetPlayer(in, player); });
}
bool Get(WireReader& in, JoinRefusal& m) {
    std::uint8_t reason = 0;
    if (!in.U8(reason) || reason < 1 || reason > 4) return false;
    m.reason = static_cast<RefusalReason>(reason);
    return true;
}
bool Get(WireReader& in, CreatePlayerRequest& m) {
    return in.U32(m.request) && GetShortName(in, m.name);
}
bool Get(WireReader& in, PlayerCreated& m) {
    return in.U32(m.request) && in.U32(m.id);
}
bool Get(WireReader& in, DestroyPlayerRequest& m) {
    return GetPlayerId(in, m.id);
}
bool Get(WireReader& in, PlayerAdded& m) {
    return GetPlayer(in, m.player);
}
bool Get(WireReader& in, PlayerRemoved& m) {
    return GetPlayerId(in, m.id);
}
bool Get(WireReader& in, TextMessage& m) {
    std::uint16_t length = 0;
    return GetPlayerId(in, m.from) && in.U32(m.to) && in.U16(length) && in.Text(length, m.text);
}

// Decodes the message of the variant's alternative `Index`, the kind on the wire being Index + 1.
template <std::size_t Index>
std::optional<NetMessage> DecodeKind(std::size_t kind, WireReader& in) {
    if constexpr (Index < std::variant_size_v<NetMessage>) {
        if (kind != Index + 1) return DecodeKind<Index + 1>(kind, in);
        std::variant_alternative_t<Index, NetMessage> message;
        if (!Get(in, message) || !in.AtEnd()) return std::nullopt;
        return NetMessage(std::move(message));
    } else {
        return std::nullopt;
    }
}

}  // namespace

std::vector<std::uint8_t> EncodeMessage(const NetMessage& message) {
    WireWriter out;
    out.Bytes(kMagic);
    out.U8(static_cast<std::uint8_t>(message.index() + 1));
    std::visit([&out](const auto& m) { Put(out, m); }, message);
    return out.Take();
}

std::optional<NetMessage> DecodeMessage(std::span<const std::uint8_t> bytes) {
    WireReader in(bytes);
    std::uint8_t magic[2] = {0, 0};
    std::uint8_t kind = 0;
    if (!in.Bytes(magic) || magic[0] != kMagic[0] || magic[1] != kMagic[1] || !in.U8(kind)) {
        return std::nullopt;
    }
    return DecodeKind<0>(kind, in);
}
