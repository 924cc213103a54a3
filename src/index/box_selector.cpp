#include "index/box_selector.h"

#include <cmath>

#include "frame/tolerance.h"
#include "index/float_bounds.h"

namespace gmath::detail {

namespace {

bool Finite(const GPosition& p) {
  return std::isfinite(p.m_x) && std::isfinite(p.m_y) && std::isfinite(p.m_z);
}

// low_q < fl(high_slot + d) holds only when high_slot > low_q - d less half
// an ulp of the sum; the slack (a few ulps of |low_q| + d) covers that and
// the rounding of this very difference.
float LowReach(double low, double d) {
  const double slack = (std::abs(low) + d) * 0x1p-48;
  return RoundedDown(low - d - slack);
}

}  // namespace

BoxSelector SelectorFor(const GBox& query) {
  BoxSelector selector{};
  selector.query = query;
  selector.testsEverything = !Finite(query.m_low) || !Finite(query.m_high);
  selector.selectsNothing = !selector.testsEverything && query.IsNull();
  const double d = DistanceTolerance();
  const double low[3] = {query.m_low.m_x, query.m_low.m_y, query.m_low.m_z};
  const double high[3] = {query.m_high.m_x, query.m_high.m_y, query.m_high.m_z};
  selector.mayBeSure = d >= 0 && !selector.testsEverything;
  for (int axis = 0; axis < 3 && !selector.testsEverything; ++axis) {
    selector.low[axis] = LowReach(low[axis], d);
    selector.high[axis] = RoundedUp(high[axis] + d);
    selector.sureLow[axis] = RoundedUp(low[axis]);
    selector.sureHigh[axis] = RoundedDown(high[axis]);
    selector.mayBeSure = selector.mayBeSure && low[axis] < high[axis];
  }
  return selector;
}

}  // namespace gmath::detail
