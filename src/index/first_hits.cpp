#include <algorithm>
#include <limits>

#include "frame/report.h"
#include "index/selectors.h"
#include "index/sinks.h"
#include "index/traverse.h"

namespace {

// The stretch bore & box cuts begins at the nearer projection of the grown
// box's corners; this mirrors it so that the order needs no second cut.
double DepthOfHit(const GBoreLine& bore, const GBox& box) {
  const double r = bore.m_radius;
  const GPosition low = {box.m_low.m_x - r, box.m_low.m_y - r, box.m_low.m_z - r};
  const GPosition high = {box.m_high.m_x + r, box.m_high.m_y + r, box.m_high.m_z + r};
  return std::min(bore.Evaluate(high), bore.Evaluate(low));
}

}  // namespace

double BoxIndexEntryDepth(const GBoreLine& bore, const GBox& box) {
  return bore && box ? DepthOfHit(bore, box) : std::numeric_limits<double>::quiet_NaN();
}

// Every hit is ranked, so the cost follows the hits, as the overlap query's
// does; picking asks for few along a thin bore.
std::uint64_t FirstBoxIndexHits(const GBoxIndex* index, const GBoreLine& bore,
                                GBoxIndexHit* hits, std::uint64_t capacity) {
  if (!index) {
    gmath::detail::Report("GBoxIndex: NULL pointer");
    return 0;
  }
  gmath::detail::SmallestItems<GBoxIndexHit, bool (*)(const GBoxIndexHit&, const GBoxIndexHit&)>
      nearest(hits, capacity, gmath::detail::NearerHit);
  auto sink = [&](std::size_t i) {
    nearest.Add({DepthOfHit(bore, index->boxes[i]), index->ids[i]});
    return true;
  };
  gmath::detail::Select(*index, gmath::detail::SelectorFor(bore), sink);
  return nearest.Finish();
}
