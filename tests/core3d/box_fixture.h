#ifndef GMATH_TESTS_CORE3D_BOX_FIXTURE_H
#define GMATH_TESTS_CORE3D_BOX_FIXTURE_H

#include "homogeneous/homogeneous_test.h"

namespace gmath::test {

class BoxFixture : public GmathTest {
 protected:
  static constexpr double kD = 1e-6;  // the default distance tolerance
  static constexpr GBox kNullBox = {{1e30, 1e30, 1e30}, {-1e30, -1e30, -1e30}};
  static constexpr GBox kInfiniteBox = {{-1e30, -1e30, -1e30}, {1e30, 1e30, 1e30}};

  // Both corners within tol (0: exactly).
  static ::testing::AssertionResult Is(const GBox& box, const GBox& expected, double tol = 0.0) {
    const GPosition& l = expected.m_low;
    const GPosition& h = expected.m_high;
    if (HasXyz(box.m_low, l.m_x, l.m_y, l.m_z, tol) &&
        HasXyz(box.m_high, h.m_x, h.m_y, h.m_z, tol)) {
      return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "(" << box.m_low.m_x << ", " << box.m_low.m_y << ", " << box.m_low.m_z << ")-("
           << box.m_high.m_x << ", " << box.m_high.m_y << ", " << box.m_high.m_z << ")";
  }
};

}  // namespace gmath::test

#endif
