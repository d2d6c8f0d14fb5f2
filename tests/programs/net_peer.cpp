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

std::string Answer(const std::string& line) {
    std::istringstream words(line);
    std::string command, first, second;
    words >> command;
    if (command == "host" || command == "join") {
        double type = 0;
        words >> type >> first >> second;
        return command + " " +
               DynStr(command == "host" ? NETHOSTGAME(type, first.c_str(), second.c_str(), "")
                                        : NETJOINGAME(type, first.c_str(), second.c_str(), ""))
                   .c_str();
    }
    if (command == "flood") {  // messages from one player to another, numbered in their order
        std::uint32_t from = 0, to = 0;
        int count = 0;
        words >> from >> to >> count;
        for (int i = 0; i < count; ++i)
            pZtNet->SendMsg(from, to, "m" + std::to_string(from) + "-" + std::to_string(i), true);
        return "sent " + std::to_string(count);
    }
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
    char buffer[DynStr::kBufferSize];  // a message straight from the network object, not served
    if (command == "take")
        return pZtNet->ReceiveMsg(static_cast<std::uint32_t>(std::stoul(first)), buffer, sizeof buffer)
                   ? std::string("took 1 ") + buffer
                   : "took 0";
    if (command == "name") return std::string("name ") + NETPLAYERNAME_Str(first.c_str()).c_str();
    if (command == "playerid") return std::string("playerid ") + NETGETPLAYERID_Str(std::stod(first)).c_str();
    if (command == "drawuntil") {
        words >> second;
        return DrawUntil(static_cast<std::uint32_t>(std::stoul(first)), std::stoi(second));
    }
    if (command == "send") {
        words >> second;
        return std::string("sent ") +
               DynStr(NETSENDMSG(first.c_str(), second.c_str(), ArgumentsAfter(words).c_str())).c_str();
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
