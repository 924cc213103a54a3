#include "gmath/volumes/pt_frustum.h"

#include <cmath>
#include <cstdint>

#include "core3d/vector_ops.h"
#include "frame/constants.h"
#include "frame/report.h"
#include "frame/tolerance.h"
#include "gmath/core3d/products.h"
#include "gmath/frame.h"
#include "volumes/volume_ops.h"

using gmath::detail::Along;
using gmath::detail::Difference;
using gmath::detail::Dot;
using gmath::detail::Report;

void BuildPtFrustum(const GPtFence& fence, const GPosition& eye, GPtFrustum& frustum, long* err) {
  *err = 0;
  const std::uint32_t n = fence.m_count;
  if (n > 0 && (fence.m_points == nullptr || frustum.m_fence.m_points == nullptr)) {
    gmath::detail::Reject("BuildPtFrustum: NULL pointer", err);
    return;
  }
  GPtFence& own = frustum.m_fence;
  own.m_count = n;
  gmath::detail::CopyPoints(own.m_points, fence.m_points, n);
  own.m_direction = fence.m_direction;
  own.m_front = fence.m_front;
  own.m_back = fence.m_back;
  frustum.m_eyePoint = eye;
}

GPtFrustum& GPtFrustum::operator*=(const GTransf& t) {
  m_fence *= t;
  m_eyePoint *= t;
  return *this;
}

GPtFrustum& GPtFrustum::operator*=(const G4x4& g) {
  m_fence *= g;
  m_eyePoint *= g;
  return *this;
}

// A corner is where the ray from the eye through a fence point reaches the
// height of a plane above the eye along d: the height over the ray's
// cosine with d.
GBox PtFrustumRange(const GPtFrustum& frustum) {
  const GPtFence& fence = frustum.m_fence;
  const std::uint32_t n = fence.m_count;
  return gmath::detail::CornerRange(
      n, fence.m_points, "GPtFence: NULL pointer", [&](GPosition* corners) {
        const GUnitVector& d = fence.m_direction;
        const GPosition& e = frustum.m_eyePoint;
        const GPosition& p0 = fence.m_points[0];
        const double hF = Dot(d, Difference(Along(p0, fence.m_front, d), e));
        const double hB = Dot(d, Difference(Along(p0, fence.m_back, d), e));
        for (std::uint32_t i = 0; i < n; ++i) {
          const GUnitVector u = BuildUnitVector(e, fence.m_points[i]);
          const double k = Dot(u, d);
          if (!(std::abs(k) >= gmath::detail::kDivisionGuard)) {
            Report("GPtFrustum: fence point level with the eye point");
            return false;
          }
          corners[i] = Along(e, hF / k, u);
          corners[n + i] = Along(e, hB / k, u);
        }
        return true;
      });
}

void Gassert_valid(const GPtFrustum& frustum) {
  const GPtFence& fence = frustum.m_fence;
  Gassert_valid(fence);
  Gassert_valid(frustum.m_eyePoint);
  if (fence.m_count == 0 || fence.m_points == nullptr) return;
  const GPosition c = gmath::detail::MeanFromZero(fence.m_count, fence.m_points);
  if (gmath::detail::IsEyeBetweenPlanes(frustum.m_eyePoint, c, fence.m_direction, fence.m_front,
                                        fence.m_back, gmath::detail::DistanceTolerance())) {
    Report("GPtFrustum: eye point is between front and back planes");
  }
}
