// The input commands: keyboard, mouse and joysticks.
#pragma once

#include "core/dynstr.h"

// The mouse position that MOUSESTATE keeps; it follows relative movement only.
extern double __g_mx;
extern double __g_my;

// 1 while key `code` (its low 8 bits) is down, else 0.
double KEY(double code);
// The character of a newly pressed key, or the empty string.
DynStr INKEY_Str();
// Waits for a key that gives a character.
double KEYWAIT();
// Moves the mouse position by the movement since the last call, kept within
// the screen (both edges included); b1 and b2 are the left and right buttons.
void MOUSESTATE(double& x, double& y, double& b1, double& b2);
// Sets the mouse position as given; the next MOUSESTATE brings it back into range.
void SETMOUSE(double x, double y);
// Waits for a mouse button press; Esc ends the program meanwhile.
double MOUSEWAIT();

// Joystick 0: x and y axis, button bytes 0 and 1.
void JOYSTATE(double& x, double& y, double& b1, double& b2);
double GETJOYX(double n);
double GETJOYY(double n);
double GETJOYZ(double n);
// Point-of-view 0 of joystick n: right 1, left -1, else 0.
double GETDIGIX(double n);
// Point-of-view 0 of joystick n: up -1, down 1, else 0.
double GETDIGIY(double n);
// The byte of button b (0 to 31) of joystick n; 0 for other b.
double GETJOYBUTTON(double n, double b);
double GETNUMJOYSTICKS();
DynStr GETJOYNAME_Str(double n);
