#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_value_list.h"
#include "gfx/color.h"

namespace orvanta::chart {

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

  TChartValueList XValues{"X", ValueListOrder::loAscending};
  TChartValueList YValues{"Bar", ValueListOrder::loNone};

  bool Active = true;
  bool ColorEachPoint = false;
  gfx::Color SeriesColor = gfx::AutoColor;
  bool UseYOrigin = true;
  double YOrigin = 0;

  // First and last index drawn by the last paint; -1 when none.
  int FirstVisibleIndex = -1;
  int LastVisibleIndex = -1;

  // Called after every change of the points, so the chart can repaint.
  std::function<void()> OnChanged;

 private:
  void Changed();

  std::vector<std::string> m_labels;
  std::optional<std::vector<gfx::Color>> m_colors;  // absent until a point has its own colour
};

}  // namespace orvanta::chart
