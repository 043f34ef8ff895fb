#include "ui/hint_window.h"

#include <algorithm>

#include "ui/application.h"

namespace orvanta::ui {

namespace {

constexpr unsigned kTextFlags = gfx::kDtLeft | gfx::kDtWordBreak | gfx::kDtNoPrefix;

}  // namespace

HintWindow::HintWindow(Application& app) : Form(app) {
  SetBorderStyle(BorderStyle::None);
  SetColor(gfx::clInfoBk);
  gfx::Font font = Font();
  font.TextColor = gfx::clInfoText;
  SetFont(font);
}

gfx::Size HintWindow::SizeFor(const std::string& text) {
  gfx::Canvas* canvas = MeasuringCanvas();
  if (canvas == nullptr) {
    return {0, 0};
  }
  gfx::Rect r{0, 0, kMaxWidth, 0};
  canvas->DrawText(text, r, kTextFlags | gfx::kDtCalcRect);
  return {r.Width() + 2 * (kPaddingX + 1), r.Height() + 2 * (kPaddingY + 1)};
}

void HintWindow::ActivateHint(gfx::Point screen, const std::string& text) {
  SetCaption(text);
  const gfx::Size size = SizeFor(text);
  SetClientSize(size.Width, size.Height);
  const gfx::Rect desktop = OwnerApp().Host().DesktopRect();
  gfx::Point p = screen;
  p.X = std::max(desktop.Left, std::min(p.X, desktop.Right - size.Width));
  p.Y = std::max(desktop.Top, std::min(p.Y, desktop.Bottom - size.Height));
  SetScreenPosition(p);
  Invalidate();
  Show();
}

void HintWindow::Paint(gfx::Canvas& canvas) {
  const gfx::Rect r = ClientRect();
  canvas.FillRect(r, gfx::clWindowFrame);
  canvas.FillRect(r.Inflate(-1, -1), Color());
  canvas.SetBkMode(gfx::BackgroundMode::Transparent);
  gfx::Rect text = r.Inflate(-(kPaddingX + 1), -(kPaddingY + 1));
  canvas.DrawText(Caption(), text, kTextFlags);
}

}  // namespace orvanta::ui
