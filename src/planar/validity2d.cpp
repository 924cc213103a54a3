#include <cmath>

#include "core3d/common_ops.h"
#include "frame/constants.h"
#include "frame/report.h"
#include "frame/tolerance.h"
#include "gmath/frame.h"
#include "gmath/planar/box2d.h"
#include "gmath/planar/matrix2d.h"
#include "gmath/planar/transf2d.h"
#include "gmath/planar/vector2d.h"
#include "planar/planar_ops.h"

using gmath::detail::Report;

namespace {

constexpr const char* kPositionMessage = "GPosition2d does not have valid coordinates";
constexpr const char* kVectorMessage = "GVector2d does not have valid coordinates";

template <class V>
bool HasValidCoordinates(const V& v) {
  return gmath::detail::IsValidCoordinate(v.m_x) && gmath::detail::IsValidCoordinate(v.m_y);
}

bool Check(bool valid, const char* message) {
  if (!valid) Report(message);
  return valid;
}

// The flags against the sign of the determinant; a zero determinant draws
// no message, and a transform with both flags is held to both.
void CheckFlags(const GTransf2d& t) {
  const bool rotation = t.m_hasRotation != 0;
  const bool reflection = t.m_hasReflection != 0;
  if (!Check(rotation || reflection,
             "GTransf2d: neither m_hasRotation or m_hasReflection is set")) {
    return;
  }
  const double det = GetDeterminant(t.m_matrix);
  Check(!(reflection && det > 0.0), "GTransf2d: m_hasReflection is set, but it is a rotation");
  Check(!(rotation && det < 0.0), "GTransf2d: m_hasRotation is set, but it is a reflection");
}

}  // namespace

void Gassert_valid(const GPosition2d& p) { Check(HasValidCoordinates(p), kPositionMessage); }

void Gassert_valid(const GVector2d& v) { Check(HasValidCoordinates(v), kVectorMessage); }

// The squared length, not the length, is held against the distance
// tolerance.
void Gassert_valid(const GUnitVector2d& u) {
  const bool valid = HasValidCoordinates(u) && !(std::abs(gmath::detail::Dot2d(u, u) - 1.0) >
                                                 gmath::detail::DistanceTolerance());
  Check(valid, "GUnitVector2d does not have valid coordinates");
}

void Gassert_valid(const GMatrix2d& m) {
  for (const auto& row : m.m_matrix) Gassert_valid(GVector2d{row[0], row[1]});
}

void Gassert_valid(const GTransf2d& t) {
  Gassert_valid(t.m_matrix);
  Gassert_valid(t.m_translation);
  Check(t.m_matrix.IsEuclidean() != 0, "GTransf2d is not Euclidean");
  Check(std::isfinite(t.m_scaling) && !(t.m_scaling < gmath::detail::DistanceTolerance()),
        "GTransf2d has an invalid scale");
  Check(t.m_hasShear == 0, "GTransf2d has Shear");
  CheckFlags(t);
}

void Gassert_valid(const GBox2d& box) {
  Gassert_valid(box.m_low);
  Gassert_valid(box.m_high);
}
