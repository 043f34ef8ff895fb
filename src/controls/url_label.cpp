#include "controls/url_label.h"

#include "controls/link_target.h"

namespace orvanta::controls {

TUiURLLabel::TUiURLLabel(Shell& shell) : m_shell(shell) {
  gfx::Font font{"MS Sans Serif", 11};
  font.Underline = true;
  font.TextColor = m_unvisitedColor;
  SetFont(font);
  SetCursor(ui::CursorKind::Hand);
}

void TUiURLLabel::SetVisited(bool visited) {
  if (m_visited != visited) {
    m_visited = visited;
    ApplyLinkColor();
  }
}

void TUiURLLabel::SetUnvisitedColor(gfx::Color color) {
  if (m_unvisitedColor != color) {
    m_unvisitedColor = color;
    ApplyLinkColor();
  }
}

void TUiURLLabel::SetVisitedColor(gfx::Color color) {
  if (m_visitedColor != color) {
    m_visitedColor = color;
    ApplyLinkColor();
  }
}

void TUiURLLabel::ApplyLinkColor() {
  gfx::Font font = Font();
  font.TextColor = m_visited ? m_visitedColor : m_unvisitedColor;
  SetFont(font);
}

void TUiURLLabel::Click() {
  TUiLabel::Click();
  OpenTarget();
}

void TUiURLLabel::OpenTarget() {
  const std::string target = LinkTarget(m_url, Caption());
  if (target.empty()) {
    return;
  }
  if (m_shell.OpenVerb(target, ShellWait::WaitForDde)) {
    SetVisited(true);
  } else if (OffersOpenWithForHtm(target)) {
    m_shell.OpenWith(std::string(kHtmOpenWithPattern));
  }
}

}  // namespace orvanta::controls
