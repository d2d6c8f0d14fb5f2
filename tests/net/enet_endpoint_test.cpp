// Two endpoints on loopback exchanging a guaranteed packet each pass, served
// in turn on one thread.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <vector>

#include "net/enet_endpoint.h"

namespace {

class Counting : public EndpointEvents {
public:
    ENetPeer* peer = nullptr;
    bool connected = false;
    int packets = 0;
    // When set, every packet is answered at once, as a host relays a text.
    EnetEndpoint* answer_through = nullptr;

private:
    void OnConnect(ENetPeer* p) override {
        peer = p;
        connected = true;
    }
    void OnDisconnect(ENetPeer*) override { connected = false; }
    void OnPacket(ENetPeer* from, std::span<const std::uint8_t> bytes, bool guaranteed) override {
        ++packets;
        if (answer_through != nullptr) answer_through->Send(from, {bytes.begin(), bytes.end()}, guaranteed);
    }
    bool OnDatagram(const ENetAddress&, std::span<const std::uint8_t>) override { return false; }
};

// What a program sends before its service, and what it answers during it,
// leaves in the datagram that acknowledges what the service received: one
// datagram a pass, not two.
TEST(EnetEndpoint, APassSendsItsPacketsTogetherWithTheAcknowledgements) {
    const auto host = EnetEndpoint::Listen(0, 4);
    const auto client = EnetEndpoint::Client();
    ASSERT_TRUE(host && client);
    ENetAddress address{};
    enet_address_set_host(&address, "127.0.0.1");
    address.port = host->Port();
    Counting at_host, at_client;
    client->Connect(address);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!(at_host.connected && at_client.connected) && std::chrono::steady_clock::now() < deadline) {
        host->Service(at_host, 1);
        client->Service(at_client, 1);
    }
    ASSERT_TRUE(at_host.connected && at_client.connected);

    constexpr int kPasses = 200;
    const std::vector<std::uint8_t> text(40, 'x');
    at_host.answer_through = host.get();
    const std::uint32_t client_before = client->DatagramsSent();
    const std::uint32_t host_before = host->DatagramsSent();
    for (int pass = 0; pass < kPasses; ++pass) {
        client->Send(at_client.peer, text, true);
        client->Service(at_client, 0);
        host->Service(at_host, 0);
    }
    EXPECT_LE(client->DatagramsSent() - client_before, kPasses + kPasses / 10);
    EXPECT_LE(host->DatagramsSent() - host_before, kPasses + kPasses / 10);
    for (int pass = 0; pass < 100 && (at_host.packets < kPasses || at_client.packets < kPasses); ++pass) {
        host->Service(at_host, 1);
        client->Service(at_client, 1);
    }
    EXPECT_EQ(at_host.packets, kPasses);
    EXPECT_EQ(at_client.packets, kPasses);
}

}  // namespace
