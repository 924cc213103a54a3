#ifndef GMATH_VOLUMES_CLIP_PLANES_H
#define GMATH_VOLUMES_CLIP_PLANES_H

#include "gmath/volumes/clip_volume.h"
#include "volumes/plane_ops.h"

namespace gmath::detail {

// A plane of a clip volume as its box tests see it, normalized on the way:
// a level plane (zero normal) is the same everywhere, with d as its signed
// distance.
struct ClipPlane {
  PlaneForm form;
  double d;
  bool level;
};

// The planes in use, as every box test normalizes them; their number.
unsigned ClipPlanes(const GClipVolume& volume, ClipPlane planes[6]);

}  // namespace gmath::detail

#endif
