#ifndef GMATH_GMATH_H
#define GMATH_GMATH_H

/// \file
/// The one header a caller needs: it includes every subsystem.

// The only header a caller needs: it brings in every subsystem.
#include "gmath/export.h"
#include "gmath/version.h"
#include "gmath/frame.h"
#include "gmath/core3d.h"
#include "gmath/homogeneous.h"
#include "gmath/planar.h"
#include "gmath/volumes.h"
#include "gmath/index.h"
#include "gmath/textio.h"
#include "gmath/batch.h"

#endif
