// Picture formatting: the axis pictures, sections, grouping, literals and the rounding rule.
#include <gtest/gtest.h>

#include <limits>

#include "runtime/FormatFloat.h"
#include "tests/runtime/SeparatorGuard.h"

namespace runtime {
namespace {

struct Case {
  const char* format;
  double value;
  const char* expected;
};

void ExpectAll(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(FormatFloat(c.format, c.value), c.expected) << '"' << c.format << "\" " << c.value;
  }
}

TEST(FormatFloat, AxisPicturesPrintWholeNumbers) {
  SeparatorGuard guard('.', ',');
  ExpectAll({
      // clang-format off
      {"##0.", 7, "7"},       {"##0.", 12.5, "13"},   {"##0.", 0.4, "0"},    {"##0.", -3.5, "-4"},
      {"##0.", 1234, "1234"}, {"##0.", 2.5, "3"},     {"##0.", 3.5, "4"},    {"##0.", 0, "0"},
      {"#0.", 7, "7"},        {"#0.", 12.5, "13"},    {"#0.", 0.4, "0"},     {"#0.", -3.5, "-4"},
      {"#0.", 1234, "1234"},  {"#0.", -0.4, "0"},     {"#0.", 140, "140"},   {"##0.", 1e20, "100000000000000000000"},
      // clang-format on
  });
}

TEST(FormatFloat, DefaultValuePicture) {
  SeparatorGuard guard('.', ',');
  ExpectAll({
      // clang-format off
      {"#,##0.###", 1234.5678, "1,234.568"}, {"#,##0.###", 1234567, "1,234,567"},
      {"#,##0.###", 0, "0"},                 {"#,##0.###", 0.5, "0.5"},
      {"#,##0.###", -0.0004, "0"},           {"#,##0.###", 0.0005, "0.001"},
      {"#,##0.###", 999.9996, "1,000"},      {"#,##0.###", -1234.5, "-1,234.5"},
      {"#,##0.###", 100, "100"},             {"#,##0.###", 1000, "1,000"},
      {"#,##0.###", 1.0005, "1"},  // 1.00049999999999994...
      // clang-format on
  });
}

TEST(FormatFloat, SeparatorsComeFromTheSettings) {
  SeparatorGuard guard(',', ' ');
  ExpectAll({{"#,##0.###", 1234.5, "1 234,5"}, {"0.00", 0.125, "0,13"}, {"##0.", 2.5, "3"}});
}

TEST(FormatFloat, HalfAwayFromZeroOnEighteenDigits) {
  SeparatorGuard guard('.', ',');
  ExpectAll({
      // clang-format off
      {"0.00", 0.125, "0.13"},  {"0.00", -0.125, "-0.13"}, {"0", 0.5, "1"},         {"0", 1.5, "2"},
      {"0", -2.5, "-3"},        {"0.00", 1.005, "1.00"},   {"0.00", 2.675, "2.67"},
      {"0.0", 0.15, "0.1"},     {"0.0", 0.25, "0.3"},
      // clang-format on
      // 1000.00499999999999545... has the 18-digit expansion 1000.00500000000000, a tie.
      {"0.00", 1000.005, "1000.01"},
  });
}

TEST(FormatFloat, IntegerAndFractionPlaceholders) {
  SeparatorGuard guard('.', ',');
  ExpectAll({
      // clang-format off
      {"00000", 42, "00042"}, {"0#", 5, "05"},       {"#", 0, ""},           {"#0", 12345, "12345"},
      {"0.##", 1.5, "1.5"},   {"0.##", 2, "2"},       {"0.0#", 2, "2.0"},     {"#.00", 0.5, ".50"},
      {"0.000", 1, "1.000"},  {"0.", 9.99, "10"},     {"#,##0", 999, "999"},  {"0,000", 1234567, "1,234,567"},
      // clang-format on
  });
}

TEST(FormatFloat, SectionsAndLiterals) {
  SeparatorGuard guard('.', ',');
  ExpectAll({
      // clang-format off
      {"0.00;(0.00);zero", 1.5, "1.50"},   {"0.00;(0.00);zero", -1.5, "(1.50)"},
      {"0.00;(0.00);zero", 0, "zero"},     {"0.00;(0.00);zero", 0.001, "zero"},
      {"0.00;;zero", -2, "-2.00"},         {"0;-0", 0, "0"},
      {"0 'sec'", 5, "5 sec"},             {"\"#;0.\"0", 7, "#;0.7"},
      {"0 x", 3, "3 x"},                   {"abc", 3, "abc"},
      // clang-format on
  });
}

TEST(FormatFloat, SpecialValuesAndEmptyPicture) {
  SeparatorGuard guard('.', ',');
  ExpectAll({
      // clang-format off
      {"0", std::numeric_limits<double>::infinity(), "INF"},
      {"0", -std::numeric_limits<double>::infinity(), "-INF"},
      {"0", std::numeric_limits<double>::quiet_NaN(), "NAN"},
      {"", 1.5, "1.5"},  {"", 0, "0"},  {"", -0.001, "-0.001"},  {"", 1e20, "1E20"},  {"", 0.00001, "1E-5"},  {"", 0.0001, "0.0001"},  {"", 1.0 / 3, "0.333333333333333"},
      // clang-format on
  });
}

}  // namespace
}  // namespace runtime
