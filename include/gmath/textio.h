#ifndef GMATH_TEXTIO_H
#define GMATH_TEXTIO_H

/// \file
/// Text dump and load of the value types, in the C locale whatever the process locale.

#include <cstdio>

#include "gmath/core3d/box.h"
#include "gmath/core3d/matrix.h"
#include "gmath/core3d/transf.h"
#include "gmath/export.h"
#include "gmath/homogeneous/g4x4.h"
#include "gmath/planar/box2d.h"
#include "gmath/planar/matrix2d.h"
#include "gmath/planar/transf2d.h"
#include "gmath/volumes/bore_cone.h"
#include "gmath/volumes/bore_line.h"
#include "gmath/volumes/pt_fence.h"
#include "gmath/volumes/pt_frustum.h"
#include "gmath/volumes/rt_prism.h"

// ---------------------------------------------------------------------------
// Text dump and load
//
// GPrint_to_File writes a labelled dump of a value for diagnostics: every
// double in "%20.15le" (the bore-line radius in "%15.15lf"), counts and
// point indices in "%lu", transform flags in "%hu", a nested value with its
// own header at its place. GRead_from_File reads the same numbers in the
// same order as bare, whitespace-separated numbers, without the labels; only
// a G4x4 dump, whose sixteen numbers come first, reads back as it is.
//
// The stream belongs to the caller: it is never opened, flushed or closed
// here. The code (*err, set to 0 first; a null err is allowed) is
//   0  the value was printed or read completely;
//   2  the stream is null, a point array (m_points) is null, a write failed,
//      or a field could not be read (end of input, a malformed number, a
//      label): the read stops there, the fields before it hold what was
//      read and the fields after it keep their old values;
//   1  a point count read is above 100: m_count holds it (saturated to
//      32 bits) and nothing after it has been read; treat the value as
//      invalid.
// A reader of a fence, frustum or prism writes to m_points[0] onwards and
// never allocates: the caller provides room for up to 100 points.
// ---------------------------------------------------------------------------

///@{
/// Writes the labelled dump of the value to stream, for a reader of
/// diagnostics; *err is 2 when the stream or a point array is null or a write
/// fails.
GMATH_API void GPrint_to_File(FILE* stream, const GMatrix& m, long* err);
GMATH_API void GPrint_to_File(FILE* stream, const GTransf& t, long* err);
GMATH_API void GPrint_to_File(FILE* stream, const GBox& b, long* err);
GMATH_API void GPrint_to_File(FILE* stream, const G4x4& g, long* err);
GMATH_API void GPrint_to_File(FILE* stream, const GBoreLine& b, long* err);
GMATH_API void GPrint_to_File(FILE* stream, const GBoreCone& c, long* err);
GMATH_API void GPrint_to_File(FILE* stream, const GRtPrism& p, long* err);
GMATH_API void GPrint_to_File(FILE* stream, const GPtFence& f, long* err);
GMATH_API void GPrint_to_File(FILE* stream, const GPtFrustum& f, long* err);
GMATH_API void GPrint_to_File(FILE* stream, const GBox2d& b, long* err);
GMATH_API void GPrint_to_File(FILE* stream, const GMatrix2d& m, long* err);
GMATH_API void GPrint_to_File(FILE* stream, const GTransf2d& t, long* err);
///@}

///@{
/// Reads the numbers of a dump, in its order and without its labels, into
/// the value; *err is 0 when all were read, 2 when the input stopped early or
/// was malformed, 1 for a point count above 100.
GMATH_API void GRead_from_File(FILE* stream, GMatrix& m, long* err);
GMATH_API void GRead_from_File(FILE* stream, GTransf& t, long* err);
GMATH_API void GRead_from_File(FILE* stream, GBox& b, long* err);
GMATH_API void GRead_from_File(FILE* stream, G4x4& g, long* err);
GMATH_API void GRead_from_File(FILE* stream, GBoreLine& b, long* err);
GMATH_API void GRead_from_File(FILE* stream, GBoreCone& c, long* err);
GMATH_API void GRead_from_File(FILE* stream, GRtPrism& p, long* err);
GMATH_API void GRead_from_File(FILE* stream, GPtFence& f, long* err);
GMATH_API void GRead_from_File(FILE* stream, GPtFrustum& f, long* err);
GMATH_API void GRead_from_File(FILE* stream, GBox2d& b, long* err);
GMATH_API void GRead_from_File(FILE* stream, GMatrix2d& m, long* err);
GMATH_API void GRead_from_File(FILE* stream, GTransf2d& t, long* err);
///@}

#endif
