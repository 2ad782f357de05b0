// Conversions from the chart canvas' values to Qt's.
#include "chart/qt/QtCanvasStyle.h"

#include "runtime/Cp1251.h"

namespace chart {

QColor ToQColor(TColor color) {
  const TColor rgb = ColorToRGB(color);
  return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                static_cast<int>((rgb >> 16) & 0xFF));
}

QString ToQString(std::string_view cp1251) {
  return QString::fromStdU16String(runtime::Cp1251ToUtf16(cp1251));
}

Qt::BrushStyle ToQtBrushStyle(TBrushStyle style) {
  switch (style) {
    case bsSolid: return Qt::SolidPattern;
    case bsClear: return Qt::NoBrush;
    case bsHorizontal: return Qt::HorPattern;
    case bsVertical: return Qt::VerPattern;
    case bsFDiagonal: return Qt::FDiagPattern;
    case bsBDiagonal: return Qt::BDiagPattern;
    case bsCross: return Qt::CrossPattern;
    case bsDiagCross: return Qt::DiagCrossPattern;
  }
  return Qt::SolidPattern;
}

QList<qreal> DashPattern(TPenStyle style) {
  switch (style) {
    case psDash: return {18, 6};
    case psDot: return {3, 3};
    case psDashDot: return {9, 6, 3, 6};
    case psDashDotDot: return {9, 3, 3, 3, 3, 3};
    default: return {};
  }
}

void ApplyBrush(QPainter& painter, const TChartCanvas& canvas) {
  const TCanvasBrush& b = canvas.Brush();
  painter.setBrush(QBrush(ToQColor(b.Color), ToQtBrushStyle(b.Style)));
}

void ApplyBackground(QPainter& painter, const TChartCanvas& canvas) {
  painter.setBackground(QBrush(ToQColor(canvas.BackColor())));
  painter.setBackgroundMode(canvas.BackMode() == bmOpaque ? Qt::OpaqueMode : Qt::TransparentMode);
}

}  // namespace chart
