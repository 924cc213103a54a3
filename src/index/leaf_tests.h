#ifndef GMATH_INDEX_LEAF_TESTS_H
#define GMATH_INDEX_LEAF_TESTS_H

#include "gmath/core3d/box.h"
#include "gmath/volumes/bore_line.h"
#include "gmath/volumes/clip_volume.h"
#include "gmath/volumes/pt_fence.h"

namespace gmath::detail {

// The library's own answer for one box: the reference every query must
// give. One function per volume, so that a batch kernel can take a
// function's place without touching the walk.
inline bool LeafHit(const GBox& query, const GBox& box) { return !(query & box).IsNull(); }
inline bool LeafHit(const GBoreLine& bore, const GBox& box) { return (bore && box) != 0; }
inline bool LeafHit(const GClipVolume& volume, const GBox& box) { return (volume && box) != 0; }
inline bool LeafHit(const GPtFence& fence, const GBox& box) { return (fence && box) != 0; }

}  // namespace gmath::detail

#endif
