// A series drawn as a polyline with optional markers, and its hit test against markers and lines.
#pragma once

#include <cstdint>
#include <functional>

#include "chart/TChartBrush.h"
#include "chart/TChartPen.h"
#include "chart/TChartSeries.h"
#include "chart/TSeriesPointer.h"

namespace chart {

// TCustomSeries: the line-and-marker drawing and hit test that TLineSeries switches on.
class TCustomSeries : public TChartSeries {
 public:
  TCustomSeries();

  // ---- Drawing and hit testing ----
  // One pass over the visible points: every segment, then the markers on top of it.
  void DrawAllPoints(TChartCanvas& canvas) override;
  void DrawPoint(TChartCanvas& canvas, int valueIndex) override;
  // Draws the pointer of one point at pixel (x, y).
  void DrawMarker(TChartCanvas& canvas, int x, int y, TColor color, int valueIndex);
  void GetHorizMargins(int& left, int& right) const override;
  void GetVertMargins(int& top, int& bottom) const override;

  int PointAtPixel(int x, int y) override;
  // (px, py) is the point's pixel, (x, y) the tested one: strictly inside the half-sizes.
  bool PointerHit(int valueIndex, int px, int py, int x, int y) const;

  // ---- Settings the drawing reads ----
  // Style and width of the connecting line; each segment takes the colour of the point it ends at.
  TChartPen& LinePen() { return linePen_; }
  const TChartPen& LinePen() const { return linePen_; }
  // The gaps of a dashed or dotted line show what lies under it instead of the background colour.
  bool TransparentLineGaps() const { return transparentLineGaps_; }
  void SetTransparentLineGaps(bool value) { SetProperty(transparentLineGaps_, value); }
  TSeriesPointer& Pointer() { return pointer_; }
  const TSeriesPointer& Pointer() const { return pointer_; }
  bool Stairs() const { return stairs_; }
  void SetStairs(bool value) { SetProperty(stairs_, value); }
  bool InvertedStairs() const { return invertedStairs_; }
  void SetInvertedStairs(bool value) { SetProperty(invertedStairs_, value); }
  // The area itself is not filled; an area series starts its line at the point left of the plot
  // instead of at the plot's edge, and its ribbon height asks for no room.
  bool DrawArea() const { return drawArea_; }
  void SetDrawArea(bool value) { SetProperty(drawArea_, value); }
  // The 3-D ribbon is not drawn, but its height asks the vertical axis for room below.
  int LineHeight() const { return lineHeight_; }
  void SetLineHeight(int value) { SetProperty(lineHeight_, value); }

  // Line segments take part in the hit test.
  bool HitTestsLines() const { return true; }
  // The connecting line is drawn (line series).
  bool DrawsLine() const { return drawsLine_; }

  // ---- Events ----
  // Chooses a point's marker shape instead of Pointer.Style when assigned.
  std::function<TSeriesPointerStyle(TCustomSeries&, int valueIndex)> OnGetPointerStyle;
  // Fired by the hit test when it finds a point by its marker.
  std::function<void(TCustomSeries&, int valueIndex, int x, int y)> OnClickPointer;

  // ---- Stored, not drawn ----
  // Kept as settings only: 3-D ribbons and area fills are not drawn.
  TBrushStyle LineBrush() const { return lineBrush_; }
  void SetLineBrush(TBrushStyle value) { SetProperty(lineBrush_, value); }
  bool Dark3D() const { return dark3D_; }
  void SetDark3D(bool value) { SetProperty(dark3D_, value); }
  TColor AreaColor() const { return areaColor_; }
  void SetAreaColor(TColor value) { SetProperty(areaColor_, value); }
  TBrushStyle AreaBrush() const { return areaBrush_; }
  void SetAreaBrush(TBrushStyle value) { SetProperty(areaBrush_, value); }
  TChartPen& AreaLinesPen() { return areaLinesPen_; }

 protected:
  bool KeepsPointBeyondEdge() const override { return true; }
  void SetDrawsLine(bool value) { drawsLine_ = value; }

 private:
  void DrawSegment(TChartCanvas& canvas, int x, int y, TColor color, int valueIndex, bool last,
                   bool withMarkers);
  // Where the segment from point i - 1 to point i crosses the vertical line x = prevX_.
  int EdgeY(int valueIndex) const;
  bool NearDrawnSegment(TCanvasPoint p, TCanvasPoint from, TCanvasPoint to) const;

  TChartPen linePen_;
  TSeriesPointer pointer_;
  bool transparentLineGaps_ = false;
  bool stairs_ = false;
  bool invertedStairs_ = false;
  bool drawArea_ = false;
  int lineHeight_ = 0;
  bool drawsLine_ = false;

  // Stored, not drawn.
  TBrushStyle lineBrush_ = bsSolid;
  bool dark3D_ = true;
  TColor areaColor_ = clNotSet;
  TBrushStyle areaBrush_ = bsSolid;
  TChartPen areaLinesPen_;

  // Drawing state of one DrawAllPoints pass: the pixel, colour and index of the last point drawn.
  int prevX_ = 0;
  int prevY_ = 0;
  TColor prevColor_ = clNone;
  int prevIndex_ = -1;
};

}  // namespace chart
