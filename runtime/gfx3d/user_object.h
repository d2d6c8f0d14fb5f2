// Building a mesh object vertex by vertex: the object gets one frame whose
// raw list takes the vertices and group markers in call order, and is packed
// when it ends. Which object is being built, and its display resources, are
// the renderer's business; these functions only shape the data.
#pragma once

#include <cstdint>

#include "gfx3d/mesh_object.h"

// Group kinds: 0 plain triangles, 1 a triangle strip, 2 a triangle fan; any
// other kind is a strip.
inline constexpr int kGroupTriangles = 0;
inline constexpr int kGroupStrip = 1;
inline constexpr int kGroupFan = 2;

// A colour number (red in the low byte, then green, then blue) truncated
// toward zero to an unsigned 32-bit value: -1 gives 0xFFFFFFFF.
std::uint32_t VertexColourFromNumber(double colour);

// Empties the object (keeping its memory), gives it one empty frame and opens
// a first group of the given kind.
void UserObjectStart(MeshObject& mesh, int kind);

// Starts a new group, so the vertices before it and after it are not joined.
void UserObjectNewGroup(MeshObject& mesh, int kind);

// Appends a vertex with a zero normal. Bits 24 and up of the colour carry
// no colour and are cleared, so a vertex is never taken for a group marker:
// 0xFFFFFFFF (-1) is stored as white 0x00FFFFFF.
void UserObjectAddVertex(MeshObject& mesh, float x, float y, float z, float u, float v, std::uint32_t colour);

// Packs the object and, by the auto-normal mode, gives it normals: 1 one per
// vertex, 2 smoothed over vertices at the same place, anything else none
// (the vertices keep their zero normal). Then sets the max radii. An object
// with fewer than 3 raw entries (markers included) is emptied instead, and
// false is returned.
bool UserObjectEnd(MeshObject& mesh, int auto_normal_mode);
