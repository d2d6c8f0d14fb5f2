// A program on the runtime for the start-up tests: it logs each frame, prints
// a line, and at the third frame ends the way the ENDING variable names.
#include <SDL.h>

#include <cstdlib>
#include <string>

#include "morvane.h"
#include "support/pushed_events.h"

namespace {

// Drops blocks of its own: the sanitizer run must fail on them.
[[gnu::noinline]] void LeakOwnBlocks() {
    [[maybe_unused]] static char* volatile block = nullptr;
    for (int i = 0; i < 4; ++i)
        block = new char[4096];
    block = nullptr;
}

void EndAsAsked(const std::string& ending) {
    if (ending == "escape") PushKey(SDL_SCANCODE_ESCAPE, true);
    if (ending == "alt+f4") {
        PushKey(SDL_SCANCODE_LALT, true);
        PushKey(SDL_SCANCODE_F4, true);
    }
    if (ending == "close") PushWindowEvent(SDL_WINDOWEVENT, SDL_WINDOWEVENT_CLOSE);
    if (ending == "quit") PushWindowEvent(SDL_QUIT);
    if (ending == "end") END();
    if (ending == "leak") {
        LeakOwnBlocks();
        END();
    }
    if (ending == "index") {
        NumArray a;
        DIM(a, 2);
        dLn(0, 120);
        a(5);
    }
}

}  // namespace

void MainGameSub() {
    const char* ending = std::getenv("ENDING");
    __QV_DEBUG = std::getenv("DEBUG") != nullptr ? 1 : 0;
    LIMITFPS(60);
    for (int frame = 1;; ++frame) {
        WriteErrorLog(("frame " + std::to_string(frame)).c_str());
        // A bar as wide as the frame's number, and a line of text in font 0.
        FILLRECT(0, 0, 10 * frame, 10, 0x00FF00);
        SETFONT(0);
        PRINT(LitStr("Morvane"), 0, 20);
        if (frame == 3) {
            const std::string how = ending != nullptr ? ending : "";
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
