// For the start-up tests: logs each frame, prints a line, and at the third frame ends as ENDING says.
#include <SDL.h>

#include <cstdlib>
#include <string>

#include "morvane.h"
#include "support/pushed_events.h"

// Drops blocks of its own: the sanitizer run must fail on them.
[[gnu::noinline]] static void LeakOwnBlocks() {
    [[maybe_unused]] static char* volatile block = nullptr;
    for (int i = 0; i < 5; ++i)
        block = i < 4 ? new char[4096] : nullptr;
}

static void EndAsAsked(const std::string& ending) {
    if (ending == "escape") PushKey(SDL_SCANCODE_ESCAPE, true);
    if (ending == "alt+f4") PushKey(SDL_SCANCODE_LALT, true), PushKey(SDL_SCANCODE_F4, true);
    if (ending == "close") PushWindowEvent(SDL_WINDOWEVENT, SDL_WINDOWEVENT_CLOSE);
    if (ending == "quit") PushWindowEvent(SDL_QUIT);
    if (ending == "leak") LeakOwnBlocks();
    if (ending == "end" || ending == "leak") END();
    if (ending == "index") {
        NumArray a;
        DIM(a, 2);
        dLn(0, 120);
        a(5);
    }
}

void MainGameSub() {
    const std::string how = std::getenv("ENDING") != nullptr ? std::getenv("ENDING") : "";
    __QV_DEBUG = std::getenv("DEBUG") != nullptr ? 1 : 0;
    LIMITFPS(60);
    for (int frame = 1;; ++frame) {
        WriteErrorLog(("frame " + std::to_string(frame)).c_str());
        // A bar as wide as the frame's number, and a line of text in font 0.
        FILLRECT(0, 0, 10 * frame, 10, 0x00FF00);
        SETFONT(0);
        PRINT(LitStr("Morvane"), 0, 20);
        if (frame == 3) {
            if (how == "return") {
                WriteErrorLog(("command line: " + std::string(GETCOMMANDLINE_Str().c_str()) + ", title " +
                               SDL_GetWindowTitle(SDL_GL_GetCurrentWindow()))
                                  .c_str());
                return;  // the runtime ends the program after MainGameSub
            }
            EndAsAsked(how);
        }
        SHOWSCREEN();
    }
}
