#ifndef GMATH_TOOL_CLIP_VOLUME_TEXT_H
#define GMATH_TOOL_CLIP_VOLUME_TEXT_H

#include <cstdio>

#include "gmath/gmath.h"

// The library prints no clip volume, so the tool reads its own form: the
// plane count, then a, b, c and d of each plane, bare or labelled like the
// library's dumps ("number of planes: 2", "[0] 1 0 0 0"). The code is the
// library readers': 0 read, 2 a field could not be read, 1 a count above 6
// (nothing after it read).
long ReadClipVolume(FILE* stream, GClipVolume& volume);

#endif
