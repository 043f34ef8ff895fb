#include "chart/series_labels.h"

#include <algorithm>
#include <climits>

namespace orvanta::chart {

TAxisLabelStyle ResolveLabelStyle(TAxisLabelStyle style, std::span<const TBarSeries* const> series,
                                  AxisOrientation orientation) {
  if (style != TAxisLabelStyle::talAuto) {
    return style;
  }
  if (series.empty()) {
    return TAxisLabelStyle::talNone;
  }
  if (orientation == AxisOrientation::Horizontal &&
      std::any_of(series.begin(), series.end(),
                  [](const TBarSeries* s) { return s->HasLabels(); })) {
    return TAxisLabelStyle::talText;
  }
  return TAxisLabelStyle::talValue;
}

std::vector<AxisLabel> SeriesTextLabels(std::span<const LaidOutSeries> series,
                                        const AxisScale& scale, int labelsSeparation,
                                        LabelMeasurer& measurer) {
  std::vector<AxisLabel> labels;
  int first = INT_MAX;
  int last = -1;
  for (const LaidOutSeries& s : series) {
    if (s.Bars->FirstVisibleIndex >= 0 && s.Bars->LastVisibleIndex >= 0) {
      first = std::min(first, s.Bars->FirstVisibleIndex);
      last = std::max(last, s.Bars->LastVisibleIndex);
    }
  }
  TextLabelSpacing spacing(labelsSeparation);
  for (int i = first; i <= last; ++i) {
    const TBarSeries* owner = nullptr;
    std::string text;
    for (const LaidOutSeries& laidOut : series) {
      const TBarSeries* s = laidOut.Series;
      if (i >= laidOut.Bars->FirstVisibleIndex && i <= laidOut.Bars->LastVisibleIndex &&
          i < s->Count()) {
        text = s->Label(i);
        if (!text.empty()) {
          owner = s;
          break;
        }
      }
    }
    if (owner == nullptr) {
      continue;
    }
    double x = owner->XValue(i);
    if (x < scale.RangeMin || x > scale.RangeMax) {
      continue;
    }
    int pos = scale.ValueToPos(x);
    if (spacing.Accept(pos, measurer.TextWidth(text))) {
      labels.push_back({x, pos, std::move(text)});
    }
  }
  return labels;
}

}  // namespace orvanta::chart
