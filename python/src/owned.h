#ifndef GMATH_PYTHON_OWNED_H
#define GMATH_PYTHON_OWNED_H

#include <vector>

#include "gmath/gmath.h"

namespace gmath_py {

// The library's point-set volumes borrow their caller's point array; the
// Python objects own theirs, so each keeps the array beside the struct and
// re-aims the struct's pointer whenever it is copied.
template <class T>
struct Owned {
  std::vector<GPosition> points;
  T value{};

  Owned(std::vector<GPosition> p, const T& v) : points(std::move(p)), value(v) { Aim(); }
  Owned(const Owned& other) : points(other.points), value(other.value) { Aim(); }
  Owned& operator=(const Owned& other) {
    points = other.points;
    value = other.value;
    Aim();
    return *this;
  }
  void Aim();
};

template <>
inline void Owned<GPtFence>::Aim() {
  value.m_points = points.data();
  value.m_count = static_cast<std::uint32_t>(points.size());
}
template <>
inline void Owned<GPtFrustum>::Aim() {
  value.m_fence.m_points = points.data();
  value.m_fence.m_count = static_cast<std::uint32_t>(points.size());
}
template <>
inline void Owned<GRtPrism>::Aim() {
  value.m_points = points.data();
  value.m_count = static_cast<std::uint32_t>(points.size());
}

using Fence = Owned<GPtFence>;
using Frustum = Owned<GPtFrustum>;
using Prism = Owned<GRtPrism>;

}  // namespace gmath_py

#endif
