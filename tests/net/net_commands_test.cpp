// The network commands in one program, join addresses, protocol bytes, bundles, players and queues.
#include "net/net_commands.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "net/message_queues.h"
#include "net/net_protocol.h"
#include "net/packet_bundle.h"
#include "net/peer_process.h"
#include "net/player_roster.h"
#include "net/session_address.h"
#include "net/zt_network.h"

namespace {

// Without a session every command answers empty; bad connections fail; a host alone keeps its players.
TEST(NetCommands, WithoutASessionAnswerEmptyBadConnectionsFailAndAHostAloneKeepsItsPlayers) {
    ZtNetwork network;
    pZtNet = &network;
    const auto expect_empty = [] {
        EXPECT_EQ(NETNUMPLAYERS(), 0);
        EXPECT_STREQ(NETGETMSG_Str("1").c_str(), "");
        EXPECT_STREQ(NETCREATEPLAYER_Str("Alice").c_str(), "0");
        EXPECT_STREQ(NETPLAYERNAME_Str("1").c_str(), "NO_DATA");
        EXPECT_STREQ(NETGETPLAYERID_Str(0).c_str(), "0");
        EXPECT_EQ(NETSENDMSG("1", "0", "hello"), 0);
        EXPECT_EQ(NETDESTROYPLAYER("1"), 0);
        EXPECT_EQ(pZtNet ? pZtNet->GetHostID() : 0u, 0u);
    };
    expect_empty();
    EXPECT_EQ(NETHOSTGAME(1, "Race", "", ""), 0);    // IPX
    EXPECT_EQ(NETJOINGAME(2, "Race", "", ""), 0);    // serial or modem
    EXPECT_EQ(NETHOSTGAME(257, "Race", "", ""), 0);  // the type is 8 bits wide: 1
    EXPECT_EQ(NETHOSTGAME(0, std::string(259, 'n').c_str(), "", ""), 0);
    EXPECT_EQ(NETJOINGAME(0, std::string(259, 'n').c_str(), "", ""), 0);
    EXPECT_EQ(NETJOINGAME(0, "Race", std::string(204, 'a').c_str(), ""), 0);
    EXPECT_EQ(NETJOINGAME(0, "Race", "127.0.0.1:0", ""), 0);
    EXPECT_EQ(NETJOINGAME(0, "Race", "127.0.0.1:port", ""), 0);
    EXPECT_EQ(network.State(), ZtNetwork::kPrepared);  // the last: prepared, then failed
    EXPECT_FALSE(network.IsSetup());
    double hosted = 0;  // on a port nothing holds, trying others when one was taken meanwhile
    for (int attempt = 0; attempt < 5 && hosted != 1; ++attempt) {
        setenv("MORVANE_NET_PORT", std::to_string(FreeUdpPort()).c_str(), 1);
        hosted = NETHOSTGAME(0, std::string(258, 's').c_str(), "", "");  // the longest name that fits
    }
    EXPECT_EQ(hosted, 1);
    EXPECT_EQ(network.State(), ZtNetwork::kHosting);
    ZtNetwork second;  // the port is this host's alone
    EXPECT_EQ(second.Init({.session_name = "Other", .host = 1, .address = ""}), kNetCannotHost);
    EXPECT_STREQ(NETCREATEPLAYER_Str(std::string(300, 'p').c_str()).c_str(), "1");
    EXPECT_STREQ(NETCREATEPLAYER_Str("").c_str(), "2");
    EXPECT_EQ(std::string(NETPLAYERNAME_Str("1").c_str()), std::string(255, 'p'));  // cut to its buffer
    EXPECT_STREQ(NETPLAYERNAME_Str("2").c_str(), "NO_DATA");
    EXPECT_STREQ(NETPLAYERNAME_Str("4294967297").c_str(), NETPLAYERNAME_Str("1").c_str());  // ids are 32 bits
    EXPECT_EQ(pZtNet->GetHostID(), 1u);
    EXPECT_EQ(NETSENDMSG("1", "0", "to all"), 1);
    EXPECT_EQ(NETSENDMSG("2", "1", std::string(DynStr::kMaxLength, 'x').c_str()), 1);
    EXPECT_EQ(NETSENDMSG("9", "1", "from a player that is not here"), 1);
    EXPECT_STREQ(NETGETMSG_Str("2").c_str(), "to all");
    EXPECT_STREQ(NETGETMSG_Str("1").c_str(), std::string(DynStr::kMaxLength, 'x').c_str());
    EXPECT_STREQ(NETGETMSG_Str("1").c_str(), "");
    EXPECT_EQ(NETDESTROYPLAYER("1"), 0);
    EXPECT_EQ(NETNUMPLAYERS(), 1);
    EXPECT_STREQ(NETGETPLAYERID_Str(0).c_str(), "2");
    EXPECT_STREQ(NETGETPLAYERID_Str(1).c_str(), "0");
    EXPECT_EQ(pZtNet->GetHostID(), 2u);
    network.CleanUp();
    expect_empty();
    pZtNet = nullptr;
    expect_empty();
}

TEST(SessionAddress, JoinAddressesNameAHostOrAskAround) {
    setenv("MORVANE_NET_PORT", "5123", 1);
    // Address, whether it is valid, names a host (loopback when asking around), and its port.
    for (const auto& [address, valid, direct, port] :
         std::vector<std::tuple<const char*, bool, bool, int>>{{"", true, false, 5123},
                                                               {"127.0.0.1", true, true, 5123},
                                                               {"127.0.0.1:6000", true, true, 6000},
                                                               {"127.0.0.1:65536", false, false, 0},
                                                               {":6000", false, false, 0},
                                                               {"127.0.0.1:-5", false, false, 0}}) {
        const std::optional<QueryTarget> target = QueryTargetFor(address);
        EXPECT_EQ(target ? std::tuple(true, target->direct, int{target->address.port}, target->address.host)
                         : std::tuple(false, false, 0, 0u),
                  std::tuple(valid, direct, port, valid ? htonl(0x7F000001) : 0u))
            << address;
    }
    for (const char* setting : {"65536", "12ab"}) {
        setenv("MORVANE_NET_PORT", setting, 1);
        EXPECT_EQ(SessionPort(), kDefaultSessionPort) << setting;
    }
    unsetenv("MORVANE_NET_PORT");
}

using Bytes = std::vector<std::uint8_t>;

TEST(NetProtocol, EveryMessageDecodesAsItWasEncodedAndNoPrefixExtensionOrMalformedFieldDoes) {
    const std::vector<NetMessage> every_kind = {
        SessionQuery{},
        SessionAnswer{.session_name = "Race"},
        JoinRequest{.version = 9, .session_name = std::string(258, 's')},
        JoinWelcome{{{1, true, "Alice"}, {2, false, ""}, {0xFFFFFFFF, false, std::string(255, 'n')}}},
        JoinWelcome{},
        JoinRefusal{RefusalReason::kFull},
        CreatePlayerRequest{7, "Bob"},
        PlayerCreated{7, 0},
        DestroyPlayerRequest{2},
        PlayerAdded{{3, false, "Carol"}},
        PlayerRemoved{3},
        TextMessage{1, 0, std::string("with\0zero", 9)},
        TextMessage{1, 2, std::string(kMaxTextBytes, 't')}};
    for (const NetMessage& message : every_kind) {
        SCOPED_TRACE(testing::Message() << "kind " << message.index());
        Bytes bytes = EncodeMessage(message);
        EXPECT_EQ(DecodeMessage(bytes), message);
        for (std::size_t cut = 0; cut < bytes.size(); cut += 1 + cut / 16)
            EXPECT_FALSE(DecodeMessage(std::span(bytes).first(cut))) << "cut " << cut;
        bytes.push_back(0);
        EXPECT_FALSE(DecodeMessage(bytes)) << "with a byte more";
    }
    Bytes long_name = EncodeMessage(SessionAnswer{.session_name = std::string(258, 's')});
    long_name[20] = 3;  // a session name one byte over its limit (259), though every byte is there
    long_name.push_back('s');
    // Wrong magic, kinds, ids, flags, refusal reasons, player counts past the bytes.
    const std::vector<Bytes> refused = {long_name,
                                        {'M', 'W', 11, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                                        {'M', 'V', 0},
                                        {'M', 'V', 12},
                                        {'M', 'V', 10, 0, 0, 0, 0},
                                        {'M', 'V', 11, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0},
                                        {'M', 'V', 9, 3, 0, 0, 0, 2, 0},
                                        {'M', 'V', 5, 0},
                                        {'M', 'V', 5, 5},
                                        {'M', 'V', 4, 0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 0, 0},
                                        {'M', 'V', 4, 2, 0, 0, 0, 1, 0, 0, 0, 0, 0}};
    for (const Bytes& bytes : refused)
        EXPECT_FALSE(DecodeMessage(bytes)) << testing::PrintToString(bytes);
}

// Packets of every size class come out whole and in order; a cut bundle gives those that arrived whole.
TEST(PacketBundle, HoldsItsPacketsInOrderAndACutOneGivesThoseThatArrivedWhole) {
    const std::vector<Bytes> sent = {Bytes{'a'}, Bytes{}, Bytes(300, 'b'), Bytes(70000, 'c'),
                                     Bytes{'d', 'e'}};
    std::vector<ENetPacket*> packets;
    for (const Bytes& bytes : sent)
        packets.push_back(enet_packet_create(bytes.data(), bytes.size(), ENET_PACKET_FLAG_RELIABLE));
    ENetPacket* bundle = BundlePackets(packets);
    ASSERT_NE(bundle, nullptr);
    const Bytes whole(bundle->data, bundle->data + bundle->dataLength);
    const auto unbundled = [](const Bytes& bytes) {
        std::vector<Bytes> got;
        ForEachBundled(bytes,
                       [&](std::span<const std::uint8_t> one) { got.emplace_back(one.begin(), one.end()); });
        return got;
    };
    EXPECT_TRUE(IsBundle(whole));
    EXPECT_EQ(unbundled(whole), sent);
    for (std::size_t arrived = 0, end = kBundleHeaderBytes; arrived < sent.size(); ++arrived) {
        const std::size_t next_end = end + 4 + sent[arrived].size();
        for (const std::size_t cut : {end + 1, end + 4, next_end - 1})
            EXPECT_EQ(unbundled(Bytes(whole.begin(), whole.begin() + std::min(cut, next_end - 1))),
                      std::vector<Bytes>(sent.begin(), sent.begin() + arrived))
                << "cut at " << cut;
        end = next_end;
    }
    for (ENetPacket* packet : packets)
        enet_packet_destroy(packet);
    enet_packet_destroy(bundle);
}

// The roster refuses repeated or zero ids past its limit; queues drop what is past their budget.
TEST(PlayersAndQueues, RefuseWhatIsRepeatedOrOverTheirLimits) {
    PlayerRoster roster;
    for (std::uint32_t id = 1; id <= PlayerRoster::kMaxPlayers; ++id)
        ASSERT_TRUE(roster.Add({id, false, ""}));
    EXPECT_TRUE(roster.Remove(1));
    EXPECT_FALSE(roster.Add({2, false, "again"}));
    EXPECT_FALSE(roster.Add({0, false, "nobody"}));
    EXPECT_TRUE(roster.Add({1, false, "back"}));
    EXPECT_FALSE(roster.Add({PlayerRoster::kMaxPlayers + 1, false, ""}));
    EXPECT_EQ(roster.At(PlayerRoster::kMaxPlayers - 1)->name, "back");
    MessageQueues queues;
    queues.AddLocalPlayer(1);
    queues.AddLocalPlayer(2);
    const std::string block(MessageQueues::kMaxQueuedBytes / 16 - MessageQueues::kBytesPerMessage, 'b');
    for (int i = 0; i < 16; ++i)  // sixteen blocks fill the budget to the byte
        queues.Deliver(2, 1, block);
    queues.Deliver(1, 2, "dropped");
    EXPECT_EQ(queues.Take(2), std::nullopt);
    queues.RemoveLocalPlayer(1);
    queues.Deliver(1, 2, "kept");
    EXPECT_EQ(queues.Take(2), "kept");
}

}  // namespace
