// One numeric column of a series: ordered insertion, multiplier and lazily cached statistics.
#include "chart/TChartValueList.h"

#include <cmath>
#include <utility>

#include "chart/StoreIfChanged.h"
#include "chart/TChartSeries.h"
#include "runtime/Errors.h"

namespace chart {

TChartValueList::TChartValueList(TChartSeries* owner, std::string name)
    : owner_(owner), name_(std::move(name)) {
  if (owner_) owner_->AddValueList(this);
}

void TChartValueList::SetMultiplier(double value) {
  StoreIfChanged(multiplier_, value, [this] {
    MarkChanged();
    RepaintOwner();
  });
}

void TChartValueList::SetDateTime(bool value) {
  StoreIfChanged(dateTime_, value, [this] { RepaintOwner(); });
}

void TChartValueList::RepaintOwner() const {
  if (owner_) owner_->RepaintChart();
}

void TChartValueList::CheckIndex(int valueIndex) const {
  if (valueIndex < 0 || valueIndex >= ValueCount()) throw runtime::ListIndexError(valueIndex);
}

double TChartValueList::ValueAt(int valueIndex) const {
  CheckIndex(valueIndex);
  return values_[static_cast<std::size_t>(valueIndex)] * multiplier_;
}

void TChartValueList::SetValueAt(int valueIndex, double value) {
  CheckIndex(valueIndex);
  values_[static_cast<std::size_t>(valueIndex)] = value;
  MarkChanged();
}

void TChartValueList::RemoveAllValues() {
  std::vector<double>().swap(values_);  // releases the storage, not only the contents
  MarkChanged();
}

int TChartValueList::AddValueInOrder(double value) {
  int index = ValueCount();
  if (order_ != loNone && !values_.empty()) {
    // Walk down from the end past every value that must come after the new one; a value equal
    // to existing ones stops the walk at the last of them, so it lands after all of them.
    const bool ascending = order_ == loAscending;
    auto after = [&](double stored) { return ascending ? stored > value : stored < value; };
    int i = index - 1;
    while (i >= 0 && after(values_[static_cast<std::size_t>(i)])) --i;
    index = i + 1;
  }
  values_.insert(values_.begin() + index, value);
  MarkChanged();
  return index;
}

void TChartValueList::InsertValueAt(int valueIndex, double value) {
  if (valueIndex < 0 || valueIndex > ValueCount()) throw runtime::ListIndexError(valueIndex);
  values_.insert(values_.begin() + valueIndex, value);
  MarkChanged();
}

void TChartValueList::DeleteValueAt(int valueIndex) {
  CheckIndex(valueIndex);
  values_.erase(values_.begin() + valueIndex);
  MarkChanged();
}

void TChartValueList::RotateValues() {
  if (values_.size() < 2) return;
  const double first = values_.front();
  values_.erase(values_.begin());
  values_.push_back(first);
  MarkChanged();
}

int TChartValueList::IndexOfValue(double value) const {
  for (int i = 0; i < ValueCount(); ++i)
    if (ValueAt(i) == value) return i;
  return -1;
}

void TChartValueList::RecalcStats() const {
  if (!statsDirty_) return;
  if (values_.empty()) {
    lowest_ = highest_ = sum_ = sumOfMagnitudes_ = 0.0;
  } else {
    const double f = values_[0] * multiplier_;
    lowest_ = highest_ = sum_ = f;
    sumOfMagnitudes_ = std::fabs(f);
    for (std::size_t i = 1; i < values_.size(); ++i) {
      const double v = values_[i] * multiplier_;
      if (v < lowest_)
        lowest_ = v;
      else if (v > highest_)
        highest_ = v;
      sum_ += v;
      sumOfMagnitudes_ += std::fabs(v);
    }
  }
  statsDirty_ = false;
}

double TChartValueList::Lowest() const {
  RecalcStats();
  return lowest_;
}

double TChartValueList::Highest() const {
  RecalcStats();
  return highest_;
}

double TChartValueList::Sum() const {
  RecalcStats();
  return sum_;
}

double TChartValueList::SumOfMagnitudes() const {
  RecalcStats();
  return sumOfMagnitudes_;
}

void TChartValueList::ExchangeInOwner(int a, int b) {
  if (owner_)
    owner_->ExchangePoints(a, b);
  else
    std::swap(values_[static_cast<std::size_t>(a)], values_[static_cast<std::size_t>(b)]);
  MarkChanged();
}

void TChartValueList::QuickSort(int low, int high) {
  int i = low;
  int j = high;
  const int middle = (low + high) / 2;
  const double pivot = ValueAt(middle);
  const int sign = order_ == loDescending ? -1 : 1;
  auto compareToPivot = [&](int k) {
    const double v = ValueAt(k);
    return sign * (v < pivot ? -1 : (v > pivot ? 1 : 0));
  };
  while (i <= j) {
    while (compareToPivot(i) < 0) ++i;
    while (compareToPivot(j) > 0) --j;
    if (i <= j) {
      if (i != j) ExchangeInOwner(i, j);
      ++i;
      --j;
    }
  }
  if (low < j) QuickSort(low, j);
  if (i < high) QuickSort(i, high);
}

void TChartValueList::SortValues() {
  if (order_ == loNone || ValueCount() < 2) return;
  QuickSort(0, ValueCount() - 1);
}

void TChartValueList::RenumberValues() {
  for (int i = 0; i < ValueCount(); ++i) SetValueAt(i, i);
}

void TChartValueList::Assign(const TChartValueList& source) {
  order_ = source.order_;
  dateTime_ = source.dateTime_;
  multiplier_ = source.multiplier_;
  valueSource_ = source.valueSource_;
  MarkChanged();
}

}  // namespace chart
