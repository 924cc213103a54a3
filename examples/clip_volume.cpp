// A clip volume from a box: up to six half-spaces a·x + b·y + c·z + d >= 0.
// Points are classified inside, on (within the distance tolerance) or
// outside; boxes may meet the volume or lie in it.
#include "show.h"

int main() {
  GBox room = BuildBox(0, 0, 0, 4, 3, 2);
  GClipVolume volume;
  const long code = ConvertGBoxToGClipVolume(&room, &volume);
  std::printf("clip volume from the box: code %ld, %d planes\n", code, volume.m_count);

  // IsPtInClipVolume answers 1 inside, 2 on the boundary, 0 outside.
  const GPosition probes[] = {{1, 1, 1}, {4, 1, 1}, {4 + 1e-7, 1, 1}, {5, 1, 1}};
  for (const GPosition& p : probes) {
    int inside = 0;
    long err = 0;
    IsPtInClipVolume(volume, p, &inside, &err);
    std::printf("point (%.8g, %g, %g): %d\n", p.m_x, p.m_y, p.m_z, inside);
  }

  // && asks whether a box may meet the volume, >> whether it lies inside.
  const GBox crossing = BuildBox(3, 1, 1, 6, 2, 3);
  const GBox within = BuildBox(1, 1, 0.5, 2, 2, 1.5);
  const GBox outside = BuildBox(5, 0, 0, 6, 1, 1);
  std::printf("box across a face: meets %s, lies inside %s\n", YesNo(volume && crossing),
              YesNo(volume >> crossing));
  std::printf("box within:        meets %s, lies inside %s\n", YesNo(volume && within),
              YesNo(volume >> within));
  std::printf("box outside:       meets %s, lies inside %s\n", YesNo(volume && outside),
              YesNo(volume >> outside));

  // The range is the box of the volume's corners; moving and scaling carry
  // the half-spaces along (scaling is about the volume's centre).
  ShowBox("range:                  ", ClipVolumeRange(volume));
  ShowBox("range moved by (1, 0, 0):", ClipVolumeRange(volume + GVector{1, 0, 0}));
  ShowBox("range of volume * 0.5:  ", ClipVolumeRange(volume * 0.5));
  const GTransf turn = RotateTransf(0.0, 1.0, BuildUnitVector(0, 0, 1));
  ShowBox("range turned about z:   ", ClipVolumeRange(volume * turn));
  return 0;
}
