#include <cstdio>

#include "robustness/bad_input.h"

namespace {

using namespace gmath::test;

// Prints the value to a temporary stream and reads it back into `into`.
template <class T>
void PrintAndRead(const T& value, T& into, long* err) {
  FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  GPrint_to_File(file, value, err);
  std::rewind(file);
  GRead_from_File(file, into, err);
  std::fclose(file);
}

TEST_F(BadInputSweep, VolumesAndTheirText) {
  Run({
      {"bore line functions", 14,
       [](Bad& b) {
         BuildBoreLine(b.p, b.u), BuildBoreLine(b.p, b.u, b.d, b.d, b.d), b.bore + b.v;
         b.bore - b.v, b.bore *b.d, b.bore *b.g, b.g *b.bore, b.bore *b.m, b.m *b.bore;
         b.bore *b.t, b.bore / b.d, b.bore &b.box, BoreLineRange(b.bore);
         Gassert_valid(b.bore);
       }},
      {"bore line members", 17,
       [](Bad& b) {
         b.bore.Evaluate(b.d), b.bore.Evaluate(b.p), b.bore.IsEqual(b.bore);
         b.bore.IsInfinite(), b.bore.IsNull(), b.bore &&b.box, b.bore >> b.d, b.bore >> b.p;
         b.bore.ClipWPlane(b.d, b.d, b.d, b.d), b.bore *= b.d, b.bore *= b.g, b.bore *= b.m;
         b.bore *= b.t, b.bore += b.v, b.bore -= b.v, b.bore /= b.d, b.bore.MakeInfinite();
       }},
      {"bore cones", 5,
       [](Bad& b) {
         BuildBoreCone(b.bore, b.p, b.coneOut, &b.err), BoreConeRange(b.cone);
         Gassert_valid(b.cone), b.cone *= b.g, b.cone *= b.t;
       }},
      {"clip volumes", 19,
       [](Bad& b) {
         ConvertGBoxToGClipVolume(&b.box, &b.clipOut);
         IsPtInClipVolume(b.clip, b.p, &b.flag, &b.err), ClipVolumeRange(b.clip);
         Gassert_valid(b.clip), b.clip + b.v, b.clip - b.v, b.clip *b.d, b.clip *b.m;
         b.m *b.clip, b.clip *b.t, b.clip / b.d, b.clip &&b.box, b.clip >> b.box;
         b.clip *= b.d, b.clip *= b.m, b.clip *= b.t, b.clip += b.v, b.clip -= b.v;
         b.clip /= b.d;
       }},
      {"BuildClipVolume", 2,
       [](Bad& b) {
         BuildClipVolume(b.n, b.pts == nullptr ? nullptr : b.numbers);
         BuildClipVolume(b.n, b.pts, b.pts == nullptr ? nullptr : b.planeNormals);
       },
       true, true},
      {"point fences", 8,
       [](Bad& b) {
         BuildPtFence(b.n, b.pts, b.u, b.d, b.d, b.fenceOut, &b.err), PtFenceRange(b.fence);
         b.fence.FindPlanes(b.planePoints, b.planeNormals);
         IsPtInPtFence(b.fence, b.planePoints, b.planeNormals, b.p, &b.flag, &b.err);
         b.fence &&b.box, Gassert_valid(b.fence), b.fence *= b.t, b.fence *= b.g;
       },
       true, true},
      {"point frustums", 5,
       [](Bad& b) {
         BuildPtFrustum(b.fence, b.p, b.frustumOut, &b.err), PtFrustumRange(b.frustum);
         Gassert_valid(b.frustum), b.frustum *= b.t, b.frustum *= b.g;
       },
       true, true},
      {"right prisms", 6,
       [](Bad& b) {
         BuildRtPrism(b.t, b.pts, b.n, b.d, b.prismOut, &b.err);
         BuildRtPrism(b.pts, b.n, b.u, b.d, b.d, b.prismOut, &b.err), RtPrismRange(b.prism);
         Gassert_valid(b.prism), b.prism *= b.t, b.prism *= b.g;
       },
       true, true},
      {"GPrint_to_File and GRead_from_File", 24,
       [](Bad& b) {
         PrintAndRead(b.m, b.mOut, &b.err), PrintAndRead(b.t, b.tOut, &b.err);
         PrintAndRead(b.box, b.box, &b.err), PrintAndRead(b.g, b.gOut, &b.err);
         PrintAndRead(b.bore, b.bore, &b.err), PrintAndRead(b.cone, b.coneOut, &b.err);
         PrintAndRead(b.prism, b.prismOut, &b.err), PrintAndRead(b.fence, b.fenceOut, &b.err);
         PrintAndRead(b.frustum, b.frustumOut, &b.err), PrintAndRead(b.box2, b.box2, &b.err);
         PrintAndRead(b.m2, b.m2Out, &b.err), PrintAndRead(b.t2, b.t2Out, &b.err);
       },
       true, true},
  });
}

}  // namespace
