// Sprites: balls bounce around the window and a paddle moves along the bottom
// with the arrow keys. When a ball touches the paddle it bounces back up and
// turns green; the number of hits is printed at the top. Esc ends the program.
//
// What it shows: loading images as sprites, drawing them every frame, moving
// them by keys, and asking SPRCOLL whether two sprites touch.
#include <morvane/morvane.h>

// Every value of the command language is a double, arrays included.
NumArray balls;  // for each ball: x, y, speed in x, speed in y, hit (0 or 1)

void MainGameSub() {
    // Sprites come from image files beside the program (BMP, PNG, JPEG or
    // TGA). Slot numbers are the program's choice, from 0 to 4078.
    LOADSPRITE("paddle.png", 1);
    LOADSPRITE("ball.png", 2);
    LOADSPRITE("hit_ball.png", 3);

    // Three balls: the first falls straight onto the paddle, the others roam.
    DIM(balls, 3, 5);
    const double start[3][4] = {{304, 100, 0, 4}, {60, 60, 3, 2}, {500, 200, -2, -3}};
    for (int i = 0; i < 3; ++i) {
        for (int k = 0; k < 4; ++k)
            balls(i, k) = start[i][k];
    }
    double paddle_x = 272;
    const double paddle_y = 440;
    double hits = 0;

    for (;;) {
        // Input: key codes are PC scan codes; 203 and 205 are the arrows.
        if (KEY(203)) paddle_x = paddle_x - 6;
        if (KEY(205)) paddle_x = paddle_x + 6;
        if (paddle_x < 0) paddle_x = 0;
        if (paddle_x > 640 - 96) paddle_x = 640 - 96;

        for (int i = 0; i < 3; ++i) {
            balls(i, 0) = balls(i, 0) + balls(i, 2);
            balls(i, 1) = balls(i, 1) + balls(i, 3);
            // Bounce off the edges of the 640 x 480 window (a ball is 32 wide).
            if (balls(i, 0) < 0 || balls(i, 0) > 640 - 32) balls(i, 2) = -balls(i, 2);
            if (balls(i, 1) < 0 || balls(i, 1) > 480 - 32) balls(i, 3) = -balls(i, 3);
            // SPRCOLL compares the opaque pixels of the two sprites where they stand.
            if (balls(i, 3) > 0 && SPRCOLL(2, balls(i, 0), balls(i, 1), 1, paddle_x, paddle_y)) {
                balls(i, 3) = -balls(i, 3);
                balls(i, 4) = 1;
                hits = hits + 1;
            }
        }

        // Drawing: a background, the sprites, then the text on top.
        FILLRECT(0, 0, 640, 480, 0x402010);  // colours are red + green * 256 + blue * 65536
        SPRITE(1, paddle_x, paddle_y);
        for (int i = 0; i < 3; ++i)
            SPRITE(balls(i, 4) ? 3 : 2, balls(i, 0), balls(i, 1));
        PRINT(LitStr("Hits: ") + hits, 10, 10);

        SHOWSCREEN();  // shows the frame; Esc ends the program here
    }
}
