#ifndef GMATH_VOLUMES_CLIP_VOLUME_H
#define GMATH_VOLUMES_CLIP_VOLUME_H

/// \file
/// Clip volumes: the intersection of up to six half-spaces.

#include <cstddef>
#include <cstdint>

#include "gmath/core3d/box.h"
#include "gmath/core3d/matrix.h"
#include "gmath/core3d/transf.h"
#include "gmath/core3d/vector.h"
#include "gmath/export.h"

// ---------------------------------------------------------------------------
// Clip volumes
// ---------------------------------------------------------------------------

/// At most six half-spaces; plane i is (a, b, c, d) and a point X is inside
/// it when a·X.x + b·X.y + c·X.z + d >= 0, so (a, b, c) is the inward normal.
/// Planes at or beyond m_count are ignored; a count above 6 counts as 6, and
/// every volume the library writes holds at most 6. No planes: every point
/// is inside, every box meets the volume and lies in it.
///
/// The operations work on normalized planes: (a, b, c, d) divided by the
/// length of (a, b, c) unless that is within DBL_EPSILON of 1. A plane whose
/// normal is (0, 0, 0) cannot be normalized and is kept as it is: it is the
/// same everywhere, holding every point when d >= 0 and none when d < 0, and
/// in the tests its signed distance is d itself.
typedef struct GMATH_API tagGClipVolume {
  double m_planes[6][4];  ///< Plane i as (a, b, c, d), inside where a·x + b·y + c·z + d >= 0.
  std::uint8_t m_count;   ///< How many of the planes count, from plane 0.

  /// Whether the box may meet the volume: its corner farthest inside each
  /// plane is at most the distance tolerance outside it. Near an edge where
  /// two planes meet a box outside may still answer 1. A plane separates only
  /// at a finite distance: a value of the plane or of the corner it reads
  /// that is not finite cannot be judged, and does not separate.
  int operator&&(const GBox& box) const;
  /// Whether the box lies in the volume: its corner farthest outside each
  /// plane is at most the distance tolerance outside it.
  int operator>>(const GBox& box) const;
  ///@{
  /// Every plane normalized and moved by v (or -v).
  tagGClipVolume& operator+=(const GVector& v);
  tagGClipVolume& operator-=(const GVector& v);
  ///@}
  /// The normalized normals times m as rows, n·m; d kept. The normals are
  /// not normalized again.
  tagGClipVolume& operator*=(const GMatrix& m);
  /// Each half-space mapped onto its image: the normal turned by the
  /// transform's matrix, d scaled and moved by the translation.
  tagGClipVolume& operator*=(const GTransf& t);
  ///@{
  /// The volume becomes *this * s and *this / s.
  tagGClipVolume& operator*=(double s);
  tagGClipVolume& operator/=(double s);
  ///@}
} GClipVolume;

/// Planes through points[i] with inward normals normals[i], stored as given.
/// More than 6 reports "GClipVolume: can't build more than 6 planes" and
/// keeps the first 6. A null array answers like num = 0 and is not read.
GMATH_API GClipVolume BuildClipVolume(unsigned int num, const GPosition* const points,
                                      const GUnitVector* const normals);
/// From 4·num coefficients a, b, c, d per plane, normalized; the same cap.
GMATH_API GClipVolume BuildClipVolume(unsigned int num, const double* const coefficients);

/// The six planes of the box: y >= low.y, x >= low.x, y <= high.y,
/// x <= high.x, z >= low.z, z <= high.z. Returns 0; a null pointer returns 2
/// and writes nothing.
GMATH_API long ConvertGBoxToGClipVolume(GBox* box, GClipVolume* volume);

/// *inside: 1 when the point is more than the distance tolerance inside
/// every plane, 2 when it is inside or within the tolerance of each and
/// within the tolerance of one, 0 when it is farther outside one. *err is 0
/// (2, with *inside untouched, when inside is null; a null err is not
/// written).
GMATH_API void IsPtInClipVolume(const GClipVolume& volume, const GPosition& point, int* inside,
                                long* err);

/// The box of the volume's corners: the points where three planes meet
/// that lie in the volume. Without one, "GBox: can't build with 0 points"
/// and the canonical null box. An unbounded volume gives only the box of the
/// corners it has.
GMATH_API GBox ClipVolumeRange(const GClipVolume& volume);

///@{
/// A copy with every plane normalized and moved by v (or by -v).
GMATH_API GClipVolume operator+(const GClipVolume& volume, const GVector& v);
GMATH_API GClipVolume operator-(const GClipVolume& volume, const GVector& v);
///@}
///@{
/// volume * m: the normals as rows (n·m); m * volume: as columns (m·n).
GMATH_API GClipVolume operator*(const GClipVolume& volume, const GMatrix& m);
GMATH_API GClipVolume operator*(const GMatrix& m, const GClipVolume& volume);
///@}
/// A copy with each half-space mapped onto its image by t, as operator*= does.
GMATH_API GClipVolume operator*(const GClipVolume& volume, const GTransf& t);
/// Scaled about the centre: every plane keeps its normal and moves towards
/// or away from the centre by s. The centre is the mean of the planes' foot
/// points (the points nearest the origin) for up to three planes, the mean
/// of the corners for more; a volume of four or more planes without a corner
/// falls back to the foot points, and planes with a zero normal have none.
/// No planes reports "GClipVolume: can't multiple by scalar when count=0" and
/// gives the volume unchanged; s < 0 (or NaN) reports "GClipVolume: should
/// not multiply by scalar < 0.0" and is applied.
GMATH_API GClipVolume operator*(const GClipVolume& volume, double s);
/// Scaled by 1/s. s below DBL_EPSILON (or NaN) reports "GClipVolume: scalar
/// < tolerance", and a magnitude below DBL_EPSILON scales by 1e30 instead.
/// (operator/= reports "GClipVolume: trying to divide by number <
/// GSMALLRELTO1" and divides by DBL_EPSILON instead.)
GMATH_API GClipVolume operator/(const GClipVolume& volume, double s);

/// Checks nothing: every value is a clip volume.
GMATH_API void Gassert_valid(const GClipVolume& volume);

static_assert(gmath::detail::IsPlainValue<GClipVolume>(), "GClipVolume layout");
static_assert(offsetof(GClipVolume, m_count) == 24 * sizeof(double), "GClipVolume layout");
static_assert(sizeof(GClipVolume) == 24 * sizeof(double) + alignof(GClipVolume),
              "GClipVolume layout");

#endif
