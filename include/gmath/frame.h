#ifndef GMATH_FRAME_H
#define GMATH_FRAME_H

/// \file
/// The runtime frame: the process-wide tolerances, result codes, message reporting, assertion
/// prompts and validation switches.

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

/// The distance tolerance resabs: two positions closer than it are equal.
GMATH_API double GetDistanceTolerance();
/// The relative tolerance resnor, for directions, angles and matrix entries.
GMATH_API double GetRelativeTolerance();
/// The fit tolerance resfit, the coarse tolerance of fitting and healing.
GMATH_API double GetFitTolerance();
/// Accepted when resnor·1000 <= tol < resfit·0.1 (products rounded to
/// double, bounds as written); otherwise, NaN included, code 2 and
/// "SetDistanceTolerance: distance tolerance not smaller than resfit / 10"
/// or "... not larger than resnor * 1000".
GMATH_API void SetDistanceTolerance(double tol, long* err);
/// Accepted when tol < resabs·0.001; otherwise, NaN included, code 2 and
/// "SetRelativeTolerance: relative tolerance not smaller than resabs / 1000".
GMATH_API void SetRelativeTolerance(double tol, long* err);
/// Accepted when tol > resabs·10; otherwise, NaN included, code 2 and
/// "SetFitTolerance: fit tolerance not larger than resabs * 10".
GMATH_API void SetFitTolerance(double tol, long* err);
/// Always 1.
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

/// The yes/no answers read a value of the key and look at its low byte only;
/// a key or value that cannot be read counts as not 1. Nothing is created.
/// 0 when "SkipCheckGeom3dBoundaries" is 1, else 1.
GMATH_API int CheckRegistryForGeom3dBoundary();
/// 1 when "ValidateBndSelfInterXO" is 1, else 0.
GMATH_API int CheckRegistryBoundarySelfXO();
/// 1 when "ValidateMathEnabled" is 1, else 0; read once and cached until
/// ResetRegistryValidationMathFlag.
GMATH_API int CheckRegistryValidateCoreMath();
/// Forgets the cached answer, so the next CheckRegistryValidateCoreMath reads the registry again.
GMATH_API void ResetRegistryValidationMathFlag();
/// The value as a signed 32-bit number. A value that is missing or cannot
/// be read is written with defaultValue, and that call answers 0; so does a
/// key that cannot be created or opened. A null name stands for "".
GMATH_API int CheckDebugRegEntryCoreMath(char* name, int defaultValue);

/// Prints "Gassert - <message>"; when the registry level is 0, asks Abort
/// (ends the process), Retry (breakpoint trap) or Ignore (returns); outside
/// Windows no terminal, or end of input, is Abort. A null message is "".
GMATH_API void Gassert_debug(const char* const message);
/// Reports message: to stream when given, else to the observer and, by the
/// registry level, to the assertion log (see above). A null message is the
/// empty string. When the log cannot be opened the line goes to standard
/// error.
GMATH_API void invld(FILE* stream, char* message, int);
/// Answers the level "ValidateReleaseMath" (created with 0 when missing).
/// When it is at least level and the log opens, *file receives the log
/// opened for appending if *file was null (the caller closes it); otherwise,
/// or with a null file, the log is closed again.
GMATH_API int MathDebugOutputFilePtr(FILE** file, int level);

///@{
/// The switch starts at 1 and holds any int.
GMATH_API int GetValidate();
GMATH_API void SetValidate(int value);
///@}
///@{
/// 1 when the flag of code is set, else 0; all start clear. A few codes have
/// a flag of their own, every other code shares one flag.
GMATH_API int CheckValidationFlag(unsigned char code);
///@}
/// Sets the flag of code, for a caller's own record of a validation done.
GMATH_API void SetValidationFlag(unsigned char code);
/// Clears the flag of code.
GMATH_API void ResetValidationFlag(unsigned char code);
/// Clears every flag, the state they start in.
GMATH_API void InitAllValidationFlags();

// ---------------------------------------------------------------------------
// Extensions (all platforms)
// ---------------------------------------------------------------------------

/// A function told each message reported with no stream, with the context
/// given to SetMessageObserver.
typedef void (*GMessageObserver)(const char* message, void* context);
/// Observer of every message reported with no stream, called before the
/// registry level is consulted; null removes it. Returns the previous one.
GMATH_API GMessageObserver SetMessageObserver(GMessageObserver observer, void* context);

/// The answers of an assertion prompt: end the process, stop in the
/// debugger, or go on.
enum { GASSERT_ABORT = 3, GASSERT_RETRY = 4, GASSERT_IGNORE = 5 };
/// A prompt asked by Gassert_debug instead of the interactive box; it answers
/// GASSERT_ABORT, GASSERT_RETRY or GASSERT_IGNORE.
typedef int (*GAssertPrompt)(const char* message);
/// Replaces the interactive box of Gassert_debug; null restores the default.
/// Returns the previous prompt.
GMATH_API GAssertPrompt SetAssertPrompt(GAssertPrompt prompt);

/// Where the registry stand-in keeps its keys; returns 1 when accepted, 0 on
/// Windows (the real registry is always used there).
GMATH_API int SetRegistryRoot(const char* directory);

#endif
