// The chart canvas' colours, brush styles, dash patterns and text as Qt values, shared by the
// canvases that draw with QPainter.
#pragma once

#include <QBrush>
#include <QColor>
#include <QList>
#include <QPainter>
#include <QString>
#include <string_view>

#include "chart/TChartBrush.h"
#include "chart/TChartCanvas.h"
#include "chart/TChartPen.h"
#include "chart/TColor.h"

namespace chart {

QColor ToQColor(TColor color);

QString ToQString(std::string_view cp1251);

Qt::BrushStyle ToQtBrushStyle(TBrushStyle style);

// Dash patterns of 1-pixel styled pens, in pixels (on, off, ...); empty for a solid line.
QList<qreal> DashPattern(TPenStyle style);

// The canvas' brush, and its background colour and mode (what fills the gaps of dashed lines and
// the box behind text), set on the painter.
void ApplyBrush(QPainter& painter, const TChartCanvas& canvas);
void ApplyBackground(QPainter& painter, const TChartCanvas& canvas);

}  // namespace chart
