// The input commands: keyboard, mouse buttons and joysticks. The mouse
// position on the screen is kept by gfx2d/mouse_position.h.
#pragma once

#include "core/dynstr.h"

// 1 while key `code` (its low 8 bits) is down, else 0.
double KEY(double code);
// The character of a newly pressed key, or the empty string.
DynStr INKEY_Str();
// Waits until a key is pressed and released again; returns 0.
double KEYWAIT();
// Waits until no mouse button is down, then for a press; Esc ends the program meanwhile. Returns 0.
double MOUSEWAIT();

// Sets x and y to the axes of joystick 0 (-1, 0 or 1, as GETJOYX and GETJOYY) and b1, b2 to its first
// two button bytes; all 0 without a joystick.
void JOYSTATE(double& x, double& y, double& b1, double& b2);
// The x axis of joystick n: -1 left, 1 right, 0 in the middle half; 0 for no joystick n.
double GETJOYX(double n);
// The y axis of joystick n: -1 up, 1 down, 0 in the middle half; 0 for no joystick n.
double GETJOYY(double n);
// The third axis of joystick n from 0 to 65535; 0 for no joystick n or no third axis.
double GETJOYZ(double n);
// Point-of-view 0 of joystick n: right 1, left -1, else 0.
double GETDIGIX(double n);
// Point-of-view 0 of joystick n: up -1, down 1, else 0.
double GETDIGIY(double n);
// The byte of button b (0 to 31) of joystick n; 0 for other b.
double GETJOYBUTTON(double n, double b);
// The number of joysticks opened at start-up.
double GETNUMJOYSTICKS();
// The name of joystick n (0 to GETNUMJOYSTICKS() - 1); empty for another n.
DynStr GETJOYNAME_Str(double n);
