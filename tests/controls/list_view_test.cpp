#include "controls/list_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/support/ui_fixture.h"

namespace orvanta::controls {
namespace {

using gfx::Rect;

TEST(HeaderItemLayout, ArrowImageAndTextByMode) {
  // A 100 x 20 item: the face is 2 in, the text 4 more; the arrow is centred on the face.
  const Rect item{0, 0, 100, 20};
  struct Case {
    THeaderSortDisplayMode Mode;
    bool Sorted;
    gfx::Size Image;
    Rect Text;
    Rect Picture;
    Rect Arrow;
  };
  const Case cases[] = {
      {hsdmRightAlign, true, {}, {6, 2, 82, 18}, {}, {87, 8, 94, 12}},
      {hsdmRightAlign, false, {}, {6, 2, 94, 18}, {}, {}},
      {hsdmLeftAlign, true, {16, 16}, {38, 2, 94, 18}, {18, 2, 34, 18}, {6, 8, 13, 12}},
      {hsdmRightOfText, true, {}, {6, 2, 36, 18}, {}, {41, 8, 48, 12}},  // caption 30 wide
      {hsdmNone, true, {16, 16}, {26, 2, 94, 18}, {6, 2, 22, 18}, {}},
  };
  for (const Case& c : cases) {
    const HeaderItemParts parts = LayoutHeaderItem(item, c.Mode, c.Sorted, 30, c.Image);
    EXPECT_EQ(parts.Text, c.Text) << int(c.Mode);
    EXPECT_EQ(parts.Image, c.Picture) << int(c.Mode);
    EXPECT_EQ(parts.Arrow, c.Arrow) << int(c.Mode);
  }
}

// A header click sorts only with AlphaSortAll, and the arrow then marks the column.
TEST(TUiListViewTest, AHeaderClickSortsOnlyWhenAskedTo) {
  ui::testing::UiFixture ui;
  ui::Form window{ui.App};
  window.SetClientSize(300, 200);
  TUiListView& list = window.Add<TUiListView>();
  list.SetAlign(ui::Align::Client);
  list.SetHeaderSortDisplayMode(hsdmRightAlign);
  list.SetFillLastColumn(false);
  list.Model().AddColumn({"Name", 100});
  list.Model().AddColumn({"Size", 100});
  for (auto [name, size] : {std::pair{"a", "2"}, {"b", "3"}, {"c", "1"}}) {
    ui::ListItem& row = list.Model().AddItem();
    row.SetCaption(name);
    row.SetSubItems({size});
  }
  ui.ShowAndSettle(window);
  const auto names = [&] {
    std::string s;
    for (int i = 0; i < list.Model().ItemCount(); ++i) {
      s += list.Model().Item(i).Caption();
    }
    return s;
  };
  const Rect header = list.Layout().HeaderItemRect(1, 0);
  const gfx::Point centre{(header.Left + header.Right) / 2, (header.Top + header.Bottom) / 2};
  struct Step {
    bool AlphaSortAll;
    const char* Order;
    int SortColumn;
  };
  for (const Step& s : {Step{false, "abc", -1}, Step{true, "cab", 1}, Step{true, "bac", 1}}) {
    list.SetAlphaSortAll(s.AlphaSortAll);
    ui.Host.Click(window.Window(), centre);
    ui.App.ProcessMessages();
    EXPECT_EQ(names(), s.Order);
    EXPECT_EQ(list.SortColumn(), s.SortColumn);
  }
  const Rect arrow = LayoutHeaderItem(header, hsdmRightAlign, true, 0, {}).Arrow;
  EXPECT_EQ(ui.Host.State(window.Window()).Screen.At(arrow.Left, arrow.Top),
            ui.Palette.ToPixel(gfx::clBtnShadow));  // descending: the base along the top
}

}  // namespace
}  // namespace orvanta::controls
