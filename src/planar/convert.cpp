#include "gmath/planar/convert.h"

#include <cmath>

#include "core3d/common_ops.h"
#include "core3d/matrix_ops.h"
#include "frame/report.h"
#include "frame/tolerance.h"
#include "gmath/core3d/box.h"
#include "gmath/core3d/transf.h"
#include "gmath/core3d/vector.h"
#include "gmath/planar/box2d.h"
#include "gmath/planar/transf2d.h"
#include "gmath/planar/vector2d.h"

namespace {

// Off the plane z = 0 by more than resabs: said, and converted all the same.
bool IsOffPlane(double z) { return std::abs(z) > gmath::detail::DistanceTolerance(); }

void ReportOffPlane(double z, const char* message) {
  if (IsOffPlane(z)) gmath::detail::Report(message);
}

// The elements of a homogeneous matrix that a planar similarity leaves at
// their identity values, in the order they are examined: the weight, the
// perspective column, the coupling of z with x and y, the z translation.
// Element 10, the z scale, plays no part in the plane.
constexpr int kPlanarChecks[] = {15, 3, 7, 11, 2, 6, 8, 9, 14};

}  // namespace

GPosition2d GPosition::Convert2d() const {
  ReportOffPlane(m_z, "Convert2d: GPosition z coordinate > distanceTolerance");
  return {m_x, m_y};
}

void GPosition::Convert3d(const GPosition2d& q) { *this = {q.m_x, q.m_y, 0.0}; }

GVector2d GVector::Convert2d() const {
  ReportOffPlane(m_z, "Convert2d: Gvector z coordinate greater 0.0");
  return {m_x, m_y};
}

void GVector::Convert3d(const GVector2d& w) { *this = {w.m_x, w.m_y, 0.0}; }

GUnitVector2d GUnitVector::Convert2d() const {
  ReportOffPlane(m_z, "Convert2d: GUnitvector z coordinate greater 0.0");
  return BuildUnitVector2d(m_x, m_y);
}

void GUnitVector::Convert3d(const GUnitVector2d& w) { *this = {w.m_x, w.m_y, 0.0}; }

GTransf2d GTransf::Convert2d() const {
  const auto& e = m_matrix.m_matrix;
  if (IsOffPlane(e[0][2]) || IsOffPlane(e[1][2])) {
    gmath::detail::Report("z coordinate of row 0 or row 1 > distanceTolerance");
  }
  if (IsOffPlane(e[2][0]) || IsOffPlane(e[2][1])) {
    gmath::detail::Report("row 2 coordinates > distanceTolerance");
  }
  if (IsOffPlane(e[2][2] - 1.0)) gmath::detail::Report("third coordinate in row 2 not 1.0");
  const GMatrix2d m = {{{e[0][0], e[0][1]}, {e[1][0], e[1][1]}}};
  const bool rotation = GetDeterminant(m) >= 0.0;
  return {m,
          {m_translation.m_x, m_translation.m_y},
          m_scaling,
          gmath::detail::Flag(rotation),
          gmath::detail::Flag(!rotation),
          m_hasShear};
}

void GTransf::Convert3d(const GTransf2d& t2) {
  const auto& a = t2.m_matrix.m_matrix;
  m_matrix = {{{a[0][0], a[0][1], 0.0}, {a[1][0], a[1][1], 0.0}, {0.0, 0.0, 1.0}}};
  m_translation = {t2.m_translation.m_x, t2.m_translation.m_y, 0.0};
  m_scaling = t2.m_scaling;
  m_hasRotation = t2.m_hasRotation;
  m_hasReflection = t2.m_hasReflection;
  m_hasShear = t2.m_hasShear;
}

GBox2d GBox::Convert2d() const {
  if (IsOffPlane(m_low.m_z) || IsOffPlane(m_high.m_z)) {
    gmath::detail::Report("Convert2d: GBox z coordinate > distanceTolerance");
  }
  return {{m_low.m_x, m_low.m_y}, {m_high.m_x, m_high.m_y}};
}

void GBox::Convert3d(const GBox2d& b) {
  m_low = {b.m_low.m_x, b.m_low.m_y, 0.0};
  m_high = {b.m_high.m_x, b.m_high.m_y, 0.0};
}

// Exact tests, no tolerance: a matrix that only nearly lies in the plane is
// not a planar transform. t is written only on success.
long ConvertG4x4ToGTransf2d(const G4x4& g, GTransf2d& t) {
  const double* e = g.m_matrix;
  for (int k : kPlanarChecks) {
    if (e[k] != (k == 15 ? 1.0 : 0.0)) return 2;
  }
  GMatrix2d block = {{{e[0], e[1]}, {e[4], e[5]}}};
  int isOrthoScale = 0;
  double scale = 0.0;
  long err = 0;
  gmath::detail::OrthoScale(&block.m_matrix[0][0], 2, &isOrthoScale, &scale, &err);
  if (err != 0 || isOrthoScale == 0) return 2;
  const double unscale = 1.0 / scale;
  for (auto& row : block.m_matrix) {
    for (double& entry : row) entry *= unscale;
  }
  GMatrix2d orthogonal;
  MakeOrthogonal(block, orthogonal, &err);
  if (err != 0) return 2;
  const double det = GetDeterminant(orthogonal);
  if (std::abs(std::abs(det) - 1.0) > gmath::detail::RelativeTolerance()) return 2;
  const bool rotation = det >= 0.0;
  t = {orthogonal,
       {e[12], e[13]},
       scale,
       gmath::detail::Flag(rotation),
       gmath::detail::Flag(!rotation),
       0};
  return 0;
}
