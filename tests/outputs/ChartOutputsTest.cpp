// The chart's outputs: the 1x PNG is the GIF's image, larger PNGs are drawn larger (not enlarged),
// the SVG is well-formed XML with one element per marker, the PDF is one page of the chart's size,
// and the clipboard receives the image.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QXmlStreamReader>
#include <algorithm>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

#include "app/ChartImage.h"
#include "app/ChartOutputs.h"
#include "app/ExportCharts.h"
#include "tests/outputs/OutputsTestRecords.h"
#include "tests/outputs/PopplerTools.h"
#include "tests/support/GiflibDecoder.h"
#include "tests/support/TempFolder.h"

namespace app {
namespace {

QImage FromPng(const std::string& png) {
  return QImage::fromData(QByteArray::fromStdString(png), "PNG")
      .convertToFormat(QImage::Format_RGB32);
}

// A marker's inside: a solid square of the point colour (green right, red wrong) that nothing else
// crosses. Found as 4-connected regions of exactly that colour that fill their bounding square.
struct Marker {
  double centreX, centreY;
  int side;
};

std::vector<Marker> FindMarkers(const QImage& image) {
  const QRgb colours[] = {qRgb(0, 128, 0), qRgb(255, 0, 0)};
  std::vector<Marker> markers;
  std::vector<bool> seen(static_cast<size_t>(image.width()) * image.height());
  for (int y0 = 0; y0 < image.height(); ++y0)
    for (int x0 = 0; x0 < image.width(); ++x0) {
      const QRgb colour = image.pixel(x0, y0);
      if (seen[y0 * image.width() + x0] || (colour != colours[0] && colour != colours[1])) continue;
      int left = x0, right = x0, top = y0, bottom = y0, area = 0;
      std::vector<QPoint> stack{{x0, y0}};
      seen[y0 * image.width() + x0] = true;
      while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        ++area;
        left = std::min(left, p.x()), right = std::max(right, p.x());
        top = std::min(top, p.y()), bottom = std::max(bottom, p.y());
        for (const QPoint n :
             {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)})
          if (image.rect().contains(n) && !seen[n.y() * image.width() + n.x()] &&
              image.pixel(n) == colour) {
            seen[n.y() * image.width() + n.x()] = true;
            stack.push_back(n);
          }
      }
      const int width = right - left + 1, height = bottom - top + 1;
      if (width == height && width >= 3 && area == width * height)
        markers.push_back({(left + right) / 2.0, (top + bottom) / 2.0, width});
    }
  std::sort(markers.begin(), markers.end(), [](const Marker& a, const Marker& b) {
    return std::pair(a.centreX, a.centreY) < std::pair(b.centreX, b.centreY);
  });
  return markers;
}

TEST(ChartOutputs, OneTimesPngIsTheGifsImagePixelForPixel) {
  const analysis::LoadedRecord loaded = test::SampleRecord();
  QtChartEncoder encoder;
  for (int s = 1; s <= 4; ++s) {
    const QImage png = FromPng(ChartPng(loaded.Record, s, 1));
    const testsupport::DecodedGif gif =
        testsupport::DecodeWithGiflib(encoder.Gif(loaded.Record, s));
    ASSERT_EQ(png.size(), QSize(gif.ScreenWidth, gif.ScreenHeight)) << s;
    ASSERT_EQ(png.size(), QSize(1023, 369));
    int differing = 0;
    for (int y = 0; y < png.height(); ++y)
      for (int x = 0; x < png.width(); ++x) {
        const testsupport::Rgb c = gif.ColorAt(0, x, y);
        differing += png.pixel(x, y) != qRgb(c[0], c[1], c[2]);
      }
    EXPECT_EQ(differing, 0) << "subtest " << s;
  }
}

TEST(ChartOutputs, LargerPngsAreDrawnAtScaleWithMarkersWhereTheOneTimesMarkersAre) {
  const analysis::RecordData record = test::SpacedRecord();
  const std::vector<Marker> one = FindMarkers(FromPng(ChartPng(record, 1, 1)));
  ASSERT_EQ(one.size(), 12u) << "every marker stands apart at 1x";
  // clang-format off
  struct Case { int scale; double tolerance; };
  const Case cases[] = {
      {2, 1.0},  // within a pixel of twice the 1x centre
      {4, 2.0},  // half a 1x pixel
  };
  // clang-format on
  for (const Case& c : cases) {
    const QImage image = FromPng(ChartPng(record, 1, c.scale));
    EXPECT_EQ(image.size(), QSize(1023, 369) * c.scale);
    const std::vector<Marker> scaled = FindMarkers(image);
    ASSERT_EQ(scaled.size(), one.size()) << c.scale;
    for (size_t i = 0; i < one.size(); ++i) {
      EXPECT_NEAR(scaled[i].centreX, one[i].centreX * c.scale, c.tolerance) << c.scale << ' ' << i;
      EXPECT_NEAR(scaled[i].centreY, one[i].centreY * c.scale, c.tolerance) << c.scale << ' ' << i;
      EXPECT_EQ(scaled[i].side, one[i].side * c.scale) << "the marker is drawn larger";
    }
  }
}

// The box around the title's blue ink (the top rows, above the plot).
QRect TitleInk(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height() / 10; ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.blue() > 200 && c.red() < 80 && c.green() < 80) box |= QRect(x, y, 1, 1);
    }
  return box;
}

TEST(ChartOutputs, LargerPngsDrawTheTitleWithALargerFont) {
  const analysis::RecordData record = test::SpacedRecord();
  const QRect one = TitleInk(FromPng(ChartPng(record, 1, 1)));
  const QRect two = TitleInk(FromPng(ChartPng(record, 1, 2)));
  ASSERT_FALSE(one.isEmpty());
  EXPECT_NEAR(two.width(), 2 * one.width(), 8);
  EXPECT_NEAR(two.height(), 2 * one.height(), 3);
  EXPECT_NEAR(two.left(), 2 * one.left(), 4);
}

// The colour type in the PNG's header: 2 for RGB, 3 for a palette.
int PngColourType(const std::string& png) {
  return png.size() > 25 && png.compare(12, 4, "IHDR") == 0 ? static_cast<unsigned char>(png[25])
                                                            : -1;
}

TEST(ChartOutputs, PngHasAPaletteUpTo256ColoursAndTheSamePixelsEitherWay) {
  // clang-format off
  struct Case { int colours; int colourType; };
  const Case cases[] = {
      {1,   3}, {2,   3},  // 1 bit a pixel
      {3,   3}, {4,   3},  // 2 bits
      {5,   3}, {16,  3},  // 4 bits
      {17,  3}, {256, 3},  // 8 bits
      {257, 2},  // one too many for a palette
  };
  // clang-format on
  for (const Case& c : cases) {
    // Odd-sized, each colour in runs of two: the colours are the numbers 0..c.colours - 1.
    QImage image(37, 17, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const int i = (y * image.width() + x) / 2 % c.colours;
        image.setPixel(x, y, qRgb(i % 256, i / 256 * 100, 9));
      }
    const std::string png = EncodePng(image);
    EXPECT_EQ(PngColourType(png), c.colourType) << c.colours;
    EXPECT_TRUE(FromPng(png) == image) << c.colours;
  }
  EXPECT_EQ(PngColourType(ChartPng(test::SpacedRecord(), 1, 4)), 3);
}

TEST(ChartOutputs, BitmapOfAnImageKeepsItsPixelsWhenTheImageIsPaintedOverAndGone) {
  // The bitmap shares the rendered image's rows; the canvas paints the next chart into the same
  // image, which must then get rows of its own.
  auto image = std::make_unique<QImage>(3, 2, QImage::Format_RGB32);
  image->fill(qRgb(10, 20, 30));
  image->setPixel(2, 1, qRgb(200, 100, 50));
  const gif::TBitmap bitmap = BitmapFromImage(*image);
  image->fill(Qt::black);
  image.reset();
  ASSERT_EQ(bitmap.BitCount(), 32);
  const std::uint8_t* top = bitmap.ScanLine(0);
  const std::uint8_t* bottom = bitmap.ScanLine(1);
  EXPECT_EQ(std::vector<int>(top, top + 3), (std::vector<int>{30, 20, 10}));  // blue, green, red
  EXPECT_EQ(std::vector<int>(bottom + 8, bottom + 11), (std::vector<int>{50, 100, 200}));
}

TEST(ChartOutputs, OnlyScalesOneTwoAndFour) {
  const analysis::RecordData record = test::SpacedRecord();
  for (int scale : {1, 2, 4}) EXPECT_TRUE(IsPngScale(scale)) << scale;
  for (int scale : {-1, 0, 3, 8}) {
    EXPECT_FALSE(IsPngScale(scale)) << scale;
    EXPECT_THROW(ChartImageAtScale(record, 1, scale), std::invalid_argument) << scale;
  }
  try {
    ChartPng(record, 1, 3);
    ADD_FAILURE() << "scale 3 accepted";
  } catch (const std::invalid_argument& e) {
    EXPECT_STREQ(e.what(), "the chart scale must be 1, 2 or 4, not 3");
  }
}

// Counts the SVG's elements by name and, for rectangles, by the fill they are drawn with (set on an
// enclosing group or on the element).
struct SvgCounts {
  std::map<QString, int> elements;
  std::map<QString, int> rectsByFill;
  bool wellFormed = false;
};

SvgCounts CountSvg(const std::string& svg) {
  SvgCounts counts;
  QXmlStreamReader xml(QByteArray::fromStdString(svg));
  std::vector<QString> fills{QString()};
  while (!xml.atEnd()) {
    const QXmlStreamReader::TokenType token = xml.readNext();
    if (token == QXmlStreamReader::StartElement) {
      const QString fill = xml.attributes().hasAttribute("fill")
                               ? xml.attributes().value("fill").toString().toLower()
                               : fills.back();
      fills.push_back(fill);
      ++counts.elements[xml.name().toString()];
      if (xml.name() == QStringLiteral("rect")) ++counts.rectsByFill[fill];
    } else if (token == QXmlStreamReader::EndElement) {
      fills.pop_back();
    }
  }
  counts.wellFormed = !xml.hasError();
  return counts;
}

TEST(ChartOutputs, SvgHoldsOneRectanglePerMarker) {
  const analysis::LoadedRecord loaded = test::SampleRecord();
  for (int s = 1; s <= 4; ++s) {
    const SvgCounts counts = CountSvg(ChartSvg(loaded.Record, s));
    ASSERT_TRUE(counts.wellFormed) << s;
    EXPECT_EQ(counts.elements.at("svg"), 1);
    const int wrong = loaded.Record.SubtestErrors[s];
    EXPECT_EQ(counts.rectsByFill.count("#ff0000") ? counts.rectsByFill.at("#ff0000") : 0, wrong)
        << s;
    EXPECT_EQ(counts.rectsByFill.at("#008000"), 140 - wrong) << s;
    EXPECT_GT(counts.elements.at("text"), 10) << "title, foot, axis labels and titles as text";
  }
}

TEST(ChartOutputs, PdfIsOnePageOfTheChartsSizeWithItsText) {
  if (!HavePoppler()) GTEST_SKIP() << "pdfinfo and pdftotext (poppler-utils) are not installed";
  testsupport::TempFolder folder("outputs");
  const analysis::LoadedRecord loaded = test::SampleRecord();
  const std::filesystem::path pdf = folder.Write("chart.pdf", ChartPdf(loaded.Record, 2));
  const std::string info = PdfInfo(pdf);
  EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
  // 1023 x 369 pixels at 96 to the inch are 767.25 x 276.75 points, in whole points.
  EXPECT_NE(info.find("Page size:       767 x 277 pts"), std::string::npos) << info;
  const std::string text = WithoutSpaces(PdfText(pdf));
  EXPECT_NE(text.find(WithoutSpaces("График времени реакции на стимулы - \"Чтение слов - названий "
                                    "цветов (шрифт черный)\" [ЧНЦч]")),
            std::string::npos)
      << text;
  EXPECT_NE(text.find(WithoutSpaces("Код: 0507  Имя: Петрова А.С.")), std::string::npos) << text;
}

TEST(ChartOutputs, CopyPutsTheImageOnTheClipboard) {
  const QImage image = ChartImage(test::SpacedRecord(), 3);
  QGuiApplication::clipboard()->clear();
  ASSERT_TRUE(QGuiApplication::clipboard()->image().isNull());
  CopyImageToClipboard(image);
  const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(copied.size(), QSize(1023, 369));
  EXPECT_TRUE(copied == image);
}

}  // namespace
}  // namespace app
