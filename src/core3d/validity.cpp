#include <cmath>

#include "core3d/common_ops.h"
#include "core3d/vector_ops.h"
#include "frame/report.h"
#include "frame/tolerance.h"
#include "gmath/core3d/matrix.h"
#include "gmath/core3d/transf.h"
#include "gmath/core3d/vector.h"
#include "gmath/frame.h"

using gmath::detail::IsValidCoordinate;
using gmath::detail::Report;

namespace {

constexpr const char* kVectorMessage = "GVector has an invalid coordinate";

// Reports the type's message once, at the first bad coordinate.
template <class V>
bool CheckCoordinates(const V& v, const char* message) {
  if (IsValidCoordinate(v.m_x) && IsValidCoordinate(v.m_y) && IsValidCoordinate(v.m_z)) {
    return true;
  }
  Report(message);
  return false;
}

// Every row is checked, so each bad row reports.
bool CheckRows(const GMatrix& m) {
  bool valid = true;
  for (const auto& row : m.m_matrix) {
    if (!CheckCoordinates(GVector{row[0], row[1], row[2]}, kVectorMessage)) valid = false;
  }
  return valid;
}

bool Fails(bool failed, const char* message) {
  if (failed) Report(message);
  return failed;
}

// The flags against the sign of the determinant; a zero determinant draws
// no message, and a transform with both flags is held to both.
bool CheckFlags(const GTransf& t) {
  const bool rotation = t.m_hasRotation != 0;
  const bool reflection = t.m_hasReflection != 0;
  if (Fails(!rotation && !reflection, "GTransf: neither m_hasRotation or m_hasReflection is set")) {
    return false;
  }
  const double det = GetDeterminant(t.m_matrix);
  bool valid =
      !Fails(reflection && det > 0.0, "GTransf: m_hasReflection is set, but it is a rotation");
  if (Fails(rotation && det < 0.0, "GTransf: m_hasRotation is set, but it is a reflection")) {
    valid = false;
  }
  return valid;
}

// Every check runs and reports; the verdict is their conjunction, so a
// later check that passes never undoes an earlier failure.
bool CheckTransf(const GTransf& t) {
  bool valid = CheckRows(t.m_matrix);
  if (!CheckCoordinates(t.m_translation, kVectorMessage)) valid = false;
  if (Fails(!t.m_matrix.IsEuclidean(), "GTransf is not Euclidean")) valid = false;
  const bool badScale =
      !std::isfinite(t.m_scaling) || gmath::detail::DistanceTolerance() > t.m_scaling;
  if (Fails(badScale, "GTransf has an invalid scale")) valid = false;
  if (Fails(t.m_hasShear != 0, "GTransf has Shear")) valid = false;
  if (!CheckFlags(t)) valid = false;
  return valid;
}

}  // namespace

void Gassert_valid(const GPosition& p) {
  CheckCoordinates(p, "GPosition has an invalid coordinate");
}

void Gassert_valid(const GVector& v) { CheckCoordinates(v, kVectorMessage); }

void Gassert_valid(const GVector& v, int* valid) {
  *valid = 1;
  if (!CheckCoordinates(v, kVectorMessage)) *valid = 0;
}

void Gassert_valid(const GUnitVector& u) {
  if (CheckCoordinates(u, "GUnitVector has an invalid coordinate")) {
    gmath::detail::CheckUnitLength(u);
  }
}

void Gassert_valid(const GMatrix& m) { CheckRows(m); }

void Gassert_valid(const GMatrix& m, int* valid) { *valid = CheckRows(m) ? 1 : 0; }

void Gassert_valid(const GTransf& t) { CheckTransf(t); }

void Gassert_valid(const GTransf& t, int* valid) {
  *valid = 1;
  if (!CheckTransf(t)) *valid = 0;
}
