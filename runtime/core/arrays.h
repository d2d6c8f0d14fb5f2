// Arrays of numbers and of strings with one to eight dimensions, sized at run
// time by DIM and indexed with doubles. Every access is tested; a bad access
// ends the program with code 8 (never dimensioned) or 9 (index out of range).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <new>

#include "core/dynstr.h"
#include "core/program_end.h"

// The dimensions of an array and the arithmetic that turns indices into an
// element offset.
class ArrayShape {
public:
    static constexpr int kMaxDimensions = 8;
    using Extents = std::array<double, kMaxDimensions>;

    // Lays the shape out for DIM's size arguments and returns the element count
    // they ask for, or -1 when that count is beyond what an array can hold.
    std::int64_t Dimension(const Extents& sizes);

    // The element offset of the indices, ending the program on any bad index.
    std::int64_t Offset(const Extents& indices, bool has_storage) const {
        if (sizes_[0] == 0) FatalError(kErrorNotDimensioned);
        if (!has_storage) FatalError(kErrorIndex);
        for (double index : indices) {
            if (!(index >= 0)) FatalError(kErrorIndex);  // negative or not a number
        }
        std::int64_t offset = 0;
        for (int k = 0; k < kMaxDimensions; ++k) {
            // A dimension of size 0 (not in use, or sized below 1) admits index 0 only.
            const double limit = sizes_[k] != 0 ? sizes_[k] : 1;
            if (!(indices[k] < limit)) FatalError(kErrorIndex);
            offset += static_cast<std::int64_t>(indices[k]) * multipliers_[k];
        }
        return offset;
    }

    // The size of dimension k; 0 for k outside 0 to 7 or a dimension not in use.
    double Bound(double k) const;
    int DimensionCount() const { return dimension_count_; }

private:
    std::array<std::int64_t, kMaxDimensions> multipliers_{};  // multiplier 0 is 1 once dimensioned
    std::array<std::int32_t, kMaxDimensions> sizes_{};
    std::int32_t dimension_count_ = -1;
};

template <class Element>
class DimArray {
public:
    DimArray() = default;
    DimArray(const DimArray&) = delete;  // arrays are passed by reference, never copied
    DimArray& operator=(const DimArray&) = delete;

    Element& operator()(double i0 = 0, double i1 = 0, double i2 = 0, double i3 = 0, double i4 = 0,
                        double i5 = 0, double i6 = 0, double i7 = 0) {
        return storage_[shape_.Offset({i0, i1, i2, i3, i4, i5, i6, i7}, storage_ != nullptr)];
    }

    // Gives the array new dimensions; every element starts again as 0 or the
    // empty string. Ends the program with code 7 when the storage cannot be had.
    void Dimension(const ArrayShape::Extents& sizes) {
        storage_.reset();
        const std::int64_t count = shape_.Dimension(sizes);
        if (count < 0) FatalError(kErrorOutOfMemory);
        try {
            storage_.reset(new (std::nothrow) Element[static_cast<std::size_t>(count)]());
        } catch (const std::bad_alloc&) {
            storage_.reset();
        }
        if (!storage_) FatalError(kErrorOutOfMemory);
    }

    const ArrayShape& Shape() const { return shape_; }
    // The elements in storage order (the first index varies fastest); null
    // before the first DIM. For commands that read a whole array at once.
    const Element* Data() const { return storage_.get(); }

private:
    std::unique_ptr<Element[]> storage_;
    ArrayShape shape_;
};

using NumArray = DimArray<double>;
using StrArray = DimArray<DynStr>;

// Sizes a number array to d0 x d1 x ... (0 for the dimensions not used), every element 0.
void DIM(NumArray& array, double d0, double d1 = 0, double d2 = 0, double d3 = 0, double d4 = 0,
         double d5 = 0, double d6 = 0, double d7 = 0);
// Sizes a string array to d0 x d1 x ... (0 for the dimensions not used), every element empty.
void DIM(StrArray& array, double d0, double d1 = 0, double d2 = 0, double d3 = 0, double d4 = 0,
         double d5 = 0, double d6 = 0, double d7 = 0);

// The size of dimension k; 0 for k outside 0 to 7, a dimension not in use, or
// an array never dimensioned.
double BOUNDS(NumArray& array, double k);
// The size of dimension k of a string array, as for a number array.
double BOUNDS(StrArray& array, double k);
