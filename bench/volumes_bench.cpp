// The volume tests a query runs per box, and the ranges.
#include "floor.h"
#include "inputs.h"

namespace bench {

void RegisterVolumes() {
  Pair(
      "GBoreLine && GBox",
      [](const Inputs& in, std::size_t i, std::size_t j) { return in.bores[i] && in.boxes[j]; },
      [](const Inputs& in, std::size_t i, std::size_t j) {
        return floor::Meets(in.bores[i], in.boxes[j]);
      });
  Pair(
      "GClipVolume && GBox",
      [](const Inputs& in, std::size_t i, std::size_t j) { return in.turned[i] && in.boxes[j]; },
      [](const Inputs& in, std::size_t i, std::size_t j) {
        return floor::Meets(in.turned[i], in.boxes[j]);
      });
  Pair(
      "GClipVolume && GBox, axis planes",
      [](const Inputs& in, std::size_t i, std::size_t j) { return in.upright[i] && in.boxes[j]; },
      [](const Inputs& in, std::size_t i, std::size_t j) {
        return floor::Meets(in.upright[i], in.boxes[j]);
      });
  Pair(
      "GPtFence && GBox",
      [](const Inputs& in, std::size_t i, std::size_t) { return in.fence && in.boxes[i]; },
      [](const Inputs& in, std::size_t i, std::size_t) {
        return floor::Meets(in.fence, in.boxes[i]);
      });
  Pair(
      "IsPtInClipVolume",
      [](const Inputs& in, std::size_t i, std::size_t j) {
        int inside = 0;
        long err = 0;
        IsPtInClipVolume(in.turned[i], in.positions[j], &inside, &err);
        return inside;
      },
      [](const Inputs& in, std::size_t i, std::size_t j) {
        return floor::Classify(in.turned[i], in.positions[j]);
      });
  Pair(
      "BoreLineRange",
      [](const Inputs& in, std::size_t i, std::size_t) { return BoreLineRange(in.bores[i]); },
      [](const Inputs& in, std::size_t i, std::size_t) { return floor::Range(in.bores[i]); });
  Pair(
      "PtFenceRange",
      [](const Inputs& in, std::size_t, std::size_t) { return PtFenceRange(in.rangeFence); },
      [](const Inputs& in, std::size_t, std::size_t) { return floor::Range(in.rangeFence); });
}

}  // namespace bench
