// A program for the tests of how a program ends from a wait: it puts a line
// into the file KEPT_FILE names (the line cache writes it only as the program
// ends), logs "waiting" and waits as WAIT names: "frames" runs frames at one a
// second, the longest wait the frame pacing has, testing a key in each as the
// game does; "keywait" waits in KEYWAIT for a key that never comes.
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
