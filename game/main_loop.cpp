// The game: load everything once, then drive frame after frame. The program
// ends inside the runtime (Esc, closing the window, or a fatal error).
#include "core/whole_number.h"
#include "gpc_temp.h"

namespace __MORVANE__ {

double GameStartUp() {
    mx = my = b1 = b2 = 0;
    TileSize = 7;
    X_LOADOBJ(DynStr("sphere.ddd"), 110);
    X_LOADOBJ(DynStr("arrow.ddd"), 111);
    LoadTextures();
    LoadLevel(0);
    AddHinge(1.75, -0.3);  // the cab
    X_LOADOBJ(DynStr("truck1.ddd"), 100);
    LOADSPRITE(DynStr("truck1.bmp"), 100);
    AddHinge(6.45, 1.25);  // the trailer
    X_LOADOBJ(DynStr("trailer2.ddd"), 101);
    LOADSPRITE(DynStr("trailer2.bmp"), 101);
    LIMITFPS(10);
    DIM(last_good_truck, 0);
    last_good_truck(0) = 0;
    DIM(vel, 2);
    acc = 0;
    CopyTruck(truck, last_good_truck);
    return 0;
}

// Speed from the buttons, steering from the mouse, and the truck pulled on.
void Drive() {
    MOUSESTATE(mx, my, b1, b2);
    dtime = GETTIMER() / 360;
    acc = (b1 - 1.5 * b2) * 0.4 - 0.07 * vel(0);
    vel(0) = vel(0) + acc * dtime;
    if (vel(0) > 4) vel(0) = 4;
    if (vel(0) < -1) vel(0) = -1;
    delta = (mx - 320) / (ABS(vel(0)) * 5 + 50);
    if (delta != 0) {
        R = truck(0, 0) / SIN(delta);
        vel(1) = (vel(0) / R) * 360;
        if (ABS(vel(1)) > 15) vel(1) = vel(1) < 0 ? -15 : 15;
    } else {
        vel(1) = 0;
    }
    if (vel(0) != 0) PullTruck(vel(0) * dtime, vel(1) * dtime);
}

// Keeps the move, or puts the truck back where it was, with damage.
void AcceptOrRollBack() {
    col = GetCityCollision(truck);
    if (CheckTruckState() != 0 && (TruncToInt32(col) & 1) == 0) {
        CopyTruck(truck, last_good_truck);
    } else {
        CopyTruck(last_good_truck, truck);
        damage = damage + dtime;
        vel(0) = vel(0) * 0.5;
    }
}

void DrawHeadUpText() {
    PRINT(LitStr("Speed: ") + FORMAT_Str(0, 1, vel(0) * 20), 0, 50);
    PRINT(LitStr("Damage: ") + damage + LitStr("%"), 0, 100);
}

void DrawFrame() {
    DrawTruck(delta);
    DrawCity(truck(0, 2), truck(0, 3), 100);
    X_MAKE2D();
    DrawHeadUpText();
}

double GameFrame() {
    InitViewport();
    Drive();
    AcceptOrRollBack();
    DrawFrame();
    SHOWSCREEN();
    return 0;
}

void MainGameSub() {
    GameStartUp();
    for (;;)
        GameFrame();
}

}  // namespace __MORVANE__
