// Starts the real runtime in a benchmark program, on the offscreen driver.
#pragma once

#include <cstdlib>

#include "morvane.h"

inline void StartBenchRuntime() {
    if (pPrism != nullptr) return;
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("MORVANE_NO_NOTICE", "1", 1);
    GlobalInit("", "Morvane benchmark");
}
