// Prism3D: the 3D renderer. It holds the mesh objects of the 4095 object
// slots and the state of the 3D scene: the object transform (movement,
// scaling and up to 16 rotations), the camera matrix, the bump light and the
// auto-normal mode of built objects. It draws into the display's OpenGL
// context between the start of a frame and SHOWSCREEN.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "gfx3d/mesh_object_x.h"
#include "gfx3d/triangle_flusher.h"

class Prism3D {
public:
    static constexpr int kObjectSlots = 4095;
    static constexpr int kMaxRotations = 16;

    struct Rotation {
        float angle;  // degrees
        float x, y, z;
    };

    Prism3D() = default;
    virtual ~Prism3D() = default;
    Prism3D(const Prism3D&) = delete;
    Prism3D& operator=(const Prism3D&) = delete;

    // Object numbers are slots 0 to 4094; operations on any other number do nothing.
    static bool IsObjectSlot(int n) { return n >= 0 && n < kObjectSlots; }

    std::array<MeshObjectX, kObjectSlots> objects;
    std::int32_t rotationCount = 0;
    std::array<Rotation, kMaxRotations> rotations{};
    float scaling[3] = {1, 1, 1};
    float translation[3] = {0, 0, 0};
    float cameraMatrix[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    bool bumpLightOn = false;
    float bumpLightPosition[3] = {0, 0, 0};
    float bumpLightColour[3] = {0, 0, 0};
    std::int32_t autoNormalMode = 2;  // built objects: 0 no normals, 1 per vertex, 2 smoothed
    std::int32_t buildSlot = -1;      // the object being built, -1 when none
    TriangleFlusher flusher;

    // The camera: the model-view matrix becomes the view from (x, y, z) to
    // (tx, ty, tz) and is kept as the camera matrix; depth testing goes on,
    // the object transform is reset and culling is switched off.
    void SetCamera(float x, float y, float z, float tx, float ty, float tz);
    // Movement and scaling clear the rotations, so a program sets them first.
    void SetTranslation(float x, float y, float z);
    void SetScaling(float x, float y, float z);
    // Adds a rotation while fewer than 16 are set; a vertex turns by the
    // rotations in the order they were added.
    void SetRotation(float angle, float x, float y, float z);
    // Multiplies the current matrix by the object transform: a vertex is
    // scaled, then rotated, then moved.
    void ApplyObjectTransform() const;

    // 0 no culling; 1 clockwise front faces; -1 counter-clockwise front faces.
    void CullMode(int mode);
    // Lights 0 to 7 (the number taken modulo 8). Colours are red + green * 256 + blue * 65536.
    void AmbientLt(int n, std::uint32_t colour);
    // Light -1 is the bump light of bump-mapped drawing. Otherwise cut-off 0
    // switches the light off, 360 makes a point light, 180 a light shining
    // along (dx, dy, dz) from far away, anything else a spot light. With
    // `debug` the light's place and direction are drawn.
    void SpotLt(int n, std::uint32_t colour, float x, float y, float z, float dx, float dy, float dz,
                float cut_off, bool debug);
    // Red, green and blue arrows 100 units long along +x, +y and +z from (x, y, z).
    void DrawCoordAxis(float x, float y, float z) const;

    // Replaces slot n with the .ddd file and makes it drawable; false when it
    // does not load or frame 0 has no vertices.
    bool LoadObject(const std::string& path, int n);
    bool SaveObject(const std::string& path, int n);
    // Records frame 0 of slot n as the slot's display list.
    void PreRenderObject(int n);
    // Draws slot n under the object transform: between frames `from` and `to`
    // (see ChooseFrameBlend), bump-mapped while the bump light is on.
    void RenderMD2(int n, int from, int to, double t, bool interpolate);
    // Draws one frame of slot n; a frame the object lacks draws nothing.
    void RenderObject(int n, int frame);
    // Whether a sphere (centre in world coordinates) touches the frame's
    // triangles as the object would be drawn now.
    bool Collision(int n, int frame, double radius, float x, float y, float z);

    // Building slot n vertex by vertex (see user_object.h).
    void UserObjectStart(int n, int kind);
    void UserObjectNewGroup(int kind);
    void UserObjectAddVertex(float x, float y, float z, float u, float v, std::uint32_t colour);
    void UserObjectEnd();

    // Empties every slot and deletes its OpenGL resources; called while the
    // display's context still exists.
    void FreeObjects();
};

// The renderer of the process.
extern Prism3D prism3D;
