#include "ui/hint_controller.h"

#include "ui/application.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/hint_window.h"

namespace orvanta::ui {

namespace {

// The hint goes below the pointer, clear of a standard cursor (screen pixels).
constexpr int kCursorHeight = 20;

// The application's hint: the nearest hint up the chain, the part after "|" when it has one.
std::string ApplicationHintOf(const Control* control) {
  for (const Control* c = control; c != nullptr; c = c->Parent()) {
    if (!c->Hint().empty()) {
      const std::size_t bar = c->Hint().find('|');
      return bar == std::string::npos ? c->Hint() : c->Hint().substr(bar + 1);
    }
  }
  return {};
}

}  // namespace

HintController::HintController(Application& app) : m_app(app) {}

HintController::~HintController() = default;

void HintController::DestroyWindow() {
  StopTimer();
  m_window.reset();
}

Control* HintController::HintSource(Control* control) {
  for (Control* c = control; c != nullptr; c = c->Parent()) {
    if (c->ShowHint()) {
      return c->Hint().empty() ? nullptr : c;
    }
  }
  return nullptr;
}

void HintController::MouseOver(Control* control, gfx::Point formPoint) {
  m_app.SetHint(ApplicationHintOf(control));
  Control* source = HintSource(control);
  m_at = formPoint;
  m_atOnScreen = false;
  if (source == m_control) {
    return;
  }
  HideWindow();
  StopTimer();
  m_control = source;
  m_state = State::Idle;
  if (source != nullptr) {
    Wait(m_pause);
    m_state = State::Waiting;
  }
}

void HintController::Activate(Control& control, gfx::Point screen) {
  HideWindow();
  StopTimer();
  m_control = &control;
  m_at = screen;
  m_atOnScreen = true;
  Wait(m_pause);
  m_state = State::Waiting;
}

void HintController::Cancel() {
  HideWindow();
  StopTimer();
  if (m_state != State::Idle) {
    m_state = State::Done;
  }
}

void HintController::Forget(const Control& control) {
  if (m_control != nullptr && control.IsAncestorOf(*m_control)) {
    HideWindow();
    StopTimer();
    m_control = nullptr;
    m_state = State::Idle;
  }
}

void HintController::Wait(int ms) {
  m_timer = m_app.StartTimer(ms, [this] { Tick(); });
}

void HintController::StopTimer() {
  if (m_timer != kNoTimer) {
    m_app.StopTimer(m_timer);
    m_timer = kNoTimer;
  }
}

void HintController::Tick() {
  StopTimer();  // both waits are one-shot
  if (m_state == State::Waiting) {
    if (m_control == nullptr || !m_control->Showing() || m_control->Hint().empty()) {
      m_state = State::Done;
      return;
    }
    if (!m_window) {
      m_window = std::make_unique<HintWindow>(m_app);
    }
    m_shownText = m_control->Hint();
    Form* form = m_control->GetForm();
    const gfx::Point at = m_atOnScreen || form == nullptr ? m_at : form->FormClientToScreen(m_at);
    m_shownAt = {at.X, at.Y + kCursorHeight};
    m_window->ActivateHint(m_shownAt, m_shownText);
    m_state = State::Shown;
    Wait(m_hidePause);
  } else if (m_state == State::Shown) {
    HideWindow();
    m_state = State::Done;
  }
}

void HintController::HideWindow() {
  if (m_state == State::Shown && m_window) {
    m_window->Hide();
  }
  if (m_state == State::Shown) {
    m_state = State::Done;
  }
  m_shownText.clear();
}

}  // namespace orvanta::ui
