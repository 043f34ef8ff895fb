#pragma once

#include <span>
#include <string>
#include <vector>

#include "chart/axis_labels.h"
#include "chart/axis_scale.h"
#include "chart/chart_pen.h"
#include "gfx/canvas.h"

namespace orvanta::chart {

enum class TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };

// Bottom and top axes are horizontal; the bar series stand on the horizontal one.
enum class AxisOrientation { Horizontal, Vertical };

struct TChartAxisTitle {
  std::string Caption;
  int Angle = 0;  // degrees; 90 reads upwards
  bool Visible = true;
};

// Where an axis goes in a chart's layout, client pixels: its scale, the edges its parts face,
// and the labels it shows.
struct AxisLayout {
  AxisScale Scale;
  TAxisLabelStyle ResolvedLabelStyle = TAxisLabelStyle::talNone;
  int AxisPos = 0;    // the axis line: a y for the bottom axis, an x for the left axis
  int LabelsPos = 0;  // the labels' edge facing the axis
  int TitlePos = 0;   // the title's edge facing the axis
  std::vector<AxisLabel> Labels;

  // A major tick stands at each label.
  std::vector<int> TickPositions() const;
};

// One axis of the chart: its settings, and the steps that lay it out and draw it from its
// layout. Only the bottom and the left axis exist.
class TChartAxis {
 public:
  explicit TChartAxis(AxisOrientation orientation);

  const bool Horizontal;
  bool Visible = true;
  // With Automatic on, the range is taken from the series; otherwise Minimum..Maximum.
  bool Automatic = true;
  bool AutomaticMinimum = true;
  bool AutomaticMaximum = true;
  double Minimum = 0;
  double Maximum = 0;

  TAxisLabelStyle LabelStyle = TAxisLabelStyle::talAuto;
  int LabelsSeparation = 10;
  std::string AxisValuesFormat = "#,##0.###";
  bool LabelsOnAxis = true;
  bool RoundFirstLabel = true;

  TChartPen Axis{gfx::clBlack, 2};
  TChartPen Ticks{kDarkGray, 1};
  int TickLength = 4;
  TChartPen TicksInner{kDarkGray, 1};
  int TickInnerLength = 0;
  TChartPen MinorTicks{kDarkGray, 1};
  int MinorTickLength = 2;
  int MinorTickCount = 3;
  TChartAxisTitle Title;

  // The label step; 0 chooses it automatically. A negative step is refused with
  // std::invalid_argument.
  double Increment() const { return m_increment; }
  void SetIncrement(double increment);

  AxisLabelSettings LabelSettings() const;
  bool IsAutomaticMinimum() const { return Automatic && AutomaticMinimum; }
  bool IsAutomaticMaximum() const { return Automatic && AutomaticMaximum; }
  // Fixes the range, as zooming and scrolling do.
  void SetMinMax(double minimum, double maximum);

  // Pixels taken by the axis line and its ticks, across the axis.
  int LineAndTicksSize() const;
  // Takes the axis' space from the plotting rectangle: the bottom axis from its bottom
  // edge, the left axis from its left edge; title first, then labels, then line and ticks.
  void ReserveSpace(AxisLayout& layout, gfx::Rect& chartRect, int titleSize, int labelsSize) const;
  // Sets the pixel positions from the plotting rectangle.
  void SetPositions(AxisLayout& layout, const gfx::Rect& chartRect) const;

  // Drawing, in the order the chart calls them.
  void DrawTitle(gfx::Canvas& canvas, const AxisLayout& layout, const gfx::Font& font,
                 int fontHeight) const;
  // In the canvas font, which is the labels' font.
  void DrawLabels(gfx::Canvas& canvas, const AxisLayout& layout, int fontHeight) const;
  void DrawLine(gfx::Canvas& canvas, const AxisLayout& layout) const;
  void DrawTicks(gfx::Canvas& canvas, const AxisLayout& layout) const;

 private:
  void TickLine(gfx::Canvas& canvas, const AxisLayout& layout, int pos, int from, int length) const;

  double m_increment = 0;
};

}  // namespace orvanta::chart
