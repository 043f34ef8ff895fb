#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "chart/axis_labels.h"
#include "chart/bar_series.h"
#include "chart/chart_axis.h"
#include "chart/chart_layout.h"
#include "chart/chart_pen.h"
#include "chart/chart_rect.h"
#include "chart/chart_tool.h"
#include "chart/hint_sink.h"
#include "chart/series_labels.h"
#include "gfx/canvas.h"

namespace orvanta::chart {

enum class TPanelBevel { bvNone, bvLowered, bvRaised };
enum class TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };

// The frame of the plotting rectangle. While transparent only its pen is drawn.
struct TChartBackWall {
  bool Visible = true;
  bool Transparent = true;
  gfx::Color Color = gfx::clSilver;
  TChartPen Pen;
};

struct TChartZoom {
  bool Allow = true;
  ChartMouseButton MouseButton = ChartMouseButton::Left;
  int MinimumPixels = 16;  // a drag must exceed this both ways to zoom or undo
};

// Axis labels and titles: Arial 8 points at 96 dpi, black.
gfx::Font DefaultChartFont();

// A flat bar chart: a panel with a raised frame, a plotting rectangle framed by a line, a
// left value axis and a bottom category axis, bar series and tools. Painting first lays the
// chart out (axes, bar sizes, visible points) and then draws that layout into the canvas
// given, which the window paints off-screen and copies in one step.
class TChart {
 public:
  TChart();
  ~TChart();
  TChart(const TChart&) = delete;
  TChart& operator=(const TChart&) = delete;

  gfx::Color Color = gfx::clBtnFace;
  TPanelBevel BevelOuter = TPanelBevel::bvRaised;
  int BevelWidth = 1;
  ChartMargins Margins;
  TChartBackWall BackWall;
  bool AxisVisible = true;
  bool ClipPoints = true;
  TChartZoom Zoom;
  TPanningMode AllowPanning = TPanningMode::pmBoth;
  ChartMouseButton ScrollMouseButton = ChartMouseButton::Right;
  gfx::Font LabelsFont = DefaultChartFont();
  gfx::Font TitleFont = DefaultChartFont();

  TChartAxis BottomAxis{AxisOrientation::Horizontal};
  TChartAxis LeftAxis{AxisOrientation::Vertical};

  // The hint currently offered for the control; written by the marks tip tool.
  std::string Hint;
  bool ShowHint = false;

  TBarSeries& AddSeries();
  int SeriesCount() const { return static_cast<int>(m_series.size()); }
  TBarSeries& Series(int index) { return *m_series.at(static_cast<std::size_t>(index)); }
  const TBarSeries& Series(int index) const {
    return *m_series.at(static_cast<std::size_t>(index));
  }

  template <class Tool, class... Args>
  Tool& AddTool(Args&&... args) {
    auto tool = std::make_unique<Tool>(*this, std::forward<Args>(args)...);
    Tool& ref = *tool;
    m_tools.push_back(std::move(tool));
    return ref;
  }
  int ToolCount() const { return static_cast<int>(m_tools.size()); }
  TChartTool& Tool(int index) { return *m_tools.at(static_cast<std::size_t>(index)); }

  // Where hints go; none until the window framework connects one.
  void SetHintSink(HintSink* sink) { m_hintSink = sink; }
  HintSink* GetHintSink() const { return m_hintSink; }

  gfx::Size GetSize() const { return m_size; }
  void SetSize(gfx::Size size);

  // Called whenever the picture is out of date: points, ranges or size changed.
  std::function<void()> OnInvalidate;
  void Invalidate();

  // Measures and places everything for the current settings, points and size, and draws
  // nothing. `labels` measures in LabelsFont, `titles` in TitleFont.
  ChartLayout ComputeLayout(LabelMeasurer& labels, LabelMeasurer& titles) const;
  // Lays the chart out and keeps the layout: the picture that the tools, zoom and scrolling
  // refer to until the next layout.
  void LayOut(LabelMeasurer& labels, LabelMeasurer& titles);
  const ChartLayout& Layout() const { return m_layout; }
  // Lays out with the canvas' measurements and draws the layout.
  void Paint(gfx::Canvas& canvas);
  // The plotting rectangle of the layout kept, client pixels.
  gfx::Rect ChartRect() const { return m_layout.ChartRect; }
  // The point of a series of this chart under a client point of the layout kept; -1 when none.
  int Clicked(const TBarSeries& series, int x, int y) const;

  // Mouse input in client pixels: tools first, then zooming and scrolling.
  void MouseEvent(const ChartMouseEvent& event);
  // Positive notches turn the wheel away from the user.
  void MouseWheel(int notches);

  // Fixes both axes to the values under a client rectangle of the layout kept.
  void ZoomRect(const gfx::Rect& rect);
  void UndoZoom();
  bool Zoomed() const;
  bool Zooming() const { return m_zoomDrag.has_value(); }

 private:
  struct Drag {
    gfx::Point Start;
    gfx::Point Last;
  };

  // Layout (chart_layout.cpp).
  std::vector<const TBarSeries*> ActiveSeries() const;
  std::vector<LaidOutSeries> ActiveLaidOut(const ChartLayout& layout) const;
  int FrameWidth() const;
  void PrepareSeries(ChartLayout& layout) const;
  void ComputeAxes(ChartLayout& layout, LabelMeasurer& labels, LabelMeasurer& titles) const;
  void ComputeRange(const TChartAxis& axis, AxisLayout& layout,
                    const std::vector<const TBarSeries*>& series) const;
  int LabelsSize(const TChartAxis& axis, const AxisLayout& layout, LabelMeasurer& measurer,
                 std::span<const LaidOutSeries> series) const;
  std::vector<AxisLabel> AxisLabels(const TChartAxis& axis, const AxisLayout& layout,
                                    LabelMeasurer& measurer,
                                    std::span<const LaidOutSeries> series) const;
  std::optional<int> FewestCategoryPoints(const TChartAxis& axis,
                                          std::span<const LaidOutSeries> series) const;

  // Drawing (chart_paint.cpp).
  void Draw(gfx::Canvas& canvas, const ChartLayout& layout) const;
  void DrawBevel(gfx::Canvas& canvas) const;
  void DrawBackWall(gfx::Canvas& canvas, const ChartLayout& layout) const;
  void DrawAxis(gfx::Canvas& canvas, const TChartAxis& axis, const AxisLayout& layout,
                const ChartLayout& chart) const;
  void DrawZoomRect(gfx::Canvas& canvas) const;
  void FinishZoom(gfx::Point end);
  void Scroll(gfx::Point from, gfx::Point to);

  std::vector<std::unique_ptr<TBarSeries>> m_series;
  std::vector<std::unique_ptr<TChartTool>> m_tools;
  HintSink* m_hintSink = nullptr;
  gfx::Size m_size;
  ChartLayout m_layout;
  std::optional<Drag> m_zoomDrag;
  std::optional<Drag> m_scrollDrag;
};

}  // namespace orvanta::chart
