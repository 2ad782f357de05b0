// Text lines of the title and foot; every edit notifies the chart.
#include "chart/TChartStrings.h"

#include "runtime/Errors.h"

namespace chart {

const std::string& TChartStrings::Strings(int index) const {
  if (index < 0 || index >= Count()) throw runtime::ListIndexError(index);
  return lines_[static_cast<std::size_t>(index)];
}

void TChartStrings::Clear() {
  lines_.clear();
  Changed();
}

int TChartStrings::Add(std::string line) {
  lines_.push_back(std::move(line));
  Changed();
  return Count() - 1;
}

void TChartStrings::SetStrings(int index, std::string line) {
  if (index < 0 || index >= Count()) throw runtime::ListIndexError(index);
  lines_[static_cast<std::size_t>(index)] = std::move(line);
  Changed();
}

void TChartStrings::Delete(int index) {
  if (index < 0 || index >= Count()) throw runtime::ListIndexError(index);
  lines_.erase(lines_.begin() + index);
  Changed();
}

}  // namespace chart
