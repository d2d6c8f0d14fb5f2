#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "morvane.h"
#include "support/error_log_lines.h"
#include "support/program_end.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Arrays, FirstIndexVariesFastestAndIndicesAreTruncated) {
    NumArray a;
    DIM(a, 3, 4);
    for (int j = 0; j < 4; ++j) {
        for (int i = 0; i < 3; ++i)
            a(i, j) = i + 3 * j;
    }
    EXPECT_EQ(a(2.9, 3.9), 11);  // the last element
    EXPECT_EQ(a(1, 2), 7);
    EXPECT_EQ(a.Shape().DimensionCount(), 2);
    EXPECT_EQ(BOUNDS(a, 2), 0);

    NumArray cube;
    DIM(cube, 2, 3, 4, 0, 0, 0, 0, 5);
    cube(1, 2, 3, 0, 0, 0, 0, 4) = 7;
    EXPECT_EQ(cube(1, 2, 3, 0, 0, 0, 0, 4), 7);
    EXPECT_EQ(cube.Shape().DimensionCount(), 8);
    EXPECT_EQ(BOUNDS(cube, 7), 5);
}

TEST(Arrays, SizesBelowOneAndFractionalSizes) {
    NumArray single;
    DIM(single, 0);
    EXPECT_EQ(BOUNDS(single, 0), 1);
    EXPECT_EQ(single.Shape().DimensionCount(), 1);
    EXPECT_EQ(single(0), 0.0);

    NumArray fractional;
    DIM(fractional, 2.5, 2.5);  // room for 6 elements, indices 0 to 1 in each dimension
    fractional(1, 1) = 3;
    EXPECT_EQ(fractional(1, 1), 3);
    EXPECT_EQ(BOUNDS(fractional, 0), 2);

    // A size between 0 and 1 for a later dimension counts for the dimension
    // count but holds index 0 only; the elements stay distinct.
    NumArray thin;
    DIM(thin, 2, 0.5, 3);
    EXPECT_EQ(thin.Shape().DimensionCount(), 3);
    thin(1, 0, 2) = 5;
    EXPECT_EQ(thin(1, 0, 0), 0.0);
    EXPECT_EQ(thin(1, 0, 2), 5);
}

TEST(Arrays, BoundsOutsideTheDimensionsIsZero) {
    NumArray never;
    EXPECT_EQ(BOUNDS(never, 0), 0);
    NumArray a;
    DIM(a, 4, 5);
    EXPECT_EQ(BOUNDS(a, -1), 0);
    EXPECT_EQ(BOUNDS(a, 8), 0);
    EXPECT_EQ(BOUNDS(a, kNaN), 0);
    EXPECT_EQ(BOUNDS(a, 1.7), 5);
    EXPECT_EQ(BOUNDS(a, -0.5), 4);  // truncates to dimension 0
}

TEST(Arrays, SecondDimClearsEveryElementAndStringElementsAreIndependent) {
    NumArray a;
    DIM(a, 3);
    a(2) = 9;
    DIM(a, 5);
    EXPECT_EQ(a(2), 0.0);
    EXPECT_EQ(BOUNDS(a, 0), 5);

    StrArray s;
    DIM(s, 3, 2);
    s(1) = LitStr("one");
    s(2, 1) = s(1) + 2;
    s(1) += LitStr("!");
    EXPECT_STREQ(s(0).c_str(), "");
    EXPECT_STREQ(s(2, 1).c_str(), "one2");
    EXPECT_STREQ(s(1).c_str(), "one!");
    DIM(s, 2);
    EXPECT_STREQ(s(1).c_str(), "");
}

// Expects the statement to end the program with the code.
#define EXPECT_PROGRAM_ENDS_WITH_CODE(statement, code) \
    ExpectProgramEndsWithError(                        \
        code, [&] { statement; }, #statement)

TEST(ArraysDeathTest, AccessBeforeDimEndsWithCode8) {
    NumArray a;
    StrArray s;
    EXPECT_PROGRAM_ENDS_WITH_CODE(a(0), 8);
    EXPECT_PROGRAM_ENDS_WITH_CODE(s(0), 8);
    EXPECT_PROGRAM_ENDS_WITH_CODE(a(-1), 8);  // the dimension test comes first
}

TEST(ArraysDeathTest, EachBadIndexEndsWithCode9) {
    NumArray a;
    DIM(a, 10);
    EXPECT_PROGRAM_ENDS_WITH_CODE(a(10), 9);
    EXPECT_PROGRAM_ENDS_WITH_CODE(a(-0.5), 9);
    EXPECT_PROGRAM_ENDS_WITH_CODE(a(kNaN), 9);
    EXPECT_PROGRAM_ENDS_WITH_CODE(a(1e300), 9);

    NumArray grid;
    DIM(grid, 3, 4);
    EXPECT_PROGRAM_ENDS_WITH_CODE(grid(3, 0), 9);
    EXPECT_PROGRAM_ENDS_WITH_CODE(grid(0, 4), 9);
    EXPECT_PROGRAM_ENDS_WITH_CODE(grid(0, 0, 1), 9);  // beyond the array's dimensions
    EXPECT_PROGRAM_ENDS_WITH_CODE(grid(0, 0, 0, 0, 0, 0, 0, -1), 9);

    NumArray thin;
    DIM(thin, 2, 0.5);
    EXPECT_PROGRAM_ENDS_WITH_CODE(thin(0, 1), 9);  // a size between 0 and 1 holds index 0 only

    NumArray negative;
    DIM(negative, 2, -3);
    EXPECT_PROGRAM_ENDS_WITH_CODE(negative(0, 0), 9);

    StrArray s;
    DIM(s, 2);
    EXPECT_PROGRAM_ENDS_WITH_CODE(s(2), 9);
}

TEST(ArraysDeathTest, DimBeyondMemoryEndsWithCode7) {
    NumArray a;
    EXPECT_PROGRAM_ENDS_WITH_CODE(DIM(a, 1e6, 1e6, 1e6), 7);
    StrArray s;
    EXPECT_PROGRAM_ENDS_WITH_CODE(DIM(s, 1e10), 7);
}

TEST(ArraysDeathTest, TheErrorRecordNamesTheLine) {
    NumArray a;
    DIM(a, 2);
    DeleteErrorLog();
    EXPECT_EXIT(
        {
            __QV_DEBUG = 1;
            dLn(0, 120);
            a(5);
        },
        testing::ExitedWithCode(0), "");
    EXPECT_EQ(ErrorLogLines(), (std::vector<std::string>{"-End On Line", "9", "120", "120", "0"}));
}

}  // namespace
