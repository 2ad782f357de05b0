// Fault injection on the save and load paths: a folder that is a file, a folder that vanished, a
// full disk (a file size limit, which stops root too, and /dev/full), a pipe and a device as
// targets, and records that cannot be read. Each failure raises "Cannot create file" or "Cannot
// open file" with the path and leaves existing files intact.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "analysis/RecordLoader.h"
#include "analysis/ReportFile.h"
#include "gif/Bitmap.h"
#include "gif/GIFImage.h"
#include "runtime/Errors.h"
#include "runtime/TextFile.h"
#include "tests/support/ExtremeRecord.h"
#include "tests/support/TempFolder.h"

namespace reliability {
namespace {

using testsupport::ExtremeRecord;

namespace fs = std::filesystem;

class FaultInjection : public ::testing::Test {
 protected:
  // Every entry of the test folder, so a stray temporary file shows.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.Path()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  testsupport::TempFolder folder;
};

const std::vector<std::string> kReport = {"Результаты", "line two", std::string(5000, 'x')};

std::string CannotCreate(const fs::path& path) { return "Cannot create file " + path.string(); }

// A small GIF save: a 6 x 5 picture in two colours.
void SaveGif(const fs::path& path) {
  gif::TBitmap bitmap(6, 5, gif::TPixelFormat::pf24bit);
  bitmap.ScanLine(2)[0] = 255;
  gif::TGIFImage image;
  image.Assign(&bitmap);
  image.SaveToFile(path);
}

// Each way of saving that the window has, by the message it must raise at `path`.
const std::vector<std::pair<const char*, std::function<void(const fs::path&)>>> kSaves = {
    {"report", [](const fs::path& p) { analysis::SaveReportFile(p, kReport); }},
    {"chart", SaveGif},
};

TEST_F(FaultInjection, FolderThatIsAFileOrHasVanished) {
  folder.Write("plain", "a file, not a folder");
  const fs::path vanished = folder / "Results";
  fs::create_directory(vanished);
  fs::remove(vanished);  // chosen in the dialog, then removed before the save
  for (const auto& [what, save] : kSaves) {
    for (const fs::path& target : {folder / "plain" / "out.txt", vanished / "out.gif"}) {
      SCOPED_TRACE(std::string(what) + " to " + target.string());
      try {
        save(target);
        ADD_FAILURE() << "saved";
      } catch (const runtime::EFCreateError& e) {
        EXPECT_EQ(e.Message(), CannotCreate(target));
      }
    }
  }
  EXPECT_EQ(testsupport::ReadFile(folder / "plain"), "a file, not a folder");
  EXPECT_EQ(Entries(), std::vector<std::string>{"plain"});
}

// Runs `save` in a child process whose file size limit is `limit` bytes, as a full disk stops a
// write part way (a limit binds root as well). Returns the child's message, or "saved".
std::string SaveWithFileSizeLimit(rlim_t limit, const std::function<void()>& save) {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeFds[0]);
    ::signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead of killing the process
    const rlimit small{limit, limit};
    ::setrlimit(RLIMIT_FSIZE, &small);
    std::string result = "saved";
    try {
      save();
    } catch (const runtime::Exception& e) {
      result = e.Message();
    }
    if (::write(pipeFds[1], result.data(), result.size()) < 0) ::_exit(2);
    ::_exit(0);
  }
  ::close(pipeFds[1]);
  std::string result;
  char buffer[512];
  for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
    result.append(buffer, static_cast<size_t>(n));
  ::close(pipeFds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? result : "child failed";
}

TEST_F(FaultInjection, FullDiskLeavesTheExistingFileAsItWas) {
  for (const auto& entry : kSaves) {
    const std::string what = entry.first;
    const auto& save =
        entry.second;  // a plain reference: lambdas cannot capture structured bindings
    SCOPED_TRACE(what);
    const fs::path target = folder / (what + ".out");
    folder.Write(target.filename(), "previous contents");
    // 100 bytes: the report (over 5000) and the GIF (over 100) both run out of room.
    EXPECT_EQ(SaveWithFileSizeLimit(100, [&] { save(target); }), CannotCreate(target));
    EXPECT_EQ(testsupport::ReadFile(target), "previous contents");
    // With room enough the same save goes through.
    EXPECT_EQ(SaveWithFileSizeLimit(1 << 20, [&] { save(target); }), "saved");
    EXPECT_NE(testsupport::ReadFile(target), "previous contents");
  }
  EXPECT_EQ(Entries(), (std::vector<std::string>{"chart.out", "report.out"}));
}

TEST_F(FaultInjection, DevicesAndPipesAreWrittenThroughNeverReplaced) {
  // /dev/full takes nothing: the save fails and the device stays a device (it was once renamed
  // over).
  struct stat before {};
  ASSERT_EQ(::stat("/dev/full", &before), 0);
  ASSERT_TRUE(S_ISCHR(before.st_mode));
  for (const auto& [what, save] : kSaves) {
    SCOPED_TRACE(what);
    try {
      save("/dev/full");
      ADD_FAILURE() << "saved to /dev/full";
    } catch (const runtime::EFCreateError& e) {
      EXPECT_EQ(e.Message(), "Cannot create file /dev/full");
    }
    struct stat after {};
    ASSERT_EQ(::stat("/dev/full", &after), 0);
    EXPECT_TRUE(S_ISCHR(after.st_mode));
  }
  // A pipe with no reader fails at once instead of waiting for one.
  const fs::path pipe = folder / "pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  for (const auto& [what, save] : kSaves) {
    SCOPED_TRACE(what);
    EXPECT_THROW(save(pipe), runtime::EFCreateError);
    EXPECT_TRUE(fs::is_fifo(pipe));
  }
  // A folder chosen as the file name is not replaced either.
  fs::create_directory(folder / "folder");
  for (const auto& [what, save] : kSaves)
    EXPECT_THROW(save(folder / "folder"), runtime::EFCreateError) << what;
  EXPECT_TRUE(fs::is_directory(folder / "folder"));
  EXPECT_EQ(Entries(), (std::vector<std::string>{"folder", "pipe"}));
}

TEST_F(FaultInjection, RecordsThatCannotBeRead) {
  const fs::path vanished = folder / "vanished.txt";
  folder.Write("vanished.txt", ExtremeRecord(3).Bytes());
  fs::remove(vanished);
  const fs::path pipe = folder / "pipe.txt";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const fs::path missingFolder = folder / "gone" / "record.txt";
  for (const fs::path& path :
       {vanished, pipe, folder.Path(), missingFolder, fs::path("/dev/zero")}) {
    SCOPED_TRACE(path.string());
    try {
      analysis::LoadRecordFile(path);
      ADD_FAILURE() << "loaded";
    } catch (const runtime::EFOpenError& e) {
      EXPECT_EQ(e.Message(), "Cannot open file " + path.string());
    }
  }
  // A record cut short (the disk filled while it was written) fails on its first missing field.
  const std::string whole = ExtremeRecord(3).Bytes();
  for (size_t cut : {size_t{0}, size_t{40}, whole.size() / 2, whole.size() - 30}) {
    folder.Write("cut.txt", whole.substr(0, cut));
    EXPECT_THROW(analysis::LoadRecordFile(folder / "cut.txt"), runtime::EConvertError) << cut;
  }
}

}  // namespace
}  // namespace reliability
