#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/canvas.h"
#include "ui/hint_controller.h"
#include "ui/timer_queue.h"
#include "ui/window_host.h"

namespace orvanta::ui {

class Control;
class Form;

// Makes a canvas that draws into a bitmap (the raster canvas with the platform's glyphs).
using CanvasFactory = std::function<std::unique_ptr<gfx::Canvas>(gfx::Bitmap&)>;

// The one user-interface thread's message loop. It takes the host's input, fires timers only
// between handlers (never inside one), and paints the forms when nothing else is waiting, so
// many invalidations become one paint. The application outlives its forms and timers; one
// exists at a time, reachable through Current().
class Application {
 public:
  Application(WindowHost& host, CanvasFactory canvasFactory);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  static Application* Current();
  WindowHost& Host() const { return m_host; }

  // Forms. Closing the main form ends the application.
  void SetMainForm(Form& form) { m_mainForm = &form; }
  Form* MainForm() const { return m_mainForm; }
  const std::vector<Form*>& Forms() const { return m_forms; }
  bool HasForm(const Form& form) const;

  // The loop. Run shows the main form and serves events until the application terminates.
  void Run();
  void Terminate() { m_terminated = true; }
  bool Terminated() const { return m_terminated; }
  // Serves events, timers and paints until done() holds or the application terminates (the
  // nested loop of a modal form).
  void RunUntil(const std::function<bool()>& done);
  // Serves everything that is waiting now (events, due timers, paints) without waiting.
  void ProcessMessages();

  // Repeating timers delivered through the loop.
  TimerId StartTimer(int intervalMs, std::function<void()> tick);
  void StopTimer(TimerId id);

  // Hints: the program-wide pauses and the hint window.
  int HintPause() const { return m_hints.Pause(); }
  void SetHintPause(int ms) { m_hints.SetPause(ms); }
  int HintHidePause() const { return m_hints.HidePause(); }
  void SetHintHidePause(int ms) { m_hints.SetHidePause(ms); }
  void ActivateHint(Control& control, gfx::Point screen) { m_hints.Activate(control, screen); }
  void CancelHint() { m_hints.Cancel(); }
  HintController& Hints() { return m_hints; }
  // The application's current hint: the hint of the control under the pointer (its part
  // after a "|", if it has one), empty over controls without. Listeners hear each change.
  const std::string& Hint() const { return m_hint; }
  void SetHint(std::string hint);
  using HintListener = std::function<void(const std::string& hint)>;
  int AddHintListener(HintListener listener);  // returns the id to remove it with
  void RemoveHintListener(int id);

  // Drawing.
  std::unique_ptr<gfx::Canvas> CreateCanvas(gfx::Bitmap& bitmap) const;
  gfx::Canvas& MeasuringCanvas();
  void RequestPaint() { m_paintRequested = true; }

  // Bookkeeping by Form.
  void AddForm(Form& form);
  void RemoveForm(Form& form);
  void FormHidden(Form& form);

 private:
  bool Step(bool mayWait);
  void Dispatch(const HostEvent& e);
  bool PaintForms();

  WindowHost& m_host;
  CanvasFactory m_canvasFactory;
  std::vector<Form*> m_forms;
  Form* m_mainForm = nullptr;
  bool m_terminated = false;
  bool m_paintRequested = false;
  TimerQueue m_timers;
  std::string m_hint;
  std::vector<std::pair<int, HintListener>> m_hintListeners;
  int m_nextHintListener = 1;
  gfx::Bitmap m_measureBitmap{1, 1};
  std::unique_ptr<gfx::Canvas> m_measureCanvas;
  HintController m_hints;  // last: its window is a form of this application
};

}  // namespace orvanta::ui
