#ifndef GMATH_PLANAR_TRANSF2D_H
#define GMATH_PLANAR_TRANSF2D_H

#include <cstddef>

#include "gmath/export.h"
#include "gmath/planar/matrix2d.h"
#include "gmath/planar/vector2d.h"

// Planar similarity: p maps to (p·m_matrix)·m_scaling + m_translation. The
// one-byte flags tell rotation, reflection and shear of the matrix.
typedef struct GMATH_API tagGTransf2d {
  GMatrix2d m_matrix;
  GVector2d m_translation;
  double m_scaling;
  unsigned char m_hasRotation;
  unsigned char m_hasReflection;
  unsigned char m_hasShear;
} GTransf2d;

static_assert(offsetof(GTransf2d, m_translation) == 32, "GTransf2d layout");
static_assert(offsetof(GTransf2d, m_scaling) == 48, "GTransf2d layout");
static_assert(offsetof(GTransf2d, m_hasRotation) == 56, "GTransf2d layout");
static_assert(offsetof(GTransf2d, m_hasReflection) == 57, "GTransf2d layout");
static_assert(offsetof(GTransf2d, m_hasShear) == 58, "GTransf2d layout");
static_assert(sizeof(GTransf2d) == (59 + alignof(GTransf2d) - 1) / alignof(GTransf2d) *
                                       alignof(GTransf2d),
              "GTransf2d layout");

#endif
