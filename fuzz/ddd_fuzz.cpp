// Feeds arbitrary bytes to the .ddd reader. A file that loads must leave an
// object that every later step can work on, and whose saved form loads back
// to the same bytes; one that fails must leave the object empty.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "morvane.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MeshObject mesh;
    if (!mesh.LoadFromBytes(std::span(data, size))) {
        if (!mesh.frames.Empty() || !mesh.colours.Empty() || !mesh.u.Empty()) std::abort();
        return 0;
    }
    const std::vector<std::uint8_t> saved = mesh.SaveToBytes();
    MeshObject again;
    if (!again.LoadFromBytes(saved) || again.SaveToBytes() != saved) std::abort();

    mesh.CalcMaxRadius();
    mesh.AutoNormalsAfterCompression(true, true, true);
    if (mesh.frames.Empty()) return 0;
    const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    SphereTouchesFrame(mesh, 0, identity, {0, 0, 0}, 1);
    const FrameBlend blend = ChooseFrameBlend(mesh.frames.Count(), 0, mesh.frames.Count() - 1, 0.5, true);
    BlendWorkVertices(mesh, blend);
    SetBumpLightVectors(mesh, blend.b, {1, 2, 3});
    return 0;
}
