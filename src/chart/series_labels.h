#pragma once

#include <span>
#include <vector>

#include "chart/axis_labels.h"
#include "chart/bar_series.h"
#include "chart/chart_axis.h"

namespace orvanta::chart {

// What an axis labels once its style is talAuto: nothing without an active series, the
// points' labels on the horizontal (category) axis once a point carries one, values
// otherwise.
TAxisLabelStyle ResolveLabelStyle(TAxisLabelStyle style, std::span<const TBarSeries* const> series,
                                  AxisOrientation orientation);

// An active series with its layout, as the chart lays it out.
struct LaidOutSeries {
  const TBarSeries* Series;
  const BarLayout* Bars;
};

// The point labels of the category axis, from the least first visible index to the greatest
// last visible index of the series, skipping those that would crowd the previous label.
// `series` are the active series in chart order.
std::vector<AxisLabel> SeriesTextLabels(std::span<const LaidOutSeries> series,
                                        const AxisScale& scale, int labelsSeparation,
                                        LabelMeasurer& measurer);

}  // namespace orvanta::chart
