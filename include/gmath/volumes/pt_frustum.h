#ifndef GMATH_VOLUMES_PT_FRUSTUM_H
#define GMATH_VOLUMES_PT_FRUSTUM_H

/// \file
/// Point frustums: a point fence seen from an eye point.

#include <cstddef>

#include "gmath/core3d/box.h"
#include "gmath/core3d/transf.h"
#include "gmath/core3d/vector.h"
#include "gmath/export.h"
#include "gmath/homogeneous/g4x4.h"
#include "gmath/volumes/pt_fence.h"

// ---------------------------------------------------------------------------
// Point frustums
// ---------------------------------------------------------------------------

/// The pyramid from an eye point through the points of a fence, cut by the
/// fence's front and back planes; the eye lies outside the slab between
/// them. The fence comes first, so a frustum's m_fence can be handed to
/// every fence operation; its m_points belongs to the caller.
typedef struct GMATH_API tagGPtFrustum {
  GPtFence m_fence;      ///< The fence whose points the pyramid's edges pass through.
  GPosition m_eyePoint;  ///< The apex of the pyramid, outside the slab of the depths.

  ///@{
  /// The fence by its own rule, then the eye as a position: by the
  /// transform, or by the G4x4 directly (G * p), without the conversion the
  /// fence goes through.
  tagGPtFrustum& operator*=(const GTransf& t);
  tagGPtFrustum& operator*=(const G4x4& g);
  ///@}
} GPtFrustum;

/// Stores 0 in *err, then copies the fence's points into the array the
/// frustum's m_points already points to, the rest of the fence, and the eye.
/// Nothing is checked, except that arrays needed for a nonzero count are
/// there: otherwise "BuildPtFrustum: NULL pointer", code 2, frustum
/// untouched.
GMATH_API void BuildPtFrustum(const GPtFence& fence, const GPosition& eye, GPtFrustum& frustum,
                              long* err);

/// The box of the 2n points where the rays from the eye through the fence
/// points meet the front and the back plane; no heap up to 100 points. A
/// ray less than DBL_EPSILON (in cosine) from level with the eye never
/// meets them: "GPtFrustum: fence point level with the eye point" and the
/// infinite box (-1e30 to 1e30). No points gives the canonical null box
/// (with BuildBox's message), a null m_points the canonical null box after
/// "GPtFence: NULL pointer", a refused heap block the all-zero box.
GMATH_API GBox PtFrustumRange(const GPtFrustum& frustum);

/// The fence's checks and the eye's, then "GPtFrustum: eye point is between
/// front and back planes" when the eye lies, along d, more than the
/// distance tolerance below the front plane and not more than that below
/// the back plane (planes through the mean of the points): an eye on the
/// front plane is outside, one on the back plane between.
GMATH_API void Gassert_valid(const GPtFrustum& frustum);

static_assert(gmath::detail::IsPlainValue<GPtFrustum>(), "GPtFrustum layout");
static_assert(offsetof(GPtFrustum, m_fence) == 0, "GPtFrustum layout");
static_assert(offsetof(GPtFrustum, m_eyePoint) == sizeof(GPtFence), "GPtFrustum layout");
static_assert(sizeof(GPtFrustum) == sizeof(GPtFence) + sizeof(GPosition), "GPtFrustum layout");

#endif
