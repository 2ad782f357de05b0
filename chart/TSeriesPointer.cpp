// The series marker: settings with the size check, its colours and every shape in two dimensions.
#include "chart/TSeriesPointer.h"

#include <array>

#include "chart/ChartException.h"
#include "chart/TChartSeries.h"

namespace chart {

TSeriesPointer::TSeriesPointer(TChartSeries* owner) {
  auto repaint = [owner] {
    if (owner) owner->RepaintChart();
  };
  SetOnChange(repaint);
  pen_.SetOnChange(repaint);
  brush_.SetOnChange(repaint);
}

void TSeriesPointer::SetHorizSize(int value) {
  if (value < 1) throw ChartException("Pointer size must be greater than zero");
  SetProperty(horizSize_, value);
}

void TSeriesPointer::SetVertSize(int value) {
  if (value < 1) throw ChartException("Pointer size must be greater than zero");
  SetProperty(vertSize_, value);
}

void TSeriesPointer::ApplyPointerColors(TChartCanvas& canvas, TColor color) const {
  canvas.AssignChartPen(pen_);
  if (pen_.Visible() && pen_.Color() == clNotSet) canvas.Pen().Color = color;
  canvas.Brush().Style = brush_.Style();
  canvas.Brush().Color = brush_.Color() == clNotSet ? color : brush_.Color();
}

void TSeriesPointer::DrawPointerShape(TChartCanvas& canvas, int x, int y, TColor color,
                                      TSeriesPointerStyle style) const {
  const int l = x - horizSize_;
  const int r = x + horizSize_;
  const int t = y - vertSize_;
  const int b = y + vertSize_;
  auto cross = [&] {
    canvas.Pen().Color = color;
    canvas.Line(x, t, x, b + 1);
    canvas.Line(l, y, r + 1, y);
  };
  auto diagonalCross = [&] {
    canvas.Pen().Color = color;
    canvas.Line(l, t, r + 1, b + 1);
    canvas.Line(r, t, l - 1, b + 1);
  };
  switch (style) {
    case psRectangle:
      // Right and bottom are exclusive: a (2H + 1) x (2V + 1) square centred on the point.
      canvas.Rectangle(l, t, r + 1, b + 1);
      break;
    case psCircle: canvas.Ellipse(l, t, r, b); break;
    case psTriangle: {
      const std::array<TCanvasPoint, 3> apexUp{{{l, b}, {r, b}, {x, t}}};
      canvas.Polygon(apexUp);
      break;
    }
    case psDownTriangle: {
      const std::array<TCanvasPoint, 3> apexDown{{{l, t}, {r, t}, {x, b}}};
      canvas.Polygon(apexDown);
      break;
    }
    case psCross: cross(); break;
    case psDiagCross: diagonalCross(); break;
    case psStar:
      cross();
      diagonalCross();
      break;
    case psDiamond: {
      const std::array<TCanvasPoint, 4> diamond{{{l, y}, {x, t}, {r, y}, {x, b}}};
      canvas.Polygon(diamond);
      break;
    }
    case psSmallDot: canvas.SetPixel(x, y, color); break;
  }
}

}  // namespace chart
