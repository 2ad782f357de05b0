// The pictures the GIF benchmark encodes: synthetic ones made in code, and the real chart drawn by
// our engine from a bundled sample record.
#pragma once

#include <filesystem>

#include "gif/Bitmap.h"

namespace gifbench {

// 1023 x 369, 24-bit: grey panel, white back wall, dotted grid, axes, mean and band lines, a
// polyline of 60 points with square markers in two colours, and glyph-like dots.
gif::TBitmap ChartLikePicture();
// 8-bit indexed: uniformly random indices, 256 colours.
gif::TBitmap NoisePicture(int width, int height);
// 24-bit gradients with a little noise (about 200,000 colours at 1024 x 768).
gif::TBitmap PhotoLikePicture(int width, int height);
// Subtest 1 of the record, drawn by the chart engine through its Qt canvas exactly as the export
// draws it, as a 24-bit bitmap of the chart's client size.
gif::TBitmap RecordChartPicture(const std::filesystem::path& record);

}  // namespace gifbench
