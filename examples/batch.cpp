// Batch calls: one call tests a clip volume against every part of a model
// and moves every vertex of a mesh, over the caller's own structures.
#include <cstddef>
#include <cstdio>
#include <vector>

#include "show.h"

// A caller's own records: the batch calls read the box and the position
// inside them through a stride, without copying them out.
struct Part {
  int id;
  GBox bounds;
};

struct Vertex {
  GPosition position;
  float colour[4];
};

int main() {
  std::vector<Part> parts;
  for (int i = 0; i < 10; ++i) {
    const double x = i - 2.0;
    parts.push_back({100 + i, BuildBox(x, 0.0, 0.0, x + 0.5, 1.0, 1.0)});
  }
  GBox view = BuildBox(0.0, 0.0, 0.0, 4.0, 2.0, 2.0);
  GClipVolume volume;
  ConvertGBoxToGClipVolume(&view, &volume);

  // Flags, one per part, and the indices of the parts that meet the volume.
  std::vector<std::uint8_t> meets(parts.size());
  GBatchOverlap(volume, &parts[0].bounds, parts.size(), sizeof(Part), meets.data());
  std::vector<std::size_t> hits(parts.size());
  hits.resize(GBatchOverlapHits(volume, &parts[0].bounds, parts.size(), sizeof(Part), hits.data()));
  std::printf("parts meeting the view:");
  for (const std::size_t i : hits) std::printf(" %d", parts[i].id);
  std::printf("\nthe same as the single calls: %s\n",
              YesNo(meets[3] == (volume && parts[3].bounds) && meets[9] == (volume && parts[9].bounds)));
  std::vector<std::uint8_t> inside(parts.size());
  GBatchContains(volume, &parts[0].bounds, parts.size(), sizeof(Part), inside.data());
  std::printf("part 104 lies inside: %s, part 106 only touches it: %s\n", YesNo(inside[4]),
              YesNo(meets[6] && !inside[6]));

  // Every vertex moved in place by a rotation about z and a shift.
  std::vector<Vertex> mesh = {
      {{1, 0, 0}, {1, 0, 0, 1}}, {{0, 1, 0}, {0, 1, 0, 1}}, {{0, 0, 1}, {0, 0, 1, 1}}};
  GTransf turn = RotateTransf(90.0 * 3.141592653589793 / 180.0, BuildUnitVector(0, 0, 1));
  turn.m_translation = {10, 0, 0};
  GBatchMultiply(&mesh[0].position, mesh.size(), sizeof(Vertex), turn, &mesh[0].position,
                 sizeof(Vertex));
  for (const Vertex& v : mesh) ShowXyz("moved vertex", v.position);

  // The box around all parts: the left fold of |.
  ShowBox("all parts:", GBatchUnion(&parts[0].bounds, parts.size(), sizeof(Part)));
  return 0;
}
