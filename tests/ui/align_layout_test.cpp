#include "ui/align_layout.h"

#include <gtest/gtest.h>

#include <vector>

#include "ui/control.h"

namespace orvanta::ui {
namespace {

using gfx::Rect;

struct AlignCase {
  const char* Name;
  Rect Area;
  std::vector<AlignItem> Items;
  std::vector<Rect> Expected;
};

TEST(AlignBounds, PlacesInWindowsOrder) {
  const std::vector<AlignCase> cases = {
      {"toolbar, page control and status bar in the main window's client area",
       {0, 0, 673, 475},
       {{Align::Top, {0, 0, 10, 60}}, {Align::Client, {}}, {Align::Bottom, {0, 0, 10, 19}}},
       {{0, 0, 673, 60}, {0, 60, 673, 456}, {0, 456, 673, 475}}},
      {"status panes by their left positions, whatever the child order",
       {0, 0, 673, 19},
       {{Align::Left, Rect::FromSize(250, 0, 100, 5)},
        {Align::Left, Rect::FromSize(0, 0, 150, 5)},
        {Align::Left, Rect::FromSize(450, 0, 200, 5)},
        {Align::Left, Rect::FromSize(150, 0, 100, 5)},
        {Align::Left, Rect::FromSize(350, 0, 100, 5)}},
       {{250, 0, 350, 19},
        {0, 0, 150, 19},
        {450, 0, 650, 19},
        {150, 0, 250, 19},
        {350, 0, 450, 19}}},
      {"equal tops keep the child order; bottoms stack upwards",
       {0, 0, 100, 100},
       {{Align::Top, {0, 0, 1, 10}},
        {Align::Top, {0, 0, 1, 20}},
        {Align::Bottom, {0, 90, 1, 100}},
        {Align::Bottom, {0, 0, 1, 5}}},
       {{0, 0, 100, 10}, {0, 10, 100, 30}, {0, 90, 100, 100}, {0, 85, 100, 90}}},
      {"right-aligned: the one furthest right first; left and right take the height left",
       {0, 0, 300, 100},
       {{Align::Right, {250, 0, 280, 1}},
        {Align::Right, {290, 0, 300, 1}},
        {Align::Left, {0, 0, 40, 1}},
        {Align::Top, {0, 0, 1, 30}}},
       {{260, 30, 290, 100}, {290, 30, 300, 100}, {0, 30, 40, 100}, {0, 0, 300, 30}}},
      {"an area used up leaves empty strips, never negative ones",
       {0, 0, 50, 40},
       {{Align::Top, {0, 0, 1, 30}}, {Align::Top, {0, 0, 1, 30}}, {Align::Client, {}}},
       {{0, 0, 50, 30}, {0, 30, 50, 60}, {0, 40, 50, 40}}},
      {"unaligned controls keep their bounds",
       {0, 0, 100, 100},
       {{Align::None, {5, 6, 7, 8}}, {Align::Client, {}}},
       {{5, 6, 7, 8}, {0, 0, 100, 100}}},
  };
  for (const AlignCase& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(AlignBounds(c.Area, c.Items), c.Expected);
  }
}

TEST(ControlAlignment, FollowsSizeVisibilityAndAlignChanges) {
  Control root;
  root.SetBounds(0, 0, 673, 475);
  Control& toolbar = root.Add<Control>();
  toolbar.SetSize(10, 60);
  toolbar.SetAlign(Align::Top);
  Control& page = root.Add<Control>();
  page.SetAlign(Align::Client);
  Control& status = root.Add<Control>();
  status.SetSize(10, 19);
  status.SetAlign(Align::Bottom);
  EXPECT_EQ(page.Bounds(), (Rect{0, 60, 673, 456}));
  EXPECT_EQ(status.Bounds(), (Rect{0, 456, 673, 475}));

  toolbar.SetSize(toolbar.Width(), 80);
  EXPECT_EQ(page.Bounds(), (Rect{0, 80, 673, 456}));
  status.Hide();
  EXPECT_EQ(page.Bounds(), (Rect{0, 80, 673, 475}));
  root.SetSize(400, 300);
  EXPECT_EQ(toolbar.Bounds(), (Rect{0, 0, 400, 80}));
  EXPECT_EQ(page.Bounds(), (Rect{0, 80, 400, 300}));
  toolbar.SetAlign(Align::None);
  EXPECT_EQ(page.Bounds(), (Rect{0, 0, 400, 300}));
}

// A strip that grows taller when it gets narrower, as a wrapping toolbar does.
class WrappingStrip : public Control {
 protected:
  void Resized() override { SetSize(Width(), Width() < 300 ? 50 : 25); }
};

TEST(ControlAlignment, AChildThatResizesItselfWhilePlacedMovesTheOthers) {
  Control root;
  root.SetBounds(0, 0, 400, 200);
  Control& strip = root.Add<WrappingStrip>();
  strip.SetSize(400, 25);
  strip.SetAlign(Align::Top);
  Control& page = root.Add<Control>();
  page.SetAlign(Align::Client);
  EXPECT_EQ(page.Bounds(), (Rect{0, 25, 400, 200}));
  root.SetSize(250, 200);
  EXPECT_EQ(strip.Bounds(), (Rect{0, 0, 250, 50}));
  EXPECT_EQ(page.Bounds(), (Rect{0, 50, 250, 200}));
}

}  // namespace
}  // namespace orvanta::ui
