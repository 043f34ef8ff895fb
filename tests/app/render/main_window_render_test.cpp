// The main window painted by the raster canvas with the system's fonts, from the worked
// example: measured geometry and pixel probes, and PNGs under <build>/render for a person.
#include <gtest/gtest.h>

#include "app/form_orvanta.h"
#include "app/main_window_harness.h"
#include "chart/default_palette.h"
#include "controls/color_math.h"
#include "controls/color_sets.h"
#include "ui/render/render_fixture.h"

namespace orvanta::app {
namespace {

using testing::MainWindowServices;

struct MainWindowRender : ::testing::Test {
  MainWindowRender() : Fake(R.Host, R.Glyphs) {
    Form = std::make_unique<TFormOrvanta>(R.App, Fake.Services);
    R.App.SetMainForm(*Form);
    R.ShowAndSettle(*Form);
  }

  gfx::Color At(gfx::Point formPoint) const { return R.At(*Form, formPoint.X, formPoint.Y); }
  gfx::Color At(const ui::Control& c, gfx::Point client) const {
    return At(c.ClientToForm(client));
  }
  // Whether any pixel of a rectangle (form pixels) differs from the colour.
  bool HasInk(const gfx::Rect& r, gfx::Color background) const {
    for (int y = r.Top; y < r.Bottom; ++y) {
      for (int x = r.Left; x < r.Right; ++x) {
        if (At({x, y}) != R.Rgb(background)) {
          return true;
        }
      }
    }
    return false;
  }
  static gfx::Rect InForm(const ui::Control& c, const gfx::Rect& client) {
    const gfx::Point o = c.ClientToForm({0, 0});
    return client.Offset(o.X, o.Y);
  }
  static bool Greenish(gfx::Color c) {
    return gfx::GetGValue(c) > gfx::GetRValue(c) + 40 && gfx::GetGValue(c) > gfx::GetBValue(c) + 40;
  }
  static bool Orangeish(gfx::Color c) {
    return gfx::GetRValue(c) > gfx::GetGValue(c) + 30 && gfx::GetGValue(c) > gfx::GetBValue(c) + 30;
  }

  testsupport::ScopedLocalBias Bias{0};
  ui::testing::RenderFixture R;
  MainWindowServices Fake;
  std::unique_ptr<TFormOrvanta> Form;
};

TEST_F(MainWindowRender, TheWindowAndItsPartsSitWhereTheLayoutPutsThem) {
  R.Save(*Form, "main_window_log");
  const auto& window = R.Host.State(Form->Window());
  EXPECT_EQ(window.Title, "Orvanta");
  EXPECT_EQ(window.Bounds, gfx::Rect::FromSize((1024 - 673) / 2, (768 - 475) / 2, 673, 475));
  EXPECT_EQ(window.Spec.Kind, ui::WindowKind::Sizeable);

  struct Case {
    const char* Name;
    const ui::Control* Control;
    gfx::Rect Bounds;  // in the parent
  };
  const Case cases[] = {
      {"page control", Form->UiPageControl1, {0, 60, 673, 456}},
      {"log page", Form->TabSheet1, gfx::Rect::FromSize(1, 24, 669, 369)},
      {"chart page", Form->TabSheet2, gfx::Rect::FromSize(1, 24, 669, 369)},
      {"log header", Form->Panel1, {0, 0, 669, 40}},
      {"log icon", Form->Image1, gfx::Rect::FromSize(8, 4, 32, 32)},
      {"log title", Form->Label1, gfx::Rect::FromSize(48, 13, 145, 16)},
      {"uptime caption", Form->LabTime, gfx::Rect::FromSize(288, 16, 121, 14)},
      {"uptime", Form->LabTimeText, gfx::Rect::FromSize(416, 16, 233, 14)},
      {"run list", Form->UiLWMsg, {0, 40, 669, 369}},
      {"chart header", Form->Panel2, {0, 0, 669, 41}},
      {"chart icon", Form->Image2, gfx::Rect::FromSize(8, 4, 32, 32)},
      {"chart title", Form->Label2, gfx::Rect::FromSize(56, 13, 273, 16)},
      {"chart", Form->Chart1, {0, 41, 669, 369}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.Control->Bounds(), c.Bounds) << c.Name;
  }
  EXPECT_EQ(Form->UiPageControl1->StripHeight(), 23);
  EXPECT_EQ(Form->UiPageControl1->TabRect(0).Height(), 20);
  EXPECT_EQ(Form->UiLWMsg->Layout().ColumnWidth,
            (std::vector<int>{18, 150, 150, 100, 127, 669 - 2 - 545}));
}

TEST_F(MainWindowRender, TheListShowsTheRunsWithTheirStateImages) {
  ui::ListView& list = *Form->UiLWMsg;
  const ui::ListViewLayout& layout = list.Layout();
  ASSERT_EQ(list.Model().ItemCount(), 4);
  for (int row = 0; row < 4; ++row) {
    const gfx::Rect cell = InForm(list, layout.CellRect(row, 0, 0, 0));
    const gfx::Point middle{(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
    const gfx::Color image = At(middle);
    if (row < 2) {
      EXPECT_TRUE(Greenish(image)) << "row " << row << " " << std::hex << image;
    } else {
      EXPECT_TRUE(Orangeish(image)) << "row " << row << " " << std::hex << image;
    }
  }
  // Text where the worked example has it, none where its cells are empty.
  struct Cell {
    int Row;
    int Column;
    bool Text;
  };
  const Cell cells[] = {{0, 1, true}, {0, 2, false}, {0, 4, true},  {0, 5, true},
                        {1, 2, true}, {1, 3, true},  {2, 3, false}, {3, 1, false},
                        {3, 2, true}, {3, 4, false}, {3, 5, true}};
  for (const Cell& c : cells) {
    const gfx::Rect cell = InForm(list, layout.CellRect(c.Row, c.Column, 0, 0)).Inflate(-2, -2);
    EXPECT_EQ(HasInk(cell, gfx::clWhite), c.Text) << c.Row << "," << c.Column;
  }
  // The column header is a button-face strip with its captions.
  const gfx::Rect header = InForm(list, layout.HeaderRect);
  EXPECT_EQ(At({header.Left + 30, header.Top + 3}), R.Rgb(gfx::clBtnFace));
  EXPECT_TRUE(HasInk(InForm(list, layout.HeaderItemRect(1, 0)).Inflate(-3, -3), gfx::clBtnFace));
}

TEST_F(MainWindowRender, LabelsAndPanesShowTheirTexts) {
  // The toolbar: a groove at the top and the bottom, a ramp from the window colour between.
  const gfx::SystemPalette& palette = R.Palette;
  EXPECT_EQ(At({300, 0}), R.Rgb(gfx::clBtnShadow));
  EXPECT_EQ(At({300, 1}), R.Rgb(gfx::clBtnHighlight));
  EXPECT_EQ(At({300, 58}), R.Rgb(gfx::clBtnShadow));
  EXPECT_EQ(At({300, 59}), R.Rgb(gfx::clBtnHighlight));
  EXPECT_EQ(At({600, 57}), controls::PanelRampColors(palette).Stop);
  EXPECT_GT(gfx::GetRValue(At({600, 2})), 250);
  // The version label is right-aligned in its 82 pixels.
  const gfx::Rect version = Form->LabVer->BoundsInForm();
  const int ink = R.RightmostInk(*Form, version, gfx::clWhite);
  EXPECT_GT(ink, version.Right - 8);
  EXPECT_LT(ink, version.Right);

  // Status panes: flat frames of the shadow tinted by 30, corners left out, captions inside.
  const gfx::Color frame = controls::TintColor(gfx::clBtnShadow, 30, palette);
  ASSERT_EQ(frame, gfx::RGB(159, 159, 159));
  for (const controls::TUiStatusPane* pane : Form->UiStatusPanes) {
    const gfx::Rect r = pane->BoundsInForm();
    EXPECT_EQ(At({r.Left + 1, r.Top + 5}), frame) << pane->Caption();
    EXPECT_EQ(At({r.Left + 5, r.Top + 1}), frame) << pane->Caption();
    EXPECT_EQ(At({r.Right - 2, r.Top + 5}), frame) << pane->Caption();
    EXPECT_NE(At({r.Left + 1, r.Top + 1}), frame) << pane->Caption();
    EXPECT_TRUE(HasInk({r.Left + 4, r.Top + 3, r.Left + 30, r.Bottom - 3}, gfx::clBtnFace))
        << pane->Caption();
  }
  EXPECT_TRUE(HasInk(Form->UiClockStatus1->BoundsInForm().Inflate(-3, -3), gfx::clBtnFace));

  // The uptime label is empty until the first tick, then maroon text.
  const gfx::Rect uptime = Form->LabTimeText->BoundsInForm();
  EXPECT_FALSE(HasInk(uptime, gfx::clWindow));
  R.Host.Advance(1000);
  R.App.ProcessMessages();
  EXPECT_EQ(Form->LabTimeText->Caption(), "1 时2 分3 秒");
  bool maroon = false;
  for (int y = uptime.Top; y < uptime.Bottom; ++y) {
    for (int x = uptime.Left; x < uptime.Left + 60; ++x) {
      const gfx::Color c = At({x, y});
      maroon =
          maroon || (gfx::GetRValue(c) >= 100 && gfx::GetGValue(c) < 60 && gfx::GetBValue(c) < 60);
    }
  }
  EXPECT_TRUE(maroon);
  EXPECT_TRUE(HasInk(Form->LabTime->BoundsInForm(), gfx::clWindow));
  EXPECT_TRUE(HasInk(Form->Label1->BoundsInForm(), gfx::clWindow));
  R.Save(*Form, "main_window_ticked");
}

TEST_F(MainWindowRender, AButtonUnderTheMouseShowsItsFace) {
  const gfx::Rect about = Form->TBAbout->BoundsInForm();
  R.Host.MouseMove(Form->Window(), {about.Left + 40, about.Top + 30});
  R.App.ProcessMessages();
  R.Save(*Form, "main_window_hot_button");
  EXPECT_TRUE(Form->TBAbout->MouseOver());
  EXPECT_EQ(At(*Form->TBAbout, {0, 30}), gfx::RGB(10, 36, 106));
  EXPECT_EQ(At(*Form->TBAbout, {79, 30}), gfx::RGB(10, 36, 106));
  EXPECT_EQ(At(*Form->TBAbout, {40, 58}), gfx::RGB(181, 189, 210));
  // Its neighbours stay flat on the toolbar's ramp.
  EXPECT_EQ(At(*Form->TBUpdate, {0, 30}), At(*Form->UiToolbar1, {300, 30}));
}

TEST_F(MainWindowRender, TheChartPageShowsTheRunsOldestLeft) {
  controls::TUiPageControl& pages = *Form->UiPageControl1;
  const gfx::Rect tab = InForm(pages, pages.TabRect(1));
  R.Host.Click(Form->Window(), {(tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2});
  R.App.ProcessMessages();
  ASSERT_EQ(pages.TabIndex(), 1);
  R.Save(*Form, "main_window_chart");

  const chart::TBarSeries& series = *Form->Series1;
  ASSERT_EQ(series.Count(), 3);
  EXPECT_EQ(series.Label(0), "2024-03-08");
  EXPECT_EQ(series.Label(1), "2024-03-09");
  EXPECT_EQ(series.Label(2), "2024-03-10");
  EXPECT_EQ(series.YValue(1), 3.5);
  const chart::TChart& chart = Form->Chart1->Chart();
  const gfx::Rect plot = chart.ChartRect();
  const chart::BarLayout& bars = chart.Layout().Bars[0];
  EXPECT_EQ(series.BarBounds(bars, 1).Top, plot.Top);
  EXPECT_EQ(chart.Layout().Left.Scale.RangeMax, 3.5);
  for (int i = 0; i < 3; ++i) {
    const gfx::Rect bar = series.BarBounds(bars, i);
    EXPECT_LT(bar.Left, bar.Right);
    if (i > 0) {
      EXPECT_LT(series.BarBounds(bars, i - 1).Right, bar.Left) << i;
    }
    // Each bar's date stands under it.
    const int centre = (bar.Left + bar.Right) / 2;
    const gfx::Rect label =
        InForm(*Form->Chart1, {centre - 20, chart.Layout().Bottom.LabelsPos, centre + 20,
                               chart.Layout().Bottom.LabelsPos + 14});
    EXPECT_TRUE(HasInk(label, gfx::clWhite)) << i;
  }
  // The middle bar is filled in the palette's second colour from the plot's top edge down;
  // the two runs of 0 hours are lines in their own colours on the zero line.
  const gfx::Rect middle = series.BarBounds(bars, 1);
  EXPECT_EQ(At(*Form->Chart1, {(middle.Left + middle.Right) / 2, plot.Top + 5}),
            chart::DefaultPalette[1]);
  EXPECT_EQ(At(*Form->Chart1, {(middle.Left + middle.Right) / 2, plot.Top - 3}),
            R.Rgb(gfx::clWhite));
  const gfx::Rect first = series.BarBounds(bars, 0);
  EXPECT_EQ(At(*Form->Chart1, {(first.Left + first.Right) / 2, first.Top}),
            chart::DefaultPalette[0]);
}

}  // namespace
}  // namespace orvanta::app
