// The chart of a record on a scaled image, an SVG generator or a PDF page, and on the clipboard.
#include "app/ChartOutputs.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <utility>

#include "app/ChartImage.h"
#include "app/Cp1251Text.h"
#include "chart/qt/QImageCanvas.h"
#include "chart/qt/QPainterCanvas.h"
#include "png/PngWriter.h"
#include "stroopchart/MainChartSetup.h"
#include "stroopchart/StroopChart.h"

namespace app {
namespace {

using stroopchart::kMainChartHeight;
using stroopchart::kMainChartWidth;

// The chart's pixels are screen pixels of 96 to the inch.
constexpr int kChartDpi = 96;

std::string Bytes(const QByteArray& data) { return std::string(data.constData(), data.size()); }

}  // namespace

bool IsPngScale(int scale) { return scale == 1 || scale == 2 || scale == 4; }

QImage ChartImage(const analysis::RecordData& record, int subtest) {
  stroopchart::StroopChart chart(std::make_unique<chart::QImageCanvas>());
  chart.ShowSubtest(record, subtest);
  return RenderChartImage(chart.Chart());
}

QImage ChartImageAtScale(const analysis::RecordData& record, int subtest, int scale) {
  if (!IsPngScale(scale))
    throw std::invalid_argument("the chart scale must be 1, 2 or 4, not " + std::to_string(scale));
  // The 1x image stays the pixel-exact drawing the GIF is made from.
  if (scale == 1) return ChartImage(record, subtest);
  // Not filled first: the chart paints its whole panel in its own opaque colour before anything
  // else, and a 4x image is 24 MB.
  QImage image(kMainChartWidth * scale, kMainChartHeight * scale, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.scale(scale, scale);
  // Hard edges like the 1x image's: sharp at any scale, and a handful of colours.
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  DrawChart(record, subtest, painter);
  return image;
}

std::string ChartPng(const analysis::RecordData& record, int subtest, int scale) {
  return EncodePng(ChartImageAtScale(record, subtest, scale));
}

std::string EncodePng(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  // A chart drawn without antialiasing has about ten colours: our palette writer takes a 4x chart's
  // six million pixels in a few milliseconds.
  if (auto file = png::EncodeColoursPng(reinterpret_cast<const std::uint32_t*>(rgb.constBits()),
                                        rgb.bytesPerLine() / 4, rgb.width(), rgb.height()))
    return std::move(*file);
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  // Qt turns quality q into zlib level (100 - q) * 9 / 91: 85 is level 1, the fastest that
  // compresses.
  writer.setQuality(85);
  writer.write(rgb);
  return Bytes(data);
}

std::string ChartSvg(const analysis::RecordData& record, int subtest) {
  QByteArray data;
  QBuffer buffer(&data);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(QSize(kMainChartWidth, kMainChartHeight));
  generator.setViewBox(QRect(0, 0, kMainChartWidth, kMainChartHeight));
  generator.setResolution(kChartDpi);
  generator.setTitle(FromCp1251(record.SubjectLine));
  {
    QPainter painter(&generator);
    DrawChart(record, subtest, painter);
  }
  return Bytes(data);
}

std::string ChartPdf(const analysis::RecordData& record, int subtest) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(kChartDpi);
  writer.setPageSize(QPageSize(QSizeF(kMainChartWidth, kMainChartHeight) * 72.0 / kChartDpi,
                               QPageSize::Point, QString(), QPageSize::ExactMatch));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  {
    QPainter painter(&writer);
    DrawChart(record, subtest, painter);
  }
  return Bytes(data);
}

void DrawChart(const analysis::RecordData& record, int subtest, QPainter& painter) {
  auto owned = std::make_unique<chart::QPainterCanvas>();
  owned->SetPainter(&painter);
  stroopchart::StroopChart chart(std::move(owned));
  chart.ShowSubtest(record, subtest);
  chart.Chart().Invalidate();
  chart.Chart().Paint();
}

void CopyImageToClipboard(const QImage& image) { QGuiApplication::clipboard()->setImage(image); }

}  // namespace app
