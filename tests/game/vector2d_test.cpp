#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "game_state.h"

namespace game_test {
namespace {

void SetVec(NumArray& v, double x, double y) {
    DIM(v, 2);
    v(0) = x;
    v(1) = y;
}

TEST(Vector2D, LengthDotAndCrossWithTheirSigns) {
    NumArray a, b;
    SetVec(a, 3, 4);
    EXPECT_EQ(VecLen2D(a), 5);
    SetVec(b, -2, 1);
    EXPECT_EQ(Dot2D(a, b), -2);
    EXPECT_EQ(Cross2D(a, b), 11);

    SetVec(a, 1, 0);
    SetVec(b, 0, 1);
    EXPECT_EQ(Cross2D(a, b), 1);  // b counter-clockwise of a
    EXPECT_EQ(Cross2D(b, a), -1);
}

TEST(Vector2D, AngleIsUnsignedAndZeroForAVectorWithoutLength) {
    NumArray a, b;
    SetVec(a, 1, 0);
    SetVec(b, 1, 1);
    EXPECT_NEAR(Angle2D(a, b), 45, 1e-7);
    SetVec(b, 1, -1);
    EXPECT_NEAR(Angle2D(a, b), 45, 1e-7);
    SetVec(b, -2, 0);
    EXPECT_EQ(Angle2D(a, b), 180);
    SetVec(b, 0, 0);
    EXPECT_EQ(Angle2D(a, b), 0);
    EXPECT_EQ(Angle2D(b, a), 0);

    // Parallel vectors whose cosine rounds past 1 still give an angle.
    SetVec(a, 0.1, 0.3);
    SetVec(b, 0.3, 0.9);
    const double angle = Angle2D(a, b);
    EXPECT_FALSE(std::isnan(angle));
    EXPECT_NEAR(angle, 0, 1e-5);
}

TEST(Vector2D, UnifyAndScaleInPlace) {
    NumArray v;
    SetVec(v, 3, -4);
    UnifyVertex2D(v);
    EXPECT_DOUBLE_EQ(v(0), 0.6);
    EXPECT_DOUBLE_EQ(v(1), -0.8);

    SetVec(v, 0, 0);
    UnifyVertex2D(v);
    EXPECT_EQ(v(0), 1);
    EXPECT_EQ(v(1), 0);

    SetVec(v, 2, -3);
    ScaleVec2D(v, 0);  // a factor of 0 leaves the vector as it was
    EXPECT_EQ(v(0), 2);
    EXPECT_EQ(v(1), -3);
    ScaleVec2D(v, -1.5);
    EXPECT_EQ(v(0), -3);
    EXPECT_EQ(v(1), 4.5);
}

TEST(Vector2D, SplitGivesThePartsAlongAndAcrossTheDirection) {
    NumArray v, b, c;
    SetVec(v, 3, 4);
    SetVec(b, 1, 0);
    SetVec(c, 99, -99);  // the entry value of c is ignored
    SplitVertex2D(v, b, c);
    EXPECT_NEAR(b(0), 3, 1e-8);
    EXPECT_NEAR(b(1), 0, 1e-8);
    EXPECT_NEAR(c(0), 0, 1e-8);
    EXPECT_NEAR(c(1), 4, 1e-8);
    EXPECT_EQ(v(0), 3);
    EXPECT_EQ(v(1), 4);

    // For any direction the parts are perpendicular and add up to v.
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(-10, 10);
    for (int k = 0; k < 200; ++k) {
        SetVec(v, value(random), value(random));
        SetVec(b, value(random), value(random));
        SplitVertex2D(v, b, c);
        EXPECT_NEAR(b(0) + c(0), v(0), 1e-6);
        EXPECT_NEAR(b(1) + c(1), v(1), 1e-6);
        EXPECT_NEAR(Dot2D(b, c), 0, 1e-5);
    }
}

}  // namespace
}  // namespace game_test
