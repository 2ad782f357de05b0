// The legend: kept as a setting only; a hidden legend is neither drawn nor given room.
#pragma once

#include "chart/TChartPersistent.h"

namespace chart {

class TChartLegend : public TChartPersistent {
 public:
  // ---- Stored, not drawn ----
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { SetProperty(visible_, value); }

 private:
  bool visible_ = true;
};

}  // namespace chart
