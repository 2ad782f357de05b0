// The separators: injectable, and read from LC_NUMERIC with "." when the locale gives none.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "runtime/Format.h"
#include "runtime/FormatFloat.h"
#include "runtime/FormatSettings.h"
#include "runtime/NumberParse.h"
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

TEST(FormatSettings, AChosenDecimalSeparatorMovesAClashingThousandsSeparatorAside) {
  const struct {
    char thousands, chosen, thousandsAfter;
  } cases[] = {
      {',', ',', '.'}, {'.', '.', ','}, {';', ';', ','},        // a clash
      {',', '.', ','}, {'.', ',', '.'}, {'\xA0', ',', '\xA0'},  // none: the thousands stay
  };
  for (const auto& c : cases) {
    SeparatorGuard guard('.', c.thousands);
    ChooseDecimalSeparator(c.chosen);
    EXPECT_EQ(DecimalSeparator(), c.chosen);
    EXPECT_EQ(ThousandSeparator(), c.thousandsAfter) << c.thousands << " then " << c.chosen;
  }
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

// Compiles real locales from the system's locale sources into a private folder (LOCPATH), so the
// test does not depend on which locales the machine has installed.
TEST(FormatSettings, SeparatorsOfCompiledLocales) {
  const std::string folder = testing::TempDir() + "stroop-locales";
  const struct {
    const char* name;
    char decimal;
    char thousands;
  } cases[] = {
      {"ru_RU", ',', '\xA0'},  // glibc groups with U+202F, which CP1251 lacks
      {"de_DE", ',', '.'},
      {"en_US", '.', ','},
  };
  for (const auto& c : cases) {
    const std::string locale = std::string(c.name) + ".UTF-8";
    const std::string command = "localedef -i " + std::string(c.name) + " -f UTF-8 '" + folder +
                                "/" + locale + "' >/dev/null 2>&1";
    if (std::system(("mkdir -p '" + folder + "' && " + command).c_str()) != 0) {
      GTEST_SKIP() << "localedef cannot compile " << locale;
    }
    SeparatorGuard guard(';', ';');
    setenv("LOCPATH", folder.c_str(), 1);
    setenv("LC_ALL", locale.c_str(), 1);
    LoadFormatSettingsFromLocale();
    unsetenv("LC_ALL");
    unsetenv("LOCPATH");
    EXPECT_EQ(DecimalSeparator(), c.decimal) << locale;
    EXPECT_EQ(ThousandSeparator(), c.thousands) << locale;
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");

    // A GUI toolkit may switch the C library to the user's locale; our conversions must not follow
    // it.
    setenv("LOCPATH", folder.c_str(), 1);
    ASSERT_NE(std::setlocale(LC_NUMERIC, locale.c_str()), nullptr) << locale;
    SetDecimalSeparator('.');
    EXPECT_EQ(FormatFloat("0.00", 0.125), "0.13") << locale;
    EXPECT_EQ(Format("%4.2f", {1000.005}), "1000.01") << locale;
    EXPECT_EQ(StrToFloat(" 2.5e1 "), 25) << locale;
    std::setlocale(LC_NUMERIC, "C");
    unsetenv("LOCPATH");
  }
}

}  // namespace
}  // namespace runtime
