#ifndef GMATH_TESTS_INDEX_INDEX_TEST_H
#define GMATH_TESTS_INDEX_INDEX_TEST_H

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "gmath/index.h"
#include "index/index_cases.h"
#include "properties/property_test.h"

namespace gmath::test {

using IndexPtr = std::unique_ptr<GBoxIndex, void (*)(GBoxIndex*)>;

inline IndexPtr MakeIndex(const std::vector<GBox>& boxes, const std::vector<std::uint64_t>& ids) {
  GBoxIndex* index = nullptr;
  EXPECT_EQ(BuildBoxIndex(boxes.data(), ids.data(), boxes.size(), &index), kBoxIndexOk);
  return IndexPtr(index, FreeBoxIndex);
}

// Ids spread over all 64 bits, a few of them repeated.
inline std::vector<std::uint64_t> ModelIds(Random& random, std::size_t count) {
  std::vector<std::uint64_t> ids(count);
  for (std::uint64_t& id : ids) {
    id = static_cast<std::uint64_t>(random.Uniform(0, 0x1p64 - 0x1p11));
    if (&id != ids.data() && random.Uniform(0, 1) < 0.02) id = (&id)[-1];
  }
  return ids;
}

// The reference: every box tested with the library's own call.
template <class Hit>
std::vector<std::uint64_t> ScanIds(const std::vector<GBox>& boxes,
                                   const std::vector<std::uint64_t>& ids, Hit hit) {
  std::vector<std::uint64_t> found;
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    if (hit(boxes[i])) found.push_back(ids[i]);
  }
  std::sort(found.begin(), found.end());
  return found;
}

template <class Volume>
std::vector<std::uint64_t> IndexIds(const GBoxIndex* index, const Volume& volume) {
  std::vector<std::uint64_t> found(
      static_cast<std::size_t>(QueryBoxIndex(index, volume, nullptr, 0)));
  EXPECT_EQ(QueryBoxIndex(index, volume, found.data(), found.size()), found.size());
  return found;
}

}  // namespace gmath::test

#endif
