// Objects built vertex by vertex, with sphere collision: a floor, a wall and a
// ball are built in code. The Up and Down arrows roll the ball towards the
// wall and back; X_COLLISION stops it at the wall, and a red bar at the top
// says that it touches. Esc ends the program.
//
// What it shows: X_OBJSTART / X_OBJADDVERTEX / X_OBJEND, drawing objects in a
// 3D scene, and testing a sphere against an object before moving.
#include <morvane/morvane.h>

// Object numbers: any from 0 to 4094.
const double kFloor = 1, kWall = 2, kBall = 3;
const double kBallRadius = 1;

// An object is made of triangle strips: each vertex after the second makes a
// triangle with the two before it. This quad is one strip of four vertices.
void BuildQuad(double n, double x1, double y1, double z1, double x2, double y2, double z2, double colour) {
    X_OBJSTART(n);
    X_OBJADDVERTEX(x1, y1, z1, 0, 0, colour);
    X_OBJADDVERTEX(x2, y1, z1, 1, 0, colour);
    X_OBJADDVERTEX(x1, y2, z2, 0, 1, colour);
    X_OBJADDVERTEX(x2, y2, z2, 1, 1, colour);
    X_OBJEND();
}

// A ball around the origin: one strip for each band between two latitudes,
// started with X_OBJNEWGROUP so that the bands are not joined.
void BuildBall(double n, double radius, double colour) {
    const int bands = 12, segments = 16;
    X_OBJSTART(n);
    for (int band = 0; band < bands; ++band) {
        if (band > 0) X_OBJNEWGROUP();
        for (int segment = 0; segment <= segments; ++segment) {
            for (int edge = 0; edge < 2; ++edge) {
                const double latitude = -90 + 180.0 * (band + edge) / bands;  // angles are degrees
                const double longitude = 360.0 * segment / segments;
                X_OBJADDVERTEX(radius * COS(latitude) * COS(longitude), radius * SIN(latitude),
                               radius * COS(latitude) * SIN(longitude), 0, 0, colour);
            }
        }
    }
    X_OBJEND();
}

void MainGameSub() {
    // Colours are red + green * 256 + blue * 65536.
    BuildQuad(kFloor, -15, 0, 15, 15, 0, -15, 0x606060);  // grey, lying flat
    BuildQuad(kWall, -10, 0, -10, 10, 6, -10, 0x2020C0);  // red, standing at z = -10
    BuildBall(kBall, kBallRadius, 0x00D0FF);              // yellow

    double ball_z = 10;
    for (;;) {
        X_MAKE3D(1, 200, 45);         // near and far planes, field of view
        X_CAMERA(0, 9, 24, 0, 1, 0);  // from in front and above, at the middle

        double move = 0;
        if (KEY(200)) move = -0.25;  // Up arrow: towards the wall
        if (KEY(208)) move = 0.25;   // Down arrow: back
        // Test the ball at its next place against the wall as the wall is
        // drawn (at the origin), and move only when it would not touch.
        // Collisions are tested in the camera's view, so after X_CAMERA.
        X_MOVEMENT(0, 0, 0);
        const bool touching = X_COLLISION(kWall, 0, kBallRadius, 0, kBallRadius, ball_z + move) != 0;
        if (!touching) ball_z = ball_z + move;

        X_DRAWOBJ(kFloor, 0);
        X_DRAWOBJ(kWall, 0);
        X_MOVEMENT(0, kBallRadius, ball_z);  // each object is drawn where the transform puts it
        X_DRAWOBJ(kBall, 0);

        X_MAKE2D();  // back to 2D for the text on top
        if (touching) FILLRECT(0, 0, 640, 8, 0x0000FF);
        PRINT(LitStr("Ball at z = ") + ball_z, 10, 20);
        SHOWSCREEN();
    }
}
