// A box index: a row of parts indexed once, then selected by a box, a bore
// line and a clip volume, the nearest parts along the bore, and the index
// written to a file and read back.
#include <cinttypes>
#include <cstddef>
#include <vector>

#include "show.h"

namespace {

void ShowIds(const char* label, const std::vector<std::uint64_t>& ids) {
  std::printf("%s", label);
  for (const std::uint64_t id : ids) std::printf(" %" PRIu64, id);
  std::printf("\n");
}

template <class Volume>
std::vector<std::uint64_t> Select(const GBoxIndex* index, const Volume& volume) {
  // Once for the size, once for the ids.
  std::vector<std::uint64_t> ids(
      static_cast<std::size_t>(QueryBoxIndex(index, volume, nullptr, 0)));
  QueryBoxIndex(index, volume, ids.data(), ids.size());
  return ids;
}

}  // namespace

int main() {
  // Ten unit cubes along x, one apart, with ids 100, 101, ...
  std::vector<GBox> boxes;
  std::vector<std::uint64_t> ids;
  for (int i = 0; i < 10; ++i) {
    boxes.push_back(BuildBox(2.0 * i, 0, 0, 2.0 * i + 1, 1, 1));
    ids.push_back(100 + static_cast<std::uint64_t>(i));
  }
  GBoxIndex* index = nullptr;
  const long code = BuildBoxIndex(boxes.data(), ids.data(), boxes.size(), &index);
  std::printf("build: code %ld, %" PRIu64 " boxes\n", code, BoxIndexCount(index));

  // Touching counts: the box from x = 3 to 6 meets the cubes at 2, 4 and 6.
  ShowIds("box x 3..6 selects:", Select(index, BuildBox(3, 0, 0, 6, 1, 1)));

  // A bore line along y through x = 8.5 meets the cube at 8.
  const GBoreLine bore = BuildBoreLine({8.5, -5, 0.5}, BuildUnitVector(0, 1, 0), 1e30, -1e30, 0.1);
  ShowIds("bore line at x = 8.5 selects:", Select(index, bore));

  // Along x from the far end: the nearest two parts first.
  const GBoreLine along =
      BuildBoreLine({30, 0.5, 0.5}, BuildUnitVector(-1, 0, 0), 1e30, -1e30, 0.1);
  GBoxIndexHit nearest[2];
  const std::uint64_t total = FirstBoxIndexHits(index, along, nearest, 2);
  std::printf("bore line along -x meets %" PRIu64 "; nearest: %" PRIu64 " at depth %g, %" PRIu64
              " at depth %g\n",
              total, nearest[0].m_id, Tidy(nearest[0].m_depth), nearest[1].m_id,
              Tidy(nearest[1].m_depth));

  // A clip volume made from a box selects like the box, within tolerance.
  GBox clipBox = BuildBox(10.5, 0.2, 0.2, 13.5, 0.8, 0.8);
  GClipVolume clip{};
  ConvertGBoxToGClipVolume(&clipBox, &clip);
  ShowIds("clip volume x 10.5..13.5 selects:", Select(index, clip));

  // Written by create-then-rename, read back checked.
  std::printf("write: code %ld\n", WriteBoxIndex(index, "parts.gbi"));
  FreeBoxIndex(index);
  std::printf("read: code %ld\n", ReadBoxIndex("parts.gbi", &index));
  ShowIds("read back, box x 3..6 selects:", Select(index, BuildBox(3, 0, 0, 6, 1, 1)));
  FreeBoxIndex(index);
  return 0;
}
