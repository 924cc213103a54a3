// A first tour of gmath for a new caller: the tolerances, a rejected
// setting with its result code, unit vectors and a rotation transform with
// its inverse, a homogeneous matrix and a box moved by it, a frame change
// taken apart into angles, planar values, the typical request (may a bore
// line placed by a homogeneous matrix meet a box?), and messages reaching
// the assertion log.
#include <cmath>
#include <cstdio>

#include "gmath/gmath.h"

namespace {

void ShowTolerances() {
  std::printf("distance tolerance (resabs): %g\n", GetDistanceTolerance());
  std::printf("relative tolerance (resnor): %g\n", GetRelativeTolerance());
  std::printf("fit tolerance      (resfit): %g\n", GetFitTolerance());
}

// The registry level "ValidateReleaseMath" decides whether messages reach
// the log. The example keeps its registry beside itself and asks for level 2:
// the first read creates the value with that default.
void TurnOnAssertionLog() {
  if (SetRegistryRoot("example-registry") == 1) {
    char level[] = "ValidateReleaseMath";
    CheckDebugRegEntryCoreMath(level, 2);
    std::printf("assertion log level: %d\n", CheckDebugRegEntryCoreMath(level, 2));
  }
}

void PrintLog() {
  FILE* log = std::fopen("math_assert_release.log", "r");
  if (log == nullptr) {
    std::printf("math_assert_release.log: not written (registry level below 2)\n");
    return;
  }
  std::printf("math_assert_release.log now ends with:\n");
  char line[256];
  while (std::fgets(line, sizeof line, log) != nullptr) std::printf("  %s", line);
  std::fclose(log);
}

// A unit vector keeps the bits of a vector that is already unit; a null one
// is reported and comes back as (0, 0, 0).
void ShowUnitVectors() {
  const GUnitVector u = BuildUnitVector(3, 4, 0);
  std::printf("BuildUnitVector(3, 4, 0) = (%.17g, %.17g, %.17g)\n", u.m_x, u.m_y, u.m_z);
  const GUnitVector again = BuildUnitVector(u.m_x, u.m_y, u.m_z);
  const bool same = again.m_x == u.m_x && again.m_y == u.m_y && again.m_z == u.m_z;
  std::printf("normalized again, bit for bit the same: %s\n", same ? "yes" : "no");
  const GUnitVector null = BuildUnitVector(0, 0, 0);
  std::printf("BuildUnitVector(0, 0, 0) = (%g, %g, %g), reported to the log\n", null.m_x, null.m_y,
              null.m_z);
}

// A quarter turn about the z axis through (1, 1, 0), composed with its
// inverse: a followed by b is written a * b.
void ShowRotation() {
  const GTransf turn = RotateTransf(std::acos(-1.0) / 2, {0, 0, 1}, {1, 1, 0});
  const GTransf back = turn.Inverse();
  std::printf("quarter turn: row 0 (%g, %g, %g), translation (%g, %g, %g), flags %d %d %d\n",
              turn.m_matrix.m_matrix[0][0], turn.m_matrix.m_matrix[0][1],
              turn.m_matrix.m_matrix[0][2], turn.m_translation.m_x, turn.m_translation.m_y,
              turn.m_translation.m_z, turn.m_hasRotation, turn.m_hasReflection, turn.m_hasShear);
  std::printf("turn * inverse is the identity: %s\n", (turn * back).IsIdentity() ? "yes" : "no");
  int valid = 0;
  Gassert_valid(turn, &valid);
  std::printf("the turn is a valid transform: %s\n", valid ? "yes" : "no");
}

// The G4x4 of a transform moves a point as the transform does; a box moved
// by the transform is the bound of its moved corners.
void ShowG4x4AndBoxes() {
  const GTransf turn = RotateTransf(std::acos(-1.0) / 2, {0, 0, 1}, {1, 1, 0});
  G4x4 g = G4x4{};
  g = turn;
  const GPosition p = g * GPosition{2, 1, 0};
  std::printf("G4x4 of the quarter turn moves (2, 1, 0) to (%g, %g, %g)\n", p.m_x, p.m_y, p.m_z);
  GTransf back;
  const long code = ConvertG4x4ToGTransf(g.Inverse(), back);
  std::printf("its inverse converts back to a transform: code %ld, rotation flag %d\n", code,
              back.m_hasRotation);
  GPosition points[] = {{0, 0, 0}, {2, 1, 0}, {1, 0, 3}};
  const GBox box = BuildBox(3, points);
  const GBox moved = box * turn;
  std::printf("box (%g, %g, %g)-(%g, %g, %g) turned: (%g, %g, %g)-(%g, %g, %g)\n", box.m_low.m_x,
              box.m_low.m_y, box.m_low.m_z, box.m_high.m_x, box.m_high.m_y, box.m_high.m_z,
              moved.m_low.m_x, moved.m_low.m_y, moved.m_low.m_z, moved.m_high.m_x,
              moved.m_high.m_y, moved.m_high.m_z);
  std::printf("the turned box holds the moved point: %s\n", (moved >> p) ? "yes" : "no");
}

// The transform that carries the world frame onto a frame at (1, 2, 3)
// turned a quarter about z, and the angles that rebuild its rotation.
void ShowFrameChange() {
  GTransf frame;
  long err = 0;
  OldToNewTransf({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 2, 3}, {0, 1, 0}, {-1, 0, 0}, frame, &err);
  double ax = 0;
  double ay = 0;
  double az = 0;
  GPosition origin;
  GetRotAngles(frame, &ax, &ay, &az, origin);
  std::printf("frame change: code %ld, angles about x, y, z (%g, %g, %g), origin (%g, %g, %g)\n",
              err, ax, ay, az, origin.m_x, origin.m_y, origin.m_z);
}

// A planar rotation about a point, its angle, and a box carried along.
void ShowPlanar() {
  const GTransf2d turn = RotateTransf2d(std::acos(-1.0) / 2, GPosition2d{1, 1});
  long err = 0;
  const double angle = GiveRotAngle(turn, &err);
  const GBox2d box = BuildBox2d(0, 0, 2, 1) * turn;
  std::printf(
      "planar quarter turn about (1, 1): angle %g, box (0, 0)-(2, 1) goes to "
      "(%g, %g)-(%g, %g)\n",
      angle, box.m_low.m_x, box.m_low.m_y, box.m_high.m_x, box.m_high.m_y);
}

// The typical request: a bore line (a thick segment) along a unit vector,
// placed by a G4x4, asked whether it may meet a box, and its range box. A
// matrix that is a similarity moves it exactly; any other is applied to
// five of its points.
void AskWhetherABoreLineMeetsABox() {
  const GUnitVector diagonal = BuildUnitVector(1, 1, 0);
  const GBoreLine bore = BuildBoreLine({0, 0, 0}, diagonal, 10.0, 0.0, 0.5);
  G4x4 place = G4x4{};
  long err = 0;
  Rotate4x4(std::acos(-1.0) / 2, {0, 0, 1}, {1, 1, 0}, place, &err);
  const GBoreLine placed = bore * place;
  std::printf("placed bore line: point (%g, %g, %g), direction (%g, %g, %g), depths %g to %g\n",
              placed.m_point.m_x, placed.m_point.m_y, placed.m_point.m_z,
              placed.m_direction.m_x, placed.m_direction.m_y, placed.m_direction.m_z,
              placed.m_back, placed.m_front);
  const GBox crossed = BuildBox(-2, 3, -1, 0, 5, 1);
  const GBox aside = BuildBox(2, 2, -1, 3, 3, 1);
  std::printf("may meet the box (-2, 3, -1)-(0, 5, 1): %s\n", (placed && crossed) ? "yes" : "no");
  std::printf("may meet the box (2, 2, -1)-(3, 3, 1): %s\n", (placed && aside) ? "yes" : "no");
  const GBox range = BoreLineRange(placed);
  std::printf("its range box: (%g, %g, %g)-(%g, %g, %g)\n", range.m_low.m_x, range.m_low.m_y,
              range.m_low.m_z, range.m_high.m_x, range.m_high.m_y, range.m_high.m_z);
}

}  // namespace

int main() {
  std::remove("math_assert_release.log");
  ShowTolerances();
  TurnOnAssertionLog();

  long err = 0;
  SetDistanceTolerance(1e-7, &err);
  std::printf("SetDistanceTolerance(1e-7): code %ld, tolerance still %g\n", err,
              GetDistanceTolerance());
  SetDistanceTolerance(2e-7, &err);
  std::printf("SetDistanceTolerance(2e-7): code %ld, tolerance now %g\n", err,
              GetDistanceTolerance());

  ShowUnitVectors();
  ShowRotation();
  ShowG4x4AndBoxes();
  ShowFrameChange();
  ShowPlanar();
  AskWhetherABoreLineMeetsABox();

  PrintLog();
  return 0;
}
