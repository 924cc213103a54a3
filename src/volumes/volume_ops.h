#ifndef GMATH_VOLUMES_VOLUME_OPS_H
#define GMATH_VOLUMES_VOLUME_OPS_H

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>

#include "core3d/box_ops.h"
#include "core3d/vector_ops.h"
#include "frame/report.h"
#include "gmath/core3d/box.h"
#include "gmath/core3d/transf.h"
#include "gmath/core3d/vector.h"
#include "gmath/homogeneous/g4x4.h"

// What the volumes share: scratch storage for the per-call work of those
// that hold a caller's point array, the closing test of their builders,
// the plane geometry of the volumes seen from an eye, their means, and the
// conversion through which a G4x4 reaches a volume.
namespace gmath::detail {

// The largest count a volume can hold: its m_count is 32-bit everywhere,
// while the builders' unsigned long is 64-bit on some targets.
constexpr unsigned long kMaxPointCount = UINT32_MAX;

// Storage for `count` values: kLocal of them on the stack, larger counts in
// one heap block released with the object. data() is null when the heap
// refuses or the byte count would not fit in a size_t (32-bit targets).
template <class T, std::size_t kLocal>
class Scratch {
 public:
  explicit Scratch(std::uint64_t count) {
    if (count <= kLocal) {
      data_ = local_;
    } else if (count <= SIZE_MAX / sizeof(T)) {
      heap_.reset(new (std::nothrow) T[static_cast<std::size_t>(count)]);
      data_ = heap_.get();
    }
  }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

  T* data() const { return data_; }

 private:
  T local_[kLocal];
  std::unique_ptr<T[]> heap_;
  T* data_ = nullptr;
};

// The similarity transform of g (GTransf::operator=: the all-zero
// transform when g is none).
inline GTransf TransfOf(const G4x4& g) {
  GTransf t;
  t = g;
  return t;
}

// Ranges keep 2n corners: local storage for polygons of up to 100 points.
constexpr std::size_t kLocalCorners = 200;
using CornerScratch = Scratch<GPosition, kLocalCorners>;

// The range of a volume over n points: the box of 2n corners that
// fill(corners) writes, on the stack up to 100 points. No points give
// BuildBox's answer for none; a null array with points is reported with
// nullMessage and gives the canonical null box; a refused heap block the
// all-zero box. A fill that cannot find every corner answers false, and
// the range is then the infinite box, which bounds anything.
template <class Fill>
GBox CornerRange(std::uint32_t n, const GPosition* points, const char* nullMessage, Fill fill) {
  if (n > 0 && points == nullptr) {
    Report(nullMessage);
    return kNullBox;
  }
  CornerScratch scratch(2 * std::uint64_t{n});
  GPosition* corners = scratch.data();
  if (corners == nullptr) return GBox{};
  if (n > 0 && !fill(corners)) return kInfiniteBox;
  return BuildBox(2 * static_cast<unsigned long>(n), corners);
}

// The Euclidean distance from first to last exceeds tol, or is NaN.
inline bool IsOpen(const GPosition& first, const GPosition& last, double tol) {
  const double distance = std::sqrt(SquaredDistance(first, last));
  return distance > tol || std::isnan(distance);
}

template <class... Values>
bool AllFinite(Values... values) {
  return (std::isfinite(values) && ...);
}

template <class Xyz>
bool IsFinite(const Xyz& v) {
  return AllFinite(v.m_x, v.m_y, v.m_z);
}

inline bool IsFinite(const GBox& box) { return IsFinite(box.m_low) && IsFinite(box.m_high); }

inline bool ArePointsFinite(std::size_t count, const GPosition* points) {
  for (std::size_t i = 0; i < count; ++i) {
    if (!IsFinite(points[i])) return false;
  }
  return true;
}

// The answer of an overlap test that found the volume apart from the box.
// A non-finite value in either cannot be judged, and a query must not lose
// an element for it: the test then answers 1, may meet, as it does for the
// other volumes it cannot judge. Called only on the way out, so that a
// test that finds the two meeting costs nothing more.
inline int Apart(const GBox& box, bool volumeCanBeJudged) {
  return IsFinite(box) && volumeCanBeJudged ? 0 : 1;
}

// Copies count points; the arrays may overlap or be the same.
inline void CopyPoints(GPosition* to, const GPosition* from, std::size_t count) {
  if (count > 0) std::memmove(to, from, count * sizeof(GPosition));
}

// count >= 1.
inline GPosition MeanOf(GPosition sum, std::size_t first, std::size_t count,
                        const GPosition* points) {
  for (std::size_t i = first; i < count; ++i) {
    sum.m_x += points[i].m_x;
    sum.m_y += points[i].m_y;
    sum.m_z += points[i].m_z;
  }
  const double n = static_cast<double>(count);
  return {sum.m_x / n, sum.m_y / n, sum.m_z / n};
}

// The two differ only where a coordinate is -0.0 in every point: the sum
// from +0.0 gives +0.0 there, the sum from the first point keeps -0.0. The
// fences and the prism have always summed from zero, the clip volume from
// its first corner, and their results keep those bits.
inline GPosition MeanFromZero(std::size_t count, const GPosition* points) {
  return MeanOf({0.0, 0.0, 0.0}, 0, count, points);
}

inline GPosition MeanFromFirst(std::size_t count, const GPosition* points) {
  return MeanOf(points[0], 1, count, points);
}

// Whether the eye lies between the planes perpendicular to d through
// base + front·d and base + back·d: more than tol below the front plane,
// and above the back plane or less than tol below it. An eye on the front
// plane is outside, one on the back plane between.
template <class D>
bool IsEyeBetweenPlanes(const GPosition& eye, const GPosition& base, const D& d, double front,
                        double back, double tol) {
  const GPosition f = Along(base, front, d);
  const double sF = Dot(d, Difference(eye, f));
  if (sF >= -tol) return false;
  const GPosition b = Along(base, back, d);
  const double sB = Dot(d, Difference(eye, b));
  return sB > -tol;
}

}  // namespace gmath::detail

#endif
