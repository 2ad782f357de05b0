// An interrupting signal removes the temporary files being written and ends the process by that
// signal; SIGXFSZ no longer kills it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "runtime/AtomicFile.h"
#include "runtime/Errors.h"
#include "runtime/TemporaryFiles.h"
#include "tests/support/TempFolder.h"

namespace runtime {
namespace {

namespace fs = std::filesystem;

// Runs `body` in a child process and returns its wait status.
template <typename Body>
int InChild(Body body) {
  const pid_t child = ::fork();
  if (child == 0) {
    body();
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return status;
}

std::size_t Entries(const fs::path& folder) {
  return static_cast<std::size_t>(
      std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(TemporaryFiles, InterruptionRemovesTheTemporariesBeingWritten) {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    const testsupport::TempFolder folder("interrupted");
    const int status = InChild([&] {
      InstallSignalHandlers();
      std::string first = (folder / ".stroop-XXXXXX").string();
      std::string second = (folder / ".stroop-XXXXXX").string();
      std::string finished = (folder / ".stroop-XXXXXX").string();
      if (CreateRegisteredTemporary(first) < 0 || CreateRegisteredTemporary(second) < 0 ||
          CreateRegisteredTemporary(finished) < 0) {
        ::_exit(3);
      }
      UnregisterTemporary(finished);  // as if renamed into place: it must stay
      ::raise(signal);
      ::_exit(4);
    });
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal << " " << status;
    EXPECT_EQ(Entries(folder.Path()), 1u) << signal;
  }
}

TEST(TemporaryFiles, FileSizeLimitFailsTheSaveInsteadOfKillingTheProcess) {
  const testsupport::TempFolder folder("file-size");
  const int status = InChild([&] {
    InstallSignalHandlers();
    const rlimit limit{1000, 1000};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    try {
      SaveFileAtomically(folder / "chart.gif", std::string(5000, 'x'));
    } catch (const EFCreateError&) {
      ::_exit(Entries(folder.Path()) == 0 ? 0 : 5);
    }
    ::_exit(6);
  });
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

}  // namespace
}  // namespace runtime
