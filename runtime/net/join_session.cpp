#include "net/join_session.h"

#include <chrono>
#include <type_traits>

namespace {

// Answers are awaited this long, the query sent again at each interval.
constexpr std::uint32_t kDiscoveryWindowMs = 1000;
constexpr std::uint32_t kQueryIntervalMs = 250;
// Limits for the host to accept the connection, admit the joiner and make a player.
constexpr std::uint32_t kAnswerLimitMs = 5000;
// How long leaving the session waits for the host to see it.
constexpr std::uint32_t kLeaveWaitMs = 1000;
constexpr std::uint32_t kServiceSliceMs = 5;

using SteadyClock = std::chrono::steady_clock;

}  // namespace

std::unique_ptr<JoinSession> JoinSession::Join(const std::string& session_name, const QueryTarget& target,
                                               JoinFailure& failure) {
    std::unique_ptr<EnetEndpoint> endpoint = EnetEndpoint::Client();
    if (!endpoint) {
        failure = JoinFailure::kNoEndpoint;
        return nullptr;
    }
    std::unique_ptr<JoinSession> session(new JoinSession(std::move(endpoint), session_name));
    if (!session->FindHost(target)) {
        failure = JoinFailure::kNotFound;
        return nullptr;
    }
    if (const std::optional<JoinFailure> entry_failure = session->Enter()) {
        failure = *entry_failure;
        return nullptr;
    }
    return session;
}

JoinSession::JoinSession(std::unique_ptr<EnetEndpoint> endpoint, const std::string& session_name)
    : NetSession(std::move(endpoint)), session_name_(session_name) {}

JoinSession::~JoinSession() {
    endpoint_->DisconnectAll(*this, kLeaveWaitMs);
}

template <class Done>
bool JoinSession::ServeUntil(Done done, std::uint32_t limit_ms) {
    const auto deadline = SteadyClock::now() + std::chrono::milliseconds(limit_ms);
    while (!done() && open_ && SteadyClock::now() < deadline) {
        endpoint_->Service(*this, kServiceSliceMs);
    }
    return done();
}

// Sends the query at intervals for the whole window (a named host, which alone
// can answer, ends it early) and keeps the last answer that names the session.
bool JoinSession::FindHost(const QueryTarget& target) {
    const std::vector<std::uint8_t> query = EncodeMessage(SessionQuery{});
    for (std::uint32_t waited = 0; waited < kDiscoveryWindowMs; waited += kQueryIntervalMs) {
        endpoint_->SendDatagram(target.address, query);
        ServeUntil([&] { return target.direct && host_address_.has_value(); }, kQueryIntervalMs);
        if (target.direct && host_address_) break;
    }
    return host_address_.has_value();
}

std::optional<JoinFailure> JoinSession::Enter() {
    host_ = endpoint_->Connect(*host_address_);
    if (host_ == nullptr || !ServeUntil([this] { return connected_; }, kAnswerLimitMs)) {
        return JoinFailure::kNoAnswer;
    }
    endpoint_->Send(host_, EncodeMessage(JoinRequest{.session_name = session_name_}), true);
    endpoint_->Flush();
    if (!ServeUntil([this] { return admitted_ || refused_; }, kAnswerLimitMs)) return JoinFailure::kNoAnswer;
    if (refused_) return JoinFailure::kRefused;
    return std::nullopt;
}

std::uint32_t JoinSession::CreatePlayer(const std::string& name) {
    if (!open_) return 0;
    const std::uint32_t request = ++last_request_;
    created_id_.reset();
    endpoint_->Send(host_, EncodeMessage(CreatePlayerRequest{request, name}), true);
    endpoint_->Flush();
    if (!ServeUntil([this] { return created_id_.has_value(); }, kAnswerLimitMs)) return 0;
    return *created_id_;
}

void JoinSession::DestroyPlayer(std::uint32_t id) {
    if (!open_ || !queues_.IsLocal(id)) return;
    queues_.RemoveLocalPlayer(id);
    roster_.Remove(id);
    endpoint_->Send(host_, EncodeMessage(DestroyPlayerRequest{id}), true);
    endpoint_->Flush();
}

// A text for another player of this program stays here; one for all goes to
// this program's other players and to the host, which passes it on.
void JoinSession::SendText(const TextMessage& message, bool guaranteed) {
    if (!open_ || !queues_.IsLocal(message.from)) return;
    if (message.to == 0 || queues_.IsLocal(message.to))
        queues_.Deliver(message.from, message.to, message.text);
    if (message.to == 0 || !queues_.IsLocal(message.to))
        endpoint_->Send(host_, EncodeMessage(message), guaranteed);
}

void JoinSession::OnConnect(ENetPeer* peer) {
    if (peer == host_) connected_ = true;
}

void JoinSession::OnDisconnect(ENetPeer* peer) {
    if (peer != host_) return;
    open_ = false;
    roster_.Clear();
    queues_.Clear();
}

void JoinSession::OnPacket(ENetPeer* peer, std::span<const std::uint8_t> bytes, bool) {
    if (peer != host_) return;
    if (const std::optional<NetMessage> message = DecodeMessage(bytes)) HandleHostMessage(*message);
}

void JoinSession::HandleHostMessage(const NetMessage& message) {
    std::visit(
        [this](const auto& m) {
            using Kind = std::decay_t<decltype(m)>;
            if constexpr (std::is_same_v<Kind, JoinWelcome>) {
                if (admitted_ || refused_) return;
                for (const PlayerEntry& player : m.players)
                    roster_.Add(player);
                admitted_ = true;
            } else if constexpr (std::is_same_v<Kind, JoinRefusal>) {
                if (!admitted_) refused_ = true;
            } else if constexpr (std::is_same_v<Kind, PlayerCreated>) {
                // The player's queue opens at once: a text for it may follow in the same batch.
                if (m.request != last_request_) return;
                created_id_ = m.id;
                if (m.id != 0) queues_.AddLocalPlayer(m.id);
            } else if constexpr (std::is_same_v<Kind, PlayerAdded>) {
                roster_.Add(m.player);
            } else if constexpr (std::is_same_v<Kind, PlayerRemoved>) {
                roster_.Remove(m.id);
                queues_.RemoveLocalPlayer(m.id);
            } else if constexpr (std::is_same_v<Kind, TextMessage>) {
                queues_.Deliver(m.from, m.to, m.text);
            }
        },
        message);
}

bool JoinSession::OnDatagram(const ENetAddress& from, std::span<const std::uint8_t> bytes) {
    const std::optional<NetMessage> message = DecodeMessage(bytes);
    const auto* answer = message ? std::get_if<SessionAnswer>(&*message) : nullptr;
    if (answer == nullptr) return false;
    if (answer->version == kProtocolVersion && answer->identity == kAppIdentity &&
        answer->session_name == session_name_) {
        host_address_ = from;
    }
    return true;
}
