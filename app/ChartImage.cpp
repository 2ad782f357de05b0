// Renders the chart off-screen and writes it through the GIF image.
#include "app/ChartImage.h"

#include <bit>
#include <cassert>
#include <cstdint>
#include <memory>
#include <vector>

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
  if constexpr (std::endian::native == std::endian::little) {
    // An RGB32 pixel is the word 0xffRRGGBB: in memory blue, green, red and an unused byte, as in a
    // 32-bit bitmap, and its rows are as long, so the bitmap shares the image's rows (and keeps the
    // image's pixels alive) instead of copying them.
    if (rgb.bytesPerLine() == rgb.width() * 4) {
      const auto held = std::make_shared<const QImage>(rgb);
      return gif::TBitmap::SharingTopDownRows(
          rgb.width(), rgb.height(), gif::TPixelFormat::pf32bit,
          std::shared_ptr<const std::uint8_t>(held, held->constBits()));
    }
  }
  std::vector<std::uint8_t> bits;
  bits.reserve(static_cast<std::size_t>(rgb.width()) * 4 * static_cast<std::size_t>(rgb.height()));
  for (int y = rgb.height() - 1; y >= 0; --y) {
    const auto* source = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x)
      bits.insert(bits.end(), {static_cast<std::uint8_t>(qBlue(source[x])),
                               static_cast<std::uint8_t>(qGreen(source[x])),
                               static_cast<std::uint8_t>(qRed(source[x])), 0});
  }
  return gif::TBitmap(rgb.width(), rgb.height(), gif::TPixelFormat::pf32bit, std::move(bits));
}

void SaveChartGif(chart::TChart& chart, const std::filesystem::path& path) {
  const gif::TBitmap bitmap = BitmapFromImage(RenderChartImage(chart));
  gif::TGIFAnimator holder;
  holder.Image().Assign(&bitmap);
  holder.Image().SaveToFile(path);
}

}  // namespace app
