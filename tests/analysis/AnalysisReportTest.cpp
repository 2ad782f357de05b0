// The analysis report: every line byte for byte, the coefficients, the paragraph choice and T2 = 0.
#include <gtest/gtest.h>

#include "analysis/AnalysisReport.h"
#include "runtime/Cp1251.h"
#include "runtime/Errors.h"
#include "tests/runtime/SeparatorGuard.h"
#include "tests/support/ExpectThrowMessage.h"
#include "tests/support/TestRecord.h"

namespace analysis {
namespace {

using runtime::Cp1251FromUtf8;

const char* const VerbalStart =
    "(НЦ/ЧНЦч)>1. Высокие значения этого показателя свидетельствуют о преобладании словесного "
    "(вербального) способа переработки информации.";
const char* const ImageryStart =
    "(НЦ/ЧНЦч)<1. Низкие значения этого показателя свидетельствуют о преобладании "
    "сенсорно-перцептивного "
    "(образного) способа переработки информации.";

// The report for a record whose totals are given; the other inputs are the standard test record's.
std::vector<std::string> ReportFor(double t1, double t2, double t3, double t4) {
  const LineBuffer lines(testsupport::StandardRecordLines());
  RecordData record;
  record.SubjectLine = std::string(lines.Line(1));
  record.SubtestTime[1] = t1;
  record.SubtestTime[2] = t2;
  record.SubtestTime[3] = t3;
  record.SubtestTime[4] = t4;
  return BuildAnalysisReport(lines, record);
}

TEST(AnalysisReport, FullReportByteForByte) {
  runtime::SeparatorGuard guard('.', ',');
  const std::vector<std::string> report = ReportFor(105, 92, 107, 117);
  const std::vector<std::string> record = testsupport::StandardRecordLines();
  const std::vector<std::string> expected = {
      record[0],
      record[1],
      "",
      record[3],
      "",
      Cp1251FromUtf8("1. Название цвета прямоугольника [НЦ]"),
      Cp1251FromUtf8("2. Чтение слов - названий цветов (шрифт черный) [ЧНЦч]"),
      Cp1251FromUtf8(
          "3. Чтение слов - названий цветов (цвет шрифта отличается от значения слова) [ЧНЦо]"),
      Cp1251FromUtf8("4. Название цветов слов (цвет шрифта отличается от значения слова) [НЦСо]"),
      "",
      record[5],
      record[6],
      record[7],
      record[8],
      record[9],
      record[10],
      record[11],
      record[12],
      record[13],
      record[14],
      record[15],
      record[16],
      "",
      Cp1251FromUtf8("Коэффициент интерференции (\"Эффект Струпа\"): T4(НЦСо) - T1(НЦ) = 12.00"),
      Cp1251FromUtf8(
          "Влияние несоответствующих значений слов. Диагностика когнитивного стиля \"жесткий - "
          "гибкий познавательный контроль\". Чем выше значение показателя, тем выше ригидность "
          "познавательного контроля."),
      "",
      Cp1251FromUtf8("Коэффициент интерференции: T3(ЧНЦо) - T2(ЧНЦч) = 15.00"),
      Cp1251FromUtf8("Влияние цвета шрифта."),
      "",
      Cp1251FromUtf8("Интегрированность знаково-словесной и сенсорно-перцептивной форм опыта: "
                     "T1(НЦ)/T2(ЧНЦч) = 1.14"),
      Cp1251FromUtf8("Способность к словесно-образному переводу."),
  };
  ASSERT_EQ(report.size(), 32u);
  for (size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(report[i], expected[i]) << "line " << i + 1;
  EXPECT_EQ(report[31].size(), 419u);
  EXPECT_EQ(report[31].rfind(Cp1251FromUtf8(VerbalStart), 0), 0u);
  // The coefficient lines use the Latin T, never the Cyrillic one (0xD2 in CP1251).
  EXPECT_EQ(report[23].find('\xD2'), std::string::npos);
}

TEST(AnalysisReport, CoefficientsAndParagraphChoice) {
  runtime::SeparatorGuard guard('.', ',');
  const struct {
    double t1, t2, t3, t4;
    const char* first;
    const char* second;
    const char* third;
    size_t lines;
    const char* paragraphStart;
    size_t paragraphLength;
  } cases[] = {
      {105, 92, 107, 117, "12.00", "15.00", "1.14", 32, VerbalStart, 419},
      {92, 92, 92, 92, "0.00", "0.00", "1.00", 31, nullptr, 0},
      {251, 250, 250, 250, "-1.00", "0.00", "1.00", 32, VerbalStart, 419},  // 1.004 shows as 1.00
      {80, 92, 100, 75, "-5.00", "8.00", "0.87", 32, ImageryStart, 560},
      {10, 100, 205.5, 115.5, "105.50", "105.50", "0.10", 32, ImageryStart, 560},
      {999, 1, 0, 0, "-999.00", "-1.00", "999.00", 32, VerbalStart, 419},
      {0, 5, 5, 5, "5.00", "0.00", "0.00", 32, ImageryStart, 560},
  };
  for (const auto& c : cases) {
    const std::vector<std::string> report = ReportFor(c.t1, c.t2, c.t3, c.t4);
    ASSERT_EQ(report.size(), c.lines) << c.t1 << '/' << c.t2;
    auto endsWith = [](const std::string& line, const std::string& tail) {
      return line.size() >= tail.size() &&
             line.compare(line.size() - tail.size(), tail.size(), tail) == 0;
    };
    EXPECT_TRUE(endsWith(report[23], std::string(" = ") + c.first)) << report[23];
    EXPECT_TRUE(endsWith(report[26], std::string(" = ") + c.second)) << report[26];
    EXPECT_TRUE(endsWith(report[29], std::string(" = ") + c.third)) << report[29];
    if (c.paragraphStart != nullptr) {
      EXPECT_EQ(report[31].size(), c.paragraphLength);
      EXPECT_EQ(report[31].rfind(Cp1251FromUtf8(c.paragraphStart), 0), 0u);
    }
  }
}

TEST(AnalysisReport, UsesTheCurrentDecimalSeparator) {
  runtime::SeparatorGuard guard(',', ' ');
  const std::vector<std::string> report = ReportFor(105, 92, 107, 117);
  EXPECT_EQ(report[23].substr(report[23].size() - 8), " = 12,00");
  EXPECT_EQ(report[29].substr(report[29].size() - 7), " = 1,14");
}

TEST(AnalysisReport, ZeroSecondTotalStopsAfterLine29) {
  runtime::SeparatorGuard guard('.', ',');
  const LineBuffer lines(testsupport::StandardRecordLines());
  for (const double t1 : {105.0, 0.0}) {
    RecordData record;
    record.SubtestTime[1] = t1;
    record.SubtestTime[2] = 0;
    std::vector<std::string> report;
    if (t1 != 0) {
      EXPECT_THROW_MSG(WriteAnalysisReport(lines, record, report), runtime::EZeroDivide,
                       "Floating point division by zero");
    } else {
      EXPECT_THROW_MSG(WriteAnalysisReport(lines, record, report), runtime::EInvalidOp,
                       "Invalid floating point operation");
    }
    ASSERT_EQ(report.size(), 29u);
    EXPECT_EQ(report[27], Cp1251FromUtf8("Влияние цвета шрифта."));
    EXPECT_EQ(report[28], "");
  }
}

}  // namespace
}  // namespace analysis
