// A 3D scene with a camera and loaded objects: a ring of houses on a lawn,
// lit by the sun. The Left and Right arrows move the camera around the ring.
// Esc ends the program.
//
// The house is a model in a common format (house.obj, with its colours in
// house.mtl). The build turns it into house.ddd beside the program with the
// dddconv tool:
//
//     dddconv house.obj house.ddd
//
// What it shows: X_LOADOBJ, placing objects with X_MOVEMENT and X_ROTATION,
// the camera, and lights.
#include <morvane/morvane.h>

const double kHouse = 1, kLawn = 2;

void MainGameSub() {
    X_LOADOBJ("house.ddd", kHouse);

    // The lawn is built in code: one strip of four vertices, green.
    X_OBJSTART(kLawn);
    X_OBJADDVERTEX(-30, 0, -30, 0, 0, 0x30A040);
    X_OBJADDVERTEX(30, 0, -30, 1, 0, 0x30A040);
    X_OBJADDVERTEX(-30, 0, 30, 0, 1, 0x30A040);
    X_OBJADDVERTEX(30, 0, 30, 1, 1, 0x30A040);
    X_OBJEND();

    double camera_angle = 0;  // degrees around the ring
    for (;;) {
        if (KEY(203)) camera_angle = camera_angle - 2;  // Left arrow
        if (KEY(205)) camera_angle = camera_angle + 2;  // Right arrow

        FILLRECT(0, 0, 640, 480, 0xE0B080);  // a pale blue sky behind the scene
        X_MAKE3D(1, 300, 45);
        X_CAMERA(40 * SIN(camera_angle), 18, 40 * COS(camera_angle), 0, 2, 0);
        // A dim light from every side and the sun from above and behind the camera.
        X_AMBIENT_LT(0, 0x606060);
        X_SPOT_LT(1, 0xC0C0C0, 0, 0, 0, -0.3, -1, -0.5, 180);

        X_MOVEMENT(0, 0, 0);
        X_DRAWOBJ(kLawn, 0);
        // Six houses in a ring, each turned to face the middle. Movement
        // comes first: it clears the rotations, which are added after it.
        for (int i = 0; i < 6; ++i) {
            const double angle = i * 60;
            X_MOVEMENT(14 * SIN(angle), 0, 14 * COS(angle));
            X_ROTATION(angle + 180, 0, 1, 0);
            X_DRAWOBJ(kHouse, 0);
        }
        // One more in the middle, drawn at twice the size.
        X_MOVEMENT(0, 0, 0);
        X_SCALING(2, 2, 2);
        X_DRAWOBJ(kHouse, 0);
        X_SCALING(1, 1, 1);

        X_MAKE2D();
        PRINT("Left and Right arrows: move around", 10, 10);
        SHOWSCREEN();
    }
}
