#include "platform/win32/win32_input.h"

namespace orvanta::platform {
namespace {

struct ButtonMessage {
  UINT Message;
  ui::HostEventKind Kind;
  ui::MouseButton Button;
};

constexpr ButtonMessage kButtonMessages[] = {
    {WM_LBUTTONDOWN, ui::HostEventKind::MouseDown, ui::MouseButton::Left},
    {WM_LBUTTONUP, ui::HostEventKind::MouseUp, ui::MouseButton::Left},
    {WM_RBUTTONDOWN, ui::HostEventKind::MouseDown, ui::MouseButton::Right},
    {WM_RBUTTONUP, ui::HostEventKind::MouseUp, ui::MouseButton::Right},
    {WM_MBUTTONDOWN, ui::HostEventKind::MouseDown, ui::MouseButton::Middle},
    {WM_MBUTTONUP, ui::HostEventKind::MouseUp, ui::MouseButton::Middle},
};

constexpr int kWheelDelta = WHEEL_DELTA;

bool KeyDown(int virtualKey) {
  return (GetKeyState(virtualKey) & 0x8000) != 0;
}

}  // namespace

WindowStyle StyleFor(const ui::WindowSpec& request) {
  if (request.Kind == ui::WindowKind::Popup) {
    return {WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE};
  }
  WindowStyle s{WS_OVERLAPPED | WS_CAPTION, 0};
  if (request.Kind == ui::WindowKind::Sizeable) {
    s.Style |= WS_THICKFRAME;
  }
  if (request.SystemMenu) {
    s.Style |= WS_SYSMENU;
  }
  if (request.MinimizeBox) {
    s.Style |= WS_MINIMIZEBOX;
  }
  if (request.MaximizeBox) {
    s.Style |= WS_MAXIMIZEBOX;
  }
  return s;
}

ui::ShiftState KeyboardShift() {
  ui::ShiftState shift = ui::kShiftNone;
  if (KeyDown(VK_SHIFT)) {
    shift |= ui::kShiftShift;
  }
  if (KeyDown(VK_CONTROL)) {
    shift |= ui::kShiftCtrl;
  }
  if (KeyDown(VK_MENU)) {
    shift |= ui::kShiftAlt;
  }
  return shift;
}

ui::ShiftState MouseShift(WPARAM wParam) {
  ui::ShiftState shift = ui::kShiftNone;
  if ((wParam & MK_SHIFT) != 0) {
    shift |= ui::kShiftShift;
  }
  if ((wParam & MK_CONTROL) != 0) {
    shift |= ui::kShiftCtrl;
  }
  if (KeyDown(VK_MENU)) {
    shift |= ui::kShiftAlt;
  }
  return shift;
}

std::optional<MouseMessage> MouseButtonMessage(UINT message) {
  for (const ButtonMessage& m : kButtonMessages) {
    if (m.Message == message) {
      return MouseMessage{m.Kind, m.Button};
    }
  }
  return std::nullopt;
}

gfx::Point PointFromLParam(LPARAM lParam) {
  const auto bits = static_cast<DWORD_PTR>(lParam);
  return {static_cast<short>(LOWORD(bits)), static_cast<short>(HIWORD(bits))};
}

HCURSOR SystemCursor(ui::CursorKind cursor) {
  struct Shape {
    ui::CursorKind Kind;
    const wchar_t* Id;
  };
  static const Shape kShapes[] = {
      {ui::CursorKind::Hand, IDC_HAND},     {ui::CursorKind::IBeam, IDC_IBEAM},
      {ui::CursorKind::Wait, IDC_WAIT},     {ui::CursorKind::SizeNWSE, IDC_SIZENWSE},
      {ui::CursorKind::SizeWE, IDC_SIZEWE}, {ui::CursorKind::SizeNS, IDC_SIZENS},
  };
  for (const Shape& shape : kShapes) {
    if (shape.Kind == cursor) {
      // Standard cursors are shared: they are never destroyed.
      if (HCURSOR loaded = LoadCursorW(nullptr, shape.Id)) {
        return loaded;
      }
      break;
    }
  }
  return LoadCursorW(nullptr, IDC_ARROW);
}

std::optional<char32_t> Utf16Joiner::Add(wchar_t unit) {
  const auto u = static_cast<char32_t>(static_cast<std::uint16_t>(unit));
  if (u >= 0xD800 && u <= 0xDBFF) {
    m_high = u;
    return std::nullopt;
  }
  if (u >= 0xDC00 && u <= 0xDFFF) {
    const char32_t high = m_high;
    m_high = 0;
    if (high == 0) {
      return std::nullopt;
    }
    return 0x10000 + ((high - 0xD800) << 10) + (u - 0xDC00);
  }
  m_high = 0;
  return u;
}

int WheelNotches::Add(int delta) {
  if ((delta > 0 && m_remainder < 0) || (delta < 0 && m_remainder > 0)) {
    m_remainder = 0;  // a turn the other way starts afresh
  }
  m_remainder += delta;
  const int notches = m_remainder / kWheelDelta;
  m_remainder -= notches * kWheelDelta;
  return notches;
}

}  // namespace orvanta::platform
