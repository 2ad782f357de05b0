// Output names (safe, cut to fit, distinct within a run) and text made safe for the terminal.
#include <gtest/gtest.h>

#include "app/ExportNames.h"
#include "app/TerminalText.h"
#include "runtime/Cp1251.h"

namespace app {
namespace {

TEST(ExportNames, CodesBecomeSafeUtf8Names) {
  const struct {
    std::string code;  // CP1251
    const char* report;
    const char* chart2;
  } cases[] = {
      // clang-format off
      {"0507",              "0507 Stroop.txt",           "0507 2.Stroop.gif"},
      {"",                  " Stroop.txt",               " 2.Stroop.gif"},
      {"../../etc/x",       ".._.._etc_x Stroop.txt",    ".._.._etc_x 2.Stroop.gif"},
      {"a\\b\tc",           "a_b_c Stroop.txt",          "a_b_c 2.Stroop.gif"},
      {"\xCA\xEE\xE4",      "Код Stroop.txt",            "Код 2.Stroop.gif"},
      {"a\x98z\x7F\x1B",    "a_z__ Stroop.txt",          "a_z__ 2.Stroop.gif"},  // 0x98: a C1 control
      {"\x88\xB9",          "€№ Stroop.txt",             "€№ 2.Stroop.gif"},
      // clang-format on
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExportReportFileName(c.code), c.report);
    EXPECT_EQ(ExportChartFileName(c.code, 2), c.chart2);
  }
}

TEST(ExportNames, OtherOutputsKeepTheReportsAndTheGifsPatterns) {
  const std::string ivanov = runtime::Cp1251FromUtf8("Иванов");
  // clang-format off
  EXPECT_EQ(ExportChartFileName("0507", 1, "png"),  "0507 1.Stroop.png");
  EXPECT_EQ(ExportChartFileName("0507", 4, "svg"),  "0507 4.Stroop.svg");
  EXPECT_EQ(ExportChartFileName(ivanov, 2, "pdf"),  "Иванов 2.Stroop.pdf");
  EXPECT_EQ(ExportChartFileName("a/b", 3, "png"),   "a_b 3.Stroop.png");
  EXPECT_EQ(ExportReportFileName("0507", "pdf"),    "0507 Stroop.pdf");
  EXPECT_EQ(ExportReportFileName(ivanov, "pdf"),    "Иванов Stroop.pdf");
  EXPECT_EQ(ExportReportFileName("0507 (2)", "pdf"), "0507 (2) Stroop.pdf");
  // clang-format on
}

TEST(OutputNames, LaterDuplicatesAreNumbered) {
  OutputNames names;
  const struct {
    const char* code;
    const char* stem;
    bool numbered;
  } claims[] = {
      // clang-format off
      {"0507",      "0507",         false},
      {"0507",      "0507 (2)",     true},
      {"a/b",       "a_b",          false},
      {"a_b",       "a_b (2)",      true},   // the same name once "/" is replaced
      {"0507 (2)",  "0507 (2) (2)", true},   // a code that reads like a numbered name
      {"0507",      "0507 (3)",     true},
      {"0508",      "0508",         false},
      // clang-format on
  };
  for (const auto& c : claims) {
    const OutputStem stem = names.Claim(c.code);
    EXPECT_EQ(stem.stem, c.stem) << c.code;
    EXPECT_EQ(stem.numbered, c.numbered) << c.code;
    EXPECT_FALSE(stem.shortened) << c.code;
  }
}

TEST(OutputNames, LongCodesAreCutToFitAFileName) {
  // " 4.Stroop.gif" is 13 bytes: a stem of 242 bytes makes a name of exactly 255.
  OutputNames names;
  const std::string x242(242, 'x');
  const OutputStem fits = names.Claim(x242);
  EXPECT_EQ(fits.stem, x242);
  EXPECT_FALSE(fits.shortened);

  const OutputStem cut = names.Claim(std::string(250, 'y'));
  EXPECT_EQ(cut.stem, std::string(242, 'y'));
  EXPECT_TRUE(cut.shortened);
  const OutputStem again = names.Claim(std::string(243, 'y'));
  EXPECT_EQ(again.stem, std::string(238, 'y') + " (2)");
  EXPECT_TRUE(again.shortened && again.numbered);

  // Cyrillic letters take two bytes in UTF-8 and are never split: 121 fit, 122 do not.
  const std::string letters = runtime::Cp1251FromUtf8("Ж");
  const OutputStem cyrillic = names.Claim(std::string(130, letters[0]));
  EXPECT_EQ(cyrillic.stem, std::string(121, letters[0]));
  EXPECT_EQ(runtime::Cp1251ToUtf8(cyrillic.stem).size(), 242u);
}

TEST(TerminalSafe, ControlsReplacedEverythingElseKept) {
  const struct {
    std::string bytes;
    std::string shown;
  } cases[] = {
      // clang-format off
      {"plain/path.txt",         "plain/path.txt"},
      {"a\x1b[2Jb\x07",          "a?[2Jb?"},
      {"tab\tnew\nline\r\x7f",   "tab?new?line??"},
      {"Иванов Ω.txt",           "Иванов Ω.txt"},           // UTF-8, Ω has no CP1251 byte
      {"\xC8\xE2\xE0\xED.txt",   "\xC8\xE2\xE0\xED.txt"},   // CP1251 bytes, not UTF-8: as they are
      {"c1 \xC2\x9B x \xC2\x85", "c1 ? x ?"},               // C1 controls in UTF-8
      {"raw \x9B\x98 \xA0",      "raw ?? \xA0"},            // stray bytes an 8-bit terminal reads as C1
      {"\xE0\x82\x9B",           "\xE0??"},                 // an overlong form is no character
      {"\xF0\x9F\x98\x80",       "\xF0\x9F\x98\x80"},       // four-byte character
      // clang-format on
  };
  for (const auto& c : cases) EXPECT_EQ(TerminalSafe(c.bytes), c.shown) << c.bytes;
}

TEST(TerminalMessage, ThePathAsItIsOnDisk) {
  const std::filesystem::path path = "dir/Ω\x1b.txt";
  const std::string message = "Cannot open file " + runtime::Cp1251FromUtf8(path.native());
  EXPECT_EQ(TerminalMessage(message, path), "Cannot open file dir/Ω?.txt");
  EXPECT_EQ(TerminalMessage(message + ": it is larger than 256 MiB", path),
            "Cannot open file dir/Ω?.txt: it is larger than 256 MiB");
  // A message that does not name the path: CP1251 to UTF-8, controls replaced.
  EXPECT_EQ(TerminalMessage("'\x1b\xCA' is not a valid integer value", path),
            "'?К' is not a valid integer value");
}

}  // namespace
}  // namespace app
