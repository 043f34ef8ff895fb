#include <algorithm>

#include "chart/canvas_measurer.h"
#include "chart/chart.h"
#include "ui/frame3d.h"

// Painting: the paint sequence, drawn from the layout.
namespace orvanta::chart {

gfx::Font DefaultChartFont() {
  gfx::Font font;
  font.Name = "Arial";
  font.Height = 11;  // 8 points at 96 dpi, as a font of height -MulDiv(8, 96, 72)
  font.TextColor = gfx::clBlack;
  return font;
}

void TChart::Paint(gfx::Canvas& canvas) {
  CanvasMeasurer labels(canvas, LabelsFont);
  CanvasMeasurer titles(canvas, TitleFont);
  LayOut(labels, titles);
  Draw(canvas, m_layout);
}

void TChart::Draw(gfx::Canvas& canvas, const ChartLayout& layout) const {
  canvas.FillRect({0, 0, m_size.Width, m_size.Height}, Color);
  DrawBevel(canvas);
  DrawBackWall(canvas, layout);
  if (AxisVisible) {
    const std::pair<const TChartAxis*, const AxisLayout*> axes[] = {{&BottomAxis, &layout.Bottom},
                                                                    {&LeftAxis, &layout.Left}};
    for (auto [axis, axisLayout] : axes) {
      if (axis->Visible) {
        DrawAxis(canvas, *axis, *axisLayout, layout);
      }
    }
  }
  {
    gfx::CanvasStateSaver saver(canvas);
    if (ClipPoints) {
      canvas.IntersectClipRect(layout.PlotFrame());
    }
    for (int i = 0; i < SeriesCount(); ++i) {
      const BarLayout* bars = layout.BarsOf(i);
      if (Series(i).Active && bars != nullptr) {
        Series(i).Draw(canvas, *bars);
      }
    }
  }
  DrawZoomRect(canvas);

  canvas.SetPen(gfx::Pen{});
  canvas.SetBrush(gfx::Brush{});
  canvas.SetFont(DefaultChartFont());
}

void TChart::DrawBevel(gfx::Canvas& canvas) const {
  if (BevelOuter == TPanelBevel::bvNone) {
    return;
  }
  bool raised = BevelOuter == TPanelBevel::bvRaised;
  gfx::Color topLeft = raised ? gfx::clBtnHighlight : gfx::clBtnShadow;
  gfx::Color bottomRight = raised ? gfx::clBtnShadow : gfx::clBtnHighlight;
  gfx::Rect r{0, 0, m_size.Width, m_size.Height};
  ui::Frame3D(canvas, r, topLeft, bottomRight, BevelWidth);
}

void TChart::DrawBackWall(gfx::Canvas& canvas, const ChartLayout& layout) const {
  if (!BackWall.Visible) {
    return;
  }
  canvas.SetPen(BackWall.Pen.ToPen());
  canvas.SetBrush(
      {BackWall.Color, BackWall.Transparent ? gfx::BrushStyle::Clear : gfx::BrushStyle::Solid});
  canvas.Rectangle(layout.PlotFrame());
}

void TChart::DrawAxis(gfx::Canvas& canvas, const TChartAxis& axis, const AxisLayout& layout,
                      const ChartLayout& chart) const {
  axis.DrawTitle(canvas, layout, TitleFont, chart.TitleFontHeight);
  canvas.SetFont(LabelsFont);
  axis.DrawLabels(canvas, layout, chart.LabelsFontHeight);
  axis.DrawLine(canvas, layout);
  axis.DrawTicks(canvas, layout);
}

void TChart::DrawZoomRect(gfx::Canvas& canvas) const {
  if (!m_zoomDrag) {
    return;
  }
  gfx::Rect r{std::min(m_zoomDrag->Start.X, m_zoomDrag->Last.X),
              std::min(m_zoomDrag->Start.Y, m_zoomDrag->Last.Y),
              std::max(m_zoomDrag->Start.X, m_zoomDrag->Last.X) + 1,
              std::max(m_zoomDrag->Start.Y, m_zoomDrag->Last.Y) + 1};
  // A one-pixel inverted frame; the sides leave out the corners the top and bottom took.
  canvas.InvertRect({r.Left, r.Top, r.Right, r.Top + 1});
  if (r.Height() > 1) {
    canvas.InvertRect({r.Left, r.Bottom - 1, r.Right, r.Bottom});
  }
  if (r.Height() > 2) {
    canvas.InvertRect({r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1});
    if (r.Width() > 1) {
      canvas.InvertRect({r.Right - 1, r.Top + 1, r.Right, r.Bottom - 1});
    }
  }
}

}  // namespace orvanta::chart
