// The report list with 100,000 rows: filling it and painting the first frame, and the repaint
// after one wheel step. Both paint through the raster canvas with the real glyph source into a
// host that discards the frames.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "gfx/color.h"
#include "platform/posix/freetype_glyph_source.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/raster_canvas_factory.h"

namespace {

using namespace orvanta;

constexpr int kRows = 224849;  // the runs of the 1,000,000-record benchmark logs

// A host without a screen: frames go nowhere and the clock is the real one.
class NullHost : public ui::WindowHost {
 public:
  ui::WindowId Open(const ui::WindowSpec&) override { return m_next++; }
  void Show(ui::WindowId) override {}
  void Hide(ui::WindowId) override {}
  void Destroy(ui::WindowId) override {}
  void SetTitle(ui::WindowId, std::string_view) override {}
  void SetClientBounds(ui::WindowId, const gfx::Rect&) override {}
  void SetInputEnabled(ui::WindowId, bool) override {}
  void Activate(ui::WindowId window) override { Inject({ui::HostEventKind::Activated, window}); }
  bool IsMaximized(ui::WindowId) override { return false; }
  gfx::Point ClientToScreen(ui::WindowId, gfx::Point p) override { return p; }
  gfx::Rect DesktopRect() override { return {0, 0, 1024, 768}; }
  void Present(ui::WindowId, const gfx::Bitmap& frame, const gfx::Rect&) override {
    benchmark::DoNotOptimize(frame.Pixels().data());
  }
  void SetCapture(ui::WindowId) override {}
  void ReleaseCapture() override {}
  void SetCursor(ui::WindowId, ui::CursorKind) override {}
  void BeginSizeFromBottomRight(ui::WindowId) override {}
  int WheelScrollLines() override { return 3; }
  std::int64_t NowMs() override { return 0; }
  std::optional<ui::HostEvent> WaitEvent(std::int64_t) override {
    if (!m_pending) {
      return std::nullopt;
    }
    auto e = m_pending;
    m_pending.reset();
    return e;
  }
  void Inject(const ui::HostEvent& e) { m_pending = e; }

 private:
  ui::WindowId m_next = 1;
  std::optional<ui::HostEvent> m_pending;
};

// The run list of the main window: its columns at the log page's size.
struct RunListScene {
  RunListScene() : App(Host, ui::RasterCanvasFactory(Glyphs, Palette)), Window(App) {
    Window.SetClientSize(669, 329);
    List = &Window.Add<ui::ListView>();
    List->SetAlign(ui::Align::Client);
    List->SetBorder(ui::ControlBorder::Flat);
    List->SetGridLines(true);
    List->SetHideSelection(false);
    List->SetColor(gfx::clWhite);
    List->SetFont(gfx::Font{"MS Sans Serif", 11, false, false, false, gfx::clBlack});
    ui::ListViewModel& model = List->Model();
    model.AddColumn({"", 18});
    model.AddColumn({"开机时间", 150});
    model.AddColumn({"关机时间", 150});
    model.AddColumn({"运行时长", 100});
    model.AddColumn({"登录用户", 127});
    model.AddColumn({.Caption = "信息", .Width = 50, .FillsRest = true});
  }
  void Fill() {
    ui::ListViewModel& model = List->Model();
    model.ClearItems();
    model.ReserveItems(kRows);
    for (int i = 0; i < kRows; ++i) {
      ui::ListItem& item = model.AddItem();
      item.StateIndex = i % 7 == 0 ? 1 : 0;
      item.SetSubItems({"2024-05-03 08:12:45", "2024-05-03 17:40:02", "9 时27 分17 秒",
                        "Administrator", i % 7 == 0 ? "非正常关机" : "正常关机"});
    }
  }

  platform::FreeTypeGlyphSource Glyphs;
  gfx::SystemPalette Palette = gfx::SystemPalette::Classic();
  NullHost Host;
  ui::Application App;
  ui::Form Window;
  ui::ListView* List = nullptr;
};

void BM_FillAndFirstPaint(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto scene = std::make_unique<RunListScene>();
    scene->Window.Show();
    state.ResumeTiming();
    scene->Fill();
    scene->App.ProcessMessages();
    state.PauseTiming();
    scene.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FillAndFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_WheelStepRepaint(benchmark::State& state) {
  RunListScene scene;
  scene.Window.Show();
  scene.Fill();
  scene.App.ProcessMessages();
  const gfx::Point inside = scene.List->ClientToForm({200, 150});
  int direction = -1;
  for (auto _ : state) {
    const int before = scene.List->ScrollY();
    scene.Host.Inject({.Kind = ui::HostEventKind::Wheel,
                       .Window = scene.Window.Window(),
                       .Position = inside,
                       .WheelNotches = direction});
    scene.App.ProcessMessages();
    if (scene.List->ScrollY() == before) {
      direction = -direction;
    }
  }
  state.counters["scroll_px"] = scene.List->ScrollY();
}
BENCHMARK(BM_WheelStepRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
