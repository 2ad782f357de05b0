// Default result names, the case-sensitive ".gif" rule and the "Results" folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "analysis/SaveNames.h"
#include "runtime/Cp1251.h"
#include "tests/support/TempFolder.h"

namespace analysis {
namespace {

TEST(SaveNames, ReportAndChartNamesOfASubject) {
  const std::string ivanov = runtime::Cp1251FromUtf8("Иванов");
  EXPECT_EQ(ReportFileName("0507"), "0507 Stroop.txt");
  EXPECT_EQ(ReportFileName(""), " Stroop.txt");
  EXPECT_EQ(ReportFileName(ivanov), "Иванов Stroop.txt");
  EXPECT_EQ(ChartFileName("0507", 1), "0507 1.Stroop.gif");
  EXPECT_EQ(ChartFileName(ivanov, 4), "Иванов 4.Stroop.gif");
}

TEST(SaveNames, DefaultNamesInTheResultsFolder) {
  EXPECT_EQ(ResultsFolder("/opt/stroop/"), "/opt/stroop/Results");
  EXPECT_EQ(DefaultReportFileName("/opt/stroop/", "5012"), "/opt/stroop/Results/5012 Stroop.txt");
  EXPECT_EQ(DefaultChartFileName("/opt/stroop/", "507", 2), "/opt/stroop/Results/507 2.Stroop.gif");
  EXPECT_EQ(DefaultChartFileName("/opt/stroop/", "507", 3), "/opt/stroop/Results/507 3.Stroop.gif");
  // The code is CP1251 from the record; the name is file-system text.
  EXPECT_EQ(DefaultReportFileName("/d/", runtime::Cp1251FromUtf8("Иванов")),
            "/d/Results/Иванов Stroop.txt");
}

TEST(SaveNames, GifRuleIsCaseSensitive) {
  const struct {
    const char* typed;
    const char* saved;
  } cases[] = {
      {"result", "result.gif"},
      {"result.gif", "result.gif"},
      {"result.GIF", "result.GIF.gif"},
      {"result.txt", "result.txt.gif"},
      {"result.Gif", "result.Gif.gif"},
      {".gif", ".gif"},
      {"gif", "gif.gif"},
      {"", ".gif"},
  };
  for (const auto& c : cases) EXPECT_EQ(WithGifExtension(c.typed), c.saved) << c.typed;
}

class SaveFolder : public ::testing::Test {
 protected:
  std::string Folder() const { return dir_.Path().string() + "/"; }
  testsupport::TempFolder dir_;
};

TEST_F(SaveFolder, AsksOnlyWhenTheAddedGifNamesAnExistingFile) {
  const std::string chosen = Folder() + "result";
  EXPECT_FALSE(NeedsReplaceQuestion(chosen, chosen + ".gif"));
  std::ofstream(chosen + ".gif") << "x";
  EXPECT_TRUE(NeedsReplaceQuestion(chosen, chosen + ".gif"));
  // The dialog already asked about the name exactly as chosen.
  EXPECT_FALSE(NeedsReplaceQuestion(chosen + ".gif", chosen + ".gif"));
}

TEST_F(SaveFolder, CreatesAMissingResultsFolderAndKeepsAnExistingOne) {
  EnsureResultsFolder(Folder());
  ASSERT_TRUE(std::filesystem::is_directory(dir_ / "Results"));
  std::ofstream(dir_ / "Results" / "kept.txt") << "x";
  EnsureResultsFolder(Folder());
  EXPECT_TRUE(std::filesystem::exists(dir_ / "Results" / "kept.txt"));
}

TEST_F(SaveFolder, AFolderThatCannotBeCreatedIsLeftToTheSave) {
  std::ofstream(dir_ / "file") << "x";  // a file where the executable's folder should be
  EXPECT_NO_THROW(EnsureResultsFolder(Folder() + "file/"));
}

}  // namespace
}  // namespace analysis
