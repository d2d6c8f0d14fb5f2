// A joining program against a host that the test plays itself, on a thread of
// its own, answering each request with the messages the test chooses.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "net/enet_endpoint.h"
#include "net/net_protocol.h"
#include "net/zt_network.h"

namespace {

using Replies = std::function<std::vector<NetMessage>(const NetMessage&)>;

class ScriptedHost : public EndpointEvents {
public:
    explicit ScriptedHost(Replies replies)
        : endpoint_(EnetEndpoint::Listen(0, 4)), replies_(std::move(replies)), thread_([this] { Run(); }) {}
    ~ScriptedHost() override {
        stop_ = true;
        thread_.join();
    }
    std::string Address() const { return "127.0.0.1:" + std::to_string(endpoint_->Port()); }

private:
    void Run() {
        while (!stop_)
            endpoint_->Service(*this, 5);
    }
    void OnConnect(ENetPeer*) override {}
    void OnDisconnect(ENetPeer*) override {}
    // Every reply to one request goes out together, in one datagram.
    void OnPacket(ENetPeer* peer, std::span<const std::uint8_t> bytes, bool) override {
        if (const std::optional<NetMessage> request = DecodeMessage(bytes)) {
            for (const NetMessage& reply : replies_(*request))
                endpoint_->Send(peer, EncodeMessage(reply), true);
        }
    }
    bool OnDatagram(const ENetAddress& from, std::span<const std::uint8_t> bytes) override {
        const std::optional<NetMessage> query = DecodeMessage(bytes);
        if (!query || !std::holds_alternative<SessionQuery>(*query)) return false;
        endpoint_->SendDatagram(from, EncodeMessage(SessionAnswer{.session_name = "Race"}));
        return true;
    }

    std::unique_ptr<EnetEndpoint> endpoint_;
    Replies replies_;
    std::atomic<bool> stop_ = false;
    std::thread thread_;
};

int Join(ZtNetwork& network, const ScriptedHost& host) {
    return network.Init({.session_name = "Race", .host = 0, .address = host.Address()});
}

TEST(Joiner, ATextRightBehindItsPlayersCreationReachesThePlayer) {
    ScriptedHost host([](const NetMessage& request) -> std::vector<NetMessage> {
        if (std::holds_alternative<JoinRequest>(request)) return {JoinWelcome{{{1, true, "Alice"}}}};
        const auto* create = std::get_if<CreatePlayerRequest>(&request);
        if (create == nullptr) return {};
        return {PlayerAdded{{5, false, create->name}}, PlayerCreated{create->request, 5},
                TextMessage{1, 5, "right behind"}};
    });
    ZtNetwork network;
    ASSERT_EQ(Join(network, host), kNetOk);
    std::uint32_t id = 0;
    ASSERT_EQ(network.CreatePlayer("Bob", id), kNetOk);
    EXPECT_EQ(id, 5u);
    char text[64];
    ASSERT_TRUE(network.ReceiveMsg(5, text, sizeof text));
    EXPECT_STREQ(text, "right behind");
}

}  // namespace
