#include "chart/chart_control.h"

#include <string>

#include "ui/application.h"

namespace orvanta::chart {

namespace {

ChartMouseButton ChartButton(ui::MouseButton button) {
  switch (button) {
    case ui::MouseButton::Left:
      return ChartMouseButton::Left;
    case ui::MouseButton::Right:
      return ChartMouseButton::Right;
    case ui::MouseButton::Middle:
      return ChartMouseButton::Middle;
    case ui::MouseButton::None:
      break;
  }
  return ChartMouseButton::None;
}

// The framework's shift bits and the chart's name the same keys and buttons in another order.
unsigned ChartShift(ui::ShiftState shift) {
  struct Bit {
    ui::ShiftFlag From;
    unsigned To;
  };
  constexpr Bit kBits[] = {
      {ui::kShiftShift, kShiftKey},
      {ui::kShiftCtrl, kCtrlKey},
      {ui::kShiftAlt, kAltKey},
      {ui::kShiftLeft, kLeftButtonDown},
      {ui::kShiftRight, kRightButtonDown},
      {ui::kShiftMiddle, kMiddleButtonDown},
  };
  unsigned out = 0;
  for (const Bit& bit : kBits) {
    if (ui::HasShift(shift, bit.From)) {
      out |= bit.To;
    }
  }
  return out;
}

}  // namespace

TChartControl::TChartControl() {
  SetStyle(ui::kCsClickEvents);
  m_chart.SetHintSink(this);
  m_chart.OnInvalidate = [this] { Invalidate(); };
}

TChartControl::~TChartControl() {
  m_chart.OnInvalidate = nullptr;
  m_chart.SetHintSink(nullptr);
}

void TChartControl::Paint(gfx::Canvas& canvas) {
  m_chart.SetSize({Width(), Height()});
  m_chart.Paint(canvas);
}

void TChartControl::Resized() {
  m_chart.SetSize({Width(), Height()});
}

void TChartControl::Pass(ChartMouseKind kind, const ui::MouseEvent& e) {
  ChartMouseEvent event;
  event.Kind = kind;
  event.Button = ChartButton(e.Button);
  event.Shift = ChartShift(e.Shift);
  event.X = e.Position.X;
  event.Y = e.Position.Y;
  m_chart.MouseEvent(event);
}

void TChartControl::MouseDown(const ui::MouseEvent& e) {
  SetMouseCapture();
  Pass(ChartMouseKind::Down, e);
}

void TChartControl::MouseMove(const ui::MouseEvent& e) {
  Pass(ChartMouseKind::Move, e);
}

void TChartControl::MouseUp(const ui::MouseEvent& e) {
  Pass(ChartMouseKind::Up, e);
  if (!ui::HasShift(e.Shift, ui::kShiftLeft) && !ui::HasShift(e.Shift, ui::kShiftRight) &&
      !ui::HasShift(e.Shift, ui::kShiftMiddle)) {
    ReleaseMouseCapture();
  }
}

void TChartControl::MouseWheel(ui::WheelEvent& e) {
  m_chart.MouseWheel(e.Notches);
  e.Handled = true;
}

void TChartControl::CancelHint() {
  SetHint(std::string());
  SetShowHint(false);
  if (ui::Application* app = App()) {
    app->CancelHint();
  }
}

void TChartControl::ShowHintAt(std::string_view text, gfx::Point screenPoint) {
  SetHint(std::string(text));
  SetShowHint(true);
  if (ui::Application* app = App()) {
    app->Hints().Activate(*this, screenPoint);
  }
}

gfx::Point TChartControl::ClientToScreen(gfx::Point clientPoint) const {
  return ui::Control::ClientToScreen(clientPoint);
}

}  // namespace orvanta::chart
