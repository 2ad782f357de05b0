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

void TChartTitle::DrawTitleFoot(TChartCanvas& canvas, TRect& plotRect, bool isFoot) {
  canvas.AssignFont(font_);
  const int h = canvas.FontHeight();

  // Brush and background.
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

  // Frame: counts only when visible with a colour.
  const bool frameCounts = frame_.Visible() && frame_.Color() != clNotSet;
  int f = 0;
  if (frameCounts) {
    canvas.AssignChartPen(frame_);
    f = frame_.Width();
  } else {
    canvas.Pen().Style = psClear;
  }

  // The working rectangle starts 5 pixels "inside out", so that a block without lines takes no
  // room beyond its frame once the gap is added back below.
  const int lines = text_.Count();
  TRect r{plotRect.Left + f, 0, plotRect.Right - f, 0};
  if (isFoot) {
    r.Bottom = plotRect.Bottom - f;
    r.Top = r.Bottom + TitleFootDistance;
    if (lines > 0) r.Top = r.Bottom - lines * h;
  } else {
    r.Top = plotRect.Top + f;
    r.Bottom = r.Top - TitleFootDistance;
    if (lines > 0) r.Bottom = r.Top + lines * h;
  }
  titleRect_ = r;
  titleRect_.Inflate(f, f);

  const int wWidth = canvas.TextWidth("W");
  std::vector<int> widths;
  widths.reserve(text_.Lines().size());
  for (const std::string& line : text_.Lines()) widths.push_back(canvas.TextWidth(line));

  if (frameCounts || canvas.Brush().Style != bsClear) {
    if (adjustFrame_) {
      const int widest = widths.empty() ? 0 : *std::max_element(widths.begin(), widths.end());
      const int w = wWidth + widest;
      if (alignment_ == taLeftJustify) {
        titleRect_.Right = titleRect_.Left + w;
      } else if (alignment_ == taRightJustify) {
        titleRect_.Left = titleRect_.Right - w;
      } else {
        const int c = (titleRect_.Left + titleRect_.Right) / 2;
        titleRect_.Left = c - w / 2;
        titleRect_.Right = c + w / 2;
      }
    }
    canvas.Rectangle(titleRect_);
  }

  canvas.SetTextAlign(TA_LEFT | TA_TOP);
  auto lineX = [&](int width) {
    if (alignment_ == taLeftJustify) return r.Left + wWidth / 2;
    if (alignment_ == taRightJustify) return r.Right - width - wWidth / 2;
    return (r.Left + r.Right) / 2 - width / 2;
  };
  if (isFoot) {
    int bottom = r.Bottom;
    for (int i = lines - 1; i >= 0; --i) {
      canvas.TextOut(lineX(widths[static_cast<std::size_t>(i)]), bottom - h, text_.Strings(i));
      bottom -= h;
    }
    r.Top -= f;
    plotRect.Bottom = r.Top - TitleFootDistance;
  } else {
    int top = r.Top;
    for (int i = 0; i < lines; ++i) {
      canvas.TextOut(lineX(widths[static_cast<std::size_t>(i)]), top, text_.Strings(i));
      top += h;
    }
    r.Bottom += f;
    plotRect.Top = r.Bottom + TitleFootDistance;
  }
}

}  // namespace chart
