// The hosting program's side of a session: it admits joiners, gives every
// player its id, tells every joiner of each player that comes and goes, and
// passes each text on to the program of the player it is for.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "net/net_session.h"

class HostSession : public NetSession {
public:
    // Hosts the named session on the port; null when the port cannot be had.
    static std::unique_ptr<HostSession> Start(const std::string& session_name, std::uint16_t port);
    // Closes every joiner's connection, so that the session ends for them.
    ~HostSession() override;

    std::uint32_t CreatePlayer(const std::string& name) override;
    void DestroyPlayer(std::uint32_t id) override;
    void SendText(const TextMessage& message, bool guaranteed) override;

private:
    HostSession(std::unique_ptr<EnetEndpoint> endpoint, const std::string& session_name);

    void OnConnect(ENetPeer* peer) override;
    void OnDisconnect(ENetPeer* peer) override;
    void OnPacket(ENetPeer* peer, std::span<const std::uint8_t> bytes, bool guaranteed) override;
    bool OnDatagram(const ENetAddress& from, std::span<const std::uint8_t> bytes) override;

    void Admit(ENetPeer* peer, const JoinRequest& request);
    void HandleJoinerMessage(ENetPeer* peer, const NetMessage& message, bool guaranteed);
    std::uint32_t AddPlayer(const std::string& name, ENetPeer* owner);
    void RemovePlayer(std::uint32_t id);
    // Delivers a text here or passes it on; never back to the program it came from.
    void Route(const TextMessage& message, bool guaranteed, ENetPeer* origin);
    void SendToJoined(const NetMessage& message, bool guaranteed, ENetPeer* except = nullptr);

    std::string session_name_;
    // Connected programs, and whether each has joined.
    std::map<ENetPeer*, bool> joiners_;
    // The program of each player: null for the host's own.
    std::map<std::uint32_t, ENetPeer*> owners_;
    std::uint32_t next_id_ = 1;
    // The connections a message goes to, reused from message to message.
    std::vector<ENetPeer*> recipients_;
};
