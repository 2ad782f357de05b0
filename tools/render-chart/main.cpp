// render-chart: draws the main window's chart with sample stimuli into a PNG for review.
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "chart/qt/QImageCanvas.h"
#include "stroopchart/StroopChart.h"
#include "tools/render-chart/SampleChartData.h"

int main(int argc, char** argv) {
  if (argc > 3) {
    std::fprintf(stderr, "usage: render-chart [OUTPUT.png [STIMULI]]\n");
    return 2;
  }
  // No window is opened: without a chosen platform, draw off-screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("chart.png");
  const int count = argc > 2 ? std::atoi(argv[2]) : 140;
  if (count < 0) {
    std::fprintf(stderr, "render-chart: the number of stimuli must not be negative\n");
    return 2;
  }

  auto canvas = std::make_unique<chart::QImageCanvas>();
  chart::QImageCanvas& image = *canvas;
  stroopchart::StroopChart chart(std::move(canvas));
  chart.ShowSubtest(samples::SampleChartRecord(count), 1);
  chart.Chart().Paint();

  if (!image.Image().save(output, "PNG")) {
    std::fprintf(stderr, "render-chart: cannot write %s\n", output.toLocal8Bit().constData());
    return 1;
  }
  std::printf("%s: %dx%d, %d stimuli\n", output.toLocal8Bit().constData(), image.Image().width(),
              image.Image().height(), count);
  return 0;
}
