// The session protocol's bytes, packet bundles, the player list and the message queues.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/message_queues.h"
#include "net/net_protocol.h"
#include "net/packet_bundle.h"
#include "net/player_roster.h"

namespace {

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
        TextMessage{1, 2, std::string(kMaxTextBytes, 't')},
    };
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
    const std::vector<Bytes> refused = {
        long_name,
        {'M', 'W', 11, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0},             // not the protocol's magic
        {'M', 'V', 0},                                            // unknown kinds
        {'M', 'V', 12},                                           //
        {'M', 'V', 10, 0, 0, 0, 0},                               // player id 0
        {'M', 'V', 11, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0},             // text from nobody
        {'M', 'V', 9, 3, 0, 0, 0, 2, 0},                          // a player flag that is neither 0 nor 1
        {'M', 'V', 5, 0},                                         // refusal reasons out of range
        {'M', 'V', 5, 5},                                         //
        {'M', 'V', 4, 0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 0, 0},  // a count past the bytes
        {'M', 'V', 4, 2, 0, 0, 0, 1, 0, 0, 0, 0, 0},              // two players, one there
    };
    for (const Bytes& bytes : refused)
        EXPECT_FALSE(DecodeMessage(bytes)) << testing::PrintToString(bytes);
}

// Packets of every size class (empty, small, over 255 and 65535 bytes) come
// out of their bundle whole and in order; a bundle cut anywhere gives the
// packets that arrived whole and never reads past its end.
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
    std::size_t end_of_packet = kBundleHeaderBytes;
    for (std::size_t whole_packets = 0; whole_packets < sent.size(); ++whole_packets) {
        const std::size_t next_end = end_of_packet + 4 + sent[whole_packets].size();
        for (const std::size_t cut : {end_of_packet + 1, end_of_packet + 4, next_end - 1}) {
            if (cut >= next_end) continue;
            EXPECT_EQ(unbundled(Bytes(whole.begin(), whole.begin() + cut)),
                      std::vector<Bytes>(sent.begin(), sent.begin() + whole_packets))
                << "cut at " << cut;
        }
        end_of_packet = next_end;
    }
    for (ENetPacket* packet : packets)
        enet_packet_destroy(packet);
    enet_packet_destroy(bundle);
}

// The roster refuses repeated or zero ids and holds at most its limit; the
// queues drop messages past their budget and free it with their player.
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
