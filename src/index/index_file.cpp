#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>

#include "frame/report.h"
#include "index/crc32.h"
#include "index/index_levels.h"
#include "index/index_file_io.h"

using gmath::detail::BoundableBox;
using gmath::detail::Crc32;
using gmath::detail::Report;

// The file, little-endian throughout:
//   0  magic "gmBoxIdx"          8  version (u32)     12  header size (u32)
//   16 boxes (u64)               24 tree boxes (u64)  32  payload bytes (u64)
//   40 payload CRC-32 (u32)      44..59 zero          60  header CRC-32 (u32)
// then per box, tree boxes first in tree order: low x y z, high x y z (IEEE
// doubles), id (u64). The node bounds are not stored: they follow from the
// boxes in one linear pass, so a file cannot carry bounds that lose a box,
// and loading costs no sort.
namespace {

constexpr unsigned char kMagic[8] = {'g', 'm', 'B', 'o', 'x', 'I', 'd', 'x'};
constexpr std::uint32_t kVersion = 1;
constexpr std::size_t kHeaderSize = 64;
constexpr std::size_t kBoxRecord = 7 * 8;

void Put(unsigned char* at, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}
std::uint64_t Get(const unsigned char* at, int bytes) {
  std::uint64_t value = 0;
  for (int i = 0; i < bytes; ++i) value |= static_cast<std::uint64_t>(at[i]) << (8 * i);
  return value;
}
void PutDouble(unsigned char* at, double x) {
  std::uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  Put(at, bits, 8);
}
double GetDouble(const unsigned char* at) {
  const std::uint64_t bits = Get(at, 8);
  double x;
  std::memcpy(&x, &bits, sizeof x);
  return x;
}

void PutBox(unsigned char* at, const GBox& box, std::uint64_t id) {
  const double values[6] = {box.m_low.m_x,  box.m_low.m_y,  box.m_low.m_z,
                            box.m_high.m_x, box.m_high.m_y, box.m_high.m_z};
  for (int i = 0; i < 6; ++i) PutDouble(at + 8 * i, values[i]);
  Put(at + 48, id, 8);
}
GBox GetBox(const unsigned char* at) {
  return {{GetDouble(at), GetDouble(at + 8), GetDouble(at + 16)},
          {GetDouble(at + 24), GetDouble(at + 32), GetDouble(at + 40)}};
}

std::vector<unsigned char> Encode(const GBoxIndex& index) {
  const std::size_t count = index.boxes.size();
  std::vector<unsigned char> file(kHeaderSize + count * kBoxRecord, 0);
  unsigned char* payload = file.data() + kHeaderSize;
  for (std::size_t i = 0; i < count; ++i) {
    PutBox(payload + i * kBoxRecord, index.boxes[i], index.ids[i]);
  }
  std::memcpy(file.data(), kMagic, sizeof kMagic);
  Put(&file[8], kVersion, 4);
  Put(&file[12], kHeaderSize, 4);
  Put(&file[16], count, 8);
  Put(&file[24], index.treeCount, 8);
  Put(&file[32], count * kBoxRecord, 8);
  Put(&file[40], Crc32(payload, count * kBoxRecord), 4);
  Put(&file[60], Crc32(file.data(), 60), 4);
  return file;
}

// Why the bytes are not a usable index, or null when they are.
const char* HeaderFault(const unsigned char* data, std::uint64_t size) {
  if (size < kHeaderSize || std::memcmp(data, kMagic, sizeof kMagic) != 0) {
    return "GBoxIndex file: not a box index";
  }
  if (Get(data + 60, 4) != Crc32(data, 60)) return "GBoxIndex file: damaged header";
  if (Get(data + 8, 4) != kVersion || Get(data + 12, 4) != kHeaderSize) {
    return "GBoxIndex file: a version this library does not read";
  }
  const std::uint64_t count = Get(data + 16, 8);
  const std::uint64_t payload = Get(data + 32, 8);
  if (Get(data + 24, 8) > count || count > (size - kHeaderSize) / kBoxRecord ||
      payload != count * kBoxRecord || payload != size - kHeaderSize) {
    return "GBoxIndex file: sizes that do not match the file";
  }
  if (Get(data + 40, 4) != Crc32(data + kHeaderSize, static_cast<std::size_t>(payload))) {
    return "GBoxIndex file: damaged content";
  }
  return nullptr;
}

// Tree boxes must be boundable, or a bound could lose them; loose ones
// must not be, or the file was not written by WriteBoxIndex.
const char* Decode(const unsigned char* data, GBoxIndex& index) {
  const auto count = static_cast<std::size_t>(Get(data + 16, 8));
  index.treeCount = Get(data + 24, 8);
  index.boxes.resize(count);
  index.ids.resize(count);
  const unsigned char* payload = data + kHeaderSize;
  for (std::size_t i = 0; i < count; ++i) {
    index.boxes[i] = GetBox(payload + i * kBoxRecord);
    index.ids[i] = Get(payload + i * kBoxRecord + 48, 8);
    if (BoundableBox(index.boxes[i]) != (i < index.treeCount)) {
      return "GBoxIndex file: a box on the wrong side of the tree";
    }
  }
  gmath::detail::BuildLevels(index);
  return nullptr;
}

long Refuse(const char* message) {
  Report(message);
  return kBoxIndexBadFile;
}

}  // namespace

long WriteBoxIndex(const GBoxIndex* index, const char* path) {
  if (!index || !path) {
    Report("GBoxIndex: NULL pointer");
    return kBoxIndexBadArgument;
  }
  if (index->boxes.size() > (std::numeric_limits<std::size_t>::max() - kHeaderSize) / kBoxRecord) {
    return kBoxIndexNoMemory;
  }
  try {
    const std::vector<unsigned char> file = Encode(*index);
    if (gmath::detail::ReplaceFileWhole(path, file.data(), file.size())) return kBoxIndexOk;
  } catch (const std::bad_alloc&) {
    return kBoxIndexNoMemory;
  }
  Report("GBoxIndex: cannot write the file");
  return kBoxIndexFileError;
}

long ReadBoxIndexFromMemory(const void* data, std::uint64_t size, GBoxIndex** index) {
  if (!index) return kBoxIndexBadArgument;
  *index = nullptr;
  if (!data && size > 0) {
    Report("GBoxIndex: NULL pointer");
    return kBoxIndexBadArgument;
  }
  const auto* bytes = static_cast<const unsigned char*>(data);
  if (const char* fault = HeaderFault(bytes, size)) return Refuse(fault);
  try {
    GBoxIndex* read = new GBoxIndex;
    const char* fault = nullptr;
    try {
      fault = Decode(bytes, *read);
    } catch (...) {
      delete read;
      throw;
    }
    if (fault) {
      delete read;
      return Refuse(fault);
    }
    *index = read;
    return kBoxIndexOk;
  } catch (const std::bad_alloc&) {
    return kBoxIndexNoMemory;
  } catch (const std::length_error&) {
    return kBoxIndexNoMemory;
  }
}

long ReadBoxIndex(const char* path, GBoxIndex** index) {
  if (!index) return kBoxIndexBadArgument;
  *index = nullptr;
  if (!path) {
    Report("GBoxIndex: NULL pointer");
    return kBoxIndexBadArgument;
  }
  std::vector<unsigned char> file;
  try {
    if (!gmath::detail::ReadWholeFile(path, file)) {
      Report("GBoxIndex: cannot read the file");
      return kBoxIndexFileError;
    }
  } catch (const std::bad_alloc&) {
    return kBoxIndexNoMemory;
  }
  return ReadBoxIndexFromMemory(file.data(), file.size(), index);
}
