#include "commands.h"

#include <cstdio>

#include "dispatch.h"
#include "export_command.h"

namespace {

std::string InputOperand(const std::vector<std::string>& operands, std::size_t index) {
  return index < operands.size() ? operands[index] : "-";
}

template <class T>
int PrintValue(const T& value, const Streams& io) {
  long err = 0;
  GPrint_to_File(io.out, value, &err);
  return err == 0 ? kDone : Fail(io.err, "cannot write to standard output");
}

template <class T>
int CheckValue(const T& value, const Streams& io) {
  const MessageCollector collector(io.err);
  Gassert_valid(value);
  for (const std::string& message : collector.Messages()) {
    std::fprintf(io.out, "%s\n", message.c_str());
  }
  return collector.Messages().empty() ? kDone : kRefused;
}

GBox RangeOf(const GBoreLine& bore) { return BoreLineRange(bore); }
GBox RangeOf(const GBoreCone& cone) { return BoreConeRange(cone); }
GBox RangeOf(const GRtPrism& prism) { return RtPrismRange(prism); }
GBox RangeOf(const GPtFence& fence) { return PtFenceRange(fence); }
GBox RangeOf(const GPtFrustum& frustum) { return PtFrustumRange(frustum); }

int Print(const std::vector<std::string>& operands, const Options&, const Streams& io) {
  return WithAnyValue(operands[0], InputOperand(operands, 1), io,
                      [&](const auto& value) { return PrintValue(value, io); });
}

int Check(const std::vector<std::string>& operands, const Options&, const Streams& io) {
  return WithAnyValue(operands[0], InputOperand(operands, 1), io,
                      [&](const auto& value) { return CheckValue(value, io); });
}

int Range(const std::vector<std::string>& operands, const Options&, const Streams& io) {
  return WithVolume(operands[0], InputOperand(operands, 1), io,
                    [&](const auto& volume) { return PrintValue(RangeOf(volume), io); });
}

template <class T>
int OverlapWithBox(const std::vector<std::string>& operands, const Streams& io) {
  return WithValue<T>(operands[0], operands[1], io, [&](const T& volume) {
    return WithValue<GBox>("box", operands[2], io, [&](const GBox& box) {
      std::fprintf(io.out, "%d\n", volume && box);
      return kDone;
    });
  });
}

int Overlap(const std::vector<std::string>& operands, const Options&, const Streams& io) {
  const std::string& type = operands[0];
  if (type == "boreline") return OverlapWithBox<GBoreLine>(operands, io);
  if (type == "fence") return OverlapWithBox<GPtFence>(operands, io);
  return UnknownType(type, "boreline, fence", io.err);
}

// A "no" answer, not a fault of the command line: the line reads like a
// failure's, the exit status is the refusal's.
int Refuse(FILE* err, const std::string& reason) {
  Say(err, reason);
  return kRefused;
}

// The conversion gives no reason, so the 4x4's own check names what keeps
// it from being affine; an affine one failed on its linear block.
std::string WhyNotSimilarity(const G4x4& g, FILE* err) {
  const MessageCollector collector(err);
  Gassert_valid(g);
  std::string reasons;
  for (const std::string& message : collector.Messages()) {
    reasons += (reasons.empty() ? "" : "; ") + message;
  }
  return reasons.empty() ? "its linear block is not a uniform scale times a rotation or reflection"
                         : reasons;
}

int ConvertValue(const G4x4& g, const Streams& io) {
  GTransf t;
  if (ConvertG4x4ToGTransf(g, t) == 0) return PrintValue(t, io);
  return Refuse(io.err, "not a similarity: " + WhyNotSimilarity(g, io.err));
}

int Convert(const std::vector<std::string>& operands, const Options&, const Streams& io) {
  return WithValue<G4x4>("4x4", InputOperand(operands, 0), io,
                         [&](const G4x4& g) { return ConvertValue(g, io); });
}

int HealValue(const GTransf& t, const Streams& io) {
  GTransf healed;
  int repaired = 0;
  long err = 0;
  GTransfHealer(t, healed, &repaired, &err);
  if (err != 0) return Fail(io.err, "the healer refused the transform");
  const int status = PrintValue(healed, io);
  if (status != kDone || repaired != 0) return status;
  return Refuse(io.err, "the matrix cannot be repaired; the transform is printed as it was read");
}

int Heal(const std::vector<std::string>& operands, const Options&, const Streams& io) {
  return WithValue<GTransf>("transf", InputOperand(operands, 0), io,
                            [&](const GTransf& t) { return HealValue(t, io); });
}

int AnglesOf(const GTransf& t, FILE* out) {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  GPosition origin{};
  GetRotAngles(t, &x, &y, &z, origin);
  std::fprintf(out, "Rotation angles (radians, x applied first):\n");
  std::fprintf(out, " x: %20.15le\n y: %20.15le\n z: %20.15le\n", x, y, z);
  std::fprintf(out, " origin: %20.15le %20.15le %20.15le\n", origin.m_x, origin.m_y, origin.m_z);
  return kDone;
}

int Angles(const std::vector<std::string>& operands, const Options&, const Streams& io) {
  return WithValue<GTransf>("transf", InputOperand(operands, 0), io,
                            [&](const GTransf& t) { return AnglesOf(t, io.out); });
}

}  // namespace

const char* const kVolumeNames = "boreline, borecone, prism, fence, frustum";
const char* const kTypeNames =
    "matrix, transf, box, 4x4, boreline, borecone, prism, fence, frustum, box2d, matrix2d, "
    "transf2d";

const std::vector<Subcommand>& Subcommands() {
  static const std::vector<Subcommand> subcommands = {
      {"print", "TYPE [FILE]", "read a value and print its dump",
       "Reads a value of TYPE and prints the library's labelled dump of it.", 1, 2, false, Print},
      {"check", "TYPE [FILE]", "run the value's validity check",
       "Runs the validity check of TYPE on the value and prints each message\n"
       "it reports on its own line; exit status 1 when there was any.",
       1, 2, false, Check},
      {"range", "TYPE [FILE]", "print the range box of a volume",
       "Prints the box around a volume: TYPE is boreline, borecone, prism,\n"
       "fence or frustum.",
       1, 2, false, Range},
      {"overlap", "TYPE VOLUME_FILE BOX_FILE", "may a bore line or fence meet a box: 1 or 0",
       "Prints 1 when the volume (TYPE boreline or fence) may meet the box,\n"
       "0 when it cannot.",
       3, 3, false, Overlap},
      {"convert", "[FILE]", "turn a 4x4 matrix into a transform",
       "Reads a 4x4 matrix and prints the similarity transform it holds, or\n"
       "says on standard error why it is not one and exits with status 1.",
       0, 1, false, Convert},
      {"heal", "[FILE]", "repair the matrix of a transform",
       "Pulls the matrix of a transform back onto the rotations and\n"
       "reflections and prints the repaired transform; exit status 1 (and the\n"
       "transform as read) when it cannot be repaired.",
       0, 1, false, Heal},
      {"angles", "[FILE]", "rotation angles and origin of a transform",
       "Prints the angles about x, y and z, in radians, whose rotations\n"
       "(x applied first) make the transform's matrix, and its origin.",
       0, 1, false, Angles},
      {"export", "TYPE [FILE] [OPTIONS]", "write a value as OBJ or SVG (see docs/export.md)",
       "Writes the value as a Wavefront OBJ mesh or an SVG top view (x to the\n"
       "right, y up). TYPE is any type gmath --help lists, or clipvolume (the\n"
       "plane count, then a b c d of each plane, inside where a*x + b*y + c*z +\n"
       "d >= 0).\n"
       "  --format obj|svg      the format; without it, the --output file's\n"
       "                        extension (.obj or .svg) decides\n"
       "  --output FILE, -o FILE  the file to write (default standard output)\n"
       "  --extent XLO YLO ZLO XHI YHI ZHI\n"
       "                        the box an unbounded value is cut to (default\n"
       "                        -10 -10 -10 10 10 10); a cut is said on standard\n"
       "                        error\n"
       "A matrix, transform or 4x4 draws the unit cube it moves (a planar one\n"
       "the unit square), a bore line a 32-sided cylinder of its radius, a\n"
       "clip volume the polyhedron its planes cut from the extent. Exit status\n"
       "1 when nothing of the value lies in the extent.",
       1, 2, true, Export},
  };
  return subcommands;
}

const Subcommand* FindSubcommand(const std::string& name) {
  for (const Subcommand& subcommand : Subcommands()) {
    if (name == subcommand.name) return &subcommand;
  }
  return nullptr;
}
