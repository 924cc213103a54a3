#include "gmath/core3d/repair.h"

#include <cmath>

#include "core3d/common_ops.h"
#include "core3d/matrix_ops.h"
#include "core3d/vector_ops.h"
#include "frame/constants.h"
#include "frame/report.h"
#include "gmath/core3d/matrix.h"

using gmath::detail::CheckUnitLength;
using gmath::detail::Cross;
using gmath::detail::RowTimes;
using gmath::detail::UnitOf;

namespace {

// The repaired matrix settles on singular values near 0 or 1 only, so its
// determinant is near 0 or near +-1; half-way tells a repair from a matrix
// whose rank was lost.
constexpr double kLostRank = 0.5;

struct Angles {
  double x;
  double y;
  double z;

  double Magnitude() const { return std::abs(x) + std::abs(y) + std::abs(z); }
};

Angles RotationAngles(const GMatrix& t) {
  const auto& m = t.m_matrix;
  const double s = -m[0][2];
  if (std::abs(std::abs(s) - 1.0) >= gmath::detail::kGimbalThreshold) {
    const double h = std::sqrt(m[0][0] * m[0][0] + m[0][1] * m[0][1]);
    const Angles first = {std::atan2(m[1][2], m[2][2]), std::atan2(s, h),
                          std::atan2(m[0][1], m[0][0])};
    const Angles second = {std::atan2(-m[1][2], -m[2][2]), std::atan2(s, -h),
                           std::atan2(-m[0][1], -m[0][0])};
    return second.Magnitude() <= first.Magnitude() ? second : first;
  }
  // Gimbal lock: the x and z rotations turn about the same axis, so z takes
  // none of it.
  const double a = std::atan2(m[1][0], m[1][1]);
  if (s > 0.0) return {a, gmath::detail::kHalfPi, 0.0};
  return {-a, -gmath::detail::kHalfPi, 0.0};
}

}  // namespace

void OldToNewTransf(const GPosition& oldOrigin, const GUnitVector& oldX, const GUnitVector& oldY,
                    const GPosition& newOrigin, const GUnitVector& newX, const GUnitVector& newY,
                    GTransf& result, long* err) {
  *err = 0;
  if (!CheckUnitLength(oldX) || !CheckUnitLength(oldY) || !CheckUnitLength(newX) ||
      !CheckUnitLength(newY)) {
    *err = gmath::detail::kRejected;
    return;
  }
  if (!oldX.IsOrthogonal(oldY) || !newX.IsOrthogonal(newY)) {
    gmath::detail::Reject("Vectors are not orthogonal", err);
    return;
  }
  const GUnitVector oldZ = UnitOf(Cross(oldX, oldY));
  const GUnitVector newZ = UnitOf(Cross(newX, newY));
  // Old frame to local coordinates (its axes in the columns), then local
  // coordinates to the new frame (its axes in the rows).
  const GMatrix m = BuildMatrix(oldX, oldY, oldZ, 1) * BuildMatrix(newX, newY, newZ, 0);
  const GVector moved = RowTimes(oldOrigin, m);
  result = {m,   {newOrigin.m_x - moved.m_x, newOrigin.m_y - moved.m_y, newOrigin.m_z - moved.m_z},
            1.0, 1,
            0,   0};
}

void GTransfHealer(const GTransf& in, GTransf& out, int* healed, long* err) {
  *err = 0;
  *healed = 0;
  const GTransf copy = in;
  out = copy;
  int isOrthoScale = 0;
  double scale = 0.0;
  gmath::detail::OrthoScale(&copy.m_matrix.m_matrix[0][0], 3, &isOrthoScale, &scale, err);
  if (*err != 0) return;
  MakeOrthogonalIt(copy.m_matrix, out.m_matrix, err);
  // Steps that do not settle leave out's matrix as it was: no repair, and no
  // error either.
  if (*err == 2) {
    *err = 0;
    return;
  }
  if (*err != 0) return;
  const double det = GetDeterminant(out.m_matrix);
  // A matrix of lost rank settles at once, being a fixed point of the step;
  // calling it repaired would hand back a singular matrix as a rotation or
  // reflection.
  if (std::abs(det) < kLostRank) {
    out = copy;
    return;
  }
  out.m_hasRotation = gmath::detail::Flag(det > 0.0);
  out.m_hasReflection = gmath::detail::Flag(!(det > 0.0));
  out.m_hasShear = 0;
  *healed = 1;
}

long GetRotAngles(const GTransf& t, double* angleX, double* angleY, double* angleZ,
                  GPosition& origin) {
  Angles angles = {0.0, 0.0, 0.0};
  if (t.m_hasRotation != 0) angles = RotationAngles(t.m_matrix);
  *angleX = angles.x;
  *angleY = angles.y;
  *angleZ = angles.z;
  origin = {t.m_translation.m_x, t.m_translation.m_y, t.m_translation.m_z};
  return 0;
}
