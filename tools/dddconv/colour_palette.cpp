#include "colour_palette.h"

#include <cmath>
#include <set>

namespace dddconv {
namespace {

// Each channel rounded to one of `levels` evenly spaced values from 0 to 255.
std::uint32_t Coarser(std::uint32_t colour, int levels) {
    std::uint32_t result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const double step = 255.0 / (levels - 1);
        const double channel = std::round(std::round(((colour >> shift) & 0xFF) / step) * step);
        result |= static_cast<std::uint32_t>(channel) << shift;
    }
    return result;
}

std::set<std::uint32_t> DistinctColours(const Queue<POLY_NODE>& vertices, int levels) {
    std::set<std::uint32_t> colours;
    for (const POLY_NODE& vertex : vertices)
        colours.insert(levels > 255 ? vertex.colour : Coarser(vertex.colour, levels));
    return colours;
}

}  // namespace

ColourCounts FitColours(MeshObject& object) {
    if (object.frames.Empty()) return {0, 0};
    // Every frame has the same colours, so frame 0 stands for all.
    const Queue<POLY_NODE>& first = object.frames[0].raw;
    const int before = static_cast<int>(DistinctColours(first, 256).size());
    int levels = 256;
    while (static_cast<int>(DistinctColours(first, levels).size()) > kMostColours && levels > 2)
        levels = levels / 2 + 1;  // 129, 65, 33, 17, 9, 5, 3, 2: two levels give 8 colours
    if (levels == 256) return {before, before};
    for (POLY_FRAME& frame : object.frames) {
        for (POLY_NODE& vertex : frame.raw)
            vertex.colour = Coarser(vertex.colour, levels);
    }
    return {before, static_cast<int>(DistinctColours(first, levels).size())};
}

}  // namespace dddconv
