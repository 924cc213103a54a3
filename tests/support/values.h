#ifndef GMATH_TESTS_SUPPORT_VALUES_H
#define GMATH_TESTS_SUPPORT_VALUES_H

#include <limits>

#include "gmath/gmath.h"

namespace gmath::test {

inline constexpr double kInf = std::numeric_limits<double>::infinity();
inline const double kNaN = std::numeric_limits<double>::quiet_NaN();

// The boxes the library answers with for "nothing" and for "everything".
inline constexpr GBox kNullBox = {{1e30, 1e30, 1e30}, {-1e30, -1e30, -1e30}};
inline constexpr GBox kInfiniteBox = {{-1e30, -1e30, -1e30}, {1e30, 1e30, 1e30}};

}  // namespace gmath::test

#endif
