// The Gravelrider program: the runtime's entry with the game's title.
#include "app/program_entry.h"
#include "gpc_temp.h"

void MainGameSub() {
    __MORVANE__::MainGameSub();
}

int main(int argc, char** argv) {
    return MorvaneMain(argc, argv, "Gravelrider");
}
