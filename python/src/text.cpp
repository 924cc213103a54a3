#include <cstdio>
#include <string>

#include "bindings.h"

namespace gmath_py {

// A temporary file rather than a memory stream: it is the one stream type
// every platform's C library offers.
std::string TextOfFile(FILE* file, long err, const char* what) {
  std::string text;
  if (file != nullptr) {
    std::rewind(file);
    char buffer[4096];
    std::size_t read;
    while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, read);
    std::fclose(file);
  }
  Check(file == nullptr ? 2 : err, what);
  return text;
}

FILE* FileOfText(const std::string& text) {
  FILE* file = std::tmpfile();
  if (file == nullptr) throw std::runtime_error("no temporary file for the text");
  std::fwrite(text.data(), 1, text.size(), file);
  std::rewind(file);
  return file;
}

void FinishRead(FILE* file, long err, const char* what) {
  std::fclose(file);
  Check(err, what);
}

}  // namespace gmath_py
