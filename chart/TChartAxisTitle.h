// An axis title: caption, font and angle (0..359; the left axis uses 90, the right axis 270).
#pragma once

#include <string>

#include "chart/TChartFont.h"
#include "chart/TChartPersistent.h"

namespace chart {

class TChartAxisTitle : public TChartPersistent {
 public:
  explicit TChartAxisTitle(int angle = 0);

  // CP1251 text.
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string value) { SetProperty(caption_, std::move(value)); }
  TChartFont& Font() { return font_; }
  const TChartFont& Font() const { return font_; }
  int Angle() const { return angle_; }
  // Raises ChartException "Axis Title Angle must be between 0 and 359 degrees" outside 0..359.
  void SetAngle(int value);

 private:
  std::string caption_;
  TChartFont font_;
  int angle_;
};

}  // namespace chart
