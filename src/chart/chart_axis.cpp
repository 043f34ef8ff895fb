#include "chart/chart_axis.h"

#include <algorithm>
#include <stdexcept>

namespace orvanta::chart {

TChartAxis::TChartAxis(AxisOrientation orientation)
    : Horizontal(orientation == AxisOrientation::Horizontal) {
  if (!Horizontal) {
    Title.Angle = 90;
  }
}

void TChartAxis::SetIncrement(double increment) {
  if (increment < 0) {
    throw std::invalid_argument("Axis increment must be >= 0");
  }
  m_increment = increment;
}

AxisLabelSettings TChartAxis::LabelSettings() const {
  AxisLabelSettings s;
  s.Increment = m_increment;
  s.LabelsSeparation = LabelsSeparation;
  s.LabelsOnAxis = LabelsOnAxis;
  s.RoundFirstLabel = RoundFirstLabel;
  s.ValuesFormat = AxisValuesFormat;
  return s;
}

void TChartAxis::SetMinMax(double minimum, double maximum) {
  Automatic = false;
  AutomaticMinimum = false;
  AutomaticMaximum = false;
  Minimum = std::min(minimum, maximum);
  Maximum = std::max(minimum, maximum);
}

int TChartAxis::LineAndTicksSize() const {
  int size = (Axis.Visible ? Axis.Width + 1 : 0) + (Ticks.Visible ? TickLength : 0);
  if (MinorTicks.Visible) {
    size = std::max(size, MinorTickLength);
  }
  return size;
}

std::vector<int> AxisLayout::TickPositions() const {
  std::vector<int> ticks;
  ticks.reserve(Labels.size());
  for (const AxisLabel& label : Labels) {
    ticks.push_back(label.Pos);
  }
  return ticks;
}

void TChartAxis::ReserveSpace(AxisLayout& layout, gfx::Rect& chartRect, int titleSize,
                              int labelsSize) const {
  if (Horizontal) {
    chartRect.Bottom -= titleSize;
    layout.TitlePos = chartRect.Bottom;
    chartRect.Bottom -= labelsSize;
    layout.LabelsPos = chartRect.Bottom;
    chartRect.Bottom -= LineAndTicksSize();
  } else {
    chartRect.Left += titleSize;
    layout.TitlePos = chartRect.Left;
    chartRect.Left += labelsSize;
    layout.LabelsPos = chartRect.Left;
    chartRect.Left += LineAndTicksSize();
  }
}

void TChartAxis::SetPositions(AxisLayout& layout, const gfx::Rect& chartRect) const {
  layout.Scale.Horizontal = Horizontal;
  if (Horizontal) {
    layout.AxisPos = chartRect.Bottom;
    layout.Scale.SetPositions(chartRect.Left, chartRect.Right);
  } else {
    layout.AxisPos = chartRect.Left;
    layout.Scale.SetPositions(chartRect.Top, chartRect.Bottom);
  }
}

void TChartAxis::DrawTitle(gfx::Canvas& canvas, const AxisLayout& layout, const gfx::Font& font,
                           int fontHeight) const {
  if (!Title.Visible || Title.Caption.empty()) {
    return;
  }
  gfx::CanvasStateSaver saver(canvas);
  canvas.SetBkMode(gfx::BackgroundMode::Transparent);
  canvas.SetFont(font);
  int width = canvas.TextExtent(Title.Caption).Width;
  if (Horizontal) {
    canvas.TextOut(layout.Scale.CenterPos - width / 2, layout.TitlePos, Title.Caption);
    return;
  }
  // Reading upwards, the text cell's top-left corner is its lower-left corner on screen; its
  // bottom faces the axis at TitlePos.
  gfx::Font rotated = font;
  rotated.Escapement = RoundToInt(Title.Angle * 10.0);
  canvas.SetFont(rotated);
  canvas.TextOut(layout.TitlePos - fontHeight, layout.Scale.CenterPos + width / 2, Title.Caption);
}

void TChartAxis::DrawLabels(gfx::Canvas& canvas, const AxisLayout& layout, int fontHeight) const {
  canvas.SetBkMode(gfx::BackgroundMode::Transparent);
  for (const AxisLabel& label : layout.Labels) {
    int width = canvas.TextExtent(label.Text).Width;
    if (Horizontal) {
      canvas.TextOut(label.Pos - width / 2, layout.LabelsPos, label.Text);
    } else {
      canvas.TextOut(layout.LabelsPos - width, label.Pos - fontHeight / 2, label.Text);
    }
  }
}

void TChartAxis::DrawLine(gfx::Canvas& canvas, const AxisLayout& layout) const {
  if (!Axis.Visible) {
    return;
  }
  const AxisScale& scale = layout.Scale;
  canvas.SetPen(Axis.ToPen());
  if (Horizontal) {
    canvas.Line(scale.StartPos, layout.AxisPos, scale.EndPos, layout.AxisPos);
  } else {
    canvas.Line(layout.AxisPos, scale.StartPos, layout.AxisPos, scale.EndPos);
  }
}

// A tick across the axis at `pos`, starting `from` pixels outside the axis line and
// reaching `length` pixels further out (inwards for a negative length).
void TChartAxis::TickLine(gfx::Canvas& canvas, const AxisLayout& layout, int pos, int from,
                          int length) const {
  const int axis = layout.AxisPos;
  if (Horizontal) {
    canvas.Line(pos, axis + from, pos, axis + from + length);
  } else {
    canvas.Line(axis - from, pos, axis - from - length, pos);
  }
}

void TChartAxis::DrawTicks(gfx::Canvas& canvas, const AxisLayout& layout) const {
  const std::vector<int> ticks = layout.TickPositions();
  if (Ticks.Visible && TickLength != 0) {
    canvas.SetPen(Ticks.ToPen());
    for (int pos : ticks) {
      TickLine(canvas, layout, pos, 1, TickLength);
    }
  }
  if (TicksInner.Visible && TickInnerLength != 0) {
    canvas.SetPen(TicksInner.ToPen());
    for (int pos : ticks) {
      TickLine(canvas, layout, pos, -1, -TickInnerLength);
    }
  }
  if (MinorTicks.Visible && MinorTickLength != 0) {
    canvas.SetPen(MinorTicks.ToPen());
    const AxisScale& scale = layout.Scale;
    for (int pos : MinorTickPositions(ticks, MinorTickCount, scale.StartPos, scale.EndPos)) {
      TickLine(canvas, layout, pos, 1, MinorTickLength);
    }
  }
}

}  // namespace orvanta::chart
