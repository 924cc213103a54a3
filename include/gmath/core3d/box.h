#ifndef GMATH_CORE3D_BOX_H
#define GMATH_CORE3D_BOX_H

#include <cstddef>

#include "gmath/core3d/vector.h"
#include "gmath/export.h"

// Axis-aligned box. Nothing forces m_low <= m_high; empty results are the
// canonical null box, low (1e30, 1e30, 1e30) and high (-1e30, -1e30, -1e30).
typedef struct GMATH_API tagGBox {
  GPosition m_low;
  GPosition m_high;
} GBox;

static_assert(offsetof(GBox, m_high) == sizeof(GPosition), "GBox layout");
static_assert(sizeof(GBox) == 2 * sizeof(GPosition), "GBox layout");

#endif
