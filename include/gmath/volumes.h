#ifndef GMATH_VOLUMES_H
#define GMATH_VOLUMES_H

/// \file
/// The spatial query volumes, in one include.

// Spatial query volumes.
#include "gmath/volumes/bore_cone.h"
#include "gmath/volumes/bore_line.h"
#include "gmath/volumes/clip_volume.h"
#include "gmath/volumes/pt_fence.h"
#include "gmath/volumes/pt_frustum.h"
#include "gmath/volumes/rt_prism.h"

#endif
