#pragma once

#include <functional>
#include <string>

#include "chart/bar_series.h"
#include "chart/chart_tool.h"

namespace orvanta::chart {

enum class TMarkToolMouseAction { mtmMove, mtmClick };

// Offers the mark text of the bar under the mouse as the chart's hint: the same bar keeps
// the hint that is showing, another bar replaces it, no bar cancels it.
class TMarksTipTool final : public TChartTool {
 public:
  explicit TMarksTipTool(TChart& chart) : TChartTool(chart) {}

  TSeriesMarksStyle Style = TSeriesMarksStyle::smsLabel;
  // The series to look at; none looks at every active series, the last one first.
  const TBarSeries* Series = nullptr;
  // May change the text before it is offered.
  std::function<void(TMarksTipTool& sender, std::string& text)> OnGetText;

  // The application's hint pauses in milliseconds, read and written through: every hint of
  // the program shares them.
  int MouseDelay() const;
  void SetMouseDelay(int ms);
  int HideDelay() const;
  void SetHideDelay(int ms);

  void SetMouseAction(TMarkToolMouseAction action);
  void SetActive(bool active) override;

  void MouseEvent(const ChartMouseEvent& event, bool& handled) override;

 private:
  // Clears the chart's hint unless another tip tool of the chart may own it.
  void CancelHint();

  TMarkToolMouseAction m_mouseAction = TMarkToolMouseAction::mtmMove;
};

}  // namespace orvanta::chart
