#ifndef GMATH_VOLUMES_PT_FENCE_H
#define GMATH_VOLUMES_PT_FENCE_H

#include <cstddef>
#include <cstdint>

#include "gmath/core3d/vector.h"
#include "gmath/export.h"

// A closed planar polygon swept along m_direction between the depths
// m_back and m_front. m_points belongs to the caller: the library never
// allocates, grows or frees it, and copies of a fence share it.
typedef struct GMATH_API tagGPtFence {
  std::uint32_t m_count;
  GPosition* m_points;
  GUnitVector m_direction;
  double m_front;
  double m_back;
} GPtFence;

// The count is 32-bit on every target, so the pointer follows it at its
// own alignment and the direction at twice the pointer size.
static_assert(offsetof(GPtFence, m_points) == sizeof(void*), "GPtFence layout");
static_assert(offsetof(GPtFence, m_direction) == 2 * sizeof(void*), "GPtFence layout");
static_assert(offsetof(GPtFence, m_front) == offsetof(GPtFence, m_direction) + 24,
              "GPtFence layout");
static_assert(offsetof(GPtFence, m_back) == offsetof(GPtFence, m_front) + 8, "GPtFence layout");
static_assert(sizeof(GPtFence) == offsetof(GPtFence, m_back) + 8, "GPtFence layout");

#endif
