#pragma once

#include <string>

#include "ui/form.h"

namespace orvanta::ui {

// The borderless popup that shows a hint: the text in the info colours inside a one-pixel
// frame. It never takes the focus.
class HintWindow : public Form {
 public:
  explicit HintWindow(Application& app);

  // Sizes the window to the text and shows it with its top-left corner at a screen point,
  // kept on the desktop.
  void ActivateHint(gfx::Point screen, const std::string& text);
  // The client size the text needs (at most kMaxWidth wide, wrapped).
  gfx::Size SizeFor(const std::string& text);

  static constexpr int kMaxWidth = 300;
  static constexpr int kPaddingX = 3;  // between the frame and the text, client pixels
  static constexpr int kPaddingY = 1;

  void Paint(gfx::Canvas& canvas) override;
};

}  // namespace orvanta::ui
