// Endpoints driven by the test itself, and whole sessions of peer programs, on loopback.
#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <stop_token>
#include <thread>
#include <vector>

#include "net/enet_endpoint.h"
#include "net/net_protocol.h"
#include "net/peer_process.h"
#include "net/zt_network.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Keeps what arrives; with `answer` set, answers each packet and session queries for "Race".
struct TestEndpoint : EndpointEvents {
    explicit TestEndpoint(std::unique_ptr<EnetEndpoint> made, int port = 0) : endpoint(std::move(made)) {
        ENetAddress address{.host = htonl(0x7F000001), .port = static_cast<std::uint16_t>(port)};
        if (port != 0) endpoint->Connect(address);
    }
    // Serves this endpoint (and `other`, in turn) until done or ten seconds passed.
    bool ServeUntil(const std::function<bool()>& done, TestEndpoint* other = nullptr) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        for (; !done() && std::chrono::steady_clock::now() < deadline; endpoint->Service(*this, 1))
            if (other != nullptr) other->endpoint->Service(*other, 1);
        return done();
    }
    void Send(const Bytes& bytes) { endpoint->Send(peer, bytes, true), endpoint->Flush(); }
    void Send(const NetMessage& message) { Send(EncodeMessage(message)); }
    std::optional<NetMessage> Next() {
        if (!ServeUntil([this] { return !packets.empty(); })) return std::nullopt;
        const Bytes bytes = packets.front();
        packets.pop_front();
        return DecodeMessage(bytes);
    }
    void OnConnect(ENetPeer* p) override { peer = p, connected = true; }
    void OnDisconnect(ENetPeer*) override { disconnected = true; }
    void OnPacket(ENetPeer* from, std::span<const std::uint8_t> bytes, bool guaranteed) override {
        all_guaranteed = all_guaranteed && guaranteed;
        packets.emplace_back(bytes.begin(), bytes.end());
        for (const Bytes& reply : answer ? answer(packets.back()) : std::vector<Bytes>{})
            endpoint->Send(from, reply, guaranteed);
    }
    bool OnDatagram(const ENetAddress& from, std::span<const std::uint8_t> bytes) override {
        const std::optional<NetMessage> query = DecodeMessage(bytes);
        if (!answer || !query || !std::holds_alternative<SessionQuery>(*query)) return false;
        endpoint->SendDatagram(from, EncodeMessage(SessionAnswer{.session_name = "Race"}));
        return true;
    }
    std::unique_ptr<EnetEndpoint> endpoint;
    ENetPeer* peer = nullptr;
    bool connected = false, disconnected = false, all_guaranteed = true;
    std::deque<Bytes> packets;
    std::function<std::vector<Bytes>(const Bytes&)> answer;
};

// One datagram a pass (sends ride with the acknowledgement), however many packets; 2 MiB arrive whole.
TEST(Endpoints, APassSendsItsPacketsInOneDatagramAndAPassOver2MiBArrivesWhole) {
    constexpr std::size_t kPasses = 100, kPacketsAPass = 3, kSmall = kPasses * kPacketsAPass, kLarge = 2100;
    TestEndpoint host(EnetEndpoint::Listen(0, 4));
    TestEndpoint client(EnetEndpoint::Client(), host.endpoint->Port());
    ASSERT_TRUE(client.ServeUntil([&] { return host.connected && client.connected; }, &host));
    host.answer = [](const Bytes& bytes) { return std::vector<Bytes>{bytes}; };
    const std::uint32_t client_before = client.endpoint->DatagramsSent();
    const std::uint32_t host_before = host.endpoint->DatagramsSent();
    const auto send_numbered = [&](std::size_t number, std::size_t size) {
        Bytes bytes(size, 'x');
        bytes[0] = static_cast<std::uint8_t>(number);
        client.endpoint->Send(client.peer, bytes, true);
    };
    for (std::size_t pass = 0; pass < kPasses; ++pass) {
        for (std::size_t k = 0; k < kPacketsAPass; ++k)
            send_numbered(pass * kPacketsAPass + k, 40);
        client.endpoint->Service(client, 0);
        host.endpoint->Service(host, 0);
    }
    EXPECT_LE(client.endpoint->DatagramsSent() - client_before, kPasses + kPasses / 10);
    EXPECT_LE(host.endpoint->DatagramsSent() - host_before, kPasses + kPasses / 10);
    EXPECT_TRUE(client.ServeUntil([&] { return client.packets.size() == kSmall; }, &host));
    host.answer = nullptr;
    for (std::size_t k = kSmall; k < kSmall + kLarge; ++k)
        send_numbered(k, 1024);
    client.endpoint->Service(client, 0);
    EXPECT_TRUE(client.ServeUntil([&] { return host.packets.size() == kSmall + kLarge; }, &host));
    for (const std::deque<Bytes>* packets : {&host.packets, &client.packets})
        for (std::size_t k = 0; k < packets->size(); ++k)
            ASSERT_EQ((*packets)[k].at(0), static_cast<std::uint8_t>(k)) << "packet " << k;
    EXPECT_TRUE(host.all_guaranteed && client.all_guaranteed);
}

// A text sent right behind the creation of the joiner's player, in the same datagram, reaches the player.
TEST(Endpoints, ATextRightBehindItsPlayersCreationReachesThePlayer) {
    TestEndpoint host(EnetEndpoint::Listen(0, 4));
    host.answer = [](const Bytes& bytes) -> std::vector<Bytes> {
        const std::optional<NetMessage> request = DecodeMessage(bytes);
        if (request && std::holds_alternative<JoinRequest>(*request))
            return {EncodeMessage(JoinWelcome{{{1, true, "Alice"}}})};
        const auto* create = request ? std::get_if<CreatePlayerRequest>(&*request) : nullptr;
        if (create == nullptr) return {};
        return {EncodeMessage(PlayerAdded{{5, false, create->name}}),
                EncodeMessage(PlayerCreated{create->request, 5}),
                EncodeMessage(TextMessage{1, 5, "right behind"})};
    };
    std::jthread serving([&](const std::stop_token& stop) {
        while (!stop.stop_requested())
            host.endpoint->Service(host, 5);
    });
    ZtNetwork network;
    std::uint32_t id = 0;
    char text[64] = "";
    EXPECT_EQ(network.Init({.session_name = "Race",
                            .host = 0,
                            .address = "127.0.0.1:" + std::to_string(host.endpoint->Port())}),
              kNetOk);
    EXPECT_EQ(network.CreatePlayer("Bob", id), kNetOk);
    EXPECT_EQ(id, 5u);
    EXPECT_TRUE(network.ReceiveMsg(5, text, sizeof text));
    EXPECT_STREQ(text, "right behind");
}

// A host of "Race" with a player "Alice" (id 1); joiners ask around or at the address given.
class Session : public testing::Test {
protected:
    void SetUp() override {
        host_ = StartHost(port_, [](PeerProcess& p) { return p.Ask("host 0 Race") == "host 1"; });
        ASSERT_TRUE(host_) << "no port could be hosted on";
        ASSERT_EQ(host_->Ask("create Alice"), "id 1");
    }
    std::unique_ptr<PeerProcess> Joiner(const std::string& player, const std::string& id,
                                        const std::string& address = "") {
        auto joiner = std::make_unique<PeerProcess>(port_);
        EXPECT_EQ(joiner->Ask("join 0 Race " + address), "join 1");
        EXPECT_EQ(joiner->Ask("create " + player), "id " + id);
        return joiner;
    }
    int port_ = 0;
    std::unique_ptr<PeerProcess> host_;
};

std::string Until(PeerProcess& peer, const std::string& line, const std::string& answer,
                  int limit_ms = 30000) {
    return peer.AskUntil(
        line, [&](const std::string& a) { return a == answer; }, limit_ms);
}

std::string NextMessage(PeerProcess& peer, const std::string& player) {
    return peer.AskUntil("recv " + player, [](const std::string& a) { return a != "msg:"; });
}

TEST_F(Session, AHostAndJoinersShareOnePlayerListAndMessagesUntilTheyLeaveOrTheHostEnds) {
    auto stranger = std::make_unique<PeerProcess>(port_);
    EXPECT_EQ(stranger->Ask("join 0 race"), "join 0");  // names match case and all
    EXPECT_EQ(stranger->Ask("join 0 Rally 127.0.0.1:" + std::to_string(port_)), "join 0");
    EXPECT_EQ(stranger->Ask("players"), "players 0");
    EXPECT_EQ(stranger->Ask("join 7 Race"), "join 1");  // an unknown type is the internet protocol's
    auto bob = Joiner("Bob", "2");
    auto carol = Joiner("Carol", "3", "127.0.0.1:" + std::to_string(port_));
    const std::string everyone = "players 3 1=Alice,2=Bob,3=Carol";
    for (PeerProcess* peer : {host_.get(), bob.get(), carol.get()}) {
        EXPECT_EQ(Until(*peer, "players", everyone), everyone);
        EXPECT_EQ(peer->Ask("hostid"), "hostid 1");
    }
    // To one player, to all but the sender, and between two joiners through the host.
    EXPECT_EQ(bob->Ask("send 2 1 hi Alice"), "sent 1");
    EXPECT_EQ(NextMessage(*host_, "1"), "msg:hi Alice");
    EXPECT_EQ(carol->Ask("send 3 0 hello all"), "sent 1");
    EXPECT_EQ(NextMessage(*host_, "1"), "msg:hello all");
    EXPECT_EQ(NextMessage(*bob, "2"), "msg:hello all");
    EXPECT_EQ(carol->Ask("send 3 2 for Bob only"), "sent 1");
    EXPECT_EQ(NextMessage(*bob, "2"), "msg:for Bob only");
    EXPECT_EQ(carol->Ask("recv 3"), "msg:");  // nothing came back to the sender
    EXPECT_EQ(host_->Ask("recv 2"), "msg:");  // another program's player has no queue here
    // Guaranteed messages arrive, all and in order, at joiners that only draw frames.
    EXPECT_EQ(host_->Ask("flood 1 0 400"), "sent 400");
    EXPECT_EQ(carol->Ask("flood 3 2 300"), "sent 300");
    EXPECT_EQ(carol->Ask("drawuntil 3 400"), "drawn 400 misordered 0");
    EXPECT_EQ(bob->Ask("drawuntil 2 700"), "drawn 700 misordered 0");
    EXPECT_EQ(bob->Ask("destroy 2"), "destroyed 0");
    const std::string remaining = "players 2 1=Alice,3=Carol";
    for (PeerProcess* peer : {host_.get(), bob.get(), carol.get()})
        EXPECT_EQ(Until(*peer, "players", remaining), remaining);
    // A joiner killed leaves within ENet's time-out; the host ending ends the session for the rest.
    carol->Kill();
    EXPECT_EQ(Until(*host_, "players", "players 1 1=Alice", 90000), "players 1 1=Alice");
    EXPECT_EQ(bob->Ask("create Dave"), "id 4");
    EXPECT_EQ(host_->Ask("send 1 4 unread"), "sent 1");
    host_->Tell("end");
    EXPECT_TRUE(host_->WaitForExit(30000));
    EXPECT_EQ(Until(*bob, "state", "state 0"), "state 0");
    EXPECT_EQ(bob->Ask("players"), "players 0");
    EXPECT_EQ(bob->Ask("send 4 0 anyone?"), "sent 0");
    EXPECT_EQ(bob->Ask("recv 4"), "msg:");
    EXPECT_EQ(bob->Ask("create Eve"), "id 0");
}

// Refused joins, early, short or lying packets and forged senders leave the session going on.
TEST_F(Session, RefusedJoinsAndBadOrLyingPacketsLeaveTheSessionAsItWas) {
    auto bob = Joiner("Bob", "2");
    const auto next_for_alice = [&] {
        return host_->AskUntil(
            "take 1", [](const std::string& a) { return a != "took 0"; }, 5000);
    };
    const auto connected = [this] {
        auto client = std::make_unique<TestEndpoint>(EnetEndpoint::Client(), port_);
        EXPECT_TRUE(client->ServeUntil([&] { return client->connected; })) << "the host accepts";
        return client;
    };
    AppIdentity other_application = kAppIdentity;
    other_application[0] ^= 1;
    for (const auto& [request, reason] : std::vector<std::pair<JoinRequest, RefusalReason>>{
             {{.version = kProtocolVersion + 1, .session_name = "Race"}, RefusalReason::kVersion},
             {{.identity = other_application, .session_name = "Race"}, RefusalReason::kIdentity},
             {{.session_name = "race"}, RefusalReason::kSessionName}}) {
        auto client = connected();
        client->Send(request);
        EXPECT_EQ(client->Next(), NetMessage(JoinRefusal{reason}));
        EXPECT_TRUE(client->ServeUntil([&] { return client->disconnected; }));
    }
    EXPECT_EQ(host_->Ask("players"), "players 2 1=Alice,2=Bob");
    auto client = connected();
    client->Send(Bytes{'M', 'V'});
    client->Send(TextMessage{2, 1, "not joined"});
    client->Send(CreatePlayerRequest{1, "Sneak"});
    client->Send(JoinRequest{.session_name = "Race"});
    EXPECT_EQ(client->Next(), NetMessage(JoinWelcome{{{1, true, "Alice"}, {2, false, "Bob"}}}));
    const Bytes text = EncodeMessage(TextMessage{2, 1, "forged"});
    client->Send(Bytes(text.begin(), text.end() - 1));
    client->Send(Bytes{'M', 'V', 4, 0xFF, 0xFF, 0xFF, 0x7F, 1, 0, 0, 0, 0, 0});
    client->Send(TextMessage{2, 1, "from Bob, says Mallory"});  // Bob is not its player
    client->Send(DestroyPlayerRequest{1});                      // nor is Alice
    client->Send(CreatePlayerRequest{7, "Mallory"});
    EXPECT_EQ(client->Next(), NetMessage(PlayerAdded{{3, false, "Mallory"}}));
    EXPECT_EQ(client->Next(), NetMessage(PlayerCreated{7, 3}));
    client->Send(TextMessage{3, 1, std::string(1024, 'x')});  // too long for a message buffer: read as ""
    client->Send(TextMessage{3, 1, "from Mallory"});
    EXPECT_EQ(next_for_alice(), "took 1 ");
    EXPECT_EQ(next_for_alice(), "took 1 from Mallory");
    EXPECT_EQ(host_->Ask("take 1"), "took 0");
    const std::string everyone = "players 3 1=Alice,2=Bob,3=Mallory";
    EXPECT_EQ(host_->Ask("players"), everyone);
    EXPECT_EQ(Until(*bob, "players", everyone), everyone);
    EXPECT_EQ(bob->Ask("send 2 1 still here"), "sent 1");
    EXPECT_EQ(next_for_alice(), "took 1 still here");
}

}  // namespace
