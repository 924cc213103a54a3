#ifndef GMATH_VOLUMES_RT_PRISM_H
#define GMATH_VOLUMES_RT_PRISM_H

#include <cstddef>
#include <cstdint>

#include "gmath/core3d/transf.h"
#include "gmath/core3d/vector.h"
#include "gmath/export.h"

// A closed polygon in a plane of local coordinates, extruded along local +z
// by m_height and placed in the world by m_transf. m_points belongs to the
// caller, as for point fences.
typedef struct GMATH_API tagGRtPrism {
  GTransf m_transf;
  GPosition* m_points;
  std::uint32_t m_count;
  double m_height;
} GRtPrism;

static_assert(offsetof(GRtPrism, m_points) == sizeof(GTransf), "GRtPrism layout");
static_assert(offsetof(GRtPrism, m_count) == sizeof(GTransf) + sizeof(void*), "GRtPrism layout");
static_assert(offsetof(GRtPrism, m_height) == sizeof(GTransf) + 2 * sizeof(void*),
              "GRtPrism layout");
static_assert(sizeof(GRtPrism) == offsetof(GRtPrism, m_height) + 8, "GRtPrism layout");

#endif
