// A joining program's side of a session: it finds the host by the session's
// name, joins, and asks the host for everything that changes the session.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "net/net_session.h"
#include "net/session_address.h"

// Why a join failed.
enum class JoinFailure { kNoEndpoint, kNotFound, kNoAnswer, kRefused };

class JoinSession : public NetSession {
public:
    // Asks the target for sessions, joins the last one that answered with
    // this name, and waits for the host to admit it. Null when it fails, with
    // the reason in `failure`.
    static std::unique_ptr<JoinSession> Join(const std::string& session_name, const QueryTarget& target,
                                             JoinFailure& failure);
    // Leaves the session.
    ~JoinSession() override;

    std::uint32_t CreatePlayer(const std::string& name) override;
    void DestroyPlayer(std::uint32_t id) override;
    void SendText(const TextMessage& message, bool guaranteed) override;

private:
    JoinSession(std::unique_ptr<EnetEndpoint> endpoint, const std::string& session_name);

    void OnConnect(ENetPeer* peer) override;
    void OnDisconnect(ENetPeer* peer) override;
    void OnPacket(ENetPeer* peer, std::span<const std::uint8_t> bytes, bool guaranteed) override;
    bool OnDatagram(const ENetAddress& from, std::span<const std::uint8_t> bytes) override;

    bool FindHost(const QueryTarget& target);
    std::optional<JoinFailure> Enter();
    void HandleHostMessage(const NetMessage& message);
    // Serves the endpoint until `done` holds, the session ends or `limit_ms` has passed.
    template <class Done>
    bool ServeUntil(Done done, std::uint32_t limit_ms);

    std::string session_name_;
    std::optional<ENetAddress> host_address_;
    ENetPeer* host_ = nullptr;
    bool connected_ = false;
    bool admitted_ = false;
    bool refused_ = false;
    std::uint32_t last_request_ = 0;
    std::optional<std::uint32_t> created_id_;
};
