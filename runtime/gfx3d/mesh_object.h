// MeshObject: the frames of one polygon model, packed, with the texture
// coordinates and colours that all frames share. It holds no display
// resources, so tools can build, pack and save objects without a display;
// the renderer's slot type derives from it and adds its buffers and display
// list.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "gfx3d/poly_records.h"
#include "gfx3d/vector3.h"

class MeshObject {
public:
    Queue<POLY_FRAME> frames;       // frame 0 is the rest pose
    Queue<POLY_NODE> work;          // the triangle list that is drawn
    Queue<float> u;                 // texture u per packed-vertex index
    Queue<float> v;                 // texture v per packed-vertex index
    Queue<std::uint32_t> colours;   // the colour table, markers included
    std::int32_t normalsValid = 0;  // 1 when the normals need not be recomputed

    // Empties every list and removes all frames; with `free` the memory is released too.
    void Clear(bool free);

    // Packs every frame's raw vertices into packed vertices, the colour table
    // and (from frame 0) the texture lists.
    void Compress();

    // The .ddd file. A load that fails for any reason leaves the object empty.
    bool Load(const std::string& path);
    bool Save(const std::string& path) const;
    bool LoadFromBytes(std::span<const std::uint8_t> bytes);
    std::vector<std::uint8_t> SaveToBytes() const;

    // The colour-table value of a packed vertex (0 for an index the table lacks).
    std::uint32_t ColourOf(const PACKED_NODE& vertex) const;
    // Packed vertex `index` of `frame` decoded: position, table directions,
    // texture coordinates (v negated) and colour.
    POLY_NODE UnpackVertex(const POLY_FRAME& frame, std::int32_t index) const;

    // Expands every frame into its plain triangle list; the work list becomes
    // a copy of frame 0's.
    void PrepareTriangles();
    // Sets each frame's max radius.
    void CalcMaxRadius();
    // Recomputes the normal indices (unless they are valid) and/or the tangent
    // and binormal indices (unless frame 0 already has them) from the
    // triangles, then prepares the triangle lists. With `smooth`, vertices at
    // the same packed position share their normal.
    void AutoNormalsAfterCompression(bool normals, bool smooth, bool tangents);
    // True when the colour table holds a colour other than white 0x00FFFFFF
    // and the markers, so the object is drawn with its vertex colours.
    bool UsesVertexColours() const;
};

// The decoded position of a packed vertex in its frame.
Vec3 UnpackPosition(const POLY_FRAME& frame, const PACKED_NODE& vertex);
