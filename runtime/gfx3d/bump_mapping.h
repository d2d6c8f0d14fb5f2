// Dot-product bump mapping on two texture units: unit 0 takes the dot product
// of each vertex's light vector (its colour) with the normal map, and unit 1
// multiplies the result by the object's own texture.
#pragma once

#include "gfx3d/vector3.h"

// The point brought back through a column-major model-view matrix: the
// place in the object's own coordinates that the matrix takes to `point`.
// A matrix that flattens space has no inverse; its rotation is undone alone.
Vec3 InverseTransformPoint(const float matrix[16], Vec3 point);

// Needs multitexturing.
void UseDot3Combiners();
// Both units back to plain modulation; unit 0 stays selected.
void UseModulateOnBothUnits();
