// A program that speaks the session protocol badly, or lies in it, against a
// real host: it is refused or ignored, and the session goes on for the others.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "net/enet_endpoint.h"
#include "net/net_protocol.h"
#include "net/peer_process.h"

namespace {

// An ENet connection to the host driven by the test itself.
class RawClient : public EndpointEvents {
public:
    explicit RawClient(int port) : endpoint_(EnetEndpoint::Client()) {
        ENetAddress address{};
        enet_address_set_host(&address, "127.0.0.1");
        address.port = static_cast<std::uint16_t>(port);
        peer_ = endpoint_->Connect(address);
        EXPECT_TRUE(ServeUntil([this] { return connected_; })) << "the host accepts the connection";
    }

    void SendBytes(const std::vector<std::uint8_t>& bytes) {
        endpoint_->Send(peer_, bytes, true);
        endpoint_->Flush();
    }
    void Send(const NetMessage& message) { SendBytes(EncodeMessage(message)); }

    // The next message from the host, served for up to ten seconds.
    std::optional<NetMessage> Next() {
        ServeUntil([this] { return !received_.empty(); });
        if (received_.empty()) return std::nullopt;
        NetMessage message = received_.front();
        received_.erase(received_.begin());
        return message;
    }
    bool ServeUntil(const std::function<bool()>& done) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!done() && std::chrono::steady_clock::now() < deadline)
            endpoint_->Service(*this, 5);
        return done();
    }
    bool Disconnected() {
        return ServeUntil([this] { return disconnected_; });
    }

private:
    void OnConnect(ENetPeer*) override { connected_ = true; }
    void OnDisconnect(ENetPeer*) override { disconnected_ = true; }
    void OnPacket(ENetPeer*, std::span<const std::uint8_t> bytes, bool) override {
        if (auto message = DecodeMessage(bytes)) received_.push_back(*message);
    }
    bool OnDatagram(const ENetAddress&, std::span<const std::uint8_t>) override { return false; }

    std::unique_ptr<EnetEndpoint> endpoint_;
    ENetPeer* peer_ = nullptr;
    bool connected_ = false;
    bool disconnected_ = false;
    std::vector<NetMessage> received_;
};

class HostilePackets : public testing::Test {
protected:
    void SetUp() override {
        host_ = peers_.StartHost([](PeerProcess& p) { return p.Ask("host 0 Race") == "host 1"; });
        ASSERT_TRUE(host_);
        ASSERT_EQ(host_->Ask("create Alice"), "id 1");
        bob_ = peers_.Start();
        ASSERT_EQ(bob_->Ask("join 0 Race"), "join 1");
        ASSERT_EQ(bob_->Ask("create Bob"), "id 2");
    }

    // The next message waiting for Alice at the host: "took 1 <text>", or "took 0" when none came.
    std::string NextForAlice() {
        return host_->AskUntil(
            "take 1", [](const std::string& a) { return a != "took 0"; }, 5000);
    }

    LoopbackSession peers_;
    std::unique_ptr<PeerProcess> host_, bob_;
};

TEST_F(HostilePackets, RefusedJoinsAndBadOrLyingPacketsLeaveTheSessionAsItWas) {
    struct Case {
        JoinRequest request;
        RefusalReason reason;
    };
    AppIdentity other_application = kAppIdentity;
    other_application[0] ^= 1;
    const Case cases[] = {
        {{.version = kProtocolVersion + 1, .session_name = "Race"}, RefusalReason::kVersion},
        {{.identity = other_application, .session_name = "Race"}, RefusalReason::kIdentity},
        {{.session_name = "race"}, RefusalReason::kSessionName},
    };
    for (const Case& c : cases) {
        RawClient client(peers_.Port());
        client.Send(c.request);
        const std::optional<NetMessage> answer = client.Next();
        ASSERT_TRUE(answer && std::holds_alternative<JoinRefusal>(*answer));
        EXPECT_EQ(std::get<JoinRefusal>(*answer).reason, c.reason);
        EXPECT_TRUE(client.Disconnected());
    }
    EXPECT_EQ(host_->Ask("players"), "players 2 1=Alice,2=Bob");

    // Before joining, nothing but a join counts.
    RawClient client(peers_.Port());
    client.SendBytes({'M', 'V'});
    client.Send(TextMessage{2, 1, "not joined"});
    client.Send(CreatePlayerRequest{1, "Sneak"});
    client.Send(JoinRequest{.session_name = "Race"});
    std::optional<NetMessage> welcome = client.Next();
    ASSERT_TRUE(welcome && std::holds_alternative<JoinWelcome>(*welcome));
    EXPECT_EQ(std::get<JoinWelcome>(*welcome).players,
              (std::vector<PlayerEntry>{{1, true, "Alice"}, {2, false, "Bob"}}));

    // A short text, a lying count, and senders that are not its own.
    const std::vector<std::uint8_t> text = EncodeMessage(TextMessage{2, 1, "forged"});
    client.SendBytes(std::vector<std::uint8_t>(text.begin(), text.end() - 1));
    client.SendBytes({'M', 'V', 4, 0xFF, 0xFF, 0xFF, 0x7F, 1, 0, 0, 0, 0, 0});
    client.Send(TextMessage{2, 1, "from Bob, says Mallory"});  // Bob is not its player
    client.Send(DestroyPlayerRequest{1});                      // nor is Alice

    client.Send(CreatePlayerRequest{7, "Mallory"});
    EXPECT_EQ(client.Next(), NetMessage(PlayerAdded{{3, false, "Mallory"}}));
    EXPECT_EQ(client.Next(), NetMessage(PlayerCreated{7, 3}));
    client.Send(TextMessage{3, 1, std::string(1024, 'x')});  // too long for a message buffer: read as ""
    client.Send(TextMessage{3, 1, "from Mallory"});

    EXPECT_EQ(NextForAlice(), "took 1 ");
    EXPECT_EQ(NextForAlice(), "took 1 from Mallory");
    EXPECT_EQ(host_->Ask("take 1"), "took 0");
    const std::string everyone = "players 3 1=Alice,2=Bob,3=Mallory";
    EXPECT_EQ(host_->Ask("players"), everyone);
    EXPECT_EQ(bob_->AskUntil("players", [&](const std::string& a) { return a == everyone; }), everyone);
    EXPECT_EQ(bob_->Ask("send 2 1 still here"), "sent 1");
    EXPECT_EQ(NextForAlice(), "took 1 still here");
}

}  // namespace
