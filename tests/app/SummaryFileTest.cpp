// The summary table's file: whole or not at all, through devices, links only of the user's own.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/SummaryFile.h"
#include "runtime/TextFile.h"
#include "tests/support/TempFolder.h"

namespace app {
namespace {

namespace fs = std::filesystem;

size_t Entries(const fs::path& folder) {
  return static_cast<size_t>(
      std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(SummaryFile, RowByRowThenInPlaceKeepingThePermissions) {
  const testsupport::TempFolder folder;
  const fs::path path = folder.Write("t.csv", "old");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  {
    SummaryFile file(path);
    file.Append("a,b\r\n");
    EXPECT_EQ(testsupport::ReadFile(path), "old");  // nothing shows before the end
    EXPECT_EQ(Entries(folder.Path()), 2u);          // the hidden temporary beside it
    file.Append(std::string(100000, 'x'));
    EXPECT_EQ(file.Commit(), "");
  }
  EXPECT_EQ(testsupport::ReadFile(path), "a,b\r\n" + std::string(100000, 'x'));
  EXPECT_EQ(fs::status(path).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Entries(folder.Path()), 1u);
}

TEST(SummaryFile, FailuresLeaveNothingBehind) {
  const testsupport::TempFolder folder;
  SummaryFile missing(folder / "no" / "t.csv");
  missing.Append("row");
  EXPECT_EQ(missing.Commit(), "Cannot create file " + (folder / "no" / "t.csv").native());

  {
    SummaryFile abandoned(folder / "t.csv");  // an error elsewhere ends the run before the end
    abandoned.Append("row");
  }
  EXPECT_EQ(Entries(folder.Path()), 0u);

  SummaryFile onFolder(folder.Path());
  EXPECT_EQ(onFolder.Commit(), "Cannot create file " + folder.Path().native());
  EXPECT_EQ(Entries(folder.Path()), 0u);
}

TEST(SummaryFile, ADeviceIsWrittenThrough) {
  SummaryFile devNull("/dev/null");
  devNull.Append("row\r\n");
  EXPECT_EQ(devNull.Commit(), "");
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST(SummaryFile, OnlyTheUsersOwnLinksAreFollowed) {
  const testsupport::TempFolder folder;
  const fs::path target = folder.Write("target.csv", "old");
  fs::create_symlink(target, folder / "own.csv");
  SummaryFile own(folder / "own.csv");
  own.Append("new");
  EXPECT_EQ(own.Commit(), "");
  EXPECT_EQ(testsupport::ReadFile(target), "new");
  EXPECT_TRUE(fs::is_symlink(folder / "own.csv"));

  if (::geteuid() != 0) GTEST_SKIP() << "only an administrator can make another user's link";
  fs::create_symlink(target, folder / "planted.csv");
  ASSERT_EQ(::lchown((folder / "planted.csv").c_str(), 4242, 4242), 0);
  SummaryFile planted(folder / "planted.csv");
  planted.Append("evil");
  EXPECT_EQ(planted.Commit(), "Cannot create file " + (folder / "planted.csv").native() +
                                  ": it is a symbolic link another user made");
  EXPECT_EQ(testsupport::ReadFile(target), "new");
}

}  // namespace
}  // namespace app
