#include "net/zt_network.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "net/host_session.h"
#include "net/join_session.h"
#include "net/net_protocol.h"
#include "net/session_address.h"

ZtNetwork* pZtNet = nullptr;

namespace {

int ResultOf(JoinFailure failure) {
    switch (failure) {
        case JoinFailure::kNotFound:
            return kNetSessionNotFound;
        case JoinFailure::kRefused:
            return kNetJoinRefused;
        case JoinFailure::kNoEndpoint:
        case JoinFailure::kNoAnswer:
            break;
    }
    return kNetNoAnswer;
}

}  // namespace

ZtNetwork::ZtNetwork() = default;

ZtNetwork::~ZtNetwork() {
    CleanUp();
}

int ZtNetwork::Init(const ZtCONNECTION_INFO& connection) {
    state_ = kNothing;
    session_.reset();
    if (connection.connection_type == 1 || connection.connection_type == 2) return kNetNoTransport;
    if (connection.session_name.size() > kMaxSessionNameBytes ||
        connection.address.size() > kMaxAddressBytes) {
        return kNetNameTooLong;
    }
    connection_ = connection;
    state_ = kPrepared;
    return DoHostOrJoin();
}

int ZtNetwork::DoHostOrJoin() {
    if (state_ == kNothing) return kNetNotPrepared;
    session_.reset();
    if (connection_.host != 0) {
        session_ = HostSession::Start(connection_.session_name, SessionPort());
        if (!session_) return kNetCannotHost;
        state_ = kHosting;
        return kNetOk;
    }
    const std::optional<QueryTarget> target = QueryTargetFor(connection_.address);
    if (!target) return kNetBadAddress;
    JoinFailure failure = JoinFailure::kNoAnswer;
    session_ = JoinSession::Join(connection_.session_name, *target, failure);
    if (!session_) return ResultOf(failure);
    state_ = kJoined;
    return kNetOk;
}

void ZtNetwork::CleanUp() {
    session_.reset();
    state_ = kNothing;
}

bool ZtNetwork::IsSetup() const {
    return (state_ == kHosting || state_ == kJoined) && session_ && session_->Open();
}

void ZtNetwork::Service(std::uint32_t wait_ms) {
    if (!session_) return;
    session_->Service(wait_ms);
    if (!session_->Open()) CleanUp();
}

int ZtNetwork::CreatePlayer(const std::string& name, std::uint32_t& id) {
    if (!IsSetup()) return kNetCannotAddPlayer;
    id = session_->CreatePlayer(name.substr(0, std::min(name.size(), kMaxPlayerNameBytes)));
    return id != 0 ? kNetOk : kNetCannotAddPlayer;
}

void ZtNetwork::DestroyPlayer(std::uint32_t id) {
    if (IsSetup()) session_->DestroyPlayer(id);
}

bool ZtNetwork::SendMsg(std::uint32_t from, std::uint32_t to, std::string_view text, bool guaranteed) {
    if (!IsSetup()) return false;
    if (text.size() <= kMaxTextBytes)
        session_->SendText(TextMessage{from, to, std::string(text)}, guaranteed);
    return true;
}

bool ZtNetwork::ReceiveMsg(std::uint32_t to, char* buffer, std::size_t size) {
    if (size == 0) return false;
    buffer[0] = '\0';
    if (!IsSetup()) return false;
    const std::optional<std::string> text = session_->Receive(to);
    if (!text) return false;
    if (text->size() < size) std::memcpy(buffer, text->c_str(), text->size() + 1);
    return true;
}

void ZtNetwork::GetPlayerName(std::uint32_t id, std::string& name) const {
    const PlayerEntry* player = IsSetup() ? session_->Roster().Find(id) : nullptr;
    name = player != nullptr ? player->name : "";
}

int ZtNetwork::NumPlayers() const {
    return IsSetup() ? static_cast<int>(session_->Roster().Count()) : 0;
}

std::uint32_t ZtNetwork::GetPlayerID(int index) const {
    if (!IsSetup() || index < 0) return 0;
    const PlayerEntry* player = session_->Roster().At(static_cast<std::size_t>(index));
    return player != nullptr ? player->id : 0;
}

std::uint32_t ZtNetwork::GetHostID() const {
    return IsSetup() ? session_->Roster().FirstHostPlayer() : 0;
}
