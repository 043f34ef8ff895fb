#pragma once

#include "controls/button.h"
#include "controls/shell.h"
#include "controls/url_label.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/memo.h"

namespace orvanta::app {

// The About window: the program's icon, title and version, what it does, a link to the
// maker's home page and one for e-mail to the author, and a Close button. A fresh one is made
// for each showing, modal over its owner, and destroyed when it closes.
class TFormAbout : public ui::Form {
 public:
  static constexpr int kClientWidth = 422;
  static constexpr int kClientHeight = 347;
  static constexpr const char* kHomePageAddress = "https://orvanta.example/";
  static constexpr const char* kMailAddress = "author@orvanta.example";

  // The shell opens the links; it must outlive the window.
  TFormAbout(ui::Application& app, controls::Shell& shell, ui::Form& owner);
  ~TFormAbout() override;

  void Button1Click();

  // The controls, owned by the window's control tree.
  ui::Image* Image1 = nullptr;
  ui::Label* Label1 = nullptr;
  ui::Label* Label2 = nullptr;
  ui::Memo* Memo1 = nullptr;
  ui::Label* Label5 = nullptr;
  controls::TUiURLLabel* UiURLLabel4 = nullptr;
  ui::Label* Label6 = nullptr;
  controls::TUiURLLabel* UiURLLabel1 = nullptr;
  controls::TUiButton* Button1 = nullptr;

 private:
  controls::TUiURLLabel& AddLink(controls::Shell& shell, int left, int top, const char* caption,
                                 std::string target);
};

}  // namespace orvanta::app
