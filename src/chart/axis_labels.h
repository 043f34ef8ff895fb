#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "chart/axis_scale.h"

namespace orvanta::chart {

// Text measurement in the font of an axis' labels, in pixels.
class LabelMeasurer {
 public:
  virtual ~LabelMeasurer() = default;
  virtual int TextWidth(std::string_view text) = 0;
  virtual int FontHeight() = 0;  // the height of "W"
};

// The label settings of an axis that the step and label computations read.
struct AxisLabelSettings {
  double Increment = 0;       // 0: the step is chosen automatically
  int LabelsSeparation = 10;  // percent of a label's size kept free between labels
  bool LabelsOnAxis = true;   // value labels at the very ends of the axis are drawn too
  bool RoundFirstLabel = true;
  bool LabelsAlternate = false;
  std::string ValuesFormat = "#,##0.###";
};

struct AxisLabel {
  double Value = 0;
  int Pos = 0;  // client pixels along the axis
  std::string Text;
};

// The next step of the 1, 2, 5, 10, 20, ... ladder strictly above `step`.
double NextStep(double step);

// How many labels of `labelSize` pixels, with their separation, fit on the axis.
int MaxLabelCount(int axisSize, int labelSize, int labelsSeparation);

// The step between value labels. `fewestCategoryPoints` is the smallest point count of the
// series that use this axis as their category axis (the bottom axis of a vertical bar
// series); with such a series whole steps are preferred.
double LabelIncrement(const AxisScale& scale, const AxisLabelSettings& settings,
                      LabelMeasurer& measurer, std::optional<int> fewestCategoryPoints);

// Value labels from the top of the range down to its bottom, at multiples of `step`.
std::vector<AxisLabel> ValueLabels(const AxisScale& scale, const AxisLabelSettings& settings,
                                   double step);

// The width a vertical value axis needs for its labels: the wider of the texts at the ends
// of the range, rounded to the step, plus one space.
int WidestValueLabel(const AxisScale& scale, const AxisLabelSettings& settings,
                     LabelMeasurer& measurer, double step);

// Decides, label by label in increasing position, which text labels may be drawn without
// crowding the one drawn before. The first label is always accepted.
class TextLabelSpacing {
 public:
  explicit TextLabelSpacing(int labelsSeparation) : m_separation(labelsSeparation) {}
  bool Accept(int pos, int width);

 private:
  int m_separation;
  bool m_any = false;
  int m_prevPos = 0;
  int m_prevHalf = 0;
};

// Minor tick positions between consecutive major ticks and, with the first gap's spacing,
// beyond both ends; only those strictly inside (startPos, endPos).
std::vector<int> MinorTickPositions(std::span<const int> ticks, int minorCount, int startPos,
                                    int endPos);

}  // namespace orvanta::chart
