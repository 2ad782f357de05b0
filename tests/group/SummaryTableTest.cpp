// The summary table's header, rows, numbers and quoting, written out by hand.
#include <gtest/gtest.h>

#include "analysis/LineBuffer.h"
#include "group/SummaryTable.h"
#include "runtime/Cp1251.h"
#include "tests/runtime/SeparatorGuard.h"
#include "tests/support/TestRecord.h"

namespace group {
namespace {

TEST(CsvNumber, UpToSixDecimalsNoGrouping) {
  const struct {
    double value;
    const char* decimal;
    const char* text;
  } cases[] = {
      // clang-format off
      {12,                 ".", "12"},
      {105.0 / 92,         ".", "1.141304"},
      {2.9 / 3,            ".", "0.966667"},
      {0.5,                ".", "0.5"},
      {-5,                 ".", "-5"},
      {-0.25,              ",", "-0,25"},
      {1234567.25,         ".", "1234567.25"},
      {0.0000004,          ".", "0"},
      {-0.0000004,         ".", "0"},
      {0.0000016,          ".", "0.000002"},
      {1e20,               ".", "100000000000000000000"},
      {1.5,                "٫", "1٫5"},
      // clang-format on
  };
  for (const auto& c : cases) EXPECT_EQ(CsvNumber(c.value, c.decimal), c.text) << c.value;
}

TEST(CsvCell, QuotedAsRfc4180Says) {
  const struct {
    const char* text;
    char separator;
    const char* cell;
  } cases[] = {
      // clang-format off
      {"plain",         ',', "plain"},
      {"",              ',', ""},
      {"a,b",           ',', "\"a,b\""},
      {"a;b",           ',', "a;b"},
      {"a;b",           ';', "\"a;b\""},
      {"a,b",           ';', "a,b"},
      {"say \"hi\"",    ',', "\"say \"\"hi\"\"\""},
      {"line\r\nbreak", ',', "\"line\r\nbreak\""},
      {"Код: 12",       ',', "Код: 12"},
      // clang-format on
  };
  for (const auto& c : cases) EXPECT_EQ(CsvCell(c.text, c.separator), c.cell) << c.text;
}

TEST(CsvHeader, NamesInTheirOrder) {
  std::string expected =
      "file,code,subject_line,stimuli,T1,T2,T3,T4,interference_T4_T1,interference_T3_T2,"
      "ratio_T1_T2,golden_IG,";
  for (const char* s : {"1", "2", "3", "4"}) {
    expected += std::string("mean_") + s + ",sd_" + s + ",errors_" + s + ",rt_median_" + s +
                ",rt_mean_correct_" + s + ",errors_counted_" + s + ",outliers_mad_" + s + ",";
  }
  expected += "self_check,error\r\n";
  EXPECT_EQ(CsvHeader(CsvStyle{}), expected);
  EXPECT_EQ(CsvHeader(LocaleCsvStyle(",")).substr(0, 24), "file;code;subject_line;s");
  EXPECT_EQ(kCsvByteOrderMark, "\xEF\xBB\xBF");
}

// Four stimuli with agreeing summaries (means 0.8, 0.6, 1.0, 1.1; one wrong answer in subtests 1,
// 3 and 4) and the totals 105, 92, 107, 117.
analysis::LoadedRecord FourStimulusRecord(const std::string& subjectLineUtf8) {
  const runtime::SeparatorGuard guard('.', ',');
  std::vector<std::string> lines = testsupport::AgreeingRecordLines();
  lines[1] = runtime::Cp1251FromUtf8(subjectLineUtf8);
  return analysis::LoadRecord(analysis::LineBuffer(lines));
}

TEST(CsvRecordRow, EveryFigureOfARecord) {
  const analysis::LoadedRecord loaded = FourStimulusRecord("Код: 0507  Имя: Иванов И.И.");
  // T4 − T1 = 12, T3 − T2 = 15, 105/92 = 1.1413043..., IG = 14400/23049 = 0.6247559...; per
  // subtest: mean, SD, errors as printed, then median, mean of the correct answers, wrong answers
  // counted and outliers.
  EXPECT_EQ(CsvRecordRow("data/r 1.txt", loaded, "", CsvStyle{}),
            "data/r 1.txt,0507,Код: 0507  Имя: Иванов И.И.,4,105,92,107,117,12,15,1.141304,"
            "0.624756,"
            "0.8,0.26,1,0.8,0.7,1,0,"
            "0.6,0,0,0.6,0.6,0,0,"
            "1,0.22,1,1,0.966667,1,0,"
            "1.1,0.26,1,1.1,1,1,0,"
            ",\r\n");
}

TEST(CsvRecordRow, LocaleStyleQuotingAndTheSelfCheck) {
  analysis::LoadedRecord loaded = FourStimulusRecord("Имя: \"Ёж; Ян\", 5");
  loaded.Record.SubtestErrors[3] = 3;  // no longer what the stimulus rows give
  const std::string row =
      CsvRecordRow("a;b.txt", loaded, "Cannot create file x", LocaleCsvStyle(","));
  EXPECT_EQ(row,
            "\"a;b.txt\";0507;\"Имя: \"\"Ёж; Ян\"\", 5\";4;105;92;107;117;12;15;1,141304;0,624756;"
            "0,8;0,26;1;0,8;0,7;1;0;"
            "0,6;0;0;0,6;0,6;0;0;"
            "1;0,22;3;1;0,966667;1;0;"
            "1,1;0,26;1;1,1;1;1;0;"
            "Сводка субтеста 3 не совпадает с данными стимулов: ошибки 3 ≠ 1;"
            "Cannot create file x\r\n");
}

TEST(CsvFailedRow, PathAndMessageOnly) {
  EXPECT_EQ(CsvFailedRow("bad.txt", "'x.yz' is not a valid floating point value", CsvStyle{}),
            "bad.txt" + std::string(41, ',') + "'x.yz' is not a valid floating point value\r\n");
  EXPECT_EQ(CsvFailedRow("b", "Cannot open file a,b", CsvStyle{}),
            "b" + std::string(41, ',') + "\"Cannot open file a,b\"\r\n");
}

}  // namespace
}  // namespace group
