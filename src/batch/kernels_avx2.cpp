// The avx2 path: 4 doubles a lane group.
#if defined(__x86_64__) || defined(__i386__)

constexpr int kLanes = 4;
#define GMATH_LANE_TARGET __attribute__((target("avx2")))
#include "batch/lanes.inl"

const gmath::detail::Kernels gmath::detail::kAvx2Kernels = {"avx2", ClipBoxes, FenceBoxes,
                                                            BoreBoxes, MovePositions};

#endif
