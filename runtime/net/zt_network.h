// ZtNetwork: this program's part in one multi-player session. One program
// hosts a named session; others find it by name and join; each creates
// players, and players exchange short texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class NetSession;

// The connection a program asks for.
struct ZtCONNECTION_INFO {
    // 0 the internet protocol. 1 (IPX) and 2 (serial or modem) have no
    // transport here; any other type is taken as 0.
    std::uint8_t connection_type = 0;
    std::string session_name;  // at most 258 bytes
    std::int32_t host = 0;     // 1 host, 0 join
    // For a join: "host" or "host:port" to ask that host, empty to ask on the
    // local network. At most 203 bytes.
    std::string address;
};

// Results of Init, DoHostOrJoin and CreatePlayer besides 0 for success.
enum NetResult : int {
    kNetOk = 0,
    kNetNoTransport = 1,      // connection type 1 or 2
    kNetNameTooLong = 2,      // a session name over 258 bytes or an address over 203
    kNetBadAddress = 3,       // an address that cannot be resolved, or a bad port
    kNetCannotHost = 4,       // the session port cannot be had
    kNetSessionNotFound = 5,  // no host answered with the session's name
    kNetNoAnswer = 6,         // the host did not accept, admit or answer in time
    kNetJoinRefused = 7,      // the host refused the join
    kNetCannotAddPlayer = 8,  // no session, or the host gave no player
    kNetNotPrepared = 9,      // DoHostOrJoin without a connection from Init
};

inline constexpr std::size_t kMaxAddressBytes = 203;

class ZtNetwork {
public:
    enum State { kNothing = 0, kPrepared = 1, kHosting = 2, kJoined = 3 };

    ZtNetwork();
    virtual ~ZtNetwork();
    ZtNetwork(const ZtNetwork&) = delete;
    ZtNetwork& operator=(const ZtNetwork&) = delete;

    // Leaves any session, keeps the connection asked for and hosts or joins.
    int Init(const ZtCONNECTION_INFO& connection);
    int DoHostOrJoin();
    // Leaves the session: a host ends it for every joiner.
    void CleanUp();
    // Hosting or joined, in a session that has not ended.
    bool IsSetup() const;
    int State() const { return state_; }

    // Handles the traffic that has arrived, waiting up to `wait_ms` for the
    // first of it. A session that the host ended is left here (state 0).
    void Service(std::uint32_t wait_ms = 0);

    // A new player of this program, its name cut to 255 bytes.
    int CreatePlayer(const std::string& name, std::uint32_t& id);
    void DestroyPlayer(std::uint32_t id);
    // A text from a player of this program to a player, or to all players but
    // the sender (to 0); it leaves with the next Service. True when a session
    // is set up, whether or not the text could be sent.
    bool SendMsg(std::uint32_t from, std::uint32_t to, std::string_view text, bool guaranteed);
    // Takes the oldest message for the player into the buffer, zero-terminated;
    // a message that does not fit leaves it empty. False when none waits.
    bool ReceiveMsg(std::uint32_t to, char* buffer, std::size_t size);
    // The player's name; empty for an unknown player.
    void GetPlayerName(std::uint32_t id, std::string& name) const;
    int NumPlayers() const;
    // The id of the player at the index in creation order; 0 past the last.
    std::uint32_t GetPlayerID(int index) const;
    // The oldest player of the hosting program; 0 when it has none.
    std::uint32_t GetHostID() const;

private:
    int state_ = kNothing;
    ZtCONNECTION_INFO connection_;
    std::unique_ptr<NetSession> session_;
};

// The program's network object, made last at start-up and deleted at the end.
extern ZtNetwork* pZtNet;
