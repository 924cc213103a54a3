// The floor of each benchmarked operation: a minimal hand-written version
// of the same arithmetic in the same order, for the inputs of the
// benchmarks (regular, nothing to report). Each is compiled apart and kept
// out of line, so that it pays one call as gmath's exported function does.
#ifndef GMATH_BENCH_FLOOR_H
#define GMATH_BENCH_FLOOR_H

#include <cstdio>

#include "gmath/gmath.h"

namespace bench::floor {

GUnitVector UnitVector(double x, double y, double z);
void MovePosition(GPosition& p, const GTransf& t);
GTransf Compose(const GTransf& a, const GTransf& b);
GTransf Inverse(const GTransf& t);
GBox MoveBox(const GBox& box, const GTransf& t);
G4x4 Inverse(const G4x4& g);
int OrthoScale(const GMatrix& m, double* scale);
long ToTransf(const G4x4& g, GTransf& t);
int Meets(const GBoreLine& bore, const GBox& box);
int Meets(const GClipVolume& volume, const GBox& box);
int Meets(const GPtFence& fence, const GBox& box);
int Classify(const GClipVolume& volume, const GPosition& p);
GBox Range(const GBoreLine& bore);
GBox Range(const GPtFence& fence);
void Print(FILE* stream, const GTransf& t);
void Read(FILE* stream, GTransf& t);
int Stat(const char* path);

}  // namespace bench::floor

#endif
