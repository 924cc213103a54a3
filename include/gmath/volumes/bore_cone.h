#ifndef GMATH_VOLUMES_BORE_CONE_H
#define GMATH_VOLUMES_BORE_CONE_H

#include <cstddef>

#include "gmath/core3d/vector.h"
#include "gmath/export.h"
#include "gmath/volumes/bore_line.h"

// A bore line seen from an eye point: the cone from the eye through the
// circle of the bore's radius at its reference point, cut by its depths.
typedef struct GMATH_API tagGBoreCone {
  GBoreLine m_boreLine;
  GPosition m_eyePoint;
} GBoreCone;

static_assert(offsetof(GBoreCone, m_eyePoint) == sizeof(GBoreLine), "GBoreCone layout");
static_assert(sizeof(GBoreCone) == sizeof(GBoreLine) + sizeof(GPosition), "GBoreCone layout");

#endif
