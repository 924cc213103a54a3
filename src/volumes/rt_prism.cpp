#include "gmath/volumes/rt_prism.h"

#include <cmath>
#include <cstdint>

#include "core3d/products_ops.h"
#include "core3d/vector_ops.h"
#include "frame/constants.h"
#include "frame/report.h"
#include "frame/tolerance.h"
#include "gmath/frame.h"
#include "volumes/volume_ops.h"

using gmath::detail::Reject;
using gmath::detail::Report;

namespace {

constexpr const char* kNullPointsMessage = "GRtPrism: NULL pointer";

// The checks both builders make once the count is known to be at least 1:
// a count that fits, both arrays, a closed polygon. Reports the first that
// fails.
bool AcceptsPoints(const GPosition pts[], unsigned long num, const GRtPrism& prism, long* err) {
  if (num > gmath::detail::kMaxPointCount) {
    Reject("BuildRtPrism: num is too large", err);
    return false;
  }
  if (pts == nullptr || prism.m_points == nullptr) {
    Reject("BuildRtPrism: NULL pointer", err);
    return false;
  }
  if (gmath::detail::IsOpen(pts[0], pts[num - 1], gmath::detail::DistanceTolerance())) {
    Reject("BuildRtPrism: pts aren't closed", err);
    return false;
  }
  return true;
}

}  // namespace

void BuildRtPrism(const GTransf& transf, const GPosition pts[], unsigned long num, double height,
                  GRtPrism& prism, long* err) {
  *err = 0;
  if (num == 0) {
    Reject("BuildRtPrism: num is 0", err);
    return;
  }
  if (!AcceptsPoints(pts, num, prism, err)) return;
  if (height < 0.0 || std::isnan(height)) {
    Reject("BuildRtPrism: height is negative", err);
    return;
  }
  gmath::detail::CopyPoints(prism.m_points, pts, num);
  prism.m_transf = transf;
  prism.m_count = static_cast<std::uint32_t>(num);
  prism.m_height = height;
}

// Every check, the first edge's included, runs before anything is written:
// a failed build leaves the prism and its point array as they were.
void BuildRtPrism(const GPosition pts[], unsigned long num, GUnitVector normal, double f_depth,
                  double b_depth, GRtPrism& prism, long* err) {
  *err = 0;
  if (normal.IsNull()) {
    Reject("BuildRtPrism: normal is invalid", err);
    return;
  }
  if (num < 2) {
    Reject("BuildRtPrism: num < 2", err);
    return;
  }
  if (!AcceptsPoints(pts, num, prism, err)) return;
  if (f_depth < b_depth || std::isnan(f_depth) || std::isnan(b_depth)) {
    Reject("BuildRtPrism: f_depth < b_depth", err);
    return;
  }
  // The first edge as it will be once moved onto the back plane.
  const GUnitVector u = BuildUnitVector(gmath::detail::Along(pts[0], b_depth, normal),
                                        gmath::detail::Along(pts[1], b_depth, normal));
  if (u.IsNull()) {
    Reject("BuildRtPrism: pts[0] and pts[1] are the same\n", err);
    return;
  }
  GPosition* local = prism.m_points;
  for (unsigned long i = 0; i < num; ++i) local[i] = gmath::detail::Along(pts[i], b_depth, normal);
  const GUnitVector v = gmath::detail::UnitOf(gmath::detail::Cross(normal, u));
  prism.m_transf = CoordinateTransf(local[0], u, v);
  const GTransf toLocal = prism.m_transf.Inverse();
  for (unsigned long i = 0; i < num; ++i) {
    local[i] = gmath::detail::Transformed(local[i], toLocal);
    local[i].m_z = 0.0;
  }
  prism.m_count = static_cast<std::uint32_t>(num);
  prism.m_height = f_depth - b_depth;
}

GRtPrism& GRtPrism::operator*=(const GTransf& t) {
  m_transf *= t;
  return *this;
}

GRtPrism& GRtPrism::operator*=(const G4x4& g) {
  return *this *= gmath::detail::TransfOf(g);
}

GBox RtPrismRange(const GRtPrism& prism) {
  const std::uint32_t n = prism.m_count;
  return gmath::detail::CornerRange(n, prism.m_points, kNullPointsMessage, [&](GPosition* corners) {
    const GTransf& t = prism.m_transf;
    for (std::uint32_t i = 0; i < n; ++i) {
      const GPosition& p = prism.m_points[i];
      corners[i] = gmath::detail::Transformed(p, t);
      corners[n + i] =
          gmath::detail::Transformed(GPosition{p.m_x, p.m_y, p.m_z + prism.m_height}, t);
    }
    return true;
  });
}

void Gassert_valid(const GRtPrism& prism) {
  Gassert_valid(prism.m_transf);
  const std::uint32_t n = prism.m_count;
  if (n < 4) Report("GRtPrism: Less than 4 points");
  if (prism.m_points == nullptr) {
    Report(kNullPointsMessage);
  } else if (n > 0) {
    const GPosition* p = prism.m_points;
    if (!p[0].IsEqual(p[n - 1])) Report("GRtPrism: point set is not closed");
    const double tol = gmath::detail::DistanceTolerance();
    const double zm = gmath::detail::MeanFromZero(n, p).m_z;
    for (std::uint32_t i = 0; i < n; ++i) {
      if (std::abs(p[i].m_z - zm) > tol) Report("GRtPrism: point set is not planar in xz");
    }
    // The planarity test above reads only z, and lets a NaN pass.
    for (std::uint32_t i = 0; i < n; ++i) {
      if (!gmath::detail::IsFinite(p[i])) Report("GRtPrism: point set has a non-finite coordinate");
    }
  }
  const double h = prism.m_height;
  if (h < 0.0 || std::isnan(h) || h > gmath::detail::kHuge) Report("GRtPrism: invalid height");
}
