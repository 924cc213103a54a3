// Text dump and load. GPrint_to_File writes a labelled dump for a person to
// read; GRead_from_File reads the same numbers back as bare numbers, without
// the labels. The stream is yours: the library never opens, flushes or
// closes it.
#include "show.h"

namespace {

// The examples keep their files in the working directory.
FILE* FileHolding(const char* name, const char* text) {
  FILE* file = std::fopen(name, "w+");
  if (file == nullptr) return nullptr;
  std::fputs(text, file);
  std::rewind(file);
  return file;
}

}  // namespace

int main() {
  // A dump: doubles in %20.15le, so it shows every bit that matters.
  const GBox box = BuildBox(0, 0, 0, 4, 3, 2);
  long err = 0;
  GPrint_to_File(stdout, box, &err);
  std::printf("dump code %ld\n", err);

  // Loading takes the bare numbers in the dump's order: low, then high.
  FILE* file = FileHolding("example-box.txt", "1 2 3\n  4 5 6\n");
  if (file == nullptr) return 1;
  GBox loaded = {};
  GRead_from_File(file, loaded, &err);
  std::fclose(file);
  std::printf("read code %ld,", err);
  ShowBox("", loaded);

  // A short or malformed input is never a success: the read stops at the
  // first field it cannot read (code 2); the fields before it hold what was
  // read, the others keep their old values.
  file = FileHolding("example-box.txt", "7 8 9 10 oops 12\n");
  if (file == nullptr) return 1;
  GRead_from_File(file, loaded, &err);
  std::fclose(file);
  std::printf("read code %ld,", err);
  ShowBox("", loaded);

  // Only a G4x4 dump reads back as it is: its sixteen numbers come first.
  G4x4 g = G4x4{};
  g = RotateTransf(0.0, 1.0, BuildUnitVector(0, 0, 1), GPosition{1, 1, 0});
  file = std::fopen("example-g4x4.txt", "w+");
  if (file == nullptr) return 1;
  GPrint_to_File(file, g, &err);
  std::rewind(file);
  G4x4 again = G4x4{};
  GRead_from_File(file, again, &err);
  std::fclose(file);
  std::printf("G4x4 dumped and read back: code %ld, equal %s\n", err, YesNo(again.IsEqual(g)));

  std::remove("example-box.txt");
  std::remove("example-g4x4.txt");
  return 0;
}
