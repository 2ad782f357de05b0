// The chart's own image as a GIF: rendered off-screen at the chart's client size, so nothing lying
// over the window can get into it, and the same bytes come out with or without a display.
#pragma once

#include <QImage>
#include <filesystem>

#include "gif/Bitmap.h"

namespace chart {
class TChart;
}

namespace app {

// A full layout and paint of the chart into its QImage canvas; the image is the chart's client
// size.
QImage RenderChartImage(chart::TChart& chart);

// A 32-bit bitmap of the image's pixels, which shares them (and keeps them alive) where it can.
gif::TBitmap BitmapFromImage(const QImage& image);

// Renders the chart and saves it as a GIF file. The file is replaced only once completely written;
// raises runtime::EFCreateError "Cannot create file %s" when it cannot be.
void SaveChartGif(chart::TChart& chart, const std::filesystem::path& path);

}  // namespace app
