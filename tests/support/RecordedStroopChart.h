// The Stroop chart drawing on a recording canvas, for tests, fuzz targets and benchmarks that check
// what is drawn without fonts or pixels.
#pragma once

#include "stroopchart/StroopChart.h"
#include "tests/support/RecordingCanvas.h"

namespace testsupport {

class RecordedStroopChart : public stroopchart::StroopChart {
 public:
  RecordedStroopChart();

  // Every drawing operation since the chart was made or the operations were last cleared.
  chart::RecordingCanvas& Canvas() { return *canvas_; }

  // A full layout and paint, recording only its operations.
  void Repaint();

 private:
  chart::RecordingCanvas* canvas_;  // owned by the chart
};

}  // namespace testsupport
