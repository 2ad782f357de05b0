// The Stroop chart on a recording canvas.
#include "tests/support/RecordedStroopChart.h"

#include <memory>

namespace testsupport {

RecordedStroopChart::RecordedStroopChart()
    : StroopChart(std::make_unique<chart::RecordingCanvas>()),
      canvas_(static_cast<chart::RecordingCanvas*>(Chart().Canvas())) {}

void RecordedStroopChart::Repaint() {
  canvas_->ClearOps();
  Chart().Invalidate();
  Chart().Paint();
}

}  // namespace testsupport
