#include "ui/application.h"
#include "ui/form.h"

// Closing, the modal loop, and the input a modal form takes from the others.
namespace orvanta::ui {

void Form::Close() {
  CloseAction action = CloseAction::Hide;
  if (OnClose) {
    OnClose(action);
  }
  if (action == CloseAction::None) {
    return;
  }
  if (m_modal) {
    if (m_modalResult == kMrNone) {
      m_modalResult = kMrCancel;
    }
    return;
  }
  Hide();
  if (m_app.MainForm() == this) {
    m_app.Terminate();
  }
}

int Form::ShowModal() {
  if (Visible() || m_modal) {
    return kMrNone;
  }
  m_app.CancelHint();
  // Every other window stops taking input until this one closes.
  std::vector<Form*> disabled;
  for (Form* form : m_app.Forms()) {
    if (form != this && form->Visible() && form->InputEnabled() &&
        form->GetBorderStyle() != BorderStyle::None) {
      form->SetInputEnabled(false);
      disabled.push_back(form);
    }
  }
  m_modal = true;
  m_modalResult = kMrNone;
  Show();
  m_app.RunUntil([this] { return m_modalResult != kMrNone || !Visible(); });
  // Input sent to the other windows while this one was open may still wait behind what closed
  // it. It is served now, while they take none, and so dropped rather than replayed.
  m_app.ProcessMessages();
  int result = m_modalResult != kMrNone ? m_modalResult : kMrCancel;
  for (Form* form : disabled) {
    if (m_app.HasForm(*form)) {
      form->SetInputEnabled(true);
    }
  }
  Hide();
  m_modal = false;
  m_modalResult = kMrNone;
  Form* back = m_owner != nullptr ? m_owner : m_app.MainForm();
  if (back != nullptr && back != this && m_app.HasForm(*back) && back->Visible()) {
    m_app.Host().Activate(back->Window());
  }
  return result;
}

void Form::SetInputEnabled(bool enabled) {
  if (m_inputEnabled == enabled) {
    return;
  }
  m_inputEnabled = enabled;
  if (!enabled) {
    m_mouse.Reset();
    m_mouse.LeaveWindow();
  }
  m_app.Host().SetInputEnabled(m_window, enabled);
}

}  // namespace orvanta::ui
