// Paints the chart through its QImage canvas and forwards the mouse.
#include "app/ChartView.h"

#include <QMouseEvent>
#include <QPainter>

#include "chart/qt/QImageCanvas.h"

namespace app {

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
  chart::SetUpMainChart(chart_, series_);
  auto canvas = std::make_unique<chart::QImageCanvas>();
  canvas_ = canvas.get();
  chart_.SetCanvas(std::move(canvas));
  chart_.SetOnInvalidate([this] { update(); });
  setMouseTracking(true);
  // The chart paints every pixel of its image.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setGeometry(chart::MainChartLeft, chart::MainChartTop, chart::MainChartWidth,
              chart::MainChartHeight);
}

ChartView::~ChartView() { chart_.SetOnInvalidate(nullptr); }

void ChartView::SetMouseMoveHandler(std::function<void(int x, int y)> handler) {
  chart_.OnMouseMove = std::move(handler);
}

void ChartView::SetCursorSource(std::function<QPoint()> screenCursor) {
  series_.Series5sec.CursorClientPos =
      [this, screenCursor = std::move(screenCursor)]() -> std::optional<chart::TCanvasPoint> {
    const QPoint client = mapFromGlobal(screenCursor());
    return chart::TCanvasPoint{client.x(), client.y()};
  };
}

void ChartView::paintEvent(QPaintEvent*) {
  chart_.Paint();
  QPainter painter(this);
  painter.drawImage(0, 0, canvas_->Image());
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  chart_.MouseMove(pos.x(), pos.y());
}

void ChartView::resizeEvent(QResizeEvent*) { SyncBounds(); }

void ChartView::moveEvent(QMoveEvent*) { SyncBounds(); }

void ChartView::SyncBounds() { chart_.SetBounds(x(), y(), width(), height()); }

}  // namespace app
