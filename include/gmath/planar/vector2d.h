#ifndef GMATH_PLANAR_VECTOR2D_H
#define GMATH_PLANAR_VECTOR2D_H

#include <cstddef>

#include "gmath/export.h"

// Planar point; (1e30, 1e30) is the null position.
typedef struct GMATH_API tagGPosition2d {
  double m_x;
  double m_y;
} GPosition2d;

// Planar displacement.
typedef struct GMATH_API tagGVector2d {
  double m_x;
  double m_y;
} GVector2d;

// Planar direction: of unit length, or (0, 0) after a failed build.
typedef struct GMATH_API tagGUnitVector2d {
  double m_x;
  double m_y;
} GUnitVector2d;

static_assert(offsetof(GPosition2d, m_y) == 8 && sizeof(GPosition2d) == 16, "GPosition2d layout");
static_assert(offsetof(GVector2d, m_y) == 8 && sizeof(GVector2d) == 16, "GVector2d layout");
static_assert(offsetof(GUnitVector2d, m_y) == 8 && sizeof(GUnitVector2d) == 16,
              "GUnitVector2d layout");

#endif
