// Drawing the game in 3D: the tile textures and ground quad, the chase camera,
// the truck with its markers and steering arrow, and the city around the cab.
#include "gpc_temp.h"

namespace __MORVANE__ {

double LoadTextures() {
    for (double i = 0; i <= 15; ++i)
        LOADSPRITE(LitStr("track") + i + LitStr(".bmp"), i);
    LOADSPRITE(DynStr("grass0.bmp"), 16);
    LOADSPRITE(DynStr("shop.bmp"), 50);
    LOADSPRITE(DynStr("tree.bmp"), 55);
    // The ground quad is a little larger than a tile, so neighbours overlap.
    const double s = TileSize * 0.015625 * 64.75;
    X_OBJSTART(0);
    X_OBJADDVERTEX(0, 0, 0, 0, 0, 16777215);
    X_OBJADDVERTEX(s, 0, 0, 1, 0, 16777215);
    X_OBJADDVERTEX(0, 0, s, 0, 1, 16777215);
    X_OBJADDVERTEX(s, 0, s, 1, 1, 16777215);
    X_OBJEND();
    X_LOADOBJ(DynStr("shop1.ddd"), 56);
    LOADSPRITE(DynStr("shop1.bmp"), 56);
    return 0;
}

double InitViewport() {
    double d = 25;
    double e = 20;
    if (KEY(42) != 0) {  // left Shift: the far view
        X_MAKE3D(10, 1000, 45);
        d = 70;
        e = 110;
    } else {
        X_MAKE3D(10, 150, 35);
    }
    const double cx = truck(0, 2);
    const double cy = truck(0, 3);
    X_CAMERA(cx - d, e, cy + d, cx, 0, cy);
    X_MIPMAPPING(1);
    X_CULLMODE(1);
    return 0;
}

double DrawTruck(double steer) {
    for (double i = 0; i <= BOUNDS(truck, 0) - 1; ++i) {
        X_MOVEMENT(truck(i, 2), 0, truck(i, 3));
        X_ROTATION(truck(i, 4) + 180, 0, -1, 0);
        X_SETTEXTURE(i + 100, -1);
        X_DRAWOBJ(i + 100, 0);
    }
    for (double i = 0; i <= BOUNDS(truck, 0) - 1; ++i) {
        X_SETTEXTURE(-1, -1);
        X_SCALING(0.05, 0.05, 0.05);
        X_MOVEMENT(truck(i, 2), 2.5, truck(i, 3));
        X_DRAWOBJ(110, 0);
    }
    X_SCALING(1, 1, 1);
    ALPHAMODE(0);
    X_SETTEXTURE(-1, -1);
    X_MOVEMENT(truck(0, 2), 0, truck(0, 3));
    X_ROTATION(truck(0, 4) + 180 + steer * 24, 0, -1, 0);
    X_DRAWOBJ(111, 0);
    ALPHAMODE(0);
    // Two parked trucks, scenery only.
    X_SETTEXTURE(100, -1);
    X_MOVEMENT(30, 0, 40);
    X_DRAWOBJ(100, 0);
    X_MOVEMENT(40, 0, 40);
    X_DRAWOBJ(100, 0);
    return 0;
}

namespace {

// The ground, and what stands on it, of one tile.
void DrawTile(double x, double y) {
    const double c = city(x, y);
    double ground = c;
    if (c >= 55) {
        if (c == 55) {
            X_SPRITE(55, (x + 0.5) * TileSize, 0, (y + 0.5) * TileSize, 0.15);
            ground = 16;
        } else if (c == 56) {
            X_MOVEMENT(TileSize * x, 0, TileSize * y);
            X_SETTEXTURE(56, -1);
            X_DRAWOBJ(56, 0);
            ground = 0;
        }
    }
    X_SETTEXTURE(ground, -1);
    X_MOVEMENT(TileSize * x, 0, TileSize * y);
    X_DRAWOBJ(0, 0);
}

}  // namespace

double DrawCity(double px, double py, double radius) {
    const double gx = px / TileSize;
    const double gy = py / TileSize;
    const double r = radius / TileSize;
    const double r2 = r * r;
    X_SCALING(1000, 1000, 1000);
    X_MOVEMENT(-500, -10, -500);
    X_SETTEXTURE(16, -1);
    X_DRAWOBJ(0, 0);
    X_SCALING(1, 1, 1);
    for (double x = 0; x <= 39; ++x) {
        for (double y = 0; y <= 39; ++y) {
            if ((gx - x) * (gx - x) + (y - gy) * (y - gy) <= r2) DrawTile(x, y);
        }
    }
    X_MIPMAPPING(0);
    return 0;
}

double DrawVec(NumArray& p, NumArray& v, double colour) {
    const double qx = p(0) + 50 * v(0);
    const double qy = p(1) + 50 * v(1);
    DRAWLINE(p(0), p(1), qx, qy, colour);
    FILLRECT(qx - 5, qy - 5, qx + 5, qy + 5, colour);
    return 0;
}

}  // namespace __MORVANE__
