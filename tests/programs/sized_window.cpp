// A program with start-up settings of its own: the window size from its two
// arguments, the end record on. It logs the window's client area, marks the
// bottom-right corner of the 2D screen, and ends after two frames.
#include <cstdlib>
#include <string>

#include "morvane.h"

void MainGameSub() {
    double width = 0, height = 0;
    GETSCREENSIZE(width, height);
    int client_width = 0, client_height = 0;
    pPrism->Window()->ClientSize(client_width, client_height);
    WriteErrorLog(
        ("client area " + std::to_string(client_width) + " x " + std::to_string(client_height)).c_str());
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
