// Base of every chart setting object: a change notification its owner wires to a repaint.
#pragma once

#include <functional>
#include <utility>

#include "chart/StoreIfChanged.h"

namespace chart {

// TChartPersistent: every setting object (pen, font, title, axis) reports its changes through it.
class TChartPersistent {
 public:
  // Called after any stored setting changes; the owner wires it to the chart's Invalidate.
  void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

 protected:
  TChartPersistent() = default;
  TChartPersistent(const TChartPersistent&) = delete;
  TChartPersistent& operator=(const TChartPersistent&) = delete;
  ~TChartPersistent() = default;

  void Changed() const {
    if (onChange_) onChange_();
  }

  // Stores a different value and notifies the owner.
  template <class T, class U>
  void SetProperty(T& field, U&& value) {
    StoreIfChanged(field, std::forward<U>(value), [this] { Changed(); });
  }

 private:
  std::function<void()> onChange_;
};

}  // namespace chart
