#ifndef GMATH_INDEX_CRC32_H
#define GMATH_INDEX_CRC32_H

#include <array>
#include <cstddef>
#include <cstdint>

namespace gmath::detail {

// CRC-32 as zlib and PNG compute it (reflected polynomial 0xEDB88320): a
// damaged byte, burst or truncation is caught, and any tool can check it.
inline constexpr std::array<std::uint32_t, 256> kCrcTable = [] {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}();

inline std::uint32_t Crc32(const unsigned char* data, std::size_t size) {
  std::uint32_t c = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < size; ++i) c = kCrcTable[(c ^ data[i]) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

}  // namespace gmath::detail

#endif
