// Loading: every field from its line and columns, and the first failing field's exact error.
#include <gtest/gtest.h>

#include <filesystem>

#include "analysis/RecordLoader.h"
#include "runtime/Cp1251.h"
#include "runtime/Errors.h"
#include "tests/runtime/SeparatorGuard.h"
#include "tests/support/ExpectThrowMessage.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestRecord.h"

namespace analysis {
namespace {

using testsupport::RecordLines;
using testsupport::Row;
using testsupport::StandardRecordLines;

LoadedRecord Load(std::vector<std::string> lines) {
  return LoadRecord(LineBuffer(std::move(lines)));
}

TEST(RecordLoader, FieldsFromTheirLinesAndColumns) {
  runtime::SeparatorGuard guard('.', ',');
  const LoadedRecord loaded = Load(StandardRecordLines());
  const RecordData& r = loaded.Record;
  EXPECT_EQ(r.SubjectCode, "0507");
  EXPECT_EQ(r.SubjectLine,
            runtime::Cp1251FromUtf8("Код: 0507  Имя: Иванов И.И.  Дата ПФО: 12.03.2004 10:15:00"));
  EXPECT_EQ(r.StimulusCount, 2);
  const double totals[] = {105, 92, 107, 117};
  const double means[] = {0.75, 0.66, 0.76, 0.84};
  const double sds[] = {0.30, 0.21, 0.25, 0.35};
  const int errors[] = {3, 0, 1, 12};
  for (int s = 1; s <= 4; ++s) {
    EXPECT_EQ(r.SubtestTime[s], totals[s - 1]) << s;
    EXPECT_EQ(r.SubtestMean[s], means[s - 1]) << s;
    EXPECT_EQ(r.SubtestSD[s], sds[s - 1]) << s;
    EXPECT_EQ(r.SubtestErrors[s], errors[s - 1]) << s;
  }
  ASSERT_EQ(r.Stimuli.size(), 2u);
  const TStimulusRow& a = r.Stimuli[0];
  EXPECT_EQ(a.Stimul1, 1);
  EXPECT_EQ(a.Stimul2, 2);
  EXPECT_EQ(a.Answer[1], 1);
  EXPECT_EQ(a.Answer[2], 2);
  EXPECT_EQ(a.Answer[3], 2);
  EXPECT_EQ(a.Answer[4], 2);
  EXPECT_EQ(a.Time[1], 0.985);
  EXPECT_EQ(a.Time[2], 0.6);
  EXPECT_EQ(a.Time[3], 1.2);
  EXPECT_EQ(a.Time[4], 1.1);
  const TStimulusRow& b = r.Stimuli[1];
  EXPECT_EQ(b.Stimul1, 0);
  EXPECT_EQ(b.Stimul2, 1);
  EXPECT_EQ(b.Answer[1], 2);
  EXPECT_EQ(b.Answer[3], 0);
  EXPECT_EQ(b.Time[3], 2.5);
  EXPECT_EQ(b.Time[4], 1.25);
  EXPECT_EQ(loaded.Report.size(), 32u);
}

TEST(RecordLoader, ZeroStimuliAndFreeLinesAfterTheRows) {
  runtime::SeparatorGuard guard('.', ',');
  std::vector<std::string> lines = StandardRecordLines();
  lines[4] = "   0";
  lines[17] = "anything";
  lines.push_back("trailing garbage \x01\xFF");
  const LoadedRecord loaded = Load(lines);
  EXPECT_EQ(loaded.Record.StimulusCount, 0);
  EXPECT_TRUE(loaded.Record.Stimuli.empty());
  EXPECT_EQ(loaded.Report.size(), 32u);
}

TEST(RecordLoader, DecimalSeparatorInsideATotal) {
  runtime::SeparatorGuard guard(',', ' ');
  const char* totals[4] = {"9,5", " 92", "107", "117"};
  std::vector<std::string> lines = RecordLines(totals, {});
  for (int i = 13; i <= 16; ++i) std::replace(lines[i].begin(), lines[i].end(), '.', ',');
  EXPECT_EQ(Load(lines).Record.SubtestTime[1], 9.5);
}

// Each case changes one line of the standard record; the error names the first field that fails.
TEST(RecordLoader, FirstFailingFieldGivesTheError) {
  runtime::SeparatorGuard guard('.', ',');
  const struct {
    int line;
    const char* text;
    const char* message;
  } cases[] = {
      // clang-format off
      {4, "2 ", "'2 ' is not a valid integer value"},
      {4, "", "'' is not a valid integer value"},
      {4, "-1", "'-1' is not a valid stimulus count"},
      {7, "Time T1 = 105  T2 =  92  T3 = 107  T4 = 117", "' = ' is not a valid floating point value"},
      {13, "  0;75  0.30    40  0.42  2.88   3", "'  0;75' is not a valid floating point value"},
      {13, "  0.7,5 0.30    40  0.42  2.88   3", "'  0.7,' is not a valid floating point value"},
      {14, "  0.66  0-21    32  0.40  1.95   0", "'  0-21' is not a valid floating point value"},
      {15, "  0.76  0.25    33  0.45  2.10  1 ", "'  1 ' is not a valid integer value"},
      {16, "  0.84  0.35    42  0.47  3.05 300", "' 300' is not a valid error count"},
      {16, "  0.84  0.35    42  0.47  3.05  -1", "'  -1' is not a valid error count"},
      {16, "  0.84  0.35    42  0.47  3.05", "'' is not a valid integer value"},
      {20, "     1      1  0.985     2      2  0.6x0  2  1.200  2  1.100", "'  0.6x0' is not a valid floating point value"},
      {20, "      1      1  0.985     2      2  0.600  2  1.200  2  1.100", "'1  0.98' is not a valid floating point value"},
      {20, "     1      1  0.985     2      2  0.600  2  1.200     1.100", "' ' is not a valid integer value"},
      {20, "     3      1  0.985     2      2  0.600  2  1.200  2  1.100", "'3' is not a valid colour code"},
      {21, "     0      2  0.500     1      1  0.750  9  2.500  1  1.250", "'9' is not a valid colour code"},
      {21, "     0      2  0.500     1      1  0.750  -  2.500  1  1.250", "'-' is not a valid integer value"},
      {21, "", "'' is not a valid floating point value"},
      // clang-format on
  };
  for (const auto& c : cases) {
    std::vector<std::string> lines = StandardRecordLines();
    lines[c.line] = c.text;
    EXPECT_THROW_MSG(Load(lines), runtime::EConvertError, c.message);
  }
}

TEST(RecordLoader, RecordsOfEitherSeparatorLoadUnderEither) {
  // A record made with "." and the same made with "," give the same record data under both
  // settings; the setting still decides how the report writes numbers.
  std::vector<std::string> comma = StandardRecordLines();
  for (size_t i = 7; i < comma.size(); ++i)
    std::replace(comma[i].begin(), comma[i].end(), '.', ',');
  for (const char separator : {'.', ','}) {
    runtime::SeparatorGuard guard(separator, separator == '.' ? ',' : '.');
    const LoadedRecord dot = Load(StandardRecordLines());
    const LoadedRecord commaLoaded = Load(comma);
    EXPECT_EQ(commaLoaded.Record, dot.Record) << separator;
    EXPECT_DOUBLE_EQ(dot.Record.SubtestMean[1], 0.75);
    EXPECT_DOUBLE_EQ(dot.Record.Stimuli[0].Time[1], 0.985);
    EXPECT_NE(dot.Report[29].find(std::string("1") + separator + "14"), std::string::npos)
        << dot.Report[29];
  }
}

TEST(RecordLoader, MissingRowsFailOnTheFirstOneWithoutAllocatingForTheCount) {
  runtime::SeparatorGuard guard('.', ',');
  std::vector<std::string> lines = StandardRecordLines();
  lines[4] = "2000000000";
  EXPECT_THROW_MSG(Load(lines), runtime::EConvertError, "'' is not a valid floating point value");
  lines[4] = "$7FFFFFFF";
  EXPECT_THROW_MSG(Load(lines), runtime::EConvertError, "'' is not a valid floating point value");
}

TEST(RecordLoader, ShortAndEmptyRecords) {
  runtime::SeparatorGuard guard('.', ',');
  EXPECT_THROW_MSG(Load({}), runtime::EConvertError, "'' is not a valid integer value");
  std::vector<std::string> lines = StandardRecordLines();
  lines.resize(15);  // subtests 3 and 4 have no summary row
  EXPECT_THROW_MSG(Load(lines), runtime::EConvertError, "'' is not a valid floating point value");
}

TEST(RecordLoader, LongLinesAreCutAt4096Characters) {
  runtime::SeparatorGuard guard('.', ',');
  std::vector<std::string> lines = StandardRecordLines();
  lines[2] = std::string(1000000, '7');
  lines[1] = std::string(5000, 'x');
  const RecordData r = Load(lines).Record;
  EXPECT_EQ(r.SubjectCode, std::string(4096, '7'));
  EXPECT_EQ(r.SubjectLine, std::string(4096, 'x'));
}

class RecordFile : public ::testing::Test {
 protected:
  std::filesystem::path Write(const std::string& name, const std::string& bytes) {
    return folder_.Write(name, bytes);
  }

  testsupport::TempFolder folder_;
  runtime::SeparatorGuard guard_{'.', ','};
};

std::string Joined(const std::vector<std::string>& lines, const char* end) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + end;
  return bytes;
}

TEST_F(RecordFile, AnyLineEndLoadsTheSameRecord) {
  const LoadedRecord expected = Load(StandardRecordLines());
  for (const char* end : {"\r\n", "\n", "\r"}) {
    const LoadedRecord loaded =
        LoadRecordFile(Write("record.txt", Joined(StandardRecordLines(), end)));
    EXPECT_EQ(loaded.Record, expected.Record);
    EXPECT_EQ(loaded.Report, expected.Report);
  }
}

TEST_F(RecordFile, BadFiles) {
  const std::string missing = (folder_ / "none.txt").string();
  EXPECT_THROW_MSG(LoadRecordFile(missing), runtime::EFOpenError, "Cannot open file " + missing);
  EXPECT_THROW_MSG(LoadRecordFile(folder_.Path()), runtime::EFOpenError,
                   "Cannot open file " + folder_.Path().string());
  EXPECT_THROW_MSG(LoadRecordFile(Write("empty.txt", "")), runtime::EConvertError,
                   "'' is not a valid integer value");
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 7919) & 0xFF);
  EXPECT_THROW(LoadRecordFile(Write("binary.bin", binary)), runtime::EConvertError);

  // The same record saved as UTF-8: the Cyrillic labels take two bytes each, so the totals' columns
  // move.
  std::string utf8 = runtime::Cp1251ToUtf8(Joined(StandardRecordLines(), "\r\n"));
  EXPECT_THROW(LoadRecordFile(Write("utf8.txt", utf8)), runtime::EConvertError);
  EXPECT_THROW(LoadRecordFile(Write("utf8bom.txt", "\xEF\xBB\xBF" + utf8)), runtime::EConvertError);
}

}  // namespace
}  // namespace analysis
