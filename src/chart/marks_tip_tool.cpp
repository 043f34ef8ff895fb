#include "chart/marks_tip_tool.h"

#include "chart/chart.h"
#include "ui/application.h"
#include "ui/hint_controller.h"

namespace orvanta::chart {

int TMarksTipTool::MouseDelay() const {
  const ui::Application* app = ui::Application::Current();
  return app != nullptr ? app->HintPause() : ui::kDefaultHintPause;
}

void TMarksTipTool::SetMouseDelay(int ms) {
  if (ui::Application* app = ui::Application::Current()) {
    app->SetHintPause(ms);
  }
}

int TMarksTipTool::HideDelay() const {
  const ui::Application* app = ui::Application::Current();
  return app != nullptr ? app->HintHidePause() : ui::kDefaultHintHidePause;
}

void TMarksTipTool::SetHideDelay(int ms) {
  if (ui::Application* app = ui::Application::Current()) {
    app->SetHintHidePause(ms);
  }
}

void TMarksTipTool::SetMouseAction(TMarkToolMouseAction action) {
  if (action != m_mouseAction) {
    m_mouseAction = action;
    CancelHint();
  }
}

void TMarksTipTool::SetActive(bool active) {
  if (active != Active()) {
    TChartTool::SetActive(active);
    if (!active) {
      CancelHint();
    }
  }
}

void TMarksTipTool::CancelHint() {
  TChart& chart = ParentChart();
  for (int i = 0; i < chart.ToolCount(); ++i) {
    TChartTool& tool = chart.Tool(i);
    if (&tool != this && dynamic_cast<TMarksTipTool*>(&tool) != nullptr) {
      return;
    }
  }
  if (!chart.Hint.empty()) {
    chart.Hint.clear();
    if (HintSink* sink = chart.GetHintSink()) {
      sink->CancelHint();
    }
  }
}

void TMarksTipTool::MouseEvent(const ChartMouseEvent& event, bool& /*handled*/) {
  ChartMouseKind wanted =
      m_mouseAction == TMarkToolMouseAction::mtmMove ? ChartMouseKind::Move : ChartMouseKind::Down;
  if (event.Kind != wanted) {
    return;
  }
  TChart& chart = ParentChart();
  const TBarSeries* found = nullptr;
  int index = -1;
  if (Series != nullptr) {
    index = chart.Clicked(*Series, event.X, event.Y);
    found = Series;
  } else {
    for (int i = chart.SeriesCount() - 1; i >= 0 && index < 0; --i) {
      const TBarSeries& s = chart.Series(i);
      if (s.Active) {
        index = chart.Clicked(s, event.X, event.Y);
        found = &s;
      }
    }
  }
  if (index < 0) {
    CancelHint();
    return;
  }

  std::string text = found->MarkText(index, Style);
  if (OnGetText) {
    OnGetText(*this, text);
  }
  if (text != chart.Hint) {
    HintSink* sink = chart.GetHintSink();
    if (sink != nullptr) {
      sink->CancelHint();
    }
    chart.ShowHint = true;
    chart.Hint = text;
    if (sink != nullptr) {
      sink->ShowHintAt(text, sink->ClientToScreen({event.X, event.Y}));
    }
  }
}

}  // namespace orvanta::chart
