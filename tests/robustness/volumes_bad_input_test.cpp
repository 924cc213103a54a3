#include <cstdio>

#include "robustness/bad_input.h"

namespace {

using namespace gmath::test;

// Prints the value to a temporary stream and reads it back into `into`:
// two functions a call.
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
  // Calls packed into lines; the formatter would give many one a line.
  // clang-format off
  Run({
      {"bore line functions",
       {BAD_CALL(BuildBoreLine(b.p, b.u)), BAD_CALL(BuildBoreLine(b.p, b.u, b.d, b.d, b.d)),
        BAD_CALL(b.bore + b.v), BAD_CALL(b.bore - b.v), BAD_CALL(b.bore * b.d),
        BAD_CALL(b.bore * b.g), BAD_CALL(b.g * b.bore), BAD_CALL(b.bore * b.m),
        BAD_CALL(b.m * b.bore), BAD_CALL(b.bore * b.t), BAD_CALL(b.bore / b.d),
        BAD_CALL(b.bore & b.box), BAD_CALL(BoreLineRange(b.bore)),
        BAD_CALL(Gassert_valid(b.bore))}},
      {"bore line members",
       {BAD_CALL(b.bore.Evaluate(b.d)), BAD_CALL(b.bore.Evaluate(b.p)),
        BAD_CALL(b.bore.IsEqual(b.bore)), BAD_CALL(b.bore.IsInfinite()), BAD_CALL(b.bore.IsNull()),
        BAD_CALL(b.bore && b.box), BAD_CALL(b.bore >> b.d), BAD_CALL(b.bore >> b.p),
        BAD_CALL(b.bore.ClipWPlane(b.d, b.d, b.d, b.d)), BAD_CALL(b.bore *= b.d),
        BAD_CALL(b.bore *= b.g), BAD_CALL(b.bore *= b.m), BAD_CALL(b.bore *= b.t),
        BAD_CALL(b.bore += b.v), BAD_CALL(b.bore -= b.v), BAD_CALL(b.bore /= b.d),
        BAD_CALL(b.bore.MakeInfinite())}},
      {"bore cones",
       {BAD_CALL(BuildBoreCone(b.bore, b.p, b.coneOut, &b.err)), BAD_CALL(BoreConeRange(b.cone)),
        BAD_CALL(Gassert_valid(b.cone)), BAD_CALL(b.cone *= b.g), BAD_CALL(b.cone *= b.t)}},
      {"clip volumes",
       {BAD_CALL(ConvertGBoxToGClipVolume(&b.box, &b.clipOut)),
        BAD_CALL(IsPtInClipVolume(b.clip, b.p, &b.flag, &b.err)), BAD_CALL(ClipVolumeRange(b.clip)),
        BAD_CALL(Gassert_valid(b.clip)), BAD_CALL(b.clip + b.v), BAD_CALL(b.clip - b.v),
        BAD_CALL(b.clip * b.d), BAD_CALL(b.clip * b.m), BAD_CALL(b.m * b.clip),
        BAD_CALL(b.clip * b.t), BAD_CALL(b.clip / b.d), BAD_CALL(b.clip && b.box),
        BAD_CALL(b.clip >> b.box), BAD_CALL(b.clip *= b.d), BAD_CALL(b.clip *= b.m),
        BAD_CALL(b.clip *= b.t), BAD_CALL(b.clip += b.v), BAD_CALL(b.clip -= b.v),
        BAD_CALL(b.clip /= b.d)}},
      {"BuildClipVolume",
       {BAD_CALL(BuildClipVolume(b.n, b.pts == nullptr ? nullptr : b.numbers)),
        BAD_CALL(BuildClipVolume(b.n, b.pts, b.pts == nullptr ? nullptr : b.planeNormals))}, true,
        true},
      {"point fences",
       {BAD_CALL(BuildPtFence(b.n, b.pts, b.u, b.d, b.d, b.fenceOut, &b.err)),
        BAD_CALL(PtFenceRange(b.fence)),
        BAD_CALL(b.fence.FindPlanes(b.planePoints, b.planeNormals)),
        BAD_CALL(IsPtInPtFence(b.fence, b.planePoints, b.planeNormals, b.p, &b.flag, &b.err)),
        BAD_CALL(b.fence && b.box), BAD_CALL(Gassert_valid(b.fence)), BAD_CALL(b.fence *= b.t),
        BAD_CALL(b.fence *= b.g)}, true, true},
      {"point frustums",
       {BAD_CALL(BuildPtFrustum(b.fence, b.p, b.frustumOut, &b.err)),
        BAD_CALL(PtFrustumRange(b.frustum)), BAD_CALL(Gassert_valid(b.frustum)),
        BAD_CALL(b.frustum *= b.t), BAD_CALL(b.frustum *= b.g)}, true, true},
      {"right prisms",
       {BAD_CALL(BuildRtPrism(b.t, b.pts, b.n, b.d, b.prismOut, &b.err)),
        BAD_CALL(BuildRtPrism(b.pts, b.n, b.u, b.d, b.d, b.prismOut, &b.err)),
        BAD_CALL(RtPrismRange(b.prism)), BAD_CALL(Gassert_valid(b.prism)), BAD_CALL(b.prism *= b.t),
        BAD_CALL(b.prism *= b.g)}, true, true},
      {"GPrint_to_File and GRead_from_File",
       {BAD_CALL(PrintAndRead(b.m, b.mOut, &b.err)), BAD_CALL(PrintAndRead(b.t, b.tOut, &b.err)),
        BAD_CALL(PrintAndRead(b.box, b.box, &b.err)), BAD_CALL(PrintAndRead(b.g, b.gOut, &b.err)),
        BAD_CALL(PrintAndRead(b.bore, b.bore, &b.err)),
        BAD_CALL(PrintAndRead(b.cone, b.coneOut, &b.err)),
        BAD_CALL(PrintAndRead(b.prism, b.prismOut, &b.err)),
        BAD_CALL(PrintAndRead(b.fence, b.fenceOut, &b.err)),
        BAD_CALL(PrintAndRead(b.frustum, b.frustumOut, &b.err)),
        BAD_CALL(PrintAndRead(b.box2, b.box2, &b.err)),
        BAD_CALL(PrintAndRead(b.m2, b.m2Out, &b.err)),
        BAD_CALL(PrintAndRead(b.t2, b.t2Out, &b.err))}, true, true, 2},
  });
  // clang-format on
}

}  // namespace
