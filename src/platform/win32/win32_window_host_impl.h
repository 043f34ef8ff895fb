#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>

#include "platform/win32/win32_input.h"
#include "platform/win32/win32_window_host.h"
#include "platform/win32/window_class.h"

namespace orvanta::platform {

// One top-level window and what the window procedure remembers about it. Destroying the
// object destroys the window if the system has not already done so (an owner's destruction
// takes its owned windows along).
struct HostWindow {
  HostWindow(Win32WindowHost::Impl& host, ui::WindowId id, const ui::WindowSpec& request)
      : Host(host), Id(id), Spec(request) {}
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  Win32WindowHost::Impl& Host;
  ui::WindowId Id;
  ui::WindowSpec Spec;
  HWND Hwnd = nullptr;  // set by WM_NCCREATE, cleared by WM_NCDESTROY
  bool DestroyedByHost = false;
  gfx::Size ClientSize;  // as last reported to the framework (or set by it)
  ui::CursorKind Cursor = ui::CursorKind::Arrow;
  bool TrackingLeave = false;  // TrackMouseEvent asked for WM_MOUSELEAVE
  bool InSystemLoop = false;   // the system's size, move or menu loop runs for this window
  Utf16Joiner Chars;
  WheelNotches Wheel;
};

struct Win32WindowHost::Impl {
  Impl(Win32WindowHost& owner, WindowClass windowClass)
      : Owner(owner), Class(std::move(windowClass)) {}

  HostWindow* Find(ui::WindowId window) const;
  void Push(const ui::HostEvent& e) { Pending.push_back(e); }
  std::int64_t TickMs();
  // Runs the application's nested pump from inside one of the system's own loops, once at a
  // time: a loop that the pump starts (a modal window) dispatches the timer that calls it.
  void Pump() {
    if (!Pumping) {
      Pumping = true;
      Owner.RunNestedPump();
      Pumping = false;
    }
  }
  int SystemLoops() const;

  // The window procedure's work for one message of a window; false leaves the message to
  // DefWindowProcW.
  bool Handle(HostWindow& w, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  Win32WindowHost& Owner;
  WindowClass Class;
  std::map<ui::WindowId, std::unique_ptr<HostWindow>> Windows;
  std::deque<ui::HostEvent> Pending;
  ui::WindowId NextId = 1;
  ui::WindowId CaptureWindow = ui::kNoWindow;
  int OwnCaptureChanges = 0;  // inside our own SetCapture or ReleaseCapture
  bool Pumping = false;
  // GetTickCount64 where the system has it; otherwise the 32-bit count, widened here.
  unsigned long long(__stdcall* TickCount64)() = nullptr;
  DWORD LastTick32 = 0;
  std::uint64_t TickWraps = 0;
};

// The window procedure of the host's window class.
LRESULT CALLBACK HostWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace orvanta::platform
