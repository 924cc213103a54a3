#ifndef GMATH_PLANAR_VECTOR2D_H
#define GMATH_PLANAR_VECTOR2D_H

/// \file
/// Planar positions, vectors and unit vectors with tolerance-aware predicates.

#include <cstddef>

#include "gmath/core3d/vector.h"
#include "gmath/export.h"
#include "gmath/homogeneous/g4x4.h"

// ---------------------------------------------------------------------------
// Planar positions, vectors and unit vectors
// ---------------------------------------------------------------------------

// Two doubles each, copied by value. Predicates answer 1 or 0 and read the
// current tolerances (resabs = GetDistanceTolerance(), resnor =
// GetRelativeTolerance()) when they run. A degenerate argument is reported
// through invld and answered with a fallback: (0, 0) for a unit vector that
// cannot be built, +-1e30 coordinates for a division by almost zero.
struct tagGVector2d;
struct tagGMatrix2d;
struct tagGTransf2d;

/// Planar point; (1e30, 1e30) is the null position.
typedef struct GMATH_API tagGPosition2d {
  double m_x;  ///< The x coordinate, in the caller's length unit.
  double m_y;  ///< The y coordinate.

  ///@{
  /// Coordinate i (0 x, 1 y); any other index reports
  /// "GPosition2d: index out of bounds" and gives y.
  double operator[](unsigned int i) const;
  double& operator[](unsigned int i);
  ///@}
  /// IsEqual to (1e30, 1e30).
  int IsNull() const;
  ///@{
  /// Squared distance to q <= resabs².
  int IsEqual(const tagGPosition2d& q) const;
  ///@}
  ///@{
  /// The position moved by v (or by -v).
  tagGPosition2d& operator+=(const tagGVector2d& v);
  tagGPosition2d& operator-=(const tagGVector2d& v);
  ///@}
  /// p = G * p, the matrix-first homogeneous form.
  tagGPosition2d& operator*=(const G4x4& g);
  /// p = p·M (planar/products2d.cpp).
  tagGPosition2d& operator*=(const tagGMatrix2d& m);
  /// p = (p·m_matrix)·m_scaling + m_translation.
  tagGPosition2d& operator*=(const tagGTransf2d& t);
} GPosition2d;

/// Planar displacement.
typedef struct GMATH_API tagGVector2d {
  double m_x;  ///< The x component.
  double m_y;  ///< The y component.

  ///@{
  /// As for GPosition2d, reporting "GVector2d: index is out of range".
  double operator[](unsigned int i) const;
  double& operator[](unsigned int i);
  ///@}
  /// Exact null: |x| and |y| <= 50 DBL_EPSILON, then x² + y² <= (50 DBL_EPSILON)².
  int IsNull() const;
  /// The same test with the caller's tolerance.
  int IsNull(double tol) const;
  /// Squared distance to w <= resabs².
  int IsEqual(const tagGVector2d& w) const;
  /// |cross product of both unit vectors| < resnor: parallel and
  /// antiparallel both qualify.
  int IsColinear(const tagGVector2d& w) const;
  ///@{
  /// |dot product of both unit vectors| < resnor.
  int IsOrthogonal(const tagGVector2d& w) const;
  ///@}
  ///@{
  /// Component-wise sum with w (or difference).
  tagGVector2d& operator+=(const tagGVector2d& w);
  tagGVector2d& operator-=(const tagGVector2d& w);
  ///@}
  /// Both components times s.
  tagGVector2d& operator*=(double s);
  /// Guarded division, see operator/.
  tagGVector2d& operator/=(double s);
  /// The Euclidean length.
  double GetLength() const;
  /// v = v * M (validated).
  tagGVector2d& operator*=(const tagGMatrix2d& m);
  /// v = v * T, no translation.
  tagGVector2d& operator*=(const tagGTransf2d& t);
} GVector2d;

/// Planar direction: of unit length, or (0, 0) after a reported failure.
/// operator[] gives write access, so the structure itself enforces nothing.
typedef struct GMATH_API tagGUnitVector2d {
  double m_x;  ///< The x component, the cosine of the angle with the x axis.
  double m_y;  ///< The y component, the sine of that angle.

  /// The same components as a vector of length about 1, for the vector operations.
  operator GVector2d() const;
  ///@{
  /// As for GVector2d, with the GVector2d message.
  double operator[](unsigned int i) const;
  double& operator[](unsigned int i);
  ///@}
  ///@{
  /// Renormalized sum and difference.
  tagGUnitVector2d& operator+=(const GVector2d& w);
  tagGUnitVector2d& operator-=(const GVector2d& w);
  ///@}
  /// u = u * M, renormalized.
  tagGUnitVector2d& operator*=(const tagGMatrix2d& m);
  /// u = u * T: the matrix only, renormalized.
  tagGUnitVector2d& operator*=(const tagGTransf2d& t);
} GUnitVector2d;

///@{
/// (b - a)·t + a, coordinate by coordinate; t is not limited to [0, 1].
GMATH_API GPosition2d Interpolate(double t, const GPosition2d& a, const GPosition2d& b);
///@}
///@{
/// The position moved by v (or by -v).
GMATH_API GPosition2d operator+(const GPosition2d& p, const GVector2d& v);
GMATH_API GPosition2d operator+(const GVector2d& v, const GPosition2d& p);
GMATH_API GPosition2d operator-(const GPosition2d& p, const GVector2d& v);
///@}
/// The Euclidean distance between a and b.
GMATH_API double GDistance(const GPosition2d& a, const GPosition2d& b);

///@{
/// Dot products.
GMATH_API double operator%(const GPosition2d& p, const GVector2d& v);
GMATH_API double operator%(const GVector2d& v, const GPosition2d& p);
GMATH_API double operator%(const GVector2d& a, const GVector2d& b);
///@}
/// Cross product a.x·b.y - a.y·b.x.
GMATH_API double operator*(const GVector2d& a, const GVector2d& b);

/// v / s when |s| >= DBL_EPSILON. Otherwise reports "GVector2d: trying to
/// divide by 0.0" and gives +1e30 for each positive coordinate and -1e30 for
/// each other one (zero included), whatever the sign of s.
GMATH_API GVector2d operator/(const GVector2d& v, double s);

/// The signed angle that turns a into b, counter-clockwise positive, in
/// (-pi, pi]; 0 when either is exactly null.
GMATH_API double GiveAngle(const GVector2d& a, const GVector2d& b);

///@{
/// Homogeneous products, z taken as 0. Matrix-first: the row (x, y, 0, 1)
/// times G; matrix-last: G times that column. A weight below DBL_EPSILON in
/// magnitude reports "GPosition2d: in multiplying G4x4, trying to divide by
/// 0.0" and scales by 1e30 instead of dividing.
GMATH_API GPosition2d operator*(const G4x4& g, const GPosition2d& p);
GMATH_API GPosition2d operator*(const GPosition2d& p, const G4x4& g);
///@}

/// (x, y) normalized. A squared length within 50 DBL_EPSILON of 1 is kept bit
/// for bit; a length <= 50 DBL_EPSILON, NaN or infinite reports
/// "GUnitVector2d: tried to create a NULL unit vector" and gives (0, 0).
GMATH_API GUnitVector2d BuildUnitVector2d(double x, double y);
/// Stricter about unit length, with the caller's null threshold: only a
/// squared length within DBL_EPSILON of 1 is kept as it is, and a length
/// below tol (or NaN) is null, with code 2. *err is 0 otherwise.
GMATH_API GUnitVector2d BuildUnitVector2d(double x, double y, double tol, long* err);
/// The direction from one position to another.
GMATH_API GUnitVector2d BuildUnitVector2d(const GPosition2d& from, const GPosition2d& to);
/// u turned by +90 degrees.
GMATH_API GUnitVector2d GetPerpVector2d(const GUnitVector2d& u);

///@{
/// Validity: both coordinates are numbers of magnitude <= 1e30, and a unit
/// vector's squared length is within resabs of 1. One message at most:
/// "<type> does not have valid coordinates".
GMATH_API void Gassert_valid(const GPosition2d& p);
GMATH_API void Gassert_valid(const GVector2d& v);
GMATH_API void Gassert_valid(const GUnitVector2d& u);
///@}

namespace gmath::detail {
template <class T>
constexpr bool HasXyLayout() {
  return IsPlainValue<T>() && offsetof(T, m_x) == 0 && offsetof(T, m_y) == sizeof(double) &&
         sizeof(T) == 2 * sizeof(double);
}
}  // namespace gmath::detail

static_assert(gmath::detail::HasXyLayout<GPosition2d>(), "GPosition2d layout");
static_assert(gmath::detail::HasXyLayout<GVector2d>(), "GVector2d layout");
static_assert(gmath::detail::HasXyLayout<GUnitVector2d>(), "GUnitVector2d layout");

#endif
