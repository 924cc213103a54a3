// The sse2 path: 2 doubles a lane group.
#if defined(__x86_64__) || defined(__i386__)

constexpr int kLanes = 2;
#define GMATH_LANE_TARGET 
#include "batch/lanes.inl"

const gmath::detail::Kernels gmath::detail::kSse2Kernels = {"sse2", ClipBoxes, FenceBoxes,
                                                            BoreBoxes, MovePositions};

#endif
