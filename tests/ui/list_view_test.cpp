#include "ui/list_view.h"

#include <gtest/gtest.h>

#include "ui/support/ui_fixture.h"

namespace orvanta::ui::testing {
namespace {

using gfx::Rect;

// The run list's columns in a 600 x 300 list with a flat border at (10, 20) of its form. The
// recording canvas makes an 11-pixel font 13 pixels high, so the header is 17 high and a row
// with a 16-pixel state image and grid lines 17.
struct ListFixture : UiFixture {
  ListFixture() {
    form.SetClientSize(700, 400);
    list = &form.Add<ListView>();
    list->SetBounds(10, 20, 600, 300);
    list->SetBorder(ControlBorder::Flat);
    list->SetGridLines(true);
    list->SetHideSelection(false);
    list->SetStateImages(&images);
    gfx::Image green{16, 16, std::vector<std::uint32_t>(256, 0xFF00A000u)};
    images.Add(green);
    ListViewModel& model = list->Model();
    model.AddColumn({"", 18});
    model.AddColumn({"开机时间", 150});
    model.AddColumn({"关机时间", 150});
    model.AddColumn({"运行时长", 100});
    model.AddColumn({"登录用户", 127});
    model.AddColumn({.Caption = "信息", .Width = 50, .FillsRest = true});
    ShowAndSettle(form);
  }
  void Fill(int rows) {
    ListViewModel& model = list->Model();
    model.ReserveItems(static_cast<std::size_t>(rows));
    for (int i = 0; i < rows; ++i) {
      ListItem& item = model.AddItem();
      item.StateIndex = 0;
      item.SetSubItems({"boot" + std::to_string(i), "shut", "3 时", "user", "正常关机"});
    }
    App.ProcessMessages();
  }
  void Settle() { App.ProcessMessages(); }
  gfx::Point FormPoint(int x, int y) { return list->ClientToForm({x, y}); }

  ImageList images{16, 16};
  Form form{App};
  ListView* list = nullptr;
};

TEST(ListViewLayout, ColumnsHeaderRowsAndBars) {
  ListFixture f;
  const ListViewLayout& empty = f.list->Layout();
  EXPECT_EQ(empty.HeaderHeight, 17);
  EXPECT_EQ(empty.RowHeight, 17);
  EXPECT_EQ(empty.HeaderRect, (Rect{1, 1, 599, 18}));
  EXPECT_EQ(empty.ViewRect, (Rect{1, 18, 599, 299}));
  EXPECT_EQ(empty.ColumnLeft, (std::vector<int>{0, 18, 168, 318, 418, 545}));
  EXPECT_EQ(empty.ColumnWidth, (std::vector<int>{18, 150, 150, 100, 127, 53}));
  EXPECT_FALSE(empty.VerticalBar);

  f.Fill(100);
  const ListViewLayout& full = f.list->Layout();
  EXPECT_TRUE(full.VerticalBar);
  EXPECT_TRUE(full.HorizontalBar);  // the filling column keeps its own 50 pixels
  EXPECT_EQ(full.ColumnWidth.back(), 50);
  EXPECT_EQ(full.ViewRect, (Rect{1, 18, 583, 283}));
  EXPECT_EQ(full.ContentHeight, 1700);
  EXPECT_EQ(full.MaxScrollY(), 1700 - 265);
  EXPECT_EQ(full.RowRect(2, 0, 0), (Rect{1, 52, 596, 69}));
  EXPECT_EQ(full.RowsPerPage(), 15);
}

TEST(ListViewLayout, AColumnOfWidthZeroIsHiddenAndTheLastColumnTakesItsRoom) {
  ListFixture f;
  f.Fill(3);
  f.list->Model().SetColumnWidth(4, 0);
  f.Log->Clear();
  f.list->Invalidate();
  f.Settle();
  const ListViewLayout& layout = f.list->Layout();
  EXPECT_EQ(layout.ColumnWidth[4], 0);
  EXPECT_EQ(layout.ColumnWidth[5], 598 - 418);
  EXPECT_EQ(f.Log->FindText("user"), nullptr);
  EXPECT_EQ(f.Log->FindText("登录用户"), nullptr);
  EXPECT_NE(f.Log->FindText("正常关机"), nullptr);
}

TEST(ListViewLayout, MaximumWidthLimitsUserSizing) {
  ListFixture f;
  f.list->Model().SetColumnMaxWidth(1, 170);
  const gfx::Point divider = f.FormPoint(1 + 168, 8);
  f.Host.MouseMove(f.form.Window(), divider);
  f.Settle();
  EXPECT_EQ(f.Host.State(f.form.Window()).Cursor, CursorKind::SizeWE);
  f.Host.MouseDown(f.form.Window(), divider);
  f.Host.MouseMove(f.form.Window(), {divider.X + 10, divider.Y});
  f.Settle();
  EXPECT_EQ(f.list->Model().ColumnWidth(1), 160);
  f.Host.MouseMove(f.form.Window(), {divider.X + 40, divider.Y});
  f.Host.MouseUp(f.form.Window(), {divider.X + 40, divider.Y});
  f.Settle();
  EXPECT_EQ(f.list->Model().ColumnWidth(1), 170);
}

TEST(ListViewLayout, ADividerDragEndsWhenTheMouseIsTakenAway) {
  ListFixture f;
  const gfx::Point divider = f.FormPoint(1 + 168, 8);
  f.Host.MouseDown(f.form.Window(), divider);
  f.Host.MouseMove(f.form.Window(), {divider.X + 10, divider.Y});
  f.Host.Inject({.Kind = HostEventKind::CaptureLost, .Window = f.form.Window()});
  f.Host.MouseMove(f.form.Window(), {divider.X + 30, divider.Y});
  f.Settle();
  EXPECT_EQ(f.list->Model().ColumnWidth(1), 160);
}

TEST(ListViewHeader, CaptionSitsAtTheTopOfItsTextRectangleWithAnEllipsis) {
  ListFixture f;
  const DrawLog::Op* caption = f.Log->FindText("开机时间");
  ASSERT_NE(caption, nullptr);
  // Item 19..169 x 1..18 in the list, shrunk by 2, less 4 on either side; the list is at
  // (10, 20) of the form.
  EXPECT_EQ(caption->Area, (Rect{25, 3, 163, 16}.Offset(10, 20)));
  EXPECT_EQ(caption->Flags & (gfx::kDtSingleLine | gfx::kDtEndEllipsis | gfx::kDtVCenter),
            gfx::kDtSingleLine | gfx::kDtEndEllipsis);
  EXPECT_EQ(caption->Color, gfx::clBtnText);
  EXPECT_EQ(caption->Clip, (Rect{19, 1, 169, 18}.Offset(10, 20)));
}

TEST(ListViewHeader, ClickingAHeaderChangesNothing) {
  ListFixture f;
  f.Fill(5);
  f.list->SetSelected(3);
  f.Host.Click(f.form.Window(), f.FormPoint(100, 8));
  f.Settle();
  EXPECT_EQ(f.list->Selected(), 3);
  EXPECT_EQ(f.list->Model().Item(0).SubItem(0), "boot0");
  EXPECT_EQ(f.list->Model().ColumnWidth(1), 150);
}

TEST(ListViewInput, WheelScrollsByWheelLinesTimesSixteenPixels) {
  ListFixture f;
  f.Fill(100);
  const gfx::Point inside = f.FormPoint(100, 100);
  f.Host.Wheel(f.form.Window(), inside, -1);
  f.Settle();
  EXPECT_EQ(f.list->ScrollY(), 48);
  f.Host.WheelLines = 1;
  f.Host.Wheel(f.form.Window(), inside, -2);
  f.Settle();
  EXPECT_EQ(f.list->ScrollY(), 80);
  f.Host.Wheel(f.form.Window(), inside, 10);
  f.Settle();
  EXPECT_EQ(f.list->ScrollY(), 0);
  f.Host.Wheel(f.form.Window(), inside, -1000);
  f.Settle();
  EXPECT_EQ(f.list->ScrollY(), f.list->Layout().MaxScrollY());
}

TEST(ListViewInput, KeyboardMovesTheSelectionAndKeepsItInView) {
  ListFixture f;
  f.Fill(100);
  f.list->SetFocus();
  struct Step {
    unsigned Key;
    int Selected;
    int ScrollY;
  };
  // Rows of 17 pixels in a view of 265: 15 whole rows. Page Down goes to the page's last whole
  // row first and pages on from there; Page Up likewise to its first whole row.
  const Step steps[] = {
      {kVkDown, 0, 0},   {kVkDown, 1, 0},      {kVkNext, 14, 0},   {kVkNext, 28, 29 * 17 - 265},
      {kVkUp, 27, 228},  {kVkHome, 0, 0},      {kVkEnd, 99, 1435}, {kVkPrior, 85, 1435},
      {kVkUp, 84, 1428}, {kVkPrior, 70, 1190},
  };
  for (const Step& s : steps) {
    f.Host.Key(f.form.Window(), s.Key);
    f.Settle();
    SCOPED_TRACE(s.Key);
    EXPECT_EQ(f.list->Selected(), s.Selected);
    EXPECT_EQ(f.list->ScrollY(), s.ScrollY);
  }
}

TEST(ListViewInput, EmptyingTheListDropsTheSelectionAndScrollsToTheTop) {
  // A refresh empties and refills the list: the row under the old selection is another run.
  ListFixture f;
  f.Fill(100);
  f.list->SetFocus();
  f.Host.Key(f.form.Window(), kVkEnd);
  f.Settle();
  ASSERT_EQ(f.list->Selected(), 99);
  f.list->Model().ClearItems();
  f.Fill(100);
  EXPECT_EQ(f.list->Selected(), -1);
  EXPECT_EQ(f.list->ScrollY(), 0);
}

TEST(ListViewInput, ClickingARowSelectsItAndTakesTheFocus) {
  ListFixture f;
  f.Fill(10);
  int changes = 0;
  f.list->OnSelectItem = [&] { ++changes; };
  f.Host.Click(f.form.Window(), f.FormPoint(200, 18 + 2 * 17 + 5));
  f.Settle();
  EXPECT_EQ(f.list->Selected(), 2);
  EXPECT_TRUE(f.list->Focused());
  EXPECT_EQ(changes, 1);
  f.Host.Click(f.form.Window(), f.FormPoint(200, 250));  // below the last row
  f.Settle();
  EXPECT_EQ(f.list->Selected(), -1);
}

TEST(ListViewPaint, SelectionStaysVisibleInButtonFaceWithoutTheFocus) {
  ListFixture f;
  f.Fill(10);
  f.list->SetFocus();
  f.list->SetSelected(1);
  f.Log->Clear();
  f.Settle();
  const Rect row = Rect{1, 35, 599, 51}.Offset(10, 20);  // no bars for ten rows
  auto filled = [&](gfx::Color c) {
    for (const DrawLog::Op& fill : f.Log->Fills()) {
      if (fill.Area == row && fill.Color == c) {
        return true;
      }
    }
    return false;
  };
  EXPECT_TRUE(filled(gfx::clHighlight));
  EXPECT_EQ(f.Log->FindText("boot1")->Color, gfx::clHighlightText);
  f.Host.Inject({.Kind = HostEventKind::Deactivated, .Window = f.form.Window()});
  f.Log->Clear();
  f.Settle();
  EXPECT_TRUE(filled(gfx::clBtnFace));
  EXPECT_EQ(f.Log->FindText("boot1")->Color, gfx::clBtnText);
  EXPECT_EQ(f.Log->FindText("boot2")->Color, gfx::clWindowText);
}

TEST(ListViewPaint, OnlyTheRowsInViewArePainted) {
  ListFixture f;
  f.Log->Clear();
  f.Fill(100000);
  EXPECT_EQ(f.list->LastPaintedFirst(), 0);
  EXPECT_EQ(f.list->LastPaintedLast(), 15);  // 265 pixels of 17-pixel rows
  EXPECT_LT(f.Log->Texts().size(), 16u * 6u + 10u);
  f.Host.Wheel(f.form.Window(), f.FormPoint(100, 100), -1);
  f.Log->Clear();
  f.Settle();
  EXPECT_EQ(f.list->LastPaintedFirst(), 2);
  EXPECT_EQ(f.list->LastPaintedLast(), (48 + 264) / 17);
  ASSERT_NE(f.Log->FindText("boot2"), nullptr);
  EXPECT_EQ(f.Log->FindText("boot2")->Area.Top, 20 + 18 + 2 * 17 - 48);
  EXPECT_EQ(f.Log->Pictures().size(), 17u);
}

TEST(ListViewPaint, StateImageAndSubItemsSitInTheirCells) {
  ListFixture f;
  f.Fill(1);
  ASSERT_FALSE(f.Log->Pictures().empty());
  EXPECT_EQ(f.Log->Pictures()[0].TopLeft(), (gfx::Point{10 + 1 + 1, 20 + 18}));
  const DrawLog::Op* boot = f.Log->FindText("boot0");
  ASSERT_NE(boot, nullptr);
  EXPECT_EQ(boot->Area, (Rect{19 + 6, 18, 169 - 1 - 6, 34}.Offset(10, 20)));
  EXPECT_EQ(boot->Flags & gfx::kDtVCenter, gfx::kDtVCenter);
}

}  // namespace
}  // namespace orvanta::ui::testing

namespace orvanta::ui::testing {
namespace {

TEST(ListViewModelAssignment, AWholeModelAssignedToTheListKeepsItInformed) {
  ListFixture f;
  ListViewModel built = f.list->Model();
  for (int i = 0; i < 50; ++i) {
    built.AddItem().SetSubItems({"row" + std::to_string(i)});
  }
  f.list->Model() = std::move(built);
  f.Log->Clear();
  f.Settle();
  EXPECT_EQ(f.list->Layout().ContentHeight, 50 * 17);
  EXPECT_NE(f.Log->FindText("row0"), nullptr);
}

}  // namespace
}  // namespace orvanta::ui::testing
