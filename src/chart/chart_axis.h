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

// One axis of the chart: its settings, and the state each paint rebuilds (range, pixel
// positions, the positions of the ticks drawn). Only the bottom and the left axis exist.
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

  // Per-paint state.
  AxisScale Scale;
  TAxisLabelStyle ResolvedLabelStyle = TAxisLabelStyle::talNone;
  int AxisPos = 0;    // the axis line: a y for the bottom axis, an x for the left axis
  int LabelsPos = 0;  // the labels' edge facing the axis
  int TitlePos = 0;   // the title's edge facing the axis
  std::vector<int> TickPositions;

  // Pixels taken by the axis line and its ticks, across the axis.
  int LineAndTicksSize() const;
  // Takes the axis' space from the plotting rectangle: the bottom axis from its bottom
  // edge, the left axis from its left edge; title first, then labels, then line and ticks.
  void ReserveSpace(gfx::Rect& chartRect, int titleSize, int labelsSize);
  // Sets the pixel positions from the final plotting rectangle.
  void SetPositions(const gfx::Rect& chartRect);

  // Drawing, in the order the chart calls them. The canvas font is the axis font.
  void DrawTitle(gfx::Canvas& canvas, const gfx::Font& font, int fontHeight) const;
  void DrawLabels(gfx::Canvas& canvas, std::span<const AxisLabel> labels, int fontHeight);
  void DrawLine(gfx::Canvas& canvas) const;
  void DrawTicks(gfx::Canvas& canvas) const;

 private:
  void TickLine(gfx::Canvas& canvas, int pos, int from, int length) const;

  double m_increment = 0;
};

}  // namespace orvanta::chart
