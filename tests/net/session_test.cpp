// Whole sessions between programs on the runtime, each in its own process and
// all on this machine's loopback address.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "net/peer_process.h"

namespace {

class Session : public testing::Test {
protected:
    // A program hosting the session "Race" with a player "Alice" (id 1); one
    // that hosts nothing when no port could be had.
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

TEST_F(Session, AHostAndTwoJoinersShareOnePlayerListAndTheirMessages) {
    auto host = Host();
    auto bob = Joiner("Bob", "2");  // found by asking around
    auto carol = Joiner("Carol", "3", "127.0.0.1:" + std::to_string(peers_.Port()));  // asked by address
    const std::string everyone = "players 3 1=Alice,2=Bob,3=Carol";
    for (PeerProcess* peer : {host.get(), bob.get(), carol.get()}) {
        EXPECT_EQ(peer->AskUntil("players", [&](const std::string& a) { return a == everyone; }), everyone);
        EXPECT_EQ(peer->Ask("playerid 3"), "playerid 0");
        EXPECT_EQ(peer->Ask("playerid -1"), "playerid 0");
        EXPECT_EQ(peer->Ask("hostid"), "hostid 1");
        EXPECT_EQ(peer->Ask("name 7"), "name NO_DATA");
    }

    // To one player, to all but the sender, and between two joiners through the host.
    EXPECT_EQ(bob->Ask("send 2 1 hi Alice"), "sent 1");
    EXPECT_EQ(host->AskUntil("recv 1", [](const std::string& a) { return a != "msg:"; }), "msg:hi Alice");
    EXPECT_EQ(carol->Ask("send 3 0 hello all"), "sent 1");
    EXPECT_EQ(host->AskUntil("recv 1", [](const std::string& a) { return a != "msg:"; }), "msg:hello all");
    EXPECT_EQ(bob->AskUntil("recv 2", [](const std::string& a) { return a != "msg:"; }), "msg:hello all");
    EXPECT_EQ(carol->Ask("send 3 2 for Bob only"), "sent 1");
    EXPECT_EQ(bob->AskUntil("recv 2", [](const std::string& a) { return a != "msg:"; }), "msg:for Bob only");
    EXPECT_EQ(carol->Ask("recv 3"), "msg:");  // nothing came back to the sender
    EXPECT_EQ(host->Ask("recv 2"), "msg:");   // another program's player has no queue here

    // Guaranteed messages arrive, all and in order, at joiners that only draw frames.
    EXPECT_EQ(host->Ask("flood 1 0 400"), "sent 400");
    EXPECT_EQ(carol->Ask("flood 3 2 300"), "sent 300");
    EXPECT_EQ(carol->Ask("drawuntil 3 400"), "drawn 400 misordered 0");
    EXPECT_EQ(bob->Ask("drawuntil 2 700"), "drawn 700 misordered 0");
    EXPECT_EQ(bob->Ask("take 2"), "took 0");

    // A player that ends leaves every list.
    EXPECT_EQ(bob->Ask("destroy 2"), "destroyed 0");
    const std::string remaining = "players 2 1=Alice,3=Carol";
    for (PeerProcess* peer : {host.get(), bob.get(), carol.get()})
        EXPECT_EQ(peer->AskUntil("players", [&](const std::string& a) { return a == remaining; }), remaining);
}

TEST_F(Session, JoiningANameNobodyHostsFails) {
    auto host = Host();
    auto joiner = peers_.Start();
    EXPECT_EQ(joiner->Ask("join 0 race"), "join 0");  // names match case and all
    EXPECT_EQ(joiner->Ask("join 0 Rally 127.0.0.1:" + std::to_string(peers_.Port())), "join 0");
    EXPECT_EQ(joiner->Ask("players"), "players 0");
    EXPECT_EQ(joiner->Ask("join 7 Race"), "join 1");  // an unknown type is the internet protocol's
}

TEST_F(Session, AJoinerThatIsKilledLeavesTheHostsList) {
    auto host = Host();
    auto bob = Joiner("Bob", "2");
    EXPECT_EQ(host->AskUntil("players", [](const std::string& a) { return a == "players 2 1=Alice,2=Bob"; }),
              "players 2 1=Alice,2=Bob");
    bob->Kill();
    // Within ENet's time-out, which counts seconds.
    EXPECT_EQ(host->AskUntil(
                  "players", [](const std::string& a) { return a == "players 1 1=Alice"; }, 90000),
              "players 1 1=Alice");
}

TEST_F(Session, TheHostEndingEndsTheSessionForItsJoiners) {
    auto host = Host();
    auto bob = Joiner("Bob", "2");
    auto carol = Joiner("Carol", "3");
    EXPECT_EQ(bob->Ask("send 2 3 unread"), "sent 1");
    host->Tell("end");
    EXPECT_TRUE(host->WaitForExit(30000));
    for (PeerProcess* joiner : {bob.get(), carol.get()}) {
        EXPECT_EQ(joiner->AskUntil("state", [](const std::string& a) { return a == "state 0"; }), "state 0");
        EXPECT_EQ(joiner->Ask("players"), "players 0");
        EXPECT_EQ(joiner->Ask("send 2 0 anyone?"), "sent 0");
        EXPECT_EQ(joiner->Ask("recv 3"), "msg:");
        EXPECT_EQ(joiner->Ask("create Dave"), "id 0");
    }
}

TEST_F(Session, TwoChatProgramsTalk) {
    auto alice = peers_.StartHost(
        [](PeerProcess& p) { return p.NextLine() == "Chatting as Alice: type a line and press Enter."; },
        NET_CHAT_PROGRAM, {"host", "Alice"});
    ASSERT_TRUE(alice);
    auto bob = peers_.Start(NET_CHAT_PROGRAM, {"join", "Bob"});
    EXPECT_EQ(bob->NextLine(), "Chatting as Bob: type a line and press Enter.");
    bob->Tell("hello Alice");
    EXPECT_EQ(alice->NextLine(), "Bob: hello Alice");
    alice->Tell("hi Bob");
    EXPECT_EQ(bob->NextLine(), "Alice: hi Bob");
    alice.reset();  // the host leaves: the chat ends for Bob
    EXPECT_EQ(bob->NextLine(), "The host has ended the chat.");
}

}  // namespace
