// Multi-line label texts: lines are separated by carriage returns (character 13).
#pragma once

#include <string_view>
#include <vector>

namespace chart {

// The lines of a label; an empty text has none.
inline std::vector<std::string_view> LabelLines(std::string_view text) {
  std::vector<std::string_view> lines;
  if (text.empty()) return lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == '\r') {
      lines.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  return lines;
}

}  // namespace chart
