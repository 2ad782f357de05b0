// The dialogs' filters: descriptions kept exactly, patterns matched without regard to case.
#include <gtest/gtest.h>

#include "app/FileFilter.h"
#include "tests/app/QtPrinters.h"

namespace app {
namespace {

TEST(FileFilter, ParsesTheWindowsFiltersAsWritten) {
  const auto open = ParseFileFilter("Data files (*.txt;*.cry)|*.TXT;*CRY");
  ASSERT_EQ(open.size(), 1u);
  EXPECT_EQ(open[0].description, "Data files (*.txt;*.cry)");
  EXPECT_EQ(open[0].patterns, (QStringList{"*.TXT", "*CRY"}));

  const auto save = ParseFileFilter("Reults files (*.txt;*gif)|*.TXT;*GIF");
  ASSERT_EQ(save.size(), 1u);
  EXPECT_EQ(save[0].description, "Reults files (*.txt;*gif)");
  EXPECT_EQ(save[0].patterns, (QStringList{"*.TXT", "*GIF"}));
}

TEST(FileFilter, SeveralEntriesAndADescriptionWithoutPatterns) {
  const auto entries = ParseFileFilter("A|*.a|B|*.b;*.c|C");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[1].description, "B");
  EXPECT_EQ(entries[1].patterns, (QStringList{"*.b", "*.c"}));
  EXPECT_EQ(entries[2].description, "C");
  EXPECT_TRUE(entries[2].patterns.isEmpty());
  EXPECT_TRUE(ParseFileFilter("").empty());
}

TEST(FileFilter, MatchesWholeNamesWithoutRegardToCase) {
  struct Case {
    const char16_t* name;
    const char16_t* pattern;
    bool matches;
  };
  const Case cases[] = {
      {u"record.txt", u"*.TXT", true},
      {u"RECORD.TXT", u"*.TXT", true},
      {u"record.txt.bak", u"*.TXT", false},
      {u"recordtxt", u"*.TXT", false},
      {u"a.cry", u"*CRY", true},
      {u"xcry", u"*CRY", true},  // no dot in the pattern: any name ending in "cry"
      {u"cry.txt", u"*CRY", false},
      {u"5012 1.Stroop.gif", u"*GIF", true},
      {u"запись.TXT", u"*.txt", true},
      {u"Запись.txt", u"запись.*", true},  // Cyrillic letters fold too
      {u"a.tx", u"*.t?", true},
      {u"a.t", u"*.t?", false},
      {u"", u"*", true},
      {u"", u"?", false},
      {u"abcabd", u"*abd", true},  // needs a backtrack after the first "ab"
      {u"ab", u"a**b", true},
  };
  for (const Case& c : cases) {
    const QString name = QString::fromUtf16(c.name), pattern = QString::fromUtf16(c.pattern);
    EXPECT_EQ(MatchesFilePattern(name, pattern), c.matches)
        << name.toStdString() << " ~ " << pattern.toStdString();
  }
}

TEST(FileFilter, AnyOfSeveralPatterns) {
  const QStringList patterns{"*.TXT", "*CRY"};
  EXPECT_TRUE(MatchesAnyFilePattern("1.txt", patterns));
  EXPECT_TRUE(MatchesAnyFilePattern("1.Cry", patterns));
  EXPECT_FALSE(MatchesAnyFilePattern("1.gif", patterns));
  EXPECT_FALSE(MatchesAnyFilePattern("1.txt", {}));
}

}  // namespace
}  // namespace app
