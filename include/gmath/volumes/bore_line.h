#ifndef GMATH_VOLUMES_BORE_LINE_H
#define GMATH_VOLUMES_BORE_LINE_H

#include <cstddef>

#include "gmath/core3d/vector.h"
#include "gmath/export.h"

// A line through m_point along m_direction, cut to the depths
// [m_back, m_front] and thickened by m_radius. Depths of +-1e30 are
// unbounded.
typedef struct GMATH_API tagGBoreLine {
  GPosition m_point;
  GUnitVector m_direction;
  double m_front;
  double m_back;
  double m_radius;
} GBoreLine;

static_assert(offsetof(GBoreLine, m_direction) == 24, "GBoreLine layout");
static_assert(offsetof(GBoreLine, m_front) == 48, "GBoreLine layout");
static_assert(offsetof(GBoreLine, m_back) == 56, "GBoreLine layout");
static_assert(offsetof(GBoreLine, m_radius) == 64, "GBoreLine layout");
static_assert(sizeof(GBoreLine) == 72, "GBoreLine layout");

#endif
