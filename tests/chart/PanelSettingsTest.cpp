// Panel, title block and back wall settings by their effect on the recording canvas: bevels and
// border, the events and clipping around the series, the block's frame and fill, hatched walls.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "chart/TChart.h"
#include "chart/TLineSeries.h"
#include "tests/support/RecordingCanvas.h"

namespace chart {
namespace {

// A line as drawn: where, and in which pen colour.
struct Line {
  TRect box;
  TColor color;
  friend bool operator==(const Line&, const Line&) = default;
};

std::ostream& operator<<(std::ostream& os, const Line& line) {
  return os << "(" << line.box.Left << ", " << line.box.Top << ")-(" << line.box.Right << ", "
            << line.box.Bottom << ") #" << std::hex << line.color << std::dec;
}

// A chart without titles and axes on a recording canvas.
class PanelSettings : public ::testing::Test {
 protected:
  PanelSettings() {
    auto owned = std::make_unique<RecordingCanvas>();
    canvas = owned.get();
    chart.SetCanvas(std::move(owned));
    chart.SetAxisVisible(false);
    chart.Title().Text().Clear();
    chart.Foot().SetVisible(false);
  }
  void Paint() {
    canvas->ClearOps();
    chart.Invalidate();
    chart.Paint();
  }
  std::vector<const TCanvasOp*> OpsOf(TCanvasOpKind kind) const {
    std::vector<const TCanvasOp*> found;
    for (const TCanvasOp& op : canvas->Ops())
      if (op.Kind == kind) found.push_back(&op);
    return found;
  }

  TChart chart;
  RecordingCanvas* canvas = nullptr;
};

TEST_F(PanelSettings, BevelsAndBorderRingTheBounds) {
  // A 10 x 8 panel: each ring is four lines, top and left in the first colour, right and bottom
  // in the second, the next ring one pixel further in.
  auto ring = [](int inset, TColor first, TColor second) {
    const int l = inset, t = inset, r = 9 - inset, b = 7 - inset;
    return std::vector<Line>{{{l, b, l, t}, first},
                             {{l, t, r, t}, first},
                             {{r, t, r, b}, second},
                             {{r, b, l - 1, b}, second}};
  };
  auto join = [](std::vector<Line> a, const std::vector<Line>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };
  const TColor light = clBtnHighlight, dark = clBtnShadow, face = clBtnFace;
  struct Case {
    const char* what;
    std::function<void(TChart&)> set;
    std::vector<Line> lines;
  };
  const Case cases[] = {
      // clang-format off
      {"raised outer bevel", [](TChart&) {}, ring(0, light, dark)},
      {"lowered", [](TChart& c) { c.SetBevelOuter(bvLowered); }, ring(0, dark, light)},
      {"space", [](TChart& c) { c.SetBevelOuter(bvSpace); }, ring(0, face, face)},
      {"none", [](TChart& c) { c.SetBevelOuter(bvNone); }, {}},
      {"two wide", [](TChart& c) { c.SetBevelWidth(2); },
       join(ring(0, light, dark), ring(1, light, dark))},
      {"border in the panel colour", [](TChart& c) { c.SetBorderWidth(1); },
       join(ring(0, light, dark), ring(1, face, face))},
      {"inner bevel", [](TChart& c) { c.SetBevelInner(bvLowered); },
       join(ring(0, light, dark), ring(1, dark, light))},
      // clang-format on
  };
  for (const Case& c : cases) {
    TChart fresh;
    auto owned = std::make_unique<RecordingCanvas>();
    RecordingCanvas& ops = *owned;
    fresh.SetCanvas(std::move(owned));
    fresh.SetBounds(0, 0, 10, 8);
    fresh.SetAxisVisible(false);
    c.set(fresh);
    fresh.Paint();
    std::vector<Line> lines;
    for (const TCanvasOp& op : ops.Ops())
      if (op.Kind == TCanvasOpKind::Line) lines.push_back({op.Box, op.Pen.Color});
    EXPECT_EQ(lines, c.lines) << c.what;
  }
}

TEST_F(PanelSettings, BorderWidthShrinksThePlotOnEverySide) {
  for (int i = 0; i < 4; ++i) chart.SetMargin(i, 0);
  chart.SetBorderWidth(3);
  Paint();
  EXPECT_EQ(chart.PlotRect(), (TRect{3, 3, 397, 247}));
}

TEST_F(PanelSettings, EventsAndClippingAroundTheSeries) {
  struct Case {
    const char* what;
    std::function<void(TChart&, TLineSeries&)> set;
    std::string events;
    std::size_t clips;
  };
  const Case cases[] = {
      // clang-format off
      {"as made", [](auto&, auto&) {},
       "axes series before after done", 1},
      {"no axes", [](auto& c, auto&) { c.SetAxisVisible(false); },
       "series before after done", 1},
      {"no clipping", [](auto& c, auto&) { c.SetClipPoints(false); },
       "axes series before after done", 0},
      {"nothing visible", [](auto&, auto& s) { s.RemoveAllPoints(); },
       "axes series done", 0},
      {"inactive", [](auto&, auto& s) { s.SetActive(false); },
       "axes series done", 0},
      // clang-format on
  };
  for (const Case& c : cases) {
    chart.SetAxisVisible(true);
    chart.SetClipPoints(true);
    TLineSeries series;
    series.AddPoint(1, 1);
    series.AddPoint(2, 2);
    series.SetParentChart(&chart);
    std::string events;
    auto log = [&](const char* name) {
      if (!events.empty()) events += ' ';
      events += name;
    };
    chart.OnBeforeDrawAxes = [&] { log("axes"); };
    chart.OnBeforeDrawSeries = [&] { log("series"); };
    chart.OnAfterDraw = [&] { log("done"); };
    series.BeforeDrawValues = [&](TChartSeries&) { log("before"); };
    series.AfterDrawValues = [&](TChartSeries&) { log("after"); };
    c.set(chart, series);
    Paint();
    EXPECT_EQ(events, c.events) << c.what;
    EXPECT_EQ(OpsOf(TCanvasOpKind::ClipRectangle).size(), c.clips) << c.what;
    EXPECT_EQ(OpsOf(TCanvasOpKind::UnClipRectangle).size(), c.clips) << c.what;
  }
}

TEST_F(PanelSettings, TitleBlockFrameAndFill) {
  // Plot 10..1013 wide from y 7 (margins 1/2/1/2 of 1023 x 369); the line "abcd" in a 15-pixel
  // font is 17 high and 32 wide, a "W" 8 wide. A fitted block is "W" + 32 = 40 wide around x 511.
  struct Case {
    const char* what;
    std::function<void(TChartTitle&)> set;
    bool drawn;
    TRect box;
    TBrushStyle style;
    TBackMode backMode;
    int plotTop;
  };
  const Case cases[] = {
      // clang-format off
      {"no frame, no fill", [](TChartTitle&) {}, false, {}, bsClear, bmTransparent, 7 + 17 + 5},
      {"coloured frame", [](TChartTitle& t) { t.Frame().SetVisible(true); },
       true, {491, 7, 531, 26}, bsClear, bmTransparent, 7 + 1 + 17 + 1 + 5},
      {"frame across the plot",
       [](TChartTitle& t) { t.Frame().SetVisible(true); t.SetAdjustFrame(false); },
       true, {10, 7, 1013, 26}, bsClear, bmTransparent, 31},
      {"frame 2 wide", [](TChartTitle& t) { t.Frame().SetVisible(true); t.Frame().SetWidth(2); },
       true, {491, 7, 531, 28}, bsClear, bmTransparent, 7 + 2 + 17 + 2 + 5},
      {"frame without colour: none", [](TChartTitle& t) {
         t.Frame().SetVisible(true); t.Frame().SetColor(clNotSet); },
       false, {}, bsClear, bmTransparent, 29},
      {"block colour fills", [](TChartTitle& t) { t.SetColor(clRed); },
       true, {491, 7, 531, 24}, bsSolid, bmTransparent, 29},
      {"hatch", [](TChartTitle& t) { t.Brush().SetStyle(bsCross); },
       true, {491, 7, 531, 24}, bsCross, bmTransparent, 29},
      {"hatch on the block colour",
       [](TChartTitle& t) { t.Brush().SetStyle(bsCross); t.SetColor(clRed); },
       true, {491, 7, 531, 24}, bsCross, bmOpaque, 29},
      // clang-format on
  };
  for (const Case& c : cases) {
    TChart fresh;
    auto owned = std::make_unique<RecordingCanvas>();
    RecordingCanvas& ops = *owned;
    fresh.SetCanvas(std::move(owned));
    fresh.SetBounds(1, 1, 1023, 369);
    fresh.SetAxisVisible(false);
    fresh.Foot().SetVisible(false);
    for (int i = 0; i < 4; ++i) fresh.SetMargin(i, i % 2 == 0 ? 1 : 2);
    TChartTitle& title = fresh.Title();
    title.Font().SetHeight(-15);
    title.Text().Add("abcd");
    c.set(title);
    fresh.Paint();
    EXPECT_EQ(fresh.PlotRect().Top, c.plotTop) << c.what;
    // The first rectangle is the block's, when it has one; the back wall's comes later.
    const TCanvasOp* box = nullptr;
    const TCanvasOp* text = nullptr;
    for (const TCanvasOp& op : ops.Ops()) {
      if (op.Kind == TCanvasOpKind::TextOut && !text) text = &op;
      if (op.Kind == TCanvasOpKind::Rectangle && !box && !text) box = &op;
    }
    ASSERT_NE(text, nullptr) << c.what;
    EXPECT_EQ(text->Brush.Style, c.style) << c.what;
    EXPECT_EQ(text->BackMode, c.backMode) << c.what;
    EXPECT_EQ(box != nullptr, c.drawn) << c.what;
    if (box) {
      EXPECT_EQ(box->Box, c.box) << c.what;
    }
  }
}

TEST_F(PanelSettings, HatchedBackWallKeepsItsLinesVisible) {
  // The wall colour is the background of a hatch; hatch lines of that same colour would vanish,
  // so they take black, or white on black.
  struct Case {
    const char* what;
    TColor wall, brush;
    TBrushStyle style;
    TCanvasBrush expected;
    TBackMode backMode;
  };
  const Case cases[] = {
      // clang-format off
      {"solid",                    clWhite, clNotSet, bsSolid, {clWhite, bsSolid}, bmTransparent},
      {"hatch without colour",     clWhite, clNotSet, bsCross, {clBlack, bsCross}, bmOpaque},
      {"red hatch",                clWhite, clRed,    bsCross, {clRed, bsCross},   bmOpaque},
      {"white hatch on white",     clWhite, clWhite,  bsCross, {clBlack, bsCross}, bmOpaque},
      {"black hatch on black",     clBlack, clBlack,  bsCross, {clWhite, bsCross}, bmOpaque},
      {"no colour, solid: hollow", clNotSet, clNotSet, bsSolid, {clNotSet, bsClear}, bmTransparent},
      // clang-format on
  };
  for (const Case& c : cases) {
    TChartWall wall;
    wall.SetColor(c.wall);
    wall.Brush().SetStyle(c.style);
    wall.Brush().SetColor(c.brush);
    RecordingCanvas ops;
    wall.DrawBackWall(ops, TRect{10, 20, 30, 40});
    ASSERT_EQ(ops.Ops().size(), 1u);
    const TCanvasOp& op = ops.Ops()[0];
    EXPECT_EQ(op.Box, (TRect{10, 20, 31, 41})) << c.what;
    EXPECT_EQ(op.Brush.Style, c.expected.Style) << c.what;
    if (c.expected.Style != bsClear) {
      EXPECT_EQ(op.Brush.Color, c.expected.Color) << c.what;
    }
    EXPECT_EQ(op.BackMode, c.backMode) << c.what;
    if (c.backMode == bmOpaque) {
      EXPECT_EQ(ops.BackColor(), c.wall) << c.what;
    }
  }
}

}  // namespace
}  // namespace chart
