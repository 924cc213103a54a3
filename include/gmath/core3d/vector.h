#ifndef GMATH_CORE3D_VECTOR_H
#define GMATH_CORE3D_VECTOR_H

/// \file
/// 3D positions, vectors and unit vectors with tolerance-aware predicates.

#include <cstddef>
#include <type_traits>

#include "gmath/export.h"

// The operands of the moving products (core3d/matrix.h, core3d/transf.h,
// homogeneous/g4x4.h); the free products are in core3d/products.h.
struct tagGMatrix;
struct tagGTransf;
struct tagG4x4;

// ---------------------------------------------------------------------------
// Positions, vectors and unit vectors
//
// Three doubles each, copied by value. Every predicate answers 1 or 0 and
// reads the current tolerances (resabs = GetDistanceTolerance(), resnor =
// GetRelativeTolerance()) when it runs. A degenerate argument is reported
// through invld and answered with a fallback: (0, 0, 0) for a unit vector
// that cannot be built, +-1e30 coordinates for a division by almost zero.
// ---------------------------------------------------------------------------

// The planar counterparts, for the conversions (gmath/planar/vector2d.h).
struct tagGPosition2d;
struct tagGVector2d;
struct tagGUnitVector2d;

/// A point. (1e30, 1e30, 1e30) is the null (undefined) position.
typedef struct GMATH_API tagGPosition {
  double m_x;  ///< The x coordinate, in the caller's length unit.
  double m_y;  ///< The y coordinate.
  double m_z;  ///< The z coordinate.

  ///@{
  /// Coordinate i (0 x, 1 y, 2 z); any other index reports
  /// "GPosition: index out of bounds" and gives z.
  double operator[](unsigned int i) const;
  double& operator[](unsigned int i);
  ///@}
  /// IsEqual to (1e30, 1e30, 1e30).
  int IsNull() const;
  /// Squared distance to q <= resabs².
  int IsEqual(const tagGPosition& q) const;

  ///@{
  /// Moved by a matrix (p·M), a transform ((p·M)·s + t) or a G4x4 (G * p).
  tagGPosition& operator*=(const tagGMatrix& m);
  tagGPosition& operator*=(const tagGTransf& t);
  tagGPosition& operator*=(const tagG4x4& g);
  ///@}

  // Planar conversions (planar/convert.cpp)
  /// (x, y); reports "Convert2d: GPosition z coordinate > distanceTolerance"
  /// when |z| > resabs, and converts all the same.
  tagGPosition2d Convert2d() const;
  /// This becomes (q.x, q.y, 0).
  void Convert3d(const tagGPosition2d& q);
} GPosition;

/// A displacement.
typedef struct GMATH_API tagGVector {
  double m_x;  ///< The x component.
  double m_y;  ///< The y component.
  double m_z;  ///< The z component.

  ///@{
  /// As for GPosition, reporting "GVector: index is out of range".
  double operator[](unsigned int i) const;
  double& operator[](unsigned int i);
  ///@}
  /// Exact null: every |coordinate| <= 50 DBL_EPSILON, then the squared
  /// length <= (50 DBL_EPSILON)².
  int IsNull() const;
  /// The same test with the caller's tolerance.
  int IsNull(double tol) const;
  /// Squared distance to w <= resabs².
  int IsEqual(const tagGVector& w) const;
  /// The unit vectors of both (BuildUnitVector) have a cross product shorter
  /// than resnor: parallel and antiparallel both qualify.
  int IsColinear(const tagGVector& w) const;
  /// |dot product of both unit vectors| < resnor.
  int IsOrthogonal(const tagGVector& w) const;
  /// Guarded division, see operator/.
  tagGVector& operator/=(double s);

  ///@{
  /// Moved by a matrix (v·M), a transform ((v·M)·s, no translation) or a
  /// G4x4 (G * v).
  tagGVector& operator*=(const tagGMatrix& m);
  tagGVector& operator*=(const tagGTransf& t);
  tagGVector& operator*=(const tagG4x4& g);
  ///@}

  // Planar conversions (planar/convert.cpp)
  /// (x, y); reports "Convert2d: Gvector z coordinate greater 0.0" when
  /// |z| > resabs, and converts all the same.
  tagGVector2d Convert2d() const;
  /// This becomes (w.x, w.y, 0).
  void Convert3d(const tagGVector2d& w);
} GVector;

/// A direction: the library's builders leave it within 50 DBL_EPSILON of unit
/// squared length, or (0, 0, 0) after a reported failure. operator[] gives
/// write access, so the structure itself enforces nothing.
typedef struct GMATH_API tagGUnitVector {
  double m_x;  ///< The x component, the cosine of the angle with the x axis.
  double m_y;  ///< The y component.
  double m_z;  ///< The z component.

  /// The same components as a vector of length about 1, for the vector operations.
  operator GVector() const;
  ///@{
  /// As for GVector, with the GVector message.
  double operator[](unsigned int i) const;
  double& operator[](unsigned int i);
  ///@}
  /// Every |coordinate| < resabs.
  int IsNull() const;
  /// Squared distance to w <= resnor²; w is compared as given, not normalized.
  int IsEqual(const GVector& w) const;
  /// This vector as stored against the unit vector of w: cross product
  /// shorter than resnor.
  int IsColinear(const GVector& w) const;
  /// |dot product with the unit vector of w| < resnor.
  int IsOrthogonal(const GVector& w) const;
  ///@{
  /// Renormalized sum and difference.
  tagGUnitVector& operator+=(const GVector& w);
  tagGUnitVector& operator-=(const GVector& w);
  ///@}

  ///@{
  /// Turned by a matrix (u·M), a transform's matrix or a G4x4 (G * u), then
  /// renormalized.
  tagGUnitVector& operator*=(const tagGMatrix& m);
  tagGUnitVector& operator*=(const tagGTransf& t);
  tagGUnitVector& operator*=(const tagG4x4& g);
  ///@}

  // Planar conversions (planar/convert.cpp)
  /// BuildUnitVector2d(x, y); reports "Convert2d: GUnitvector z coordinate
  /// greater 0.0" first when |z| > resabs.
  tagGUnitVector2d Convert2d() const;
  /// This becomes (w.x, w.y, 0), not renormalized.
  void Convert3d(const tagGUnitVector2d& w);
} GUnitVector;

/// a + t (b - a), coordinate by coordinate; t is not limited to [0, 1].
GMATH_API GPosition Interpolate(double t, const GPosition& a, const GPosition& b);

/// v / s when |s| >= DBL_EPSILON. Otherwise reports "GVector: trying to divide
/// by 0.0" and gives +1e30 for each positive coordinate and -1e30 for each
/// other one (zero included).
GMATH_API GVector operator/(const GVector& v, double s);

/// The unsigned angle between a and b in radians, in [0, pi]; 0 when either
/// is exactly null.
GMATH_API double GiveAngle(const GVector& a, const GVector& b);

/// Turns b perpendicular to a, keeping its length. When b lies along a, b
/// becomes GetPerpVector of a's direction.
GMATH_API void ModifyOrthoVector(const GVector& a, GVector& b);
/// The same for a unit vector; the result is a unit vector.
GMATH_API void ModifyOrthoVector(const GVector& a, GUnitVector& u);

/// (x, y, z) normalized. A squared length within 50 DBL_EPSILON of 1 is kept
/// bit for bit; a length <= 50 DBL_EPSILON, NaN or infinite reports
/// "GUnitVector: tried to create a NULL unit vector" and gives (0, 0, 0).
GMATH_API GUnitVector BuildUnitVector(double x, double y, double z);
/// The same with the caller's null threshold (length <= tol) and a result
/// code: 0, or 2 for a null vector.
GMATH_API GUnitVector BuildUnitVector(double x, double y, double z, double tol, long* err);
/// The direction from one position to another.
GMATH_API GUnitVector BuildUnitVector(const GPosition& from, const GPosition& to);

/// A unit vector perpendicular to u: the coordinate axis along u's smallest
/// coordinate (the lower index on a tie), with its component along u removed.
GMATH_API GUnitVector GetPerpVector(const GUnitVector& u);

///@{
/// Validity: each coordinate is a number of magnitude <= 1e30. The first bad
/// coordinate reports "<type> has an invalid coordinate". A unit vector must
/// further have unit length ("GUnitVector: using a NULL unit vector",
/// "GUnitVector: vector is not a unit vector").
GMATH_API void Gassert_valid(const GPosition& p);
GMATH_API void Gassert_valid(const GVector& v);
///@}
/// Stores 1 in *valid, then 0 on failure.
GMATH_API void Gassert_valid(const GVector& v, int* valid);
/// The coordinate check, then the unit length check, each reporting its message.
GMATH_API void Gassert_valid(const GUnitVector& u);

// The layouts are part of the binary interface: callers on 32-bit and
// 64-bit targets exchange these structures by value and through pointers.
namespace gmath::detail {
template <class T>
constexpr bool IsPlainValue() {
  return std::is_trivially_copyable_v<T> && std::is_standard_layout_v<T> && std::is_aggregate_v<T>;
}
template <class T>
constexpr bool HasXyzLayout() {
  return offsetof(T, m_x) == 0 && offsetof(T, m_y) == sizeof(double) &&
         offsetof(T, m_z) == 2 * sizeof(double) && sizeof(T) == 3 * sizeof(double);
}
}  // namespace gmath::detail

static_assert(gmath::detail::IsPlainValue<GPosition>() && gmath::detail::HasXyzLayout<GPosition>(),
              "GPosition layout");
static_assert(gmath::detail::IsPlainValue<GVector>() && gmath::detail::HasXyzLayout<GVector>(),
              "GVector layout");
static_assert(gmath::detail::IsPlainValue<GUnitVector>() &&
                  gmath::detail::HasXyzLayout<GUnitVector>(),
              "GUnitVector layout");

#endif
