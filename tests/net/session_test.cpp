// Whole sessions between programs on the runtime, each in its own process and
// all on this machine's loopback address.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "net/peer_process.h"

namespace {

class Session : public testing::Test {
protected:
    // A program hosting the session "Race" with a player "Alice" (id 1).
    std::unique_ptr<PeerProcess> Host() {
        auto host = peers_.StartHost([](PeerProcess& p) { return p.Ask("host 0 Race") == "host 1"; });
        if (!host) {
            ADD_FAILURE() << "no port could be hosted on";
            return peers_.Start();
        }
        EXPECT_EQ(host->Ask("create Alice"), "id 1");
        return host;
    }

    // A program that joined the session and made a player of the given name.
    std::unique_ptr<PeerProcess> Joiner(const std::string& player, const std::string& id,
                                        const std::string& address = "") {
        std::unique_ptr<PeerProcess> joiner = peers_.Start();
        EXPECT_EQ(joiner->Ask("join 0 Race " + address), "join 1");
        EXPECT_EQ(joiner->Ask("create " + player), "id " + id);
        return joiner;
    }

    LoopbackSession peers_;
};

std::string Until(PeerProcess& peer, const std::string& line, const std::string& answer,
                  int limit_ms = 30000) {
    return peer.AskUntil(
        line, [&](const std::string& a) { return a == answer; }, limit_ms);
}

std::string NextMessage(PeerProcess& peer, const std::string& player) {
    return peer.AskUntil("recv " + player, [](const std::string& a) { return a != "msg:"; });
}

TEST_F(Session, AHostAndTwoJoinersShareOnePlayerListAndTheirMessages) {
    auto host = Host();
    auto stranger = peers_.Start();
    EXPECT_EQ(stranger->Ask("join 0 race"), "join 0");  // names match case and all
    EXPECT_EQ(stranger->Ask("join 0 Rally 127.0.0.1:" + std::to_string(peers_.Port())), "join 0");
    EXPECT_EQ(stranger->Ask("players"), "players 0");
    EXPECT_EQ(stranger->Ask("join 7 Race"), "join 1");  // an unknown type is the internet protocol's
    auto bob = Joiner("Bob", "2");                      // found by asking around
    auto carol = Joiner("Carol", "3", "127.0.0.1:" + std::to_string(peers_.Port()));  // asked by address
    const std::string everyone = "players 3 1=Alice,2=Bob,3=Carol";
    for (PeerProcess* peer : {host.get(), bob.get(), carol.get()}) {
        EXPECT_EQ(Until(*peer, "players", everyone), everyone);
        EXPECT_EQ(peer->Ask("playerid 3"), "playerid 0");
        EXPECT_EQ(peer->Ask("hostid"), "hostid 1");
        EXPECT_EQ(peer->Ask("name 7"), "name NO_DATA");
    }

    // To one player, to all but the sender, and between two joiners through the host.
    EXPECT_EQ(bob->Ask("send 2 1 hi Alice"), "sent 1");
    EXPECT_EQ(NextMessage(*host, "1"), "msg:hi Alice");
    EXPECT_EQ(carol->Ask("send 3 0 hello all"), "sent 1");
    EXPECT_EQ(NextMessage(*host, "1"), "msg:hello all");
    EXPECT_EQ(NextMessage(*bob, "2"), "msg:hello all");
    EXPECT_EQ(carol->Ask("send 3 2 for Bob only"), "sent 1");
    EXPECT_EQ(NextMessage(*bob, "2"), "msg:for Bob only");
    EXPECT_EQ(carol->Ask("recv 3"), "msg:");  // nothing came back to the sender
    EXPECT_EQ(host->Ask("recv 2"), "msg:");   // another program's player has no queue here

    // Guaranteed messages arrive, all and in order, at joiners that only draw frames.
    EXPECT_EQ(host->Ask("flood 1 0 400"), "sent 400");
    EXPECT_EQ(carol->Ask("flood 3 2 300"), "sent 300");
    EXPECT_EQ(carol->Ask("drawuntil 3 400"), "drawn 400 misordered 0");
    EXPECT_EQ(bob->Ask("drawuntil 2 700"), "drawn 700 misordered 0");

    EXPECT_EQ(bob->Ask("destroy 2"), "destroyed 0");
    const std::string remaining = "players 2 1=Alice,3=Carol";
    for (PeerProcess* peer : {host.get(), bob.get(), carol.get()})
        EXPECT_EQ(Until(*peer, "players", remaining), remaining);
}

// A joiner killed leaves the host's list within ENet's time-out; the host
// ending ends the session for the joiners left.
TEST_F(Session, AKilledJoinerLeavesTheListAndTheHostEndingEndsTheSession) {
    auto host = Host();
    auto bob = Joiner("Bob", "2");
    auto carol = Joiner("Carol", "3");
    EXPECT_EQ(Until(*host, "players", "players 3 1=Alice,2=Bob,3=Carol"), "players 3 1=Alice,2=Bob,3=Carol");
    bob->Kill();
    EXPECT_EQ(Until(*host, "players", "players 2 1=Alice,3=Carol", 90000), "players 2 1=Alice,3=Carol");
    EXPECT_EQ(host->Ask("send 1 3 unread"), "sent 1");
    host->Tell("end");
    EXPECT_TRUE(host->WaitForExit(30000));
    EXPECT_EQ(Until(*carol, "state", "state 0"), "state 0");
    EXPECT_EQ(carol->Ask("players"), "players 0");
    EXPECT_EQ(carol->Ask("send 3 0 anyone?"), "sent 0");
    EXPECT_EQ(carol->Ask("recv 3"), "msg:");
    EXPECT_EQ(carol->Ask("create Dave"), "id 0");
}

}  // namespace
