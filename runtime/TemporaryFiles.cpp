// A fixed table of temporary file names that a signal handler may read: no allocation, no locks.
#include "runtime/TemporaryFiles.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <ctime>

namespace runtime {
namespace {

// More temporaries than this at once (only many parallel writers reach it) are simply not removed
// on an interruption; they are hidden files and never replace a visible one.
constexpr std::size_t kSlots = 320;

struct Slot {
  std::atomic<int> state{0};  // 0 free, 1 being filled or cleared, 2 holds a name
  char path[PATH_MAX];
};

std::array<Slot, kSlots> slots;

// A signal reaches whichever thread does not hold it back, possibly while another thread is between
// creating its file and registering the name, and the other threads run on while the handler
// works. So the handler first sets `dying`, after which no thread creates a temporary, then waits
// until the `creating` ones are registered, and only then removes them all.
std::atomic<bool> dying{false};
std::atomic<int> creating{0};

constexpr int kInterruptingSignals[] = {SIGINT, SIGTERM, SIGHUP};

void Register(const std::string& path) {
  if (path.size() >= PATH_MAX) return;
  for (Slot& slot : slots) {
    int expected = 0;
    if (slot.state.compare_exchange_strong(expected, 1)) {
      std::memcpy(slot.path, path.c_str(), path.size() + 1);
      slot.state.store(2, std::memory_order_release);
      return;
    }
  }
}

void RemoveTemporariesAndDie(int signal) {
  const int savedErrno = errno;
  dying.store(true);
  // Creation takes microseconds; the bound only guards against a thread that never gets to run.
  const timespec step{0, 100'000};
  for (int i = 0; i < 20'000 && creating.load() > 0; ++i) ::nanosleep(&step, nullptr);
  for (Slot& slot : slots) {
    if (slot.state.load(std::memory_order_acquire) == 2) ::unlink(slot.path);
  }
  errno = savedErrno;
  ::signal(signal, SIG_DFL);
  ::raise(signal);
}

// Holds the interrupting signals back while alive.
class SignalsHeld {
 public:
  SignalsHeld() {
    sigset_t set;
    sigemptyset(&set);
    for (int s : kInterruptingSignals) sigaddset(&set, s);
    pthread_sigmask(SIG_BLOCK, &set, &previous_);
  }
  ~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t previous_;
};

}  // namespace

int CreateRegisteredTemporary(std::string& pattern) {
  const SignalsHeld held;
  creating.fetch_add(1);
  if (dying.load()) {
    creating.fetch_sub(1);
    // The process is ending by a signal: wait for it rather than make a file no one removes.
    while (true) ::pause();
  }
  const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (fd >= 0) Register(pattern);
  creating.fetch_sub(1);
  return fd;
}

void UnregisterTemporary(const std::string& path) {
  for (Slot& slot : slots) {
    if (slot.state.load(std::memory_order_acquire) != 2 || path != slot.path) continue;
    int expected = 2;
    if (slot.state.compare_exchange_strong(expected, 1)) {
      slot.path[0] = '\0';
      slot.state.store(0, std::memory_order_release);
      return;
    }
  }
}

void InstallSignalHandlers() {
  ::signal(SIGXFSZ, SIG_IGN);
  struct sigaction action {};
  action.sa_handler = RemoveTemporariesAndDie;
  sigemptyset(&action.sa_mask);
  for (int s : kInterruptingSignals) sigaddset(&action.sa_mask, s);
  for (int s : kInterruptingSignals) {
    struct sigaction previous {};
    // A signal the program was started with ignored (nohup, a background job) stays ignored.
    if (::sigaction(s, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) continue;
    ::sigaction(s, &action, nullptr);
  }
}

}  // namespace runtime
