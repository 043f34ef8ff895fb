#include "ui/application.h"

#include <algorithm>
#include <stdexcept>

#include "ui/form.h"

namespace orvanta::ui {

namespace {

// The one live application; the controls and timers find it here.
Application* g_current = nullptr;

}  // namespace

Application::Application(WindowHost& host, CanvasFactory canvasFactory)
    : m_host(host), m_canvasFactory(std::move(canvasFactory)), m_hints(*this) {
  g_current = this;
  m_host.SetNestedPump([this] {
    while (!m_terminated && Step(false)) {
    }
  });
}

Application::~Application() {
  m_hints.DestroyWindow();
  m_host.SetNestedPump(nullptr);
  if (g_current == this) {
    g_current = nullptr;
  }
}

Application* Application::Current() {
  return g_current;
}

bool Application::HasForm(const Form& form) const {
  return std::find(m_forms.begin(), m_forms.end(), &form) != m_forms.end();
}

void Application::AddForm(Form& form) {
  m_forms.push_back(&form);
}

void Application::RemoveForm(Form& form) {
  std::erase(m_forms, &form);
  if (m_mainForm == &form) {
    m_mainForm = nullptr;
  }
}

void Application::FormHidden(Form& form) {
  m_hints.Forget(form);
}

void Application::Run() {
  if (m_mainForm != nullptr && !m_mainForm->Visible()) {
    m_mainForm->Show();
  }
  RunUntil([] { return false; });
}

void Application::RunUntil(const std::function<bool()>& done) {
  while (!m_terminated && !done()) {
    Step(true);
  }
}

void Application::ProcessMessages() {
  while (!m_terminated && Step(false)) {
  }
}

bool Application::Step(bool mayWait) {
  if (std::optional<HostEvent> e = m_host.WaitEvent(0)) {
    Dispatch(*e);
    return true;
  }
  if (m_timers.FireDue(m_host.NowMs())) {
    return true;
  }
  if (PaintForms()) {
    return true;
  }
  if (!mayWait) {
    return false;
  }
  if (std::optional<HostEvent> e = m_host.WaitEvent(m_timers.TimeToNext(m_host.NowMs()))) {
    Dispatch(*e);
  }
  return true;
}

void Application::Dispatch(const HostEvent& e) {
  for (Form* form : m_forms) {
    if (form->Window() == e.Window && e.Window != kNoWindow) {
      form->HandleHostEvent(e);
      return;
    }
  }
}

bool Application::PaintForms() {
  if (!m_paintRequested) {
    return false;
  }
  m_paintRequested = false;
  bool painted = false;
  // Painting never adds or removes forms, but index afresh to stay safe.
  for (std::size_t i = 0; i < m_forms.size(); ++i) {
    if (m_forms[i]->NeedsPaint()) {
      m_forms[i]->PaintAndPresent();
      painted = true;
    }
  }
  return painted;
}

TimerId Application::StartTimer(int intervalMs, std::function<void()> tick) {
  return m_timers.Start(intervalMs, m_host.NowMs(), std::move(tick));
}

void Application::StopTimer(TimerId id) {
  m_timers.Stop(id);
}

void Application::SetHint(std::string hint) {
  if (hint == m_hint) {
    return;
  }
  m_hint = std::move(hint);
  // A listener may add or remove listeners: call the ones registered now that remain.
  const auto listeners = m_hintListeners;
  for (const auto& entry : listeners) {
    const int id = entry.first;
    const bool present = std::any_of(m_hintListeners.begin(), m_hintListeners.end(),
                                     [id](const auto& other) { return other.first == id; });
    if (present) {
      entry.second(m_hint);
    }
  }
}

int Application::AddHintListener(HintListener listener) {
  const int id = m_nextHintListener++;
  m_hintListeners.emplace_back(id, std::move(listener));
  return id;
}

void Application::RemoveHintListener(int id) {
  std::erase_if(m_hintListeners, [id](const auto& entry) { return entry.first == id; });
}

std::unique_ptr<gfx::Canvas> Application::CreateCanvas(gfx::Bitmap& bitmap) const {
  return m_canvasFactory ? m_canvasFactory(bitmap) : nullptr;
}

gfx::Canvas& Application::MeasuringCanvas() {
  if (!m_measureCanvas) {
    m_measureCanvas = CreateCanvas(m_measureBitmap);
    if (!m_measureCanvas) {
      throw std::logic_error("the application was given no canvas factory");
    }
  }
  return *m_measureCanvas;
}

}  // namespace orvanta::ui
