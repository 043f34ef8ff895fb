#include <algorithm>

#include "chart/canvas_measurer.h"
#include "chart/chart.h"
#include "chart/series_labels.h"
#include "ui/frame3d.h"

// Painting: the paint sequence and the per-paint layout of the axes.
namespace orvanta::chart {

gfx::Font DefaultChartFont() {
  gfx::Font font;
  font.Name = "Arial";
  font.Height = 11;  // 8 points at 96 dpi, as a font of height -MulDiv(8, 96, 72)
  font.TextColor = gfx::clBlack;
  return font;
}

int TChart::FrameWidth() const {
  return BevelOuter != TPanelBevel::bvNone ? BevelWidth : 0;
}

void TChart::Paint(gfx::Canvas& canvas) {
  m_chartRect = StartingChartRect(m_size, FrameWidth(), Margins);
  canvas.FillRect({0, 0, m_size.Width, m_size.Height}, Color);
  DrawBevel(canvas);
  PrepareSeries();
  ComputeAxes(canvas);
  DrawBackWall(canvas);

  std::vector<const TBarSeries*> series = ActiveSeries();
  if (AxisVisible) {
    for (TChartAxis* axis : {&BottomAxis, &LeftAxis}) {
      if (axis->Visible) {
        DrawAxis(canvas, *axis, series);
      }
    }
  }
  {
    gfx::CanvasStateSaver saver(canvas);
    if (ClipPoints) {
      // The frame lines at the right and bottom edge belong to the plotting area: a bar of
      // value 0 is a line on the bottom one.
      canvas.IntersectClipRect(
          {m_chartRect.Left, m_chartRect.Top, m_chartRect.Right + 1, m_chartRect.Bottom + 1});
    }
    for (const auto& s : m_series) {
      if (s->Active) {
        s->Draw(canvas);
      }
    }
  }
  DrawZoomRect(canvas);

  canvas.SetPen(gfx::Pen{});
  canvas.SetBrush(gfx::Brush{});
  canvas.SetFont(DefaultChartFont());
}

void TChart::DrawBevel(gfx::Canvas& canvas) const {
  if (BevelOuter == TPanelBevel::bvNone) {
    return;
  }
  bool raised = BevelOuter == TPanelBevel::bvRaised;
  gfx::Color topLeft = raised ? gfx::clBtnHighlight : gfx::clBtnShadow;
  gfx::Color bottomRight = raised ? gfx::clBtnShadow : gfx::clBtnHighlight;
  gfx::Rect r{0, 0, m_size.Width, m_size.Height};
  ui::Frame3D(canvas, r, topLeft, bottomRight, BevelWidth);
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

void TChart::PrepareSeries() {
  int count = 0;
  int mostPoints = 0;
  for (const auto& s : m_series) {
    if (s->Active) {
      ++count;
      mostPoints = std::max(mostPoints, s->Count());
    }
  }
  int order = 0;
  for (const auto& s : m_series) {
    if (s->Active) {
      int slots = mostPoints + (s->SideMargins && mostPoints > 0 ? 1 : 0);
      s->Prepare(count, ++order, slots);
    }
  }
}

void TChart::ComputeRange(TChartAxis& axis, const std::vector<const TBarSeries*>& series) const {
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
  axis.Scale.SetRange(axis.IsAutomaticMinimum() ? lo : axis.Minimum,
                      axis.IsAutomaticMaximum() ? hi : axis.Maximum);
  axis.ResolvedLabelStyle =
      ResolveLabelStyle(axis.LabelStyle, series,
                        axis.Horizontal ? AxisOrientation::Horizontal : AxisOrientation::Vertical);
}

std::optional<int> TChart::FewestCategoryPoints(
    const TChartAxis& axis, const std::vector<const TBarSeries*>& series) const {
  // Bar series stand on the bottom axis; the left axis is nobody's category axis.
  if (!axis.Horizontal || series.empty()) {
    return std::nullopt;
  }
  int fewest = series.front()->Count();
  for (const TBarSeries* s : series) {
    fewest = std::min(fewest, s->Count());
  }
  return fewest;
}

int TChart::LabelsSize(TChartAxis& axis, LabelMeasurer& measurer,
                       const std::vector<const TBarSeries*>& series) const {
  switch (axis.ResolvedLabelStyle) {
    case TAxisLabelStyle::talNone:
      return 0;
    case TAxisLabelStyle::talValue:
      if (axis.Horizontal) {
        return measurer.FontHeight();
      }
      return WidestValueLabel(axis.Scale, axis.LabelSettings(), measurer,
                              LabelIncrement(axis.Scale, axis.LabelSettings(), measurer,
                                             FewestCategoryPoints(axis, series)));
    default: {
      if (axis.Horizontal) {
        return measurer.FontHeight();
      }
      int widest = 0;
      for (const AxisLabel& label : AxisLabels(axis, measurer, series)) {
        widest = std::max(widest, measurer.TextWidth(label.Text));
      }
      return widest;
    }
  }
}

void TChart::ComputeAxes(gfx::Canvas& canvas) {
  std::vector<const TBarSeries*> series = ActiveSeries();
  CanvasMeasurer labels(canvas, LabelsFont);
  CanvasMeasurer titles(canvas, TitleFont);
  TChartAxis* axes[] = {&BottomAxis, &LeftAxis};

  for (TChartAxis* axis : axes) {
    ComputeRange(*axis, series);
    // Label widths are measured on the axis as long as it spans the whole starting rectangle.
    axis->SetPositions(m_chartRect);
  }
  gfx::Rect rect = m_chartRect;
  if (AxisVisible) {
    for (TChartAxis* axis : axes) {
      if (!axis->Visible) {
        continue;
      }
      int titleSize = 0;
      if (axis->Title.Visible && !axis->Title.Caption.empty()) {
        bool across =
            axis->Horizontal ? axis->Title.Angle % 180 == 0 : axis->Title.Angle % 180 == 90;
        titleSize = across ? titles.FontHeight() : titles.TextWidth(axis->Title.Caption);
      }
      axis->ReserveSpace(rect, titleSize, LabelsSize(*axis, labels, series));
    }
  }
  m_chartRect = NormalizeChartRect(rect, m_size);
  for (TChartAxis* axis : axes) {
    axis->SetPositions(m_chartRect);
  }

  int horizontalMargin = 0;
  int verticalMargin = 0;
  for (const auto& s : m_series) {
    if (s->Active) {
      s->CalcBarSize(BottomAxis.Scale.AxisSize, BottomAxis.Scale.Range);
      horizontalMargin = std::max(horizontalMargin, s->BarMargin());
      verticalMargin = std::max(verticalMargin, s->VerticalMargin());
    }
  }
  BottomAxis.Scale.ExtendByMargins(BottomAxis.IsAutomaticMinimum() ? horizontalMargin : 0,
                                   BottomAxis.IsAutomaticMaximum() ? horizontalMargin : 0);
  LeftAxis.Scale.ExtendByMargins(LeftAxis.IsAutomaticMaximum() ? verticalMargin : 0,
                                 LeftAxis.IsAutomaticMinimum() ? verticalMargin : 0);

  for (const auto& s : m_series) {
    if (s->Active) {
      s->SetScales(BottomAxis.Scale, LeftAxis.Scale);
      s->CalcVisibleRange();
    }
  }
}

std::vector<AxisLabel> TChart::AxisLabels(const TChartAxis& axis, LabelMeasurer& measurer,
                                          const std::vector<const TBarSeries*>& series) const {
  switch (axis.ResolvedLabelStyle) {
    case TAxisLabelStyle::talNone:
      return {};
    case TAxisLabelStyle::talValue: {
      AxisLabelSettings settings = axis.LabelSettings();
      double step =
          LabelIncrement(axis.Scale, settings, measurer, FewestCategoryPoints(axis, series));
      return ValueLabels(axis.Scale, settings, step);
    }
    default:
      return SeriesTextLabels(series, axis.Scale, axis.LabelsSeparation, measurer);
  }
}

void TChart::DrawBackWall(gfx::Canvas& canvas) const {
  if (!BackWall.Visible) {
    return;
  }
  canvas.SetPen(BackWall.Pen.ToPen());
  canvas.SetBrush(
      {BackWall.Color, BackWall.Transparent ? gfx::BrushStyle::Clear : gfx::BrushStyle::Solid});
  canvas.Rectangle(
      {m_chartRect.Left, m_chartRect.Top, m_chartRect.Right + 1, m_chartRect.Bottom + 1});
}

void TChart::DrawAxis(gfx::Canvas& canvas, TChartAxis& axis,
                      const std::vector<const TBarSeries*>& series) {
  axis.TickPositions.clear();
  CanvasMeasurer labels(canvas, LabelsFont);
  CanvasMeasurer titles(canvas, TitleFont);
  axis.DrawTitle(canvas, TitleFont, titles.FontHeight());
  std::vector<AxisLabel> texts = AxisLabels(axis, labels, series);
  canvas.SetFont(LabelsFont);
  axis.DrawLabels(canvas, texts, labels.FontHeight());
  axis.DrawLine(canvas);
  axis.DrawTicks(canvas);
}

void TChart::DrawZoomRect(gfx::Canvas& canvas) const {
  if (!m_zoomDrag) {
    return;
  }
  gfx::Rect r{std::min(m_zoomDrag->Start.X, m_zoomDrag->Last.X),
              std::min(m_zoomDrag->Start.Y, m_zoomDrag->Last.Y),
              std::max(m_zoomDrag->Start.X, m_zoomDrag->Last.X) + 1,
              std::max(m_zoomDrag->Start.Y, m_zoomDrag->Last.Y) + 1};
  // A one-pixel inverted frame; the sides leave out the corners the top and bottom took.
  canvas.InvertRect({r.Left, r.Top, r.Right, r.Top + 1});
  if (r.Height() > 1) {
    canvas.InvertRect({r.Left, r.Bottom - 1, r.Right, r.Bottom});
  }
  if (r.Height() > 2) {
    canvas.InvertRect({r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1});
    if (r.Width() > 1) {
      canvas.InvertRect({r.Right - 1, r.Top + 1, r.Right, r.Bottom - 1});
    }
  }
}

}  // namespace orvanta::chart
