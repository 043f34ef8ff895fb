#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/axis_scale.h"
#include "chart/bar_layout.h"
#include "chart/chart_pen.h"
#include "chart/chart_value_list.h"
#include "gfx/canvas.h"
#include "gfx/color.h"

namespace orvanta::chart {

// What a point's mark (and the marks tip) says about it.
enum class TSeriesMarksStyle {
  smsValue,
  smsPercent,
  smsLabel,
  smsLabelPercent,
  smsLabelValue,
  smsLegend,
  smsPercentTotal,
  smsLabelPercentTotal,
  smsXValue,
  smsXY,
  smsSeriesTitle,
  smsPointIndex,
  smsPercentRelative,
};

// Bar shapes. Only the flat rectangle is built, so every style draws as one; the program's
// cylinder bars are plain rectangles in a flat chart anyway.
enum class TBarStyle {
  bsRectangle,
  bsPyramid,
  bsInvPyramid,
  bsCylinder,
  bsEllipse,
  bsArrow,
  bsRectGradient,
  bsCone,
  bsInvArrow,
  bsInvCone,
  bsSlantCube,
  bsDiamond,
  bsBevel,
};

struct TChartBrush {
  gfx::Color Color = gfx::AutoColor;  // the background of hatched fills only
  gfx::BrushStyle Style = gfx::BrushStyle::Solid;
};

// The marks above the bars are never drawn; their style still chooses the mark text.
struct TSeriesMarks {
  bool Visible = true;
  TSeriesMarksStyle Style = TSeriesMarksStyle::smsLabel;
};

// A series of vertical bars: one point per bar, X the category position, Y the bar's value.
class TBarSeries {
 public:
  TBarSeries();

  // Appends a point at the next X position and returns its index.
  int Add(double value, std::string_view label, gfx::Color color = gfx::AutoColor);
  void Clear();

  int Count() const { return XValues.Count(); }
  double XValue(int index) const { return XValues.Value(index); }
  double YValue(int index) const { return YValues.Value(index); }
  std::string Label(int index) const;  // empty when the point has none
  bool HasLabels() const;              // at least one non-empty label
  gfx::Color ValueColor(int index) const;

  double MinXValue() const { return XValues.MinValue(); }
  double MaxXValue() const { return XValues.MaxValue(); }
  // The value axis always spans YOrigin while UseYOrigin is on.
  double MinYValue() const;
  double MaxYValue() const;

  // The text of point `index` in the given marks style; empty for an index out of range.
  std::string MarkText(int index, TSeriesMarksStyle style) const;
  std::string MarkText(int index) const { return MarkText(index, Marks.Style); }

  TChartValueList XValues{"X", ValueListOrder::loAscending};
  TChartValueList YValues{"Bar", ValueListOrder::loNone};

  bool Active = true;
  bool ColorEachPoint = false;
  gfx::Color SeriesColor = gfx::AutoColor;
  bool UseYOrigin = true;
  double YOrigin = 0;

  // Appearance.
  TChartPen BarPen;
  TChartBrush BarBrush;
  TBarStyle BarStyle = TBarStyle::bsRectangle;
  int BarWidthPercent = 70;  // of one category slot
  int OffsetPercent = 0;     // sideways shift, percent of the bar width
  int CustomBarWidth = 0;    // pixels; 0 = computed
  bool AutoBarSize = false;
  bool SideMargins = true;  // one bar width is kept free at each end of the category axis
  std::string ValueFormat = "#,##0.###";
  std::string PercentFormat = "##0.## %";
  TSeriesMarks Marks;

  // Called after every change of the points, so the chart can repaint.
  std::function<void()> OnChanged;

  // The layout steps, in the order the chart takes them; they read the series and write only
  // the layout. A layout stays safe to use after the points change: indices beyond the
  // points are neither drawn nor hit.
  BarLayout Prepare(int barSeriesCount, int barOrder, int slotCount) const;
  // Bar width and margin from the category axis' size in pixels and its value range.
  void CalcBarSize(BarLayout& layout, int categoryAxisSize, double categoryRange) const;
  // Vertical pixel margins: none, as marks are never drawn.
  int VerticalMargin() const { return 0; }
  // The final scales, and with them the points in view.
  void SetScales(BarLayout& layout, const AxisScale& xScale, const AxisScale& yScale) const;

  // Geometry, in client pixels.
  gfx::Rect BarBounds(const BarLayout& layout, int index) const;  // empty out of range
  // The lowest index whose bar contains (x, y), edges included; -1 when none.
  int Clicked(const BarLayout& layout, int x, int y) const;
  // Draws the points in view; the chart has clipped the canvas to its plotting frame.
  void Draw(gfx::Canvas& canvas, const BarLayout& layout) const;

 private:
  void Changed();
  int BarLeft(const BarLayout& layout, int index) const;
  void DrawBar(gfx::Canvas& canvas, const BarLayout& layout, int index) const;
  // The last index the layout shows that still is a point; -1 when none.
  int LastDrawn(const BarLayout& layout) const;

  std::vector<std::string> m_labels;
  std::optional<std::vector<gfx::Color>> m_colors;  // absent until a point has its own colour
};

}  // namespace orvanta::chart
