#include "input.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <memory>

#include "normalise.h"
#include "text_lines.h"

namespace {

// Closes what the tool opened, never the standard input it was given.
struct Closer {
  FILE* given;
  void operator()(FILE* stream) const {
    if (stream != given) std::fclose(stream);
  }
};

using Stream = std::unique_ptr<FILE, Closer>;

std::string Name(const std::string& path) { return path == "-" ? "standard input" : path; }

std::string SystemError(const std::string& what) { return what + ": " + std::strerror(errno); }

Stream Open(const std::string& path, FILE* standardInput) {
  return Stream(path == "-" ? standardInput : std::fopen(path.c_str(), "rb"),
                Closer{standardInput});
}

// The readers take a stream, and a memory stream is not portable, so the
// bare text goes through a temporary file. Empty when it was written;
// otherwise why not.
std::string WriteBare(const std::string& path, FILE* input, FILE* bare) {
  bool written = true;
  const std::string stop = ForEachLine(input, [&](const std::string& line) {
    const std::string numbers = BareLine(line);
    written = std::fwrite(numbers.data(), 1, numbers.size(), bare) == numbers.size();
    return written;
  });
  if (!written) return SystemError("cannot write a temporary file");
  if (std::ferror(input) != 0) return SystemError(Name(path) + ": cannot read");
  if (!stop.empty()) return Name(path) + ": " + stop;
  if (std::fseek(bare, 0, SEEK_SET) != 0) return SystemError("cannot write a temporary file");
  return "";
}

// The next word of the stream, empty at its end; bytes a terminal would
// act on show as '?', since the word goes into an error line.
std::string NextWord(FILE* stream) {
  char buffer[64];
  if (std::fscanf(stream, " %63s", buffer) != 1) return "";
  std::string word = buffer;
  for (char& c : word) {
    if (std::isprint(static_cast<unsigned char>(c)) == 0) c = '?';
  }
  return word;
}

}  // namespace

std::string ReadInput(const std::string& path, FILE* standardInput, const std::string& type,
                      const char* tooMany, const std::function<long(FILE*)>& read) {
  const Stream input = Open(path, standardInput);
  if (!input) return SystemError(Name(path) + ": cannot open");
  const Stream bare(std::tmpfile(), Closer{nullptr});
  if (!bare) return SystemError("cannot create a temporary file");
  const std::string error = WriteBare(path, input.get(), bare.get());
  if (!error.empty()) return error;
  const std::string where = Name(path) + ": ";
  const long code = read(bare.get());
  if (code == 1) return where + "the " + type + " has " + tooMany;
  const std::string word = NextWord(bare.get());
  if (code != 0 && word.empty()) return where + "short input: the " + type + " is incomplete";
  if (code != 0) return where + "malformed " + type + ": '" + word + "' is not a number";
  if (!word.empty()) return where + "unexpected '" + word + "' after the " + type;
  return "";
}
