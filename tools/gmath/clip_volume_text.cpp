#include "clip_volume_text.h"

long ReadClipVolume(FILE* stream, GClipVolume& volume) {
  unsigned long long count = 0;
  if (std::fscanf(stream, "%llu", &count) != 1) return 2;
  if (count > 6) return 1;
  volume.m_count = static_cast<std::uint8_t>(count);
  for (unsigned long long i = 0; i < count; ++i) {
    double* plane = volume.m_planes[i];
    if (std::fscanf(stream, "%lf %lf %lf %lf", &plane[0], &plane[1], &plane[2], &plane[3]) != 4) {
      return 2;
    }
  }
  return 0;
}
