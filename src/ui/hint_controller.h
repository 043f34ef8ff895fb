#pragma once

#include <memory>
#include <string>

#include "gfx/geometry.h"
#include "ui/timer_queue.h"

namespace orvanta::ui {

class Application;
class Control;
class HintWindow;

// Milliseconds before a hint shows, and how long it stays.
inline constexpr int kDefaultHintPause = 500;
inline constexpr int kDefaultHintHidePause = 2500;

// Shows a control's hint: after the hint pause with the pointer over the control, next to the
// pointer; hidden after the hide pause, when the pointer leaves the control, on a click or a
// key, or on request. A hint that timed out or was cancelled comes back only when the pointer
// enters the control again or someone activates it.
class HintController {
 public:
  explicit HintController(Application& app);
  ~HintController();

  int Pause() const { return m_pause; }
  void SetPause(int ms) { m_pause = ms; }
  int HidePause() const { return m_hidePause; }
  void SetHidePause(int ms) { m_hidePause = ms; }

  // The pointer is over control (null: over no control of ours), at a point in the client
  // pixels of control's form; it becomes a screen point only when the hint shows.
  void MouseOver(Control* control, gfx::Point formPoint);
  // Offers control's current hint at a screen point: shown after the hint pause.
  void Activate(Control& control, gfx::Point screen);
  void Cancel();
  void Forget(const Control& control);  // the subtree of control cannot show hints any more

  bool Showing() const { return m_state == State::Shown; }
  const std::string& ShownText() const { return m_shownText; }
  gfx::Point ShownAt() const { return m_shownAt; }
  HintWindow* Window() const { return m_window.get(); }
  void DestroyWindow();

 private:
  enum class State { Idle, Waiting, Shown, Done };
  static Control* HintSource(Control* control);
  void Wait(int ms);
  void StopTimer();
  void Tick();
  void HideWindow();

  Application& m_app;
  int m_pause = kDefaultHintPause;
  int m_hidePause = kDefaultHintHidePause;
  State m_state = State::Idle;
  Control* m_control = nullptr;
  gfx::Point m_at;            // where the pointer is: screen pixels, or form pixels
  bool m_atOnScreen = false;  // m_at is in screen pixels (an activated hint)
  TimerId m_timer = kNoTimer;
  std::unique_ptr<HintWindow> m_window;
  std::string m_shownText;
  gfx::Point m_shownAt;
};

}  // namespace orvanta::ui
