// A flat test chart whose axes map values to pixels one to one, on any canvas.
#pragma once

#include <memory>
#include <vector>

#include "chart/TChart.h"
#include "tests/support/RecordingCanvas.h"

namespace chart {

// The plotting rectangle is the whole 400 x 250 panel (no margins, titles or axes), the bottom
// axis runs 0..400 and the left axis 0..250, so a point (X, Y) sits at pixel (X, 250 - Y).
inline void SetUpPixelChart(TChart& chart, std::unique_ptr<TChartCanvas> canvas) {
  chart.SetCanvas(std::move(canvas));
  chart.SetView3D(false);
  for (int i = 0; i < 4; ++i) chart.SetMargin(i, 0);
  chart.SetAxisVisible(false);
  chart.Title().SetVisible(false);
  chart.Foot().SetVisible(false);
  for (TChartAxis* axis : {&chart.BottomAxis(), &chart.LeftAxis()}) axis->SetAutomatic(false);
  chart.BottomAxis().SetMinMax(0, 400);
  chart.LeftAxis().SetMinMax(0, 250);
}

// That chart on a recording canvas, without fonts.
class PixelChart {
 public:
  PixelChart() {
    auto canvas = std::make_unique<RecordingCanvas>();
    canvas_ = canvas.get();
    SetUpPixelChart(chart, std::move(canvas));
  }

  void SetRanges(double xMin, double xMax, double yMin, double yMax) {
    chart.BottomAxis().SetAutomatic(false);
    chart.BottomAxis().SetMinMax(xMin, xMax);
    chart.LeftAxis().SetAutomatic(false);
    chart.LeftAxis().SetMinMax(yMin, yMax);
  }

  void Paint() {
    canvas_->ClearOps();
    chart.Invalidate();
    chart.Paint();
  }

  // The operations recorded inside the clip rectangles, that is by the series.
  std::vector<TCanvasOp> SeriesOps() const {
    std::vector<TCanvasOp> ops;
    bool inside = false;
    for (const TCanvasOp& op : canvas_->Ops()) {
      if (op.Kind == TCanvasOpKind::ClipRectangle)
        inside = true;
      else if (op.Kind == TCanvasOpKind::UnClipRectangle)
        inside = false;
      else if (inside)
        ops.push_back(op);
    }
    return ops;
  }

  TChart chart;

 private:
  RecordingCanvas* canvas_;
};

}  // namespace chart
