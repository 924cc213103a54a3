#ifndef GMATH_TOOL_EXPORT_SOLIDS_H
#define GMATH_TOOL_EXPORT_SOLIDS_H

#include "export/geometry.h"

// What each value draws as, its unbounded parts cut to the extent. A value
// with nothing to draw (a fence of fewer than three corners, a depth range
// beside the extent) gives no faces.

// Boxes: the eight corners and six faces; a coordinate at or beyond ±1e30
// becomes the extent's.
Solid SolidOf(const GBox& box, const GBox& extent);
Solid SolidOf(const GBox2d& box, const GBox& extent);

// A matrix, transform or 4x4 moves the unit cube (0 0 0 to 1 1 1) as it
// moves a position; a planar one the unit square at z = 0.
Solid SolidOf(const GMatrix& matrix, const GBox& extent);
Solid SolidOf(const GTransf& transf, const GBox& extent);
Solid SolidOf(const G4x4& g, const GBox& extent);
Solid SolidOf(const GMatrix2d& matrix, const GBox& extent);
Solid SolidOf(const GTransf2d& transf, const GBox& extent);

// A bore line is the cylinder of its radius about the axis between its
// depths, kRingCorners sides; without a radius it is the axis segment. A
// bore cone is the cone from the eye through that circle at the reference
// point, cut by the front and back planes.
Solid SolidOf(const GBoreLine& bore, const GBox& extent);
Solid SolidOf(const GBoreCone& cone, const GBox& extent);

// A fence is its polygon swept along its direction from the back to the
// front depth; a frustum the polygon seen from the eye on those planes; a
// prism its local polygon swept along local z by its height, then placed.
Solid SolidOf(const GPtFence& fence, const GBox& extent);
Solid SolidOf(const GPtFrustum& frustum, const GBox& extent);
Solid SolidOf(const GRtPrism& prism, const GBox& extent);

// A clip volume is the polyhedron its half-spaces cut from the extent box;
// clipped when a face of the extent box is left, that is when the volume
// reaches beyond the extent (always so below four planes). A plane with a
// zero normal holds everything (d >= 0) or nothing.
Solid SolidOf(const GClipVolume& volume, const GBox& extent);

#endif
