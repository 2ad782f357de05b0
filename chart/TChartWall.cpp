// Walls of the chart: the back wall's frame and fill in a flat chart.
#include "chart/TChartWall.h"

#include "chart/TChartCanvas.h"

namespace chart {

TChartWall::TChartWall(TColor color) : color_(color) {
  auto changed = [this] { Changed(); };
  brush_.SetOnChange(changed);
  pen_.SetOnChange(changed);
}

void TChartWall::DrawBackWall(TChartCanvas& canvas, const TRect& plotRect) const {
  canvas.AssignChartPen(pen_);
  if (color_ == clNotSet && brush_.Style() == bsSolid) {
    canvas.Brush().Style = bsClear;
  } else {
    const TColor color = color_ == clNotSet ? brush_.Color() : color_;
    if (brush_.Style() == bsSolid || brush_.Style() == bsClear) {
      canvas.Brush() = {color, brush_.Style()};
      canvas.SetBackMode(bmTransparent);
    } else {
      // A hatch drawn in the wall colour on an opaque background of the same colour would not
      // show, so the hatch lines get the contrasting colour.
      const TColor hatch =
          brush_.Color() == color ? (color == clBlack ? clWhite : clBlack) : brush_.Color();
      canvas.Brush() = {hatch == clNotSet ? clBlack : hatch, brush_.Style()};
      canvas.SetBackMode(bmOpaque);
      canvas.SetBackColor(color);
    }
  }
  canvas.Rectangle(plotRect.Left, plotRect.Top, plotRect.Right + 1, plotRect.Bottom + 1);
}

}  // namespace chart
