// The chart canvas' colours, brush styles, dash patterns and text as Qt values, shared by the
// canvases that draw with QPainter.
#pragma once

#include <QBrush>
#include <QColor>
#include <QList>
#include <QString>
#include <string_view>

#include "chart/TChartBrush.h"
#include "chart/TChartPen.h"
#include "chart/TColor.h"

namespace chart {

QColor ToQColor(TColor color);

QString ToQString(std::string_view cp1251);

Qt::BrushStyle ToQtBrushStyle(TBrushStyle style);

// Dash patterns of 1-pixel styled pens, in pixels (on, off, ...); empty for a solid line.
QList<qreal> DashPattern(TPenStyle style);

}  // namespace chart
