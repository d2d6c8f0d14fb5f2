// A program that carries its data: the level (level.txt) and the coin image
// (coin.png) are packed into a container appended to the program file, so the
// program runs from any folder with nothing beside it. The build does the
// packing with the shoebox tool:
//
//     shoebox append carried_data level.txt coin.png
//
// Loading needs nothing special: a name not found on disk is looked up in the
// program's container. Esc ends the program.
#include <morvane/morvane.h>

const double kCoin = 1;
const double kTile = 32;  // pixels a side

void MainGameSub() {
    LOADSPRITE("coin.png", kCoin);

    // GETFILE reads one line of a text file (lines count from 0); the level
    // has ten. A missing file reads as "NO_FILE", a line past the end as "NO_DATA".
    const double row_count = 10;
    StrArray rows;
    DIM(rows, row_count);
    for (double y = 0; y < row_count; y = y + 1)
        GETFILE("level.txt", y, rows(y));

    double coins = 0;
    for (;;) {
        FILLRECT(0, 0, 640, 480, 0x303030);
        coins = 0;
        for (double y = 0; y < row_count; y = y + 1) {
            for (double x = 0; x < LEN(rows(y)); x = x + 1) {
                // ASC gives a character's code: 35 is '#', 42 is '*'.
                const double tile = ASC(MID_Str(rows(y), x, 1));
                if (tile == 35) {
                    FILLRECT(x * kTile, y * kTile, (x + 1) * kTile, (y + 1) * kTile, 0x3050A0);
                } else if (tile == 42) {
                    SPRITE(kCoin, x * kTile, y * kTile);
                    coins = coins + 1;
                }
            }
        }
        PRINT(LitStr("Coins: ") + coins, 10, 340);
        SHOWSCREEN();
    }
}
