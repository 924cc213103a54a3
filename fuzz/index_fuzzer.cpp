// Feeds the bytes to the index reader as a file, as they are and with their
// checksums made right (so that mutations reach the checks behind them),
// and checks what it may do:
// refuse with code 4 (anything but an index this library wrote), or accept
// an index whose answers keep their contract: the total is the same with
// and without room for the ids, the ids come ascending, and a visitor sees
// as many. AddressSanitizer guards every read the checks of the file and
// the queries make.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "gmath/gmath.h"
#include "index/crc32.h"

namespace {

int Count(std::uint64_t, void*) { return 1; }

template <class Volume>
void CheckQuery(const GBoxIndex* index, const Volume& volume) {
  const std::uint64_t total = QueryBoxIndex(index, volume, nullptr, 0);
  if (total > BoxIndexCount(index)) std::abort();
  std::vector<std::uint64_t> ids(static_cast<std::size_t>(total));
  if (QueryBoxIndex(index, volume, ids.data(), total) != total) std::abort();
  if (!std::is_sorted(ids.begin(), ids.end())) std::abort();
  if (VisitBoxIndex(index, volume, Count, nullptr) != total) std::abort();
}

void PutCrc(std::vector<std::uint8_t>& file, std::size_t at, std::uint32_t crc) {
  for (std::size_t i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(crc >> (8 * i));
}

void Load(const std::uint8_t* data, std::size_t size) {
  GBoxIndex* index = nullptr;
  const long code = ReadBoxIndexFromMemory(data, size, &index);
  if ((code == kBoxIndexOk) != (index != nullptr)) std::abort();
  if (code != kBoxIndexOk && code != kBoxIndexBadFile && code != kBoxIndexNoMemory) std::abort();
  if (!index) return;
  CheckQuery(index, BuildBox(-1, -1, -1, 1, 1, 1));
  CheckQuery(index, BuildBox(-1e300, -1e300, -1e300, 1e300, 1e300, 1e300));
  CheckQuery(index, BuildBoreLine({0, 0, 0}, BuildUnitVector(1, 1, 0)));
  FreeBoxIndex(index);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Load(data, size);
  if (size < 64) return 0;
  std::vector<std::uint8_t> sealed(data, data + size);
  PutCrc(sealed, 40, gmath::detail::Crc32(sealed.data() + 64, size - 64));
  PutCrc(sealed, 60, gmath::detail::Crc32(sealed.data(), 60));
  Load(sealed.data(), sealed.size());
  return 0;
}
