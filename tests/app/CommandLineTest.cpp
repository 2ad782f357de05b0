// The command line: what it accepts, and a clear reason for what it refuses.
#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace app {
namespace {

using Args = std::vector<std::string>;
using Paths = std::vector<std::filesystem::path>;

TEST(CommandLine, Accepted) {
  const CommandLine none = ParseCommandLine({});
  EXPECT_EQ(none.mode, CommandLine::Mode::Window);
  EXPECT_TRUE(none.records.empty());

  const CommandLine line = ParseCommandLine({"--export", "out", "a.txt", "b.txt"});
  EXPECT_EQ(line.mode, CommandLine::Mode::Export);
  EXPECT_EQ(line.exportFolder, std::filesystem::path("out"));
  EXPECT_FALSE(line.summaryFile || line.jobs || line.csvLocale || line.decimalSeparator);
  EXPECT_EQ(line.records, (Paths{"a.txt", "b.txt"}));

  // Options and paths in any order; after "--" everything is a path, Qt's options included.
  const CommandLine all =
      ParseCommandLine({"a", "--summary", "t.csv", "--jobs", "3", "--csv-locale", "--export", "o",
                        "--decimal-separator", ",", "b", "--", "-platform", "xcb", "--help"});
  EXPECT_EQ(all.mode, CommandLine::Mode::Export);
  EXPECT_EQ(all.summaryFile, std::filesystem::path("t.csv"));
  EXPECT_EQ(all.exportFolder, std::filesystem::path("o"));
  EXPECT_EQ(all.jobs, 3);
  EXPECT_TRUE(all.csvLocale);
  EXPECT_EQ(all.decimalSeparator, ',');
  EXPECT_EQ(all.records, (Paths{"a", "b", "-platform", "xcb", "--help"}));

  const CommandLine summaryOnly = ParseCommandLine({"--summary", "t.csv", "Data"});
  EXPECT_EQ(summaryOnly.mode, CommandLine::Mode::Export);
  EXPECT_FALSE(summaryOnly.exportFolder);

  EXPECT_EQ(ParseCommandLine({"--help", "--bogus"}).mode, CommandLine::Mode::Help);
  EXPECT_EQ(ParseCommandLine({"record.txt"}).records, (Paths{"record.txt"}));
  EXPECT_EQ(ParseCommandLine({"-"}).records, (Paths{"-"}));
  EXPECT_EQ(ParseCommandLine({"--jobs", "32", "--summary", "s", "r"}).jobs, 32);
}

TEST(CommandLine, PdfAndPngScaleGoWithExport) {
  // clang-format off
  const struct { Args args; bool pdf; std::optional<int> scale; } cases[] = {
      {{"--export", "o", "r"},                            false, {}},
      {{"--export", "o", "--pdf", "r"},                   true,  {}},
      {{"r", "--png-scale", "1", "--export", "o"},        false, 1},
      {{"--png-scale", "2", "--export", "o", "r"},        false, 2},
      {{"--pdf", "--png-scale", "4", "--export", "o", "r"}, true, 4},
      {{"--export", "o", "--", "--pdf"},                  false, {}},  // a record named --pdf
  };
  // clang-format on
  for (const auto& c : cases) {
    const CommandLine line = ParseCommandLine(c.args);
    EXPECT_EQ(line.mode, CommandLine::Mode::Export);
    EXPECT_EQ(line.pdf, c.pdf);
    EXPECT_EQ(line.pngScale, c.scale);
  }
  EXPECT_NE(Usage().find("--pdf"), std::string::npos);
  EXPECT_NE(Usage().find("--png-scale N"), std::string::npos);
}

TEST(CommandLine, Refused) {
  const std::string separator =
      "--decimal-separator needs one punctuation character that cannot be part of a number, such "
      "as ',' or '.', not ";
  const struct {
    Args args;
    std::string message;
  } cases[] = {
      // clang-format off
      {{"--export"},                                 "--export needs a value"},
      {{"--summary"},                                "--summary needs a value"},
      {{"--jobs"},                                   "--jobs needs a value"},
      {{"--decimal-separator"},                      "--decimal-separator needs a value"},
      {{"--export", ""},                             "--export needs a name, not ''"},
      {{"--summary", "", "r"},                       "--summary needs a name, not ''"},
      {{"--export", "out"},                          "no records or folders to read are given"},
      {{"--summary", "t.csv", "--", },               "no records or folders to read are given"},
      {{"--export", "o", "r", "--export", "p"},      "--export is given twice"},
      {{"--summary", "a", "--summary", "b", "r"},    "--summary is given twice"},
      {{"--jobs", "2", "--jobs", "2"},               "--jobs is given twice"},
      {{"--jobs", "0", "--summary", "s", "r"},       "--jobs needs a whole number from 1 to 32, not '0'"},
      {{"--jobs", "33"},                             "--jobs needs a whole number from 1 to 32, not '33'"},
      {{"--jobs", "-1"},                             "--jobs needs a whole number from 1 to 32, not '-1'"},
      {{"--jobs", "2x"},                             "--jobs needs a whole number from 1 to 32, not '2x'"},
      {{"--jobs", " 2"},                             "--jobs needs a whole number from 1 to 32, not ' 2'"},
      {{"--jobs", "2", "r"},                         "--jobs needs --export or --summary"},
      {{"--csv-locale", "--export", "o", "r"},       "--csv-locale needs --summary"},
      {{"--png-scale"},                              "--png-scale needs a value"},
      {{"--png-scale", "3", "--export", "o", "r"},   "--png-scale needs 1, 2 or 4, not '3'"},
      {{"--png-scale", "0"},                         "--png-scale needs 1, 2 or 4, not '0'"},
      {{"--png-scale", "8"},                         "--png-scale needs 1, 2 or 4, not '8'"},
      {{"--png-scale", "2x"},                        "--png-scale needs 1, 2 or 4, not '2x'"},
      {{"--png-scale", "02"},                        "--png-scale needs 1, 2 or 4, not '02'"},
      {{"--png-scale", ""},                          "--png-scale needs 1, 2 or 4, not ''"},
      {{"--png-scale", "1", "--png-scale", "2"},     "--png-scale is given twice"},
      {{"--png-scale", "2", "r"},                    "--png-scale needs --export"},
      {{"--png-scale", "2", "--summary", "s", "r"},  "--png-scale needs --export"},
      {{"--pdf", "r"},                               "--pdf needs --export"},
      {{"--pdf", "--summary", "s", "r"},             "--pdf needs --export"},
      {{"--bogus"},                                  "unknown option --bogus"},
      {{"-platform", "xcb"},                         "unknown option -platform"},
      {{"--export=o", "r"},                          "unknown option --export=o"},
      {{"-\x1b[2J"},                                 "unknown option -?[2J"},
      {{"a.txt", "b.txt"},                           "unexpected argument b.txt (the window opens one record)"},
      {{"--decimal-separator", ",,"},                separator + "',,'"},
      {{"--decimal-separator", ""},                  separator + "''"},
      {{"--decimal-separator", "\n"},                separator + "'?'"},
      {{"--decimal-separator", "\r"},                separator + "'?'"},
      {{"--decimal-separator", "\x1b"},              separator + "'?'"},
      {{"--decimal-separator", "\x7f"},              separator + "'?'"},
      {{"--decimal-separator", "-"},                 separator + "'-'"},
      {{"--decimal-separator", "+"},                 separator + "'+'"},
      {{"--decimal-separator", "e"},                 separator + "'e'"},
      {{"--decimal-separator", "E"},                 separator + "'E'"},
      {{"--decimal-separator", "$"},                 separator + "'$'"},
      {{"--decimal-separator", "5"},                 separator + "'5'"},
      {{"--decimal-separator", " "},                 separator + "' '"},
      {{"--decimal-separator", "a"},                 separator + "'a'"},
      {{"--decimal-separator", "\xC2\xB7"},          separator + "'\xC2\xB7'"},
      // clang-format on
  };
  for (const auto& c : cases) {
    try {
      ParseCommandLine(c.args);
      ADD_FAILURE() << c.message;
    } catch (const CommandLineError& e) {
      EXPECT_EQ(e.what(), c.message);
    }
  }
}

TEST(CommandLine, DecimalSeparatorChoices) {
  std::string accepted;
  for (int c = 0; c < 256; ++c)
    if (IsDecimalSeparatorChoice(static_cast<char>(c))) accepted += static_cast<char>(c);
  EXPECT_EQ(accepted, "!\"#%&'()*,./:;<=>?@[\\]^_`{|}~");
}

TEST(CommandLine, UsageNamesEveryOption) {
  const std::string usage = Usage();
  for (const char* option : {"--export DIR", "--summary FILE", "--csv-locale", "--jobs N",
                             "--decimal-separator C", "--help", "--  "})
    EXPECT_NE(usage.find(option), std::string::npos) << option;
}

}  // namespace
}  // namespace app
