// Where results go: beside the executable when a file can be written there, else in the documents
// folder; the folder is made only for a file written directly into it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/ResultsFolder.h"
#include "tests/support/TempFolder.h"

namespace app {
namespace {

namespace fs = std::filesystem;

TEST(ChooseResultsFolder, BesideTheExecutableOnlyWhenWritable) {
  const testsupport::TempFolder dir;
  const fs::path docs = dir / "docs";
  const fs::path fallback = docs / "Stroop Results";
  fs::create_directories(dir / "withResults" / "Results");
  fs::create_directories(dir / "withoutResults");
  fs::create_directories(dir / "fileResults");
  dir.Write("fileResults/Results", "");
  fs::create_directories(dir / "danglingResults");
  fs::create_symlink(dir / "nowhere", dir / "danglingResults" / "Results");
  struct Case {
    const char* exeFolder;
    fs::path expected;
  };
  // clang-format off
  const Case cases[] = {
      {"withResults",    dir / "withResults" / "Results"},
      {"withoutResults", dir / "withoutResults" / "Results"},  // made when a file is written
      {"fileResults",    fallback},                            // a file stands in the way
      {"danglingResults", fallback},
      {"missing",        fallback},
  };
  // clang-format on
  for (const Case& c : cases)
    EXPECT_EQ(ChooseResultsFolder(dir / c.exeFolder / "", docs), c.expected) << c.exeFolder;
}

TEST(ChooseResultsFolder, AReadOnlyProgramFolderFallsBack) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  const testsupport::TempFolder dir;
  fs::create_directories(dir / "bin");
  fs::create_directories(dir / "ro" / "Results");
  ::chmod((dir / "bin").c_str(), 0555);
  ::chmod((dir / "ro" / "Results").c_str(), 0555);
  EXPECT_EQ(ChooseResultsFolder(dir / "bin" / "", dir / "docs"), dir / "docs" / "Stroop Results");
  EXPECT_EQ(ChooseResultsFolder(dir / "ro" / "", dir / "docs"), dir / "docs" / "Stroop Results");
  ::chmod((dir / "bin").c_str(), 0755);
  ::chmod((dir / "ro" / "Results").c_str(), 0755);
}

TEST(MakeResultsFolderFor, OnlyForAFileDirectlyInIt) {
  const testsupport::TempFolder dir;
  const fs::path results = dir / "docs" / "Stroop Results";
  MakeResultsFolderFor(dir / "elsewhere" / "a.txt", results);
  MakeResultsFolderFor(results / "sub" / "a.txt", results);
  EXPECT_FALSE(fs::exists(dir / "docs"));
  EXPECT_FALSE(fs::exists(dir / "elsewhere"));
  MakeResultsFolderFor(results / "a.txt", results);
  EXPECT_TRUE(fs::is_directory(results));
  EXPECT_FALSE(fs::exists(results / "sub"));
}

}  // namespace
}  // namespace app
