// The game, unchanged, with its final state written to the error log when the
// program ends, for the tests that drive it with replays.
#include <cstdlib>
#include <string>

#include "app/program_entry.h"
#include "gpc_temp.h"

namespace {

void LogFinalState() {
    using namespace __MORVANE__;
    WriteErrorLog((LitStr("damage ") + damage).c_str());
    WriteErrorLog((LitStr("speed ") + vel(0)).c_str());
    for (double i = 0; i < BOUNDS(truck, 0); ++i) {
        WriteErrorLog((LitStr("segment ") + i + LitStr(" ") + truck(i, 2) + LitStr(" ") + truck(i, 3) +
                       LitStr(" ") + truck(i, 4))
                          .c_str());
    }
}

}  // namespace

void MainGameSub() {
    std::atexit(LogFinalState);
    __MORVANE__::MainGameSub();
}

int main(int argc, char** argv) {
    return MorvaneMain(argc, argv, "Gravelrider");
}
