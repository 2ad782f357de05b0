// Text to number: what each conversion accepts, and the exact message for what it refuses.
#include <gtest/gtest.h>

#include "runtime/Errors.h"
#include "runtime/NumberParse.h"
#include "tests/runtime/SeparatorGuard.h"
#include "tests/support/ExpectThrowMessage.h"

namespace runtime {
namespace {

TEST(StrToFloat, Accepts) {
  SeparatorGuard guard('.', ',');
  const struct {
    const char* text;
    double value;
  } cases[] = {
      // clang-format off
      {"  0.985", 0.985}, {"0.985  ", 0.985}, {"  1.5  ", 1.5},  {"+1.5", 1.5},    {"-1.5e2", -150},
      {"1E3", 1000},      {"2e-3", 0.002},    {"1.", 1},         {".5", 0.5},      {" 105", 105},
      {"0", 0},           {"-0", 0},          {"1e+2", 100},     {"007.50", 7.5},  {"1e-400", 0},
      {"0.1", 0.1},       {"123456789012345678901234567890", 1.2345678901234568e29},
      // clang-format on
  };
  for (const auto& c : cases) EXPECT_EQ(StrToFloat(c.text), c.value) << '"' << c.text << '"';
}

TEST(StrToFloat, RefusesWithTheTextAsGiven) {
  SeparatorGuard guard('.', ',');
  const char* cases[] = {"",      " ",   "  1,5 ", "1e",  "e5", "inf", "nan", "0x10", "1 2",
                         "1e999", "\t1", "1.5.",   "- 1", "+",  ".",   "1e+", "$10",  "1,000.5"};
  for (const char* text : cases) {
    EXPECT_THROW_MSG(StrToFloat(text), EConvertError,
                     std::string("'") + text + "' is not a valid floating point value");
  }
}

TEST(StrToFloat, UsesTheCurrentDecimalSeparator) {
  SeparatorGuard guard(',', ' ');
  EXPECT_EQ(StrToFloat(" 0,75"), 0.75);
  EXPECT_EQ(StrToFloat("-1,5E1"), -15);
  EXPECT_THROW_MSG(StrToFloat("  0.75"), EConvertError,
                   "'  0.75' is not a valid floating point value");
}

TEST(StrToFloatEitherSeparator, TakesAPointOrACommaWhateverTheSetting) {
  for (const char separator : {'.', ',', ';'}) {
    SeparatorGuard guard(separator, separator == ',' ? '.' : ',');
    EXPECT_EQ(StrToFloatEitherSeparator("  0.985"), 0.985) << separator;
    EXPECT_EQ(StrToFloatEitherSeparator("  0,985"), 0.985) << separator;
    EXPECT_EQ(StrToFloatEitherSeparator("-1,5E1 "), -15) << separator;
    const char* refused[] = {"1,000.5", "1.5,", "1,,5", "0;7x", ",", "1 ,5"};
    for (const char* text : refused) {
      EXPECT_THROW_MSG(StrToFloatEitherSeparator(text), EConvertError,
                       std::string("'") + text + "' is not a valid floating point value");
    }
  }
  SeparatorGuard guard(';', ',');  // a separator set on the command line is still taken
  EXPECT_EQ(StrToFloatEitherSeparator("0;5"), 0.5);
}

TEST(StrToInt, Accepts) {
  const struct {
    const char* text;
    int32_t value;
  } cases[] = {
      // clang-format off
      {"140", 140},           {"   3", 3},           {"-7", -7},      {"+7", 7},     {"$FF", 255},
      {"$ff", 255},           {"-$10", -16},         {" $7FFFFFFF", 2147483647},     {"0", 0},
      {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}, {"0002", 2},
      // clang-format on
  };
  for (const auto& c : cases) EXPECT_EQ(StrToInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(StrToInt, RefusesWithTheTextAsGiven) {
  const char* cases[] = {
      "140 ", "",     " ",   "4.0", "2147483648", "-2147483649", "$",  "-",
      "$G",   "0x10", "\t1", "1e2", "$80000000",  "--1",         "1-", "99999999999999999999"};
  for (const char* text : cases) {
    EXPECT_THROW_MSG(StrToInt(text), EConvertError,
                     std::string("'") + text + "' is not a valid integer value");
  }
}

}  // namespace
}  // namespace runtime
