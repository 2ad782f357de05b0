// The main window's chart as the window sets it up: what its settings put on the canvas (size,
// panel and back wall, the fonts of titles, foot and axis titles, axis labels with the decimals
// their increment needs, the four series' pens and markers with the mean drawn last), the markers'
// margins, a single point, times spanning the largest doubles, the hover readout, and the settings
// that draw nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "analysis/RecordData.h"
#include "runtime/Cp1251.h"
#include "tests/runtime/SeparatorGuard.h"
#include "tests/stroopchart/SubtestRecord.h"
#include "tests/support/RecordedStroopChart.h"

namespace stroopchart {
namespace {

using namespace chart;

using test::U;

class MainChart : public ::testing::Test {
 protected:
  testsupport::RecordedStroopChart stroop;
  TChart& chart = stroop.Chart();
  TMainChartSeries& series = stroop.Series();
};

// Subtest 1 with three stimuli: blue shown and named, red shown and green named (wrong), green
// shown and named.
analysis::RecordData ThreeStimuli() {
  analysis::RecordData r;
  r.SubjectLine = U("Код: 0507  Имя: Иванов И.И.");
  r.StimulusCount = 3;
  const int shown[] = {1, 0, 2}, named[] = {1, 2, 2};
  const double times[] = {0.6, 1.4, 0.9};
  for (int c = 0; c < 3; ++c) {
    analysis::TStimulusRow row;
    row.Stimul1 = static_cast<uint8_t>(shown[c]);
    row.Answer[1] = static_cast<uint8_t>(named[c]);
    row.Time[1] = times[c];
    r.Stimuli.push_back(row);
  }
  r.SubtestTime[1] = 105;
  r.SubtestMean[1] = 0.8;
  r.SubtestSD[1] = 0.1;
  r.SubtestErrors[1] = 1;
  return r;
}

using test::SubtestOf;

// The operations drawn between each ClipRectangle and its UnClipRectangle: one group per series.
std::vector<std::vector<TCanvasOp>> SeriesGroups(const std::vector<TCanvasOp>& ops) {
  std::vector<std::vector<TCanvasOp>> groups;
  bool inside = false;
  for (const TCanvasOp& op : ops) {
    if (op.Kind == TCanvasOpKind::ClipRectangle) {
      groups.emplace_back();
      inside = true;
    } else if (op.Kind == TCanvasOpKind::UnClipRectangle) {
      inside = false;
    } else if (inside) {
      groups.back().push_back(op);
    }
  }
  return groups;
}

TEST_F(MainChart, PanelWallTitlesFootAndAxisTextsAsTheWindowShowsThem) {
  runtime::SeparatorGuard guard('.', ',');
  stroop.ShowSubtest(ThreeStimuli(), 1);
  stroop.Repaint();
  const std::vector<TCanvasOp>& ops = stroop.Canvas().Ops();
  ASSERT_FALSE(ops.empty());
  EXPECT_EQ(ops[0].Kind, TCanvasOpKind::PrepareImage);
  EXPECT_EQ(ops[0].Box, (TRect{0, 0, 1023, 369}));
  EXPECT_EQ(ops[1].Kind, TCanvasOpKind::FillRect);  // the panel keeps the button face
  EXPECT_EQ(ops[1].Brush, (TCanvasBrush{clBtnFace, bsSolid}));

  // Margins of 1% of 1023 (10) and 2% of 369 (7); two 17-pixel title lines and a 5-pixel gap
  // (7 + 39); the foot line and its gap (362 - 22); the bottom axis's 15-pixel title, 13-pixel
  // labels and 6 for the ticks (340 - 34); the left axis's 15-pixel title, the label "1.40" and a
  // space (5 characters of 6 pixels: times 0.6..1.4 are labelled every 0.05) and its ticks
  // (10 + 15 + 30 + 6).
  const TRect plot = chart.PlotRect();
  EXPECT_EQ(plot, (TRect{61, 46, 1013, 306}));
  // The back wall: the plotting rectangle filled white, its frame included.
  int walls = 0;
  for (const TCanvasOp& op : ops)
    walls += op.Kind == TCanvasOpKind::Rectangle &&
             op.Box == TRect{plot.Left, plot.Top, plot.Right + 1, plot.Bottom + 1} &&
             op.Brush == TCanvasBrush{clWhite, bsSolid};
  EXPECT_EQ(walls, 1);

  // clang-format off
  const struct {
    const char* text;
    TCanvasOpKind kind;
    int height;
    TColor color;
  } texts[] = {
      {"График времени реакции на стимулы - \"Название цвета прямоугольника\" [НЦ]", TCanvasOpKind::TextOut, -15, clBlue},
      {"Время выполнения - 105 сек, Mean - 0.80 сек, SD - 0.10 сек, N ошибок - 1", TCanvasOpKind::TextOut, -15, clBlue},
      {"Код: 0507  Имя: Иванов И.И.", TCanvasOpKind::TextOut, -15, clBlue},  // the foot
      {"Номер стимула", TCanvasOpKind::TextOut, -13, clBlack},
      {"Время реакции, сек [Mean+/-2SD]", TCanvasOpKind::RotatedTextOut, -13, clBlack},
  };
  // clang-format on
  for (const auto& t : texts) {
    SCOPED_TRACE(t.text);
    int found = 0;
    for (const TCanvasOp& op : ops) {
      if (op.Text != U(t.text)) continue;
      ++found;
      EXPECT_EQ(op.Kind, t.kind);
      EXPECT_EQ(op.Font, (TCanvasFont{"Arial", t.height, t.color, 0}));
    }
    EXPECT_EQ(found, 1);
  }
  // Every other text is an axis label, never a stimulus's readout label, and no legend or point
  // mark is drawn: whole numbers on the bottom axis ("##0."), right-aligned numbers with the two
  // decimals of the increment 0.05 on the left one.
  int bottomLabels = 0;
  int leftLabels = 0;
  for (const TCanvasOp& op : ops) {
    if (op.Kind != TCanvasOpKind::TextOut && op.Kind != TCanvasOpKind::RotatedTextOut) continue;
    bool known = false;
    for (const auto& t : texts) known = known || op.Text == U(t.text);
    if (known) continue;
    const bool left = op.TextAlign == kAlignRight;
    (left ? leftLabels : bottomLabels) += 1;
    EXPECT_TRUE(std::regex_match(op.Text, std::regex(left ? "[0-9]\\.[0-9]{2}" : "[0-9]+")))
        << op.Text;
  }
  EXPECT_GE(bottomLabels, 3);
  EXPECT_GE(leftLabels, 10);
}

TEST_F(MainChart, LeftLabelsStateTheValuesAtTheirPositions) {
  // The left axis runs from y 46 to 306 with the extreme times 5 pixels inside it (51 and 301);
  // 13-pixel labels and their 1-pixel separation let 19 fit. A label's top is 6 pixels above its
  // value.
  struct Case {
    std::vector<double> times;
    double mean;
    char separator;
    std::vector<std::string> labels;  // from the top down
    int firstTop, lastTop;
  };
  // Times 0.25..1.15 s span 0.936 with the margins: 0.05 gives 19 labels, where whole numbers
  // would read 1 fourteen times and 0 five times.
  std::vector<std::string> twentieths;
  for (int hundredths = 115; hundredths >= 25; hundredths -= 5)
    twentieths.push_back(std::to_string(hundredths / 100) + '.' +
                         std::to_string(hundredths % 100 / 10) + std::to_string(hundredths % 10));
  std::vector<std::string> twentiethsComma = twentieths;
  for (std::string& label : twentiethsComma) label[1] = ',';
  // clang-format off
  const Case cases[] = {
      {{0.25, 1.15, 0.7}, 0.7, '.', twentieths,      51 - 6, 301 - 6},
      {{0.25, 1.15, 0.7}, 0.7, ',', twentiethsComma, 51 - 6, 301 - 6},
      // 0.05..1.0 spans 0.988: 0.05 would give 20 labels, 0.1 gives ten with one decimal; 0.1
      // lies at 301 - 0.05 / 0.95 * 250 (287.8).
      {{0.05, 1.0, 0.5}, 0.5, ',', {"1,0", "0,9", "0,8", "0,7", "0,6", "0,5", "0,4", "0,3", "0,2", "0,1"},
       51 - 6, 288 - 6},
      // 0.3..1.5 s spans more than a second, so the fitting starts from 1 and keeps it: the one
      // label is the whole 1, at 301 - 0.7 / 1.2 * 250 (155.2).
      {{0.3, 1.5, 0.9}, 0.9, '.', {"1"}, 155 - 6, 155 - 6},
      // Equal times: a zero range, whose one label at the centre (176) is the time itself.
      {{0.8, 0.8, 0.8}, 0.8, ',', {"0,8"}, 176 - 6, 176 - 6},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.times.front() << ".." << c.times[1] << " " << c.separator);
    runtime::SeparatorGuard guard(c.separator, c.separator == '.' ? ',' : '.');
    stroop.ShowSubtest(SubtestOf(c.times, c.mean, 0), 1);
    stroop.Repaint();
    std::vector<std::string> labels;
    std::vector<int> tops;
    for (const TCanvasOp& op : stroop.Canvas().Ops())
      if (op.Kind == TCanvasOpKind::TextOut && op.TextAlign == kAlignRight) {
        labels.push_back(op.Text);
        tops.push_back(op.Points[0].Y);
      }
    EXPECT_EQ(labels, c.labels);
    ASSERT_FALSE(tops.empty());
    EXPECT_EQ(tops.front(), c.firstTop);
    EXPECT_EQ(tops.back(), c.lastTop);
  }
}

// Two recorded drawings are the same: every operation with its texts, shapes and device state.
bool SameDrawing(const std::vector<TCanvasOp>& a, const std::vector<TCanvasOp>& b) {
  auto same = [](const TCanvasOp& x, const TCanvasOp& y) {
    return x.Kind == y.Kind && x.Box == y.Box && x.Points == y.Points && x.Text == y.Text &&
           x.Angle == y.Angle && x.Pen == y.Pen && x.Brush == y.Brush && x.Font == y.Font &&
           x.TextAlign == y.TextAlign && x.BackMode == y.BackMode && x.Color == y.Color;
  };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), same);
}

TEST_F(MainChart, RoomForLeftLabelsFollowsTheIncrementWhateverWasShownBefore) {
  // Whole increments keep the labels and room they always had ("9 ": 12 pixels), labels 0.05
  // apart take the room of "1.40 " (30 pixels), on a chart's first paint as on any later one.
  const analysis::RecordData whole = SubtestOf({1, 9, 5}, 5, 1);
  const analysis::RecordData fractional = ThreeStimuli();
  testsupport::RecordedStroopChart fresh;
  fresh.ShowSubtest(whole, 1);
  fresh.Repaint();
  const std::vector<TCanvasOp> wholeFirst = fresh.Canvas().Ops();
  EXPECT_EQ(fresh.Chart().PlotRect().Left, 10 + 15 + 12 + 6);
  const struct {
    const analysis::RecordData& record;
    int left;
  } sequence[] = {{fractional, 61}, {whole, 43}, {fractional, 61}, {fractional, 61}, {whole, 43}};
  for (const auto& step : sequence) {
    stroop.ShowSubtest(step.record, 1);
    stroop.Repaint();
    EXPECT_EQ(chart.PlotRect().Left, step.left);
  }
  EXPECT_TRUE(SameDrawing(stroop.Canvas().Ops(), wholeFirst));
}

TEST_F(MainChart, FourSeriesDrawnWithTheirPensAndMarkersTheMeanLast) {
  stroop.ShowSubtest(ThreeStimuli(), 1);
  stroop.Repaint();
  // The list keeps its order; the mean is drawn after the bands.
  EXPECT_EQ(chart.SeriesAt(1), &series.Series5secAv);
  const auto groups = SeriesGroups(stroop.Canvas().Ops());
  ASSERT_EQ(groups.size(), 4u);
  const TColor band = 4194368;  // red 64, green 0, blue 64
  const struct {
    std::vector<TColor> lines;  // pen colour of each line segment
    TPenStyle style;
    std::vector<TColor> markers;  // brush colour of each square marker
  } expected[] = {
      {{clRed, clGreen}, psSolid, {clGreen, clRed, clGreen}},  // a segment takes its end's colour
      {{band, band}, psDashDot, {}},
      {{band, band}, psDashDot, {}},
      {{clBlue, clBlue}, psSolid, {}},
  };
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    std::vector<TColor> lines, markers;
    for (const TCanvasOp& op : groups[static_cast<size_t>(i)]) {
      if (op.Kind == TCanvasOpKind::Line) {
        lines.push_back(op.Pen.Color);
        EXPECT_EQ(op.Pen.Style, expected[i].style);
        EXPECT_EQ(op.Pen.Width, 1);
        // The band lines' gaps show what lies beneath them.
        if (op.Pen.Style == psDashDot) {
          EXPECT_EQ(op.BackMode, bmTransparent);
        }
      } else if (op.Kind == TCanvasOpKind::Rectangle) {
        markers.push_back(op.Brush.Color);
        EXPECT_EQ(op.Box.Width(), op.Box.Height());
      } else {
        ADD_FAILURE() << "another drawing than lines and square markers";
      }
    }
    EXPECT_EQ(lines, expected[i].lines);
    EXPECT_EQ(markers, expected[i].markers);
  }
}

TEST_F(MainChart, TimesSpanningNearTheLargestDoubleKeepTheirHeights) {
  // The plot runs from y 46 to 306; the markers' margins keep the extremes 5 pixels inside it,
  // unless widening the range by them would pass the largest double.
  struct Case {
    std::vector<double> times;
    double mean, sd;
    std::vector<int> markerRows;  // marker centres, in stimulus order
    int meanRow;
    bool labels;
  };
  // clang-format off
  const Case cases[] = {
      {{0, 5e305, 1e306}, 5e305, 1e305, {301, 176, 51}, 176, true},
      // The range, 2e308, is no number: the points keep their heights but no label is drawn.
      {{-1e308, 0, 1e308}, 0, 0, {306, 176, 46}, 176, false},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.times.back());
    stroop.ShowSubtest(SubtestOf(c.times, c.mean, c.sd), 1);
    stroop.Repaint();
    const auto groups = SeriesGroups(stroop.Canvas().Ops());
    ASSERT_EQ(groups.size(), 4u);
    std::vector<int> markerRows;
    for (const TCanvasOp& op : groups[0])
      if (op.Kind == TCanvasOpKind::Rectangle) markerRows.push_back(op.Box.Top + 4);
    EXPECT_EQ(markerRows, c.markerRows);
    ASSERT_FALSE(groups[3].empty());  // the mean line, drawn last
    for (const TCanvasOp& op : groups[3]) {
      EXPECT_EQ(op.Box.Top, c.meanRow);
      EXPECT_EQ(op.Box.Bottom, c.meanRow);
    }
    int hugeLabels = 0;  // the values of 1e305 and more, written out in full
    for (const TCanvasOp& op : stroop.Canvas().Ops())
      hugeLabels += op.Kind == TCanvasOpKind::TextOut && op.Text.size() > 300;
    EXPECT_EQ(hugeLabels > 1, c.labels) << hugeLabels;
  }
}

TEST_F(MainChart, StimuliKeepTheirXOrderWhateverOrderTheyComeIn) {
  series.Series5sec.AddPoint(3, 0.5);
  series.Series5sec.AddPoint(1, 0.9);
  series.Series5sec.AddPoint(2, 0.7);
  const double xs[] = {1, 2, 3}, ys[] = {0.9, 0.7, 0.5};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(series.Series5sec.PointX(i), xs[i]);
    EXPECT_EQ(series.Series5sec.PointY(i), ys[i]);  // each time stays with its stimulus
  }
}

// These settings are kept as the window makes them but change nothing drawn: the chart is flat,
// and it neither zooms, pans, pages nor draws a legend, date-time labels or point marks.
TEST_F(MainChart, SettingsThatDrawNothing) {
  EXPECT_FALSE(chart.View3D());
  EXPECT_FALSE(chart.AllowZoom());
  EXPECT_EQ(chart.AllowPanning(), pmNone);
  EXPECT_FALSE(chart.ScaleLastPage());
  EXPECT_FALSE(chart.Legend().Visible());
  EXPECT_FALSE(chart.LeftAxis().ExactDateTime());
  EXPECT_FALSE(series.Series5sec.ShowInLegend());
  const int arrows[] = {0, 8, 8, 8};
  for (int i = 0; i < 4; ++i) {
    const TChartSeries& s = *chart.SeriesAt(i);
    EXPECT_FALSE(s.Marks().Visible()) << i;
    EXPECT_EQ(s.Marks().ArrowLength(), arrows[i]) << i;
    EXPECT_EQ(s.XValues().Name(), "X") << i;
    EXPECT_EQ(s.YValues().Name(), "Y") << i;
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
}  // namespace stroopchart
