// The fixed texts that name colours and subtests, as CP1251 bytes.
#pragma once

#include <array>
#include <string>

#include "analysis/RecordData.h"

namespace analysis {

// "Красный", "Синий", "Зеленый", indexed by colour code 0..2.
const std::array<std::string, 3>& ColourNames();

// The chart titles of subtests 1..4: the phrase in double quotes, a blank and the short mark,
// e.g. "\"Название цвета прямоугольника\" [НЦ]".
const PerSubtest<std::string>& SubtestTitles();

}  // namespace analysis
