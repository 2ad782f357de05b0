// The real chart for the GIF benchmark: a record loaded and plotted, drawn by the chart engine on
// its Qt canvas, the image turned into the bitmap the GIF writer receives.
#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "analysis/RecordLoader.h"
#include "app/ChartImage.h"
#include "app/QtStartup.h"
#include "bench/gif/Pictures.h"
#include "chart/qt/QImageCanvas.h"
#include "stroopchart/StroopChart.h"

namespace gifbench {

gif::TBitmap RecordChartPicture(const std::filesystem::path& record) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The toolkit's notices about the session it runs in would only clutter the table.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
      std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
  });
  int argc = 1;
  char name[] = "gif_bench";
  char* argv[] = {name, nullptr};
  QGuiApplication application(argc, argv);
  app::AfterQtStartup();
  const analysis::RecordData data = analysis::LoadRecordFile(record).Record;
  stroopchart::StroopChart chart(std::make_unique<chart::QImageCanvas>());
  chart.ShowSubtest(data, 1);
  return app::BitmapFromImage(app::RenderChartImage(chart.Chart()));
}

}  // namespace gifbench
