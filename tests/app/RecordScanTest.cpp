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

// Sorting only the entries of the folder just searched: those given before stay where they are;
// byte order puts "B" (0x42) before "a" (0x61) and "a.txt" before "a/"; equal paths keep their
// flags in the order they were added.
TEST(RecordScan, InputsSortFromAnEntryOnAndKeepTheirFlags) {
  RunInputs inputs;
  // clang-format off
  const std::pair<const char*, bool> added[] = {
      {"z/given.txt", false}, {"d/a/x.txt", false}, {"d/B.txt", false}, {"d/a.txt", false},
      {"", false},            {"d/c", true},        {"d/a.txt", true},  {"d/\xC3\xA9.txt", false}};
  const std::pair<const char*, bool> sorted[] = {
      {"z/given.txt", false}, {"", false},          {"d/B.txt", false}, {"d/a.txt", false},
      {"d/a.txt", true},      {"d/a/x.txt", false}, {"d/c", true},      {"d/\xC3\xA9.txt", false}};
  // clang-format on
  for (const auto& [path, unread] : added) inputs.Add(path, unread);
  inputs.SortFrom(1);
  ASSERT_EQ(inputs.size(), std::size(sorted));
  std::size_t i = 0;
  for (const RunInput& input : inputs) {
    EXPECT_EQ(input.path.native(), sorted[i].first) << i;
    EXPECT_EQ(input.unreadFolder, sorted[i].second) << i;
    ++i;
  }
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
  const RunInputs found = FindRecords({folder / "given.doc", data, data / "b.txt"}, data / "out");
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
  const RunInputs found = FindRecords({folder / "data"}, std::nullopt);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].path, folder / "data" / "a.txt");
  EXPECT_EQ(found[1].path, folder / "data" / "locked");
  EXPECT_TRUE(found[1].unreadFolder);
  EXPECT_EQ(UnreadFolderMessage(found[1].path),
            "Cannot open folder " + (folder / "data" / "locked").native());
}

}  // namespace
}  // namespace app
