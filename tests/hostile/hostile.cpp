#ifndef _WIN32
#include "hostile/hostile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <future>
#include <thread>

extern char** environ;

namespace gmath::test {

pid_t StartHelper(const char* test, const std::vector<std::string>& environment) {
  std::string filter = std::string("--gtest_filter=") + test;
  char program[] = "gmath_tests";
  char alsoDisabled[] = "--gtest_also_run_disabled_tests";
  char* arguments[] = {program, alsoDisabled, filter.data(), nullptr};
  std::vector<std::string> entries(environment);
  std::vector<char*> variables;
  for (std::string& entry : entries) variables.push_back(entry.data());
  for (char** inherited = environ; *inherited != nullptr; ++inherited) {
    variables.push_back(*inherited);
  }
  variables.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  // The link's target, not the link: under valgrind the link names valgrind.
  const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
  pid_t helper = -1;
  const int error =
      posix_spawn(&helper, self.c_str(), &actions, nullptr, arguments, variables.data());
  posix_spawn_file_actions_destroy(&actions);
  EXPECT_EQ(error, 0) << "cannot start " << test;
  return error == 0 ? helper : -1;
}

int WaitForHelper(pid_t helper) {
  int status = -1;
  while (helper > 0 && waitpid(helper, &status, 0) < 0 && errno == EINTR) {
  }
  return status;
}

bool ReturnsUnaided(const std::filesystem::path& fifo, const std::function<void()>& call) {
  std::promise<void> returned;
  std::future<void> done = returned.get_future();
  std::thread caller([&] {
    call();
    returned.set_value();
  });
  const bool unaided = done.wait_for(std::chrono::seconds(2)) == std::future_status::ready;
  if (!unaided) {
    const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    const int writer = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0) close(writer);
    done.wait();
    if (reader >= 0) close(reader);
  }
  caller.join();
  return unaided;
}

FileSizeLimit::FileSizeLimit(unsigned long long bytes)
    : previous_(RLIM_INFINITY), previousHandler_(signal(SIGXFSZ, SIG_IGN)) {
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  previous_ = limit.rlim_cur;
  limit.rlim_cur = bytes;
  EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
}

FileSizeLimit::~FileSizeLimit() {
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = previous_;
  setrlimit(RLIMIT_FSIZE, &limit);
  signal(SIGXFSZ, previousHandler_);
}

}  // namespace gmath::test
#endif
