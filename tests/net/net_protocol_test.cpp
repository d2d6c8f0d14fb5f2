// The session protocol's bytes, the player list and the message queues.
#include "net/net_protocol.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/message_queues.h"
#include "net/player_roster.h"

namespace {

const std::vector<NetMessage> kEveryKind = {
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

TEST(NetProtocol, EveryMessageDecodesAsItWasEncodedAndNoPrefixOrExtensionDoes) {
    for (const NetMessage& message : kEveryKind) {
        std::vector<std::uint8_t> bytes = EncodeMessage(message);
        EXPECT_EQ(DecodeMessage(bytes), message) << "kind " << message.index();
        for (std::size_t cut = 0; cut < bytes.size(); cut += 1 + cut / 16) {
            EXPECT_FALSE(DecodeMessage(std::span(bytes).first(cut)))
                << "kind " << message.index() << " cut " << cut;
        }
        bytes.push_back(0);
        EXPECT_FALSE(DecodeMessage(bytes)) << "kind " << message.index() << " with a byte more";
    }
}

TEST(NetProtocol, MalformedFieldsAreRefused) {
    using Bytes = std::vector<std::uint8_t>;
    const std::vector<Bytes> refused = {
        {'M', 'W', 11, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // not the protocol's magic
        {'M', 'V', 0},                                 // unknown kinds
        {'M', 'V', 12},
        {'M', 'V', 10, 0, 0, 0, 0},                    // player id 0
        {'M', 'V', 11, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0},  // text from nobody
        {'M', 'V', 9, 3, 0, 0, 0, 2, 0},               // a player flag that is neither 0 nor 1
        {'M', 'V', 5, 0},                              // refusal reasons out of range
        {'M', 'V', 5, 5},
        {'M', 'V', 4, 0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 0, 0},  // a count past the bytes
        {'M', 'V', 4, 2, 0, 0, 0, 1, 0, 0, 0, 0, 0},              // two players, one there
    };
    for (const Bytes& bytes : refused)
        EXPECT_FALSE(DecodeMessage(bytes)) << testing::PrintToString(bytes);
    // A session name one byte over its limit, though every byte is there.
    Bytes long_name = EncodeMessage(SessionAnswer{.session_name = std::string(258, 's')});
    long_name[20] = 3;  // the length: 259
    long_name.push_back('s');
    EXPECT_FALSE(DecodeMessage(long_name));
}

TEST(PlayerRoster, RefusesRepeatedOrZeroIdsAndHoldsAtMostItsLimit) {
    PlayerRoster roster;
    for (std::uint32_t id = 1; id <= PlayerRoster::kMaxPlayers; ++id)
        ASSERT_TRUE(roster.Add({id, false, ""}));
    EXPECT_TRUE(roster.Remove(1));
    EXPECT_FALSE(roster.Add({2, false, "again"}));
    EXPECT_FALSE(roster.Add({0, false, "nobody"}));
    EXPECT_TRUE(roster.Add({1, false, "back"}));
    EXPECT_FALSE(roster.Add({PlayerRoster::kMaxPlayers + 1, false, ""}));
    EXPECT_EQ(roster.At(PlayerRoster::kMaxPlayers - 1)->name, "back");
}

TEST(MessageQueues, DropMessagesPastTheirBudgetAndFreeItWithTheirPlayer) {
    MessageQueues queues;
    queues.AddLocalPlayer(1);
    queues.AddLocalPlayer(2);
    // Sixteen blocks that fill the budget to the byte.
    const std::string block(MessageQueues::kMaxQueuedBytes / 16 - MessageQueues::kBytesPerMessage, 'b');
    for (int i = 0; i < 16; ++i)
        queues.Deliver(2, 1, block);
    queues.Deliver(1, 2, "dropped");
    EXPECT_EQ(queues.Take(2), std::nullopt);
    queues.RemoveLocalPlayer(1);
    queues.Deliver(1, 2, "kept");
    EXPECT_EQ(queues.Take(2), "kept");
}

}  // namespace
