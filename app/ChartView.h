// The widget that hosts the main chart: shows the chart's off-screen image, repaints when the chart
// asks, and reports mouse moves in the chart's client pixels.
#pragma once

#include <QPoint>
#include <QWidget>
#include <functional>

#include "stroopchart/StroopChart.h"

namespace chart {
class QImageCanvas;
}

namespace app {

class ChartView : public QWidget {
  Q_OBJECT
 public:
  // The Stroop chart as the window shows it before any record, drawing into a QImage.
  explicit ChartView(QWidget* parent = nullptr);
  ~ChartView() override;

  stroopchart::StroopChart& Stroop() { return stroop_; }
  chart::TChart& Chart() { return stroop_.Chart(); }
  stroopchart::TMainChartSeries& Series() { return stroop_.Series(); }

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

  stroopchart::StroopChart stroop_;
  chart::QImageCanvas* canvas_;  // owned by the chart
};

}  // namespace app
