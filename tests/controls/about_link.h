#pragma once

#include "controls/url_label.h"

namespace orvanta::controls::testing_support {

inline constexpr gfx::Color kAboutVisited = gfx::RGB(130, 95, 70);

// A link label as the About window sets its two up: Verdana 11 underlined, blue until
// visited, transparent.
inline void SetUpAboutLink(TUiURLLabel& link) {
  gfx::Font font{"Verdana", 11};
  font.Underline = true;
  font.TextColor = gfx::clBlue;
  link.SetFont(font);
  link.SetUnvisitedColor(gfx::clBlue);
  link.SetVisitedColor(kAboutVisited);
  link.SetTransparent(true);
}

}  // namespace orvanta::controls::testing_support
