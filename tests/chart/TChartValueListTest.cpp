// Value lists: ordered insertion, multiplier, statistics cache, index errors, sorting.
#include <gtest/gtest.h>

#include <vector>

#include "chart/TChartValueList.h"
#include "runtime/Errors.h"

namespace chart {
namespace {

std::vector<int> AddAll(TChartValueList& list, const std::vector<double>& values) {
  std::vector<int> indices;
  for (double v : values) indices.push_back(list.AddValueInOrder(v));
  return indices;
}

TEST(TChartValueList, AddValueInOrder) {
  const struct {
    TChartListOrder order;
    std::vector<double> added;
    std::vector<int> indices;
    std::vector<double> stored;
  } cases[] = {
      // clang-format off
      {loAscending, {3, 1, 2}, {0, 0, 1}, {1, 2, 3}},
      {loAscending, {1, 2, 2}, {0, 1, 2}, {1, 2, 2}},  // equal goes after
      {loAscending, {5, 5, 1, 5}, {0, 1, 0, 3}, {1, 5, 5, 5}},
      {loAscending, {1, 2, 3, 4}, {0, 1, 2, 3}, {1, 2, 3, 4}},  // the main window's case: appends
      {loDescending, {1, 3, 2}, {0, 0, 1}, {3, 2, 1}},
      {loDescending, {2, 2, 3}, {0, 1, 0}, {3, 2, 2}},
      {loNone, {3, 1, 2}, {0, 1, 2}, {3, 1, 2}},
      // clang-format on
  };
  for (const auto& c : cases) {
    TChartValueList list(nullptr, "X");
    list.SetOrder(c.order);
    EXPECT_EQ(AddAll(list, c.added), c.indices);
    EXPECT_EQ(list.Values(), c.stored);
  }
}

TEST(TChartValueList, OrderDecidesOnStoredValuesNotMultiplied) {
  TChartValueList list(nullptr, "X");
  list.SetOrder(loAscending);
  list.SetMultiplier(-1);  // multiplied values would run the other way
  EXPECT_EQ(AddAll(list, {1, 3, 2}), (std::vector<int>{0, 1, 1}));
  EXPECT_EQ(list.ValueAt(0), -1);
  EXPECT_EQ(list.ValueAt(2), -3);
}

TEST(TChartValueList, ChangingOrderLeavesExistingValues) {
  TChartValueList list(nullptr, "X");
  AddAll(list, {3, 1});
  list.SetOrder(loAscending);
  EXPECT_EQ(list.Values(), (std::vector<double>{3, 1}));
  EXPECT_EQ(list.AddValueInOrder(2), 2);  // the last value 1 <= 2, so it appends
  EXPECT_EQ(list.AddValueInOrder(0), 0);  // walks down past 2, 1 and 3
  EXPECT_EQ(list.Values(), (std::vector<double>{0, 3, 1, 2}));
}

TEST(TChartValueList, Statistics) {
  const struct {
    std::vector<double> values;
    double multiplier, lowest, highest, sum, magnitudes;
  } cases[] = {
      {{}, 1, 0, 0, 0, 0},
      {{-2}, 1, -2, -2, -2, 2},
      {{3, -1, 4, 1, -5}, 1, -5, 4, 2, 14},
      {{3, -1, 4}, 2, -2, 8, 12, 16},
      {{1, 2}, -1, -2, -1, -3, 3},
  };
  for (const auto& c : cases) {
    TChartValueList list(nullptr, "Y");
    list.SetMultiplier(c.multiplier);
    for (double v : c.values) list.AddValueInOrder(v);
    EXPECT_EQ(list.Lowest(), c.lowest);
    EXPECT_EQ(list.Highest(), c.highest);
    EXPECT_EQ(list.Sum(), c.sum);
    EXPECT_EQ(list.SumOfMagnitudes(), c.magnitudes);
    EXPECT_FALSE(list.StatsDirty());
  }
}

TEST(TChartValueList, EveryEditMakesStatisticsStale) {
  TChartValueList list(nullptr, "Y");
  AddAll(list, {1, 2, 3});
  EXPECT_EQ(list.Highest(), 3);
  list.SetValueAt(0, 10);
  EXPECT_EQ(list.Highest(), 10);
  list.DeleteValueAt(0);
  EXPECT_EQ(list.Highest(), 3);
  list.InsertValueAt(0, -7);
  EXPECT_EQ(list.Lowest(), -7);
  list.SetMultiplier(3);
  EXPECT_EQ(list.Lowest(), -21);
  list.RemoveAllValues();
  EXPECT_EQ(list.Lowest(), 0);
  EXPECT_EQ(list.Values().capacity(), 0u);
}

TEST(TChartValueList, IndexErrorsLeaveTheListUnchanged) {
  TChartValueList list(nullptr, "Y");
  AddAll(list, {1, 2});
  auto message = [&](auto&& action) {
    try {
      action();
    } catch (const runtime::EListError& e) {
      return e.Message();
    }
    return std::string("no error");
  };
  EXPECT_EQ(message([&] { list.ValueAt(2); }), "List index out of bounds (2)");
  EXPECT_EQ(message([&] { list.ValueAt(-1); }), "List index out of bounds (-1)");
  EXPECT_EQ(message([&] { list.SetValueAt(5, 0); }), "List index out of bounds (5)");
  EXPECT_EQ(message([&] { list.DeleteValueAt(2); }), "List index out of bounds (2)");
  EXPECT_EQ(list.Values(), (std::vector<double>{1, 2}));
}

TEST(TChartValueList, SmallOperations) {
  TChartValueList list(nullptr, "Y");
  AddAll(list, {4, 5, 6, 5});
  EXPECT_EQ(list.IndexOfValue(5), 1);
  EXPECT_EQ(list.IndexOfValue(7), -1);
  EXPECT_EQ(list.LastValue(), 5);
  list.RotateValues();
  EXPECT_EQ(list.Values(), (std::vector<double>{5, 6, 5, 4}));
  list.RenumberValues();
  EXPECT_EQ(list.Values(), (std::vector<double>{0, 1, 2, 3}));
}

TEST(TChartValueList, SortValues) {
  const struct {
    TChartListOrder order;
    std::vector<double> values, sorted;
  } cases[] = {
      // clang-format off
      {loAscending, {5, 3, 9, 1, 3, 7}, {1, 3, 3, 5, 7, 9}},
      {loDescending, {5, 3, 9, 1, 3, 7}, {9, 7, 5, 3, 3, 1}},
      {loNone, {5, 3, 9}, {5, 3, 9}},
      // clang-format on
  };
  for (const auto& c : cases) {
    TChartValueList list(nullptr, "X");
    AddAll(list, c.values);
    list.SetOrder(c.order);
    list.SortValues();
    EXPECT_EQ(list.Values(), c.sorted);
  }
}

TEST(TChartValueList, AssignCopiesSettingsNotValuesOrName) {
  TChartValueList source(nullptr, "S");
  source.SetOrder(loDescending);
  source.SetDateTime(true);
  source.SetMultiplier(2.5);
  source.SetValueSource("col");
  source.AddValueInOrder(1);
  TChartValueList target(nullptr, "T");
  target.Assign(source);
  EXPECT_EQ(target.Order(), loDescending);
  EXPECT_TRUE(target.DateTime());
  EXPECT_EQ(target.Multiplier(), 2.5);
  EXPECT_EQ(target.ValueSource(), "col");
  EXPECT_EQ(target.ValueCount(), 0);
  EXPECT_EQ(target.Name(), "T");
}

}  // namespace
}  // namespace chart
