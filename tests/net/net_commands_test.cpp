// The network commands inside one program: without a session, with bad
// connection requests, and hosting alone.
#include "net/net_commands.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "net/peer_process.h"
#include "net/session_address.h"
#include "net/zt_network.h"

namespace {

class NetCommands : public testing::Test {
protected:
    void SetUp() override {
        previous_ = pZtNet;
        pZtNet = &network_;
    }
    void TearDown() override { pZtNet = previous_; }

    // Hosts on a port nothing holds, trying others when one was taken meanwhile.
    double HostOnFreePort(const std::string& session) {
        for (int attempt = 0; attempt < 5; ++attempt) {
            setenv("MORVANE_NET_PORT", std::to_string(FreeUdpPort()).c_str(), 1);
            if (NETHOSTGAME(0, session.c_str(), "", "") == 1) return 1;
        }
        return 0;
    }

    ZtNetwork network_;
    ZtNetwork* previous_ = nullptr;
};

TEST_F(NetCommands, WithoutASessionEveryCommandAnswersEmpty) {
    for (int pass = 0; pass < 2; ++pass) {  // before any session, then after the last one ended
        EXPECT_EQ(NETNUMPLAYERS(), 0);
        EXPECT_STREQ(NETGETMSG_Str("1").c_str(), "");
        EXPECT_STREQ(NETCREATEPLAYER_Str("Alice").c_str(), "0");
        EXPECT_STREQ(NETPLAYERNAME_Str("1").c_str(), "NO_DATA");
        EXPECT_STREQ(NETGETPLAYERID_Str(0).c_str(), "0");
        EXPECT_EQ(NETSENDMSG("1", "0", "hello"), 0);
        EXPECT_EQ(NETDESTROYPLAYER("1"), 0);
        EXPECT_EQ(pZtNet->GetHostID(), 0u);
        ASSERT_EQ(HostOnFreePort("Alone"), 1);
        network_.CleanUp();
    }
}

TEST_F(NetCommands, ConnectionsWithoutTransportOrWithOverlongNamesFail) {
    const std::string name_259(259, 'n'), address_204(204, 'a');
    EXPECT_EQ(NETHOSTGAME(1, "Race", "", ""), 0);    // IPX
    EXPECT_EQ(NETJOINGAME(2, "Race", "", ""), 0);    // serial or modem
    EXPECT_EQ(NETHOSTGAME(257, "Race", "", ""), 0);  // the type is 8 bits wide: 1
    EXPECT_EQ(NETHOSTGAME(0, name_259.c_str(), "", ""), 0);
    EXPECT_EQ(NETJOINGAME(0, name_259.c_str(), "", ""), 0);
    EXPECT_EQ(NETJOINGAME(0, "Race", address_204.c_str(), ""), 0);
    EXPECT_EQ(NETJOINGAME(0, "Race", "127.0.0.1:0", ""), 0);
    EXPECT_EQ(NETJOINGAME(0, "Race", "127.0.0.1:port", ""), 0);
    EXPECT_EQ(network_.State(), ZtNetwork::kPrepared);  // the last: prepared, then failed
    EXPECT_FALSE(network_.IsSetup());
}

TEST_F(NetCommands, AHostAloneKeepsItsPlayersAndTheirMessages) {
    ASSERT_EQ(HostOnFreePort(std::string(258, 's')), 1);  // the longest name that fits
    EXPECT_EQ(network_.State(), ZtNetwork::kHosting);
    ZtNetwork second;  // the port is this host's alone
    ZtCONNECTION_INFO connection{.session_name = "Other", .host = 1, .address = ""};
    EXPECT_EQ(second.Init(connection), kNetCannotHost);

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
}

TEST(SessionAddress, JoinAddressesNameAHostOrAskAround) {
    setenv("MORVANE_NET_PORT", "5123", 1);
    struct Case {
        const char* address;
        bool valid, direct;
        std::uint16_t port;
    };
    const Case cases[] = {
        {"", true, false, 5123},
        {"127.0.0.1", true, true, 5123},
        {"127.0.0.1:6000", true, true, 6000},
        {"127.0.0.1:65536", false, false, 0},
        {":6000", false, false, 0},
        {"127.0.0.1:-5", false, false, 0},
    };
    for (const Case& c : cases) {
        const std::optional<QueryTarget> target = QueryTargetFor(c.address);
        ASSERT_EQ(target.has_value(), c.valid) << c.address;
        if (!target) continue;
        EXPECT_EQ(target->direct, c.direct) << c.address;
        EXPECT_EQ(target->address.port, c.port) << c.address;
        EXPECT_EQ(target->address.host, htonl(0x7F000001)) << c.address;  // the tests' discovery target too
    }
    for (const char* setting : {"65536", "12ab"}) {
        setenv("MORVANE_NET_PORT", setting, 1);
        EXPECT_EQ(SessionPort(), kDefaultSessionPort) << setting;
    }
    unsetenv("MORVANE_NET_PORT");
}

}  // namespace
