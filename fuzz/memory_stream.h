#ifndef GMATH_FUZZ_MEMORY_STREAM_H
#define GMATH_FUZZ_MEMORY_STREAM_H

#include <cstdint>
#include <cstdio>

// Where the fuzzers' output goes: it is run for what it may break, not read.
inline FILE* Sink() {
  static FILE* sink = std::fopen("/dev/null", "w");
  return sink;
}

// The bytes as a stream to read. glibc before 2.22 refuses an empty memory
// stream; a lone blank reads the same: no word.
inline FILE* OpenMemory(const std::uint8_t* data, std::size_t size) {
  static char blank[] = " ";
  if (size == 0) return fmemopen(blank, 1, "r");
  return fmemopen(const_cast<std::uint8_t*>(data), size, "r");
}

#endif
