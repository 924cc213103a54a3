// A caller's own program, built against the package: it prints the version
// of the headers and one answer from the library.
#include <cstdio>

#include "gmath/gmath.h"

static_assert(GMATH_VERSION ==
                  GMATH_VERSION_MAJOR * 10000 + GMATH_VERSION_MINOR * 100 + GMATH_VERSION_PATCH,
              "numeric version");

int main() {
  GPosition p{1, 0, 0};
  p *= RotateTransf(0.0, 1.0, BuildUnitVector(0, 0, 1));
  std::printf("gmath %s: (1, 0, 0) turned a quarter about z is (%g, %g, %g)\n",
              GMATH_VERSION_STRING, p.m_x, p.m_y, p.m_z);
  return 0;
}
