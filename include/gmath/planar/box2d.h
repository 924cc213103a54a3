#ifndef GMATH_PLANAR_BOX2D_H
#define GMATH_PLANAR_BOX2D_H

/// \file
/// Axis-aligned planar boxes.

#include <cstddef>

#include "gmath/export.h"
#include "gmath/planar/matrix2d.h"
#include "gmath/planar/transf2d.h"
#include "gmath/planar/vector2d.h"

// ---------------------------------------------------------------------------
// Planar boxes
// ---------------------------------------------------------------------------

/// Axis-aligned. Nothing forces m_low <= m_high. A box is null when high is
/// below low by the distance tolerance d or more on an axis; a flat box is
/// not. Empty results are the canonical null box, low (1e30, 1e30) and high
/// (-1e30, -1e30); a division by almost zero gives the infinite box, low
/// (-1e30, -1e30) and high (1e30, 1e30). Corners run counter-clockwise from
/// low: (l.x, l.y), (h.x, l.y), (h.x, h.y), (l.x, h.y).
typedef struct GMATH_API tagGBox2d {
  GPosition2d m_low;   ///< The corner of the smallest coordinates, when the box is not inverted.
  GPosition2d m_high;  ///< The corner of the largest coordinates, when the box is not inverted.

  ///@{
  /// m_low for 0, m_high for 1; any other index reports
  /// "GBox2d: index out of range" and gives m_high.
  const GPosition2d& operator[](unsigned int i) const;
  GPosition2d& operator[](unsigned int i);
  ///@}
  /// On some axis m_high <= m_low - d: a flat box, or one inverted by less
  /// than d, is not null. A NaN coordinate never makes a box null.
  int IsNull() const;
  /// Lows and highs equal as positions: squared distance <= resabs² each.
  int IsEqual(const tagGBox2d& other) const;
  ///@{
  /// Writes the four corners to the caller's array of four; a null pointer
  /// is left alone.
  void GiveCorners(GPosition2d* const corners) const;
  ///@}
  /// This box becomes the union with b (operator|).
  tagGBox2d& operator|=(const tagGBox2d& b);
  /// This box becomes the intersection with b (operator&).
  tagGBox2d& operator&=(const tagGBox2d& b);
  /// p lies strictly inside the box grown by d/sqrt(2) on every side.
  int operator>>(const GPosition2d& p) const;
  /// Both corners of other pass the position test.
  int operator>>(const tagGBox2d& other) const;
  ///@{
  /// This box inside other.
  int operator<<(const tagGBox2d& other) const;
  ///@}
  ///@{
  /// Both corners moved by v (or by -v).
  tagGBox2d& operator+=(const GVector2d& v);
  tagGBox2d& operator-=(const GVector2d& v);
  ///@}
  /// This box becomes box * s (operator*): scaled about the origin.
  tagGBox2d& operator*=(double s);
  /// This box becomes box / s (operator/), the infinite box for an s near 0.
  tagGBox2d& operator/=(double s);
  /// This box becomes the bounding box of its corners mapped by m (p·M).
  tagGBox2d& operator*=(const GMatrix2d& m);
  /// This box becomes the bounding box of its corners mapped by t.
  tagGBox2d& operator*=(const GTransf2d& t);
} GBox2d;

/// The flat box of the single point (x, y).
GMATH_API GBox2d BuildBox2d(double x, double y);
/// The flat box of the single point p. The int has no effect.
GMATH_API GBox2d BuildBox2d(const GPosition2d& p, int);
///@{
/// The box of the two corners, taken as given, not sorted.
GMATH_API GBox2d BuildBox2d(double lowX, double lowY, double highX, double highY);
GMATH_API GBox2d BuildBox2d(const GPosition2d& low, const GPosition2d& high);
///@}
/// The bounding box of count points. No points to read (count 0, or a null
/// array) reports "GBox2d: can't build with 0 points" and gives the
/// canonical null box.
GMATH_API GBox2d BuildBox2d(unsigned long count, GPosition2d* points);

/// Union: a null operand gives the other one unchanged.
GMATH_API GBox2d operator|(const GBox2d& a, const GBox2d& b);
/// Intersection: boxes apart by less than d meet in the gap between them.
GMATH_API GBox2d operator&(const GBox2d& a, const GBox2d& b);
/// box >> p.
GMATH_API int operator<<(const GPosition2d& p, const GBox2d& box);

///@{
/// Scaling about the origin; a factor <= 0 (or NaN) swaps the corners so
/// that they stay ordered.
GMATH_API GBox2d operator*(const GBox2d& box, double s);
GMATH_API GBox2d operator*(double s, const GBox2d& box);
///@}
/// A divisor below DBL_EPSILON in magnitude (or NaN) reports "GBox2d: trying
/// to divide by 0.0" and gives the infinite box.
GMATH_API GBox2d operator/(const GBox2d& box, double s);
///@{
/// The bounding box of the mapped corners, row sense (p·M) or column sense
/// (M·p); a matrix equal to the identity leaves the box as it is.
GMATH_API GBox2d operator*(const GBox2d& box, const GMatrix2d& m);
GMATH_API GBox2d operator*(const GMatrix2d& m, const GBox2d& box);
///@}
/// Matrix (row sense), then scaling, then translation.
GMATH_API GBox2d operator*(const GBox2d& box, const GTransf2d& t);

/// The GPosition2d check on m_low, then on m_high.
GMATH_API void Gassert_valid(const GBox2d& box);

static_assert(gmath::detail::IsPlainValue<GBox2d>() && offsetof(GBox2d, m_low) == 0 &&
                  offsetof(GBox2d, m_high) == sizeof(GPosition2d) &&
                  sizeof(GBox2d) == 2 * sizeof(GPosition2d),
              "GBox2d layout");

#endif
