// A session as one program takes part in it: its endpoint, the players of the
// session, and the messages waiting for this program's players. The hosting
// and the joining program each fill in how requests travel.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "net/enet_endpoint.h"
#include "net/message_queues.h"
#include "net/net_protocol.h"
#include "net/player_roster.h"

class NetSession : protected EndpointEvents {
public:
    ~NetSession() override = default;

    // Handles what has arrived, waiting up to `wait_ms` for the first of it.
    void Service(std::uint32_t wait_ms) { endpoint_->Service(*this, wait_ms); }
    // False once the session has ended for this program.
    bool Open() const { return open_; }

    // A new player of this program; its id, or 0 when none could be made.
    virtual std::uint32_t CreatePlayer(const std::string& name) = 0;
    // Ends one of this program's players; other ids are ignored.
    virtual void DestroyPlayer(std::uint32_t id) = 0;
    // Sends a text from one of this program's players (other senders are
    // ignored). It leaves with the next service, together with what that
    // service answers, so that a program's loop sends one datagram a pass.
    virtual void SendText(const TextMessage& message, bool guaranteed) = 0;

    std::optional<std::string> Receive(std::uint32_t to) { return queues_.Take(to); }
    const PlayerRoster& Roster() const { return roster_; }

protected:
    explicit NetSession(std::unique_ptr<EnetEndpoint> endpoint) : endpoint_(std::move(endpoint)) {}

    std::unique_ptr<EnetEndpoint> endpoint_;
    PlayerRoster roster_;
    MessageQueues queues_;
    bool open_ = true;
};
