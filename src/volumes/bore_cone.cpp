#include "gmath/volumes/bore_cone.h"

#include <cstdint>

#include "core3d/vector_ops.h"
#include "frame/report.h"
#include "frame/tolerance.h"
#include "gmath/core3d/products.h"
#include "gmath/frame.h"
#include "gmath/volumes/pt_frustum.h"
#include "volumes/volume_ops.h"

namespace {

// The four corners of the square and the first again, closing it.
constexpr std::uint32_t kSquarePoints = 5;

// p + a·sa + b·sb for signs sa and sb, summed left to right.
GPosition Corner(const GPosition& p, const GVector& a, double sa, const GVector& b, double sb) {
  return {p.m_x + sa * a.m_x + sb * b.m_x, p.m_y + sa * a.m_y + sb * b.m_y,
          p.m_z + sa * a.m_z + sb * b.m_z};
}

}  // namespace

void BuildBoreCone(const GBoreLine& line, const GPosition& eye, GBoreCone& cone, long* err) {
  *err = 0;
  cone.m_boreLine = line;
  cone.m_eyePoint = eye;
}

GBoreCone& GBoreCone::operator*=(const GTransf& t) {
  m_boreLine *= t;
  m_eyePoint *= t;
  return *this;
}

GBoreCone& GBoreCone::operator*=(const G4x4& g) { return *this *= gmath::detail::TransfOf(g); }

// The square circumscribes the bore's circle at P in the plane
// perpendicular to D, so the frustum it spans from the eye holds the cone.
GBox BoreConeRange(const GBoreCone& cone) {
  const GBoreLine& bore = cone.m_boreLine;
  const GUnitVector& d = bore.m_direction;
  const GUnitVector u = gmath::detail::UnitOf(GetPerpVector(d));
  const GUnitVector w = gmath::detail::UnitOf(gmath::detail::Cross(d, u));
  const GVector a = gmath::detail::Scaled(u, bore.m_radius);
  const GVector b = gmath::detail::Scaled(w, bore.m_radius);
  const GPosition& p = bore.m_point;
  GPosition square[kSquarePoints] = {Corner(p, a, 1, b, 1), Corner(p, a, 1, b, -1),
                                     Corner(p, a, -1, b, 1), Corner(p, a, -1, b, -1),
                                     Corner(p, a, 1, b, 1)};
  const GPtFrustum frustum = {{kSquarePoints, square, d, bore.m_front, bore.m_back},
                              cone.m_eyePoint};
  return PtFrustumRange(frustum);
}

void Gassert_valid(const GBoreCone& cone) {
  const GBoreLine& bore = cone.m_boreLine;
  Gassert_valid(bore);
  Gassert_valid(cone.m_eyePoint);
  if (gmath::detail::IsEyeBetweenPlanes(cone.m_eyePoint, bore.m_point, bore.m_direction,
                                        bore.m_front, bore.m_back,
                                        gmath::detail::DistanceTolerance())) {
    gmath::detail::Report("GBoreCone: eye point is between front and back planes");
  }
}
