// The game's state. The main loop sets TileSize again at start-up; it starts
// at 7 here so that the map queries are meaningful before that.
#include "gpc_temp.h"

namespace __MORVANE__ {

double mx, my, b1, b2;
double dtime;
double acc;
NumArray vel;
double delta, R;
double col;
double damage;
double TileSize = 7;

NumArray truck;
NumArray last_good_truck;
NumArray v1;
NumArray city;

}  // namespace __MORVANE__
