// The Win32 window host against the real user32 and gdi32 (Wine on a private X display).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/utf.h"
#include "platform/win32/win32_window_host.h"

namespace orvanta::platform {
namespace {

using ui::HostEvent;
using ui::HostEventKind;

constexpr gfx::Rect kMainClient = gfx::Rect::FromSize(40, 30, 673, 475);

ui::WindowSpec MainSpec() {
  ui::WindowSpec request;
  request.Title = "Orvanta";
  request.ClientBounds = kMainClient;
  return request;
}

class Win32WindowHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_host = Win32WindowHost::Create(GetModuleHandleW(nullptr));
    ASSERT_NE(m_host, nullptr);
  }

  // The tests run on a private X display: a window that cannot be made is a failure.
  ui::WindowId Open(const ui::WindowSpec& request) {
    const ui::WindowId id = m_host->Open(request);
    if (id == ui::kNoWindow) {
      ADD_FAILURE() << "no window: is there a display?";
    }
    return id;
  }

  ui::WindowId ShowMain() {
    const ui::WindowId id = Open(MainSpec());
    m_host->Show(id);
    Drain();
    return id;
  }

  // Every event that arrives before the queue stays quiet for a moment.
  std::vector<HostEvent> Drain(int quietMs = 100) {
    std::vector<HostEvent> events;
    while (std::optional<HostEvent> e = m_host->WaitEvent(quietMs)) {
      events.push_back(*e);
    }
    return events;
  }

  // The input events of Drain, without the window's own bookkeeping (paints, activation,
  // the pointer leaving: the real pointer is elsewhere).
  std::vector<HostEvent> DrainInput() {
    std::vector<HostEvent> input;
    for (const HostEvent& e : Drain()) {
      switch (e.Kind) {
        case HostEventKind::Exposed:
        case HostEventKind::Activated:
        case HostEventKind::Deactivated:
        case HostEventKind::MouseLeave:
          break;
        default:
          input.push_back(e);
      }
    }
    return input;
  }

  HWND Hwnd(ui::WindowId id) const { return m_host->NativeWindow(id); }

  std::unique_ptr<Win32WindowHost> m_host;
};

gfx::Size ClientSizeOf(HWND hwnd) {
  RECT r{};
  GetClientRect(hwnd, &r);
  return {r.right - r.left, r.bottom - r.top};
}

TEST_F(Win32WindowHostTest, MainWindowHasTheClientSizeInsideTheSystemFrame) {
  const ui::WindowId id = Open(MainSpec());
  ASSERT_NE(id, ui::kNoWindow);
  const HWND hwnd = Hwnd(id);
  EXPECT_EQ(ClientSizeOf(hwnd), (gfx::Size{673, 475}));

  RECT outer{};
  ASSERT_TRUE(GetWindowRect(hwnd, &outer));
  RECT expected{kMainClient.Left, kMainClient.Top, kMainClient.Right, kMainClient.Bottom};
  ASSERT_TRUE(AdjustWindowRectEx(&expected, static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)),
                                 FALSE, static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE))));
  EXPECT_EQ(outer.right - outer.left, expected.right - expected.left);
  EXPECT_EQ(outer.bottom - outer.top, expected.bottom - expected.top);
  EXPECT_EQ(m_host->ClientToScreen(id, {0, 0}), (gfx::Point{kMainClient.Left, kMainClient.Top}));
  // The frame depends on the system's metrics; the log shows what this one draws.
  std::printf("main window outer size %ldx%ld for client 673x475 (caption %d, frame %d)\n",
              outer.right - outer.left, outer.bottom - outer.top, GetSystemMetrics(SM_CYCAPTION),
              GetSystemMetrics(SM_CXFRAME));
}

TEST_F(Win32WindowHostTest, EachKindGetsItsFrameAndBoxes) {
  struct Case {
    const char* name;
    ui::WindowKind kind;
    bool minimize, maximize;
    DWORD present, absent, exPresent;
  };
  const Case cases[] = {
      {"sizeable", ui::WindowKind::Sizeable, true, true,
       WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, WS_POPUP, 0},
      {"dialog", ui::WindowKind::Dialog, false, false, WS_CAPTION | WS_SYSMENU,
       WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_POPUP, 0},
      {"popup", ui::WindowKind::Popup, true, true, WS_POPUP, WS_CAPTION | WS_THICKFRAME,
       WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui::WindowSpec request;
    request.Kind = c.kind;
    request.ClientBounds = gfx::Rect::FromSize(100, 100, 422, 347);
    request.MinimizeBox = c.minimize;
    request.MaximizeBox = c.maximize;
    const ui::WindowId id = Open(request);
    ASSERT_NE(id, ui::kNoWindow);
    const auto style = static_cast<DWORD>(GetWindowLongW(Hwnd(id), GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongW(Hwnd(id), GWL_EXSTYLE));
    EXPECT_EQ(style & c.present, c.present);
    EXPECT_EQ(style & c.absent, 0u);
    EXPECT_EQ(exStyle & c.exPresent, c.exPresent);
    EXPECT_EQ(ClientSizeOf(Hwnd(id)), (gfx::Size{422, 347}));
    EXPECT_EQ(m_host->ClientToScreen(id, {0, 0}), (gfx::Point{100, 100}));
    m_host->Destroy(id);
  }
}

TEST_F(Win32WindowHostTest, OwnedWindowsAreOwnedAndPopupsNeverActivate) {
  const ui::WindowId main = ShowMain();
  ui::WindowSpec about;
  about.Kind = ui::WindowKind::Dialog;
  about.Owner = main;
  about.ClientBounds = gfx::Rect::FromSize(120, 90, 422, 347);
  const ui::WindowId dialog = Open(about);
  ASSERT_NE(dialog, ui::kNoWindow);
  EXPECT_EQ(GetWindow(Hwnd(dialog), GW_OWNER), Hwnd(main));

  ui::WindowSpec hint;
  hint.Kind = ui::WindowKind::Popup;
  hint.ClientBounds = gfx::Rect::FromSize(200, 200, 80, 16);
  const ui::WindowId popup = Open(hint);
  m_host->Activate(main);
  Drain();
  m_host->Show(popup);
  Drain();
  EXPECT_TRUE(IsWindowVisible(Hwnd(popup)));
  EXPECT_NE(GetActiveWindow(), Hwnd(popup));
  m_host->Hide(popup);
  EXPECT_FALSE(IsWindowVisible(Hwnd(popup)));
}

TEST_F(Win32WindowHostTest, TitlesRoundTripAsUtf8) {
  ui::WindowSpec request = MainSpec();
  request.Title = "开机/关机日志";
  const ui::WindowId id = Open(request);
  ASSERT_NE(id, ui::kNoWindow);
  const auto title = [&] {
    wchar_t text[256] = {};
    const int length = GetWindowTextW(Hwnd(id), text, 256);
    return WideToUtf8(std::wstring_view(text, static_cast<std::size_t>(std::max(length, 0))));
  };
  EXPECT_EQ(title(), "开机/关机日志");
  m_host->SetTitle(id, "Windows已运行时间: 😀");
  EXPECT_EQ(title(), "Windows已运行时间: 😀");
}

gfx::Pixel ScreenPixel(HWND hwnd, int x, int y) {
  WindowDc dc(hwnd);
  // COLORREF has red in the low byte, as gfx::Color does.
  return gfx::PixelFromRgbColor(GetPixel(dc.Get(), x, y));
}

TEST_F(Win32WindowHostTest, PresentedPixelsReachTheWindow) {
  const ui::WindowId id = ShowMain();
  gfx::Bitmap frame(673, 475, gfx::MakePixel(212, 208, 200));
  for (int y = 0; y < 475; ++y) {
    for (int x = 0; x < 673; ++x) {
      if (x < 60 && y < 40) {
        frame.At(x, y) = gfx::MakePixel(255, 0, 0);
      } else if (x >= 613 && y >= 435) {
        frame.At(x, y) = gfx::MakePixel(0, 0, 255);
      } else if (y == 200) {
        frame.At(x, y) = gfx::MakePixel(x % 256, 128, 255 - x % 256);
      }
    }
  }
  m_host->Present(id, frame, {0, 0, 673, 475});
  const HWND hwnd = Hwnd(id);
  EXPECT_EQ(ScreenPixel(hwnd, 0, 0), gfx::MakePixel(255, 0, 0));
  EXPECT_EQ(ScreenPixel(hwnd, 59, 39), gfx::MakePixel(255, 0, 0));
  EXPECT_EQ(ScreenPixel(hwnd, 60, 39), gfx::MakePixel(212, 208, 200));
  EXPECT_EQ(ScreenPixel(hwnd, 672, 474), gfx::MakePixel(0, 0, 255));
  EXPECT_EQ(ScreenPixel(hwnd, 300, 200), gfx::MakePixel(300 % 256, 128, 255 - 300 % 256));

  // Only the area is copied: a second frame of another colour shows inside it alone.
  const gfx::Bitmap green(673, 475, gfx::MakePixel(0, 160, 0));
  m_host->Present(id, green, gfx::Rect{100, 150, 180, 170});
  EXPECT_EQ(ScreenPixel(hwnd, 100, 150), gfx::MakePixel(0, 160, 0));
  EXPECT_EQ(ScreenPixel(hwnd, 179, 169), gfx::MakePixel(0, 160, 0));
  EXPECT_EQ(ScreenPixel(hwnd, 99, 150), gfx::MakePixel(212, 208, 200));
  EXPECT_EQ(ScreenPixel(hwnd, 180, 169), gfx::MakePixel(212, 208, 200));
  EXPECT_EQ(ScreenPixel(hwnd, 100, 170), gfx::MakePixel(212, 208, 200));
  EXPECT_EQ(ScreenPixel(hwnd, 0, 0), gfx::MakePixel(255, 0, 0));
}

TEST_F(Win32WindowHostTest, PaintRequestsBecomeExposedAreas) {
  const ui::WindowId id = ShowMain();
  RECT dirty{10, 20, 110, 70};
  InvalidateRect(Hwnd(id), &dirty, FALSE);
  std::vector<HostEvent> exposed;
  for (const HostEvent& e : Drain()) {
    if (e.Kind == HostEventKind::Exposed) {
      exposed.push_back(e);
    }
  }
  ASSERT_EQ(exposed.size(), 1u);
  EXPECT_EQ(exposed[0].Area, (gfx::Rect{10, 20, 110, 70}));
}

struct PostedInput {
  const char* name;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  std::vector<HostEvent> expected;
};

TEST_F(Win32WindowHostTest, PostedInputArrivesAsHostEvents) {
  const ui::WindowId id = ShowMain();
  const HWND hwnd = Hwnd(id);
  POINT screen{30, 40};
  ClientToScreen(hwnd, &screen);
  const LPARAM wheelAt = MAKELPARAM(screen.x, screen.y);
  const LPARAM repeat = LPARAM{1} << 30;
  const std::vector<PostedInput> cases = {
      {"key down",
       WM_KEYDOWN,
       VK_LEFT,
       1,
       {{.Kind = HostEventKind::KeyDown, .Window = id, .Key = ui::kVkLeft}}},
      {"key repeat",
       WM_KEYDOWN,
       VK_DOWN,
       repeat | 1,
       {{.Kind = HostEventKind::KeyDown, .Window = id, .Key = ui::kVkDown, .Repeat = true}}},
      {"key up",
       WM_KEYUP,
       VK_F1,
       0,
       {{.Kind = HostEventKind::KeyUp, .Window = id, .Key = ui::kVkF1}}},
      {"character", WM_CHAR, L'x', 1, {{.Kind = HostEventKind::Char, .Window = id, .Char = U'x'}}},
      {"chinese character",
       WM_CHAR,
       0x65E5,
       1,
       {{.Kind = HostEventKind::Char, .Window = id, .Char = U'日'}}},
      {"control character", WM_CHAR, L'\r', 1, {}},
      {"alt character",
       WM_SYSCHAR,
       L'r',
       1,
       {{.Kind = HostEventKind::Char, .Window = id, .Shift = ui::kShiftAlt, .Char = U'r'}}},
      {"left press",
       WM_LBUTTONDOWN,
       MK_LBUTTON | MK_SHIFT,
       MAKELPARAM(12, 34),
       {{.Kind = HostEventKind::MouseDown,
         .Window = id,
         .Position = {12, 34},
         .Button = ui::MouseButton::Left,
         .Shift = ui::kShiftShift}}},
      {"right release",
       WM_RBUTTONUP,
       MK_CONTROL,
       MAKELPARAM(600, 5),
       {{.Kind = HostEventKind::MouseUp,
         .Window = id,
         .Position = {600, 5},
         .Button = ui::MouseButton::Right,
         .Shift = ui::kShiftCtrl}}},
      {"middle press",
       WM_MBUTTONDOWN,
       MK_MBUTTON,
       MAKELPARAM(1, 2),
       {{.Kind = HostEventKind::MouseDown,
         .Window = id,
         .Position = {1, 2},
         .Button = ui::MouseButton::Middle}}},
      {"move left of the window, as a captured mouse reports it",
       WM_MOUSEMOVE,
       0,
       MAKELPARAM(-5, 70),
       {{.Kind = HostEventKind::MouseMove, .Window = id, .Position = {-5, 70}}}},
      {"wheel two notches down",
       WM_MOUSEWHEEL,
       MAKEWPARAM(0, static_cast<WORD>(-240)),
       wheelAt,
       {{.Kind = HostEventKind::Wheel, .Window = id, .Position = {30, 40}, .WheelNotches = -2}}},
      {"close box", WM_CLOSE, 0, 0, {{.Kind = HostEventKind::CloseRequest, .Window = id}}},
  };
  for (const PostedInput& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(PostMessageW(hwnd, c.message, c.wParam, c.lParam));
    const std::vector<HostEvent> got = DrainInput();
    ASSERT_EQ(got.size(), c.expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
      const HostEvent& e = c.expected[i];
      EXPECT_EQ(got[i].Kind, e.Kind);
      EXPECT_EQ(got[i].Window, e.Window);
      EXPECT_EQ(got[i].Position, e.Position);
      EXPECT_EQ(got[i].Button, e.Button);
      EXPECT_EQ(got[i].Shift, e.Shift);
      EXPECT_EQ(got[i].WheelNotches, e.WheelNotches);
      EXPECT_EQ(got[i].Key, e.Key);
      EXPECT_EQ(got[i].Repeat, e.Repeat);
      EXPECT_EQ(got[i].Char, e.Char);
    }
  }
  // The close request leaves the window to the framework.
  EXPECT_TRUE(IsWindow(hwnd));
}

TEST_F(Win32WindowHostTest, SurrogatePairsAndFineWheelTurnsAddUp) {
  const ui::WindowId id = ShowMain();
  const HWND hwnd = Hwnd(id);
  PostMessageW(hwnd, WM_CHAR, 0xD83D, 1);
  PostMessageW(hwnd, WM_CHAR, 0xDE00, 1);
  POINT screen{5, 6};
  ClientToScreen(hwnd, &screen);
  for (int i = 0; i < 4; ++i) {
    PostMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, 60), MAKELPARAM(screen.x, screen.y));
  }
  const std::vector<HostEvent> got = DrainInput();
  ASSERT_EQ(got.size(), 3u);
  EXPECT_EQ(got[0].Kind, HostEventKind::Char);
  EXPECT_EQ(got[0].Char, U'\U0001F600');
  for (int i = 1; i < 3; ++i) {
    EXPECT_EQ(got[i].Kind, HostEventKind::Wheel);
    EXPECT_EQ(got[i].WheelNotches, 1);
    EXPECT_EQ(got[i].Position, (gfx::Point{5, 6}));
  }
}

TEST_F(Win32WindowHostTest, UserResizeIsReportedAndOwnResizeIsNot) {
  const ui::WindowId id = ShowMain();
  m_host->SetClientBounds(id, gfx::Rect::FromSize(50, 60, 500, 300));
  EXPECT_EQ(ClientSizeOf(Hwnd(id)), (gfx::Size{500, 300}));
  EXPECT_EQ(m_host->ClientToScreen(id, {0, 0}), (gfx::Point{50, 60}));
  for (const HostEvent& e : Drain()) {
    EXPECT_NE(e.Kind, HostEventKind::Resized);
  }
  RECT outer{};
  GetWindowRect(Hwnd(id), &outer);
  SetWindowPos(Hwnd(id), nullptr, 0, 0, outer.right - outer.left + 30,
               outer.bottom - outer.top + 20, SWP_NOMOVE | SWP_NOZORDER);
  std::vector<HostEvent> resized;
  for (const HostEvent& e : Drain()) {
    if (e.Kind == HostEventKind::Resized) {
      resized.push_back(e);
    }
  }
  ASSERT_EQ(resized.size(), 1u);
  EXPECT_EQ(resized[0].ClientSize, (gfx::Size{530, 320}));
}

TEST_F(Win32WindowHostTest, OnlyACaptureTakenByOthersIsLost) {
  const ui::WindowId id = ShowMain();
  m_host->SetCapture(id);
  EXPECT_EQ(GetCapture(), Hwnd(id));
  m_host->ReleaseCapture();
  EXPECT_EQ(GetCapture(), nullptr);
  for (const HostEvent& e : Drain()) {
    EXPECT_NE(e.Kind, HostEventKind::CaptureLost);
  }
  m_host->SetCapture(id);
  ui::WindowSpec other = MainSpec();
  other.Title = "other";
  const ui::WindowId second = Open(other);
  ::SetCapture(Hwnd(second));
  bool lost = false;
  for (const HostEvent& e : Drain()) {
    lost = lost || (e.Kind == HostEventKind::CaptureLost && e.Window == id);
  }
  EXPECT_TRUE(lost);
  ::ReleaseCapture();
}

TEST_F(Win32WindowHostTest, TheCursorSetIsShownOverTheClientArea) {
  const ui::WindowId id = ShowMain();
  const HWND hwnd = Hwnd(id);
  const struct {
    ui::CursorKind kind;
    const wchar_t* system;
  } cases[] = {{ui::CursorKind::Hand, IDC_HAND},
               {ui::CursorKind::SizeNWSE, IDC_SIZENWSE},
               {ui::CursorKind::SizeWE, IDC_SIZEWE},
               {ui::CursorKind::IBeam, IDC_IBEAM},
               {ui::CursorKind::Default, IDC_ARROW}};
  for (const auto& c : cases) {
    m_host->SetCursor(id, c.kind);
    SendMessageW(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, c.system));
  }
}

TEST_F(Win32WindowHostTest, DisabledAndDestroyedWindows) {
  const ui::WindowId id = ShowMain();
  const HWND hwnd = Hwnd(id);
  m_host->SetInputEnabled(id, false);
  EXPECT_FALSE(IsWindowEnabled(hwnd));
  m_host->SetInputEnabled(id, true);
  EXPECT_TRUE(IsWindowEnabled(hwnd));

  PostMessageW(hwnd, WM_CLOSE, 0, 0);
  m_host->Destroy(id);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(m_host->NativeWindow(id), nullptr);
  for (const HostEvent& e : Drain()) {
    EXPECT_NE(e.Window, id);
  }
  // Calls with the destroyed window do nothing.
  m_host->Show(id);
  m_host->SetTitle(id, "gone");
  m_host->Present(id, gfx::Bitmap(4, 4), {0, 0, 4, 4});
  EXPECT_FALSE(m_host->IsMaximized(id));
}

TEST_F(Win32WindowHostTest, WaitEventEndsWithItsTimeoutOrTheFirstMessage) {
  const ui::WindowId id = ShowMain();
  EXPECT_FALSE(m_host->WaitEvent(0).has_value());
  EXPECT_FALSE(m_host->WaitEvent(120).has_value());
  // Without a limit the wait ends when a message comes, here from another thread.
  const HWND hwnd = Hwnd(id);
  std::thread poster([hwnd] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    PostMessageW(hwnd, WM_CLOSE, 0, 0);
  });
  std::optional<HostEvent> e;
  do {
    e = m_host->WaitEvent(-1);
  } while (e && e->Kind != HostEventKind::CloseRequest);
  poster.join();
  ASSERT_TRUE(e.has_value());
  EXPECT_EQ(e->Window, id);
}

// The system's size loop runs inside the dispatch of the posted size command; meanwhile the
// host calls the nested pump, whose polls take no messages from the loop. A loop that waits
// inside the pump (a modal window) takes them, and the pump is not entered again meanwhile.
TEST_F(Win32WindowHostTest, TheSizeLoopRunsTheNestedPump) {
  const ui::WindowId id = ShowMain();
  const HWND hwnd = Hwnd(id);
  int pumps = 0;
  int depth = 0;
  int deepest = 0;
  bool pollTookAKey = false;
  std::optional<HostEvent> waited;
  m_host->SetNestedPump([&] {
    ++pumps;
    deepest = std::max(deepest, ++depth);
    PostMessageW(hwnd, WM_KEYDOWN, VK_F2, 1);
    while (std::optional<HostEvent> e = m_host->WaitEvent(0)) {
      pollTookAKey = pollTookAKey || e->Kind == HostEventKind::KeyDown;
    }
    if (pumps == 3) {
      do {
        waited = m_host->WaitEvent(1000);
      } while (waited && waited->Kind != HostEventKind::KeyDown);
      // Escape ends the size loop; the loop reads it, not WaitEvent.
      PostMessageW(hwnd, WM_KEYDOWN, VK_ESCAPE, 1);
    }
    --depth;
  });
  m_host->BeginSizeFromBottomRight(id);
  Drain(500);
  m_host->SetNestedPump(nullptr);
  EXPECT_GE(pumps, 3);
  EXPECT_EQ(deepest, 1);
  EXPECT_FALSE(pollTookAKey);
  ASSERT_TRUE(waited.has_value());
  EXPECT_EQ(waited->Key, unsigned{VK_F2});
  EXPECT_EQ(ClientSizeOf(hwnd), (gfx::Size{673, 475}));
}

}  // namespace
}  // namespace orvanta::platform
