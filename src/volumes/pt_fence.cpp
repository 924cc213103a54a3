#include "gmath/volumes/pt_fence.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "core3d/box_ops.h"
#include "core3d/products_ops.h"
#include "core3d/vector_ops.h"
#include "frame/constants.h"
#include "frame/report.h"
#include "frame/tolerance.h"
#include "gmath/frame.h"
#include "volumes/volume_ops.h"

using gmath::detail::Along;
using gmath::detail::Difference;
using gmath::detail::Dot;
using gmath::detail::Reject;
using gmath::detail::Report;

namespace {

constexpr const char* kNullPointsMessage = "GPtFence: NULL pointer";
constexpr const char* kFewPointsMessage = "GPtFence: Less than 3 points";
constexpr const char* kNullPlanesMessage = "GPtFence: NULL plane array";

// The turn of the first three points decides the orientation, so fewer
// cannot be turned into planes.
constexpr std::uint32_t kPlanePoints = 3;
// Fences of up to 6 points find their 7 planes on the stack.
constexpr std::size_t kLocalPlanes = 7;

// Whether the fence holds points the planes can be found from; reports
// when not.
bool HasPlanePoints(const GPtFence& fence) {
  if (fence.m_count < kPlanePoints) {
    Report(kFewPointsMessage);
    return false;
  }
  if (fence.m_points == nullptr) {
    Report(kNullPointsMessage);
    return false;
  }
  return true;
}

// A point, the direction or a depth that is not finite gives planes through
// NaN, which the plane test counts as separating.
bool IsFinite(const GPtFence& fence) {
  return gmath::detail::ArePointsFinite(fence.m_count, fence.m_points) &&
         gmath::detail::IsFinite(fence.m_direction) &&
         gmath::detail::AllFinite(fence.m_front, fence.m_back);
}

// Whether the whole box lies more than tol outside the plane: the far
// corner projected onto the plane's normal line through the origin.
bool Separates(const GBox& box, const GPosition& p, const GUnitVector& n, double tol) {
  const GPosition c = gmath::detail::FarCorner(box, n);
  const double d = -Dot(n, p);
  const double s =
      n.m_x * (c.m_x + d * n.m_x) + n.m_y * (c.m_y + d * n.m_y) + n.m_z * (c.m_z + d * n.m_z);
  return !(s >= -tol);
}

}  // namespace

void BuildPtFence(unsigned long num, const GPosition pts[], GUnitVector direction, double front,
                  double back, GPtFence& fence, long* err) {
  *err = 0;
  if (num < 4) {
    Reject("BuildPtFence: num < 4", err);
    return;
  }
  if (num > gmath::detail::kMaxPointCount) {
    Reject("BuildPtFence: num is too large", err);
    return;
  }
  if (pts == nullptr || fence.m_points == nullptr) {
    Reject("BuildPtFence: NULL pointer", err);
    return;
  }
  if (gmath::detail::IsOpen(pts[0], pts[num - 1], gmath::detail::DistanceTolerance())) {
    Reject("BuildPtFence: pts aren't closed", err);
    return;
  }
  if (front < back || std::isnan(front) || std::isnan(back)) {
    Reject("BuildPtFence: front < back", err);
    return;
  }
  gmath::detail::CopyPoints(fence.m_points, pts, num);
  fence.m_front = front;
  fence.m_back = back;
  fence.m_count = static_cast<std::uint32_t>(num);
  fence.m_direction = direction;
}

GPtFence& GPtFence::operator*=(const GTransf& t) {
  if (m_points != nullptr) {
    for (std::uint32_t i = 0; i < m_count; ++i) {
      m_points[i] = gmath::detail::Transformed(m_points[i], t);
    }
  } else if (m_count > 0) {
    Report(kNullPointsMessage);
  }
  m_direction *= t;
  m_front = m_front * t.m_scaling;
  m_back = m_back * t.m_scaling;
  return *this;
}

GPtFence& GPtFence::operator*=(const G4x4& g) {
  return *this *= gmath::detail::TransfOf(g);
}

GBox PtFenceRange(const GPtFence& fence) {
  const std::uint32_t n = fence.m_count;
  return gmath::detail::CornerRange(n, fence.m_points, kNullPointsMessage, [&](GPosition* corners) {
    const GUnitVector& d = fence.m_direction;
    for (std::uint32_t i = 0; i < n; ++i) {
      corners[i] = Along(fence.m_points[i], fence.m_front, d);
      corners[n + i] = Along(fence.m_points[i], fence.m_back, d);
    }
    return true;
  });
}

void GPtFence::FindPlanes(GPosition* planePoints, GUnitVector* planeNormals) const {
  if (planePoints == nullptr || planeNormals == nullptr) {
    Report(kNullPlanesMessage);
    return;
  }
  const std::uint32_t n = m_count;
  if (!HasPlanePoints(*this)) {
    // A zero normal holds every point inside and separates no box.
    for (std::uint64_t i = 0; i <= n; ++i) {
      planePoints[i] = {0.0, 0.0, 0.0};
      planeNormals[i] = {0.0, 0.0, 0.0};
    }
    return;
  }
  const GPosition* p = m_points;
  const GUnitVector& d = m_direction;
  const double turn = Dot(d, gmath::detail::Cross(Difference(p[1], p[0]), Difference(p[2], p[1])));
  const bool counterClockwise = turn > 0.0;
  planePoints[0] = Along(p[0], m_front, d);
  planeNormals[0] = {-d.m_x, -d.m_y, -d.m_z};
  for (std::uint32_t i = 1; i < n; ++i) {
    const GVector e = Difference(p[i], p[i - 1]);
    planePoints[i] = p[i];
    planeNormals[i] = gmath::detail::UnitOf(counterClockwise ? gmath::detail::Cross(d, e)
                                                             : gmath::detail::Cross(e, d));
  }
  planePoints[n] = Along(p[0], m_back, d);
  planeNormals[n] = d;
}

void IsPtInPtFence(const GPtFence& fence, GPosition* planePoints, GUnitVector* planeNormals,
                   const GPosition& point, int* inside, long* err) {
  *err = 0;
  *inside = 1;
  if (planePoints == nullptr || planeNormals == nullptr) {
    *inside = 0;
    Reject(kNullPlanesMessage, err);
    return;
  }
  for (std::uint64_t i = 0; i <= fence.m_count; ++i) {
    if (!(Dot(Difference(point, planePoints[i]), planeNormals[i]) >= 0.0)) {
      *inside = 0;
      return;
    }
  }
}

int GPtFence::operator&&(const GBox& box) const {
  const double tol = gmath::detail::DistanceTolerance();
  if (!HasPlanePoints(*this)) return 1;
  const std::uint64_t planes = std::uint64_t{m_count} + 1;
  gmath::detail::Scratch<GPosition, kLocalPlanes> points(planes);
  if (points.data() == nullptr) {
    Report("PtFence&&: no memory");
    return 0;
  }
  gmath::detail::Scratch<GUnitVector, kLocalPlanes> normals(planes);
  if (normals.data() == nullptr) {
    Report("PtFence&&: no memory");
    return 0;
  }
  FindPlanes(points.data(), normals.data());
  for (std::uint64_t i = 0; i < planes; ++i) {
    if (Separates(box, points.data()[i], normals.data()[i], tol)) {
      return gmath::detail::Apart(box, IsFinite(*this));
    }
  }
  return 1;
}

void Gassert_valid(const GPtFence& fence) {
  Gassert_valid(fence.m_direction);
  const std::uint32_t n = fence.m_count;
  if (n < 4) Report("GPtFence: Less than 4 points");
  if (fence.m_points == nullptr) {
    Report(kNullPointsMessage);
  } else if (n > 0) {
    const GPosition* p = fence.m_points;
    if (!p[0].IsEqual(p[n - 1])) Report("GPtFence: point set is not closed");
    const double tol = gmath::detail::DistanceTolerance();
    const GUnitVector& d = fence.m_direction;
    const double h = Dot(d, gmath::detail::MeanFromZero(n, p));
    for (std::uint32_t i = 0; i < n; ++i) {
      if (std::abs(h - Dot(d, p[i])) > tol) {
        Report("GPtFence: point set is not planar with respect to direction vector");
      }
    }
    // The planarity test above lets them pass: their distances are NaN.
    for (std::uint32_t i = 0; i < n; ++i) {
      if (!gmath::detail::IsFinite(p[i])) Report("GPtFence: point set has a non-finite coordinate");
    }
  }
  // NaN depths are reported too: no test on the fence could use them.
  if (!(fence.m_front >= fence.m_back) || !(fence.m_front <= gmath::detail::kHuge) ||
      !(fence.m_back >= -gmath::detail::kHuge)) {
    Report("GPtFence: invalid m_front or m_back");
  }
}
