#ifndef GMATH_TESTS_CORE3D_BOX_FIXTURE_H
#define GMATH_TESTS_CORE3D_BOX_FIXTURE_H

#include "homogeneous/homogeneous_test.h"

namespace gmath::test {

class BoxFixture : public GmathTest {
 protected:
  static constexpr double kD = 1e-6;  // the default distance tolerance
};

}  // namespace gmath::test

#endif
