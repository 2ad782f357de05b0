// The colour names and subtest titles as CP1251 bytes.
#include <gtest/gtest.h>

#include "analysis/RecordTexts.h"

namespace analysis {
namespace {

TEST(RecordTexts, ColourNamesInCp1251) {
  // Красный, Синий, Зеленый spelled out in CP1251 bytes.
  EXPECT_EQ(ColourNames()[0], "\xCA\xF0\xE0\xF1\xED\xFB\xE9");
  EXPECT_EQ(ColourNames()[1], "\xD1\xE8\xED\xE8\xE9");
  EXPECT_EQ(ColourNames()[2], "\xC7\xE5\xEB\xE5\xED\xFB\xE9");
}

TEST(RecordTexts, SubtestTitlesQuotePhraseThenMark) {
  // "Название цвета прямоугольника" [НЦ]
  EXPECT_EQ(SubtestTitles()[1],
            "\"\xCD\xE0\xE7\xE2\xE0\xED\xE8\xE5 \xF6\xE2\xE5\xF2\xE0 "
            "\xEF\xF0\xFF\xEC\xEE\xF3\xE3\xEE\xEB\xFC\xED\xE8\xEA\xE0\" [\xCD\xD6]");
  const char* marks[] = {"[\xCD\xD6]", "[\xD7\xCD\xD6\xF7]", "[\xD7\xCD\xD6\xEE]",
                         "[\xCD\xD6\xD1\xEE]"};
  for (int s = 1; s <= 4; ++s) {
    const std::string& title = SubtestTitles()[s];
    EXPECT_EQ(title.front(), '"') << s;
    EXPECT_EQ(title.substr(title.size() - std::string(marks[s - 1]).size() - 2),
              std::string("\" ") + marks[s - 1])
        << s;
  }
}

}  // namespace
}  // namespace analysis
