#ifndef GMATH_TESTS_SUPPORT_MATCHERS_H
#define GMATH_TESTS_SUPPORT_MATCHERS_H

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstring>
#include <iterator>

#include "gmath/gmath.h"

namespace gmath::test {

// Bit for bit: a value left untouched or copied unchanged. Transforms are
// compared up to their flags, since a copy need not carry the padding.
template <class T>
bool SameBits(const T& a, const T& b) {
  return std::memcmp(&a, &b, sizeof(T)) == 0;
}
inline bool SameBits(const GTransf& a, const GTransf& b) {
  return std::memcmp(&a, &b, gmath::detail::kTransfEnd) == 0;
}
inline bool SameBits(const GTransf2d& a, const GTransf2d& b) {
  return std::memcmp(&a, &b, gmath::detail::kTransf2dEnd) == 0;
}
// The first count values of two arrays.
template <class T>
bool SameBits(const T* a, const T* b, std::size_t count) {
  return std::memcmp(a, b, count * sizeof(T)) == 0;
}

// The three coordinates, within tol (0: exactly).
template <class V>
::testing::AssertionResult HasXyz(const V& v, double x, double y, double z, double tol = 0.0) {
  if (std::abs(v.m_x - x) <= tol && std::abs(v.m_y - y) <= tol && std::abs(v.m_z - z) <= tol) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "(" << v.m_x << ", " << v.m_y << ", " << v.m_z << ")";
}

// Both coordinates, within tol (0: exactly).
template <class V>
::testing::AssertionResult HasXy(const V& v, double x, double y, double tol = 0.0) {
  if (std::abs(v.m_x - x) <= tol && std::abs(v.m_y - y) <= tol) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "(" << v.m_x << ", " << v.m_y << ")";
}

// Every entry of a square matrix, spatial or planar, within tol.
template <class M>
::testing::AssertionResult HasRows(const M& m, const M& expected, double tol = 0.0) {
  const std::size_t size = std::size(m.m_matrix);
  for (std::size_t i = 0; i < size; ++i) {
    for (std::size_t j = 0; j < size; ++j) {
      if (!(std::abs(m.m_matrix[i][j] - expected.m_matrix[i][j]) <= tol)) {
        return ::testing::AssertionFailure() << "entry " << i << j << " is " << m.m_matrix[i][j];
      }
    }
  }
  return ::testing::AssertionSuccess();
}

// Both corners within tol (0: exactly).
inline ::testing::AssertionResult IsBox(const GBox& box, const GBox& expected, double tol = 0.0) {
  const GPosition& l = expected.m_low;
  const GPosition& h = expected.m_high;
  if (HasXyz(box.m_low, l.m_x, l.m_y, l.m_z, tol) && HasXyz(box.m_high, h.m_x, h.m_y, h.m_z, tol)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "(" << box.m_low.m_x << ", " << box.m_low.m_y << ", " << box.m_low.m_z << ")-("
         << box.m_high.m_x << ", " << box.m_high.m_y << ", " << box.m_high.m_z << ")";
}

inline ::testing::AssertionResult HasBox(const GBox2d& b, double lowX, double lowY, double highX,
                                         double highY, double tol = 0.0) {
  if (HasXy(b.m_low, lowX, lowY, tol) && HasXy(b.m_high, highX, highY, tol)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "(" << b.m_low.m_x << ", " << b.m_low.m_y << ")-("
                                       << b.m_high.m_x << ", " << b.m_high.m_y << ")";
}

}  // namespace gmath::test

#endif
