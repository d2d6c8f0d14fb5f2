// Start-up settings of its own: the window size from its two arguments, the end record on. It logs
// the window's client area, marks the bottom-right corner of the 2D screen, and ends after two frames.
#include <cstdlib>

#include "morvane.h"

void MainGameSub() {
    double width = 0, height = 0;
    GETSCREENSIZE(width, height);
    int client[2] = {0, 0};
    pPrism->Window()->ClientSize(client[0], client[1]);
    WriteErrorLog(("client area " + std::to_string(client[0]) + " x " + std::to_string(client[1])).c_str());
    for (int frame = 0; frame < 2; ++frame) {
        FILLRECT(width - 10, height - 10, width, height, 0x00FF00);
        SHOWSCREEN();
    }
    END();
}

int main(int argc, char** argv) {
    StartupSettings settings;
    settings.width = argc > 2 ? std::atoi(argv[1]) : 0;
    settings.height = argc > 2 ? std::atoi(argv[2]) : 0;
    settings.frame_rate = 30;
    settings.debug = true;
    return MorvaneMain(argc, argv, "Sized window", settings);
}
