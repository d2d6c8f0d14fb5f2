#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "game_state.h"

namespace game_test {
namespace {

NumArray& Vec(NumArray& v, double x, double y) {
    DIM(v, 2);
    v(0) = x;
    v(1) = y;
    return v;
}

TEST(Vector2D, LengthDotCrossAndAngle) {
    NumArray a, b;
    EXPECT_EQ(VecLen2D(Vec(a, 3, 4)), 5);
    EXPECT_EQ(Dot2D(a, Vec(b, -2, 1)), -2);
    EXPECT_EQ(Cross2D(a, b), 11);  // b counter-clockwise of a
    EXPECT_EQ(Cross2D(b, a), -11);
    for (const auto& [bx, by, angle] : {std::array{1.0, -1.0, 45.0}, {-2, 0, 180}, {0, 0, 0}})
        EXPECT_NEAR(Angle2D(Vec(a, 1, 0), Vec(b, bx, by)), angle, 1e-7) << bx << ", " << by;
    // Parallel vectors whose cosine rounds past 1 still give an angle.
    EXPECT_NEAR(Angle2D(Vec(a, 0.1, 0.3), Vec(b, 0.3, 0.9)), 0, 1e-5);
}

TEST(Vector2D, UnifyScaleAndSplit) {
    NumArray v, b, c;
    UnifyVertex2D(Vec(v, 3, -4));
    EXPECT_DOUBLE_EQ(v(0) - v(1), 1.4);
    UnifyVertex2D(Vec(v, 0, 0));  // no length: (1, 0)
    EXPECT_EQ(v(0) * 10 + v(1), 10);
    ScaleVec2D(Vec(v, 2, -3), 0);  // a factor of 0 leaves the vector as it was
    ScaleVec2D(v, -1.5);
    EXPECT_EQ(v(0) * 10 + v(1), -25.5);
    Vec(c, 99, -99);  // the entry value of c is ignored
    SplitVertex2D(Vec(v, 3, 4), Vec(b, 1, 0), c);
    const double parts[] = {b(0), b(1), c(0), c(1), v(0), v(1)};
    const double expected[] = {3, 0, 0, 4, 3, 4};
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(parts[i], expected[i], 1e-8) << i;
}

}  // namespace
}  // namespace game_test
