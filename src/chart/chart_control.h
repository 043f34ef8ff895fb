#pragma once

#include "chart/chart.h"
#include "chart/hint_sink.h"
#include "ui/control.h"

namespace orvanta::chart {

// The chart as a control of the window framework: it paints the chart at its own size, passes
// the mouse (with the capture held from press to release) and the wheel on, and shows the
// tips that the marks tip tool offers through the framework's hint window.
class TChartControl : public ui::Control, public HintSink {
 public:
  TChartControl();
  ~TChartControl() override;

  TChart& Chart() { return m_chart; }
  const TChart& Chart() const { return m_chart; }

  void Paint(gfx::Canvas& canvas) override;

  // HintSink.
  void CancelHint() override;
  void ShowHintAt(std::string_view text, gfx::Point screenPoint) override;
  gfx::Point ClientToScreen(gfx::Point clientPoint) const override;

 protected:
  void MouseDown(const ui::MouseEvent& e) override;
  void MouseMove(const ui::MouseEvent& e) override;
  void MouseUp(const ui::MouseEvent& e) override;
  void MouseWheel(ui::WheelEvent& e) override;
  void Resized() override;

 private:
  void Pass(ChartMouseKind kind, const ui::MouseEvent& e);

  TChart m_chart;
};

}  // namespace orvanta::chart
