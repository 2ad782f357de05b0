// Lays out the report's lines and the four charts on A4 pages and draws them through a PDF writer
// whose units are points.
#include "app/PdfReport.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <algorithm>

#include "app/ChartOutputs.h"
#include "app/Cp1251Text.h"
#include "stroopchart/MainChartSetup.h"

namespace app {
namespace {

constexpr int kPointsPerInch = 72;
constexpr qreal kMargin = 42.5;         // 15 mm
constexpr qreal kHeaderHeight = 24;     // header text, rule and the gap below it
constexpr qreal kFooterHeight = 20;     // the gap above the page number and the number
constexpr qreal kChartGap = 12;         // between two charts on the chart page
constexpr qreal kReportPointSize = 10;  // about 85 characters to the line
constexpr qreal kHeaderPointSize = 9;

QFont PdfFont(const char* family, qreal pointSize) {
  QFont font(QString::fromLatin1(family));
  font.setPointSizeF(pointSize);
  // Unhinted advances, so that the layout is the one the page shows at any zoom.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

// The report's lines as they fall on the page: long lines wrapped at word boundaries to `width`.
QStringList WrappedLines(const std::vector<std::string>& reportLines, const QFont& font,
                         QPaintDevice* device, qreal width) {
  QStringList lines;
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  for (const std::string& reportLine : reportLines) {
    const QString text = FromCp1251(reportLine);
    if (text.trimmed().isEmpty()) {
      lines << QString();
      continue;
    }
    QTextLayout layout(text, font, device);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(width);
      QString piece = text.mid(line.textStart(), line.textLength());
      while (!piece.isEmpty() && piece.back().isSpace()) piece.chop(1);
      lines << piece;
    }
    layout.endLayout();
  }
  return lines;
}

class ReportPages {
 public:
  ReportPages(QPdfWriter& writer, const analysis::RecordData& record, const QDate& date)
      : writer_(writer),
        painter_(&writer),
        header_(FromCp1251(record.SubjectLine)),
        date_(date.toString(QStringLiteral("dd.MM.yyyy"))),
        headerFont_(PdfFont("Arial", kHeaderPointSize), &writer),
        page_(writer.pageLayout().paintRectPoints()) {
    body_ = QRectF(page_.left(), page_.top() + kHeaderHeight, page_.width(),
                   page_.height() - kHeaderHeight - kFooterHeight);
  }

  const QRectF& Body() const { return body_; }
  QPainter& Painter() { return painter_; }

  // Starts page `number` of `count` with its header and footer (the first page exists already).
  void StartPage(int number, int count) {
    if (number > 1) writer_.newPage();
    painter_.setFont(headerFont_);
    painter_.setPen(Qt::black);
    const QFontMetricsF metrics(headerFont_, &writer_);
    const qreal dateWidth = metrics.horizontalAdvance(date_);
    const QString header =
        metrics.elidedText(header_, Qt::ElideRight, page_.width() - dateWidth - 12);
    const qreal baseline = page_.top() + metrics.ascent();
    painter_.drawText(QPointF(page_.left(), baseline), header);
    painter_.drawText(QPointF(page_.right() - dateWidth, baseline), date_);
    const qreal rule = baseline + metrics.descent() + 3;
    painter_.setPen(QPen(Qt::black, 0.5));
    painter_.drawLine(QPointF(page_.left(), rule), QPointF(page_.right(), rule));
    painter_.setPen(Qt::black);
    const QString footer = QStringLiteral("Страница %1 из %2").arg(number).arg(count);
    painter_.drawText(QPointF(page_.center().x() - metrics.horizontalAdvance(footer) / 2,
                              page_.bottom() - metrics.descent()),
                      footer);
  }

 private:
  QPdfWriter& writer_;
  QPainter painter_;
  QString header_;
  QString date_;
  QFont headerFont_;
  QRectF page_;
  QRectF body_;
};

}  // namespace

std::string ReportPdf(const analysis::RecordData& record,
                      const std::vector<std::string>& reportLines, const QDate& date) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(kPointsPerInch);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(kMargin, kMargin, kMargin, kMargin),
                                   QPageLayout::Point));
  writer.setTitle(FromCp1251(record.SubjectCode) + QStringLiteral(" Stroop"));
  writer.setCreator(QStringLiteral("stroop-analyser"));
  {
    ReportPages pages(writer, record, date);
    const QRectF body = pages.Body();
    const QFont font(PdfFont("Courier New", kReportPointSize), &writer);
    const QFontMetricsF metrics(font, &writer);
    const QStringList lines = WrappedLines(reportLines, font, &writer, body.width());
    const int linesPerPage = std::max(1, static_cast<int>(body.height() / metrics.lineSpacing()));
    const int textPages = static_cast<int>((lines.size() + linesPerPage - 1) / linesPerPage);
    const int pageCount = textPages + 1;
    QPainter& painter = pages.Painter();
    for (int page = 0; page < textPages; ++page) {
      pages.StartPage(page + 1, pageCount);
      painter.setFont(font);
      const auto first = static_cast<qsizetype>(page) * linesPerPage;
      const auto end = std::min(lines.size(), first + linesPerPage);
      for (qsizetype i = first; i < end; ++i) {
        const qreal top = body.top() + static_cast<qreal>(i - first) * metrics.lineSpacing();
        painter.drawText(QPointF(body.left(), top + metrics.ascent()), lines[i]);
      }
    }
    // The four charts stacked on the last page, as wide as the page lets four of them be.
    pages.StartPage(pageCount, pageCount);
    const qreal aspect =
        static_cast<qreal>(stroopchart::kMainChartHeight) / stroopchart::kMainChartWidth;
    const qreal height = (body.height() - 3 * kChartGap) / analysis::kSubtestCount;
    const qreal width = std::min(body.width(), height / aspect);
    for (int s = 1; s <= analysis::kSubtestCount; ++s) {
      painter.save();
      painter.translate(body.left() + (body.width() - width) / 2,
                        body.top() + (s - 1) * (width * aspect + kChartGap));
      painter.scale(width / stroopchart::kMainChartWidth, width / stroopchart::kMainChartWidth);
      DrawChart(record, s, painter);
      painter.restore();
    }
  }
  return std::string(data.constData(), data.size());
}

}  // namespace app
