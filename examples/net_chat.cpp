// A chat on the runtime's sessions. Start one program with "host NAME" and
// the others with "join NAME [ADDRESS]"; each line typed in a program's
// terminal goes to everyone else in the session, and the window shows the
// conversation. The input's end (Ctrl-D) or Esc in the window ends it.
#include <cstdio>
#include <deque>
#include <sstream>
#include <string>

#include "morvane.h"
#include "terminal_lines.h"

namespace {

constexpr const char* kSession = "Chat";

// The window keeps the last lines of the conversation.
void Show(std::deque<std::string>& shown, const std::string& line) {
    shown.push_back(line);
    if (shown.size() > 24) shown.pop_front();
}

// A line for the terminal as well as the window.
void Say(std::deque<std::string>& shown, const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    Show(shown, line);
}

}  // namespace

void MainGameSub() {
    std::istringstream arguments(GETCOMMANDLINE_Str().c_str());
    std::string role, name, address;
    arguments >> role >> name >> address;
    if ((role != "host" && role != "join") || name.empty()) {
        std::printf("usage: net_chat host NAME | net_chat join NAME [ADDRESS]\n");
        END();
    }
    const bool hosting = role == "host";
    const double started =
        hosting ? NETHOSTGAME(0, kSession, "", "") : NETJOINGAME(0, kSession, address.c_str(), "");
    if (started == 0) {
        std::printf(hosting ? "The chat cannot be hosted: is the port in use?\n" : "No chat was found.\n");
        END();
    }
    const DynStr me = NETCREATEPLAYER_Str(name.c_str());
    std::deque<std::string> shown;
    Say(shown, "Chatting as " + name + ": type a line and press Enter.");

    TerminalLines typed;
    LIMITFPS(60);  // a chat needs no more frames than this, and the processor stays free
    for (;;) {
        std::string line;
        bool closed = false;
        while (typed.Next(line, closed)) {
            NETSENDMSG(me, "0", (name + ": " + line).c_str());
            Show(shown, name + ": " + line);  // the terminal shows it as typed
        }
        if (closed) END();
        for (DynStr message = NETGETMSG_Str(me); message.Length() > 0; message = NETGETMSG_Str(me))
            Say(shown, message.c_str());
        if (!hosting && NETNUMPLAYERS() == 0) {
            Say(shown, "The host has ended the chat.");
            END();
        }
        PRINT(LitStr("Players: ") + NETNUMPLAYERS(), 10, 10);
        int y = 40;
        for (const std::string& text : shown)
            PRINT(text.c_str(), 10, y += 16);
        SHOWSCREEN();
    }
}
