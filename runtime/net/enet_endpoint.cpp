#include "net/enet_endpoint.h"

#include <chrono>
#include <cstdlib>
#include <utility>

#include "net/packet_bundle.h"

namespace {

constexpr std::uint8_t kGuaranteedChannel = 0;
constexpr std::uint8_t kUnguaranteedChannel = 1;
constexpr std::size_t kChannels = 2;
// The largest packet a peer may send: a full player list fits well.
constexpr std::size_t kMaxPacketBytes = std::size_t{2} << 20;
// Guaranteed packets are bundled up to this size; a larger one goes alone.
constexpr std::size_t kMaxBundleBytes = 16 * 1024;
// Events handled per call, so that a flood cannot hold up a frame for long.
constexpr int kMaxEventsPerService = 4096;

void StartEnetOnce() {
    static const bool started = [] {
        if (enet_initialize() != 0) return false;
        std::atexit(enet_deinitialize);
        return true;
    }();
    (void)started;
}

// The endpoint being served on this thread: ENet's intercept hook has no
// context of its own, and it runs only inside a service call.
thread_local EnetEndpoint* serving_endpoint = nullptr;

// True unless the socket is known to have no datagram waiting.
bool DatagramMayBeWaiting(ENetSocket socket) {
    enet_uint32 condition = ENET_SOCKET_WAIT_RECEIVE;
    if (enet_socket_wait(socket, &condition, 0) != 0) return true;
    return (condition & (ENET_SOCKET_WAIT_RECEIVE | ENET_SOCKET_WAIT_INTERRUPT)) != 0;
}

// A service's event without a connection: ENet returns from its service with
// it once the last datagram waiting is handled, before it sends anything.
// Real events always name their connection.
void MarkLastDatagram(ENetEvent& event) {
    event.type = ENET_EVENT_TYPE_RECEIVE;
    event.peer = nullptr;
    event.packet = nullptr;
}

bool MarksLastDatagram(const ENetEvent& event) {
    return event.peer == nullptr;
}

ENetHost* CreateHost(const ENetAddress* address, std::size_t max_peers) {
    StartEnetOnce();
    ENetHost* host = enet_host_create(address, max_peers, kChannels, 0, 0);
    if (host == nullptr) return nullptr;
    host->maximumPacketSize = kMaxPacketBytes;
    enet_socket_set_option(host->socket, ENET_SOCKOPT_BROADCAST, 1);
    return host;
}

}  // namespace

std::unique_ptr<EnetEndpoint> EnetEndpoint::Listen(std::uint16_t port, std::size_t max_peers) {
    ENetAddress address{};
    address.host = ENET_HOST_ANY;
    address.port = port;
    ENetHost* host = CreateHost(&address, max_peers);
    return host != nullptr ? std::unique_ptr<EnetEndpoint>(new EnetEndpoint(host)) : nullptr;
}

std::unique_ptr<EnetEndpoint> EnetEndpoint::Client() {
    ENetHost* host = CreateHost(nullptr, 1);
    return host != nullptr ? std::unique_ptr<EnetEndpoint>(new EnetEndpoint(host)) : nullptr;
}

EnetEndpoint::EnetEndpoint(ENetHost* host) : host_(host) {
    host_->intercept = InterceptDatagram;
}

EnetEndpoint::~EnetEndpoint() {
    held_.clear();
    for (ENetPacket* packet : held_packets_)
        enet_packet_destroy(packet);
    enet_host_destroy(host_);
}

// ENet ends its reading with the datagram for which this hook leaves an event,
// and returns that event before it sends: what the datagrams bring is
// reported first, and its answers leave with ENet's acknowledgements.
int EnetEndpoint::InterceptDatagram(ENetHost* host, ENetEvent* event) {
    EnetEndpoint* const endpoint = serving_endpoint;
    if (endpoint == nullptr || endpoint->host_ != host || endpoint->serving_ == nullptr) return 0;
    if (event != nullptr && !DatagramMayBeWaiting(host->socket)) MarkLastDatagram(*event);
    if (host->receivedData == nullptr) return 0;
    return endpoint->serving_->OnDatagram(host->receivedAddress,
                                          {host->receivedData, host->receivedDataLength})
               ? 1
               : 0;
}

ENetPeer* EnetEndpoint::Connect(const ENetAddress& address) {
    return enet_host_connect(host_, &address, kChannels, 0);
}

void EnetEndpoint::Send(std::span<ENetPeer* const> peers, const std::vector<std::uint8_t>& bytes,
                        bool guaranteed) {
    if (peers.empty()) return;
    ENetPacket* packet =
        enet_packet_create(bytes.data(), bytes.size(), guaranteed ? ENET_PACKET_FLAG_RELIABLE : 0);
    if (packet == nullptr) return;
    held_packets_.push_back(packet);
    for (ENetPeer* peer : peers)
        held_.push_back({peer, guaranteed ? kGuaranteedChannel : kUnguaranteedChannel, packet});
}

void EnetEndpoint::ReleaseHeld() {
    for (const HeldSend& send : held_) {
        if (send.channel == kGuaranteedChannel) {
            GuaranteedHeldFor(send.peer).push_back(send.packet);
        } else {
            enet_peer_send(send.peer, send.channel, send.packet);
        }
    }
    held_.clear();
    for (auto& [peer, packets] : guaranteed_held_) {
        SendBundled(peer, packets);
        packets.clear();
    }
    // ENet counts the connections that hold a packet and frees it after the
    // last has sent it; a packet that none accepted is ours.
    for (ENetPacket* packet : held_packets_) {
        if (packet->referenceCount == 0) enet_packet_destroy(packet);
    }
    held_packets_.clear();
}

std::vector<ENetPacket*>& EnetEndpoint::GuaranteedHeldFor(ENetPeer* peer) {
    for (auto& [held_peer, packets] : guaranteed_held_) {
        if (held_peer == peer) return packets;
    }
    return guaranteed_held_.emplace_back(peer, std::vector<ENetPacket*>{}).second;
}

void EnetEndpoint::SendBundled(ENetPeer* peer, std::span<ENetPacket* const> packets) {
    while (!packets.empty()) {
        std::size_t count = 1;
        for (std::size_t bytes = packets[0]->dataLength;
             count < packets.size() && bytes + packets[count]->dataLength <= kMaxBundleBytes; ++count) {
            bytes += packets[count]->dataLength;
        }
        if (count == 1) {
            enet_peer_send(peer, kGuaranteedChannel, packets[0]);
        } else if (ENetPacket* bundle = BundlePackets(packets.first(count))) {
            if (enet_peer_send(peer, kGuaranteedChannel, bundle) != 0) enet_packet_destroy(bundle);
        }
        packets = packets.subspan(count);
    }
}

void EnetEndpoint::SendDatagram(const ENetAddress& to, std::span<const std::uint8_t> bytes) {
    ENetBuffer buffer;
    buffer.data = const_cast<std::uint8_t*>(bytes.data());
    buffer.dataLength = bytes.size();
    enet_socket_send(host_->socket, &to, &buffer, 1);
}

void EnetEndpoint::Flush() {
    ReleaseHeld();
    enet_host_flush(host_);
}

void EnetEndpoint::DisconnectAfterSending(ENetPeer* peer) {
    ReleaseHeld();
    enet_peer_disconnect_later(peer, 0);
}

// One pass over the socket, then the events it brought, then one send of all
// that waits: what was sent before, the answers to the events and the
// acknowledgements share a datagram per connection instead of leaving one by one.
void EnetEndpoint::Service(EndpointEvents& events, std::uint32_t wait_ms) {
    EndpointEvents* const outer_events = std::exchange(serving_, &events);
    EnetEndpoint* const outer_endpoint = std::exchange(serving_endpoint, this);
    ENetEvent event;
    int handled = 0;
    for (int result = enet_host_service(host_, &event, wait_ms); result > 0 && handled < kMaxEventsPerService;
         result = enet_host_check_events(host_, &event), ++handled) {
        if (!MarksLastDatagram(event)) Dispatch(events, event);
    }
    Flush();
    serving_endpoint = outer_endpoint;
    serving_ = outer_events;
}

void EnetEndpoint::Dispatch(EndpointEvents& events, ENetEvent& event) {
    switch (event.type) {
        case ENET_EVENT_TYPE_CONNECT:
            events.OnConnect(event.peer);
            break;
        case ENET_EVENT_TYPE_DISCONNECT:
            events.OnDisconnect(event.peer);
            break;
        case ENET_EVENT_TYPE_RECEIVE: {
            std::unique_ptr<ENetPacket, void (*)(ENetPacket*)> packet(event.packet, enet_packet_destroy);
            const std::span<const std::uint8_t> bytes(packet->data, packet->dataLength);
            const bool guaranteed = event.channelID == kGuaranteedChannel;
            if (guaranteed && IsBundle(bytes)) {
                ForEachBundled(bytes, [&](std::span<const std::uint8_t> one) {
                    events.OnPacket(event.peer, one, true);
                });
            } else {
                events.OnPacket(event.peer, bytes, guaranteed);
            }
            break;
        }
        case ENET_EVENT_TYPE_NONE:
            break;
    }
}

void EnetEndpoint::DisconnectAll(EndpointEvents& events, std::uint32_t limit_ms) {
    ReleaseHeld();
    for (std::size_t i = 0; i < host_->peerCount; ++i) {
        if (host_->peers[i].state != ENET_PEER_STATE_DISCONNECTED) enet_peer_disconnect(&host_->peers[i], 0);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limit_ms);
    while (AnyPeerOpen() && std::chrono::steady_clock::now() < deadline) {
        Service(events, 5);
    }
}

bool EnetEndpoint::AnyPeerOpen() const {
    for (std::size_t i = 0; i < host_->peerCount; ++i) {
        if (host_->peers[i].state != ENET_PEER_STATE_DISCONNECTED) return true;
    }
    return false;
}

std::uint16_t EnetEndpoint::Port() const {
    ENetAddress address{};
    enet_socket_get_address(host_->socket, &address);
    return address.port;
}
