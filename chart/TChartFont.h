// A chart font: family, pixel height, colour and style; "Arial" 8 points black unless told
// otherwise.
#pragma once

#include <cstdint>
#include <string>

#include "chart/TChartPersistent.h"
#include "chart/TColor.h"

namespace chart {

enum TFontStyle : std::uint8_t {
  fsBold = 1,
  fsItalic = 2,
  fsUnderline = 4,
  fsStrikeOut = 8,
};
using TFontStyles = std::uint8_t;

// The screen resolution the point sizes are converted with.
inline constexpr int kScreenPixelsPerInch = 96;

class TChartFont : public TChartPersistent {
 public:
  TChartFont() = default;

  const std::string& Name() const { return name_; }
  void SetName(std::string value) { SetProperty(name_, std::move(value)); }
  // Negative: the character height in pixels; positive: the cell height (with internal leading).
  int Height() const { return height_; }
  void SetHeight(int value) { SetProperty(height_, value); }
  // Points at 96 dots per inch, derived from and stored as Height.
  int Size() const;
  void SetSize(int points);
  TColor Color() const { return color_; }
  void SetColor(TColor value) { SetProperty(color_, value); }
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles value) { SetProperty(style_, value); }

  void Assign(const TChartFont& source);

 private:
  std::string name_ = "Arial";
  int height_ = -11;  // 8 points
  TColor color_ = clBlack;
  TFontStyles style_ = 0;
};

}  // namespace chart
