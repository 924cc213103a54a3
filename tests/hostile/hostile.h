#ifndef GMATH_TESTS_HOSTILE_HOSTILE_H
#define GMATH_TESTS_HOSTILE_HOSTILE_H

#ifndef _WIN32
#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// What the hostile tests need from the system: processes of their own, a
// stand-in for a full disk and a way out of a FIFO that would hang a call.
namespace gmath::test {

// Starts this test program again to run one helper test, with the given
// "NAME=value" entries added to its environment and its standard output
// dropped. Helper tests are named DISABLED_ so that only this runs them.
pid_t StartHelper(const char* test, const std::vector<std::string>& environment);
// The status waitpid reports for the helper.
int WaitForHelper(pid_t helper);

// Runs `call` on a thread of its own and answers whether it returned
// within two seconds by itself. If not, the FIFO is opened at both ends so
// that the call can return (a waiting writer keeps its reader until then, a
// waiting reader reads the end of the file) and the test fails rather than
// hangs.
bool ReturnsUnaided(const std::filesystem::path& fifo, const std::function<void()>& call);

// While it lives, no file of the process may grow beyond `bytes`: a write
// past the limit fails, or writes only what fits, as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(unsigned long long bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  unsigned long long previous_;
  void (*previousHandler_)(int);
};

}  // namespace gmath::test

#endif
#endif
