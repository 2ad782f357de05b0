// fork/exec with pipes or a pseudo-terminal, and a poll loop that reads both outputs to the end.
#include "tests/app/ProgramRun.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <map>

extern char** environ;

namespace testsupport {
namespace {

std::vector<std::string> Environment(const Launch& launch) {
  std::map<std::string, std::string> variables;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    const size_t equals = entry.find('=');
    if (equals != std::string::npos) variables[entry.substr(0, equals)] = entry.substr(equals + 1);
  }
  for (const std::string& name : launch.unset) variables.erase(name);
  for (const auto& [name, value] : launch.set) variables[name] = value;
  std::vector<std::string> entries;
  for (const auto& [name, value] : variables) entries.push_back(name + "=" + value);
  return entries;
}

}  // namespace

std::filesystem::path AnalyserPath() { return STROOP_ANALYSER; }

Program::Program(const Launch& launch) {
  int out[2];
  int err[2] = {-1, -1};
  if (::pipe(out) != 0) return;
  std::string terminalName;
  if (launch.terminal) {
    err[0] = ::posix_openpt(O_RDWR | O_NOCTTY);
    ::grantpt(err[0]);
    ::unlockpt(err[0]);
    terminalName = ::ptsname(err[0]);
  } else if (::pipe(err) != 0) {
    return;
  }
  std::vector<std::string> args = {AnalyserPath().native()};
  args.insert(args.end(), launch.args.begin(), launch.args.end());
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::vector<std::string> env = Environment(launch);
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);

  pid_ = ::fork();
  if (pid_ == 0) {
    ::setsid();
    const int errorFd = launch.terminal ? ::open(terminalName.c_str(), O_RDWR) : err[1];
    ::dup2(out[1], STDOUT_FILENO);
    ::dup2(errorFd, STDERR_FILENO);
    const int devNull = ::open("/dev/null", O_RDONLY);
    ::dup2(devNull, STDIN_FILENO);
    // What the program does with these signals must be its own doing, not inherited.
    for (int s : {SIGXFSZ, SIGINT, SIGTERM, SIGHUP}) ::signal(s, SIG_DFL);
    if (launch.fileSizeLimit) {
      const rlimit limit{static_cast<rlim_t>(*launch.fileSizeLimit),
                         static_cast<rlim_t>(*launch.fileSizeLimit)};
      ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ::execve(argv[0], argv.data(), envp.data());
    ::_exit(127);
  }
  ::close(out[1]);
  if (err[1] >= 0) ::close(err[1]);
  out_ = out[0];
  err_ = err[0];
}

Program::~Program() {
  if (pid_ > 0) {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
  }
  if (out_ >= 0) ::close(out_);
  if (err_ >= 0) ::close(err_);
}

Finished Program::Wait(int timeoutSeconds) {
  Finished finished;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
  std::string* texts[] = {&finished.out, &finished.err};
  pollfd fds[] = {{out_, POLLIN, 0}, {err_, POLLIN, 0}};
  int open = 2;
  while (open > 0 && std::chrono::steady_clock::now() < deadline) {
    if (::poll(fds, 2, 200) <= 0) continue;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char buffer[4096];
      const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        texts[i]->append(buffer, static_cast<size_t>(n));
      } else {
        fds[i].fd = -1;  // end of file; a terminal whose last holder closed it reports EIO
        --open;
      }
    }
  }
  if (open > 0) ::kill(pid_, SIGKILL);
  int status = 0;
  ::waitpid(pid_, &status, 0);
  pid_ = -1;
  if (WIFEXITED(status)) finished.status = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) finished.signal = WTERMSIG(status);
  return finished;
}

}  // namespace testsupport
