#pragma once

#include <string>

#include "controls/label.h"
#include "controls/shell.h"

namespace orvanta::controls {

// A hyperlink: an underlined label with the hand pointer that opens its target through the
// platform shell when clicked (after OnClick) and keeps its visited colour once that worked.
// The target is URL, or the caption when URL is blank.
class TUiURLLabel : public TUiLabel {
 public:
  // The shell opens the targets; it must outlive the label.
  explicit TUiURLLabel(Shell& shell);

  const std::string& URL() const { return m_url; }
  void SetURL(std::string url) { m_url = std::move(url); }
  bool Visited() const { return m_visited; }
  void SetVisited(bool visited);
  gfx::Color UnvisitedColor() const { return m_unvisitedColor; }
  void SetUnvisitedColor(gfx::Color color);
  gfx::Color VisitedColor() const { return m_visitedColor; }
  void SetVisitedColor(gfx::Color color);

  void Click() override;

 private:
  void OpenTarget();
  void ApplyLinkColor();  // the font colour for the visited state

  Shell& m_shell;
  std::string m_url;
  bool m_visited = false;
  gfx::Color m_unvisitedColor = gfx::clHighlight;
  gfx::Color m_visitedColor = gfx::clPurple;
};

}  // namespace orvanta::controls
