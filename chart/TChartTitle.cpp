// Laying out and drawing the title block (at the top of the plot) and the foot block (at the
// bottom).
#include "chart/TChartTitle.h"

#include <algorithm>

#include "chart/TChartCanvas.h"

namespace chart {

TChartTitle::TChartTitle() {
  font_.SetColor(clBlue);
  auto changed = [this] { Changed(); };
  text_.SetOnChange(changed);
  font_.SetOnChange(changed);
  frame_.SetOnChange(changed);
  brush_.SetOnChange(changed);
}

bool TChartTitle::Clicked(int x, int y) const { return visible_ && titleRect_.Contains(x, y); }

void TChartTitle::SelectBrush(TChartCanvas& canvas) {
  if (color_ == clNotSet) {
    if (brush_.Style() != bsSolid) {
      canvas.Brush().Style = brush_.Style();
      canvas.Brush().Color = brush_.Color() == clNotSet ? clBlack : brush_.Color();
      canvas.SetBackMode(bmTransparent);
    } else if (brush_.Color() == clNotSet) {
      canvas.Brush().Style = bsClear;
      canvas.SetBackMode(bmTransparent);
    } else {
      color_ = brush_.Color();  // the block takes the brush colour (without a repaint)
      canvas.Brush() = {brush_.Color(), bsSolid};
    }
  } else if (brush_.Style() != bsSolid) {
    canvas.Brush().Style = brush_.Style();
    canvas.SetBackMode(bmOpaque);
    canvas.SetBackColor(color_);
  } else {
    canvas.Brush() = {color_, bsSolid};
  }
}

bool TChartTitle::SelectFrame(TChartCanvas& canvas) const {
  // A frame without a colour is not drawn and takes no room.
  const bool counts = frame_.Visible() && frame_.Color() != clNotSet;
  if (counts)
    canvas.AssignChartPen(frame_);
  else
    canvas.Pen().Style = psClear;
  return counts;
}

TRect TChartTitle::TextRect(const TRect& plotRect, int frame, int lineHeight, bool isFoot) const {
  // Without lines the rectangle is 5 pixels "inside out", so that the block takes no room
  // beyond its frame once the gap to the plot is added back.
  const int lines = text_.Count();
  TRect r{plotRect.Left + frame, 0, plotRect.Right - frame, 0};
  if (isFoot) {
    r.Bottom = plotRect.Bottom - frame;
    r.Top = lines > 0 ? r.Bottom - lines * lineHeight : r.Bottom + kTitleFootDistance;
  } else {
    r.Top = plotRect.Top + frame;
    r.Bottom = lines > 0 ? r.Top + lines * lineHeight : r.Top - kTitleFootDistance;
  }
  return r;
}

void TChartTitle::FitFrameToText(int textWidth) {
  if (alignment_ == taLeftJustify) {
    titleRect_.Right = titleRect_.Left + textWidth;
  } else if (alignment_ == taRightJustify) {
    titleRect_.Left = titleRect_.Right - textWidth;
  } else {
    const int c = (titleRect_.Left + titleRect_.Right) / 2;
    titleRect_.Left = c - textWidth / 2;
    titleRect_.Right = c + textWidth / 2;
  }
}

void TChartTitle::DrawLines(TChartCanvas& canvas, const TRect& r, int lineHeight, int wWidth,
                            const std::vector<int>& widths, bool isFoot) const {
  canvas.SetTextAlign(kAlignLeft | kAlignTop);
  const int lines = text_.Count();
  // The foot grows upwards from the plot, so it draws its last line first.
  for (int k = 0; k < lines; ++k) {
    const int i = isFoot ? lines - 1 - k : k;
    const int width = widths[static_cast<std::size_t>(i)];
    int x = (r.Left + r.Right) / 2 - width / 2;
    if (alignment_ == taLeftJustify) x = r.Left + wWidth / 2;
    if (alignment_ == taRightJustify) x = r.Right - width - wWidth / 2;
    canvas.TextOut(x, r.Top + i * lineHeight, text_.Strings(i));
  }
}

void TChartTitle::DrawTitleFoot(TChartCanvas& canvas, TRect& plotRect, bool isFoot) {
  canvas.AssignFont(font_);
  const int h = canvas.FontHeight();
  SelectBrush(canvas);
  const bool frameCounts = SelectFrame(canvas);
  const int f = frameCounts ? frame_.Width() : 0;

  const TRect r = TextRect(plotRect, f, h, isFoot);
  titleRect_ = r;
  titleRect_.Inflate(f, f);

  const int wWidth = canvas.TextWidth("W");
  std::vector<int> widths;
  widths.reserve(text_.Lines().size());
  for (const std::string& line : text_.Lines()) widths.push_back(canvas.TextWidth(line));

  if (frameCounts || canvas.Brush().Style != bsClear) {
    if (adjustFrame_) {
      const int widest = widths.empty() ? 0 : *std::max_element(widths.begin(), widths.end());
      FitFrameToText(wWidth + widest);
    }
    canvas.Rectangle(titleRect_);
  }
  DrawLines(canvas, r, h, wWidth, widths, isFoot);

  if (isFoot)
    plotRect.Bottom = r.Top - f - kTitleFootDistance;
  else
    plotRect.Top = r.Bottom + f + kTitleFootDistance;
}

}  // namespace chart
