// Runs the shipped stroop-analyser as a child process with a chosen environment, file-size limit
// and standard error (a pipe or a terminal), for tests of what only the real process shows:
// signals, limits, environment variables and exit statuses.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace testsupport {

struct Launch {
  std::vector<std::string> args;                         // after the program name
  std::vector<std::string> unset;                        // environment variables removed
  std::vector<std::pair<std::string, std::string>> set;  // and set
  std::optional<long long> fileSizeLimit;                // bytes, as `ulimit -f` sets
  bool terminal = false;  // standard error on a pseudo-terminal instead of a pipe
};

struct Finished {
  int status = -1;  // exit status, or -1 when ended by a signal
  int signal = 0;   // the signal that ended it
  std::string out;
  std::string err;  // what it wrote to standard error (pipe or terminal)
};

// A started program; Wait collects its output and status (killing it after `timeoutSeconds`).
class Program {
 public:
  explicit Program(const Launch& launch);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  pid_t Pid() const { return pid_; }
  Finished Wait(int timeoutSeconds = 120);

 private:
  pid_t pid_ = -1;
  int out_ = -1;
  int err_ = -1;
};

inline Finished RunToEnd(const Launch& launch) { return Program(launch).Wait(); }

// The executable under test.
std::filesystem::path AnalyserPath();

}  // namespace testsupport
