#include "export/convex_cut.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

bool Before(const GPosition& a, const GPosition& b) {
  return std::tie(a.m_x, a.m_y, a.m_z) < std::tie(b.m_x, b.m_y, b.m_z);
}

bool Same(const GPosition& a, const GPosition& b) { return !Before(a, b) && !Before(b, a); }

double Distance(const HalfSpace& half, const GPosition& p) {
  return Dot(half.normal, p) + half.offset;
}

GPosition Crossing(GPosition a, double da, GPosition b, double db) {
  if (Before(b, a)) {
    std::swap(a, b);
    std::swap(da, db);
  }
  return Plus(a, Times(da / (da - db), Minus(b, a)));
}

// The face cut to the half-space; corners on the plane go to onPlane too.
Polygon CutFacePolygon(const Polygon& face, const HalfSpace& half, double tolerance,
                       Polygon& onPlane) {
  Polygon kept;
  for (std::size_t i = 0; i < face.size(); ++i) {
    const GPosition& a = face[i];
    const GPosition& b = face[(i + 1) % face.size()];
    const double da = Distance(half, a);
    const double db = Distance(half, b);
    if (da >= -tolerance) kept.push_back(a);
    if (std::abs(da) <= tolerance) onPlane.push_back(a);
    if ((da > tolerance && db < -tolerance) || (da < -tolerance && db > tolerance)) {
      kept.push_back(Crossing(a, da, b, db));
      onPlane.push_back(kept.back());
    }
  }
  return kept;
}

// A face on the plane facing out of the half-space is where the solid
// already ends.
bool EndsAt(const Polygon& face, const HalfSpace& half, double tolerance) {
  return Dot(AreaNormal(face), half.normal) < 0.0 &&
         std::all_of(face.begin(), face.end(),
                     [&](const GPosition& p) { return std::abs(Distance(half, p)) <= tolerance; });
}

// The corners on the plane in turn about their centre, counter-clockwise
// seen from outside, where the normal points away from.
Polygon NewFace(Polygon points, const HalfSpace& half) {
  std::sort(points.begin(), points.end(), Before);
  points.erase(std::unique(points.begin(), points.end(), Same), points.end());
  if (points.size() < 3) return {};
  GPosition centre = Point(0.0, 0.0, 0.0);
  for (const GPosition& p : points) centre = Plus(centre, p);
  centre = Times(1.0 / static_cast<double>(points.size()), centre);
  const GPosition& n = half.normal;
  const GPosition u =
      std::abs(n.m_x) < 0.9 ? Cross(n, Point(1.0, 0.0, 0.0)) : Cross(n, Point(0.0, 1.0, 0.0));
  const GPosition w = Cross(u, n);
  const auto angle = [&](const GPosition& p) {
    const GPosition r = Minus(p, centre);
    return std::atan2(Dot(r, w), Dot(r, u));
  };
  std::stable_sort(points.begin(), points.end(),
                   [&](const GPosition& a, const GPosition& b) { return angle(a) < angle(b); });
  if (Dot(AreaNormal(points), n) > 0.0) std::reverse(points.begin(), points.end());
  return points;
}

}  // namespace

std::vector<CutFace> CutByHalfSpace(const std::vector<CutFace>& solid, const HalfSpace& half,
                                    int source, double tolerance) {
  std::vector<CutFace> cut;
  Polygon onPlane;
  bool planeHasFace = false;
  for (const CutFace& face : solid) {
    if (EndsAt(face.corners, half, tolerance)) {
      planeHasFace = true;
      cut.push_back({face.corners, source});
      continue;
    }
    Polygon kept = CutFacePolygon(face.corners, half, tolerance, onPlane);
    if (kept.size() >= 3) cut.push_back({std::move(kept), face.source});
  }
  if (!planeHasFace) {
    Polygon made = NewFace(onPlane, half);
    if (!made.empty()) cut.push_back({std::move(made), source});
  }
  return cut;
}
