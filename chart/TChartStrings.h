// An ordered list of CP1251 text lines whose every change notifies its owner (title and foot text).
#pragma once

#include <string>
#include <vector>

#include "chart/TChartPersistent.h"

namespace chart {

class TChartStrings : public TChartPersistent {
 public:
  TChartStrings() = default;

  int Count() const { return static_cast<int>(lines_.size()); }
  // Raises "List index out of bounds (%d)" outside 0..Count-1.
  const std::string& Strings(int index) const;
  const std::vector<std::string>& Lines() const { return lines_; }

  // Every one of these notifies, even when the list ends up as it was.
  void Clear();
  int Add(std::string line);
  void SetStrings(int index, std::string line);
  void Delete(int index);

 private:
  std::vector<std::string> lines_;
};

}  // namespace chart
