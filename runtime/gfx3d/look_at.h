// Placing the camera: the view of an eye looking at a target, with the
// world's up along +y.
#pragma once

#include <array>

// The rotation that turns the world so the eye looks down its -z axis at the
// target, column-major as OpenGL takes it. With f the unit vector from the
// target to the eye, its rows are the side s = (f.z, 0, -f.x), the up
// u = (-f.x f.y, f.x^2 + f.z^2, -f.y f.z) and f, each normalised when it is
// not zero: an eye straight above or below its target has a zero side.
std::array<float, 16> LookAtRotation(const float eye[3], const float target[3]);

// Multiplies the current OpenGL matrix by that rotation, then moves the eye to the origin.
void LookAt(const float eye[3], const float target[3]);
