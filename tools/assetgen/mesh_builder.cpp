#include "mesh_builder.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "gfx3d/user_object.h"

namespace assetgen {
namespace {

// Shading comes in steps of 1/32, which keeps the object's colour table (at
// most 256 entries) small however many ways its faces point.
constexpr double kShadeSteps = 32;

std::uint32_t ColourNumber(Rgb colour) {
    return colour.r | colour.g << 8 | static_cast<std::uint32_t>(colour.b) << 16;
}

Vec3 FaceNormal(Vec3 a, Vec3 b, Vec3 c) {
    return NormalisedIfNonZero(Cross(b - a, c - a));
}

double Middle(double a, double b) {
    return (a + b) / 2;
}

// The picture's left and right texture edges as seen on the face.
struct Across {
    double left;
    double right;
};

Across AcrossOf(const Skin& skin) {
    if (skin.mirrored) return {skin.area.right, skin.area.left};
    return {skin.area.left, skin.area.right};
}

}  // namespace

double ShadeFacing(Vec3 normal) {
    const double shade = std::clamp(0.74 + 0.26 * normal.y - 0.1 * normal.x, 0.0, 1.0);
    return std::round(shade * kShadeSteps) / kShadeSteps;
}

MeshBuilder::MeshBuilder() {
    UserObjectStart(mesh_, kGroupTriangles);
}

void MeshBuilder::AddCorner(const Corner& corner, Rgb tint) {
    const Rgb colour = Scale(tint, ShadeFacing(corner.normal));
    UserObjectAddVertex(mesh_, static_cast<float>(corner.position.x), static_cast<float>(corner.position.y),
                        static_cast<float>(corner.position.z), static_cast<float>(corner.u),
                        static_cast<float>(corner.v), ColourNumber(colour));
    ToFloats(corner.normal, mesh_.frames[0].raw.Last().normal);
}

void MeshBuilder::AddTriangle(const Corner& a, const Corner& b, const Corner& c, Rgb tint) {
    // Stored clockwise as seen from outside: the way round the game's culling keeps.
    AddCorner(a, tint);
    AddCorner(c, tint);
    AddCorner(b, tint);
}

void MeshBuilder::AddQuad(const std::array<Vec3, 4>& corners, const Skin& skin) {
    const Vec3 normal = FaceNormal(corners[0], corners[1], corners[3]);
    const Across across = AcrossOf(skin);
    const Corner bottom_left{corners[0], across.left, skin.area.bottom, normal};
    const Corner bottom_right{corners[1], across.right, skin.area.bottom, normal};
    const Corner top_right{corners[2], across.right, skin.area.top, normal};
    const Corner top_left{corners[3], across.left, skin.area.top, normal};
    AddTriangle(bottom_left, bottom_right, top_right, skin.tint);
    AddTriangle(bottom_left, top_right, top_left, skin.tint);
}

void MeshBuilder::AddBox(const Box& box, const BoxSkins& skins) {
    const Vec3 l = box.low;
    const Vec3 h = box.high;
    // Each face's corners run bottom-left, bottom-right, top-right, top-left as
    // a viewer outside it sees them.
    AddQuad({{{l.x, l.y, l.z}, {l.x, l.y, h.z}, {l.x, h.y, h.z}, {l.x, h.y, l.z}}}, skins.toward_lower_x);
    AddQuad({{{h.x, l.y, h.z}, {h.x, l.y, l.z}, {h.x, h.y, l.z}, {h.x, h.y, h.z}}}, skins.toward_higher_x);
    AddQuad({{{h.x, l.y, l.z}, {h.x, l.y, h.z}, {l.x, l.y, h.z}, {l.x, l.y, l.z}}}, skins.bottom);
    AddQuad({{{h.x, h.y, h.z}, {h.x, h.y, l.z}, {l.x, h.y, l.z}, {l.x, h.y, h.z}}}, skins.top);
    AddQuad({{{h.x, l.y, l.z}, {l.x, l.y, l.z}, {l.x, h.y, l.z}, {h.x, h.y, l.z}}}, skins.toward_lower_z);
    AddQuad({{{l.x, l.y, h.z}, {h.x, l.y, h.z}, {h.x, h.y, h.z}, {l.x, h.y, h.z}}}, skins.toward_higher_z);
}

void MeshBuilder::AddPrism(std::span<const Vec3> outline, Vec3 extrusion, const Skin& skin) {
    if (outline.size() < 3) return;
    std::vector<Vec3> base(outline.begin(), outline.end());
    // Counter-clockwise as seen from the end the outline is swept toward.
    if (Dot(Cross(base[1] - base[0], base[2] - base[0]), extrusion) < 0)
        std::reverse(base.begin(), base.end());
    const double u = Middle(skin.area.left, skin.area.right);
    const double v = Middle(skin.area.top, skin.area.bottom);
    const Vec3 top_normal = NormalisedIfNonZero(extrusion);
    const Vec3 bottom_normal = top_normal * -1.0;
    for (std::size_t i = 1; i + 1 < base.size(); ++i) {
        AddTriangle({base[0] + extrusion, u, v, top_normal}, {base[i] + extrusion, u, v, top_normal},
                    {base[i + 1] + extrusion, u, v, top_normal}, skin.tint);
        AddTriangle({base[0], u, v, bottom_normal}, {base[i + 1], u, v, bottom_normal},
                    {base[i], u, v, bottom_normal}, skin.tint);
    }
    for (std::size_t i = 0; i < base.size(); ++i) {
        const Vec3 a = base[i];
        const Vec3 b = base[(i + 1) % base.size()];
        const Vec3 normal = FaceNormal(a, b, a + extrusion);
        AddTriangle({a, u, v, normal}, {b, u, v, normal}, {b + extrusion, u, v, normal}, skin.tint);
        AddTriangle({a, u, v, normal}, {b + extrusion, u, v, normal}, {a + extrusion, u, v, normal},
                    skin.tint);
    }
}

void MeshBuilder::AddWheel(const Wheel& wheel, int sides, const Skin& hub, const Skin& tread) {
    const double near_z = wheel.centre.z - wheel.width / 2;
    const double far_z = wheel.centre.z + wheel.width / 2;
    const double mid_u = Middle(hub.area.left, hub.area.right);
    const double mid_v = Middle(hub.area.top, hub.area.bottom);
    const double half_u = (hub.area.right - hub.area.left) / 2;
    const double half_v = (hub.area.bottom - hub.area.top) / 2;
    auto rim = [&](int k, double z) {
        const double angle = 2 * std::numbers::pi * k / sides;
        return Vec3{wheel.centre.x + wheel.radius * std::cos(angle),
                    wheel.centre.y + wheel.radius * std::sin(angle), z};
    };
    // On a hub face, the picture's right is +x seen from +z and -x seen from -z.
    auto hub_corner = [&](Vec3 p, double z_side) {
        const double x = (p.x - wheel.centre.x) / wheel.radius;
        const double y = (p.y - wheel.centre.y) / wheel.radius;
        return Corner{p, mid_u + half_u * x * z_side, mid_v - half_v * y, Vec3{0, 0, z_side}};
    };
    const Vec3 far_centre{wheel.centre.x, wheel.centre.y, far_z};
    const Vec3 near_centre{wheel.centre.x, wheel.centre.y, near_z};
    for (int k = 0; k < sides; ++k) {
        const Vec3 far_a = rim(k, far_z), far_b = rim(k + 1, far_z);
        const Vec3 near_a = rim(k, near_z), near_b = rim(k + 1, near_z);
        AddTriangle(hub_corner(far_centre, 1), hub_corner(far_a, 1), hub_corner(far_b, 1), hub.tint);
        AddTriangle(hub_corner(near_centre, -1), hub_corner(near_b, -1), hub_corner(near_a, -1), hub.tint);
        AddQuad({near_a, near_b, far_b, far_a}, tread);
    }
}

void MeshBuilder::AddBall(Vec3 centre, double radius, int slices, int stacks, Rgb colour) {
    auto corner = [&](int stack, int slice) {
        const double down = std::numbers::pi * stack / stacks;
        const double round = 2 * std::numbers::pi * slice / slices;
        const Vec3 direction{std::sin(down) * std::cos(round), std::cos(down),
                             std::sin(down) * std::sin(round)};
        return Corner{centre + direction * radius, 0, 0, direction};
    };
    // Each triangle is turned to face away from the centre; the ones that
    // shrink to a point at the poles are left out.
    auto add_facing_out = [&](const Corner& a, const Corner& b, const Corner& c) {
        const Vec3 normal = Cross(b.position - a.position, c.position - a.position);
        if (Length(normal) < 1e-12 * radius * radius) return;
        if (Dot(normal, a.position - centre) >= 0) {
            AddTriangle(a, b, c, colour);
        } else {
            AddTriangle(a, c, b, colour);
        }
    };
    for (int stack = 0; stack < stacks; ++stack) {
        for (int slice = 0; slice < slices; ++slice) {
            const Corner upper_a = corner(stack, slice), upper_b = corner(stack, slice + 1);
            const Corner lower_a = corner(stack + 1, slice), lower_b = corner(stack + 1, slice + 1);
            add_facing_out(upper_a, upper_b, lower_b);
            add_facing_out(upper_a, lower_b, lower_a);
        }
    }
}

MeshObject MeshBuilder::Finish() {
    mesh_.Compress();
    return std::move(mesh_);
}

}  // namespace assetgen
