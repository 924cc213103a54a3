#ifndef GMATH_VOLUMES_BORE_LINE_H
#define GMATH_VOLUMES_BORE_LINE_H

/// \file
/// Bore lines: a cylinder of a radius around an axis, limited in depth, for picking.

#include <cstddef>

#include "gmath/core3d/box.h"
#include "gmath/core3d/matrix.h"
#include "gmath/core3d/transf.h"
#include "gmath/core3d/vector.h"
#include "gmath/export.h"
#include "gmath/homogeneous/g4x4.h"

// ---------------------------------------------------------------------------
// Bore lines
// ---------------------------------------------------------------------------

/// A line through m_point (P) along m_direction (D), cut to the depths
/// [m_back, m_front] and thickened by m_radius. A position X lies at depth
/// (X - P)·D; the axis point at depth t is P + t·D. A front of 1e30 or more,
/// or a back of -1e30 or less, is unbounded. Nothing is normalized or
/// checked on the way in: the builders store what they are given, and
/// Gassert_valid says whether a bore line is well formed.
///
/// The null bore line is BuildBoreLine((0, 0, 0), (1, 0, 0)) made when it is
/// used: unbounded, with the distance tolerance of that moment as radius.
typedef struct GMATH_API tagGBoreLine {
  GPosition m_point;        ///< The reference point P, at depth 0.
  GUnitVector m_direction;  ///< The axis direction D, towards growing depth.
  double m_front;           ///< The largest depth of the stretch, 1e30 for unbounded.
  double m_back;            ///< The smallest depth of the stretch, -1e30 for unbounded.
  double m_radius;          ///< The distance from the axis the bore reaches.

  ///@{
  /// The depth of x, and the axis point at depth t.
  double Evaluate(const GPosition& x) const;
  GPosition Evaluate(double t) const;
  ///@}
  /// Front 1e30, back -1e30; point, direction and radius are kept.
  void MakeInfinite();
  /// Either end unbounded: m_front >= 1e30, or m_back <= -1e30 or NaN.
  int IsInfinite() const;
  /// IsEqual to the null bore line of this moment.
  int IsNull() const;
  /// Points by GPosition::IsEqual, directions by GUnitVector::IsEqual, and
  /// front, back and radius each closer than the distance tolerance (two
  /// unbounded ends are equal).
  int IsEqual(const tagGBoreLine& other) const;

  /// Whether the box may meet the bore line: the axis stretch against the box
  /// grown by the radius on every side (a radius of 0 grows it by the
  /// relative tolerance), touching included. The allowance is a cube, so an
  /// axis passing a box edge or corner at up to r·√2 or r·√3 still answers 1.
  /// An axis whose component is below DBL_EPSILON times the grown box's size
  /// on that axis, but not 0, is cut by that slab in world units. A box or a
  /// point, direction or radius that is not finite, or a NaN depth, answers
  /// 1: it cannot be judged.
  int operator&&(const GBox& box) const;
  /// x within the depths and at most the radius from the axis, bounds
  /// included, no tolerance.
  int operator>>(const GPosition& x) const;
  /// m_back <= t <= m_front.
  int operator>>(double t) const;
  /// Keeps the stretch on the side n·X + d >= 0 of the plane, n the
  /// normalized (a, b, c) (d is used as given): an end within half the
  /// distance tolerance of the plane counts as on it. 0 when nothing is left
  /// (both depths become 0) or the bore line is null (left as it is), else 1.
  int ClipWPlane(double a, double b, double c, double d);

  ///@{
  /// The point moved by v (or by -v); direction, depths and radius kept.
  tagGBoreLine& operator+=(const GVector& v);
  tagGBoreLine& operator-=(const GVector& v);
  ///@}
  /// Point and direction turned by m; depths and radius kept.
  tagGBoreLine& operator*=(const GMatrix& m);
  /// Point and direction moved by t; depths and radius times its scaling.
  tagGBoreLine& operator*=(const GTransf& t);
  /// The bore line becomes g * bore.
  tagGBoreLine& operator*=(const G4x4& g);
  /// Depths and radius times s; s below DBL_EPSILON (or NaN) reports
  /// "GBoreLine: multiplying by 0.0" and is applied.
  tagGBoreLine& operator*=(double s);
  /// Depths and radius over s; s below DBL_EPSILON (or NaN) reports
  /// "GBoreLine: scalar < tol", and a divisor smaller than DBL_EPSILON in
  /// magnitude is replaced by DBL_EPSILON.
  tagGBoreLine& operator/=(double s);
} GBoreLine;

/// Unbounded, with the current distance tolerance as radius.
GMATH_API GBoreLine BuildBoreLine(const GPosition& point, const GUnitVector& direction);
/// The bore line of the given parts, stored as given.
GMATH_API GBoreLine BuildBoreLine(const GPosition& point, const GUnitVector& direction,
                                  double front, double back, double radius);

///@{
/// A copy with the point moved by v (or by -v).
GMATH_API GBoreLine operator+(const GBoreLine& bore, const GVector& v);
GMATH_API GBoreLine operator-(const GBoreLine& bore, const GVector& v);
///@}
///@{
/// bore * m maps the point and direction as rows (p·m), m * bore as columns.
GMATH_API GBoreLine operator*(const GBoreLine& bore, const GMatrix& m);
GMATH_API GBoreLine operator*(const GMatrix& m, const GBoreLine& bore);
///@}
/// A copy moved by t as operator*= does: depths and radius times its scaling.
GMATH_API GBoreLine operator*(const GBoreLine& bore, const GTransf& t);
///@{
/// A negative radius reports "GBoreLine: radius is < 0.0" and goes on. An
/// exact path for the matrices it accepts, otherwise five points mapped
/// through the matrix (point, both ends, and a radius probe beside each end)
/// and the bore line rebuilt from their images. bore * g accepts what
/// ConvertG4x4ToGTransf makes a similarity of, and maps points p * g; g *
/// bore accepts every affine g (element 15 exactly 1, 3, 7 and 11 exactly 0)
/// with a regular block, maps points g * p, and scales depths and radius by
/// the length of the image of the x axis.
GMATH_API GBoreLine operator*(const GBoreLine& bore, const G4x4& g);
GMATH_API GBoreLine operator*(const G4x4& g, const GBoreLine& bore);
///@}
///@{
/// As *= and /=, on a copy, reporting "GBoreLine: trying to multiply by
/// value <= 0.0" and "GBoreLine: trying to divide by value <= 0.0".
GMATH_API GBoreLine operator*(const GBoreLine& bore, double s);
GMATH_API GBoreLine operator/(const GBoreLine& bore, double s);
///@}

/// The bore line cut to the box: its new point is the axis point where the
/// box (grown by the radius) begins along the axis, its back 0 and its front
/// the length of that stretch. The stretch is the projection of the grown
/// box's low and high corners on the axis; the bore's own depths play no
/// part. A bore line that misses the box (operator&&) gives the null one.
GMATH_API GBoreLine operator&(const GBoreLine& bore, const GBox& box);

/// The box of the two square end caps of side 2·radius about the axis ends.
GMATH_API GBox BoreLineRange(const GBoreLine& bore);

/// The point and direction checks, then "GBoreLine has an invalid front,
/// back, or radius" when m_front < m_back, m_radius <= 0 or any of the three
/// is NaN.
GMATH_API void Gassert_valid(const GBoreLine& bore);

static_assert(gmath::detail::IsPlainValue<GBoreLine>(), "GBoreLine layout");
static_assert(offsetof(GBoreLine, m_direction) == 24, "GBoreLine layout");
static_assert(offsetof(GBoreLine, m_front) == 48, "GBoreLine layout");
static_assert(offsetof(GBoreLine, m_back) == 56, "GBoreLine layout");
static_assert(offsetof(GBoreLine, m_radius) == 64, "GBoreLine layout");
static_assert(sizeof(GBoreLine) == 72, "GBoreLine layout");

#endif
