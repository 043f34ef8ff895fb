#include "chart/chart_layout.h"

#include <algorithm>

#include "chart/chart.h"

// The layout: plotting rectangle, axis ranges, the space the axes take, bar sizes, range
// extension and labels, in the order of the paint sequence. Everything here only measures.
namespace orvanta::chart {

int TChart::FrameWidth() const {
  return BevelOuter != TPanelBevel::bvNone ? BevelWidth : 0;
}

ChartLayout TChart::ComputeLayout(LabelMeasurer& labels, LabelMeasurer& titles) const {
  ChartLayout layout;
  layout.Client = m_size;
  layout.ChartRect = StartingChartRect(m_size, FrameWidth(), Margins);
  layout.LabelsFontHeight = labels.FontHeight();
  layout.TitleFontHeight = titles.FontHeight();
  PrepareSeries(layout);
  ComputeAxes(layout, labels, titles);
  return layout;
}

void TChart::LayOut(LabelMeasurer& labels, LabelMeasurer& titles) {
  m_layout = ComputeLayout(labels, titles);
}

int TChart::Clicked(const TBarSeries& series, int x, int y) const {
  for (int i = 0; i < SeriesCount(); ++i) {
    if (&Series(i) == &series) {
      const BarLayout* bars = m_layout.BarsOf(i);
      return bars != nullptr ? series.Clicked(*bars, x, y) : -1;
    }
  }
  return -1;
}

std::vector<const TBarSeries*> TChart::ActiveSeries() const {
  std::vector<const TBarSeries*> out;
  for (const auto& s : m_series) {
    if (s->Active) {
      out.push_back(s.get());
    }
  }
  return out;
}

std::vector<LaidOutSeries> TChart::ActiveLaidOut(const ChartLayout& layout) const {
  std::vector<LaidOutSeries> out;
  for (int i = 0; i < SeriesCount(); ++i) {
    const BarLayout* bars = layout.BarsOf(i);
    if (Series(i).Active && bars != nullptr) {
      out.push_back({&Series(i), bars});
    }
  }
  return out;
}

void TChart::PrepareSeries(ChartLayout& layout) const {
  int count = 0;
  int mostPoints = 0;
  for (const auto& s : m_series) {
    if (s->Active) {
      ++count;
      mostPoints = std::max(mostPoints, s->Count());
    }
  }
  layout.Bars.assign(m_series.size(), BarLayout{});
  int order = 0;
  for (std::size_t i = 0; i < m_series.size(); ++i) {
    const TBarSeries& s = *m_series[i];
    if (s.Active) {
      int slots = mostPoints + (s.SideMargins && mostPoints > 0 ? 1 : 0);
      layout.Bars[i] = s.Prepare(count, ++order, slots);
    }
  }
}

void TChart::ComputeRange(const TChartAxis& axis, AxisLayout& layout,
                          const std::vector<const TBarSeries*>& series) const {
  bool any = false;
  double lo = 0;
  double hi = 0;
  for (const TBarSeries* s : series) {
    if (s->Count() == 0) {
      continue;
    }
    double sLo = axis.Horizontal ? s->MinXValue() : s->MinYValue();
    double sHi = axis.Horizontal ? s->MaxXValue() : s->MaxYValue();
    lo = any ? std::min(lo, sLo) : sLo;
    hi = any ? std::max(hi, sHi) : sHi;
    any = true;
  }
  layout.Scale.SetRange(axis.IsAutomaticMinimum() ? lo : axis.Minimum,
                        axis.IsAutomaticMaximum() ? hi : axis.Maximum);
  layout.ResolvedLabelStyle =
      ResolveLabelStyle(axis.LabelStyle, series,
                        axis.Horizontal ? AxisOrientation::Horizontal : AxisOrientation::Vertical);
}

std::optional<int> TChart::FewestCategoryPoints(const TChartAxis& axis,
                                                std::span<const LaidOutSeries> series) const {
  // Bar series stand on the bottom axis; the left axis is nobody's category axis.
  if (!axis.Horizontal || series.empty()) {
    return std::nullopt;
  }
  int fewest = series.front().Series->Count();
  for (const LaidOutSeries& s : series) {
    fewest = std::min(fewest, s.Series->Count());
  }
  return fewest;
}

int TChart::LabelsSize(const TChartAxis& axis, const AxisLayout& layout, LabelMeasurer& measurer,
                       std::span<const LaidOutSeries> series) const {
  switch (layout.ResolvedLabelStyle) {
    case TAxisLabelStyle::talNone:
      return 0;
    case TAxisLabelStyle::talValue:
      if (axis.Horizontal) {
        return measurer.FontHeight();
      }
      return WidestValueLabel(layout.Scale, axis.LabelSettings(), measurer,
                              LabelIncrement(layout.Scale, axis.LabelSettings(), measurer,
                                             FewestCategoryPoints(axis, series)));
    default: {
      if (axis.Horizontal) {
        return measurer.FontHeight();
      }
      // The points in view are not known yet: every point counts, so no label is cut.
      std::vector<BarLayout> all;
      all.reserve(series.size());
      for (const LaidOutSeries& s : series) {
        BarLayout bars = *s.Bars;
        bars.FirstVisibleIndex = s.Series->Count() > 0 ? 0 : -1;
        bars.LastVisibleIndex = s.Series->Count() - 1;
        all.push_back(bars);
      }
      std::vector<LaidOutSeries> everyPoint;
      for (std::size_t i = 0; i < series.size(); ++i) {
        everyPoint.push_back({series[i].Series, &all[i]});
      }
      int widest = 0;
      for (const AxisLabel& label : AxisLabels(axis, layout, measurer, everyPoint)) {
        widest = std::max(widest, measurer.TextWidth(label.Text));
      }
      return widest;
    }
  }
}

std::vector<AxisLabel> TChart::AxisLabels(const TChartAxis& axis, const AxisLayout& layout,
                                          LabelMeasurer& measurer,
                                          std::span<const LaidOutSeries> series) const {
  switch (layout.ResolvedLabelStyle) {
    case TAxisLabelStyle::talNone:
      return {};
    case TAxisLabelStyle::talValue: {
      AxisLabelSettings settings = axis.LabelSettings();
      double step =
          LabelIncrement(layout.Scale, settings, measurer, FewestCategoryPoints(axis, series));
      return ValueLabels(layout.Scale, settings, step);
    }
    default:
      return SeriesTextLabels(series, layout.Scale, axis.LabelsSeparation, measurer);
  }
}

void TChart::ComputeAxes(ChartLayout& layout, LabelMeasurer& labels, LabelMeasurer& titles) const {
  const std::vector<const TBarSeries*> active = ActiveSeries();
  const std::vector<LaidOutSeries> laidOut = ActiveLaidOut(layout);
  const std::pair<const TChartAxis*, AxisLayout*> axes[] = {{&BottomAxis, &layout.Bottom},
                                                            {&LeftAxis, &layout.Left}};
  for (auto [axis, axisLayout] : axes) {
    ComputeRange(*axis, *axisLayout, active);
    // Label widths are measured on the axis as long as it spans the whole starting rectangle.
    axis->SetPositions(*axisLayout, layout.ChartRect);
  }
  gfx::Rect rect = layout.ChartRect;
  if (AxisVisible) {
    for (auto [axis, axisLayout] : axes) {
      if (!axis->Visible) {
        continue;
      }
      int titleSize = 0;
      if (axis->Title.Visible && !axis->Title.Caption.empty()) {
        bool across =
            axis->Horizontal ? axis->Title.Angle % 180 == 0 : axis->Title.Angle % 180 == 90;
        titleSize = across ? titles.FontHeight() : titles.TextWidth(axis->Title.Caption);
      }
      axis->ReserveSpace(*axisLayout, rect, titleSize,
                         LabelsSize(*axis, *axisLayout, labels, laidOut));
    }
  }
  layout.ChartRect = NormalizeChartRect(rect, m_size);
  for (auto [axis, axisLayout] : axes) {
    axis->SetPositions(*axisLayout, layout.ChartRect);
  }

  int horizontalMargin = 0;
  int verticalMargin = 0;
  AxisScale& x = layout.Bottom.Scale;
  AxisScale& y = layout.Left.Scale;
  for (std::size_t i = 0; i < m_series.size(); ++i) {
    const TBarSeries& s = *m_series[i];
    if (s.Active) {
      s.CalcBarSize(layout.Bars[i], x.AxisSize, x.Range);
      horizontalMargin = std::max(horizontalMargin, layout.Bars[i].BarMargin);
      verticalMargin = std::max(verticalMargin, s.VerticalMargin());
    }
  }
  x.ExtendByMargins(BottomAxis.IsAutomaticMinimum() ? horizontalMargin : 0,
                    BottomAxis.IsAutomaticMaximum() ? horizontalMargin : 0);
  y.ExtendByMargins(LeftAxis.IsAutomaticMaximum() ? verticalMargin : 0,
                    LeftAxis.IsAutomaticMinimum() ? verticalMargin : 0);
  for (std::size_t i = 0; i < m_series.size(); ++i) {
    if (m_series[i]->Active) {
      m_series[i]->SetScales(layout.Bars[i], x, y);
    }
  }

  // The labels as they will be drawn, on the final scales and the points in view.
  for (auto [axis, axisLayout] : axes) {
    if (AxisVisible && axis->Visible) {
      axisLayout->Labels = AxisLabels(*axis, *axisLayout, labels, laidOut);
    }
  }
}

}  // namespace orvanta::chart
