// Runs a command and writes the peak resident set size it reached, in KiB,
// to a file: peak_rss REPORT COMMAND [ARGUMENTS...]. Its exit status is the
// command's, or 128 plus the signal that ended it, as a shell reports it.
// The tool's memory tests use it; /usr/bin/time is not always installed.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: peak_rss REPORT COMMAND [ARGUMENTS...]\n");
    return 2;
  }
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[2], argv + 2);
    std::perror(argv[2]);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (child < 0 || wait4(child, &status, 0, &usage) != child) {
    std::perror("peak_rss");
    return 2;
  }
  FILE* report = std::fopen(argv[1], "w");
  if (report == nullptr || std::fprintf(report, "%ld\n", usage.ru_maxrss) < 0 ||
      std::fclose(report) != 0) {
    std::perror(argv[1]);
    return 2;
  }
  return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}
