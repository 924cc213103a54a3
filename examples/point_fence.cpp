// A point fence: a closed polygon swept along a direction between two
// depths. The fence points into arrays that the caller owns: the library
// never allocates, grows or frees them, and a transform moves the points in
// place.
#include "show.h"

int main() {
  // A house-shaped outline in the plane z = 0, closed: the last point
  // repeats the first. The tests answer for the intersection of the side
  // half-spaces, which is the swept outline when the outline is convex.
  const GPosition outline[] = {{0, 0, 0}, {4, 0, 0}, {4, 2, 0}, {2, 4, 0}, {0, 2, 0}, {0, 0, 0}};
  const unsigned long count = sizeof outline / sizeof outline[0];

  // Room for the copy the fence keeps: yours, on the stack here.
  GPosition room[count];
  GPtFence fence = {0, room, {}, 0, 0};
  long err = 0;
  BuildPtFence(count, outline, BuildUnitVector(0, 0, 1), 2.0, -1.0, fence, &err);
  std::printf("BuildPtFence: code %ld, %u points, depths %g to %g\n", err, fence.m_count,
              fence.m_back, fence.m_front);
  ShowBox("its range:", PtFenceRange(fence));

  // The point test takes the planes from FindPlanes: m_count + 1 entries
  // each, again in your arrays. A point on a plane is inside.
  GPosition planePoints[count + 1];
  GUnitVector planeNormals[count + 1];
  fence.FindPlanes(planePoints, planeNormals);
  const GPosition probes[] = {{2, 3, 0}, {3.5, 3.5, 0}, {4, 1, 2}, {1, 1, 2.5}};
  for (const GPosition& p : probes) {
    int inside = 0;
    IsPtInPtFence(fence, planePoints, planeNormals, p, &inside, &err);
    std::printf("point (%g, %g, %g) inside: %s\n", p.m_x, p.m_y, p.m_z, YesNo(inside));
  }

  // The box test is conservative: it tests the planes one by one, so a box
  // just above the roof's apex, outside the fence but not wholly beyond any
  // single plane, "may meet".
  std::printf("box (3, 1, 0)-(5, 2, 1) across a side may meet: %s\n",
              YesNo(fence && BuildBox(3, 1, 0, 5, 2, 1)));
  std::printf("box (5, 0, 0)-(6, 1, 1) beside it may meet: %s\n",
              YesNo(fence && BuildBox(5, 0, 0, 6, 1, 1)));
  std::printf("box (1.5, 4.2, 0)-(2.5, 4.6, 1) above the apex may meet: %s\n",
              YesNo(fence && BuildBox(1.5, 4.2, 0, 2.5, 4.6, 1)));

  // Transforming the fence moves the points in your array, and every copy
  // of the fence sees them: copies share the array.
  const GPtFence copy = fence;
  fence *= TranslateTransf(GVector{10, 0, 0});
  ShowXyz("after moving by (10, 0, 0), room[1] is", room[1]);
  ShowXyz("and the copy's second point is       ", copy.m_points[1]);
  return 0;
}
