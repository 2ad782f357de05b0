// The headless export: command line, safe file names, and one bad record not stopping the others.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/CommandLine.h"
#include "app/RunExport.h"
#include "runtime/Errors.h"
#include "runtime/TextFile.h"
#include "tests/runtime/SeparatorGuard.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestRecord.h"

namespace app {
namespace {

using Args = std::vector<std::string>;

TEST(CommandLine, Accepted) {
  const CommandLine none = ParseCommandLine({});
  EXPECT_EQ(none.mode, CommandLine::Mode::Window);

  const CommandLine line = ParseCommandLine({"--export", "out", "a.txt", "b.txt"});
  EXPECT_EQ(line.mode, CommandLine::Mode::Export);
  EXPECT_EQ(line.exportFolder, "out");
  EXPECT_EQ(line.records, (std::vector<std::filesystem::path>{"a.txt", "b.txt"}));
  EXPECT_FALSE(line.decimalSeparator.has_value());

  const CommandLine comma =
      ParseCommandLine({"--decimal-separator", ",", "--export", "out", "--", "-odd.txt"});
  EXPECT_EQ(comma.decimalSeparator, ',');
  EXPECT_EQ(comma.records, (std::vector<std::filesystem::path>{"-odd.txt"}));
  EXPECT_EQ(ParseCommandLine({"--export", "o", "r", "--decimal-separator", "."}).decimalSeparator,
            '.');
  EXPECT_EQ(ParseCommandLine({"--help"}).mode, CommandLine::Mode::Help);
  const CommandLine window = ParseCommandLine({"record.txt"});
  EXPECT_EQ(window.mode, CommandLine::Mode::Window);
  EXPECT_EQ(window.records, (std::vector<std::filesystem::path>{"record.txt"}));
}

TEST(CommandLine, Refused) {
  const struct {
    Args args;
    const char* message;
  } cases[] = {
      {{"--export"}, "--export needs a value"},
      {{"--export", "out"}, "--export needs at least one record after the folder"},
      {{"--export", "o", "r", "--export", "p", "s"}, "--export is given twice"},
      {{"--decimal-separator"}, "--decimal-separator needs a value"},
      {{"--decimal-separator", ",,", "--export", "o", "r"},
       "--decimal-separator needs one character other than a digit or a blank, not ',,'"},
      // clang-format off
      {{"--decimal-separator", "5"}, "--decimal-separator needs one character other than a digit or a blank, not '5'"},
      {{"--bogus"}, "unknown option --bogus"},
      {{"a.txt", "--export", "o", "r"}, "unexpected argument a.txt (records follow --export DIR)"},
      {{"a.txt", "b.txt"}, "unexpected argument b.txt (the window opens one record)"},
      // clang-format on
  };
  for (const auto& c : cases) {
    try {
      ParseCommandLine(c.args);
      ADD_FAILURE() << c.message;
    } catch (const CommandLineError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST(ExportReportFileName, CodesBecomeSafeUtf8Names) {
  EXPECT_EQ(ExportReportFileName("0507"), "0507 Stroop.txt");
  EXPECT_EQ(ExportReportFileName(""), " Stroop.txt");
  EXPECT_EQ(ExportReportFileName("../../etc/x"), ".._.._etc_x Stroop.txt");
  EXPECT_EQ(ExportReportFileName("a\\b\tc"), "a_b_c Stroop.txt");
  EXPECT_EQ(ExportReportFileName("\xCA\xEE\xE4"), "Код Stroop.txt");
}

TEST(RunExport, BadRecordsAreReportedAndTheOthersStillGoThrough) {
  runtime::SeparatorGuard guard('.', ',');
  const testsupport::TempFolder folder;
  auto write = [&](const char* name, const std::vector<std::string>& lines) {
    return folder.Write(name, runtime::JoinLinesCrLf(lines));
  };
  std::vector<std::string> good = testsupport::StandardRecordLines();
  std::vector<std::string> bad = good;
  bad[13] = "  0.7x  0.30    40  0.42  2.88   3";
  std::vector<std::string> other = good;
  other[2] = "0911";
  const std::vector<std::filesystem::path> records = {write("good.txt", good),
                                                      write("bad.txt", bad), folder / "missing.txt",
                                                      write("other.txt", other)};

  std::ostringstream errors;
  EXPECT_EQ(RunExport(folder / "out", records, errors), 1);
  EXPECT_EQ(errors.str(), records[1].string() + ": '  0.7x' is not a valid floating point value\n" +
                              records[2].string() + ": Cannot open file " + records[2].string() +
                              "\n");
  const std::string report = testsupport::ReadFile(folder / "out" / "0507 Stroop.txt");
  EXPECT_EQ(runtime::SplitTextLines(report).size(), 32u);
  EXPECT_EQ(report.substr(report.size() - 2), "\r\n");
  EXPECT_TRUE(std::filesystem::exists(folder / "out" / "0911 Stroop.txt"));

  std::ostringstream none;
  EXPECT_EQ(RunExport(folder / "out", {records[0]}, none), 0);
  EXPECT_EQ(none.str(), "");

  // A further step runs after each written report, and its failure is that record's failure.
  std::vector<std::string> seen;
  const ExportStep more = [&](const analysis::LoadedRecord& loaded,
                              const std::filesystem::path& out) {
    seen.push_back(loaded.Record.SubjectCode + " " + out.filename().string());
    if (loaded.Record.SubjectCode == "0911")
      throw runtime::EFCreateError("Cannot create file x.gif");
  };
  std::ostringstream failed;
  EXPECT_EQ(RunExport(folder / "out", {records[0], records[3]}, failed, more), 1);
  EXPECT_EQ(seen, (std::vector<std::string>{"0507 out", "0911 out"}));
  EXPECT_EQ(failed.str(), records[3].string() + ": Cannot create file x.gif\n");
}

TEST(RunExport, ControlCharactersInMessagesDoNotReachTheTerminal) {
  runtime::SeparatorGuard guard('.', ',');
  const testsupport::TempFolder folder;
  const auto file = folder.Write("binary", "\r\n\r\n\r\n\r\n\x1B[2J\x07");
  std::ostringstream errors;
  EXPECT_EQ(RunExport(folder.Path(), {file}, errors), 1);
  EXPECT_EQ(errors.str(), file.string() + ": '?[2J?' is not a valid integer value\n");
}

}  // namespace
}  // namespace app
