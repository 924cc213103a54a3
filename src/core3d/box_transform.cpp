#include "core3d/box_ops.h"
#include "core3d/products_ops.h"
#include "core3d/vector_ops.h"
#include "gmath/core3d/box.h"

using gmath::detail::AsPosition;
using gmath::detail::MapCorners;
using gmath::detail::Plus;

namespace {

// Maps by p·m (row) or m·p (column). The identity, within resnor, leaves the
// box as it is, a null box included.
GBox Mapped(const GBox& box, const GMatrix& m, bool row) {
  if (m.IsIdentity()) return box;
  if (row) {
    return MapCorners(box, [&m](const GPosition& p) {
      return AsPosition<GPosition>(gmath::detail::RowTimes(p, m));
    });
  }
  return MapCorners(box, [&m](const GPosition& p) {
    return AsPosition<GPosition>(gmath::detail::ColumnTimes(m, p));
  });
}

// Scaled first, so that a negative scaling swaps the corners, then mapped
// by the matrix, then translated.
GBox Transformed(const GBox& box, const GTransf& t, bool row) {
  const GBox mapped = Mapped(box * t.m_scaling, t.m_matrix, row);
  return {Plus(mapped.m_low, t.m_translation), Plus(mapped.m_high, t.m_translation)};
}

}  // namespace

GBox operator*(const GBox& box, const GMatrix& m) { return Mapped(box, m, true); }

GBox operator*(const GMatrix& m, const GBox& box) { return Mapped(box, m, false); }

GBox& GBox::operator*=(const GMatrix& m) {
  *this = Mapped(*this, m, true);
  return *this;
}

GBox operator*(const GBox& box, const GTransf& t) { return Transformed(box, t, true); }

GBox operator*(const GTransf& t, const GBox& box) { return Transformed(box, t, false); }

GBox& GBox::operator*=(const GTransf& t) {
  *this = Transformed(*this, t, true);
  return *this;
}

// No identity shortcut: every corner goes through the homogeneous product,
// which reports a weight near zero.
GBox operator*(const G4x4& g, const GBox& box) {
  return MapCorners(box, [&g](const GPosition& p) {
    return gmath::detail::Homogeneous<true, true, GPosition>(g, p);
  });
}

GBox operator*(const GBox& box, const G4x4& g) {
  return MapCorners(box, [&g](const GPosition& p) {
    return gmath::detail::Homogeneous<false, true, GPosition>(g, p);
  });
}

GBox& GBox::operator*=(const G4x4& g) {
  *this = g * *this;
  return *this;
}
