#include "gmath/planar/matrix2d.h"

#include <cmath>

#include "core3d/common_ops.h"
#include "frame/constants.h"
#include "frame/report.h"
#include "frame/tolerance.h"
#include "planar/planar_ops.h"

namespace {

template <class V>
GMatrix2d FromRows(const V& a, const V& b, int placement) {
  const GMatrix2d rows = {{{a.m_x, a.m_y}, {b.m_x, b.m_y}}};
  return placement == 0 ? rows : rows.Transpose();
}

// Within kOrthoSettle of the identity entry by entry; a NaN entry is not.
bool IsNearIdentity(const GMatrix2d& p) {
  const double tol = gmath::detail::kOrthoSettle;
  return std::abs(p.m_matrix[0][0] - 1.0) <= tol && std::abs(p.m_matrix[1][1] - 1.0) <= tol &&
         std::abs(p.m_matrix[0][1]) <= tol && std::abs(p.m_matrix[1][0]) <= tol;
}

}  // namespace

GMatrix2d BuildMatrix2d(const GUnitVector2d& a, const GUnitVector2d& b, int placement) {
  return FromRows(a, b, placement);
}

GMatrix2d BuildMatrix2d(const GVector2d& a, const GVector2d& b, int placement) {
  return FromRows(a, b, placement);
}

GVector2d GMatrix2d::operator[](unsigned int i) const {
  if (i > 1) {
    gmath::detail::Report("GMatrix2d: index out of range");
    i = 1;
  }
  return {m_matrix[i][0], m_matrix[i][1]};
}

int GMatrix2d::IsEqual(const GMatrix2d& m) const {
  const double tol = gmath::detail::RelativeTolerance();
  for (int i = 0; i < 2; ++i) {
    for (int j = 0; j < 2; ++j) {
      if (!(std::abs(m_matrix[i][j] - m.m_matrix[i][j]) <= tol)) return 0;
    }
  }
  return 1;
}

int GMatrix2d::IsNull() const { return IsEqual(gmath::detail::kZeroMatrix2d); }

int GMatrix2d::IsIdentity() const { return IsEqual(gmath::detail::kIdentityMatrix2d); }

// The 2x2 ortho-scale test needs no heap.
int GMatrix2d::IsEuclidean() const {
  return gmath::detail::IsUnitOrthoScale(&m_matrix[0][0], 2) ? 1 : 0;
}

GMatrix2d GMatrix2d::Transpose() const {
  return {{{m_matrix[0][0], m_matrix[1][0]}, {m_matrix[0][1], m_matrix[1][1]}}};
}

GMatrix2d& GMatrix2d::operator*=(const GMatrix2d& b) {
  *this = *this * b;
  return *this;
}

double GetDeterminant(const GMatrix2d& m) {
  const auto& e = m.m_matrix;
  return e[0][0] * e[1][1] - e[1][0] * e[0][1];
}

GMatrix2d operator*(const GMatrix2d& a, const GMatrix2d& b) {
  const auto& x = a.m_matrix;
  const auto& y = b.m_matrix;
  return {{{x[0][0] * y[0][0] + x[0][1] * y[1][0], x[0][0] * y[0][1] + x[0][1] * y[1][1]},
           {x[1][0] * y[0][0] + x[1][1] * y[1][0], x[1][0] * y[0][1] + x[1][1] * y[1][1]}}};
}

GMatrix2d Rotation2d(double c, double s) {
  if (std::abs(c) > 1.0 || std::abs(s) > 1.0) {
    gmath::detail::Report("GMatrix2d: abs(cosine or sine of angle) > 1.0");
  }
  return BuildMatrix2d(BuildUnitVector2d(c, s), BuildUnitVector2d(-s, c), 0);
}

GMatrix2d Rotation2d(double angle) { return Rotation2d(std::cos(angle), std::sin(angle)); }

GMatrix2d Reflection2d(const GUnitVector2d& u) {
  const GUnitVector2d p = BuildUnitVector2d(-u.m_y, u.m_x);
  const double off = -2.0 * p.m_x * p.m_y;
  return {{{1.0 - 2.0 * p.m_x * p.m_x, off}, {off, 1.0 - 2.0 * p.m_y * p.m_y}}};
}

// out = in + in·(I - inᵀin)/2. The argument is copied first, so that in and
// out may be the same matrix.
void MakeOrthogonal(const GMatrix2d& in, GMatrix2d& out, long* err) {
  *err = 0;
  const GMatrix2d source = in;
  const GMatrix2d p = source.Transpose() * source;
  if (IsNearIdentity(p)) {
    out = source;
    return;
  }
  const double off = p.m_matrix[1][0] * -0.5;
  const GMatrix2d d = {
      {{(1.0 - p.m_matrix[0][0]) * 0.5, off}, {off, (1.0 - p.m_matrix[1][1]) * 0.5}}};
  out = source * d;
  for (int i = 0; i < 2; ++i) {
    for (int j = 0; j < 2; ++j) out.m_matrix[i][j] += source.m_matrix[i][j];
  }
}
