// A program on the runtime for the desktop input test: it waits (at most 15
// seconds) until "ab" has been typed and the mouse has moved right past 150,
// then logs what it saw and ends.
#include <string>

#include "morvane.h"

void MainGameSub() {
    LIMITFPS(60);
    __QV_DEBUG = 1;
    std::string typed;
    double x = 0, y = 0, b1 = 0, b2 = 0;
    for (int frame = 0; frame < 900; ++frame) {
        const DynStr c = INKEY_Str();
        if (LEN(c) > 0) typed += c.c_str();
        MOUSESTATE(x, y, b1, b2);
        if (typed == "ab" && x > 150) break;
        SHOWSCREEN();
    }
    WriteErrorLog(("typed " + typed).c_str());
    WriteErrorLog(
        ("mouse " + std::to_string(static_cast<int>(x)) + " " + std::to_string(static_cast<int>(y))).c_str());
    END();
}
