#ifndef GMATH_VOLUMES_CLIP_VOLUME_H
#define GMATH_VOLUMES_CLIP_VOLUME_H

#include <cstddef>
#include <cstdint>

#include "gmath/export.h"

// At most six half-spaces; plane i is (a, b, c, d) and a point X is inside
// it when a·X.x + b·X.y + c·X.z + d >= 0. Planes at or beyond m_count are
// ignored.
typedef struct GMATH_API tagGClipVolume {
  double m_planes[6][4];
  std::uint8_t m_count;
} GClipVolume;

static_assert(offsetof(GClipVolume, m_count) == 24 * sizeof(double), "GClipVolume layout");
static_assert(sizeof(GClipVolume) == 24 * sizeof(double) + alignof(GClipVolume),
              "GClipVolume layout");

#endif
