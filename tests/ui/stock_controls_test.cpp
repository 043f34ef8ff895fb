#include <gtest/gtest.h>

#include "probe_control.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/memo.h"
#include "ui/panel.h"
#include "ui/scroll_bar.h"
#include "ui/support/ui_fixture.h"

namespace orvanta::ui::testing {
namespace {

using gfx::Rect;

struct StockFixture : UiFixture {
  StockFixture() { form.SetClientSize(400, 300); }
  Form form{App};
};

// With the recording canvas an 11-pixel font gives 5-pixel characters and 13-pixel lines.
TEST(Label, AutoSizeFitsTheTextAndKeepsTheAlignedEdge) {
  StockFixture f;
  Label& left = f.form.Add<Label>();
  left.MoveTo(48, 13);
  left.SetCaption("开机/关机日志");
  EXPECT_EQ(left.Bounds(), Rect::FromSize(48, 13, 7 * 5, 13));
  Label& right = f.form.Add<Label>();
  right.SetAlignment(Alignment::Right);
  right.SetBounds(100, 242, 20, 13);
  right.SetCaption("主页:");
  EXPECT_EQ(right.Bounds(), (Rect{120 - 3 * 5, 242, 120, 255}));
  Label& fixed = f.form.Add<Label>();
  fixed.SetAutoSize(false);
  fixed.SetBounds(416, 16, 233, 14);
  fixed.SetCaption("1 天 2 时");
  EXPECT_EQ(fixed.Bounds(), Rect::FromSize(416, 16, 233, 14));
  Label& empty = f.form.Add<Label>();
  EXPECT_EQ(empty.Height(), 13);
  Label& wrapped = f.form.Add<Label>();
  wrapped.SetBounds(0, 0, 40, 10);
  wrapped.SetWordWrap(true);
  wrapped.SetCaption("one two three");
  EXPECT_EQ(wrapped.Bounds(), (Rect{0, 0, 40, 2 * 13}));  // "one two" / "three"
}

TEST(Label, PaintsItsBackgroundUnlessTransparentAndStripsTheMarker) {
  StockFixture f;
  f.form.SetColor(gfx::clWhite);
  Label& label = f.form.Add<Label>();
  label.SetCaption("刷新(&R)");
  label.MoveTo(10, 10);
  f.ShowAndSettle(f.form);
  const DrawLog::Op* text = f.Log->FindText("刷新(R)");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->Area, Rect::FromSize(10, 10, 5 * 5, 13));
  EXPECT_EQ(f.Host.State(f.form.Window()).Screen.At(12, 12), f.Palette.ToPixel(gfx::clWhite));
  label.SetTransparent(true);
  label.SetColor(gfx::clRed);
  f.Log->Clear();
  f.App.ProcessMessages();
  for (const DrawLog::Op& fill : f.Log->Fills()) {
    EXPECT_NE(fill.Color, gfx::clRed);
  }
}

TEST(Label, AccessKeyFocusesItsFocusControl) {
  StockFixture f;
  std::vector<std::string> journal;
  Probe& edit = f.form.Add<Probe>(journal, "Edit", kCsAcceptsFocus);
  Probe& other = f.form.Add<Probe>(journal, "Other", kCsAcceptsFocus);
  Label& label = f.form.Add<Label>();
  label.SetCaption("&Name");
  label.SetFocusControl(&other);
  f.ShowAndSettle(f.form);
  ASSERT_TRUE(edit.Focused());
  f.Host.Char(f.form.Window(), U'n', kShiftAlt);
  f.App.ProcessMessages();
  EXPECT_TRUE(other.Focused());
}

TEST(Panel, AlignedChildrenShareTheAreaInsideTheBevels) {
  StockFixture f;
  Panel& panel = f.form.Add<Panel>();
  panel.SetBounds(0, 0, 200, 100);
  panel.SetBevelInner(BevelCut::Lowered);
  panel.SetBorderWidth(3);
  Control& child = panel.Add<Control>();
  child.SetAlign(Align::Client);
  EXPECT_EQ(child.Bounds(), (Rect{5, 5, 195, 95}));
  panel.SetBevelOuter(BevelCut::None);
  panel.SetBevelInner(BevelCut::None);
  panel.SetBorderWidth(0);
  EXPECT_EQ(child.Bounds(), (Rect{0, 0, 200, 100}));
}

TEST(ImageControl, DrawsAtTheCornerOrCentred) {
  StockFixture f;
  Image& image = f.form.Add<Image>();
  image.SetBounds(8, 4, 40, 40);
  image.SetPicture(gfx::Image{32, 32, std::vector<std::uint32_t>(32 * 32, 0xFF123456u)});
  f.ShowAndSettle(f.form);
  ASSERT_EQ(f.Log->Pictures().size(), 1u);
  EXPECT_EQ(f.Log->Pictures()[0].TopLeft(), (gfx::Point{8, 4}));
  image.SetCenter(true);
  f.Log->Clear();
  f.App.ProcessMessages();
  ASSERT_EQ(f.Log->Pictures().size(), 1u);
  EXPECT_EQ(f.Log->Pictures()[0].TopLeft(), (gfx::Point{12, 8}));
}

TEST(ScrollBar, GeometryFollowsRangePageAndPosition) {
  StockFixture f;
  ScrollBar& bar = f.form.Add<ScrollBar>(ScrollBarKind::Vertical);
  bar.SetBounds(0, 0, 16, 200);
  bar.SetParams(0, 999, 100, 0);
  EXPECT_EQ(bar.MaxPosition(), 900);
  EXPECT_EQ(bar.ArrowRect(ScrollArrow::First), (Rect{0, 0, 16, 16}));
  EXPECT_EQ(bar.ArrowRect(ScrollArrow::Second), (Rect{0, 184, 16, 200}));
  EXPECT_EQ(bar.ThumbRect(), (Rect{0, 16, 16, 32}));
  bar.SetPosition(5000);
  EXPECT_EQ(bar.Position(), 900);
  EXPECT_EQ(bar.ThumbRect(), (Rect{0, 168, 16, 184}));
  bar.SetParams(0, 49, 100, 0);
  EXPECT_FALSE(bar.Scrollable());
  EXPECT_TRUE(bar.ThumbRect().IsEmpty());
  ScrollBar& flat = f.form.Add<ScrollBar>(ScrollBarKind::Horizontal);
  flat.SetBounds(0, 0, 20, 16);  // too short for two whole arrows
  EXPECT_EQ(flat.ArrowRect(ScrollArrow::First), (Rect{0, 0, 10, 16}));
  EXPECT_TRUE(flat.TrackRect().IsEmpty());
}

TEST(ScrollBar, HeldArrowsAndTrackRepeatThroughTheLoop) {
  StockFixture f;
  ScrollBar& bar = f.form.Add<ScrollBar>(ScrollBarKind::Vertical);
  bar.SetBounds(0, 0, 16, 200);
  bar.SetParams(0, 999, 100, 0);
  std::vector<ScrollCode> codes;
  bar.OnScroll = [&](ScrollCode code, int) { codes.push_back(code); };
  f.ShowAndSettle(f.form);
  f.Host.MouseDown(f.form.Window(), {8, 190});
  f.App.ProcessMessages();
  EXPECT_EQ(bar.Position(), 1);
  f.Host.Advance(400);
  f.App.ProcessMessages();
  EXPECT_EQ(bar.Position(), 2);
  for (int i = 0; i < 3; ++i) {
    f.Host.Advance(50);
    f.App.ProcessMessages();
  }
  EXPECT_EQ(bar.Position(), 5);
  f.Host.MouseUp(f.form.Window(), {8, 190});
  f.App.ProcessMessages();
  f.Host.Advance(500);
  f.App.ProcessMessages();
  EXPECT_EQ(bar.Position(), 5);
  EXPECT_EQ(codes.back(), ScrollCode::EndScroll);
  // The track pages towards the pointer and stops under it.
  f.Host.MouseDown(f.form.Window(), {8, 120});
  f.App.ProcessMessages();
  EXPECT_EQ(bar.Position(), 105);
  for (int i = 0; i < 20; ++i) {
    f.Host.Advance(400);
    f.App.ProcessMessages();
  }
  const Rect thumb = bar.ThumbRect();
  EXPECT_TRUE(thumb.Top <= 120 && 120 < thumb.Bottom + 16) << thumb.Top;
  f.Host.MouseUp(f.form.Window(), {8, 120});
  f.App.ProcessMessages();
}

TEST(ScrollBar, DraggingTheThumbTracksThePosition) {
  StockFixture f;
  ScrollBar& bar = f.form.Add<ScrollBar>(ScrollBarKind::Vertical);
  bar.SetBounds(0, 0, 16, 200);
  bar.SetParams(0, 999, 100, 0);
  f.ShowAndSettle(f.form);
  f.Host.MouseDown(f.form.Window(), {8, 20});
  f.Host.MouseMove(f.form.Window(), {8, 20 + 76});
  f.App.ProcessMessages();
  EXPECT_EQ(bar.Position(), 450);
  f.Host.MouseMove(f.form.Window(), {8, 400});
  f.Host.MouseUp(f.form.Window(), {8, 400});
  f.App.ProcessMessages();
  EXPECT_EQ(bar.Position(), 900);
}

TEST(Memo, ScrollsByLinesAndShowsDisabledBarsWhenAllFits) {
  StockFixture f;
  Memo& memo = f.form.Add<Memo>();
  memo.SetBounds(32, 120, 369, 113);
  memo.SetScrollBars(ScrollBars::Both);
  memo.SetLines({"Orvanta", "(1)显示电脑启动时间", "(2)", "(3)", "(4)"});
  f.ShowAndSettle(f.form);
  // 113 - 4 (edge) - 16 (bar) = 93 pixels: 7 lines of 13.
  EXPECT_EQ(memo.ViewRect(), (Rect{2, 2, 351, 95}));
  EXPECT_EQ(memo.VisibleLines(), 7);
  const auto& vbar = static_cast<const ScrollBar&>(memo.Child(0));
  EXPECT_TRUE(vbar.Visible());
  EXPECT_FALSE(vbar.Scrollable());
  ASSERT_NE(f.Log->FindText("Orvanta"), nullptr);
  EXPECT_EQ(f.Log->FindText("Orvanta")->Area.Left, 32 + 2 + Memo::kMargin);

  std::vector<std::string> many;
  for (int i = 0; i < 20; ++i) {
    many.push_back("line " + std::to_string(i));
  }
  memo.SetLines(many);
  f.Host.Wheel(f.form.Window(), {100, 150}, -1);
  f.App.ProcessMessages();
  EXPECT_EQ(memo.TopLine(), 3);
  memo.SetFocus();
  f.Host.Key(f.form.Window(), kVkEnd, kShiftCtrl);
  f.App.ProcessMessages();
  EXPECT_EQ(memo.TopLine(), 13);
  EXPECT_EQ(vbar.Position(), 13);
}

}  // namespace
}  // namespace orvanta::ui::testing
