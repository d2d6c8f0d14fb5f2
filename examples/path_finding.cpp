// Path finding on a grid: a walled garden of grass and mud, the cheapest path
// from the top-left corner to the red goal marked with yellow dots. The arrow
// keys move the goal, and the path follows. Esc ends the program.
//
// What it shows: a map of costs in a NumArray, FINDPATH, reading the path it
// gives, and sprites made at run time with GRABSPRITE.
#include <morvane/morvane.h>

namespace {

// The garden, 20 x 15 cells of 32 pixels: # wall, . grass, ~ mud.
const char* const kGarden[15] = {
    "####################", "#..........#.......#", "#..####....#..~~~..#", "#.....#....#..~~~..#",
    "#.....#.......~~~..#", "#.....######.......#", "#..........#..####.#", "#..~~~.....#.....#.#",
    "#..~~~..####.....#.#", "#..~~~...........#.#", "#######.....######.#", "#.....#............#",
    "#.....#####..####..#", "#..................#", "####################",
};
constexpr double kCell = 32;

// Draws a square of the colour at the top-left of the screen and makes it sprite n.
void MakeSprite(double n, double size, double colour) {
    FILLRECT(0, 0, size, size, colour);
    GRABSPRITE(n, 0, 0, size, size);
}

}  // namespace

NumArray costs;  // costs(x, y): what entering the cell costs; 0 is a wall
NumArray path;   // what FINDPATH found: path(i, 0) is x, path(i, 1) is y

void MainGameSub() {
    // Colours are red + green * 256 + blue * 65536.
    MakeSprite(1, kCell, 0x404040);  // wall
    MakeSprite(2, kCell, 0x60A060);  // grass
    MakeSprite(3, kCell, 0x205080);  // mud
    MakeSprite(4, 28, 0x0000FF);     // the goal, red
    MakeSprite(5, 16, 0x00FFFF);     // a dot of the path, yellow

    DIM(costs, 20, 15);
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 20; ++x) {
            const char cell = kGarden[y][x];
            costs(x, y) = cell == '#' ? 0 : cell == '~' ? 6 : 1;  // mud is six times slower
        }
    }

    double goal_x = 18, goal_y = 13;
    bool key_was_down = false;
    for (;;) {
        // One cell a press, never into a wall.
        const bool left = KEY(203) != 0, right = KEY(205) != 0, up = KEY(200) != 0, down = KEY(208) != 0;
        if (!key_was_down) {
            const double x = goal_x + right - left, y = goal_y + down - up;
            if (costs(x, y) > 0) {
                goal_x = x;
                goal_y = y;
            }
        }
        key_was_down = left || right || up || down;

        // The number of cells from start to goal, both included; 0 when the
        // goal cannot be reached. The third argument is kept for programs
        // written for other planners and does not change the search.
        const double steps = FINDPATH(costs, path, 0.7, 1, 1, goal_x, goal_y);

        for (int y = 0; y < 15; ++y) {
            for (int x = 0; x < 20; ++x)
                SPRITE(costs(x, y) == 0 ? 1 : costs(x, y) == 1 ? 2 : 3, x * kCell, y * kCell);
        }
        SPRITE(4, goal_x * kCell + 2, goal_y * kCell + 2);
        for (double i = 0; i < steps; ++i)
            SPRITE(5, path(i, 0) * kCell + 8, path(i, 1) * kCell + 8);
        PRINT(LitStr("Path: ") + steps + LitStr(" cells"), 10, 8);
        SHOWSCREEN();
    }
}
