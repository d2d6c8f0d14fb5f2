#include <gtest/gtest.h>

#include "gfx3d/mesh_test_objects.h"

namespace {

// A right triangle in the z = 0 plane.
const Vec3 kTriangle[3] = {{0, 0, 0}, {0, 4, 0}, {4, 0, 0}};

TEST(SpherePolygon, HitsThroughThePlaneInsideTheOutlineOrThroughAnEdge) {
    EXPECT_TRUE(SpherePolygonCollision(kTriangle, {1, 1, 0}, 0.001));  // centre on the plane, inside
    EXPECT_TRUE(SpherePolygonCollision(kTriangle, {1, 1, 0.5}, 0.6));
    EXPECT_FALSE(SpherePolygonCollision(kTriangle, {1, 1, 0.5}, 0.4));
    // Beyond the hypotenuse x + y = 4: 0.354 from it.
    EXPECT_TRUE(SpherePolygonCollision(kTriangle, {2.25, 2.25, 0}, 0.5));
    EXPECT_FALSE(SpherePolygonCollision(kTriangle, {2.25, 2.25, 0}, 0.3));
    EXPECT_TRUE(SpherePolygonCollision(kTriangle, {-0.3, -0.3, 0.1}, 0.5));  // near a corner
    EXPECT_TRUE(InsidePolygon({0, 2, 0}, kTriangle));                        // on an edge counts as inside
    // Exactly the radius from the plane counts as behind it.
    double distance = 0;
    EXPECT_EQ(ClassifySphere({1, 1, 2}, {0, 0, 1}, kTriangle[0], 2, distance), kSphereBehind);
    EXPECT_EQ(ClassifySphere({1, 1, -1.5}, {0, 0, 1}, kTriangle[0], 2, distance), kSphereIntersects);
    EXPECT_FALSE(SpherePolygonCollision(kTriangle, {1, 1, 2}, 2));
    EXPECT_FALSE(EdgeSphereCollision({-1.5, 0, 0}, kTriangle, 1.5));  // the edge test too
    EXPECT_TRUE(EdgeSphereCollision({-1.4, 0, 0}, kTriangle, 1.5));
    EXPECT_FALSE(EdgeSphereCollision({0, -1.6, 0}, kTriangle, 1.5));  // the edges end at the corners
}

TEST(SpherePolygon, DegenerateTrianglesAreDecidedByTheirOutlineAndFramesWithoutTrianglesNeverHit) {
    const Vec3 line[3] = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}};
    EXPECT_TRUE(SpherePolygonCollision(line, {0.5, 0, 0}, 0.1));
    EXPECT_TRUE(SpherePolygonCollision(line, {1, 0.5, 0}, 0.6));
    EXPECT_FALSE(SpherePolygonCollision(line, {1, 5, 0}, 1));
    EXPECT_FALSE(SpherePolygonCollision(std::span(kTriangle, 2), {1, 0, 0}, 1));
    const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    MeshObject two = BuiltObject({NumberedVertices(2)});
    two.PrepareTriangles();
    EXPECT_FALSE(SphereTouchesFrame(two, 0, identity, {0, 0, 0}, 100));
    EXPECT_FALSE(SphereTouchesFrame(MeshObject(), 0, identity, {0, 0, 0}, 100));
}

}  // namespace
