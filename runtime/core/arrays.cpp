#include "core/arrays.h"

#include <cmath>
#include <limits>

#include "core/whole_number.h"

namespace {

// Arrays are addressed with 32-bit sizes; a larger element count cannot be held.
constexpr double kMaxElements = std::numeric_limits<std::int32_t>::max();

int LastUsedDimension(const ArrayShape::Extents& sizes) {
    for (int k = ArrayShape::kMaxDimensions - 1; k > 0; --k) {
        if (sizes[k] != 0) return k;
    }
    return 0;
}

}  // namespace

std::int64_t ArrayShape::Dimension(const Extents& requested) {
    const double first = requested[0] >= 1 ? requested[0] : 1;
    double count = first;
    for (int k = 1; k < kMaxDimensions; ++k) {
        if (requested[k] >= 1) count *= requested[k];
    }
    count = std::trunc(count);
    if (!(count <= kMaxElements)) return -1;

    dimension_count_ = LastUsedDimension(requested) + 1;
    sizes_[0] = TruncToInt32(first);
    for (int k = 1; k < kMaxDimensions; ++k)
        sizes_[k] = TruncToInt32(requested[k]);
    // Dimensions without a positive size hold one index (0), so the offsets of
    // the elements stay distinct and inside the element count.
    multipliers_[0] = 1;
    for (int k = 1; k < kMaxDimensions; ++k) {
        multipliers_[k] = multipliers_[k - 1] * (sizes_[k - 1] > 0 ? sizes_[k - 1] : 1);
    }
    return static_cast<std::int64_t>(count);
}

double ArrayShape::Bound(double k) const {
    if (!(k > -1 && k < kMaxDimensions)) return 0;
    return sizes_[static_cast<int>(k)];
}

void DIM(NumArray& array, double d0, double d1, double d2, double d3, double d4, double d5, double d6,
         double d7) {
    array.Dimension({d0, d1, d2, d3, d4, d5, d6, d7});
}

void DIM(StrArray& array, double d0, double d1, double d2, double d3, double d4, double d5, double d6,
         double d7) {
    array.Dimension({d0, d1, d2, d3, d4, d5, d6, d7});
}

double BOUNDS(NumArray& array, double k) {
    return array.Shape().Bound(k);
}

double BOUNDS(StrArray& array, double k) {
    return array.Shape().Bound(k);
}
