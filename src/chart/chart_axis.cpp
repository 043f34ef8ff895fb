#include "chart/chart_axis.h"

#include <algorithm>
#include <stdexcept>

namespace orvanta::chart {

TChartAxis::TChartAxis(AxisOrientation orientation)
    : Horizontal(orientation == AxisOrientation::Horizontal) {
  Scale.Horizontal = Horizontal;
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

void TChartAxis::ReserveSpace(gfx::Rect& chartRect, int titleSize, int labelsSize) {
  if (Horizontal) {
    chartRect.Bottom -= titleSize;
    TitlePos = chartRect.Bottom;
    chartRect.Bottom -= labelsSize;
    LabelsPos = chartRect.Bottom;
    chartRect.Bottom -= LineAndTicksSize();
  } else {
    chartRect.Left += titleSize;
    TitlePos = chartRect.Left;
    chartRect.Left += labelsSize;
    LabelsPos = chartRect.Left;
    chartRect.Left += LineAndTicksSize();
  }
}

void TChartAxis::SetPositions(const gfx::Rect& chartRect) {
  if (Horizontal) {
    AxisPos = chartRect.Bottom;
    Scale.SetPositions(chartRect.Left, chartRect.Right);
  } else {
    AxisPos = chartRect.Left;
    Scale.SetPositions(chartRect.Top, chartRect.Bottom);
  }
}

void TChartAxis::DrawTitle(gfx::Canvas& canvas, const gfx::Font& font, int fontHeight) const {
  if (!Title.Visible || Title.Caption.empty()) {
    return;
  }
  gfx::CanvasStateSaver saver(canvas);
  canvas.SetBkMode(gfx::BackgroundMode::Transparent);
  canvas.SetFont(font);
  int width = canvas.TextExtent(Title.Caption).Width;
  if (Horizontal) {
    canvas.TextOut(Scale.CenterPos - width / 2, TitlePos, Title.Caption);
    return;
  }
  // Reading upwards, the text cell's top-left corner is its lower-left corner on screen; its
  // bottom faces the axis at TitlePos.
  gfx::Font rotated = font;
  rotated.Escapement = RoundToInt(Title.Angle * 10.0);
  canvas.SetFont(rotated);
  canvas.TextOut(TitlePos - fontHeight, Scale.CenterPos + width / 2, Title.Caption);
}

void TChartAxis::DrawLabels(gfx::Canvas& canvas, std::span<const AxisLabel> labels,
                            int fontHeight) {
  canvas.SetBkMode(gfx::BackgroundMode::Transparent);
  for (const AxisLabel& label : labels) {
    int width = canvas.TextExtent(label.Text).Width;
    if (Horizontal) {
      canvas.TextOut(label.Pos - width / 2, LabelsPos, label.Text);
    } else {
      canvas.TextOut(LabelsPos - width, label.Pos - fontHeight / 2, label.Text);
    }
    TickPositions.push_back(label.Pos);
  }
}

void TChartAxis::DrawLine(gfx::Canvas& canvas) const {
  if (!Axis.Visible) {
    return;
  }
  canvas.SetPen(Axis.ToPen());
  if (Horizontal) {
    canvas.Line(Scale.StartPos, AxisPos, Scale.EndPos, AxisPos);
  } else {
    canvas.Line(AxisPos, Scale.StartPos, AxisPos, Scale.EndPos);
  }
}

// A tick across the axis at `pos`, starting `from` pixels outside the axis line and
// reaching `length` pixels further out (inwards for a negative length).
void TChartAxis::TickLine(gfx::Canvas& canvas, int pos, int from, int length) const {
  if (Horizontal) {
    canvas.Line(pos, AxisPos + from, pos, AxisPos + from + length);
  } else {
    canvas.Line(AxisPos - from, pos, AxisPos - from - length, pos);
  }
}

void TChartAxis::DrawTicks(gfx::Canvas& canvas) const {
  if (Ticks.Visible && TickLength != 0) {
    canvas.SetPen(Ticks.ToPen());
    for (int pos : TickPositions) {
      TickLine(canvas, pos, 1, TickLength);
    }
  }
  if (TicksInner.Visible && TickInnerLength != 0) {
    canvas.SetPen(TicksInner.ToPen());
    for (int pos : TickPositions) {
      TickLine(canvas, pos, -1, -TickInnerLength);
    }
  }
  if (MinorTicks.Visible && MinorTickLength != 0) {
    canvas.SetPen(MinorTicks.ToPen());
    for (int pos :
         MinorTickPositions(TickPositions, MinorTickCount, Scale.StartPos, Scale.EndPos)) {
      TickLine(canvas, pos, 1, MinorTickLength);
    }
  }
}

}  // namespace orvanta::chart
