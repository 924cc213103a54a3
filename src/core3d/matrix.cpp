#include "gmath/core3d/matrix.h"

#include <cmath>

#include "core3d/common_ops.h"
#include "core3d/matrix_ops.h"
#include "frame/report.h"
#include "frame/tolerance.h"

namespace {

template <class V>
GMatrix FromRows(const V& a, const V& b, const V& c, int placement) {
  const GMatrix rows = {{{a.m_x, a.m_y, a.m_z}, {b.m_x, b.m_y, b.m_z}, {c.m_x, c.m_y, c.m_z}}};
  return placement == 0 ? rows : rows.Transpose();
}

}  // namespace

GMatrix BuildMatrix(const GUnitVector& a, const GUnitVector& b, const GUnitVector& c,
                    int placement) {
  return FromRows(a, b, c, placement);
}

GMatrix BuildMatrix(const GVector& a, const GVector& b, const GVector& c, int placement) {
  return FromRows(a, b, c, placement);
}

GVector GMatrix::operator[](unsigned int i) const {
  if (i > 2) {
    gmath::detail::Report("GMatrix: index out of range");
    i = 2;
  }
  return {m_matrix[i][0], m_matrix[i][1], m_matrix[i][2]};
}

GMatrix GMatrix::Transpose() const {
  GMatrix t;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) t.m_matrix[i][j] = m_matrix[j][i];
  }
  return t;
}

// Written as "fails when greater" so that a NaN difference counts as within.
int GMatrix::IsEqual(const GMatrix& other) const {
  const double tol = gmath::detail::RelativeTolerance();
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      if (std::abs(m_matrix[i][j] - other.m_matrix[i][j]) > tol) return 0;
    }
  }
  return 1;
}

int GMatrix::IsNull() const { return IsEqual(gmath::detail::kZeroMatrix); }

int GMatrix::IsIdentity() const { return IsEqual(gmath::detail::kIdentityMatrix); }

int GMatrix::IsEuclidean() const {
  return gmath::detail::IsUnitOrthoScale(&m_matrix[0][0], 3) ? 1 : 0;
}

GMatrix& GMatrix::operator*=(const GMatrix& b) {
  *this = *this * b;
  return *this;
}

double GetDeterminant(const GMatrix& m) {
  const auto& e = m.m_matrix;
  return e[2][0] * e[0][1] * e[1][2] + e[0][2] * e[1][0] * e[2][1] + e[2][2] * e[0][0] * e[1][1] -
         e[2][0] * e[0][2] * e[1][1] - e[0][0] * e[2][1] * e[1][2] - e[2][2] * e[0][1] * e[1][0];
}

GMatrix operator*(const GMatrix& a, const GMatrix& b) { return gmath::detail::Product(a, b); }

// The cosine and sine are not checked against each other (c² + s² = 1), so a
// caller may build a scaled rotation on purpose.
GMatrix Rotation(double cosine, double sine, const GUnitVector& axis) {
  if (std::abs(cosine) > 1.0 || std::abs(sine) > 1.0) {
    gmath::detail::Report("GMatrix: abs(cosine or sine of angle) > 1.0");
  }
  const double x = axis.m_x;
  const double y = axis.m_y;
  const double z = axis.m_z;
  const double c = cosine;
  const double s = sine;
  const double t = 1.0 - c;
  return {{{x * x * t + c, x * y * t + z * s, x * z * t - y * s},
           {x * y * t - z * s, y * y * t + c, y * z * t + x * s},
           {x * z * t + y * s, y * z * t - x * s, z * z * t + c}}};
}

GMatrix Rotation(double angle, const GUnitVector& axis) {
  return Rotation(std::cos(angle), std::sin(angle), axis);
}

GMatrix Reflection(const GUnitVector& normal) {
  const double n[3] = {normal.m_x, normal.m_y, normal.m_z};
  GMatrix m;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) m.m_matrix[i][j] = (i == j ? 1.0 : 0.0) - 2.0 * n[i] * n[j];
  }
  return m;
}
