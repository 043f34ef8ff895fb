#include "ui/memo.h"

#include <algorithm>

#include "ui/application.h"

namespace orvanta::ui {

namespace {

constexpr int kCharStep = 8;  // horizontal scroll per arrow key, pixels

}  // namespace

Memo::Memo()
    : m_vbar(&Add<ScrollBar>(ScrollBarKind::Vertical)),
      m_hbar(&Add<ScrollBar>(ScrollBarKind::Horizontal)) {
  SetStyle(kCsAcceptsFocus | kCsClickEvents);
  SetTabStop(true);
  SetColor(gfx::clWindow);
  SetCursor(CursorKind::IBeam);
  m_vbar->SetCursor(CursorKind::Arrow);
  m_hbar->SetCursor(CursorKind::Arrow);
  m_vbar->OnScroll = [this](ScrollCode, int position) { SetTopLine(position); };
  m_hbar->OnScroll = [this](ScrollCode, int position) { SetLeftOffset(position); };
  SetBounds(0, 0, 185, 89);
  Layout();
}

void Memo::SetLines(std::vector<std::string> lines) {
  m_lines = std::move(lines);
  Changed();
}

void Memo::AddLine(std::string line) {
  m_lines.push_back(std::move(line));
  Changed();
}

void Memo::SetScrollBars(ScrollBars bars) {
  m_scrollBars = bars;
  Layout();
}

void Memo::SetBorder(ControlBorder border) {
  m_border = border;
  Layout();
}

void Memo::Changed() {
  m_widest = -1;
  Layout();
  Invalidate();
}

int Memo::LineHeight() const {
  gfx::Canvas* canvas = MeasuringCanvas();
  return canvas != nullptr ? std::max(canvas->GetTextMetrics().Height, 1) : Font().Height + 3;
}

int Memo::WidestLine() const {
  if (m_widest < 0) {
    gfx::Canvas* canvas = MeasuringCanvas();
    if (canvas == nullptr) {
      return 0;
    }
    m_widest = 0;
    for (const std::string& line : m_lines) {
      m_widest = std::max(m_widest, canvas->TextExtent(line).Width);
    }
  }
  return m_widest;
}

gfx::Rect Memo::ViewRect() const {
  const int b = BorderWidth(m_border);
  gfx::Rect r = ClientRect().Inflate(-b, -b);
  if (m_vbar->Visible()) {
    r.Right -= ScrollBar::kSize;
  }
  if (m_hbar->Visible()) {
    r.Bottom -= ScrollBar::kSize;
  }
  r.Right = std::max(r.Right, r.Left);
  r.Bottom = std::max(r.Bottom, r.Top);
  return r;
}

int Memo::VisibleLines() const {
  return std::max(1, ViewRect().Height() / LineHeight());
}

void Memo::Layout() {
  const bool vertical = m_scrollBars == ScrollBars::Vertical || m_scrollBars == ScrollBars::Both;
  const bool horizontal =
      m_scrollBars == ScrollBars::Horizontal || m_scrollBars == ScrollBars::Both;
  m_vbar->SetVisible(vertical);
  m_hbar->SetVisible(horizontal);
  const int b = BorderWidth(m_border);
  const gfx::Rect inner = ClientRect().Inflate(-b, -b);
  const int barBottom = inner.Bottom - (horizontal ? ScrollBar::kSize : 0);
  const int barRight = inner.Right - (vertical ? ScrollBar::kSize : 0);
  m_vbar->SetBounds({inner.Right - ScrollBar::kSize, inner.Top, inner.Right, barBottom});
  m_hbar->SetBounds({inner.Left, inner.Bottom - ScrollBar::kSize, barRight, inner.Bottom});

  const int lines = static_cast<int>(m_lines.size());
  const int page = VisibleLines();
  m_topLine = std::clamp(m_topLine, 0, std::max(0, lines - page));
  m_vbar->SetParams(0, std::max(lines - 1, 0), page, m_topLine);
  const int view = std::max(ViewRect().Width() - 2 * kMargin, 1);
  const int widest = WidestLine();
  m_leftOffset = std::clamp(m_leftOffset, 0, std::max(0, widest - view));
  m_hbar->SetParams(0, std::max(widest - 1, 0), view, m_leftOffset);
  m_hbar->SetSmallChange(kCharStep);
}

void Memo::SetTopLine(int line) {
  const int clamped =
      std::clamp(line, 0, std::max(0, static_cast<int>(m_lines.size()) - VisibleLines()));
  if (clamped == m_topLine) {
    return;
  }
  m_topLine = clamped;
  m_vbar->SetPosition(clamped);
  Invalidate(ViewRect());
}

void Memo::SetLeftOffset(int pixels) {
  const int view = std::max(ViewRect().Width() - 2 * kMargin, 1);
  const int clamped = std::clamp(pixels, 0, std::max(0, WidestLine() - view));
  if (clamped == m_leftOffset) {
    return;
  }
  m_leftOffset = clamped;
  m_hbar->SetPosition(clamped);
  Invalidate(ViewRect());
}

void Memo::Paint(gfx::Canvas& canvas) {
  gfx::Rect r = ClientRect();
  DrawControlBorder(canvas, r, m_border);
  if (m_vbar->Visible() && m_hbar->Visible()) {
    canvas.FillRect({r.Right - ScrollBar::kSize, r.Bottom - ScrollBar::kSize, r.Right, r.Bottom},
                    gfx::clBtnFace);
  }
  const gfx::Rect view = ViewRect();
  canvas.FillRect(view, Color());
  gfx::CanvasStateSaver saver(canvas);
  canvas.IntersectClipRect(view);
  canvas.SetBkMode(gfx::BackgroundMode::Transparent);
  const int lineHeight = LineHeight();
  const int x = view.Left + kMargin - m_leftOffset;
  const int last = std::min(static_cast<int>(m_lines.size()), m_topLine + VisibleLines() + 1);
  for (int i = m_topLine; i < last; ++i) {
    canvas.TextOut(x, view.Top + (i - m_topLine) * lineHeight,
                   m_lines[static_cast<std::size_t>(i)]);
  }
}

void Memo::MouseDown(const MouseEvent& e) {
  if (e.Button == MouseButton::Left) {
    SetFocus();
  }
}

void Memo::MouseWheel(WheelEvent& e) {
  const Application* app = App();
  const int lines = app != nullptr ? app->Host().WheelScrollLines() : 3;
  SetTopLine(m_topLine - e.Notches * lines);
  e.Handled = true;
}

void Memo::KeyDown(KeyEvent& e) {
  const int page = VisibleLines();
  const bool ctrl = HasShift(e.Shift, kShiftCtrl);
  switch (e.Key) {
    case kVkUp:
      SetTopLine(m_topLine - 1);
      break;
    case kVkDown:
      SetTopLine(m_topLine + 1);
      break;
    case kVkPrior:
      SetTopLine(m_topLine - page);
      break;
    case kVkNext:
      SetTopLine(m_topLine + page);
      break;
    case kVkHome:
      ctrl ? SetTopLine(0) : SetLeftOffset(0);
      break;
    case kVkEnd:
      ctrl ? SetTopLine(static_cast<int>(m_lines.size())) : SetLeftOffset(WidestLine());
      break;
    case kVkLeft:
      SetLeftOffset(m_leftOffset - kCharStep);
      break;
    case kVkRight:
      SetLeftOffset(m_leftOffset + kCharStep);
      break;
    default:
      return;
  }
  e.Handled = true;
}

}  // namespace orvanta::ui
