// Models written here (an OBJ cube, a glTF square sliding on a node or a bone), converted and drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "colour_palette.h"
#include "gfx3d/scene_fixture.h"
#include "object_texture.h"
#include "support/bitmap_writer.h"

namespace {

// The exit code and the output, standard output and error together.
std::pair<int, std::string> RunDddconv(const std::string& arguments) {
    const int status = std::system(
        ("cd '" + TempPath("") + "' && '" DDDCONV_PROGRAM "' " + arguments + " > run.txt 2>&1").c_str());
    std::stringstream output;
    output << std::ifstream(TempPath("run.txt")).rdbuf();
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output.str()};
}

void WriteText(const std::string& name, const std::string& text) {
    std::ofstream(TempPath(name), std::ios::binary) << text;
}

// A cube of side 2 about the origin, each face showing the whole texture.
void WriteCube(const std::string& texture) {
    WriteText("cube.mtl", "newmtl skin\nKd 1 1 1\nmap_Kd " + texture + "\n");
    WriteText("cube.obj",
              "mtllib cube.mtl\n"
              "v -1 -1 1\nv 1 -1 1\nv 1 1 1\nv -1 1 1\nv -1 -1 -1\nv 1 -1 -1\nv 1 1 -1\nv -1 1 -1\n"
              "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nusemtl skin\n"
              "f 1/1 2/2 3/3 4/4\nf 6/1 5/2 8/3 7/4\nf 5/1 1/2 4/3 8/4\n"
              "f 2/1 6/2 7/3 3/4\nf 4/1 3/2 7/3 8/4\nf 5/1 6/2 2/3 1/4\nl 1 2\n");
}

std::string Floats(std::initializer_list<float> values) {
    return std::string(reinterpret_cast<const char*>(values.begin()), values.size() * sizeof(float));
}

// A green square of side 2 facing +z, which an animation of one second slides from
// x = 0 to x = 3: the square's own node moves, or the one bone its vertices hang on.
void WriteSlidingSquare(bool on_a_bone) {
    std::string buffer, views, accessors;
    int view = 0;
    for (const auto& [accessor, bytes] : std::vector<std::pair<std::string, std::string>>{
             {R"("componentType": 5126, "count": 4, "type": "VEC3", "min": [-1, -1, 0], "max": [1, 1, 0])",
              Floats({-1, -1, 0, 1, -1, 0, 1, 1, 0, -1, 1, 0})},
             {R"("componentType": 5126, "count": 4, "type": "VEC4")",
              Floats({0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1})},
             {R"("componentType": 5123, "count": 6, "type": "SCALAR")",
              std::string("\0\0\1\0\2\0\0\0\2\0\3\0", 12)},
             {R"("componentType": 5126, "count": 2, "type": "SCALAR", "min": [0], "max": [1])",
              Floats({0, 1})},
             {R"("componentType": 5126, "count": 2, "type": "VEC3")", Floats({0, 0, 0, 3, 0, 0})},
             {R"("componentType": 5126, "count": 1, "type": "MAT4")",
              Floats({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1})},
             {R"("componentType": 5121, "count": 4, "type": "VEC4")", std::string(16, '\0')},
             {R"("componentType": 5126, "count": 4, "type": "VEC4")",
              Floats({1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0})}}) {
        const std::string separator = views.empty() ? "" : ", ";
        accessors += separator + R"({"bufferView": )" + std::to_string(view++) + ", " + accessor + "}";
        views += separator + R"({"buffer": 0, "byteOffset": )" + std::to_string(buffer.size()) +
                 R"(, "byteLength": )" + std::to_string(bytes.size()) + "}";
        buffer += bytes;
    }
    WriteText("square.bin", buffer);
    std::string gltf = R"({"asset": {"version": "2.0"}, "scene": 0, "scenes": [{"nodes": [0, 1]}],
  "nodes": [{"name": "square", "mesh": 0 SKIN}, {"name": "bone"}], "skins": [{"joints": [1], "inverseBindMatrices": 5}],
  "meshes": [{"primitives": [{"attributes": {"POSITION": 0, "COLOR_0": 1 JOINTS}, "indices": 2}]}],
  "buffers": [{"byteLength": SIZE, "uri": "square.bin"}], "bufferViews": [VIEWS], "accessors": [ACCESSORS],
  "animations": [{"name": "slide", "channels": [{"sampler": 0, "target": {"node": NODE, "path": "translation"}}],
    "samplers": [{"input": 3, "output": 4, "interpolation": "LINEAR"}]}]})";
    for (const auto& [key, value] : std::vector<std::pair<std::string, std::string>>{
             {"SKIN", on_a_bone ? R"(, "skin": 0)" : ""},
             {"JOINTS", on_a_bone ? R"(, "JOINTS_0": 6, "WEIGHTS_0": 7)" : ""},
             {"SIZE", std::to_string(buffer.size())},
             {"VIEWS", views},
             {"ACCESSORS", accessors},
             {"NODE", on_a_bone ? "1" : "0"}})
        gltf.replace(gltf.find(key), key.size(), value);
    WriteText("square.gltf", gltf);
}

TEST_F(Scene, ConvertedObjCubeDrawsItsTextureUprightAndGltfAnimationsBecomeFramesScaledOnANodeOrABone) {
    // 12 x 6 pixels, its quarters red, green (top) and blue, white (bottom).
    ASSERT_TRUE(WriteImage(TempPath("quarters.png"),
                           {12, 6,
                            [](int x, int y) {
                                if (y < 3) return x < 6 ? TestRgba{255, 0, 0, 255} : TestRgba{0, 255, 0, 255};
                                return x < 6 ? TestRgba{0, 0, 255, 255} : TestRgba{255, 255, 255, 255};
                            }},
                           TestFormat::kPng));
    WriteCube("quarters.png");
    const auto [code, output] = RunDddconv("cube.obj cube.ddd");
    ASSERT_EQ(code, 0) << output;
    for (const char* says : {"wrote cube.ddd: 1 frame, 12 triangles", "resized from 12 x 6 to 16 x 8",
                             "dropped 1 point or line"})
        EXPECT_NE(output.find(says), std::string::npos) << output;
    X_LOADOBJ(TempPath("cube.ddd").c_str(), 20);
    LOADSPRITE(TempPath("cube.bmp").c_str(), 20);
    X_SETTEXTURE(20, -1);
    X_CULLMODE(1);  // the faces turned away are left out: the front shows
    X_DRAWOBJ(20, 0);
    X_CULLMODE(0);
    X_SETTEXTURE(-1, -1);
    // The front face (z = 1) covers about 27 pixels a unit around the centre.
    ExpectPixels(
        {{307, 227, kRed}, {333, 227, kGreen}, {307, 253, kBlue}, {333, 253, kWhite}, {360, 240, kBlack}});

    for (bool on_a_bone : {false, true}) {
        SCOPED_TRACE(on_a_bone ? "on a bone" : "on its node");
        WriteSlidingSquare(on_a_bone);
        const auto [code, output] = RunDddconv("--frames 3 square.gltf square.ddd");
        ASSERT_EQ(code, 0) << output;
        EXPECT_NE(output.find("wrote square.ddd: 3 frames, 2 triangles, 1 colour"), std::string::npos)
            << output;
        X_LOADOBJ(TempPath("square.ddd").c_str(), 21);
        for (int frame = 0; frame < 3; ++frame) {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            X_DRAWOBJ(21, frame);
            const double x = 1.5 * frame;  // where the square's centre is in this frame
            EXPECT_EQ(PixelAt(ScreenX(x), ScreenY(0.5)), kGreen) << frame;
            EXPECT_EQ(PixelAt(ScreenX(x - 1.2), ScreenY(0)), kBlack) << frame;
            EXPECT_EQ(PixelAt(ScreenX(x + 1.2), ScreenY(0)), kBlack) << frame;
        }
    }
    WriteSlidingSquare(false);  // the scale multiplies every position
    ASSERT_EQ(RunDddconv("--frames 1 --scale 2 square.gltf big.ddd").first, 0);
    X_LOADOBJ(TempPath("big.ddd").c_str(), 22);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    X_DRAWOBJ(22, 0);
    ExpectPixels({{ScreenX(1.8), ScreenY(1.8), kGreen}, {ScreenX(2.2), ScreenY(0), kBlack}});
}

TEST(DddconvInput, BadInputIsNamedAndNothingIsWrittenAndNumbersNotFiniteBecomeZero) {
    WriteText("junk.fbx", "this is no model at all\n");
    WriteText("lines.obj", "v 0 0 0\nv 1 0 0\nl 1 2\n");
    WriteCube("missing.png");
    for (const auto& [arguments, exit_code, says] : std::vector<std::tuple<const char*, int, const char*>>{
             {"missing.obj out.ddd", 1, "dddconv: missing.obj does not exist"},
             {"junk.fbx out.ddd", 1, "dddconv: junk.fbx cannot be read as a model: "},
             {"lines.obj out.ddd", 1, "dddconv: lines.obj holds no triangles to convert (an empty scene)"},
             {"cube.obj no/such/out.ddd", 1,
              "dddconv: no/such/out.ddd cannot be written: there is no folder no/such"},
             {"--scale -2 cube.obj out.ddd", 2, "dddconv: --scale needs a number above 0"},
             {"--frames 1.5 cube.obj out.ddd", 2, "dddconv: --frames needs a whole number from 1 to 256"},
             {"cube.obj out.obj", 2, "dddconv: the output file's name must end in .ddd"},
             {"cube.obj", 2, "dddconv: a model file and an output file are needed"}}) {
        SCOPED_TRACE(arguments);
        std::filesystem::remove(TempPath("out.ddd"));
        const auto [code, output] = RunDddconv(arguments);
        EXPECT_EQ(code, exit_code);
        EXPECT_EQ(output.rfind(says, 0), 0u) << output;
        EXPECT_FALSE(std::filesystem::exists(TempPath("out.ddd")));
    }
    const auto [code, output] = RunDddconv("cube.obj out.ddd");  // a texture not there is dropped
    EXPECT_EQ(code, 0);
    EXPECT_NE(output.find("dropped the texture missing.png: there is no such file beside the model"),
              std::string::npos)
        << output;
    EXPECT_TRUE(std::filesystem::exists(TempPath("out.ddd")) &&
                !std::filesystem::exists(TempPath("out.bmp")));
    WriteText("odd.obj", "v nan inf 0\nv 1 0 0\nv 0 1 0\nvt nan 0\nf 1/1 2/1 3/1\n");  // not finite: zero
    ASSERT_EQ(RunDddconv("odd.obj odd.ddd").first, 0);
    MeshObject object;
    ASSERT_TRUE(object.Load(TempPath("odd.ddd")));
    ASSERT_EQ(object.frames.Count(), 1);
    const Vec3 first = UnpackPosition(object.frames[0], object.frames[0].packed[0]);
    EXPECT_TRUE(std::abs(first.x) < 0.01 && std::abs(first.y) < 0.01) << first.x << ", " << first.y;
    EXPECT_TRUE(std::all_of(object.u.begin(), object.u.end(), [](float u) { return std::isfinite(u); }));
}

TEST(DddconvFitting, TooManyColoursBecomeFewerWithBlackAndWhiteKeptAndTextureSidesPowersOfTwo) {
    for (int count : {200, 4000}) {
        MeshObject object;
        object.frames.Add(POLY_FRAME{});
        for (int i = 0; i < count; ++i) {
            POLY_NODE vertex{};
            vertex.colour = i == 0 ? 0 : i == 1 ? 0xFFFFFF : static_cast<std::uint32_t>(i * 4099);
            object.frames[0].raw.Add(vertex);
        }
        const dddconv::ColourCounts counts = dddconv::FitColours(object);
        std::set<std::uint32_t> colours;
        for (const POLY_NODE& vertex : object.frames[0].raw)
            colours.insert(vertex.colour);
        EXPECT_EQ(std::pair(counts.before, counts.after), std::pair(count, static_cast<int>(colours.size())));
        EXPECT_LE(counts.after, dddconv::kMostColours);
        EXPECT_EQ(count <= dddconv::kMostColours, counts.after == count);
        EXPECT_TRUE(colours.contains(0) && colours.contains(0xFFFFFF));
    }
    for (const auto& [size, side] : {std::pair{1, 1}, {5, 4}, {6, 8}, {12, 16}, {9000, 2048}})
        EXPECT_EQ(dddconv::NearestPowerOfTwo(size), side) << size;
}

}  // namespace
