// The game's models and their textures as the build leaves them beside the
// programs: they load, stand where the game expects them and are seen from
// outside under the game's culling.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <numbers>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "gfx2d/bitmap_file.h"
#include "gfx3d/mesh_object.h"
#include "gfx3d/vector3.h"
#include "lettering.h"

namespace game_assets_test {
namespace {

std::filesystem::path ProgramFolder() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

struct Corner {
    Vec3 position;
    Vec3 normal;
};

using Triangle = std::array<Corner, 3>;

// The triangles as the renderer draws them, from the file beside the program.
std::vector<Triangle> LoadTriangles(const std::string& name) {
    MeshObject mesh;
    if (!mesh.Load((ProgramFolder() / name).string())) {
        ADD_FAILURE() << name << " does not load";
        return {};
    }
    EXPECT_EQ(mesh.frames.Count(), 1) << name;
    EXPECT_LE(mesh.colours.Count(), 256) << name << ": a colour index is one byte";
    mesh.PrepareTriangles();
    std::vector<Triangle> triangles;
    const Queue<POLY_NODE>& prepared = mesh.frames[0].prepared;
    for (std::int32_t i = 0; i + 2 < prepared.Count(); i += 3) {
        Triangle triangle;
        for (int k = 0; k < 3; ++k) {
            const POLY_NODE& node = prepared[i + k];
            triangle[k] = {FromFloats(node.position), FromFloats(node.normal)};
        }
        triangles.push_back(triangle);
    }
    return triangles;
}

// How many times the surface, taken as facing the way it is drawn, wraps
// round the point: about 1 inside a closed part seen from outside, 0 outside
// it, and -1 inside a part turned inside out.
double WindingNumber(const std::vector<Triangle>& triangles, Vec3 point) {
    double angle = 0;
    for (const Triangle& t : triangles) {
        const Vec3 a = t[0].position - point;
        const Vec3 b = t[2].position - point;  // the drawn way round
        const Vec3 c = t[1].position - point;
        const double la = Length(a), lb = Length(b), lc = Length(c);
        angle += 2 * std::atan2(Dot(a, Cross(b, c)),
                                la * lb * lc + Dot(a, b) * lc + Dot(a, c) * lb + Dot(b, c) * la);
    }
    return angle / (4 * std::numbers::pi);
}

// Each part must be a closed surface whose every face the game draws from
// outside: any face wound the wrong way would be culled where it should show
// and drawn from inside the part instead.
TEST(GameModels, EveryPartIsClosedAndDrawnFromOutside) {
    for (const char* name : {"truck1.ddd", "trailer2.ddd", "sphere.ddd", "arrow.ddd", "shop1.ddd"}) {
        SCOPED_TRACE(name);
        const std::vector<Triangle> triangles = LoadTriangles(name);
        ASSERT_FALSE(triangles.empty());
        // Closed: every edge is crossed once each way, by positions as packed.
        std::map<std::tuple<double, double, double, double, double, double>, int> edges;
        for (const Triangle& t : triangles) {
            for (int k = 0; k < 3; ++k) {
                const Vec3 a = t[k].position, b = t[(k + 1) % 3].position;
                ++edges[{a.x, a.y, a.z, b.x, b.y, b.z}];
                --edges[{b.x, b.y, b.z, a.x, a.y, a.z}];
            }
        }
        for (const auto& [edge, balance] : edges)
            ASSERT_EQ(balance, 0) << "an open edge from (" << std::get<0>(edge) << ", " << std::get<1>(edge)
                                  << ", " << std::get<2>(edge) << ")";
        for (const Triangle& t : triangles) {
            // The game culls with clockwise front faces: a face shows where its corners run clockwise.
            const Vec3 drawn =
                NormalisedIfNonZero(Cross(t[2].position - t[0].position, t[1].position - t[0].position));
            const Vec3 centre = (t[0].position + t[1].position + t[2].position) * (1.0 / 3);
            ASSERT_GT(WindingNumber(triangles, centre - drawn * 1e-3), 0.5)
                << "a face drawn from inside, at (" << centre.x << ", " << centre.y << ", " << centre.z
                << ")";
            // The stored normals agree, for a renderer that lights the models.
            ASSERT_GT(Dot(t[0].normal, drawn), 0.5);
        }
    }
}

TEST(GameTextures, AreSquareOrOblongPowersOfTwoWithoutTheKeyColour) {
    for (const char* name : {"truck1.bmp", "trailer2.bmp", "shop1.bmp"}) {
        SCOPED_TRACE(name);
        const std::optional<BitmapFile> loaded = ReadBitmapFile((ProgramFolder() / name).string());
        ASSERT_TRUE(loaded);
        const BitmapFile& texture = *loaded;
        EXPECT_TRUE(std::has_single_bit(static_cast<unsigned>(texture.width))) << texture.width;
        EXPECT_TRUE(std::has_single_bit(static_cast<unsigned>(texture.height))) << texture.height;
        EXPECT_GE(texture.width, 64);
        // A pixel of the key colour (red 255, green 0, blue 128) would be a hole in the model.
        for (int y = 0; y < texture.height; ++y) {
            for (int x = 0; x < texture.width; ++x) {
                std::uint8_t r, g, b;
                texture.PixelAt(x, y, r, g, b);
                ASSERT_FALSE(r == 255 && g == 0 && b == 128) << "at " << x << ", " << y;
            }
        }
    }
}

// A point of a model drawn the way the game draws a truck segment with heading
// h at ground point (px, py): turned by h + 180 degrees about the downward
// axis (a right-handed turn, as OpenGL's), then moved there.
Vec3 PlacedOnHeading(Vec3 p, double heading, double px, double py) {
    const double angle = (heading + 180) * std::numbers::pi / 180;
    const Vec3 axis{0, -1, 0};
    const Vec3 turned = p * std::cos(angle) + Cross(axis, p) * std::sin(angle) +
                        axis * (Dot(axis, p) * (1 - std::cos(angle)));
    return turned + Vec3{px, 0, py};
}

// How far each corner of a placed model lies ahead of the reference point
// along the heading, and how far to the side of it.
struct Reach {
    double back = 1e9;
    double ahead = -1e9;
    double side = 0;
};

Reach ReachOnHeading(const std::vector<Triangle>& triangles, double heading) {
    const double h = heading * std::numbers::pi / 180;
    const Vec3 along{std::cos(h), 0, std::sin(h)};
    const Vec3 across{std::sin(h), 0, -std::cos(h)};
    Reach reach;
    for (const Triangle& t : triangles) {
        for (const Corner& c : t) {
            const Vec3 offset = PlacedOnHeading(c.position, heading, 30, 30) - Vec3{30, 0, 30};
            reach.back = std::min(reach.back, Dot(offset, along));
            reach.ahead = std::max(reach.ahead, Dot(offset, along));
            reach.side = std::max(reach.side, std::abs(Dot(offset, across)));
        }
    }
    return reach;
}

// The footprints the city collision samples: the cab from 0.3 to 2.25 ahead
// of its reference point, the trailer from 1.25 behind to 6.95 ahead, both 2
// wide. Drawn on a heading, each model must cover exactly its footprint.
TEST(TruckModels, CoverTheirFootprintsWhenDrawnOnAHeading) {
    for (const auto& [name, back, ahead] :
         {std::tuple{"truck1.ddd", 0.3, 2.25}, {"trailer2.ddd", -1.25, 6.95}}) {
        SCOPED_TRACE(name);
        const Reach reach = ReachOnHeading(LoadTriangles(name), 233.5);
        EXPECT_NEAR(reach.back, back, 1e-3);
        EXPECT_NEAR(reach.ahead, ahead, 1e-3);
        EXPECT_NEAR(reach.side, 1.0, 1e-3);
    }
}

TEST(Lettering, FitsTheRoomItIsGivenOrFailsWithoutAFont) {
    for (auto [width, height] : {std::pair{200, 40}, std::pair{60, 40}, std::pair{300, 12}}) {
        const std::optional<assetgen::Lettering> words =
            assetgen::SetLetteringToFit(ASSETGEN_LETTERING_FONT_FILE, "GRAVELRIDER", width, height);
        ASSERT_TRUE(words.has_value());
        EXPECT_LE(words->Width(), width);
        EXPECT_LE(words->Height(), height);
        // As large as fits: one of the two sides nearly fills its room.
        EXPECT_TRUE(words->Width() > width * 0.8 || words->Height() > height * 0.8);
    }
    const std::filesystem::path not_a_font = std::filesystem::temp_directory_path() / "not-a-font.ttf";
    std::ofstream(not_a_font) << "no glyphs here";
    EXPECT_FALSE(assetgen::SetLetteringToFit(not_a_font, "SHOP", 100, 20).has_value());
}

}  // namespace
}  // namespace game_assets_test
