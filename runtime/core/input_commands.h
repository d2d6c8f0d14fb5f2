// The input commands: keyboard, mouse buttons and joysticks. The mouse
// position on the screen is kept by gfx2d/mouse_position.h.
#pragma once

#include "core/dynstr.h"

// 1 while key `code` (its low 8 bits) is down, else 0.
double KEY(double code);
// The character of a newly pressed key, or the empty string.
DynStr INKEY_Str();
// Waits for a key that gives a character.
double KEYWAIT();
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
