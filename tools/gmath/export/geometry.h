#ifndef GMATH_TOOL_EXPORT_GEOMETRY_H
#define GMATH_TOOL_EXPORT_GEOMETRY_H

#include <cstdint>
#include <vector>

#include "gmath/gmath.h"

// The mesh builders do plain arithmetic on coordinates, without the
// library's tolerances: a picture shows the value's own numbers.

// A face's corners in order, counter-clockwise seen from outside the solid;
// two corners make a segment (a bore line without radius).
using Polygon = std::vector<GPosition>;

// What a value draws as: its faces, and whether the extent cut it.
struct Solid {
  std::vector<Polygon> faces;
  bool clipped = false;
};

// A closed point list holds its first point again at the end: a polygon
// of three corners has four points.
constexpr std::uint32_t kFewestPoints = 4;

inline GPosition Point(double x, double y, double z) { return GPosition{x, y, z}; }

inline GPosition Plus(const GPosition& p, const GPosition& q) {
  return Point(p.m_x + q.m_x, p.m_y + q.m_y, p.m_z + q.m_z);
}

inline GPosition Minus(const GPosition& p, const GPosition& q) {
  return Point(p.m_x - q.m_x, p.m_y - q.m_y, p.m_z - q.m_z);
}

inline GPosition Times(double s, const GPosition& p) {
  return Point(s * p.m_x, s * p.m_y, s * p.m_z);
}

inline double Dot(const GPosition& p, const GPosition& q) {
  return p.m_x * q.m_x + p.m_y * q.m_y + p.m_z * q.m_z;
}

inline GPosition Cross(const GPosition& p, const GPosition& q) {
  return Point(p.m_y * q.m_z - p.m_z * q.m_y, p.m_z * q.m_x - p.m_x * q.m_z,
               p.m_x * q.m_y - p.m_y * q.m_x);
}

inline GPosition AsPoint(const GUnitVector& u) { return Point(u.m_x, u.m_y, u.m_z); }

// point + t·direction.
inline GPosition Along(const GPosition& point, double t, const GUnitVector& direction) {
  return Plus(point, Times(t, AsPoint(direction)));
}

// The area-weighted normal (Newell's): its direction is the one the
// corners turn counter-clockwise about.
GPosition AreaNormal(const Polygon& polygon);

// The corners of a closed point list: the library reads its last point as
// the repeat of the first, so it goes.
Polygon OpenPolygon(const GPosition* points, std::size_t count);

#endif
