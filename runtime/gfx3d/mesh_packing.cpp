// Packing built vertices: positions quantised to a byte per axis over the
// frame's own range, normals to the nearest table entry, colours to an index
// into the object's colour table.
#include <algorithm>
#include <unordered_map>

#include "gfx3d/mesh_object.h"
#include "gfx3d/normal_table.h"

namespace {

// Finds colours in the table, adding the ones it lacks. A colour's index is the
// position of its first entry; only its low 8 bits fit a packed vertex, so a
// 257th colour shares index 0.
class ColourIndexer {
public:
    explicit ColourIndexer(Queue<std::uint32_t>& table) : table_(table) {
        for (std::int32_t i = 0; i < table.Count(); ++i)
            first_position_.try_emplace(table[i], i);
    }

    std::uint8_t IndexOf(std::uint32_t colour) {
        auto [entry, added] = first_position_.try_emplace(colour, table_.Count());
        if (added) table_.Add(colour);
        return static_cast<std::uint8_t>(entry->second & 0xFF);
    }

private:
    Queue<std::uint32_t>& table_;
    std::unordered_map<std::uint32_t, std::int32_t> first_position_;
};

// The smallest and largest value of one axis over a frame's vertices.
struct AxisRange {
    float low = 0;
    float high = 0;
};

// Markers carry no geometry and are left out; with no vertices the range is 0 to 0.
AxisRange RangeOfAxis(const Queue<POLY_NODE>& raw, int axis) {
    bool any = false;
    AxisRange range;
    for (const POLY_NODE& node : raw) {
        if (IsMarkerColour(node.colour)) continue;
        const float value = node.position[axis];
        range.low = any ? std::min(range.low, value) : value;
        range.high = any ? std::max(range.high, value) : value;
        any = true;
    }
    return range;
}

// Where a value falls in its axis's 256 steps: the range's low end is 0 and
// its high end 255; an axis with a single value steps by 1 from it. Worked out
// from the range itself rather than from the stored float step and offset,
// whose rounding would let the high end fall to 254.
double StepsFromLow(float value, const AxisRange& range) {
    const double width = static_cast<double>(range.high) - range.low;
    const double from_low = static_cast<double>(value) - range.low;
    return width > 0 ? from_low / width * 255 : from_low;
}

// The byte of one coordinate, truncated. Values past either end (a marker's
// zero position outside the range, or a coordinate that is not a number) are
// held at 0 or 255, so the conversion is always defined.
std::uint8_t QuantisedCoordinate(double steps) {
    if (steps < 255) return steps > 0 ? static_cast<std::uint8_t>(steps) : 0;
    return 255;
}

struct FrameQuantisation {
    AxisRange axes[3];
};

// Chooses each axis's range and stores the frame's step and offset, so that a
// byte b decodes to (b - offset) * scale.
FrameQuantisation ChooseQuantisation(POLY_FRAME& frame) {
    FrameQuantisation quantisation;
    for (int axis = 0; axis < 3; ++axis) {
        const AxisRange range = RangeOfAxis(frame.raw, axis);
        float scale = (range.high - range.low) / 255;
        if (scale == 0) scale = 1;
        frame.scale[axis] = scale;
        frame.offset[axis] = -range.low / scale;
        quantisation.axes[axis] = range;
    }
    return quantisation;
}

PACKED_NODE PackVertex(const FrameQuantisation& quantisation, const POLY_NODE& node,
                       std::uint8_t colour_index) {
    PACKED_NODE packed{};
    packed.x = QuantisedCoordinate(StepsFromLow(node.position[0], quantisation.axes[0]));
    packed.y = QuantisedCoordinate(StepsFromLow(node.position[1], quantisation.axes[1]));
    packed.z = QuantisedCoordinate(StepsFromLow(node.position[2], quantisation.axes[2]));
    packed.normal = NormalIndexOfDirection(FromFloats(node.normal));
    packed.colour = colour_index;
    return packed;
}

}  // namespace

void MeshObject::Compress() {
    u.Clear(true);
    v.Clear(true);
    ColourIndexer colour_indexer(colours);
    for (std::int32_t f = 0; f < frames.Count(); ++f) {
        POLY_FRAME& frame = frames[f];
        frame.packed.Clear(false);
        frame.packed.Reserve(frame.raw.Count());
        const FrameQuantisation quantisation = ChooseQuantisation(frame);
        if (f == 0) {
            u.Reserve(frame.raw.Count());
            v.Reserve(frame.raw.Count());
        }
        for (const POLY_NODE& node : frame.raw) {
            if (f == 0) {
                // Markers too, so texture entries line up with packed vertices.
                u.Add(node.u);
                v.Add(node.v);
            }
            frame.packed.Add(PackVertex(quantisation, node, colour_indexer.IndexOf(node.colour)));
        }
        frame.raw.Clear(false);
    }
    normalsValid = 0;
}
