// The widget that hosts the main chart: shows the chart's off-screen image, repaints when the chart
// asks, and reports mouse moves in the chart's client pixels.
#pragma once

#include <QPoint>
#include <QWidget>
#include <functional>

#include "chart/MainChartSetup.h"
#include "chart/TChart.h"

namespace chart {
class QImageCanvas;
}

namespace app {

class ChartView : public QWidget {
  Q_OBJECT
 public:
  // The chart is set up as the main window's form stores it, with its four series.
  explicit ChartView(QWidget* parent = nullptr);
  ~ChartView() override;

  chart::TChart& Chart() { return chart_; }
  chart::TMainChartSeries& Series() { return series_; }

  // Runs on every mouse move over the chart, with client coordinates.
  void SetMouseMoveHandler(std::function<void(int x, int y)> handler);
  // Where the stimulus series reads the mouse cursor (screen coordinates) for its
  // point-under-cursor test.
  void SetCursorSource(std::function<QPoint()> screenCursor);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void SyncBounds();

  chart::TChart chart_;
  chart::TMainChartSeries series_;
  chart::QImageCanvas* canvas_;
};

}  // namespace app
