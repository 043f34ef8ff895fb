// Speed of the chart engine on a long history: painting 10,000 bars at the chart page's size
// into its off-screen bitmap, and the hit test that one mouse move over them costs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "chart/chart.h"
#include "chart/marks_tip_tool.h"
#include "gfx/raster_canvas.h"
#include "platform/posix/freetype_glyph_source.h"

namespace orvanta::chart {
namespace {

constexpr int kBars = 10000;
constexpr gfx::Size kChartSize{669, 328};

class NullHintSink final : public HintSink {
 public:
  void CancelHint() override {}
  void ShowHintAt(std::string_view, gfx::Point) override {}
  gfx::Point ClientToScreen(gfx::Point p) const override { return p; }
};

// The chart page's chart holding one bar per run of a long history, dated day by day.
struct BenchChart {
  BenchChart() : bitmap(kChartSize.Width, kChartSize.Height) {
    chart.Color = gfx::clWhite;
    chart.LeftAxis.Title.Caption = "(小时)";
    chart.SetSize(kChartSize);
    chart.SetHintSink(&hints);
    TBarSeries& series = chart.AddSeries();
    series.ColorEachPoint = true;
    series.BarBrush.Color = gfx::clWhite;
    series.Marks.Visible = false;
    chart.AddTool<TMarksTipTool>().Style = TSeriesMarksStyle::smsLabelValue;
    for (int i = 0; i < kBars; ++i) {
      char date[16];
      std::snprintf(date, sizeof date, "%04d-%02d-%02d", 1996 + i / 365, 1 + i / 31 % 12,
                    1 + i % 28);
      series.Add((i * 7919 % 2400) / 100.0, date);
    }
  }

  void Paint() {
    gfx::RasterCanvas canvas(bitmap, glyphs, palette);
    chart.Paint(canvas);
  }

  gfx::SystemPalette palette = gfx::SystemPalette::Classic();
  platform::FreeTypeGlyphSource glyphs;
  NullHintSink hints;
  gfx::Bitmap bitmap;
  TChart chart;
};

BenchChart& SharedChart() {
  static auto chart = std::make_unique<BenchChart>();
  return *chart;
}

void BM_PaintTenThousandBars(benchmark::State& state) {
  BenchChart& b = SharedChart();
  b.Paint();  // faces and glyphs are cached after the first paint, as in the running program
  for (auto _ : state) {
    b.Paint();
    benchmark::DoNotOptimize(b.bitmap.Pixels().data());
  }
}
BENCHMARK(BM_PaintTenThousandBars)->Unit(benchmark::kMillisecond);

// The series' hit test alone, at points sweeping across the plotting rectangle.
void BM_ClickedTenThousandBars(benchmark::State& state) {
  BenchChart& b = SharedChart();
  b.Paint();
  const TBarSeries& series = b.chart.Series(0);
  gfx::Rect plot = b.chart.ChartRect();
  int x = plot.Left;
  int hits = 0;
  for (auto _ : state) {
    hits += b.chart.Clicked(series, x, plot.Bottom - 3) >= 0 ? 1 : 0;
    x = x + 7 < plot.Right ? x + 7 : plot.Left;
  }
  benchmark::DoNotOptimize(hits);
}
BENCHMARK(BM_ClickedTenThousandBars)->Unit(benchmark::kMicrosecond);

// One mouse move as the chart receives it: the tip tool's hit test, mark text and hint.
void BM_MouseMoveTenThousandBars(benchmark::State& state) {
  BenchChart& b = SharedChart();
  b.Paint();
  gfx::Rect plot = b.chart.ChartRect();
  int x = plot.Left;
  for (auto _ : state) {
    b.chart.MouseEvent({ChartMouseKind::Move, ChartMouseButton::None, 0, x, plot.Bottom - 3});
    x = x + 7 < plot.Right ? x + 7 : plot.Left;
  }
}
BENCHMARK(BM_MouseMoveTenThousandBars)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvanta::chart

BENCHMARK_MAIN();
