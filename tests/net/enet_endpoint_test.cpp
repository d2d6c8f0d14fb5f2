// Two endpoints on loopback, served in turn on one thread.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <vector>

#include "net/enet_endpoint.h"

namespace {

// Counts the packets that arrive and checks that they arrive guaranteed and
// in the order they were sent: the first byte of each is its number.
class Counting : public EndpointEvents {
public:
    ENetPeer* peer = nullptr;
    bool connected = false;
    int packets = 0;
    bool in_order = true;
    bool all_guaranteed = true;
    // When set, every packet is answered at once, as a host relays a text.
    EnetEndpoint* answer_through = nullptr;

private:
    void OnConnect(ENetPeer* p) override {
        peer = p;
        connected = true;
    }
    void OnDisconnect(ENetPeer*) override { connected = false; }
    void OnPacket(ENetPeer* from, std::span<const std::uint8_t> bytes, bool guaranteed) override {
        in_order = in_order && !bytes.empty() && bytes[0] == static_cast<std::uint8_t>(packets);
        all_guaranteed = all_guaranteed && guaranteed;
        ++packets;
        if (answer_through != nullptr) answer_through->Send(from, {bytes.begin(), bytes.end()}, guaranteed);
    }
    bool OnDatagram(const ENetAddress&, std::span<const std::uint8_t>) override { return false; }
};

std::vector<std::uint8_t> Numbered(int number, std::size_t size) {
    std::vector<std::uint8_t> bytes(size, 'x');
    bytes[0] = static_cast<std::uint8_t>(number);
    return bytes;
}

class ConnectedEndpoints : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host && client);
        ENetAddress address{};
        enet_address_set_host(&address, "127.0.0.1");
        address.port = host->Port();
        client->Connect(address);
        ServeBoth([this] { return at_host.connected && at_client.connected; });
        ASSERT_TRUE(at_host.connected && at_client.connected);
    }

    template <class Done>
    void ServeBoth(Done done) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!done() && std::chrono::steady_clock::now() < deadline) {
            host->Service(at_host, 1);
            client->Service(at_client, 1);
        }
    }

    const std::unique_ptr<EnetEndpoint> host = EnetEndpoint::Listen(0, 4);
    const std::unique_ptr<EnetEndpoint> client = EnetEndpoint::Client();
    Counting at_host, at_client;
};

// What a program sends before its service, and what it answers during it,
// leaves in the datagram that acknowledges what the service received: one
// datagram a pass, however many packets the pass carries. A pass over the
// largest packet a peer accepts (2 MiB) travels in several bundles.
TEST_F(ConnectedEndpoints, APassSendsItsPacketsInOneDatagramAndAPassOver2MiBArrivesWhole) {
    constexpr int kPasses = 100, kPacketsAPass = 3, kLargePass = 2100;
    at_host.answer_through = host.get();
    const std::uint32_t client_before = client->DatagramsSent(), host_before = host->DatagramsSent();
    for (int pass = 0; pass < kPasses; ++pass) {
        for (int k = 0; k < kPacketsAPass; ++k)
            client->Send(at_client.peer, Numbered(pass * kPacketsAPass + k, 40), true);
        client->Service(at_client, 0);
        host->Service(at_host, 0);
    }
    EXPECT_LE(client->DatagramsSent() - client_before, kPasses + kPasses / 10);
    EXPECT_LE(host->DatagramsSent() - host_before, kPasses + kPasses / 10);
    ServeBoth([this] { return at_client.packets == kPasses * kPacketsAPass; });
    EXPECT_EQ(at_client.packets, kPasses * kPacketsAPass);

    at_host.answer_through = nullptr;
    for (int k = kPasses * kPacketsAPass; k < kPasses * kPacketsAPass + kLargePass; ++k)
        client->Send(at_client.peer, Numbered(k, 1024), true);
    client->Service(at_client, 0);
    ServeBoth([this] { return at_host.packets == kPasses * kPacketsAPass + kLargePass; });
    EXPECT_EQ(at_host.packets, kPasses * kPacketsAPass + kLargePass);
    EXPECT_TRUE(at_host.in_order && at_client.in_order);
    EXPECT_TRUE(at_host.all_guaranteed && at_client.all_guaranteed);
}

}  // namespace
