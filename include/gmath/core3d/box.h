#ifndef GMATH_CORE3D_BOX_H
#define GMATH_CORE3D_BOX_H

/// \file
/// Axis-aligned 3D boxes: builders, union and intersection, tolerant containment, scaling, mapping
/// and clipping.

#include <cstddef>

#include "gmath/core3d/matrix.h"
#include "gmath/core3d/transf.h"
#include "gmath/core3d/vector.h"
#include "gmath/export.h"
#include "gmath/homogeneous/g4x4.h"

// ---------------------------------------------------------------------------
// Axis-aligned boxes
// ---------------------------------------------------------------------------

// The planar box, for the conversions (gmath/planar/box2d.h).
struct tagGBox2d;

/// An axis-aligned box given by two corners.
///
/// Nothing forces m_low <= m_high. A box is null when on some axis m_high <=
/// m_low - d (d the distance tolerance): flat boxes and boxes inverted by
/// less than d are not. Empty results are the canonical null box, low
/// (1e30, 1e30, 1e30) and high (-1e30, -1e30, -1e30); a division by almost
/// zero gives the infinite box, the reverse. Corner order: the low face
/// counter-clockwise seen from +z starting at m_low, (l.x, l.y), (h.x, l.y),
/// (h.x, h.y), (l.x, h.y), then the high face in the same order.
typedef struct GMATH_API tagGBox {
  GPosition m_low;   ///< The corner of the smallest coordinates, when the box is not inverted.
  GPosition m_high;  ///< The corner of the largest coordinates, when the box is not inverted.

  ///@{
  /// m_low for 0, m_high for 1; any other index reports "GBox: index out of
  /// range" and gives m_high.
  GPosition& operator[](unsigned int i);
  const GPosition& operator[](unsigned int i) const;
  ///@}
  /// On some axis m_high <= m_low - d: a flat box, or one inverted by less
  /// than d, is not null. A NaN coordinate never makes a box null.
  int IsNull() const;
  /// GPosition::IsEqual of the lows, then of the highs.
  int IsEqual(const tagGBox& other) const;
  ///@{
  /// The eight corners in corner order, into the caller's array of eight (a
  /// null pointer writes nothing).
  void GiveCorners(GPosition* const corners) const;
  ///@}
  /// This box becomes the union with b (operator|).
  tagGBox& operator|=(const tagGBox& b);
  /// This box becomes the intersection with b (operator&).
  tagGBox& operator&=(const tagGBox& b);
  /// p inside the box grown by d/√3 on every side, bounds included.
  int operator>>(const GPosition& p) const;
  /// Both corners of other inside this box by the position test.
  int operator>>(const tagGBox& other) const;
  ///@{
  /// This box inside other: other >> *this.
  int operator<<(const tagGBox& other) const;
  ///@}
  ///@{
  /// Both corners moved by v (or by -v).
  tagGBox& operator+=(const GVector& v);
  tagGBox& operator-=(const GVector& v);
  ///@}
  /// This box becomes box * s (operator*): scaled about the origin.
  tagGBox& operator*=(double s);
  /// This box becomes box / s (operator/), the infinite box for an s near 0.
  tagGBox& operator/=(double s);
  ///@{
  /// box * m, box * t, and (unlike them) g * box.
  tagGBox& operator*=(const GMatrix& m);
  tagGBox& operator*=(const GTransf& t);
  tagGBox& operator*=(const G4x4& g);
  ///@}
  /// Keeps the part on the positive side of the plane n·p + w = 0, n the
  /// normalized (a, b, c); w is used as given. 1 when something is left, 0
  /// (and the canonical null box) when nothing is; a null box answers 0.
  int ClipWPlane(double a, double b, double c, double w);

  // Planar conversions (planar/convert.cpp)
  /// (low.x, low.y) to (high.x, high.y); reports "Convert2d: GBox z
  /// coordinate > distanceTolerance" when either |z| > resabs, and converts
  /// all the same.
  tagGBox2d Convert2d() const;
  /// This box becomes (b.low, 0) to (b.high, 0).
  void Convert3d(const tagGBox2d& b);
} GBox;

/// The flat box of a single point: low and high are p.
GMATH_API GBox BuildBox(const GPosition& p);
/// The box of the two corners given by coordinates, taken as given, not sorted.
GMATH_API GBox BuildBox(double lowX, double lowY, double lowZ, double highX, double highY,
                        double highZ);
/// Low and high as given, not sorted.
GMATH_API GBox BuildBox(const GPosition& low, const GPosition& high);
/// The bounding box of count points. No points (count 0 or a null pointer)
/// reports "GBox: can't build with 0 points" and gives the canonical null box.
GMATH_API GBox BuildBox(unsigned long count, GPosition* points);

/// Union: a null operand gives the other one unchanged.
GMATH_API GBox operator|(const GBox& a, const GBox& b);
/// Intersection: the canonical null box unless the boxes meet within d; on
/// an axis where they are apart by less than d the gap is the result, low
/// below high.
GMATH_API GBox operator&(const GBox& a, const GBox& b);
/// box >> p.
GMATH_API int operator<<(const GPosition& p, const GBox& box);

///@{
/// Scaling about the origin; a scale <= 0 swaps the corners so that they stay
/// ordered.
GMATH_API GBox operator*(const GBox& box, double s);
GMATH_API GBox operator*(double s, const GBox& box);
///@}
/// |s| < DBL_EPSILON (or NaN) reports "GBox: trying to divide by 0.0" and
/// gives the infinite box.
GMATH_API GBox operator/(const GBox& box, double s);

///@{
/// The bounding box of the mapped corners. A matrix equal to the identity
/// (GMatrix::IsEqual) returns the box unchanged. box * m maps p·m, m * box
/// maps m·p; a transform scales first, then maps by its matrix the same way,
/// then translates.
GMATH_API GBox operator*(const GBox& box, const GMatrix& m);
GMATH_API GBox operator*(const GMatrix& m, const GBox& box);
GMATH_API GBox operator*(const GBox& box, const GTransf& t);
GMATH_API GBox operator*(const GTransf& t, const GBox& box);
///@}
///@{
/// The corners mapped by g * p (matrix-first) or p * g (matrix-last).
GMATH_API GBox operator*(const G4x4& g, const GBox& box);
GMATH_API GBox operator*(const GBox& box, const G4x4& g);
///@}

/// The GPosition check on m_low, then on m_high; the corners need not be
/// ordered.
GMATH_API void Gassert_valid(const GBox& box);

static_assert(gmath::detail::IsPlainValue<GBox>() && offsetof(GBox, m_low) == 0 &&
                  offsetof(GBox, m_high) == sizeof(GPosition) &&
                  sizeof(GBox) == 2 * sizeof(GPosition),
              "GBox layout");

#endif
