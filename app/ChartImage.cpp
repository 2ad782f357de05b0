// Renders the chart off-screen and writes it through the GIF image.
#include "app/ChartImage.h"

#include <cassert>

#include "chart/TChart.h"
#include "chart/qt/QImageCanvas.h"
#include "gif/GIFAnimator.h"

namespace app {

QImage RenderChartImage(chart::TChart& chart) {
  auto* canvas = dynamic_cast<chart::QImageCanvas*>(chart.Canvas());
  assert(canvas && "the chart draws through a QImage canvas");
  chart.Invalidate();
  chart.Paint();
  return canvas->Image().convertToFormat(QImage::Format_RGB32);
}

gif::TBitmap BitmapFromImage(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  gif::TBitmap bitmap(rgb.width(), rgb.height(), gif::TPixelFormat::pf24bit);
  const int width = rgb.width();  // read once: the library call per pixel costs more than the copy
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* source = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    std::uint8_t* target = bitmap.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      *target++ = static_cast<std::uint8_t>(qBlue(source[x]));
      *target++ = static_cast<std::uint8_t>(qGreen(source[x]));
      *target++ = static_cast<std::uint8_t>(qRed(source[x]));
    }
  }
  return bitmap;
}

void SaveChartGif(chart::TChart& chart, const std::filesystem::path& path) {
  const gif::TBitmap bitmap = BitmapFromImage(RenderChartImage(chart));
  gif::TGIFAnimator holder;
  holder.Image().Assign(&bitmap);
  holder.Image().SaveToFile(path);
}

}  // namespace app
