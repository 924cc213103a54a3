#include "frame/report.h"
#include "gmath/planar/matrix2d.h"
#include "gmath/planar/transf2d.h"
#include "gmath/planar/vector2d.h"
#include "planar/planar_ops.h"

using gmath::detail::ColumnTimes2d;
using gmath::detail::RowTimes2d;
using gmath::detail::UnitOf2d;

namespace {

// A vector product that leaves the valid range (or yields NaN) says so.
GVector2d Checked(const GVector2d& v) {
  Gassert_valid(v);
  return v;
}

// Directions ignore scaling and translation; a shearing transform is
// reported and applied all the same.
void ReportShear(const GTransf2d& t) {
  if (t.m_hasShear != 0) gmath::detail::Report("GUnitVector2d: transformation has Shear");
}

}  // namespace

GPosition2d operator*(const GPosition2d& p, const GMatrix2d& m) { return RowTimes2d(p, m); }

GPosition2d operator*(const GMatrix2d& m, const GPosition2d& p) { return ColumnTimes2d(m, p); }

GPosition2d& GPosition2d::operator*=(const GMatrix2d& m) {
  *this = RowTimes2d(*this, m);
  return *this;
}

GVector2d operator*(const GVector2d& v, const GMatrix2d& m) { return Checked(RowTimes2d(v, m)); }

GVector2d operator*(const GMatrix2d& m, const GVector2d& v) { return Checked(ColumnTimes2d(m, v)); }

GVector2d& GVector2d::operator*=(const GMatrix2d& m) {
  *this = *this * m;
  return *this;
}

GUnitVector2d operator*(const GUnitVector2d& u, const GMatrix2d& m) {
  return UnitOf2d(GVector2d(u) * m);
}

GUnitVector2d operator*(const GMatrix2d& m, const GUnitVector2d& u) {
  return UnitOf2d(m * GVector2d(u));
}

GUnitVector2d& GUnitVector2d::operator*=(const GMatrix2d& m) {
  *this = *this * m;
  return *this;
}

GPosition2d operator*(const GPosition2d& p, const GTransf2d& t) {
  const GPosition2d image = RowTimes2d(p, t.m_matrix);
  return {image.m_x * t.m_scaling + t.m_translation.m_x,
          image.m_y * t.m_scaling + t.m_translation.m_y};
}

GPosition2d& GPosition2d::operator*=(const GTransf2d& t) {
  *this = *this * t;
  return *this;
}

GPosition2d operator^(const GPosition2d& p, const GTransf2d& t) { return p * t.Inverse(); }

// The matrix product here is the checked vector product, as in the
// translation of a composed transform.
GVector2d operator*(const GVector2d& v, const GTransf2d& t) {
  const GVector2d image = v * t.m_matrix;
  return {image.m_x * t.m_scaling, image.m_y * t.m_scaling};
}

GVector2d& GVector2d::operator*=(const GTransf2d& t) {
  *this = *this * t;
  return *this;
}

GVector2d operator^(const GVector2d& v, const GTransf2d& t) { return v * t.Inverse(); }

GUnitVector2d operator*(const GUnitVector2d& u, const GTransf2d& t) {
  ReportShear(t);
  return u * t.m_matrix;
}

GUnitVector2d& GUnitVector2d::operator*=(const GTransf2d& t) {
  *this = *this * t;
  return *this;
}

// The transpose undoes a rotation or reflection, and a direction needs
// nothing else of the inverse.
GUnitVector2d operator^(const GUnitVector2d& u, const GTransf2d& t) {
  ReportShear(t);
  return u * t.m_matrix.Transpose();
}
