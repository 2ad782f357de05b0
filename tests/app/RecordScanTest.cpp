// Finding the records of a run: the open dialog's names, nested folders, a stable order.
#include <gtest/gtest.h>
#include <unistd.h>

#include "app/RecordScan.h"
#include "tests/support/TempFolder.h"

namespace app {
namespace {

namespace fs = std::filesystem;

TEST(RecordScan, TheOpenDialogsNames) {
  const struct {
    const char* name;
    bool record;
  } cases[] = {
      // clang-format off
      {"0507.txt", true}, {"0507.TXT", true}, {"a.Txt", true},  {"x.cry", true},
      {"x.CRY", true},    {"xcry", true},     {"cry", true},    {"x.Cry", true},
      {"txt", false},     {"a.txt~", false},  {"a.text", false}, {"a.crx", false},
      {"", false},        {".txt", true},
      // clang-format on
  };
  for (const auto& c : cases) EXPECT_EQ(IsRecordFileName(c.name), c.record) << c.name;
}

TEST(RecordScan, FoldersRecursivelyInByteOrderFilesAsGiven) {
  const testsupport::TempFolder folder;
  const fs::path data = folder / "data";
  for (const char* name :
       {"b.txt", "A.TXT", "sub/e.CRY", "sub/deeper/d.cry", "sub/c.Txt", "sub/xcry", "sub/notes.doc",
        ".hidden.txt", ".cache/x.txt", "out/r.txt", "sub/Z.txt"}) {
    fs::create_directories((data / name).parent_path());
    folder.Write(fs::path("data") / name, "");
  }
  fs::create_directory_symlink(data / "sub", data / "link-to-sub");
  fs::create_symlink(data / "b.txt", data / "link.txt");
  const std::vector<RunInput> found =
      FindRecords({folder / "given.doc", data, data / "b.txt"}, data / "out");
  std::vector<std::string> names;
  for (const RunInput& input : found) {
    EXPECT_FALSE(input.unreadFolder) << input.path;
    names.push_back(input.path.lexically_relative(folder.Path()).native());
  }
  EXPECT_EQ(names,
            (std::vector<std::string>{
                "given.doc",  // named: taken whatever its name, and failing when loaded
                "data/A.TXT", "data/b.txt", "data/link.txt", "data/sub/Z.txt", "data/sub/c.Txt",
                "data/sub/deeper/d.cry", "data/sub/e.CRY", "data/sub/xcry", "data/b.txt"}));
}

TEST(RecordScan, AFolderThatCannotBeReadIsListed) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every folder";
  const testsupport::TempFolder folder;
  fs::create_directories(folder / "data" / "locked");
  folder.Write("data/a.txt", "");
  fs::permissions(folder / "data" / "locked", fs::perms::none);
  const std::vector<RunInput> found = FindRecords({folder / "data"}, std::nullopt);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].path, folder / "data" / "a.txt");
  EXPECT_EQ(found[1].path, folder / "data" / "locked");
  EXPECT_TRUE(found[1].unreadFolder);
  EXPECT_EQ(UnreadFolderMessage(found[1].path),
            "Cannot open folder " + (folder / "data" / "locked").native());
}

}  // namespace
}  // namespace app
