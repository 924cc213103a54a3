#include "input.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <memory>

#include "normalise.h"

namespace {

using Stream = std::unique_ptr<FILE, int (*)(FILE*)>;

std::string Name(const std::string& path) { return path == "-" ? "standard input" : path; }

std::string SystemError(const std::string& what) { return what + ": " + std::strerror(errno); }

// The whole text, or false with the reason (a directory opens, then fails
// to read).
bool Slurp(const std::string& path, std::string& text, std::string& error) {
  Stream file(path == "-" ? stdin : std::fopen(path.c_str(), "rb"),
              [](FILE* f) { return f == stdin ? 0 : std::fclose(f); });
  if (!file) {
    error = SystemError(Name(path) + ": cannot open");
    return false;
  }
  char chunk[4096];
  for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, file.get())) > 0;) {
    text.append(chunk, n);
  }
  if (std::ferror(file.get()) != 0) error = SystemError(Name(path) + ": cannot read");
  return error.empty();
}

// The readers take a stream, and a memory stream is not portable, so the
// bare text goes through a temporary file.
Stream BareStream(const std::string& text, std::string& error) {
  Stream bare(std::tmpfile(), std::fclose);
  if (!bare) {
    error = SystemError("cannot create a temporary file");
    return bare;
  }
  const std::string numbers = BareNumbers(text);
  if (std::fwrite(numbers.data(), 1, numbers.size(), bare.get()) != numbers.size() ||
      std::fseek(bare.get(), 0, SEEK_SET) != 0) {
    error = SystemError("cannot write a temporary file");
    bare.reset();
  }
  return bare;
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

std::string ReadInput(const std::string& path, const std::string& type,
                      const std::function<long(FILE*)>& read) {
  std::string text;
  std::string error;
  if (!Slurp(path, text, error)) return error;
  Stream bare = BareStream(text, error);
  if (!bare) return error;
  const std::string where = Name(path) + ": ";
  const long code = read(bare.get());
  if (code == 1) return where + "the " + type + " has more than 100 points";
  const std::string word = NextWord(bare.get());
  if (code != 0 && word.empty()) return where + "short input: the " + type + " is incomplete";
  if (code != 0) return where + "malformed " + type + ": '" + word + "' is not a number";
  if (!word.empty()) return where + "unexpected '" + word + "' after the " + type;
  return "";
}
