#ifndef GMATH_VOLUMES_PT_FENCE_H
#define GMATH_VOLUMES_PT_FENCE_H

/// \file
/// Point fences: a polygon swept along a direction, limited in depth.

#include <cstddef>
#include <cstdint>

#include "gmath/core3d/box.h"
#include "gmath/core3d/transf.h"
#include "gmath/core3d/vector.h"
#include "gmath/export.h"
#include "gmath/homogeneous/g4x4.h"

// ---------------------------------------------------------------------------
// Point fences
// ---------------------------------------------------------------------------

/// A closed planar polygon P0 ... P(n-1) (the last point repeats the first)
/// swept along the unit direction d between the depths m_back and m_front,
/// measured along d from P0. The side planes hold one edge each and d; the
/// tests answer for the intersection of the half-spaces, which is the swept
/// polygon when it is convex.
///
/// m_points belongs to the caller: the library never allocates, grows or
/// frees it, and copies of a fence share it. Nothing reads through a null
/// m_points or past m_count points: an operation that would reports
/// "GPtFence: NULL pointer" and gives the answer documented with it.
typedef struct GMATH_API tagGPtFence {
  std::uint32_t m_count;    ///< The number of points, the repeated first one included.
  GPosition* m_points;      ///< The caller's array of the polygon's points.
  GUnitVector m_direction;  ///< The sweep direction d, towards growing depth.
  double m_front;           ///< The largest depth along d from P0.
  double m_back;            ///< The smallest depth along d from P0.

  ///@{
  /// Points as positions, the direction as a unit vector, both depths times
  /// t.m_scaling; the points change in place. A G4x4 is made into a GTransf
  /// first (GTransf::operator=, the all-zero transform when it is not a
  /// similarity). A null m_points moves everything but the points.
  tagGPtFence& operator*=(const GTransf& t);
  tagGPtFence& operator*=(const G4x4& g);
  ///@}
  /// Fills m_count + 1 entries of each array, every normal pointing into the
  /// volume: entry 0 the front cap, entry i the side plane of the edge
  /// P(i-1) P(i), entry m_count the back cap. The turn of the first three
  /// points about d decides the orientation (not positive: clockwise).
  /// Fewer than 3 points ("GPtFence: Less than 3 points") or a null m_points
  /// give the origin and a zero normal in every entry, so that every point
  /// is inside; null arrays ("GPtFence: NULL plane array") are not written.
  void FindPlanes(GPosition* planePoints, GUnitVector* planeNormals) const;
  /// 1 when the box may meet the fence: no plane of FindPlanes has the whole
  /// box more than the distance tolerance outside. Fewer than 3 points or a
  /// null m_points report as FindPlanes does and answer 1. A box, or a fence
  /// with a point, direction or depth that is not finite, cannot be judged
  /// and answers 1 as well. Fences above 6 points take their planes from the
  /// heap; when it refuses, "PtFence&&: no memory" and 0.
  int operator&&(const GBox& box) const;
} GPtFence;

/// Checks, in order, each failing with code 2 and its message and leaving
/// the fence untouched: "BuildPtFence: num < 4", "BuildPtFence: num is too
/// large" (above 2^32 - 1), "BuildPtFence: NULL pointer" (pts or the fence's
/// m_points), "BuildPtFence: pts aren't closed" (the first and last point
/// farther apart than the distance tolerance), "BuildPtFence: front < back"
/// (NaN depths included). Then copies the points into the array m_points
/// already points to and stores the rest as given.
GMATH_API void BuildPtFence(unsigned long num, const GPosition pts[], GUnitVector direction,
                            double front, double back, GPtFence& fence, long* err);

/// The box of the 2n points P(i) + m_front·d and P(i) + m_back·d; no heap
/// up to 100 points. No points gives the canonical null box (with BuildBox's
/// message), a null m_points the canonical null box after its message, a
/// refused heap block the all-zero box.
GMATH_API GBox PtFenceRange(const GPtFence& fence);

/// *inside is 1 when no plane of FindPlanes has the point on its outer side
/// (a product of exactly 0 is inside, NaN outside), and *err 0. Null plane
/// arrays give "GPtFence: NULL plane array", *inside 0 and *err 2.
GMATH_API void IsPtInPtFence(const GPtFence& fence, GPosition* planePoints,
                             GUnitVector* planeNormals, const GPosition& point, int* inside,
                             long* err);

/// Every check runs: the direction as a unit vector, "GPtFence: Less than 4
/// points", "GPtFence: NULL pointer" (then no point is read), "GPtFence:
/// point set is not closed", "GPtFence: point set is not planar with respect
/// to direction vector" once per point farther than the distance tolerance
/// from the mean height, "GPtFence: point set has a non-finite coordinate"
/// once per point with an infinite or NaN coordinate, "GPtFence: invalid
/// m_front or m_back" (m_front < m_back, beyond +-1e30, or NaN).
GMATH_API void Gassert_valid(const GPtFence& fence);

/// The count is 32-bit on every target, so the pointer follows it at its
/// own alignment and the direction at twice the pointer size.
static_assert(gmath::detail::IsPlainValue<GPtFence>(), "GPtFence layout");
static_assert(offsetof(GPtFence, m_points) == sizeof(void*), "GPtFence layout");
static_assert(offsetof(GPtFence, m_direction) == 2 * sizeof(void*), "GPtFence layout");
static_assert(offsetof(GPtFence, m_front) == offsetof(GPtFence, m_direction) + 24,
              "GPtFence layout");
static_assert(offsetof(GPtFence, m_back) == offsetof(GPtFence, m_front) + 8, "GPtFence layout");
static_assert(sizeof(GPtFence) == offsetof(GPtFence, m_back) + 8, "GPtFence layout");

#endif
