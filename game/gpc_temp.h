// Gravelrider's game module: the globals that hold the game's state and the
// procedures over them. Every value is a double; every table is a NumArray.
#pragma once

#include "morvane.h"

namespace __MORVANE__ {

// Mouse position and buttons (1 pressed, 0 not), filled once a frame.
extern double mx, my, b1, b2;
// The frame's time unit: the milliseconds of the last frame divided by 360.
extern double dtime;
// Forward acceleration of this frame.
extern double acc;
// vel(0): forward speed of the steering point; vel(1): yaw rate in degrees per time unit.
extern NumArray vel;
// Steering angle in degrees and the turning radius it gives.
extern double delta, R;
// Collision code of this frame: OR of 1 (off the map), 2 (solid scenery), 4 (shop floor).
extern double col;
// Damage accumulated by rolled-back frames; it never decreases.
extern double damage;
// Edge of a city tile in world units.
extern double TileSize;

// The truck: one row per segment, cab first. Columns: 0 front length,
// 1 rear length, 2 and 3 the reference point, 4 the heading in degrees.
extern NumArray truck;
// The last accepted state of truck, restored when a frame's move is undone.
extern NumArray last_good_truck;
// The steering hitch's displacement, the working vector of PullTruck.
extern NumArray v1;
// The 40 x 40 tile grid, city(x, y): road edge masks 0 to 15, grass 16,
// shop floor 50, tree 55, shop building 56.
extern NumArray city;

// Tiles along each side of the city.
inline constexpr int kCityTiles = 40;

// Truck body (truck_body.cpp).
double AddHinge(double front, double rear);
double CopyTruck(NumArray& src, NumArray& dst);
double CheckTruckState();

// Pulling the chain of segments (truck_physics.cpp).
double PullTruck(double dist, double turn);

// Vectors held in elements 0 and 1 of a NumArray (vector2d.cpp).
double VecLen2D(NumArray& v);
double Dot2D(NumArray& a, NumArray& b);
double Cross2D(NumArray& a, NumArray& b);
double Angle2D(NumArray& a, NumArray& b);
double UnifyVertex2D(NumArray& v);
double ScaleVec2D(NumArray& v, double s);
double SplitVertex2D(NumArray& v, NumArray& b, NumArray& c);

// The city map (city_map.cpp). Loading a level is: DIM city(40, 40), then
// ReadLevelRow for each of lines 0 to 39 of LevelFileName_Str(level), then
// MarkRoadEdges.
DynStr LevelFileName_Str(double level);
double ReadLevelRow(DynStr line, double y);
double RoadEdgeMask(double x, double y);
double MarkRoadEdges();
double CityAtPoint(double px, double py);
double LoadLevel(double level);

// What the truck's footprint stands on (city_collision.cpp).
double GetCityCollision(NumArray& t);

// Drawing the game (drawing.cpp).
double LoadTextures();
double InitViewport();
double DrawTruck(double steer);
double DrawCity(double px, double py, double radius);
double DrawVec(NumArray& p, NumArray& v, double colour);

// The game's main routine (main_loop.cpp): GameStartUp loads everything and
// builds the truck, then GameFrame runs one frame after another; never returns.
double GameStartUp();
double GameFrame();
// The steps of a frame between InitViewport and SHOWSCREEN: speed, steering
// and the pull; the move kept or rolled back; the scene and the head-up text.
void Drive();
void AcceptOrRollBack();
void DrawFrame();
// The speed and the damage, printed in 2D over the scene.
void DrawHeadUpText();
void MainGameSub();

}  // namespace __MORVANE__
