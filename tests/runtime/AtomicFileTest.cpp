// Saving replaces a file whole or not at all.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "runtime/AtomicFile.h"
#include "runtime/Errors.h"
#include "tests/support/ExpectThrowMessage.h"
#include "tests/support/TempFolder.h"

namespace runtime {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
 protected:
  std::size_t EntriesInDir() const {
    return std::distance(fs::directory_iterator(dir_), fs::directory_iterator());
  }
  testsupport::TempFolder folder_{"atomic"};
  const fs::path& dir_ = folder_.Path();
};

TEST_F(AtomicFileTest, CreatesAndReplacesWithExactBytes) {
  const fs::path file = dir_ / "report.txt";
  const std::string bytes("a\r\nb\0c\xFF", 7);
  SaveFileAtomically(file, bytes);
  EXPECT_EQ(testsupport::ReadFile(file), bytes);
  SaveFileAtomically(file, "second");
  EXPECT_EQ(testsupport::ReadFile(file), "second");
  SaveFileAtomically(file, "");
  EXPECT_EQ(testsupport::ReadFile(file), "");
  EXPECT_EQ(EntriesInDir(), 1u);  // no temporary file left behind
}

TEST_F(AtomicFileTest, ReplacedFileKeepsItsPermissions) {
  const fs::path file = dir_ / "chart.gif";
  SaveFileAtomically(file, "old");
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  SaveFileAtomically(file, "new");
  EXPECT_EQ(fs::status(file).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(AtomicFileTest, NewFilesFromManyThreadsAtOnceAllGetTheUmasksPermissions) {
  // Writers of a group export run side by side; none may see another's moment of reading the
  // umask and give a file more permissions than the umask allows.
  const mode_t saved = ::umask(027);
  std::vector<std::thread> writers;
  for (int t = 0; t < 8; ++t)
    writers.emplace_back([this, t] {
      for (int i = 0; i < 60; ++i)
        SaveFileAtomically(dir_ / (std::to_string(t) + "-" + std::to_string(i)), "x");
    });
  for (std::thread& writer : writers) writer.join();
  ::umask(saved);
  std::map<fs::perms, int> modes;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir_))
    ++modes[entry.status().permissions()];
  EXPECT_EQ(modes,
            (std::map<fs::perms, int>{
                {fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read, 480}}));
}

TEST_F(AtomicFileTest, LinkKeepsPointingAtTheReplacedFile) {
  fs::create_directories(dir_ / "real");
  const fs::path target = dir_ / "real" / "report.txt";
  const fs::path link = dir_ / "link.txt";
  SaveFileAtomically(target, "old");
  fs::create_symlink(fs::path("real") / "report.txt", link);
  SaveFileAtomically(link, "new");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(testsupport::ReadFile(target), "new");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "real"), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, MissingFolderRaisesAndNamesTheFile) {
  const fs::path file = dir_ / "gone" / "x.gif";
  try {
    SaveFileAtomically(file, "data");
    FAIL() << "no error";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(e.Message(), "Cannot create file " + file.string());
  }
}

TEST_F(AtomicFileTest, ReadOnlyFolderLeavesExistingFileUntouched) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  const fs::path file = dir_ / "report.txt";
  SaveFileAtomically(file, "precious");
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_THROW(SaveFileAtomically(file, "replacement"), EFCreateError);
  EXPECT_EQ(testsupport::ReadFile(file), "precious");
}

TEST_F(AtomicFileTest, FullDeviceFailsTheWrite) {
  // /dev/full accepts the open and fails every write with "no space left", as a full disk does; a
  // device is written through, never renamed over.
  EXPECT_THROW_MSG(SaveFileAtomically("/dev/full", "x"), EFCreateError,
                   "Cannot create file /dev/full");
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST_F(AtomicFileTest, FolderTargetFailsTheRenameAndLeavesNoTemporary) {
  const fs::path folderTarget = dir_ / "sub";
  fs::create_directories(folderTarget / "inner");
  EXPECT_THROW(SaveFileAtomically(folderTarget, "x"), EFCreateError);
  EXPECT_TRUE(fs::is_directory(folderTarget / "inner"));
  EXPECT_EQ(EntriesInDir(), 1u);
}

TEST_F(AtomicFileTest, NamesAsLongAsTheFolderAllows) {
  // The temporary file's name is short: a target of 255 bytes, the most a name may have, is
  // written.
  for (const std::size_t length : {236, 237, 255}) {
    const fs::path file = dir_ / std::string(length, 'n');
    SaveFileAtomically(file, "bytes");
    EXPECT_EQ(testsupport::ReadFile(file), "bytes") << length;
  }
  EXPECT_EQ(EntriesInDir(), 3u);
}

TEST_F(AtomicFileTest, RefusedLinkLeavesLinkAndTargetAlone) {
  const fs::path target = dir_ / "outside.txt";
  const fs::path link = dir_ / "0507 Stroop.txt";
  SaveFileAtomically(target, "outside");
  fs::create_symlink(target, link);
  EXPECT_THROW_MSG(SaveFileAtomically(link, "report", LinkPolicy::RefuseLinks), EFCreateError,
                   "Cannot create file " + link.string() + ": it is a symbolic link");
  EXPECT_EQ(testsupport::ReadFile(target), "outside");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(EntriesInDir(), 2u);
}

TEST_F(AtomicFileTest, LinksInASharedStickyFolder) {
  // Only an administrator can give a link to another user, which is what planting one amounts to.
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to make a link owned by another user";
  constexpr uid_t nobody = 65534;
  const fs::path shared = dir_ / "shared";
  fs::create_directories(shared);
  fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
  const fs::path target = dir_ / "victim.txt";
  SaveFileAtomically(target, "precious");

  const fs::path planted = shared / "planted.gif";
  fs::create_symlink(target, planted);
  ASSERT_EQ(::lchown(planted.c_str(), nobody, nobody), 0);
  EXPECT_THROW_MSG(SaveFileAtomically(planted, "chart"), EFCreateError,
                   "Cannot create file " + planted.string() +
                       ": it is a symbolic link another user made in a shared folder");
  EXPECT_EQ(testsupport::ReadFile(target), "precious");

  const fs::path own = shared / "own.gif";  // the user's own link there is followed
  fs::create_symlink(target, own);
  SaveFileAtomically(own, "chart");
  EXPECT_EQ(testsupport::ReadFile(target), "chart");

  fs::permissions(shared, fs::perms::sticky_bit, fs::perm_options::remove);
  SaveFileAtomically(planted, "again");  // outside a sticky folder a link is followed
  EXPECT_EQ(testsupport::ReadFile(target), "again");
}

}  // namespace
}  // namespace runtime
