#pragma once

namespace orvanta::chart {

class TChart;

enum class ChartMouseKind { Down, Move, Up };
enum class ChartMouseButton { None, Left, Right, Middle };

// Shift state bits of a mouse event.
enum ChartShiftState : unsigned {
  kShiftKey = 1,
  kCtrlKey = 2,
  kAltKey = 4,
  kLeftButtonDown = 8,
  kRightButtonDown = 16,
  kMiddleButtonDown = 32,
};

struct ChartMouseEvent {
  ChartMouseKind Kind = ChartMouseKind::Move;
  ChartMouseButton Button = ChartMouseButton::None;
  unsigned Shift = 0;
  int X = 0;  // client pixels
  int Y = 0;
};

// A tool attached to a chart: it sees the chart's mouse events before the chart does.
class TChartTool {
 public:
  explicit TChartTool(TChart& chart) : m_chart(chart) {}
  virtual ~TChartTool() = default;
  TChartTool(const TChartTool&) = delete;
  TChartTool& operator=(const TChartTool&) = delete;

  bool Active() const { return m_active; }
  virtual void SetActive(bool active) { m_active = active; }

  // Setting `handled` stops the event from reaching the tools after this one.
  virtual void MouseEvent(const ChartMouseEvent& event, bool& handled) = 0;

 protected:
  TChart& ParentChart() const { return m_chart; }

 private:
  TChart& m_chart;
  bool m_active = true;
};

}  // namespace orvanta::chart
