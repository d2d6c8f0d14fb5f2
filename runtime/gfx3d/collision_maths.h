// Sphere-against-polygon tests: distance to the polygon's plane, then whether
// the centre's projection lies inside the polygon (by angle sum), then the
// distance to its edges.
#pragma once

#include <span>

#include "gfx3d/vector3.h"

// Where a sphere lies against a plane.
enum SphereSide : int { kSphereBehind = 0, kSphereIntersects = 1, kSphereInFront = 2 };

// The signed distance of the centre from the plane through `point` with unit
// `normal` goes to `distance`. A sphere that cuts the plane intersects; one
// farther than radius on the normal's side is in front; any other is behind,
// so one that just touches the plane (exactly radius away) is behind.
int ClassifySphere(Vec3 centre, Vec3 normal, Vec3 point, double radius, double& distance);

// True when the angles that the polygon's edges subtend at the point add up
// to (nearly) a full turn: the point lies inside the polygon's outline.
bool InsidePolygon(Vec3 point, std::span<const Vec3> polygon);

// True when some edge of the polygon comes closer to the centre than radius.
bool EdgeSphereCollision(Vec3 centre, std::span<const Vec3> polygon, double radius);

// True when the sphere touches the polygon; the plane is that of its first
// three vertices (a polygon with fewer never touches).
bool SpherePolygonCollision(std::span<const Vec3> polygon, Vec3 centre, double radius);
