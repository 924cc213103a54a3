#ifndef GMATH_TESTS_PLANAR_PLANAR_TEST_H
#define GMATH_TESTS_PLANAR_PLANAR_TEST_H

#include "core3d/core3d_test.h"
#include "gmath/gmath.h"

namespace gmath::test {

inline constexpr GMatrix2d kIdentity2d = {{{1, 0}, {0, 1}}};

}  // namespace gmath::test

#endif
