// For the tests of ends from a wait: puts a line into KEPT_FILE (written only as the program ends),
// logs "waiting" and waits as WAIT names: "frames" at one a second testing a key; "keywait" in KEYWAIT.
#include <cstdlib>
#include <string>

#include "morvane.h"

void MainGameSub() {
    __QV_DEBUG = 1;
    const char* kept_file = std::getenv("KEPT_FILE");
    const char* wait = std::getenv("WAIT");
    PUTFILE(DynStr(kept_file != nullptr ? kept_file : "kept.txt"), 0, DynStr("kept at the end"));
    WriteErrorLog("waiting");
    if (wait != nullptr && std::string(wait) == "keywait") KEYWAIT();
    LIMITFPS(1);
    for (;;) {
        KEY(42);
        SHOWSCREEN();
    }
}
