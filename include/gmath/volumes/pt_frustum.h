#ifndef GMATH_VOLUMES_PT_FRUSTUM_H
#define GMATH_VOLUMES_PT_FRUSTUM_H

#include <cstddef>

#include "gmath/core3d/vector.h"
#include "gmath/export.h"
#include "gmath/volumes/pt_fence.h"

// A point fence seen from an eye point. The fence comes first, so a frustum
// can be handed to every fence operation.
typedef struct GMATH_API tagGPtFrustum {
  GPtFence m_fence;
  GPosition m_eyePoint;
} GPtFrustum;

static_assert(offsetof(GPtFrustum, m_fence) == 0, "GPtFrustum layout");
static_assert(offsetof(GPtFrustum, m_eyePoint) == sizeof(GPtFence), "GPtFrustum layout");
static_assert(sizeof(GPtFrustum) == sizeof(GPtFence) + sizeof(GPosition), "GPtFrustum layout");

#endif
