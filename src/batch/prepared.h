#ifndef GMATH_BATCH_PREPARED_H
#define GMATH_BATCH_PREPARED_H

#include <cstddef>
#include <cstdint>

#include "gmath/core3d/transf.h"

// What a vector kernel needs of a volume, found once per batch call with the
// single call's own arithmetic, and the kernels of one vector path.
namespace gmath::detail {

// A lane the kernel leaves to the single call.
constexpr std::uint8_t kDefer = 2;

// Fences of up to 63 points keep their 64 planes here.
constexpr unsigned kMaxLanePlanes = 64;

// Planes tested against one box corner each: the normal n, an offset o
// (the clip volume's foot point, the fence's d·n), and which box coordinate
// (0-2 low, 3-5 high) makes the corner on each axis.
struct LanePlanes {
  unsigned count;
  double nx[kMaxLanePlanes], ny[kMaxLanePlanes], nz[kMaxLanePlanes];
  double ox[kMaxLanePlanes], oy[kMaxLanePlanes], oz[kMaxLanePlanes];
  unsigned char cx[kMaxLanePlanes], cy[kMaxLanePlanes], cz[kMaxLanePlanes];
  double tol;
};

// The bore line's axis, its depth interval and the radius the box grows by.
struct LaneAxis {
  double point[3];
  double direction[3];
  double tmin;
  double tmax;
  double r;
};

// Flags for n boxes at a stride: 0, 1, or kDefer; whether any is kDefer.
using PlaneKernel = bool (*)(const LanePlanes&, const unsigned char*, std::size_t, std::size_t,
                             std::uint8_t*);
using AxisKernel = bool (*)(const LaneAxis&, const unsigned char*, std::size_t, std::size_t,
                            std::uint8_t*);
// p *= t for n positions, in place or not.
using MoveKernel = void (*)(const GTransf&, const unsigned char*, std::size_t, std::size_t,
                            unsigned char*, std::size_t);

struct Kernels {
  const char* name;
  PlaneKernel clipBoxes;
  PlaneKernel fenceBoxes;
  AxisKernel boreBoxes;
  MoveKernel movePositions;
};

// The kernels of the path in use; the scalar path has none.
const Kernels& ActiveKernels();

// Each vector path's kernels (src/batch/kernels_<path>.cpp).
extern const Kernels kSse2Kernels;
extern const Kernels kAvx2Kernels;
extern const Kernels kAvx512Kernels;

}  // namespace gmath::detail

#endif
