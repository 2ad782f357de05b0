// State helpers shared by every canvas: selecting chart pens and fonts, the reset step.
#include "chart/TChartCanvas.h"

#include "chart/TChartFont.h"

namespace chart {

void TChartCanvas::AssignChartPen(const TChartPen& pen) {
  if (!pen.Visible()) {
    pen_.Style = psClear;
    return;
  }
  pen_.Color = pen.Color();
  pen_.Style = pen.Style();
  pen_.Width = pen.Width();
  pen_.SmallDots = pen.SmallDots() && pen.Width() == 1;
}

void TChartCanvas::AssignFont(const TChartFont& font) {
  font_.Name = font.Name();
  font_.Height = font.Height();
  font_.Color = font.Color();
  font_.Style = font.Style();
}

void TChartCanvas::ResetState() {
  pen_ = TCanvasPen{};
  brush_ = TCanvasBrush{};
  font_ = TCanvasFont{};
  backColor_ = clWhite;
  backMode_ = bmTransparent;
  textAlign_ = kAlignLeft | kAlignTop;
}

}  // namespace chart
