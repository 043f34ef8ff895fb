// The About window's layout and its one handler. Positions are client pixels at 96 pixels per
// inch.
#include "app/form_about.h"

#include <string>

#include "app/artwork.h"
#include "app/fonts.h"

namespace orvanta::app {
namespace {

constexpr gfx::Color kTitleColor = gfx::RGB(20, 118, 31);
constexpr gfx::Color kVisitedLinkColor = gfx::RGB(130, 95, 70);
constexpr gfx::Color kButtonFrameColor = gfx::RGB(0, 60, 116);
constexpr gfx::Color kButtonFaceColor = gfx::RGB(190, 218, 241);

// What the program does, as the memo lists it; the enumeration comma, semicolon and full stop
// are the full-width signs.
const char* const kDescription[] = {
    "Orvanta",
    "(1)显示电脑启动时间、关机时间、登录用户等信息；",
    "(2)绘制工作时间统计图；",
    "(3)发现是否有人偷偷使用您的电脑；",
    "(4)监测儿童过度使用电脑。",
};

// A transparent label; with AutoSize it takes its text's size, a right-aligned one keeping
// its right edge, so alignment and bounds go before the caption.
ui::Label& AddLabel(ui::Control& parent, const gfx::Rect& bounds, const char* caption,
                    ui::Alignment alignment = ui::Alignment::Left, bool autoSize = true) {
  ui::Label& label = parent.Add<ui::Label>();
  label.SetAutoSize(autoSize);
  label.SetAlignment(alignment);
  label.SetTransparent(true);
  label.SetBounds(bounds);
  label.SetCaption(caption);
  return label;
}

}  // namespace

TFormAbout::TFormAbout(ui::Application& app, controls::Shell& shell, ui::Form& owner)
    : ui::Form(app) {
  SetOwner(&owner);
  SetCaption("关于");
  SetBorderStyle(ui::BorderStyle::Single);
  SetBorderIcons({.SystemMenu = true, .Minimize = false, .Maximize = false});
  SetPlacement(ui::FormPlacement::OwnerFormCenter);
  SetClientSize(kClientWidth, kClientHeight);
  SetColor(gfx::clWhite);
  SetFont(ArialFont(12));

  Image1 = &Add<ui::Image>();
  Image1->SetBounds(31, 24, 32, 32);
  Image1->SetPicture(PaintProgramIcon(32));

  Label1 = &AddLabel(*this, gfx::Rect::FromSize(88, 26, 0, 0), "");
  Label1->SetFont(ArialFont(19, Weight::Bold, kTitleColor));
  Label1->SetCaption("Orvanta");
  // The caption stored here is replaced by the version label's before the window shows.
  Label2 = &AddLabel(*this, gfx::Rect::FromSize(167, 90, 0, 0), "");
  Label2->SetFont(ArialFont(16, Weight::Bold, gfx::clPurple));
  Label2->SetCaption("版本 $V$");

  Memo1 = &Add<ui::Memo>();
  Memo1->SetBounds(32, 120, 369, 113);
  Memo1->SetScrollBars(ui::ScrollBars::Both);
  Memo1->SetLines({std::begin(kDescription), std::end(kDescription)});
  Memo1->SetTabOrder(1);

  Label5 = &AddLabel(*this, gfx::Rect::FromSize(100, 242, 20, 13), "主页:", ui::Alignment::Right);
  UiURLLabel4 = &AddLink(shell, 125, 241, kHomePageAddress, kHomePageAddress);
  Label6 =
      &AddLabel(*this, gfx::Rect::FromSize(32, 266, 88, 13), "邮件:", ui::Alignment::Right, false);
  UiURLLabel1 = &AddLink(shell, 124, 265, kMailAddress, std::string("mailto:") + kMailAddress);

  Button1 = &Add<controls::TUiButton>();
  Button1->SetBounds(288, 312, 89, 25);
  Button1->SetCaption("关闭");
  Button1->SetFrameColor(kButtonFrameColor);
  Button1->SetColor(kButtonFaceColor);
  Button1->SetHotTrack(true);
  Button1->SetTabOrder(0);
  Button1->OnClick = [this] { Button1Click(); };
  FinishLoading();
}

TFormAbout::~TFormAbout() {
  DestroyChildren();
}

controls::TUiURLLabel& TFormAbout::AddLink(controls::Shell& shell, int left, int top,
                                           const char* caption, std::string target) {
  controls::TUiURLLabel& link = Add<controls::TUiURLLabel>(shell);
  link.MoveTo(left, top);
  link.SetFont(AppFont("Verdana", 11, Weight::Regular, gfx::clBlue));
  gfx::Font font = link.Font();
  font.Underline = true;
  link.SetFont(font);
  link.SetUnvisitedColor(gfx::clBlue);
  link.SetVisitedColor(kVisitedLinkColor);
  link.SetBlinkColor(gfx::clBlue);
  link.SetTransparent(true);
  link.SetColor(gfx::clPurple);
  link.SetCaption(caption);
  link.SetURL(std::move(target));
  return link;
}

void TFormAbout::Button1Click() {
  Close();
}

}  // namespace orvanta::app
