#include "net/enet_endpoint.h"

#include <chrono>
#include <cstdlib>

namespace {

constexpr std::uint8_t kGuaranteedChannel = 0;
constexpr std::uint8_t kUnguaranteedChannel = 1;
constexpr std::size_t kChannels = 2;
// The largest packet a peer may send: a full player list fits well.
constexpr std::size_t kMaxPacketBytes = std::size_t{2} << 20;
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

// The events of the endpoint being served on this thread: ENet's intercept
// hook has no context of its own, and it runs only inside a service call.
thread_local EndpointEvents* serving = nullptr;

int InterceptDatagram(ENetHost* host, ENetEvent*) {
    if (serving == nullptr || host->receivedData == nullptr) return 0;
    return serving->OnDatagram(host->receivedAddress, {host->receivedData, host->receivedDataLength}) ? 1 : 0;
}

class Serving {
public:
    explicit Serving(EndpointEvents& events) : previous_(serving) { serving = &events; }
    ~Serving() { serving = previous_; }
    Serving(const Serving&) = delete;
    Serving& operator=(const Serving&) = delete;

private:
    EndpointEvents* previous_;
};

ENetHost* CreateHost(const ENetAddress* address, std::size_t max_peers) {
    StartEnetOnce();
    ENetHost* host = enet_host_create(address, max_peers, kChannels, 0, 0);
    if (host == nullptr) return nullptr;
    host->intercept = InterceptDatagram;
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

EnetEndpoint::EnetEndpoint(ENetHost* host) : host_(host) {}

EnetEndpoint::~EnetEndpoint() {
    enet_host_destroy(host_);
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
    for (ENetPeer* peer : peers)
        enet_peer_send(peer, guaranteed ? kGuaranteedChannel : kUnguaranteedChannel, packet);
    // ENet counts the connections that hold the packet and frees it after the
    // last has sent it; a packet that none accepted is ours.
    if (packet->referenceCount == 0) enet_packet_destroy(packet);
}

void EnetEndpoint::SendDatagram(const ENetAddress& to, std::span<const std::uint8_t> bytes) {
    ENetBuffer buffer;
    buffer.data = const_cast<std::uint8_t*>(bytes.data());
    buffer.dataLength = bytes.size();
    enet_socket_send(host_->socket, &to, &buffer, 1);
}

void EnetEndpoint::Flush() {
    enet_host_flush(host_);
}

// One pass over the socket, then the events it brought, then one send of all
// they caused: the answers to a batch share a datagram per connection instead
// of leaving one by one.
void EnetEndpoint::Service(EndpointEvents& events, std::uint32_t wait_ms) {
    Serving guard(events);
    ENetEvent event;
    int handled = 0;
    for (int result = enet_host_service(host_, &event, wait_ms); result > 0 && handled < kMaxEventsPerService;
         result = enet_host_check_events(host_, &event), ++handled) {
        Dispatch(events, event);
    }
    enet_host_flush(host_);
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
            events.OnPacket(event.peer, {packet->data, packet->dataLength},
                            event.channelID == kGuaranteedChannel);
            break;
        }
        case ENET_EVENT_TYPE_NONE:
            break;
    }
}

void EnetEndpoint::DisconnectAll(EndpointEvents& events, std::uint32_t limit_ms) {
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
