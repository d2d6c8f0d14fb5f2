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

private:
    void OnConnect(ENetPeer* p) override {
        peer = p;
        connected = true;
    }
    void OnDisconnect(ENetPeer*) override { connected = false; }
    void OnPacket(ENetPeer*, std::span<const std::uint8_t>, bool) override { ++packets; }
    bool OnDatagram(const ENetAddress&, std::span<const std::uint8_t>) override { return false; }
};

// What a program sends before its service leaves in the datagram that
// acknowledges what the service received: one datagram a pass, not two.
TEST(EnetEndpoint, APassSendsItsPacketTogetherWithTheAcknowledgements) {
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
    const std::uint32_t sent_before = client->DatagramsSent();
    for (int pass = 0; pass < kPasses; ++pass) {
        host->Send(at_host.peer, text, true);
        host->Service(at_host, 0);
        client->Send(at_client.peer, text, true);
        client->Service(at_client, 0);
    }
    EXPECT_LE(client->DatagramsSent() - sent_before, kPasses + kPasses / 10);
    for (int pass = 0; pass < 100 && (at_host.packets < kPasses || at_client.packets < kPasses); ++pass) {
        host->Service(at_host, 1);
        client->Service(at_client, 1);
    }
    EXPECT_EQ(at_host.packets, kPasses);
    EXPECT_EQ(at_client.packets, kPasses);
}

}  // namespace
