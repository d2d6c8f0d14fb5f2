// For the replay tests: drives a position from the mouse and the frame time as the game does and logs
// its state each frame. PUSH names the input it gives itself: "script" (buttons, movement, Shift, a key
// for KEYWAIT, then Esc) or "escape" (Esc and a button at once, which a replay must not see).
#include <SDL.h>

#include <cstdio>
#include <string>

#include "morvane.h"
#include "support/pushed_events.h"

static constexpr int kKeyWaitFrame = 32;

static void PushInput(const std::string& what, int frame) {
    if (what == "script") {
        PushMotion(frame % 7 - 3, frame % 5 - 2);
        if (frame == 3 || frame == 15) PushButton(SDL_BUTTON_LEFT, frame == 3);
        if (frame == 20 || frame == 28) PushButton(SDL_BUTTON_RIGHT, frame == 20);
        if (frame == 8 || frame == 12) PushKey(SDL_SCANCODE_LSHIFT, frame == 8);
        if (frame == kKeyWaitFrame || frame == kKeyWaitFrame + 1)
            PushKey(SDL_SCANCODE_K, frame == kKeyWaitFrame);
        if (frame == 40) PushKey(SDL_SCANCODE_ESCAPE, true);
    }
    if (what == "escape" && frame == 2) {
        PushKey(SDL_SCANCODE_ESCAPE, true);
        PushButton(SDL_BUTTON_LEFT, true);
    }
}

static void Log(const char* format, auto... values) {
    char line[512];
    std::snprintf(line, sizeof line, format, values...);
    WriteErrorLog(line);
}

void MainGameSub() {
    const std::string what = std::getenv("PUSH") != nullptr ? std::getenv("PUSH") : "";
    __QV_DEBUG = 1;
    LIMITFPS(100);
    double mx, my, b1, b2;
    double speed = 0, heading = 0, position = 0;
    for (int frame = 1;; ++frame) {
        PushInput(what, frame);
        MOUSESTATE(mx, my, b1, b2);
        const double dtime = GETTIMER() / 360;
        speed = speed * 0.98 + (b1 - b2) * dtime;
        heading += (mx - 320) * dtime;
        position += speed * dtime;
        Log("frame %d: mouse %g %g %g %g shift %g timer %.17g all %.17g stamps %.17g %.17g %.17g", frame, mx,
            my, b1, b2, KEY(42), GETTIMER(), GETTIMERALL(), __g_FirstTime, __g_LastTime, __g_ThisTime);
        Log("frame %d: speed %.17g heading %.17g position %.17g random %g", frame, speed, heading, position,
            RND(1000000));
        if (frame == kKeyWaitFrame) {
            KEYWAIT();
            Log("after the key: %.17g", GETTIMERALL());
        }
        SHOWSCREEN();
    }
}
