// Drives the whole gmath tool in process. An input's first line is the
// command line, split at each blank; the rest is standard input. Any run
// must end with status 0, 1 or 2, and write nothing a terminal would act on
// to standard error: no control byte but the line ends, whatever the
// command line or the input held.
//
// Words that name devices or kernel files, and the export's output option,
// are left alone: the fuzzer is to exercise the tool, not wait on a
// terminal, read the machine's state or write files where it runs.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "gmath/frame.h"
#include "memory_stream.h"
#include "run.h"

namespace {

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words{"gmath"};
  for (std::size_t start = 0;;) {
    const std::size_t end = line.find(' ', start);
    words.push_back(line.substr(start, end - start));
    if (end == std::string::npos) return words;
    start = end + 1;
  }
}

bool Refused(const std::string& word) {
  if (word == "-o" || word == "--output") return true;
  for (const char* root : {"/dev", "/proc", "/sys"}) {
    if (word.compare(0, std::string(root).size(), root) == 0) return true;
  }
  return false;
}

[[noreturn]] void Fail(const std::string& commandLine, const std::string& what) {
  std::fprintf(stderr, "gmath %s: %s\n", commandLine.c_str(), what.c_str());
  std::abort();
}

void CheckShowable(const std::string& commandLine, const char* text, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte < 0x20 && byte != '\n') || byte == 0x7F) {
      Fail(commandLine, "control byte " + std::to_string(byte) + " on standard error");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t lineEnd = bytes.find('\n');
  const std::string commandLine = bytes.substr(0, lineEnd);
  std::vector<std::string> words = Words(commandLine);
  std::vector<char*> argv;
  for (std::string& word : words) {
    if (Refused(word)) return 0;
    argv.push_back(word.data());
  }
  argv.push_back(nullptr);
  const std::size_t inputStart = lineEnd == std::string::npos ? size : lineEnd + 1;
  FILE* in = OpenMemory(data + inputStart, size - inputStart);
  char* errText = nullptr;
  std::size_t errSize = 0;
  FILE* err = open_memstream(&errText, &errSize);
  if (in == nullptr || err == nullptr || Sink() == nullptr) Fail(commandLine, "no streams");
  const int status = RunTool(static_cast<int>(words.size()), argv.data(), {in, Sink(), err});
  // The tool leaves the library's messages going to err, which closes now.
  SetMessageObserver(nullptr, nullptr);
  std::fclose(in);
  std::fclose(err);
  if (status < 0 || status > 2) Fail(commandLine, "exit status " + std::to_string(status));
  CheckShowable(commandLine, errText, errSize);
  std::free(errText);
  return 0;
}
