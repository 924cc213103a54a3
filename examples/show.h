// Printing helpers shared by the examples. Values are printed with %g after
// rounding away the last bits of arithmetic noise, so that the output reads
// the same on every platform (a cosine of a quarter turn is 6e-17, not 0).
#ifndef GMATH_EXAMPLES_SHOW_H
#define GMATH_EXAMPLES_SHOW_H

#include <cmath>
#include <cstdio>

#include "gmath/gmath.h"

inline double Tidy(double v) {
  const double rounded = std::round(v * 1e9) / 1e9;
  return rounded == 0 ? 0.0 : rounded;  // no "-0"
}

// A position, vector or unit vector.
template <class Xyz>
void ShowXyz(const char* label, const Xyz& p) {
  std::printf("%s (%g, %g, %g)\n", label, Tidy(p.m_x), Tidy(p.m_y), Tidy(p.m_z));
}

inline void ShowBox(const char* label, const GBox& b) {
  std::printf("%s (%g, %g, %g)-(%g, %g, %g)\n", label, Tidy(b.m_low.m_x), Tidy(b.m_low.m_y),
              Tidy(b.m_low.m_z), Tidy(b.m_high.m_x), Tidy(b.m_high.m_y), Tidy(b.m_high.m_z));
}

inline const char* YesNo(int answer) { return answer ? "yes" : "no"; }

#endif
