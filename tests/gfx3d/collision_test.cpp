#include <gtest/gtest.h>

#include "gfx3d/mesh_test_objects.h"

namespace {

// A right triangle in the z = 0 plane.
const Vec3 kTriangle[3] = {{0, 0, 0}, {0, 4, 0}, {4, 0, 0}};

TEST(SpherePolygon, CentreOnThePlaneInsideTheTriangleHits) {
    EXPECT_TRUE(SpherePolygonCollision(kTriangle, {1, 1, 0}, 0.001));
    EXPECT_TRUE(SpherePolygonCollision(kTriangle, {1, 1, 0.5}, 0.6));
    EXPECT_FALSE(SpherePolygonCollision(kTriangle, {1, 1, 0.5}, 0.4));
}

TEST(SpherePolygon, ASphereOutsideTheOutlineHitsOnlyThroughAnEdge) {
    // Beyond the hypotenuse x + y = 4: 0.354 from it.
    EXPECT_TRUE(SpherePolygonCollision(kTriangle, {2.25, 2.25, 0}, 0.5));
    EXPECT_FALSE(SpherePolygonCollision(kTriangle, {2.25, 2.25, 0}, 0.3));
    // Near a corner, past both its edges.
    EXPECT_TRUE(SpherePolygonCollision(kTriangle, {-0.3, -0.3, 0.1}, 0.5));
    EXPECT_FALSE(InsidePolygon({2.25, 2.25, 0}, kTriangle));
    EXPECT_TRUE(InsidePolygon({0, 2, 0}, kTriangle));  // on an edge counts as inside
}

TEST(SpherePolygon, ASphereJustTouchingThePlaneCountsAsBehind) {
    double distance = 0;
    EXPECT_EQ(ClassifySphere({1, 1, 2}, {0, 0, 1}, kTriangle[0], 2, distance), kSphereBehind);
    EXPECT_EQ(distance, 2);
    EXPECT_EQ(ClassifySphere({1, 1, 2.5}, {0, 0, 1}, kTriangle[0], 2, distance), kSphereInFront);
    EXPECT_EQ(ClassifySphere({1, 1, -1.5}, {0, 0, 1}, kTriangle[0], 2, distance), kSphereIntersects);
    EXPECT_EQ(distance, -1.5);
    EXPECT_FALSE(SpherePolygonCollision(kTriangle, {1, 1, -2}, 2));
    EXPECT_FALSE(SpherePolygonCollision(kTriangle, {1, 1, 2}, 2));
}

TEST(SpherePolygon, DegenerateTrianglesAreDecidedByTheirOutline) {
    const Vec3 line[3] = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}};
    EXPECT_TRUE(SpherePolygonCollision(line, {0.5, 0, 0}, 0.1));
    EXPECT_TRUE(SpherePolygonCollision(line, {1, 0.5, 0}, 0.6));
    EXPECT_FALSE(SpherePolygonCollision(line, {1, 5, 0}, 1));
    const Vec3 point[3] = {{1, 1, 1}, {1, 1, 1}, {1, 1, 1}};
    EXPECT_TRUE(SpherePolygonCollision(point, {1, 1.5, 1}, 0.6));
    EXPECT_FALSE(SpherePolygonCollision(point, {1, 2, 1}, 0.6));
    EXPECT_FALSE(SpherePolygonCollision(std::span(kTriangle, 2), {1, 0, 0}, 1));
}

TEST(EdgeSphere, TheClosestPointIsClampedToTheSegment) {
    const Vec3 segment_like[3] = {{0, 0, 0}, {10, 0, 0}, {10, 0, 0}};
    EXPECT_FALSE(EdgeSphereCollision({-1.5, 0, 0}, segment_like, 1.5));  // exactly radius: no hit
    EXPECT_TRUE(EdgeSphereCollision({-1.4, 0, 0}, segment_like, 1.5));
    EXPECT_TRUE(EdgeSphereCollision({5, 1, 0}, segment_like, 1.5));
}

class MeshCollision : public testing::Test {
protected:
    // A ground square of side 10 centred on the origin, as a strip of two triangles.
    MeshCollision() {
        mesh_ = BuiltObject({{{-5, 0, -5}, {5, 0, -5}, {-5, 0, 5}, {5, 0, 5}}});
        mesh_.PrepareTriangles();
    }
    MeshObject mesh_;
    float identity_[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
};

TEST_F(MeshCollision, ASphereTouchingTheSquareHitsAndOneAboveItDoesNot) {
    EXPECT_TRUE(SphereTouchesFrame(mesh_, 0, identity_, {2, 0.5, 3}, 1));
    EXPECT_FALSE(SphereTouchesFrame(mesh_, 0, identity_, {2, 1.5, 3}, 1));
    // Past the square's edge, but within reach of it.
    EXPECT_TRUE(SphereTouchesFrame(mesh_, 0, identity_, {5.5, 0.2, 0}, 1));
}

TEST_F(MeshCollision, TheMatrixPlacesTheObject) {
    float moved[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 100, 0, 0, 1};
    EXPECT_FALSE(SphereTouchesFrame(mesh_, 0, moved, {2, 0.5, 3}, 1));
    EXPECT_TRUE(SphereTouchesFrame(mesh_, 0, moved, {102, 0.5, 3}, 1));
    // Scaled up three times, the square reaches a sphere beyond its own radius.
    float scaled[16] = {3, 0, 0, 0, 0, 3, 0, 0, 0, 0, 3, 0, 0, 0, 0, 1};
    EXPECT_TRUE(SphereTouchesFrame(mesh_, 0, scaled, {13, 0.5, 13}, 1));
    EXPECT_EQ(TransformPoint(moved, {1, 2, 3}).x, 101);
}

TEST_F(MeshCollision, MissingFramesAndEmptyTriangleListsNeverHit) {
    EXPECT_FALSE(SphereTouchesFrame(mesh_, 1, identity_, {0, 0, 0}, 100));
    EXPECT_FALSE(SphereTouchesFrame(mesh_, -1, identity_, {0, 0, 0}, 100));
    MeshObject two = BuiltObject({NumberedVertices(2)});
    two.PrepareTriangles();
    EXPECT_FALSE(SphereTouchesFrame(two, 0, identity_, {0, 0, 0}, 100));
    EXPECT_FALSE(SphereTouchesFrame(MeshObject(), 0, identity_, {0, 0, 0}, 100));
}

}  // namespace
