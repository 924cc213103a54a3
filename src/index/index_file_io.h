#ifndef GMATH_INDEX_INDEX_FILE_IO_H
#define GMATH_INDEX_INDEX_FILE_IO_H

#include <cstddef>
#include <vector>

namespace gmath::detail {

// The index's own file calls, one source per platform (index_file_posix.cpp,
// index_file_windows.cpp), kept apart from the frame's platform layer.

// Replaces path with size bytes: a new file beside it, written, flushed to
// the disk and renamed over it, then the folder flushed. Never leaves a
// partial file at path; false on any failure (the new file is removed).
bool ReplaceFileWhole(const char* path, const unsigned char* data, std::size_t size);

// The whole file; false when it cannot be opened or read, or does not fit
// in memory.
bool ReadWholeFile(const char* path, std::vector<unsigned char>& data);

}  // namespace gmath::detail

#endif
