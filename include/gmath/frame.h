#ifndef GMATH_FRAME_H
#define GMATH_FRAME_H

#include <cstdio>

#include "gmath/export.h"

// ---------------------------------------------------------------------------
// Tolerances and result codes
//
// Three process-wide tolerances drive every geometric test: the distance
// tolerance "resabs" (default 1e-6), the relative tolerance "resnor" (1e-10)
// and the fit tolerance "resfit" (1e-3). Each setter checks the new value
// against the current values of the other two and, when it rejects it,
// stores 2 in *err, reports a message and keeps the old value.
//
// Result codes, stored through a trailing long* that is set to 0 first:
// 0 success, 2 rejected argument or no result, 1 count read from text above
// the capacity of the receiving structure.
// ---------------------------------------------------------------------------

GMATH_API double GetDistanceTolerance();
GMATH_API double GetRelativeTolerance();
GMATH_API double GetFitTolerance();
GMATH_API void SetDistanceTolerance(double tol, long* err);
GMATH_API void SetRelativeTolerance(double tol, long* err);
GMATH_API void SetFitTolerance(double tol, long* err);
GMATH_API int GetPosDblAlgn();

// ---------------------------------------------------------------------------
// Validation switches and assertion reporting
//
// invld is the reporter every operation sends its messages to. With a
// stream it writes "#~# <message>\n" there; without one it appends that
// line to "math_assert_release.log" in the current directory when the
// registry level "ValidateReleaseMath" under
// HKEY_LOCAL_MACHINE\SOFTWARE\Varnsholte\Kolm\Core\Debug is 2 or more.
// The switch, the flags and the yes/no answers are for callers; the library
// never consults them itself.
// ---------------------------------------------------------------------------

GMATH_API int CheckRegistryForGeom3dBoundary();
GMATH_API int CheckRegistryBoundarySelfXO();
GMATH_API int CheckRegistryValidateCoreMath();
GMATH_API void ResetRegistryValidationMathFlag();
GMATH_API int CheckDebugRegEntryCoreMath(char* name, int defaultValue);

GMATH_API void Gassert_debug(const char* const message);
GMATH_API void invld(FILE* stream, char* message, int);
GMATH_API int MathDebugOutputFilePtr(FILE** file, int level);

GMATH_API int GetValidate();
GMATH_API void SetValidate(int value);
GMATH_API int CheckValidationFlag(unsigned char code);
GMATH_API void SetValidationFlag(unsigned char code);
GMATH_API void ResetValidationFlag(unsigned char code);
GMATH_API void InitAllValidationFlags();

// ---------------------------------------------------------------------------
// Extensions (all platforms)
// ---------------------------------------------------------------------------

// Observer of every message reported with no stream, called before the
// registry level is consulted; null removes it. Returns the previous one.
typedef void (*GMessageObserver)(const char* message, void* context);
GMATH_API GMessageObserver SetMessageObserver(GMessageObserver observer, void* context);

// Replaces the interactive box of Gassert_debug; null restores the default.
// The prompt answers GASSERT_ABORT, GASSERT_RETRY or GASSERT_IGNORE.
enum { GASSERT_ABORT = 3, GASSERT_RETRY = 4, GASSERT_IGNORE = 5 };
typedef int (*GAssertPrompt)(const char* message);
GMATH_API GAssertPrompt SetAssertPrompt(GAssertPrompt prompt);

// Where the registry stand-in keeps its keys; returns 1 when accepted, 0 on
// Windows (the real registry is always used there).
GMATH_API int SetRegistryRoot(const char* directory);

#endif
