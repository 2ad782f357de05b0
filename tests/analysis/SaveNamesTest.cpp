// Result names and the case-sensitive ".gif" rule.
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

TEST(SaveNames, OtherExtensionsFollowTheGifRule) {
  const struct {
    const char* typed;
    const char* extension;
    const char* saved;
  } cases[] = {
      // clang-format off
      {"chart",       ".png", "chart.png"},
      {"chart.png",   ".png", "chart.png"},
      {"chart.PNG",   ".png", "chart.PNG.png"},
      {"chart.gif",   ".svg", "chart.gif.svg"},
      {"report.pdf",  ".pdf", "report.pdf"},
      {"report.pdf ", ".pdf", "report.pdf .pdf"},
      // clang-format on
  };
  for (const auto& c : cases) EXPECT_EQ(WithExtension(c.typed, c.extension), c.saved) << c.typed;
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

}  // namespace
}  // namespace analysis
