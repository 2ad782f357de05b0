// The separators: injectable, and read from LC_NUMERIC with "." when the locale gives none.
#include "runtime/FormatSettings.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

#include "tests/runtime/SeparatorGuard.h"

namespace runtime {
namespace {

TEST(FormatSettings, SettersReplaceTheSeparators) {
  SeparatorGuard guard(',', ' ');
  EXPECT_EQ(DecimalSeparator(), ',');
  EXPECT_EQ(ThousandSeparator(), ' ');
  SetDecimalSeparator('.');
  EXPECT_EQ(DecimalSeparator(), '.');
}

TEST(FormatSettings, CLocaleGivesPointAndCommaAndKeepsTheProcessLocale) {
  SeparatorGuard guard(';', ';');
  setenv("LC_ALL", "C", 1);
  LoadFormatSettingsFromLocale();
  unsetenv("LC_ALL");
  EXPECT_EQ(DecimalSeparator(), '.');
  EXPECT_EQ(ThousandSeparator(), ',');
  EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
}

TEST(FormatSettings, UnknownLocaleFallsBackToPoint) {
  SeparatorGuard guard(';', ';');
  setenv("LC_ALL", "xx_NOWHERE.UTF-8", 1);
  LoadFormatSettingsFromLocale();
  unsetenv("LC_ALL");
  EXPECT_EQ(DecimalSeparator(), '.');
  EXPECT_EQ(ThousandSeparator(), ',');
}

}  // namespace
}  // namespace runtime
