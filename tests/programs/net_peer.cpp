// The network tests drive this program through its standard input, one command a line, each
// answered with one line; between commands it only draws frames, so SHOWSCREEN alone serves its
// session. It ends when its input closes.
#include <cstdio>
#include <map>
#include <sstream>
#include <string>

#include "morvane.h"
#include "terminal_lines.h"

static std::string ArgumentsAfter(std::istringstream& words) {
    std::string rest;
    std::getline(words, rest);
    return rest.empty() ? rest : rest.substr(1);
}

// Draws frames, and nothing else, until `count` flooded messages for the player have arrived or
// 3000 frames have passed; counts those that came out of their sender's order.
static std::string DrawUntil(std::uint32_t id, int count) {
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

static std::string Answer(const std::string& line) {
    std::istringstream words(line);
    std::string command, first, second;
    std::uint32_t from = 0, to = 0;
    int count = 0;
    words >> command;
    if (command == "host" || command == "join") {
        words >> count >> first >> second;
        const auto session = command == "host" ? NETHOSTGAME : NETJOINGAME;
        return command + " " + DynStr(session(count, first.c_str(), second.c_str(), "")).c_str();
    }
    if (command == "flood") {  // messages from one player to another, numbered in their order
        words >> from >> to >> count;
        for (int i = 0; i < count; ++i)
            pZtNet->SendMsg(from, to, "m" + std::to_string(from) + "-" + std::to_string(i), true);
        return "sent " + std::to_string(count);
    }
    if (command == "players") {
        std::string line = "players " + std::to_string(static_cast<int>(NETNUMPLAYERS()));
        for (int i = 0; i < NETNUMPLAYERS(); ++i) {
            const DynStr id = NETGETPLAYERID_Str(i);
            line += std::string(i == 0 ? " " : ",") + id.c_str() + "=" + NETPLAYERNAME_Str(id).c_str();
        }
        return line;
    }
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
    words >> second;
    if (command == "drawuntil")
        return DrawUntil(static_cast<std::uint32_t>(std::stoul(first)), std::stoi(second));
    if (command == "send")
        return std::string("sent ") +
               DynStr(NETSENDMSG(first.c_str(), second.c_str(), ArgumentsAfter(words).c_str())).c_str();
    return "unknown " + command;
}

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
