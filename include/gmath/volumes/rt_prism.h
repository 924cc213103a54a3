#ifndef GMATH_VOLUMES_RT_PRISM_H
#define GMATH_VOLUMES_RT_PRISM_H

/// \file
/// Right prisms: a planar polygon placed by a transform and extruded to a height.

#include <cstddef>
#include <cstdint>

#include "gmath/core3d/box.h"
#include "gmath/core3d/transf.h"
#include "gmath/core3d/vector.h"
#include "gmath/export.h"
#include "gmath/homogeneous/g4x4.h"

// ---------------------------------------------------------------------------
// Right prisms
// ---------------------------------------------------------------------------

/// A closed polygon in a plane z = z0 of local coordinates, swept along
/// local +z from z0 to z0 + m_height, and placed in the world by m_transf
/// (a world point is (local·m_matrix)·m_scaling + m_translation). m_points
/// belongs to the caller, as for point fences; nothing reads through a null
/// m_points or past m_count points.
typedef struct GMATH_API tagGRtPrism {
  GTransf m_transf;       ///< Places the local coordinates in the world.
  GPosition* m_points;    ///< The caller's array of the polygon's local points, at z = z0.
  std::uint32_t m_count;  ///< The number of points, the repeated first one included.
  double m_height;        ///< How far the polygon is swept along local +z.

  ///@{
  /// m_transf = m_transf * t; the local points and the height stay. A G4x4
  /// is made into a GTransf first (GTransf::operator=).
  tagGRtPrism& operator*=(const GTransf& t);
  tagGRtPrism& operator*=(const G4x4& g);
  ///@}
} GRtPrism;

/// From local points. Checks, in order, each failing with code 2 and its
/// message and leaving the prism untouched: "BuildRtPrism: num is 0",
/// "BuildRtPrism: num is too large" (above 2^32 - 1), "BuildRtPrism: NULL
/// pointer" (pts or the prism's m_points), "BuildRtPrism: pts aren't
/// closed", "BuildRtPrism: height is negative" (NaN included; 0 is
/// accepted). Then copies the points, the transform, the count and the
/// height.
GMATH_API void BuildRtPrism(const GTransf& transf, const GPosition pts[], unsigned long num,
                            double height, GRtPrism& prism, long* err);

/// From world points in a plane perpendicular to normal: the prism runs
/// from depth b_depth to f_depth along normal. Checks, in order, each
/// failing with code 2 and its message before anything is written:
/// "BuildRtPrism: normal is invalid" (GUnitVector::IsNull), "BuildRtPrism:
/// num < 2", "BuildRtPrism: num is too large", "BuildRtPrism: NULL pointer",
/// "BuildRtPrism: pts aren't closed", "BuildRtPrism: f_depth < b_depth",
/// "BuildRtPrism: pts[0] and pts[1] are the same\n" (after BuildUnitVector's
/// own message). Then the points, moved by b_depth along normal, become
/// local coordinates of the frame at the moved first point with x along the
/// first edge and y along normal × x, with local z exactly 0.
GMATH_API void BuildRtPrism(const GPosition pts[], unsigned long num, GUnitVector normal,
                            double f_depth, double b_depth, GRtPrism& prism, long* err);

/// The box of the 2n world points of the base and the top face; no heap up
/// to 100 points. No points gives the canonical null box (with BuildBox's
/// message), a null m_points the canonical null box after "GRtPrism: NULL
/// pointer", a refused heap block the all-zero box.
GMATH_API GBox RtPrismRange(const GRtPrism& prism);

/// Every check runs: the transform, "GRtPrism: Less than 4 points",
/// "GRtPrism: NULL pointer" (then no point is read), "GRtPrism: point set is
/// not closed", "GRtPrism: point set is not planar in xz" once per point
/// whose local z is farther than the distance tolerance from the mean,
/// "GRtPrism: point set has a non-finite coordinate" once per point with an
/// infinite or NaN coordinate, "GRtPrism: invalid height" (negative, above
/// 1e30 or NaN).
GMATH_API void Gassert_valid(const GRtPrism& prism);

static_assert(gmath::detail::IsPlainValue<GRtPrism>(), "GRtPrism layout");
static_assert(offsetof(GRtPrism, m_points) == sizeof(GTransf), "GRtPrism layout");
static_assert(offsetof(GRtPrism, m_count) == sizeof(GTransf) + sizeof(void*), "GRtPrism layout");
static_assert(offsetof(GRtPrism, m_height) == sizeof(GTransf) + 2 * sizeof(void*),
              "GRtPrism layout");
static_assert(sizeof(GRtPrism) == offsetof(GRtPrism, m_height) + 8, "GRtPrism layout");

#endif
