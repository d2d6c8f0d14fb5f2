// The mouse position on the screen, moved by the mouse's relative movement.
#pragma once

// The mouse position that MOUSESTATE keeps; it follows relative movement only.
extern double __g_mx;
extern double __g_my;

// Moves the mouse position by the movement since the last call, kept within
// the screen (both edges included); b1 and b2 are the left and right buttons.
void MOUSESTATE(double& x, double& y, double& b1, double& b2);
// Sets the mouse position as given; the next MOUSESTATE brings it back into range.
void SETMOUSE(double x, double y);
