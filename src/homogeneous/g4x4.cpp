#include "gmath/homogeneous/g4x4.h"

#include <cmath>

#include "frame/report.h"
#include "frame/tolerance.h"
#include "gmath/frame.h"
#include "homogeneous/g4x4_ops.h"

using gmath::detail::Exceeds;
using gmath::detail::FromTransf;
using gmath::detail::LinearBlock;

namespace {

constexpr int kCompared = 15;

// Element 15 of 0 cannot be divided out: such a matrix equals only another
// with element 15 of 0, compared entry by entry as it stands.
int IsEqualUnscaled(const double* a, const double* b, double tol) {
  for (int k = 0; k < kCompared; ++k) {
    if (std::abs(a[k] - b[k]) > tol) return 0;
  }
  return 1;
}

// Negative when the block reflects, positive when it rotates; NaN when row
// 0 is too short to judge.
double Handedness(const G4x4& g) {
  const double* e = g.m_matrix;
  const double length = std::sqrt(e[0] * e[0] + e[1] * e[1] + e[2] * e[2]);
  if (length < gmath::detail::RelativeTolerance()) return std::nan("");
  return GetDeterminant(LinearBlock(g)) / (length * length * length);
}

}  // namespace

G4x4 Build4x4(const double* values) {
  G4x4 g = {};
  if (values == nullptr) return g;
  for (int k = 0; k < 16; ++k) g.m_matrix[k] = values[k];
  return g;
}

int G4x4::IsEqual(const G4x4& other) const {
  const double tol = gmath::detail::RelativeTolerance();
  const double w = m_matrix[15];
  const double otherW = other.m_matrix[15];
  if (w == 0.0 || otherW == 0.0) {
    return w == otherW ? IsEqualUnscaled(m_matrix, other.m_matrix, tol) : 0;
  }
  const double a = 1.0 / w;
  const double b = 1.0 / otherW;
  for (int k = 0; k < kCompared; ++k) {
    if (std::abs(a * m_matrix[k] - b * other.m_matrix[k]) > tol) return 0;
  }
  return 1;
}

int G4x4::IsValid() const {
  const double r = gmath::detail::RelativeTolerance();
  return std::abs(GetDeterminant(LinearBlock(*this)) * m_matrix[15]) > r * r * r ? 1 : 0;
}

int G4x4::IsInvertible() const { return IsValid(); }

int G4x4::HasRotation() const { return Handedness(*this) >= 0.0 ? 1 : 0; }

int G4x4::HasReflection() const { return Handedness(*this) <= 0.0 ? 1 : 0; }

G4x4 operator*(const G4x4& a, const G4x4& b) {
  const double* x = a.m_matrix;
  const double* y = b.m_matrix;
  G4x4 product;
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      product.m_matrix[4 * r + c] = y[4 * r] * x[c] + y[4 * r + 1] * x[4 + c] +
                                    y[4 * r + 2] * x[8 + c] + y[4 * r + 3] * x[12 + c];
    }
  }
  return product;
}

G4x4 operator*(const G4x4& a, const GTransf& t) { return a * FromTransf(t); }

G4x4 operator*(const GTransf& t, const G4x4& b) { return FromTransf(t) * b; }

G4x4& G4x4::operator*=(const G4x4& b) {
  *this = *this * b;
  return *this;
}

G4x4& G4x4::operator*=(const GTransf& t) {
  *this = *this * FromTransf(t);
  return *this;
}

G4x4& G4x4::operator=(const GTransf& t) {
  *this = FromTransf(t);
  return *this;
}

// A NaN element is reported too: it is neither 0 nor 1.
void Gassert_valid(const G4x4& g) {
  const double r = gmath::detail::RelativeTolerance();
  const double* e = g.m_matrix;
  if (Exceeds(e[3], r)) gmath::detail::Report("G4x4: m_matrix[3] is not 0");
  if (Exceeds(e[7], r)) gmath::detail::Report("G4x4: m_matrix[7] is not 0");
  if (Exceeds(e[11], r)) gmath::detail::Report("G4x4: m_matrix[11] is not 0");
  if (Exceeds(e[15] - 1.0, r)) gmath::detail::Report("G4x4: m_matrix[15] is not 1");
}
