#ifndef GMATH_VOLUMES_BORE_CONE_H
#define GMATH_VOLUMES_BORE_CONE_H

/// \file
/// Bore cones: a bore line seen from an eye point, widening with depth.

#include <cstddef>

#include "gmath/core3d/box.h"
#include "gmath/core3d/transf.h"
#include "gmath/core3d/vector.h"
#include "gmath/export.h"
#include "gmath/homogeneous/g4x4.h"
#include "gmath/volumes/bore_line.h"

// ---------------------------------------------------------------------------
// Bore cones
// ---------------------------------------------------------------------------

/// A bore line seen from an eye point: the cone from the eye through the
/// circle of the bore's radius about its axis at its reference point, cut
/// by the planes perpendicular to the direction at the front and back
/// depths. The eye lies outside the slab between them.
typedef struct GMATH_API tagGBoreCone {
  GBoreLine m_boreLine;  ///< The bore line whose circle of radius the cone passes through.
  GPosition m_eyePoint;  ///< The apex of the cone, outside the slab of the depths.

  ///@{
  /// The bore line by GBoreLine::operator*= (depths and radius times the
  /// scaling), then the eye as a position. A G4x4 is made into a GTransf
  /// first (GTransf::operator=, the all-zero transform when it is not a
  /// similarity): there is no perspective path.
  tagGBoreCone& operator*=(const GTransf& t);
  tagGBoreCone& operator*=(const G4x4& g);
  ///@}
} GBoreCone;

/// Stores 0 in *err and copies the line and the eye; nothing is checked.
GMATH_API void BuildBoreCone(const GBoreLine& line, const GPosition& eye, GBoreCone& cone,
                             long* err);

/// PtFrustumRange of the square of half-side radius about the axis at the
/// reference point, seen from the eye between the bore's front and back
/// planes: a box around the cone. Nothing is allocated.
GMATH_API GBox BoreConeRange(const GBoreCone& cone);

/// The bore line's checks and the eye's, then "GBoreCone: eye point is
/// between front and back planes" when the eye lies, along the direction,
/// more than the distance tolerance below the front plane and not more than
/// that below the back plane: an eye on the front plane is outside, one on
/// the back plane between.
GMATH_API void Gassert_valid(const GBoreCone& cone);

static_assert(gmath::detail::IsPlainValue<GBoreCone>(), "GBoreCone layout");
static_assert(offsetof(GBoreCone, m_eyePoint) == sizeof(GBoreLine), "GBoreCone layout");
static_assert(sizeof(GBoreCone) == sizeof(GBoreLine) + sizeof(GPosition), "GBoreCone layout");

#endif
