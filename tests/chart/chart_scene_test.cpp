#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "chart/chart.h"
#include "chart_page_setup.h"
#include "gfx/png_writer.h"
#include "gfx/raster_canvas.h"
#include "platform/posix/freetype_glyph_source.h"

namespace orvanta::chart {
namespace {

// The chart page's chart with the machine's real fonts, saved for a person to look at. The
// probes check only what does not depend on the font's shapes.
class ChartSceneTest : public testing::Test {
 protected:
  ChartSceneTest() { SetUpAsChartPage(m_chart, m_series); }

  void Paint(const std::string& name) {
    m_bitmap.Resize(669, 328);
    gfx::RasterCanvas canvas(m_bitmap, m_glyphs, m_palette);
    m_chart.Paint(canvas);
    canvas.SetFont(DefaultChartFont());
    m_fontHeight = canvas.TextExtent("W").Height;
    std::filesystem::path dir = std::filesystem::path(ORVANTA_BINARY_DIR) / "render";
    std::filesystem::create_directories(dir);
    gfx::WritePng(m_bitmap, (dir / ("chart_scene_" + name + ".png")).string());
  }

  bool HasInk(const gfx::Rect& r) const {
    for (int y = r.Top; y < r.Bottom; ++y) {
      for (int x = r.Left; x < r.Right; ++x) {
        if (m_bitmap.At(x, y) != 0xFFFFFF) {
          return true;
        }
      }
    }
    return false;
  }

  gfx::SystemPalette m_palette = gfx::SystemPalette::Classic();
  platform::FreeTypeGlyphSource m_glyphs;
  gfx::Bitmap m_bitmap;
  int m_fontHeight = 0;
  TChart m_chart;
  TBarSeries& m_series = m_chart.AddSeries();
};

TEST_F(ChartSceneTest, WorkedExample) {
  m_series.Add(0, "2024-03-08");
  m_series.Add(3.5, "2024-03-09");
  m_series.Add(0, "2024-03-10");
  Paint("worked_example");
  ASSERT_GT(m_fontHeight, 0);
  gfx::Rect plot = m_chart.ChartRect();
  // The plotting rectangle gives the bottom axis one font height of labels and 7 pixels.
  EXPECT_EQ(plot.Bottom, 314 - m_fontHeight - 7);
  EXPECT_EQ(m_series.BarBounds(m_chart.Layout().Bars[0], 1).Top, plot.Top);
  const AxisLayout& left = m_chart.Layout().Left;
  EXPECT_TRUE(HasInk({left.TitlePos - m_fontHeight, plot.Top, left.TitlePos, plot.Bottom}));
  EXPECT_TRUE(HasInk({plot.Left, m_chart.Layout().Bottom.LabelsPos, plot.Right,
                      m_chart.Layout().Bottom.LabelsPos + m_fontHeight}));
}

TEST_F(ChartSceneTest, AMonthOfRuns) {
  for (int day = 1; day <= 31; ++day) {
    char date[16];
    std::snprintf(date, sizeof date, "2024-05-%02d", day);
    m_series.Add((day * 37 % 23) / 2.0 + (day % 3) * 0.25, date);
    if (day % 4 == 0) {
      m_series.Add(0, date);
    }
  }
  Paint("month");
  EXPECT_EQ(m_chart.Layout().Bottom.TickPositions().front(),
            m_chart.Layout().Bottom.Scale.ValueToPos(0));
}

}  // namespace
}  // namespace orvanta::chart
