// The main window's chart as stored: settings, series order, marker margins, a single point, hover.
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "chart/MainChartSetup.h"
#include "runtime/Cp1251.h"
#include "tests/support/RecordingCanvas.h"

namespace chart {
namespace {

class MainChart : public ::testing::Test {
 protected:
  MainChart() {
    chart.SetCanvas(std::make_unique<RecordingCanvas>());
    SetUpMainChart(chart, series);
  }
  TChart chart;
  TMainChartSeries series;
};

TEST_F(MainChart, StoredSettings) {
  EXPECT_EQ(chart.Left(), 1);
  EXPECT_EQ(chart.Top(), 1);
  EXPECT_EQ(chart.Width(), 1023);
  EXPECT_EQ(chart.Height(), 369);
  EXPECT_EQ((std::array<int, 4>{chart.MarginLeft(), chart.MarginTop(), chart.MarginRight(),
                                chart.MarginBottom()}),
            (std::array<int, 4>{1, 2, 1, 2}));
  EXPECT_FALSE(chart.View3D());
  EXPECT_FALSE(chart.AllowZoom());
  EXPECT_EQ(chart.AllowPanning(), pmNone);
  EXPECT_FALSE(chart.Legend().Visible());
  EXPECT_FALSE(chart.ScaleLastPage());
  EXPECT_FALSE(chart.Loading());
  EXPECT_EQ(chart.BackColor(), clWhite);
  EXPECT_EQ(chart.BackWall().Brush().Color(), clWhite);
  EXPECT_EQ(chart.BackWall().Brush().Style(), bsSolid);
  EXPECT_EQ(chart.Color(), clBtnFace);  // the panel keeps the button face

  for (TChartTitle* block : {&chart.Title(), &chart.Foot()}) {
    EXPECT_EQ(block->Font().Name(), "Arial");
    EXPECT_EQ(block->Font().Height(), -15);
    EXPECT_EQ(block->Font().Color(), clBlue);
  }
  ASSERT_EQ(chart.Title().Text().Count(), 2);
  EXPECT_EQ(chart.Title().Text().Strings(0),
            runtime::Cp1251FromUtf8("График времени реакции на стимулы - "));
  EXPECT_EQ(chart.Title().Text().Strings(1), "SD");
  EXPECT_EQ(chart.Foot().Text().Count(), 1);

  EXPECT_EQ(chart.BottomAxis().AxisValuesFormat(), "##0.");
  EXPECT_FALSE(chart.BottomAxis().LabelsOnAxis());
  EXPECT_EQ(chart.BottomAxis().LabelStyle(), talValue);
  EXPECT_EQ(chart.BottomAxis().Title().Caption(), runtime::Cp1251FromUtf8("Номер стимула"));
  EXPECT_EQ(chart.LeftAxis().AxisValuesFormat(), "#0.");
  EXPECT_FALSE(chart.LeftAxis().ExactDateTime());
  EXPECT_EQ(chart.LeftAxis().Title().Caption(),
            runtime::Cp1251FromUtf8("Время реакции, сек [Mean+/-2SD]"));
  for (TChartAxis* axis : {&chart.BottomAxis(), &chart.LeftAxis()}) {
    EXPECT_EQ(axis->Title().Font().Name(), "Arial");
    EXPECT_EQ(axis->Title().Font().Height(), -13);
    EXPECT_EQ(axis->Title().Font().Color(), clBlack);
  }
}

TEST_F(MainChart, FourSeriesInListOrder) {
  ASSERT_EQ(chart.CountSeries(), 4);
  const struct {
    TLineSeries* series;
    TColor color;
    bool pointer;
    TPenStyle line;
    int arrow;
    bool legend;
  } cases[] = {
      {&series.Series5sec, clRed, true, psSolid, 0, false},
      {&series.Series5secAv, clBlue, false, psSolid, 8, true},
      {&series.Series5sec2Dp, 4194368, false, psDashDot, 8, true},
      {&series.Series5sec2Dm, 4194368, false, psDashDot, 8, true},
  };
  for (int i = 0; i < 4; ++i) {
    const auto& c = cases[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(chart.SeriesAt(i), c.series);
    EXPECT_EQ(c.series->SeriesColor(), c.color);
    EXPECT_EQ(c.series->Pointer().Visible(), c.pointer);
    EXPECT_EQ(c.series->Pointer().Style(), psRectangle);
    EXPECT_TRUE(c.series->Pointer().InflateMargins());
    EXPECT_EQ(c.series->LinePen().Style(), c.line);
    EXPECT_EQ(c.series->LinePen().Width(), 1);
    EXPECT_FALSE(c.series->Marks().Visible());
    EXPECT_EQ(c.series->Marks().ArrowLength(), c.arrow);
    EXPECT_EQ(c.series->ShowInLegend(), c.legend);
    EXPECT_EQ(c.series->XValues().Name(), "X");
    EXPECT_EQ(c.series->XValues().Order(), loAscending);
    EXPECT_EQ(c.series->YValues().Name(), "Y");
    EXPECT_EQ(c.series->YValues().Order(), loNone);
    EXPECT_EQ(c.series->HorzAxisObj(), &chart.BottomAxis());
    EXPECT_EQ(c.series->VertAxisObj(), &chart.LeftAxis());
  }
}

TEST_F(MainChart, MarkersKeepTheExtremePointsFivePixelsInside) {
  for (int c = 1; c <= 20; ++c) series.Series5sec.AddPoint(c, 0.5 + (c % 7) * 0.1, "", clGreen);
  chart.Paint();
  const TChartAxis& bottom = chart.BottomAxis();
  const TChartAxis& left = chart.LeftAxis();
  TLineSeries& s = series.Series5sec;
  EXPECT_EQ(s.ScreenX(0), bottom.PixelStart() + 5);
  EXPECT_EQ(s.ScreenX(19), bottom.PixelEnd() - 5);
  EXPECT_EQ(s.ScreenY(5), left.PixelStart() + 5);  // the highest value, 1.1, at c = 6
  EXPECT_EQ(s.ScreenY(6), left.PixelEnd() - 5);    // the lowest, 0.5, at c = 7
  EXPECT_LT(bottom.ScaleMin(), 1);
  EXPECT_GT(bottom.ScaleMax(), 20);
}

TEST_F(MainChart, SinglePointSitsAtTheAxisCentres) {
  series.Series5sec.AddPoint(1, 0.8, "", clGreen);
  chart.Paint();
  EXPECT_EQ(series.Series5sec.ScreenX(0), chart.BottomAxis().PixelCentre());
  EXPECT_EQ(series.Series5sec.ScreenY(0), chart.LeftAxis().PixelCentre());
}

TEST_F(MainChart, HoverFindsTheStimulusUnderTheCursor) {
  for (int c = 1; c <= 10; ++c)
    series.Series5sec.AddPoint(c, c % 2 ? 1.0 : 2.0,
                               runtime::Cp1251FromUtf8("стимул ") + char('0' + c), clGreen);
  chart.Paint();
  TLineSeries& s = series.Series5sec;
  std::optional<TCanvasPoint> cursor;
  s.CursorClientPos = [&] { return cursor; };
  cursor = TCanvasPoint{s.ScreenX(3) + 2, s.ScreenY(3) - 3};
  ASSERT_EQ(s.PointUnderCursor(), 3);
  EXPECT_EQ(s.PointLabel(3), runtime::Cp1251FromUtf8("стимул 4"));
  cursor = TCanvasPoint{chart.PlotRect().Left + 1, chart.PlotRect().Bottom - 1};
  EXPECT_EQ(s.PointUnderCursor(), -1);
}

}  // namespace
}  // namespace chart
