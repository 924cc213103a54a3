#include <cmath>

#include "core3d/matrix_ops.h"
#include "frame/tolerance.h"
#include "gmath/core3d/transf.h"
#include "gmath/homogeneous/g4x4.h"
#include "homogeneous/g4x4_ops.h"

using gmath::detail::Exceeds;

namespace {

constexpr long kNotSimilarity = 2;

}  // namespace

// The zero transform is written first, so every failure leaves it. A NaN
// where the tests expect a number fails: it must not pass for a similarity.
long ConvertG4x4ToGTransf(const G4x4& g, GTransf& t) {
  t = {gmath::detail::kZeroMatrix, {0.0, 0.0, 0.0}, 0.0, 0, 0, 0};
  const double r = gmath::detail::RelativeTolerance();
  const double* e = g.m_matrix;
  if (Exceeds(e[15] - 1.0, r) || Exceeds(e[3], r) || Exceeds(e[7], r) || Exceeds(e[11], r)) {
    return kNotSimilarity;
  }
  GMatrix block = gmath::detail::LinearBlock(g);
  int isOrthoScale = 0;
  double scale = 0.0;
  long err = 0;
  gmath::detail::OrthoScale(&block.m_matrix[0][0], 3, &isOrthoScale, &scale, &err);
  if (err != 0 || isOrthoScale == 0) return kNotSimilarity;
  const double unscale = 1.0 / scale;
  for (auto& row : block.m_matrix) {
    for (double& entry : row) entry = entry * unscale;
  }
  GMatrix orthogonal;
  MakeOrthogonal(block, orthogonal, &err);
  if (err != 0) return kNotSimilarity;
  const double det = GetDeterminant(orthogonal);
  if (Exceeds(std::abs(det) - 1.0, r)) return kNotSimilarity;
  const unsigned char rotation = det >= 0.0 ? 1 : 0;
  t = {orthogonal, {e[12], e[13], e[14]}, scale, rotation, static_cast<unsigned char>(1 - rotation),
       0};
  return 0;
}

GTransf& GTransf::operator=(const G4x4& g) {
  ConvertG4x4ToGTransf(g, *this);
  return *this;
}
