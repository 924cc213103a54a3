#ifndef GMATH_EXPORT_H
#define GMATH_EXPORT_H

/// \file
/// The visibility mark of everything the library exports.

/// \def GMATH_API
/// Marks everything that crosses the library boundary. The library is built
/// with hidden visibility, so only what carries it is exported. A static
/// build defines GMATH_STATIC for the library and its users.
#if defined(GMATH_STATIC)
#define GMATH_API
#elif defined(_WIN32)
#if defined(GMATH_BUILDING_LIBRARY)
#define GMATH_API __declspec(dllexport)
#else
#define GMATH_API __declspec(dllimport)
#endif
#else
#define GMATH_API __attribute__((visibility("default")))
#endif

#endif
