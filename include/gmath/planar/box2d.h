#ifndef GMATH_PLANAR_BOX2D_H
#define GMATH_PLANAR_BOX2D_H

#include <cstddef>

#include "gmath/export.h"
#include "gmath/planar/vector2d.h"

// Axis-aligned planar box; empty results are the canonical null box, low
// (1e30, 1e30) and high (-1e30, -1e30).
typedef struct GMATH_API tagGBox2d {
  GPosition2d m_low;
  GPosition2d m_high;
} GBox2d;

static_assert(offsetof(GBox2d, m_high) == 16 && sizeof(GBox2d) == 32, "GBox2d layout");

#endif
