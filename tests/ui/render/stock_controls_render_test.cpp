#include <gtest/gtest.h>

#include "render_fixture.h"
#include "ui/hint_window.h"
#include "ui/label.h"
#include "ui/memo.h"
#include "ui/panel.h"

namespace orvanta::ui::testing {
namespace {

// Something like the About window: white, a label, a memo with both bars, a raised panel.
struct AboutLike : RenderFixture {
  AboutLike() {
    window.SetClientSize(422, 347);
    window.SetColor(gfx::clWhite);
    window.SetFont(gfx::Font{"Arial", 12});
    title = &window.Add<Label>();
    title->MoveTo(88, 26);
    title->SetFont(gfx::Font{"Arial", 19, true, false, false, gfx::RGB(20, 118, 31)});
    title->SetTransparent(true);
    title->SetCaption("Orvanta");
    memo = &window.Add<Memo>();
    memo->SetBounds(32, 120, 369, 113);
    memo->SetScrollBars(ScrollBars::Both);
    memo->SetLines({"Orvanta", "(1)显示电脑启动时间、关机时间、登录用户等信息；",
                    "(2)绘制工作时间统计图；", "(3)发现是否有人偷偷使用您的电脑；",
                    "(4)监测儿童过度使用电脑。"});
    panel = &window.Add<Panel>();
    panel->SetBounds(288, 312, 89, 25);
    panel->SetCaption("关闭");
    ShowAndSettle(window);
  }
  Form window{App};
  Label* title = nullptr;
  Memo* memo = nullptr;
  Panel* panel = nullptr;
};

TEST(StockControlsRender, LabelInkStaysInItsMeasuredBounds) {
  AboutLike f;
  f.Save(f.window, "about_like");
  const gfx::Rect b = f.title->Bounds();
  EXPECT_GT(b.Width(), 40);
  EXPECT_GE(b.Height(), 19);
  EXPECT_GE(f.RightmostInk(f.window, b, gfx::clWhite), b.Right - 4);
  EXPECT_EQ(f.RightmostInk(f.window, {b.Right, b.Top, b.Right + 30, b.Bottom}, gfx::clWhite),
            b.Right - 1);
  // Transparent: the window's white shows between the letters.
  EXPECT_EQ(f.At(f.window, b.Left, b.Bottom - 1), f.Rgb(gfx::clWhite));
}

TEST(StockControlsRender, MemoHasASunkenEdgeAndClassicScrollBars) {
  AboutLike f;
  const gfx::Rect m = f.memo->Bounds();
  EXPECT_EQ(f.At(f.window, m.Left, m.Top), f.Rgb(gfx::clBtnShadow));
  EXPECT_EQ(f.At(f.window, m.Left + 1, m.Top + 1), f.Rgb(gfx::cl3DDkShadow));
  EXPECT_EQ(f.At(f.window, m.Right - 1, m.Bottom - 1), f.Rgb(gfx::clBtnHighlight));
  // Everything fits: both bars are there, their arrows greyed.
  const gfx::Rect h = f.memo->Child(1).BoundsInForm();
  const gfx::Rect v = f.memo->Child(0).BoundsInForm();
  auto has = [&](const gfx::Rect& r, gfx::Color c) {
    for (int y = r.Top; y < r.Bottom; ++y) {
      for (int x = r.Left; x < r.Right; ++x) {
        if (f.At(f.window, x, y) == f.Rgb(c)) {
          return true;
        }
      }
    }
    return false;
  };
  const gfx::Rect hArrow = gfx::Rect::FromSize(h.Left + 4, h.Top + 4, 8, 8);
  const gfx::Rect vArrow = gfx::Rect::FromSize(v.Left + 4, v.Top + 4, 8, 8);
  EXPECT_FALSE(has(hArrow, gfx::clBtnText));
  EXPECT_FALSE(has(vArrow, gfx::clBtnText));
  EXPECT_TRUE(has(vArrow, gfx::clBtnShadow));
  // A line wider than the memo brings the horizontal bar to life.
  f.memo->AddLine(std::string(80, 'W'));
  f.App.ProcessMessages();
  EXPECT_TRUE(has(hArrow, gfx::clBtnText));
  EXPECT_FALSE(has(vArrow, gfx::clBtnText));
  // The corner between the bars is plain button face.
  EXPECT_EQ(f.At(f.window, v.Left + 8, h.Top + 8), f.Rgb(gfx::clBtnFace));
  // Text starts two pixels inside the edge's inner side.
  const int top = m.Top + 2;
  EXPECT_EQ(f.RightmostInk(f.window, {m.Left + 2, top, m.Left + 4, top + 14}, gfx::clWhite),
            m.Left + 1);
}

TEST(StockControlsRender, PanelBevelAndCentredCaption) {
  AboutLike f;
  const gfx::Rect p = f.panel->Bounds();
  EXPECT_EQ(f.At(f.window, p.Left, p.Top), f.Rgb(gfx::clBtnHighlight));
  EXPECT_EQ(f.At(f.window, p.Right - 1, p.Bottom - 1), f.Rgb(gfx::clBtnShadow));
  const int ink = f.RightmostInk(f.window, p.Inflate(-1, -1), gfx::clBtnFace);
  EXPECT_GT(ink, p.Left + p.Width() / 2);
  EXPECT_LT(ink, p.Right - 20);
}

TEST(StockControlsRender, HintWindowShowsTheTextInInfoColours) {
  AboutLike f;
  f.title->SetHint("2024-05-03 8");
  f.title->SetShowHint(true);
  f.Host.MouseMove(f.window.Window(), f.title->ClientToForm({5, 5}));
  f.App.ProcessMessages();
  f.Host.Advance(500);
  f.App.ProcessMessages();
  HintWindow* hint = f.App.Hints().Window();
  ASSERT_NE(hint, nullptr);
  ASSERT_TRUE(hint->Visible());
  f.Save(*hint, "hint");
  const gfx::Bitmap& screen = f.Screen(*hint);
  ASSERT_EQ(screen.GetSize(), (gfx::Size{hint->Width(), hint->Height()}));
  EXPECT_EQ(f.At(*hint, 0, 0), f.Rgb(gfx::clWindowFrame));
  EXPECT_EQ(f.At(*hint, 1, 1), f.Rgb(gfx::clInfoBk));
  EXPECT_GT(f.RightmostInk(*hint, hint->ClientRect().Inflate(-1, -1), gfx::clInfoBk), 20);
}

}  // namespace
}  // namespace orvanta::ui::testing
