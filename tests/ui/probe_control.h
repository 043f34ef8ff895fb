#pragma once

#include <string>
#include <vector>

#include "ui/access_key.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/support/ui_fixture.h"

namespace orvanta::ui::testing {

using Journal = std::vector<std::string>;

// A control that writes every event it receives into a shared journal, as "name.event".
class Probe : public Control {
 public:
  Probe(std::vector<std::string>& journal, std::string name, unsigned style = kCsClickEvents)
      : m_journal(journal) {
    Name = std::move(name);
    SetStyle(style);
    if ((style & kCsAcceptsFocus) != 0) {
      SetTabStop(true);
    }
  }

  bool HandleWheel = false;
  bool HandleKeys = false;
  bool TakesDialogKeys = false;

  void Click() override {
    Log("click");
    Control::Click();
  }

 protected:
  void MouseDown(const MouseEvent& e) override { Log("down", e.Position); }
  void MouseMove(const MouseEvent& e) override { Log("move", e.Position); }
  void MouseUp(const MouseEvent& e) override { Log("up", e.Position); }
  void MouseWheel(WheelEvent& e) override {
    Log("wheel" + std::to_string(e.Notches));
    e.Handled = HandleWheel;
  }
  void MouseEnter() override { Log("enter"); }
  void MouseLeave() override { Log("leave"); }
  void KeyDown(KeyEvent& e) override {
    Log("key" + std::to_string(e.Key));
    e.Handled = HandleKeys;
  }
  void KeyPress(CharEvent& e) override { Log("char" + std::to_string(e.Char)); }
  bool DialogChar(const CharEvent& e) override {
    if (IsAccessKey(e.Char, Caption())) {
      Log("accel");
      Click();
      return true;
    }
    return false;
  }
  bool DialogKey(const KeyEvent& e) override {
    if (TakesDialogKeys) {
      Log("dialogkey" + std::to_string(e.Key));
    }
    return TakesDialogKeys;
  }
  void FocusChanged(bool focused) override { Log(focused ? "focus" : "blur"); }
  void CaptureLost() override { Log("capturelost"); }

 private:
  void Log(const std::string& what) { m_journal.push_back(Name + "." + what); }
  void Log(const std::string& what, gfx::Point p) {
    Log(what + "(" + std::to_string(p.X) + "," + std::to_string(p.Y) + ")");
  }
  std::vector<std::string>& m_journal;
};

// A form whose probes share one journal; Run serves the loop and hands over what was written.
struct JournalFixture : UiFixture {
  Journal Run() {
    App.ProcessMessages();
    Journal out = journal;
    journal.clear();
    return out;
  }

  Form form{App};
  Journal journal;
};

}  // namespace orvanta::ui::testing
