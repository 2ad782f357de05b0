// The chart: a panel with title, foot, back wall, five axes and a list of series; it lays itself
// out and draws itself completely on every paint into an off-screen canvas.
// Names: a leading T marks an engine type (TChart, TChartAxis, TLineSeries); enumerators carry a
// short prefix of their type (bvRaised is a TPanelBevel, psDot a TPenStyle, talValue a
// TAxisLabelStyle).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/StoreIfChanged.h"
#include "chart/TChartAxis.h"
#include "chart/TChartCanvas.h"
#include "chart/TChartGradient.h"
#include "chart/TChartLegend.h"
#include "chart/TChartPen.h"
#include "chart/TChartTitle.h"
#include "chart/TChartWall.h"
#include "chart/TColor.h"
#include "chart/TRect.h"

namespace chart {

class TChartSeries;

// The panel's edge: none, sunk, raised or a flat gap.
enum class TPanelBevel : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
using enum TPanelBevel;

// The directions in which the mouse may drag the plot.
enum class TPanningMode : std::uint8_t { pmNone, pmHorizontal, pmVertical, pmBoth };
using enum TPanningMode;

// The 3-D view settings, stored only (the chart draws flat).
struct TView3DOptions {
  int Elevation = 345;
  int HorizOffset = 0;
  int VertOffset = 0;
  int Rotation = 345;
  bool Orthogonal = true;
  int Perspective = 15;
  int Zoom = 100;
  friend bool operator==(const TView3DOptions&, const TView3DOptions&) = default;
};

// TChart: the chart control; it owns its axes, title, foot and walls and draws the series that
// joined it.
class TChart {
 public:
  TChart();
  // Detaches every series still in the list.
  ~TChart();
  TChart(const TChart&) = delete;
  TChart& operator=(const TChart&) = delete;

  // ---- Painting ----
  // The host (a window, or a test) is told once per Invalidate that a repaint is due.
  void SetOnInvalidate(std::function<void()> callback) { onInvalidate_ = std::move(callback); }
  // The off-screen canvas the chart paints into; the chart owns it.
  void SetCanvas(std::unique_ptr<TChartCanvas> canvas);
  TChartCanvas* Canvas() const { return canvas_.get(); }
  // Marks the image dirty and asks the host for a repaint. Ignored during construction.
  void Invalidate();
  bool ImageDirty() const { return dirty_; }
  // A full layout and draw when the image is dirty; otherwise only copies the last image.
  void Paint();

  // Rectangles of the last paint.
  const TRect& PanelBounds() const { return panelBounds_; }
  const TRect& PlotRect() const { return plotRect_; }
  int PlotXCenter() const { return (plotRect_.Left + plotRect_.Right) / 2; }
  int PlotYCenter() const { return (plotRect_.Top + plotRect_.Bottom) / 2; }

  // ---- What the paint draws ----
  // Series list, in the order the series joined. The chart does not own its series.
  int CountSeries() const { return static_cast<int>(series_.size()); }
  TChartSeries* SeriesAt(int index) const;
  const std::vector<TChartSeries*>& SeriesList() const { return series_; }
  // Appends a series not yet in the list and invalidates; called when a series joins the chart.
  void AddSeries(TChartSeries* series);
  // Removes the series from the list and invalidates; called when a series leaves the chart.
  void RemoveSeries(TChartSeries* series);
  bool Destroying() const { return destroying_; }

  TChartAxis& BottomAxis() { return *axes_[0]; }
  TChartAxis& TopAxis() { return *axes_[1]; }
  TChartAxis& LeftAxis() { return *axes_[2]; }
  TChartAxis& RightAxis() { return *axes_[3]; }
  TChartAxis& DepthAxis() { return *axes_[4]; }
  // Bottom, top, left, right, depth.
  const std::array<std::unique_ptr<TChartAxis>, 5>& Axes() const { return axes_; }
  // The chart draws and makes room for an axis only when this holds.
  bool IsAxisShown(const TChartAxis& axis) const;

  TChartTitle& Title() { return title_; }
  TChartTitle& Foot() { return foot_; }
  TChartWall& BackWall() { return backWall_; }
  // The back wall's pen.
  const TChartPen& Frame() const { return backWall_.Pen(); }
  void SetFrame(const TChartPen& pen) { backWall_.Pen().Assign(pen); }
  // The back wall's colour; outside loading, setting it also makes the wall brush solid.
  TColor BackColor() const { return backWall_.Color(); }
  void SetBackColor(TColor value);

  // ---- Settings the layout and drawing read ----
  // Each setter stores a changed value and invalidates.

  // Position and size of the control in its parent's client pixels.
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetBounds(int left, int top, int width, int height);

  // Margins in percent of the bounds: left/right of the width, top/bottom of the height.
  int MarginLeft() const { return margins_[0]; }
  void SetMarginLeft(int value) { SetMargin(0, value); }
  int MarginTop() const { return margins_[1]; }
  void SetMarginTop(int value) { SetMargin(1, value); }
  int MarginRight() const { return margins_[2]; }
  void SetMarginRight(int value) { SetMargin(2, value); }
  int MarginBottom() const { return margins_[3]; }
  void SetMarginBottom(int value) { SetMargin(3, value); }
  // 0 = left, 1 = top, 2 = right, 3 = bottom.
  int Margin(int index) const { return margins_.at(static_cast<std::size_t>(index)); }
  void SetMargin(int index, int value);

  // Panel look.
  TColor Color() const { return color_; }
  void SetColor(TColor value) { SetProperty(color_, value); }
  TPanelBevel BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TPanelBevel value) { SetProperty(bevelOuter_, value); }
  TPanelBevel BevelInner() const { return bevelInner_; }
  void SetBevelInner(TPanelBevel value) { SetProperty(bevelInner_, value); }
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value) { SetProperty(bevelWidth_, value); }
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value) { SetProperty(borderWidth_, value); }

  bool AxisVisible() const { return axisVisible_; }
  void SetAxisVisible(bool value) { SetProperty(axisVisible_, value); }
  bool ClipPoints() const { return clipPoints_; }
  void SetClipPoints(bool value) { SetProperty(clipPoints_, value); }
  // The chart always draws flat; View3D only decides whether the depth axis is shown.
  bool View3D() const { return view3D_; }
  void SetView3D(bool value) { SetProperty(view3D_, value); }

  // While stored settings are being applied: range checks between Minimum and Maximum are off,
  // Automatic does not touch its two halves and BackColor does not touch the wall brush.
  bool Loading() const { return loading_; }
  void SetLoading(bool value) { loading_ = value; }

  // ---- Events and the mouse ----
  // The label event may replace an axis label's text (CP1251).
  std::function<void(TChartAxis&, TChartSeries*, int, std::string&)> OnGetAxisLabel;
  std::function<void()> OnBeforeDrawAxes;
  std::function<void()> OnBeforeDrawSeries;
  std::function<void()> OnAfterDraw;
  std::function<void(int x, int y)> OnMouseMove;
  // The host reports a mouse move in client pixels: OnMouseMove runs first, then the chart takes
  // the cursor of the first active series with a cursor of its own that has a point there, or its
  // original cursor.
  void MouseMove(int x, int y);
  int Cursor() const { return cursor_; }

  // ---- Stored, not drawn ----
  // Kept as settings only: the chart draws flat, without gradient, legend or side walls, and
  // neither zooms, pans nor pages.
  int Chart3DPercent() const { return chart3DPercent_; }
  // ChartException "3D effect percent must be between 1 and 100" outside 1..100.
  void SetChart3DPercent(int value);
  const TView3DOptions& View3DOptions() const { return view3DOptions_; }
  void SetView3DOptions(const TView3DOptions& value) { SetProperty(view3DOptions_, value); }
  bool View3DWalls() const { return view3DWalls_; }
  void SetView3DWalls(bool value) { SetProperty(view3DWalls_, value); }
  TChartGradient& Gradient() { return gradient_; }
  bool AllowZoom() const { return allowZoom_; }
  void SetAllowZoom(bool value) { SetProperty(allowZoom_, value); }
  TPanningMode AllowPanning() const { return allowPanning_; }
  void SetAllowPanning(TPanningMode value) { SetProperty(allowPanning_, value); }
  bool AnimatedZoom() const { return animatedZoom_; }
  void SetAnimatedZoom(bool value) { SetProperty(animatedZoom_, value); }
  int MaxPointsPerPage() const { return maxPointsPerPage_; }
  // ChartException "MaxPointsPerPage must be >= 0" when negative.
  void SetMaxPointsPerPage(int value);
  bool ScaleLastPage() const { return scaleLastPage_; }
  void SetScaleLastPage(bool value) { SetProperty(scaleLastPage_, value); }
  int Page() const { return page_; }
  TChartWall& LeftWall() { return leftWall_; }
  TChartWall& BottomWall() { return bottomWall_; }
  TChartLegend& Legend() { return legend_; }

 private:
  // Stores a different value and invalidates.
  template <class T, class U>
  void SetProperty(T& field, const U& value) {
    StoreIfChanged(field, value, [this] { Invalidate(); });
  }
  void NormalizePlotRect();
  void DrawBackground();
  void LayoutAxes();
  void DrawSeries();

  std::function<void()> onInvalidate_;
  std::unique_ptr<TChartCanvas> canvas_;
  bool constructed_ = false;
  bool destroying_ = false;
  bool dirty_ = true;
  bool painted_ = false;
  bool loading_ = false;
  int cursor_ = 0;
  int originalCursor_ = 0;

  TRect panelBounds_;
  TRect plotRect_;
  std::vector<TChartSeries*> series_;
  std::array<std::unique_ptr<TChartAxis>, 5> axes_;
  TChartTitle title_;
  TChartTitle foot_;
  TChartWall backWall_;

  int left_ = 0;
  int top_ = 0;
  int width_ = 400;
  int height_ = 250;
  std::array<int, 4> margins_{3, 4, 3, 4};
  TColor color_ = clBtnFace;
  TPanelBevel bevelOuter_ = bvRaised;
  TPanelBevel bevelInner_ = bvNone;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  bool axisVisible_ = true;
  bool clipPoints_ = true;
  bool view3D_ = true;

  // Stored, not drawn.
  int chart3DPercent_ = 15;
  TView3DOptions view3DOptions_;
  bool view3DWalls_ = true;
  TChartGradient gradient_;
  bool allowZoom_ = true;
  TPanningMode allowPanning_ = pmBoth;
  bool animatedZoom_ = false;
  int maxPointsPerPage_ = 0;
  bool scaleLastPage_ = true;
  int page_ = 1;
  TChartWall leftWall_;
  TChartWall bottomWall_;
  TChartLegend legend_;
};

}  // namespace chart
