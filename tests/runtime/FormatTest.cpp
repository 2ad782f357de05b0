// Format: the report's and chart title's specifiers, padding, the rounding rule and bad specifiers.
#include <gtest/gtest.h>

#include "runtime/Cp1251.h"
#include "runtime/Errors.h"
#include "runtime/Format.h"
#include "tests/runtime/SeparatorGuard.h"
#include "tests/support/ExpectThrowMessage.h"

namespace runtime {
namespace {

TEST(Format, FixedPointRoundsHalfAwayFromZero) {
  SeparatorGuard guard('.', ',');
  const struct {
    const char* format;
    double value;
    const char* expected;
  } cases[] = {
      // clang-format off
      {"%3.0f", 8.5, "  9"},       {"%3.0f", 92, " 92"},        {"%3.0f", 105, "105"},
      {"%3.0f", 1234, "1234"},     {"%3.0f", -0.5, " -1"},      {"%3.0f", 0.49, "  0"},
      {"%4.2f", 0.125, "0.13"},    {"%4.2f", 12, "12.00"},      {"%4.2f", 15, "15.00"},
      {"%4.2f", 105.0 / 92, "1.14"}, {"%4.2f", 1.004, "1.00"},  {"%4.2f", -5, "-5.00"},
      {"%4.2f", 105.5, "105.50"},  {"%4.2f", 0.75, "0.75"},     {"%4.2f", 0.3, "0.30"},
      {"%4.2f", 1.005, "1.00"},    {"%4.2f", 1000.005, "1000.01"}, {"%4.2f", -0.001, "0.00"},
      {"%4.2f", 0, "0.00"},        {"%f", 2.5, "2.50"},         {"%.3f", 0.0005, "0.001"},
      {"%8.3f", -1.25, "  -1.250"}, {"%-6.1f|", 1.25, "1.3   |"}, {"%4.2f", 1e20, "100000000000000000000.00"},
      // clang-format on
  };
  for (const auto& c : cases)
    EXPECT_EQ(Format(c.format, {c.value}), c.expected) << c.format << ' ' << c.value;
}

TEST(Format, IntegersTextAndPercent) {
  EXPECT_EQ(Format("%d", {0}), "0");
  EXPECT_EQ(Format("N = %d", {-7}), "N = -7");
  EXPECT_EQ(Format("%3d|%-3d|", {5, 5}), "  5|5  |");
  EXPECT_EQ(Format("%.3d", {7}), "007");
  EXPECT_EQ(Format("%d", {-9223372036854775807LL - 1}), "-9223372036854775808");
  EXPECT_EQ(Format("%d", {static_cast<unsigned char>(255)}), "255");
  EXPECT_EQ(Format("%s and %s", {"a", std::string("b")}), "a and b");
  EXPECT_EQ(Format("%5s|%-5s|%.2s", {"ab", "cd", "xyz"}), "   ab|cd   |xy");
  EXPECT_EQ(Format("100%% %D", {1}), "100% 1");
  EXPECT_EQ(Format("no specifiers", {}), "no specifiers");
}

TEST(Format, ChartTitleLine) {
  SeparatorGuard guard(',', ' ');
  const std::string format = Cp1251FromUtf8(
      "Время выполнения - %3.0f сек, Mean - %4.2f сек, SD - %4.2f сек, N ошибок - %d");
  EXPECT_EQ(
      Format(format, {92.0, 0.75, 0.3, 0}),
      Cp1251FromUtf8("Время выполнения -  92 сек, Mean - 0,75 сек, SD - 0,30 сек, N ошибок - 0"));
}

TEST(Format, BadSpecifiersAndArguments) {
  const struct {
    const char* format;
    std::initializer_list<FormatArg> args;
  } cases[] = {
      // clang-format off
      {"%d", {1.5}}, {"%f", {1}},  {"%s", {1}}, {"%d %d", {1}}, {"%x", {1}},
      {"50%", {}},   {"%5", {1}},  {"%-", {1}}, {"%99999999d", {1}},
      // clang-format on
  };
  for (const auto& c : cases) {
    EXPECT_THROW_MSG(
        Format(c.format, c.args), EConvertError,
        std::string("Format '") + c.format + "' invalid or incompatible with argument");
  }
}

}  // namespace
}  // namespace runtime
