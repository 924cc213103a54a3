#include "gmath/core3d/products.h"

#include "core3d/products_ops.h"
#include "core3d/vector_ops.h"
#include "frame/report.h"

using gmath::detail::AsPosition;
using gmath::detail::ColumnTimes;
using gmath::detail::Homogeneous;
using gmath::detail::RowTimes;
using gmath::detail::UnitOf;

namespace {

constexpr bool kMatrixFirst = true;
constexpr bool kMatrixLast = false;
constexpr bool kPoint = true;
constexpr bool kDirection = false;

}  // namespace

GPosition& GPosition::operator*=(const GMatrix& m) {
  *this = AsPosition<GPosition>(RowTimes(*this, m));
  return *this;
}

GPosition& GPosition::operator*=(const GTransf& t) {
  *this = gmath::detail::Transformed(*this, t);
  return *this;
}

GPosition& GPosition::operator*=(const G4x4& g) {
  *this = Homogeneous<kMatrixFirst, kPoint, GPosition>(g, *this);
  return *this;
}

GPosition operator^(const GPosition& p, const GTransf& t) {
  return gmath::detail::Transformed(p, t.Inverse());
}

GPosition operator*(const G4x4& g, const GPosition& p) {
  return Homogeneous<kMatrixFirst, kPoint, GPosition>(g, p);
}

GPosition operator*(const GPosition& p, const G4x4& g) {
  return Homogeneous<kMatrixLast, kPoint, GPosition>(g, p);
}

GVector& GVector::operator*=(const GMatrix& m) {
  *this = RowTimes(*this, m);
  return *this;
}

GVector& GVector::operator*=(const GTransf& t) {
  *this = gmath::detail::LinearPart(*this, t);
  return *this;
}

GVector& GVector::operator*=(const G4x4& g) {
  *this = Homogeneous<kMatrixFirst, kDirection, GVector>(g, *this);
  return *this;
}

GVector operator*(const GVector& v, const GTransf& t) { return gmath::detail::LinearPart(v, t); }

GVector operator^(const GVector& v, const GTransf& t) {
  return gmath::detail::LinearPart(v, t.Inverse());
}

GVector operator*(const G4x4& g, const GVector& v) {
  return Homogeneous<kMatrixFirst, kDirection, GVector>(g, v);
}

GVector operator*(const GVector& v, const G4x4& g) {
  return Homogeneous<kMatrixLast, kDirection, GVector>(g, v);
}

GUnitVector operator*(const GUnitVector& u, const GMatrix& m) { return UnitOf(RowTimes(u, m)); }

GUnitVector operator*(const GMatrix& m, const GUnitVector& u) {
  return UnitOf(ColumnTimes(m, u));
}

GUnitVector& GUnitVector::operator*=(const GMatrix& m) {
  *this = *this * m;
  return *this;
}

// Directions ignore the scaling: a negative one would otherwise turn them
// around.
GUnitVector operator*(const GUnitVector& u, const GTransf& t) {
  if (t.m_hasShear != 0) gmath::detail::Report("GUnitVector: multiplying by trans, trans has Shear");
  return UnitOf(RowTimes(u, t.m_matrix));
}

GUnitVector& GUnitVector::operator*=(const GTransf& t) {
  *this = *this * t;
  return *this;
}

GUnitVector operator^(const GUnitVector& u, const GTransf& t) { return u * t.Inverse(); }

GUnitVector operator*(const GUnitVector& u, const G4x4& g) {
  return UnitOf(Homogeneous<kMatrixLast, kDirection, GVector>(g, u));
}

GUnitVector operator*(const G4x4& g, const GUnitVector& u) {
  return UnitOf(Homogeneous<kMatrixFirst, kDirection, GVector>(g, u));
}

GUnitVector& GUnitVector::operator*=(const G4x4& g) {
  *this = g * *this;
  return *this;
}
