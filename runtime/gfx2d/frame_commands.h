// The frame step and the timing and viewport commands.
#pragma once

// Milliseconds on the display's clock: the program's start, the previous
// frame and the current frame.
extern double __g_FirstTime;
extern double __g_LastTime;
extern double __g_ThisTime;

// Non-zero: 3D textures are drawn mipmapped (X_MIPMAPPING). The frame step
// switches it off; a program that wants mipmapping sets it again each frame.
extern int mipmapping_state;

// Presents the frame the program drew and prepares the next one. Esc, or left
// Alt with F4, ends the program here, before the frame is presented.
void SHOWSCREEN();
// Work that start-up hands to every frame step, run after the frame's time
// stamp and before the keyboard is read (music looping, network service), so
// that the display needs to know nothing of the subsystems that use it.
using FrameStep = void (*)();
void AddFrameStep(FrameStep step);
void RemoveFrameSteps();

// At most fps frames per second; 0 or less allows up to 500.
void LIMITFPS(double fps);
// Milliseconds between the last two frames, at least 1.
double GETTIMER();
// Milliseconds since start-up.
double GETTIMERALL();
// 2D drawing confined to a part of the window; a width or height below 1 restores the whole window.
void VIEWPORT(double x, double y, double width, double height);
// The screen size the program asked for.
void GETSCREENSIZE(double& width, double& height);
