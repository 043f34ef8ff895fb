#include <gtest/gtest.h>

#include "render_fixture.h"
#include "ui/list_view.h"

namespace orvanta::ui::testing {
namespace {

gfx::Image Square(std::uint32_t argb) {
  return gfx::Image{16, 16, std::vector<std::uint32_t>(256, argb)};
}

// The run list at (0, 0) of a 669 x 329 window, flat border, grid lines, white.
struct RunList : RenderFixture {
  RunList() {
    window.SetClientSize(669, 329);
    window.SetColor(gfx::clWhite);
    images.Add(Square(0xFF20A020u));
    images.Add(Square(0xFFF08000u));
    list = &window.Add<ListView>();
    list->SetAlign(Align::Client);
    list->SetBorder(ControlBorder::Flat);
    list->SetGridLines(true);
    list->SetHideSelection(false);
    list->SetColor(gfx::clWhite);
    list->SetFont(gfx::Font{"MS Sans Serif", 11, false, false, false, gfx::clBlack});
    list->SetStateImages(&images);
    ListViewModel& m = list->Model();
    m.AddColumn({"", 18});
    m.AddColumn({"开机时间", 150});
    m.AddColumn({"关机时间", 150});
    m.AddColumn({"运行时长", 100});
    m.AddColumn({"登录用户", 40});  // too narrow for its caption
    m.AddColumn({.Caption = "信息", .Width = 50, .FillsRest = true});
    const char* rows[][6] = {
        {"", "2024-05-03 08:12:45", "", "", "Administrator", "正常,运行中..."},
        {"", "2024-05-02 09:00:00", "2024-05-02 12:30:00", "3 时30 分", "Administrator",
         "正常关机"},
        {"", "2024-05-01 10:00:00", "", "", "", "非正常关机"},
        {"", "", "2024-04-30 18:00:00", "", "", "无开机记录"},
    };
    for (int i = 0; i < 4; ++i) {
      ListItem& item = m.AddItem();
      item.StateIndex = i >= 2 ? 1 : 0;
      item.SetSubItems(rows[i] + 1, rows[i] + 6);
    }
    ShowAndSettle(window);
  }
  ImageList images{16, 16};
  Form window{App};
  ListView* list = nullptr;
};

TEST(ListViewRender, HeaderButtonsRowsImagesSelectionAndGrid) {
  RunList f;
  f.list->SetFocus();
  f.list->SetSelected(1);
  f.App.ProcessMessages();
  f.Save(f.window, "list_view");
  const ListViewLayout& layout = f.list->Layout();
  const gfx::Rect item = layout.HeaderItemRect(1, 0);
  // The raised header button: highlight at the top-left, dark shadow at the bottom-right, the
  // face inside.
  EXPECT_EQ(f.At(f.window, item.Left, item.Top), f.Rgb(gfx::clBtnHighlight));
  EXPECT_EQ(f.At(f.window, item.Right - 1, item.Bottom - 1), f.Rgb(gfx::cl3DDkShadow));
  EXPECT_EQ(f.At(f.window, item.Right - 2, item.Bottom - 2), f.Rgb(gfx::clBtnShadow));
  EXPECT_EQ(f.At(f.window, item.Right - 4, item.Top + 3), f.Rgb(gfx::clBtnFace));
  // The caption's ink starts at the text rectangle's left, 2 + 4 pixels inside the item.
  const gfx::Rect caption{item.Left + 6, item.Top + 2, item.Right - 6, item.Bottom - 2};
  EXPECT_GT(f.RightmostInk(f.window, caption, gfx::clBtnFace), caption.Left);
  EXPECT_EQ(f.RightmostInk(f.window, {item.Left + 2, item.Top + 2, item.Left + 6, item.Bottom - 2},
                           gfx::clBtnFace),
            item.Left + 1);

  // Row 1 is selected and the list has the focus: the highlight runs across all columns.
  const gfx::Rect row1 = layout.RowRect(1, 0, 0);
  EXPECT_EQ(f.At(f.window, row1.Left + 20, row1.Top + 1), f.Rgb(gfx::clHighlight));
  EXPECT_EQ(f.At(f.window, row1.Right - 3, row1.Top + 1), f.Rgb(gfx::clHighlight));
  // State images: green for the normal rows, orange for the abnormal ones.
  const gfx::Rect row0 = layout.RowRect(0, 0, 0);
  const gfx::Rect row2 = layout.RowRect(2, 0, 0);
  EXPECT_EQ(f.At(f.window, row0.Left + 8, row0.Top + 8), gfx::RGB(0x20, 0xA0, 0x20));
  EXPECT_EQ(f.At(f.window, row2.Left + 8, row2.Top + 8), gfx::RGB(0xF0, 0x80, 0x00));
  // Grid lines in the button face colour at the column edges and row bottoms, even below the
  // last row.
  const int columnEdge = layout.ViewRect.Left + layout.ColumnLeft[2] - 1;
  EXPECT_EQ(f.At(f.window, columnEdge, layout.ViewRect.Bottom - 3), f.Rgb(gfx::clBtnFace));
  EXPECT_EQ(f.At(f.window, 300, row0.Bottom - 1), f.Rgb(gfx::clBtnFace));
  EXPECT_EQ(f.At(f.window, 300, layout.ViewRect.Top + 10 * layout.RowHeight - 1),
            f.Rgb(gfx::clBtnFace));
  EXPECT_EQ(f.At(f.window, 300, layout.ViewRect.Top + 10 * layout.RowHeight - 2),
            f.Rgb(gfx::clWhite));

  // Without the focus the selection stays, in the button face colour.
  f.Host.Inject({.Kind = HostEventKind::Deactivated, .Window = f.window.Window()});
  f.App.ProcessMessages();
  f.Save(f.window, "list_view_unfocused");
  EXPECT_EQ(f.At(f.window, row1.Left + 20, row1.Top + 1), f.Rgb(gfx::clBtnFace));
}

TEST(ListViewRender, ACaptionWiderThanItsColumnEndsInAnEllipsis) {
  RunList f;
  const ListViewLayout& layout = f.list->Layout();
  const gfx::Rect item = layout.HeaderItemRect(4, 0);  // "登录用户" in 40 pixels
  const gfx::Rect text{item.Left + 6, item.Top + 2, item.Right - 6, item.Bottom - 2};
  const int narrowInk = f.RightmostInk(f.window, text, gfx::clBtnFace);
  // Nothing crosses the text rectangle, and the dots end near it: the cut text is followed
  // by the ellipsis.
  EXPECT_EQ(
      f.RightmostInk(f.window, {text.Right, text.Top, item.Right - 2, text.Bottom}, gfx::clBtnFace),
      text.Right - 1);
  EXPECT_GE(narrowInk, text.Right - 12);  // no room for one more glyph of 11 pixels
  f.Save(f.window, "list_view_ellipsis");

  // The same caption in a wide column is drawn whole, wider than the narrow rectangle.
  f.list->Model().SetColumnWidth(4, 200);
  f.App.ProcessMessages();
  const gfx::Rect wide = f.list->Layout().HeaderItemRect(4, 0);
  const int wideInk = f.RightmostInk(
      f.window, {wide.Left + 6, wide.Top + 2, wide.Right - 6, wide.Bottom - 2}, gfx::clBtnFace);
  EXPECT_GT(wideInk - (wide.Left + 6), text.Width());
  EXPECT_LT(wideInk, wide.Right - 40);
}

TEST(ListViewRender, WheelStepMovesTheRowsUpByFortyEightPixels) {
  RunList f;
  ListViewModel& m = f.list->Model();
  for (int i = 0; i < 100; ++i) {
    m.AddItem().SetSubItems({"2024-01-01 00:00:" + std::to_string(10 + i % 50)});
  }
  f.App.ProcessMessages();
  const ListViewLayout& layout = f.list->Layout();
  const gfx::Rect row5 = layout.RowRect(5, 0, 0);
  const int probeY = row5.Top + layout.RowHeight / 2;
  std::vector<gfx::Color> before;
  for (int x = row5.Left + 20; x < row5.Left + 160; ++x) {
    before.push_back(f.At(f.window, x, probeY));
  }
  f.Host.Wheel(f.window.Window(), {300, 150}, -1);
  f.App.ProcessMessages();
  std::vector<gfx::Color> after;
  for (int x = row5.Left + 20; x < row5.Left + 160; ++x) {
    after.push_back(f.At(f.window, x, probeY - 48));
  }
  EXPECT_EQ(before, after);
  f.Save(f.window, "list_view_scrolled");
}

}  // namespace
}  // namespace orvanta::ui::testing
