// The avx512 path: 8 doubles a lane group.
#if defined(__x86_64__) || defined(__i386__)

constexpr int kLanes = 8;
#define GMATH_LANE_TARGET __attribute__((target("avx512f")))
#include "batch/lanes.inl"

const gmath::detail::Kernels gmath::detail::kAvx512Kernels = {"avx512", ClipBoxes, FenceBoxes,
                                                            BoreBoxes, MovePositions};

#endif
