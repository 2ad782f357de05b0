// The main window's chart settings, set with the chart's loading flag on: BackColor then leaves the
// back wall's brush style alone, and the brush turns solid when it is given its colour.
#include "stroopchart/MainChartSetup.h"

#include <string>

#include "runtime/Cp1251.h"

namespace stroopchart {

using namespace chart;

namespace {

void SetArialFont(TChartFont& font, int pixelHeight, TColor color) {
  font.SetName("Arial");
  font.SetHeight(-pixelHeight);
  font.SetColor(color);
  font.SetStyle(0);
}

// Settings all four series share.
void SetUpLineSeries(TLineSeries& series, TColor color, bool pointerVisible, TPenStyle lineStyle,
                     int arrowLength) {
  series.Marks().SetVisible(false);
  series.Marks().SetArrowLength(arrowLength);
  series.SetSeriesColor(color);
  series.Pointer().SetInflateMargins(true);
  series.Pointer().SetStyle(psRectangle);
  series.Pointer().SetVisible(pointerVisible);
  series.LinePen().SetStyle(lineStyle);
  for (TChartValueList* list : {&series.XValues(), &series.YValues()}) {
    list->SetDateTime(false);
    list->SetMultiplier(1);
  }
  series.XValues().SetName("X");
  series.XValues().SetOrder(loAscending);
  series.YValues().SetName("Y");
  series.YValues().SetOrder(loNone);
}

}  // namespace

void SetUpMainChart(TChart& chart, TMainChartSeries& series) {
  chart.SetLoading(true);
  chart.SetBounds(kMainChartLeft, kMainChartTop, kMainChartWidth, kMainChartHeight);
  chart.SetAllowPanning(pmNone);
  chart.SetAllowZoom(false);
  chart.SetView3D(false);
  chart.Legend().SetVisible(false);
  chart.BackWall().Brush().SetColor(clWhite);  // a clear brush given a colour turns solid
  chart.BackWall().SetColor(clWhite);
  chart.SetBackColor(clWhite);
  chart.SetMarginTop(2);
  chart.SetMarginBottom(2);
  chart.SetMarginLeft(1);
  chart.SetMarginRight(1);
  chart.SetScaleLastPage(false);

  SetArialFont(chart.Title().Font(), 15, clBlue);
  chart.Title().Text().Clear();
  chart.Title().Text().Add(runtime::Cp1251FromUtf8("График времени реакции на стимулы - "));
  chart.Title().Text().Add("SD");
  SetArialFont(chart.Foot().Font(), 15, clBlue);
  chart.Foot().Text().Clear();
  chart.Foot().Text().Add(std::string());  // replaced by the identification line on every load

  TChartAxis& bottom = chart.BottomAxis();
  bottom.SetAxisValuesFormat("##0.");
  bottom.SetLabelsOnAxis(false);
  bottom.SetLabelStyle(talValue);
  bottom.Title().SetCaption(runtime::Cp1251FromUtf8("Номер стимула"));
  SetArialFont(bottom.Title().Font(), 13, clBlack);

  TChartAxis& left = chart.LeftAxis();
  left.SetAxisValuesFormat("#0.");
  // Times often span less than a second: labels 0.05 apart must not all read "1" or "0".
  left.SetLabelsDecimalsFromIncrement(true);
  left.SetExactDateTime(false);
  left.Title().SetCaption(runtime::Cp1251FromUtf8("Время реакции, сек [Mean+/-2SD]"));
  SetArialFont(left.Title().Font(), 13, clBlack);

  SetUpLineSeries(series.Series5sec, clRed, true, psSolid, 0);
  series.Series5sec.SetShowInLegend(false);
  SetUpLineSeries(series.Series5secAv, clBlue, false, psSolid, 8);
  SetUpLineSeries(series.Series5sec2Dp, kMainChartBandColor, false, psDashDot, 8);
  SetUpLineSeries(series.Series5sec2Dm, kMainChartBandColor, false, psDashDot, 8);
  // The band lines' gaps show the markers, the stimulus line and the grid beneath them, and the
  // mean is drawn after the bands so that a band on the same row (SD 0) never hides it.
  series.Series5sec2Dp.SetTransparentLineGaps(true);
  series.Series5sec2Dm.SetTransparentLineGaps(true);
  series.Series5secAv.SetZOrder(1);
  for (TLineSeries* s :
       {&series.Series5sec, &series.Series5secAv, &series.Series5sec2Dp, &series.Series5sec2Dm})
    s->SetParentChart(&chart);
  chart.SetLoading(false);
}

}  // namespace stroopchart
