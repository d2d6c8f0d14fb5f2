#include "gfx3d/collision_maths.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTiny = 0.00000001;
// Slightly short of a full turn, so rounding cannot push a point on the outline outside.
constexpr double kInsideAngleSum = 0.99 * 2 * std::numbers::pi;

Vec3 ClosestPointOnSegment(Vec3 start, Vec3 end, Vec3 point) {
    const Vec3 edge = end - start;
    const double length = Length(edge);
    if (length < kTiny) return start;
    const Vec3 direction = edge * (1.0 / length);
    const double along = std::clamp(Dot(point - start, direction), 0.0, length);
    return start + direction * along;
}

}  // namespace

int ClassifySphere(Vec3 centre, Vec3 normal, Vec3 point, double radius, double& distance) {
    distance = Dot(normal, centre) - Dot(normal, point);
    if (std::abs(distance) < radius) return kSphereIntersects;
    if (distance > radius) return kSphereInFront;
    return kSphereBehind;
}

bool InsidePolygon(Vec3 point, std::span<const Vec3> polygon) {
    double angle_sum = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Vec3 a = polygon[i] - point;
        const Vec3 b = polygon[(i + 1) % polygon.size()] - point;
        const double lengths = Length(a) * Length(b);
        // Rounding can take the cosine a hair past 1; acos would give not-a-number.
        if (lengths > kTiny) angle_sum += std::acos(std::clamp(Dot(a, b) / lengths, -1.0, 1.0));
    }
    return angle_sum >= kInsideAngleSum;
}

bool EdgeSphereCollision(Vec3 centre, std::span<const Vec3> polygon, double radius) {
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Vec3 closest = ClosestPointOnSegment(polygon[i], polygon[(i + 1) % polygon.size()], centre);
        if (Length(centre - closest) < radius) return true;
    }
    return false;
}

bool SpherePolygonCollision(std::span<const Vec3> polygon, Vec3 centre, double radius) {
    if (polygon.size() < 3) return false;
    Vec3 normal = Cross(polygon[2] - polygon[0], polygon[1] - polygon[0]);
    const double length = Length(normal);
    // A degenerate polygon has no plane: its distance is 0 and the outline tests decide.
    normal = length < kTiny ? Vec3{} : normal * (1.0 / length);
    double distance;
    if (ClassifySphere(centre, normal, polygon[0], radius, distance) != kSphereIntersects) return false;
    if (InsidePolygon(centre - normal * distance, polygon)) return true;
    return EdgeSphereCollision(centre, polygon, radius);
}
