#include "net/host_session.h"

#include <type_traits>
#include <vector>

namespace {

constexpr std::size_t kMaxJoiners = 64;
// How long the end of the session waits for joiners to see it close.
constexpr std::uint32_t kCloseWaitMs = 1000;

std::optional<RefusalReason> RefusalFor(const JoinRequest& request, const std::string& session_name) {
    if (request.version != kProtocolVersion) return RefusalReason::kVersion;
    if (request.identity != kAppIdentity) return RefusalReason::kIdentity;
    if (request.session_name != session_name) return RefusalReason::kSessionName;
    return std::nullopt;
}

}  // namespace

std::unique_ptr<HostSession> HostSession::Start(const std::string& session_name, std::uint16_t port) {
    std::unique_ptr<EnetEndpoint> endpoint = EnetEndpoint::Listen(port, kMaxJoiners);
    if (!endpoint) return nullptr;
    return std::unique_ptr<HostSession>(new HostSession(std::move(endpoint), session_name));
}

HostSession::HostSession(std::unique_ptr<EnetEndpoint> endpoint, const std::string& session_name)
    : NetSession(std::move(endpoint)), session_name_(session_name) {}

HostSession::~HostSession() {
    endpoint_->DisconnectAll(*this, kCloseWaitMs);
}

std::uint32_t HostSession::CreatePlayer(const std::string& name) {
    return AddPlayer(name, nullptr);
}

void HostSession::DestroyPlayer(std::uint32_t id) {
    if (queues_.IsLocal(id)) RemovePlayer(id);
}

void HostSession::SendText(const TextMessage& message, bool guaranteed) {
    if (queues_.IsLocal(message.from)) Route(message, guaranteed, nullptr);
}

std::uint32_t HostSession::AddPlayer(const std::string& name, ENetPeer* owner) {
    const PlayerEntry player{next_id_, owner == nullptr, name};
    if (!roster_.Add(player)) return 0;
    ++next_id_;
    if (next_id_ == 0) next_id_ = 1;
    owners_[player.id] = owner;
    if (owner == nullptr) queues_.AddLocalPlayer(player.id);
    SendToJoined(PlayerAdded{player}, true);
    return player.id;
}

void HostSession::RemovePlayer(std::uint32_t id) {
    roster_.Remove(id);
    owners_.erase(id);
    queues_.RemoveLocalPlayer(id);
    SendToJoined(PlayerRemoved{id}, true);
}

void HostSession::Route(const TextMessage& message, bool guaranteed, ENetPeer* origin) {
    if (message.to == 0) {
        queues_.Deliver(message.from, 0, message.text);
        SendToJoined(message, guaranteed, origin);
        return;
    }
    const auto owner = owners_.find(message.to);
    if (owner == owners_.end()) return;
    if (owner->second == nullptr) {
        queues_.Deliver(message.from, message.to, message.text);
    } else if (owner->second != origin) {
        endpoint_->Send(owner->second, EncodeMessage(message), guaranteed);
    }
}

void HostSession::SendToJoined(const NetMessage& message, bool guaranteed, ENetPeer* except) {
    recipients_.clear();
    for (const auto& [peer, joined] : joiners_) {
        if (joined && peer != except) recipients_.push_back(peer);
    }
    endpoint_->Send(recipients_, EncodeMessage(message), guaranteed);
}

void HostSession::OnConnect(ENetPeer* peer) {
    joiners_[peer] = false;
}

void HostSession::OnDisconnect(ENetPeer* peer) {
    joiners_.erase(peer);
    std::vector<std::uint32_t> gone;
    for (const auto& [id, owner] : owners_) {
        if (owner == peer) gone.push_back(id);
    }
    for (const std::uint32_t id : gone)
        RemovePlayer(id);
}

void HostSession::OnPacket(ENetPeer* peer, std::span<const std::uint8_t> bytes, bool guaranteed) {
    const auto joiner = joiners_.find(peer);
    const std::optional<NetMessage> message = DecodeMessage(bytes);
    if (joiner == joiners_.end() || !message) return;
    if (joiner->second) {
        HandleJoinerMessage(peer, *message, guaranteed);
    } else if (const auto* request = std::get_if<JoinRequest>(&*message)) {
        Admit(peer, *request);
    }
}

void HostSession::Admit(ENetPeer* peer, const JoinRequest& request) {
    if (const std::optional<RefusalReason> refusal = RefusalFor(request, session_name_)) {
        endpoint_->Send(peer, EncodeMessage(JoinRefusal{*refusal}), true);
        endpoint_->DisconnectAfterSending(peer);
        joiners_.erase(peer);
        return;
    }
    joiners_[peer] = true;
    endpoint_->Send(peer, EncodeMessage(JoinWelcome{roster_.Players()}), true);
}

// A joined program may ask for players, end its own, and send texts from its
// own players; anything else from it is dropped.
void HostSession::HandleJoinerMessage(ENetPeer* peer, const NetMessage& message, bool guaranteed) {
    const auto owns = [this, peer](std::uint32_t id) {
        const auto owner = owners_.find(id);
        return owner != owners_.end() && owner->second == peer;
    };
    std::visit(
        [&](const auto& m) {
            using Kind = std::decay_t<decltype(m)>;
            if constexpr (std::is_same_v<Kind, CreatePlayerRequest>) {
                endpoint_->Send(peer, EncodeMessage(PlayerCreated{m.request, AddPlayer(m.name, peer)}), true);
            } else if constexpr (std::is_same_v<Kind, DestroyPlayerRequest>) {
                if (owns(m.id)) RemovePlayer(m.id);
            } else if constexpr (std::is_same_v<Kind, TextMessage>) {
                if (owns(m.from)) Route(m, guaranteed, peer);
            }
        },
        message);
}

bool HostSession::OnDatagram(const ENetAddress& from, std::span<const std::uint8_t> bytes) {
    const std::optional<NetMessage> message = DecodeMessage(bytes);
    const auto* query = message ? std::get_if<SessionQuery>(&*message) : nullptr;
    if (query == nullptr) return false;
    if (query->version == kProtocolVersion && query->identity == kAppIdentity) {
        endpoint_->SendDatagram(from, EncodeMessage(SessionAnswer{.session_name = session_name_}));
    }
    return true;
}
