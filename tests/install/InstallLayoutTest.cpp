// What the program learns from the build and the install layout: its version, and the sample
// records' folder beside the executable or, installed, under share/.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "app/CommandLine.h"
#include "app/RecordsFolder.h"
#include "app/Version.h"
#include "tests/support/TempFolder.h"

namespace app {
namespace {

namespace fs = std::filesystem;

TEST(InstallLayout, RecordsBesideTheExecutableFirstThenTheInstalledOnes) {
  // clang-format off
  struct Case { const char* what; bool beside, installed; const char* expected; };
  const Case cases[] = {
      {"a build or an unpacked copy", true,  false, "bin/Data"},
      {"installed",                   false, true,  "share/stroop-analyser/Data"},
      {"both: the one beside wins",   true,  true,  "bin/Data"},
      {"neither: beside, as always",  false, false, "bin/Data"},
  };
  // clang-format on
  for (const Case& c : cases) {
    testsupport::TempFolder prefix("install");
    fs::create_directories(prefix / "bin");
    if (c.beside) fs::create_directories(prefix / "bin/Data");
    if (c.installed) fs::create_directories(prefix / "share/stroop-analyser/Data");
    EXPECT_EQ(RecordsFolder(prefix / "bin"), prefix / c.expected) << c.what;
  }
}

TEST(InstallLayout, AFileNamedDataIsNoFolder) {
  testsupport::TempFolder prefix("install");
  fs::create_directories(prefix / "bin");
  prefix.Write("bin/Data", "not a folder");
  fs::create_directories(prefix / "share/stroop-analyser/Data");
  EXPECT_EQ(RecordsFolder(prefix / "bin"), prefix / "share/stroop-analyser/Data");
}

TEST(InstallLayout, VersionOptionAndText) {
  EXPECT_EQ(ParseCommandLine({"--version"}).mode, CommandLine::Mode::Version);
  EXPECT_EQ(ParseCommandLine({"--export", "out", "--version"}).mode, CommandLine::Mode::Version);
  EXPECT_TRUE(
      std::regex_match(VersionText(), std::regex("stroop-analyser [0-9]+\\.[0-9]+\\.[0-9]+")))
      << VersionText();
  EXPECT_NE(Usage().find("--version"), std::string::npos);
}

}  // namespace
}  // namespace app
