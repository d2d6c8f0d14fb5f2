// A program on the runtime that the network tests drive through its standard
// input, one command a line, answering each with one line on its standard
// output. Between commands it only draws frames, so its session is served by
// SHOWSCREEN alone. It ends when its input closes.
#include <cstdio>
#include <map>
#include <sstream>
#include <string>

#include "morvane.h"
#include "terminal_lines.h"

namespace {

std::string ArgumentsAfter(std::istringstream& words) {
    std::string rest;
    std::getline(words, rest);
    return rest.empty() ? rest : rest.substr(1);
}

std::string PlayersLine() {
    const int count = static_cast<int>(NETNUMPLAYERS());
    std::string line = "players " + std::to_string(count);
    for (int i = 0; i < count; ++i) {
        const DynStr id = NETGETPLAYERID_Str(i);
        line += std::string(i == 0 ? " " : ",") + id.c_str() + "=" + NETPLAYERNAME_Str(id).c_str();
    }
    return line;
}

// Takes a message straight from the network object, without serving it, and
// says whether one was there.
std::string Take(std::uint32_t id) {
    char buffer[DynStr::kBufferSize];
    const bool took = pZtNet->ReceiveMsg(id, buffer, sizeof buffer);
    return took ? std::string("took 1 ") + buffer : "took 0";
}

// Draws frames, and nothing else, until `count` flooded messages for the
// player have arrived or 3000 frames have passed; counts those that came out
// of their sender's order.
std::string DrawUntil(std::uint32_t id, int count) {
    int got = 0, misordered = 0;
    std::map<unsigned, unsigned> next_of_sender;
    char buffer[DynStr::kBufferSize];
    for (int frame = 0; frame < 3000 && got < count; ++frame) {
        SHOWSCREEN();
        for (; got < count && pZtNet->ReceiveMsg(id, buffer, sizeof buffer); ++got) {
            unsigned from = 0, index = 0;
            if (std::sscanf(buffer, "m%u-%u", &from, &index) != 2 || index != next_of_sender[from]++)
                ++misordered;
        }
    }
    return "drawn " + std::to_string(got) + " misordered " + std::to_string(misordered);
}

std::string HostOrJoin(const std::string& command, std::istringstream& words) {
    double type = 0;
    std::string name, address;
    words >> type >> name >> address;
    const double result = command == "host" ? NETHOSTGAME(type, name.c_str(), address.c_str(), "")
                                            : NETJOINGAME(type, name.c_str(), address.c_str(), "");
    return command + " " + DynStr(result).c_str();
}

std::string Flood(std::istringstream& words) {
    std::uint32_t from = 0, to = 0;
    int count = 0;
    words >> from >> to >> count;
    for (int i = 0; i < count; ++i)
        pZtNet->SendMsg(from, to, "m" + std::to_string(from) + "-" + std::to_string(i), true);
    return "sent " + std::to_string(count);
}

std::string Answer(const std::string& line) {
    std::istringstream words(line);
    std::string command, first;
    words >> command;
    if (command == "host" || command == "join") return HostOrJoin(command, words);
    if (command == "flood") return Flood(words);
    if (command == "players") return PlayersLine();
    if (command == "hostid") return "hostid " + std::to_string(pZtNet->GetHostID());
    if (command == "state") return "state " + std::to_string(pZtNet->State());
    if (command == "end") END();
    if (command == "create")
        return std::string("id ") + NETCREATEPLAYER_Str(ArgumentsAfter(words).c_str()).c_str();
    words >> first;
    if (command == "destroy")
        return "destroyed " + std::string(DynStr(NETDESTROYPLAYER(first.c_str())).c_str());
    if (command == "recv") return std::string("msg:") + NETGETMSG_Str(first.c_str()).c_str();
    if (command == "take") return Take(static_cast<std::uint32_t>(std::stoul(first)));
    if (command == "name") return std::string("name ") + NETPLAYERNAME_Str(first.c_str()).c_str();
    if (command == "playerid") return std::string("playerid ") + NETGETPLAYERID_Str(std::stod(first)).c_str();
    if (command == "drawuntil") {
        int count = 0;
        words >> count;
        return DrawUntil(static_cast<std::uint32_t>(std::stoul(first)), count);
    }
    if (command == "send") {
        std::string to;
        words >> to;
        return std::string("sent ") +
               DynStr(NETSENDMSG(first.c_str(), to.c_str(), ArgumentsAfter(words).c_str())).c_str();
    }
    return "unknown " + command;
}

}  // namespace

void MainGameSub() {
    LIMITFPS(200);
    TerminalLines commands;
    for (;;) {
        std::string line;
        bool closed = false;
        while (commands.Next(line, closed)) {
            std::printf("%s\n", Answer(line).c_str());
            std::fflush(stdout);
        }
        if (closed) END();
        SHOWSCREEN();
    }
}
