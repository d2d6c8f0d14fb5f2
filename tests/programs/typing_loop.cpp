// For the desktop input test, at 10 frames a second: logs its first frame, waits for a click and logs
// where the mouse is, logs the line INPUT edits, then runs frames testing a key until Esc ends it.
// The click and the last frames give up after 30 seconds.
#include <string>

#include "morvane.h"

constexpr int kFramesToWait = 300;

void MainGameSub() {
    LIMITFPS(10);
    __QV_DEBUG = 1;
    double x = 0, y = 0, b1 = 0, b2 = 0;
    for (int frame = 0; frame < kFramesToWait; ++frame) {
        MOUSESTATE(x, y, b1, b2);
        if (b1 != 0) break;
        SHOWSCREEN();
        if (frame == 0) WriteErrorLog("waiting for a click");
    }
    if (b1 == 0) WriteErrorLog("no click"), END();
    WriteErrorLog(
        ("clicked at " + std::to_string(static_cast<int>(x)) + " " + std::to_string(static_cast<int>(y)))
            .c_str());

    DynStr text;
    INPUT(text, 10, 10);
    WriteErrorLog((std::string("typed ") + text.c_str()).c_str());

    for (int frame = 0; frame < kFramesToWait; ++frame) {
        KEY(42);
        MOUSESTATE(x, y, b1, b2);
        SHOWSCREEN();
    }
    WriteErrorLog("no escape");
    END();
}
