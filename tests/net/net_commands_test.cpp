// The network commands inside one program, and the addresses they join.
#include "net/net_commands.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "net/peer_process.h"
#include "net/session_address.h"
#include "net/zt_network.h"

namespace {

// Without a session (before any, after the last one ended, or without a network
// at all) every command answers empty; connections without a transport or with
// overlong names fail; a host alone keeps its players and their messages.
TEST(NetCommands, WithoutASessionAnswerEmptyBadConnectionsFailAndAHostAloneKeepsItsPlayers) {
    ZtNetwork network;
    ZtNetwork* const previous = pZtNet;
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
    const std::string name_259(259, 'n'), address_204(204, 'a');
    EXPECT_EQ(NETHOSTGAME(1, "Race", "", ""), 0);    // IPX
    EXPECT_EQ(NETJOINGAME(2, "Race", "", ""), 0);    // serial or modem
    EXPECT_EQ(NETHOSTGAME(257, "Race", "", ""), 0);  // the type is 8 bits wide: 1
    EXPECT_EQ(NETHOSTGAME(0, name_259.c_str(), "", ""), 0);
    EXPECT_EQ(NETJOINGAME(0, name_259.c_str(), "", ""), 0);
    EXPECT_EQ(NETJOINGAME(0, "Race", address_204.c_str(), ""), 0);
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
    pZtNet = previous;
}

TEST(SessionAddress, JoinAddressesNameAHostOrAskAround) {
    setenv("MORVANE_NET_PORT", "5123", 1);
    // Address, and whether it is valid, names a host, and the port it gives.
    for (const auto& [address, valid, direct, port] :
         std::vector<std::tuple<const char*, bool, bool, int>>{{"", true, false, 5123},
                                                               {"127.0.0.1", true, true, 5123},
                                                               {"127.0.0.1:6000", true, true, 6000},
                                                               {"127.0.0.1:65536", false, false, 0},
                                                               {":6000", false, false, 0},
                                                               {"127.0.0.1:-5", false, false, 0}}) {
        const std::optional<QueryTarget> target = QueryTargetFor(address);
        // Loopback, asking around: the tests' discovery target too.
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

}  // namespace
