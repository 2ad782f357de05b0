// One numeric column of a series (X or Y): ordered insertion, a multiplier and cached statistics.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace chart {

class TChartSeries;

// How new values are placed: in arrival order, or keeping the column sorted.
enum class TChartListOrder : std::uint8_t { loNone, loAscending, loDescending };
using enum TChartListOrder;

class TChartValueList {
 public:
  // The list joins the owner's ValueLists; the owner may be null for a free-standing column.
  TChartValueList(TChartSeries* owner, std::string name);
  TChartValueList(const TChartValueList&) = delete;
  TChartValueList& operator=(const TChartValueList&) = delete;
  virtual ~TChartValueList() = default;

  TChartSeries* Owner() const { return owner_; }

  // ---- Values ----
  // Stored value times Multiplier; raises "List index out of bounds (%d)" outside the list.
  virtual double ValueAt(int valueIndex) const;
  // Overwrites the stored value; does not repaint.
  virtual void SetValueAt(int valueIndex, double value);
  virtual int ValueCount() const { return static_cast<int>(values_.size()); }
  double LastValue() const { return ValueAt(ValueCount() - 1); }
  // Index at which the value now lies; equal values keep their order of arrival.
  virtual int AddValueInOrder(double value);
  virtual void InsertValueAt(int valueIndex, double value);
  virtual void DeleteValueAt(int valueIndex);
  virtual void RemoveAllValues();
  // Stored values, without the multiplier.
  const std::vector<double>& Values() const { return values_; }
  // Staged by AddPoint before the before-add event runs.
  double PendingValue = 0.0;

  // Statistics over the multiplied values, recomputed on the first read after a change.
  double Lowest() const;
  double Highest() const;
  double Sum() const;
  double SumOfMagnitudes() const;
  bool StatsDirty() const { return statsDirty_; }

  // ---- Settings the layout and drawing read ----
  double Multiplier() const { return multiplier_; }
  // A new multiplier makes the statistics stale and repaints the owner's chart.
  void SetMultiplier(double value);
  // Affects later additions only: existing values stay where they are and nothing repaints.
  TChartListOrder Order() const { return order_; }
  void SetOrder(TChartListOrder value) { order_ = value; }
  // On a date-time axis, labels of values below zero are left empty.
  bool DateTime() const { return dateTime_; }
  void SetDateTime(bool value);

  // ---- Operations the chart itself does not use ----
  // First index whose multiplied value equals the value exactly, or -1.
  int IndexOfValue(double value) const;
  // Moves the first value to the end.
  virtual void RotateValues();
  // Sorts the owner's points by this column (every column moves with it); not stable.
  void SortValues();
  // Sets every value to its own index.
  void RenumberValues();
  // Copies Order, DateTime, Multiplier and ValueSource; not the values, not the name.
  void Assign(const TChartValueList& source);

  // ---- Stored, not drawn ----
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  const std::string& ValueSource() const { return valueSource_; }
  void SetValueSource(std::string value) { valueSource_ = std::move(value); }

 private:
  void CheckIndex(int valueIndex) const;
  void RepaintOwner() const;
  void MarkChanged() { statsDirty_ = true; }
  void RecalcStats() const;
  void QuickSort(int low, int high);
  void ExchangeInOwner(int a, int b);

  TChartSeries* owner_;
  std::string name_;
  double multiplier_ = 1.0;
  TChartListOrder order_ = loNone;
  bool dateTime_ = false;
  std::string valueSource_;
  std::vector<double> values_;

  // A cache of derived values: reading the statistics of a const list may refresh it.
  mutable bool statsDirty_ = true;
  mutable double lowest_ = 0.0;
  mutable double highest_ = 0.0;
  mutable double sum_ = 0.0;
  mutable double sumOfMagnitudes_ = 0.0;
};

}  // namespace chart
