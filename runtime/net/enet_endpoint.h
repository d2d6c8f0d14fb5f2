// One ENet host: the program's socket with its connections. Guaranteed
// packets travel on a reliable channel and arrive in order; the others on an
// unreliable one. Datagrams outside any connection (session queries and
// answers) are handed over before ENet sees them.
//
// A service reads every datagram waiting, reports what they brought, and only
// then sends: what the program sent since its last service, what it answered
// to the reports (a host's relays) and ENet's acknowledgements leave together,
// one datagram a connection, instead of each in a datagram of its own. The
// guaranteed packets of a pass for one connection travel as one bundle.
#pragma once

#include <enet/enet.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

// What a program does with the traffic of its endpoint.
class EndpointEvents {
public:
    virtual ~EndpointEvents() = default;
    virtual void OnConnect(ENetPeer* peer) = 0;
    virtual void OnDisconnect(ENetPeer* peer) = 0;
    virtual void OnPacket(ENetPeer* peer, std::span<const std::uint8_t> bytes, bool guaranteed) = 0;
    // A datagram that is not ENet's; true when it was taken.
    virtual bool OnDatagram(const ENetAddress& from, std::span<const std::uint8_t> bytes) = 0;
};

class EnetEndpoint {
public:
    // Accepts connections on the port of every local address; null when the
    // port cannot be had.
    static std::unique_ptr<EnetEndpoint> Listen(std::uint16_t port, std::size_t max_peers);
    // Makes connections from a port the system chooses; null on failure.
    static std::unique_ptr<EnetEndpoint> Client();
    // Drops every connection at once (see DisconnectAll for a polite end).
    ~EnetEndpoint();
    EnetEndpoint(const EnetEndpoint&) = delete;
    EnetEndpoint& operator=(const EnetEndpoint&) = delete;

    // Starts a connection; it is made when OnConnect reports it. Null when
    // no connection can be started.
    ENetPeer* Connect(const ENetAddress& address);
    void Send(ENetPeer* peer, const std::vector<std::uint8_t>& bytes, bool guaranteed) {
        Send(std::span(&peer, 1), bytes, guaranteed);
    }
    // The same bytes to several connections, sharing one packet.
    void Send(std::span<ENetPeer* const> peers, const std::vector<std::uint8_t>& bytes, bool guaranteed);
    void SendDatagram(const ENetAddress& to, std::span<const std::uint8_t> bytes);
    // Sends what is waiting to be sent.
    void Flush();
    // Closes a connection once what was sent to it has left.
    void DisconnectAfterSending(ENetPeer* peer);

    // Reports what has arrived, waiting up to `wait_ms` for the first of it,
    // then sends what was sent before and during the reports, with the
    // acknowledgements of what arrived.
    void Service(EndpointEvents& events, std::uint32_t wait_ms);
    // Asks every connection to close, and serves until they are closed or
    // `limit_ms` has passed.
    void DisconnectAll(EndpointEvents& events, std::uint32_t limit_ms);
    // The port the socket is bound to.
    std::uint16_t Port() const;
    // How many datagrams ENet has sent over the socket.
    std::uint32_t DatagramsSent() const { return host_->totalSentPackets; }

private:
    // A packet for one connection, not yet handed to ENet.
    struct HeldSend {
        ENetPeer* peer;
        std::uint8_t channel;
        ENetPacket* packet;
    };

    explicit EnetEndpoint(ENetHost* host);
    void Dispatch(EndpointEvents& events, ENetEvent& event);
    bool AnyPeerOpen() const;
    // Hands the held packets to ENet, in the order they were sent: each
    // connection's guaranteed ones bundled, the others as they are.
    void ReleaseHeld();
    // Hands ENet one connection's guaranteed packets in bundles of a bounded size.
    void SendBundled(ENetPeer* peer, std::span<ENetPacket* const> packets);
    std::vector<ENetPacket*>& GuaranteedHeldFor(ENetPeer* peer);
    // ENet's hook for each datagram received: datagrams outside any connection
    // go to the events; after the last one waiting, ENet is stopped before it
    // sends its acknowledgements, so that the reports come first.
    static int InterceptDatagram(ENetHost* host, ENetEvent* event);

    ENetHost* host_;
    std::vector<HeldSend> held_;
    // The held packets, each once: shared by the connections it goes to.
    std::vector<ENetPacket*> held_packets_;
    // The guaranteed packets of each connection while they are released; kept
    // from pass to pass so that a pass allocates nothing for them.
    std::vector<std::pair<ENetPeer*, std::vector<ENetPacket*>>> guaranteed_held_;
    EndpointEvents* serving_ = nullptr;
};
