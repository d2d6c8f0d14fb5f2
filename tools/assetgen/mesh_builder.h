// Building the game's models out of boxes, prisms, wheels and balls into a
// runtime mesh object, ready to be saved as a .ddd file.
//
// Faces are given counter-clockwise as seen from outside, and stored the other
// way round: the game draws its models with culling that keeps the faces it
// sees clockwise, and that orientation lives in this one place.
//
// The game draws its models unlit, so each vertex colour carries a fixed
// shading by the direction the surface faces (tops brightest, undersides
// darkest); the colour multiplies the texture, or is the colour itself where
// no texture is selected.
#pragma once

#include <array>
#include <span>

#include "colour.h"
#include "gfx3d/mesh_object.h"
#include "gfx3d/vector3.h"
#include "texture_atlas.h"

namespace assetgen {

inline constexpr Rgb kWhite{255, 255, 255};

// How a face is coloured: the part of the texture it shows, flipped left to
// right when mirrored, times the tint.
struct Skin {
    TextureArea area{};
    Rgb tint = kWhite;
    bool mirrored = false;
};

// A texture bitmap's size, for the skins that show its pictures.
struct TextureSize {
    int width;
    int height;

    // The skin showing one picture of the texture, untinted.
    Skin Picture(PixelRect picture, bool mirrored = false) const {
        return {AreaOf(picture, width, height), kWhite, mirrored};
    }
};

// An axis-aligned box between two corners.
struct Box {
    Vec3 low;
    Vec3 high;
};

// The skins of a box's faces. Side pictures stand upright as seen from
// outside; the top and bottom pictures have their top edge toward -x.
struct BoxSkins {
    Skin toward_lower_x;
    Skin toward_higher_x;
    Skin bottom;
    Skin top;
    Skin toward_lower_z;
    Skin toward_higher_z;
};

inline BoxSkins SameOnEveryFace(const Skin& skin) {
    return {skin, skin, skin, skin, skin, skin};
}

// A round wheel turning about an axis parallel to z.
struct Wheel {
    Vec3 centre;  // the middle of the wheel, halfway across its width
    double radius;
    double width;
};

class MeshBuilder {
public:
    MeshBuilder();

    // A flat face with its corners counter-clockwise as seen from outside:
    // bottom-left, bottom-right, top-right, top-left of its skin's picture.
    void AddQuad(const std::array<Vec3, 4>& corners, const Skin& skin);

    void AddBox(const Box& box, const BoxSkins& skins);

    // A solid with a flat convex outline (a triangle for a wedge or an arrow
    // head) swept along `extrusion`; the outline may go round either way. Every
    // face is coloured as the middle of the skin's picture, for plain parts.
    void AddPrism(std::span<const Vec3> outline, Vec3 extrusion, const Skin& skin);

    // A wheel of `sides` flat tread faces: both hub faces show the whole
    // picture of `hub` inside its circle, the tread shows `tread`.
    void AddWheel(const Wheel& wheel, int sides, const Skin& hub, const Skin& tread);

    // A ball shaded smoothly over its curve, untextured: `slices` around the
    // vertical axis, `stacks` from the top pole to the bottom one.
    void AddBall(Vec3 centre, double radius, int slices, int stacks, Rgb colour);

    // Packs the vertices into the finished object.
    MeshObject Finish();

private:
    struct Corner {
        Vec3 position;
        double u;
        double v;
        Vec3 normal;  // the way the surface faces here, for shading and the stored normal
    };

    // One triangle, corners counter-clockwise as seen from outside.
    void AddTriangle(const Corner& a, const Corner& b, const Corner& c, Rgb tint);
    void AddCorner(const Corner& corner, Rgb tint);

    MeshObject mesh_;
};

// The shading factor for a surface facing `normal` (a unit vector).
double ShadeFacing(Vec3 normal);

}  // namespace assetgen
