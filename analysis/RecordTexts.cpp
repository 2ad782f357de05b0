// The colour names and subtest titles, converted once from the UTF-8 source to CP1251.
#include "analysis/RecordTexts.h"

#include "runtime/Cp1251.h"

namespace analysis {

const std::array<std::string, 3>& ColourNames() {
  static const std::array<std::string, 3> names = {
      runtime::Cp1251FromUtf8("Красный"),
      runtime::Cp1251FromUtf8("Синий"),
      runtime::Cp1251FromUtf8("Зеленый"),
  };
  return names;
}

const PerSubtest<std::string>& SubtestTitles() {
  static const PerSubtest<std::string> titles = [] {
    PerSubtest<std::string> t;
    t[1] = runtime::Cp1251FromUtf8("\"Название цвета прямоугольника\" [НЦ]");
    t[2] = runtime::Cp1251FromUtf8("\"Чтение слов - названий цветов (шрифт черный)\" [ЧНЦч]");
    t[3] = runtime::Cp1251FromUtf8(
        "\"Чтение слов - названий цветов (цвет шрифта отличается от значения слова)\" [ЧНЦо]");
    t[4] = runtime::Cp1251FromUtf8(
        "\"Название цветов слов (цвет шрифта отличается от значения слова)\" [НЦСо]");
    return t;
  }();
  return titles;
}

}  // namespace analysis
