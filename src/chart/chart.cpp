#include "chart/chart.h"

#include <algorithm>
#include <cstdlib>

// The chart's series, tools and mouse handling: zooming by a left drag, scrolling by a right
// drag and the wheel.
namespace orvanta::chart {
namespace {

constexpr double kWheelShift = 0.03;  // of the range, per notch

bool IsDown(const ChartMouseEvent& e, ChartMouseButton button) {
  return e.Kind == ChartMouseKind::Down && e.Button == button;
}

bool IsUp(const ChartMouseEvent& e, ChartMouseButton button) {
  return e.Kind == ChartMouseKind::Up && e.Button == button;
}

// The range an axis shows now: its fixed range, or the automatic one of the layout kept.
std::pair<double, double> ShownRange(const TChartAxis& axis, const AxisLayout& layout) {
  if (axis.Automatic) {
    return {layout.Scale.RangeMin, layout.Scale.RangeMax};
  }
  return {axis.Minimum, axis.Maximum};
}

}  // namespace

TChart::TChart() = default;
TChart::~TChart() = default;

TBarSeries& TChart::AddSeries() {
  m_series.push_back(std::make_unique<TBarSeries>());
  TBarSeries& series = *m_series.back();
  series.OnChanged = [this] { Invalidate(); };
  Invalidate();
  return series;
}

void TChart::SetSize(gfx::Size size) {
  if (size == m_size) {
    return;
  }
  m_size = size;
  Invalidate();
}

void TChart::Invalidate() {
  if (OnInvalidate) {
    OnInvalidate();
  }
}

void TChart::MouseEvent(const ChartMouseEvent& event) {
  bool handled = false;
  for (const auto& tool : m_tools) {
    if (tool->Active()) {
      tool->MouseEvent(event, handled);
      if (handled) {
        break;
      }
    }
  }

  gfx::Point at{event.X, event.Y};
  gfx::Rect client{0, 0, m_size.Width, m_size.Height};
  if (Zoom.Allow && IsDown(event, Zoom.MouseButton) && client.Contains(at)) {
    m_zoomDrag = Drag{at, at};
  } else if (AllowPanning != TPanningMode::pmNone && IsDown(event, ScrollMouseButton) &&
             m_layout.ChartRect.Contains(at)) {
    m_scrollDrag = Drag{at, at};
  } else if (event.Kind == ChartMouseKind::Move) {
    if (m_zoomDrag) {
      m_zoomDrag->Last = at;
      Invalidate();
    }
    if (m_scrollDrag) {
      Scroll(m_scrollDrag->Last, at);
      m_scrollDrag->Last = at;
    }
  } else if (m_zoomDrag && IsUp(event, Zoom.MouseButton)) {
    FinishZoom(at);
  } else if (m_scrollDrag && IsUp(event, ScrollMouseButton)) {
    m_scrollDrag.reset();
  }
}

void TChart::FinishZoom(gfx::Point end) {
  gfx::Point start = m_zoomDrag->Start;
  m_zoomDrag.reset();
  int dx = end.X - start.X;
  int dy = end.Y - start.Y;
  if (std::abs(dx) > Zoom.MinimumPixels && std::abs(dy) > Zoom.MinimumPixels) {
    if (dx > 0) {
      ZoomRect({start.X, std::min(start.Y, end.Y), end.X, std::max(start.Y, end.Y)});
    } else {
      UndoZoom();
    }
  }
  Invalidate();
}

void TChart::ZoomRect(const gfx::Rect& rect) {
  const AxisScale& x = m_layout.Bottom.Scale;
  const AxisScale& y = m_layout.Left.Scale;
  BottomAxis.SetMinMax(x.PosToValue(rect.Left), x.PosToValue(rect.Right));
  LeftAxis.SetMinMax(y.PosToValue(rect.Bottom), y.PosToValue(rect.Top));
  Invalidate();
}

void TChart::UndoZoom() {
  for (TChartAxis* axis : {&BottomAxis, &LeftAxis}) {
    axis->Automatic = true;
    axis->AutomaticMinimum = true;
    axis->AutomaticMaximum = true;
  }
  Invalidate();
}

bool TChart::Zoomed() const {
  return !BottomAxis.Automatic || !LeftAxis.Automatic;
}

void TChart::Scroll(gfx::Point from, gfx::Point to) {
  auto shift = [](TChartAxis& axis, const AxisLayout& layout, int pixels) {
    if (pixels == 0 || layout.Scale.AxisSize < 1) {
      return;
    }
    auto [lo, hi] = ShownRange(axis, layout);
    double delta = pixels * layout.Scale.Range / layout.Scale.AxisSize;
    axis.SetMinMax(lo + delta, hi + delta);
  };
  bool horizontal =
      AllowPanning == TPanningMode::pmBoth || AllowPanning == TPanningMode::pmHorizontal;
  bool vertical = AllowPanning == TPanningMode::pmBoth || AllowPanning == TPanningMode::pmVertical;
  // The picture follows the mouse: dragging right brings lower values into view, dragging
  // down higher ones.
  if (horizontal) {
    shift(BottomAxis, m_layout.Bottom, from.X - to.X);
  }
  if (vertical) {
    shift(LeftAxis, m_layout.Left, to.Y - from.Y);
  }
  Invalidate();
}

void TChart::MouseWheel(int notches) {
  if (notches == 0) {
    return;
  }
  // Turning the wheel towards the user moves up the scale.
  auto [lo, hi] = ShownRange(LeftAxis, m_layout.Left);
  double delta = -notches * kWheelShift * (hi - lo);
  LeftAxis.SetMinMax(lo + delta, hi + delta);
  Invalidate();
}

}  // namespace orvanta::chart
