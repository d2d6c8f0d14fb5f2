#include "net/net_commands.h"

#include <cstdlib>
#include <string>

#include "core/whole_number.h"
#include "net/zt_network.h"

namespace {

// The id in the text as a player id: a decimal number, taken modulo 2^32 as
// the 32-bit ids are; text without a number is 0.
std::uint32_t PlayerIdOf(const DynStr& text) {
    return static_cast<std::uint32_t>(std::strtoll(text.c_str(), nullptr, 10));
}

DynStr IdText(std::uint32_t id) {
    return DynStr(std::to_string(id).c_str());
}

// The network object, served first; null before start-up and after the end.
ZtNetwork* ServedNetwork() {
    ServiceNetwork();
    return pZtNet;
}

double HostOrJoin(double type, const DynStr& session_name, const DynStr& address, bool host) {
    ZtNetwork* network = ServedNetwork();
    if (network == nullptr) return 0;
    ZtCONNECTION_INFO connection;
    connection.connection_type = static_cast<std::uint8_t>(TruncToInt32(type));
    connection.session_name = session_name.c_str();
    connection.host = host ? 1 : 0;
    connection.address = address.c_str();
    return network->Init(connection) == kNetOk ? 1 : 0;
}

}  // namespace

void ServiceNetwork() {
    if (pZtNet != nullptr) pZtNet->Service();
}

double NETHOSTGAME(double type, DynStr session_name, DynStr address, DynStr) {
    return HostOrJoin(type, session_name, address, true);
}

double NETJOINGAME(double type, DynStr session_name, DynStr address, DynStr) {
    return HostOrJoin(type, session_name, address, false);
}

DynStr NETCREATEPLAYER_Str(DynStr name) {
    ZtNetwork* network = ServedNetwork();
    std::uint32_t id = 0;
    if (network != nullptr) network->CreatePlayer(name.c_str(), id);
    return IdText(id);
}

double NETDESTROYPLAYER(DynStr id) {
    if (ZtNetwork* network = ServedNetwork()) network->DestroyPlayer(PlayerIdOf(id));
    return 0;
}

// Serves the session after the send, so that the text leaves at once.
double NETSENDMSG(DynStr from, DynStr to, DynStr message) {
    if (pZtNet == nullptr) return 0;
    const bool sent = pZtNet->SendMsg(PlayerIdOf(from), PlayerIdOf(to), message.c_str(), false);
    ServiceNetwork();
    return sent ? 1 : 0;
}

DynStr NETGETMSG_Str(DynStr to) {
    char buffer[DynStr::kBufferSize] = {};
    if (ZtNetwork* network = ServedNetwork()) network->ReceiveMsg(PlayerIdOf(to), buffer, sizeof buffer);
    return DynStr(buffer);
}

DynStr NETPLAYERNAME_Str(DynStr id) {
    std::string name;
    if (ZtNetwork* network = ServedNetwork()) network->GetPlayerName(PlayerIdOf(id), name);
    return DynStr(name.empty() ? "NO_DATA" : name.c_str());
}

DynStr NETGETPLAYERID_Str(double index) {
    ZtNetwork* network = ServedNetwork();
    return IdText(network != nullptr ? network->GetPlayerID(TruncToInt32(index)) : 0);
}

double NETNUMPLAYERS() {
    ZtNetwork* network = ServedNetwork();
    return network != nullptr ? network->NumPlayers() : 0;
}
