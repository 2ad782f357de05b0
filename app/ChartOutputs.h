// The chart of one record's subtest as images, vector files and a clipboard image, drawn by the
// chart engine at the chart's design size (1023 x 369 chart pixels) or at a multiple of it. Every
// function needs a Qt GUI application (any platform, the offscreen one included) for the fonts.
#pragma once

#include <QImage>
#include <string>

#include "analysis/RecordData.h"

class QPainter;

namespace app {

// The scales a chart PNG is made at: 1, 2 or 4.
bool IsPngScale(int scale);

// The image the window shows and the GIF is made from, pixel for pixel (1x).
QImage ChartImage(const analysis::RecordData& record, int subtest);

// The chart drawn at `scale` times its size: the layout of the 1x image with fonts, pens and
// markers drawn `scale` times larger (not an enlarged bitmap), with hard edges like the 1x image's.
// Scale 1 is ChartImage.
// Raises std::invalid_argument for a scale other than 1, 2 or 4.
QImage ChartImageAtScale(const analysis::RecordData& record, int subtest, int scale);

// ChartImageAtScale encoded as a PNG file's bytes (a palette image: the chart has few colours).
std::string ChartPng(const analysis::RecordData& record, int subtest, int scale);

// An opaque image as a PNG file's bytes: with a palette when it has at most 256 colours (as every
// chart has), else in RGB.
std::string EncodePng(const QImage& image);

// The chart as an SVG document, one user unit per chart pixel.
std::string ChartSvg(const analysis::RecordData& record, int subtest);

// The chart as a one-page PDF whose page is the chart at 96 chart pixels to the inch.
std::string ChartPdf(const analysis::RecordData& record, int subtest);

// Draws the chart with `painter`, whose transform maps chart pixels to its device; the painter's
// state is left as it was.
void DrawChart(const analysis::RecordData& record, int subtest, QPainter& painter);

// Puts the image on the system clipboard (the chart's copy command passes ChartImage).
void CopyImageToClipboard(const QImage& image);

}  // namespace app
