#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "morvane.h"
#include "support/program_end.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Arrays, LayoutBoundsAndRedim) {
    NumArray a;
    DIM(a, 3, 4);
    for (int j = 0; j < 4; ++j) {
        for (int i = 0; i < 3; ++i)
            a(i, j) = i + 3 * j;
    }
    EXPECT_EQ(a(2.9, 3.9), 11);  // first index fastest, indices truncated
    EXPECT_EQ(a(1, 2), 7);
    EXPECT_EQ(a.Shape().DimensionCount(), 2);
    const std::pair<double, double> bounds[] = {{1.7, 4}, {-0.5, 3}, {2, 0}, {-1, 0}, {8, 0}, {kNaN, 0}};
    for (const auto& [dimension, size] : bounds)
        EXPECT_EQ(BOUNDS(a, dimension), size) << dimension;
    DIM(a, 5);
    EXPECT_EQ(a(2), 0.0);  // a second DIM clears
    DIM(a, 0);
    EXPECT_EQ(BOUNDS(a, 0), 1);

    NumArray thin;  // a size below 1 in a later dimension holds index 0; elements stay distinct
    DIM(thin, 2, 0.5, 3);
    thin(1, 0, 2) = 5;
    EXPECT_EQ(thin(1, 0, 0), 0.0);
    EXPECT_EQ(thin.Shape().DimensionCount(), 3);
    NumArray cube;
    DIM(cube, 2, 3, 4, 0, 0, 0, 0, 5);
    EXPECT_EQ(cube.Shape().DimensionCount(), 8);

    StrArray s;
    DIM(s, 3, 2);
    s(1) = LitStr("one");
    s(2, 1) = s(1) + 2;
    s(1) += LitStr("!");
    EXPECT_STREQ(s(0).c_str(), "");
    EXPECT_STREQ(s(2, 1).c_str(), "one2");
    EXPECT_STREQ(s(1).c_str(), "one!");
}

TEST(ArraysDeathTest, BadAccessEndsWithItsCode) {
    NumArray never, a, grid, thin, huge;
    StrArray s;
    DIM(a, 10);
    DIM(grid, 3, 4);
    DIM(thin, 2, 0.5);
    const struct {
        std::function<void()> access;
        int code;
    } cases[] = {
        {[&] { never(0); }, 8},      {[&] { s(0); }, 8},       {[&] { a(10); }, 9},
        {[&] { a(-0.5); }, 9},       {[&] { a(kNaN); }, 9},    {[&] { grid(3, 0); }, 9},
        {[&] { grid(0, 0, 1); }, 9}, {[&] { thin(0, 1); }, 9}, {[&] { DIM(huge, 1e6, 1e6, 1e6); }, 7}};
    for (std::size_t i = 0; i < std::size(cases); ++i)
        ExpectProgramEndsWithError(cases[i].code, cases[i].access, "case " + std::to_string(i));
}

}  // namespace
