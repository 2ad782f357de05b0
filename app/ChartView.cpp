// Paints the chart through its QImage canvas and forwards the mouse.
#include "app/ChartView.h"

#include <QMouseEvent>
#include <QPainter>

#include "chart/qt/QImageCanvas.h"

namespace app {

ChartView::ChartView(QWidget* parent)
    : QWidget(parent),
      stroop_(std::make_unique<chart::QImageCanvas>()),
      canvas_(static_cast<chart::QImageCanvas*>(stroop_.Chart().Canvas())) {
  Chart().SetOnInvalidate([this] { update(); });
  setMouseTracking(true);
  // The chart paints every pixel of its image.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setGeometry(stroopchart::kMainChartLeft, stroopchart::kMainChartTop, stroopchart::kMainChartWidth,
              stroopchart::kMainChartHeight);
}

ChartView::~ChartView() { Chart().SetOnInvalidate(nullptr); }

void ChartView::SetMouseMoveHandler(std::function<void(int x, int y)> handler) {
  Chart().OnMouseMove = std::move(handler);
}

void ChartView::SetCursorSource(std::function<QPoint()> screenCursor) {
  Series().Series5sec.CursorClientPos =
      [this, screenCursor = std::move(screenCursor)]() -> std::optional<chart::TCanvasPoint> {
    const QPoint client = mapFromGlobal(screenCursor());
    return chart::TCanvasPoint{client.x(), client.y()};
  };
}

void ChartView::paintEvent(QPaintEvent*) {
  Chart().Paint();
  QPainter painter(this);
  painter.drawImage(0, 0, canvas_->Image());
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  Chart().MouseMove(pos.x(), pos.y());
}

void ChartView::resizeEvent(QResizeEvent*) { SyncBounds(); }

void ChartView::moveEvent(QMoveEvent*) { SyncBounds(); }

void ChartView::SyncBounds() { Chart().SetBounds(x(), y(), width(), height()); }

}  // namespace app
