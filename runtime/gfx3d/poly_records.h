// The records a mesh object is made of: the unpacked vertex, the packed vertex
// and the animation frame, and the colour values that mark primitives.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gfx3d/queue.h"

// A vertex whose colour is one of these starts a new primitive; it carries no
// geometry. Vertices before the first marker form plain triangles.
inline constexpr std::uint32_t kMarkerTriangles = 0xFFFFFFFF;
inline constexpr std::uint32_t kMarkerStrip = 0xFFFFFFFE;
inline constexpr std::uint32_t kMarkerFan = 0xFFFFFFFD;
// Every colour value from here up counts as a marker when bounds and colour use are worked out.
inline constexpr std::uint32_t kFirstMarker = 0xFFFFFFFC;

inline bool IsMarkerColour(std::uint32_t colour) {
    return colour >= kFirstMarker;
}

// One unpacked vertex, 72 bytes; the byte positions of its fields are the
// strides and offsets of the vertex arrays that draw it.
struct POLY_NODE {
    float position[3];
    float normal[3];
    float u;
    float v;
    float light[3];  // the bump light direction encoded as a colour, filled while drawing
    float tangent[3];
    float binormal[3];
    std::uint32_t colour;  // red in the low byte, then green, then blue; or a marker
};
static_assert(sizeof(POLY_NODE) == 72);
static_assert(offsetof(POLY_NODE, normal) == 12 && offsetof(POLY_NODE, u) == 24 &&
              offsetof(POLY_NODE, light) == 32 && offsetof(POLY_NODE, tangent) == 44 &&
              offsetof(POLY_NODE, binormal) == 56 && offsetof(POLY_NODE, colour) == 68);

// One vertex as stored: a position quantised to a byte per axis, three
// indices into the normal table and an index into the object's colour table.
struct PACKED_NODE {
    std::uint8_t x;
    std::uint8_t y;
    std::uint8_t z;
    std::uint8_t normal;
    std::uint8_t tangent;   // 0 until computed; not stored in files
    std::uint8_t binormal;  // 0 until computed; not stored in files
    std::uint8_t colour;
};

// One animation frame. A decoded coordinate is (byte - offset) * scale.
struct POLY_FRAME {
    Queue<POLY_NODE> raw;       // vertices as built, before packing
    Queue<POLY_NODE> prepared;  // the frame as a plain triangle list
    Queue<PACKED_NODE> packed;
    float offset[3] = {0, 0, 0};
    float scale[3] = {0, 0, 0};
    float maxRadius = 0;  // largest distance of a decoded vertex from the origin
};
