#include <algorithm>
#include <cmath>
#include <cstdint>

#include "index/monotone_selectors.h"

namespace gmath::detail {

// A NaN or infinite number in the volume can turn the test of a bound into
// NaN where a box inside it gives a number (infinity times zero): such a
// volume is tested against every box.
MonotoneSelector<GClipVolume> SelectorFor(const GClipVolume& volume) {
  bool finite = true;
  const unsigned count = std::min<unsigned>(volume.m_count, 6);
  for (unsigned i = 0; i < count; ++i) {
    for (const double c : volume.m_planes[i]) finite = finite && std::isfinite(c);
  }
  return {volume, !finite};
}

MonotoneSelector<GPtFence> SelectorFor(const GPtFence& fence) {
  bool finite = std::isfinite(fence.m_direction.m_x) && std::isfinite(fence.m_direction.m_y) &&
                std::isfinite(fence.m_direction.m_z) && std::isfinite(fence.m_front) &&
                std::isfinite(fence.m_back);
  for (std::uint32_t i = 0; fence.m_points && i < fence.m_count; ++i) {
    const GPosition& p = fence.m_points[i];
    finite = finite && std::isfinite(p.m_x) && std::isfinite(p.m_y) && std::isfinite(p.m_z);
  }
  return {fence, !finite};
}

}  // namespace gmath::detail
