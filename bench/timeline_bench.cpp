// Speed of the timeline on a long history: the day rows built from the power history of a
// large .evt file, one paint of the page, and one wheel step with its repaint.
//   timeline_bench FILE [benchmark flags]
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "bench_process.h"
#include "controls/timeline_view.h"
#include "gfx/raster_canvas.h"
#include "history/timeline_days.h"
#include "platform/posix/file_load.h"
#include "platform/posix/freetype_glyph_source.h"
#include "platform/posix/passwd_directory.h"
#include "present/duration_text.h"
#include "present/run_refresh.h"
#include "sources/unix_account_api.h"

namespace orvanta {
namespace {

using orvanta::bench::PeakResidentBytes;

// The timeline page's control at the main window's default size.
constexpr gfx::Size kPageSize{665, 372};

template <class T>
std::size_t Bytes(const std::vector<T>& v) {
  return v.capacity() * sizeof(T);
}

struct BenchTimeline {
  BenchTimeline() : bitmap(kPageSize.Width, kPageSize.Height) {}

  void Paint() {
    gfx::RasterCanvas canvas(bitmap, glyphs, palette);
    timeline.Paint(canvas);
  }

  present::RunRefresh refresh;
  std::int64_t until = 0;
  gfx::SystemPalette palette = gfx::SystemPalette::Classic();
  platform::FreeTypeGlyphSource glyphs;
  gfx::Bitmap bitmap;
  controls::TUiTimeline timeline;
};

std::unique_ptr<BenchTimeline> g_bench;

void BM_BuildDayRows(benchmark::State& state) {
  const history::PowerHistory& power = g_bench->refresh.Power;
  for (auto _ : state) {
    history::TimelineRows rows =
        history::BuildTimelineDays(power, g_bench->until, history::SystemZoneOffset);
    benchmark::DoNotOptimize(rows.Days.data());
  }
}
BENCHMARK(BM_BuildDayRows)->Unit(benchmark::kMillisecond);

void BM_PaintPage(benchmark::State& state) {
  BenchTimeline& b = *g_bench;
  b.timeline.ScrollToRow(b.timeline.Rows().Days.size() / 2);
  b.Paint();  // faces and glyphs are cached after the first paint, as in the running program
  for (auto _ : state) {
    b.Paint();
    benchmark::DoNotOptimize(b.bitmap.Pixels().data());
  }
}
BENCHMARK(BM_PaintPage)->Unit(benchmark::kMillisecond);

// A wheel notch, alternately down and up, and the repaint it asks for.
void BM_WheelStep(benchmark::State& state) {
  BenchTimeline& b = *g_bench;
  b.timeline.ScrollToRow(b.timeline.Rows().Days.size() / 2);
  b.Paint();
  int notches = -1;
  for (auto _ : state) {
    ui::WheelEvent e;
    e.Notches = notches;
    notches = -notches;
    b.timeline.DispatchMouseWheel(e);
    b.Paint();
    benchmark::DoNotOptimize(b.bitmap.Pixels().data());
  }
}
BENCHMARK(BM_WheelStep)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvanta

int main(int argc, char** argv) {
  using namespace orvanta;
  benchmark::Initialize(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: timeline_bench FILE [benchmark flags]\n");
    return 2;
  }
  g_bench = std::make_unique<BenchTimeline>();
  platform::PasswdDirectory users;
  sources::OpenedLog opened = platform::OpenLogFile(argv[1]);
  if (!opened.Value) {
    std::fprintf(stderr, "timeline_bench: %s: %s\n", argv[1], opened.Error.c_str());
    return 1;
  }
  sources::UnixAccountApi accounts(users);
  g_bench->refresh.Refresh(*opened.Value, accounts);
  opened = {};
  const history::PowerHistory& power = g_bench->refresh.Power;
  g_bench->until = power.HistoryTo.value_or(0);
  const std::uint64_t peakBefore = PeakResidentBytes();
  history::TimelineRows rows =
      history::BuildTimelineDays(power, g_bench->until, history::SystemZoneOffset);
  const std::size_t rowBytes = Bytes(rows.Days) + Bytes(rows.Pieces) + Bytes(rows.Marks);
  std::printf("timeline of %s: %zu runs, %zu days, %zu pieces, %zu marks\n", argv[1],
              power.Runs.size(), rows.Days.size(), rows.Pieces.size(), rows.Marks.size());
  g_bench->timeline.SetBounds(0, 0, kPageSize.Width, kPageSize.Height);
  g_bench->timeline.DurationText = [](std::int64_t s) {
    return present::FormatDuration(s / 60 * 60);
  };
  g_bench->timeline.SetRows(std::move(rows));
  const std::uint64_t peakAfter = PeakResidentBytes();
  std::printf(
      "  rows %.1f MB; peak resident %.1f MB after the refresh, %.1f MB with the rows "
      "(+%.1f MB, target < 40 MB)\n",
      rowBytes / 1e6, peakBefore / 1e6, peakAfter / 1e6,
      (static_cast<double>(peakAfter) - static_cast<double>(peakBefore)) / 1e6);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  g_bench.reset();
  return 0;
}
