#include <functional>

#include "frame/report.h"
#include "index/selectors.h"
#include "index/sinks.h"
#include "index/traverse.h"

using gmath::detail::Select;
using gmath::detail::SelectorFor;

namespace {

bool Present(const GBoxIndex* index) {
  if (!index) gmath::detail::Report("GBoxIndex: NULL pointer");
  return index != nullptr;
}

template <class Selector>
bool SelectsNothing(const Selector&) {
  return false;
}
bool SelectsNothing(const gmath::detail::BoxSelector& selector) {
  return selector.selectsNothing;
}

template <class Volume>
std::uint64_t Query(const GBoxIndex* index, const Volume& volume, std::uint64_t* ids,
                    std::uint64_t capacity) {
  if (!Present(index)) return 0;
  const auto selector = SelectorFor(volume);
  gmath::detail::SmallestItems<std::uint64_t, std::less<std::uint64_t>> smallest(
      ids, capacity, std::less<std::uint64_t>());
  auto sink = [&](std::size_t i) {
    smallest.Add(index->ids[i]);
    return true;
  };
  if (!SelectsNothing(selector)) Select(*index, selector, sink);
  return smallest.Finish();
}

template <class Volume>
std::uint64_t Visit(const GBoxIndex* index, const Volume& volume, GBoxIndexVisitor visitor,
                    void* context) {
  if (!Present(index) || !visitor) return 0;
  const auto selector = SelectorFor(volume);
  std::uint64_t handed = 0;
  auto sink = [&](std::size_t i) {
    ++handed;
    return visitor(index->ids[i], context) != 0;
  };
  if (!SelectsNothing(selector)) Select(*index, selector, sink);
  return handed;
}

}  // namespace

std::uint64_t QueryBoxIndex(const GBoxIndex* index, const GBox& box, std::uint64_t* ids,
                            std::uint64_t capacity) {
  return Query(index, box, ids, capacity);
}
std::uint64_t QueryBoxIndex(const GBoxIndex* index, const GBoreLine& bore, std::uint64_t* ids,
                            std::uint64_t capacity) {
  return Query(index, bore, ids, capacity);
}
std::uint64_t QueryBoxIndex(const GBoxIndex* index, const GClipVolume& volume,
                            std::uint64_t* ids, std::uint64_t capacity) {
  return Query(index, volume, ids, capacity);
}
std::uint64_t QueryBoxIndex(const GBoxIndex* index, const GPtFence& fence, std::uint64_t* ids,
                            std::uint64_t capacity) {
  return Query(index, fence, ids, capacity);
}
std::uint64_t QueryBoxIndex(const GBoxIndex* index, const GBoreCone& cone, std::uint64_t* ids,
                            std::uint64_t capacity) {
  return Query(index, BoreConeRange(cone), ids, capacity);
}
std::uint64_t QueryBoxIndex(const GBoxIndex* index, const GPtFrustum& frustum,
                            std::uint64_t* ids, std::uint64_t capacity) {
  return Query(index, PtFrustumRange(frustum), ids, capacity);
}
std::uint64_t QueryBoxIndex(const GBoxIndex* index, const GRtPrism& prism, std::uint64_t* ids,
                            std::uint64_t capacity) {
  return Query(index, RtPrismRange(prism), ids, capacity);
}

std::uint64_t VisitBoxIndex(const GBoxIndex* index, const GBox& box, GBoxIndexVisitor visitor,
                            void* context) {
  return Visit(index, box, visitor, context);
}
std::uint64_t VisitBoxIndex(const GBoxIndex* index, const GBoreLine& bore,
                            GBoxIndexVisitor visitor, void* context) {
  return Visit(index, bore, visitor, context);
}
std::uint64_t VisitBoxIndex(const GBoxIndex* index, const GClipVolume& volume,
                            GBoxIndexVisitor visitor, void* context) {
  return Visit(index, volume, visitor, context);
}
std::uint64_t VisitBoxIndex(const GBoxIndex* index, const GPtFence& fence,
                            GBoxIndexVisitor visitor, void* context) {
  return Visit(index, fence, visitor, context);
}
std::uint64_t VisitBoxIndex(const GBoxIndex* index, const GBoreCone& cone,
                            GBoxIndexVisitor visitor, void* context) {
  return Visit(index, BoreConeRange(cone), visitor, context);
}
std::uint64_t VisitBoxIndex(const GBoxIndex* index, const GPtFrustum& frustum,
                            GBoxIndexVisitor visitor, void* context) {
  return Visit(index, PtFrustumRange(frustum), visitor, context);
}
std::uint64_t VisitBoxIndex(const GBoxIndex* index, const GRtPrism& prism,
                            GBoxIndexVisitor visitor, void* context) {
  return Visit(index, RtPrismRange(prism), visitor, context);
}
