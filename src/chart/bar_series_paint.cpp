#include <algorithm>
#include <utility>

#include "chart/bar_series.h"

// The layout half of the bar series: bar sizing, positions, drawing and the hit test.
namespace orvanta::chart {

BarLayout TBarSeries::Prepare(int barSeriesCount, int barOrder, int slotCount) const {
  BarLayout layout;
  layout.BarSeriesCount = std::max(barSeriesCount, 1);
  layout.BarOrder = barOrder;
  layout.SlotCount = slotCount;
  return layout;
}

void TBarSeries::CalcBarSize(BarLayout& layout, int categoryAxisSize, double categoryRange) const {
  int& barSize = layout.BarSize;
  if (CustomBarWidth != 0) {
    barSize = CustomBarWidth;
  } else if (layout.SlotCount <= 0) {
    barSize = 0;
  } else {
    double slot = AutoBarSize ? RoundHalfEven(categoryAxisSize / (categoryRange + 2))
                              : static_cast<double>(categoryAxisSize / layout.SlotCount);
    // Percent times slot is exact, so a bar of exactly x.5 pixels rounds to even as it should;
    // 0.01 has no exact binary value and would tip some halves upwards.
    barSize = std::max(RoundToInt(BarWidthPercent * slot / 100.0) / layout.BarSeriesCount, 0);
    if (barSize % 2 != 0) {
      ++barSize;  // even, so that half a bar stands on each side of its position
    }
  }
  layout.BarMargin = barSize * layout.BarSeriesCount;
  if (!SideMargins) {
    layout.BarMargin /= 2;
  }
}

void TBarSeries::SetScales(BarLayout& layout, const AxisScale& xScale,
                           const AxisScale& yScale) const {
  layout.XScale = xScale;
  layout.YScale = yScale;
  layout.FirstVisibleIndex = -1;
  layout.LastVisibleIndex = -1;
  if (Count() == 0) {
    return;
  }
  double leftValue = xScale.PosToValue(xScale.StartPos);
  double rightValue = xScale.PosToValue(xScale.EndPos);
  const std::vector<double>& xs = XValues.Values();
  // X values only ever grow with the index (each point goes to the next position).
  auto first = std::lower_bound(xs.begin(), xs.end(), leftValue);
  auto last = std::upper_bound(xs.begin(), xs.end(), rightValue);
  if (first < last) {
    layout.FirstVisibleIndex = static_cast<int>(first - xs.begin());
    layout.LastVisibleIndex = static_cast<int>(last - xs.begin()) - 1;
  }
}

int TBarSeries::LastDrawn(const BarLayout& layout) const {
  if (layout.FirstVisibleIndex < 0 || layout.LastVisibleIndex < 0) {
    return -1;
  }
  return std::min(layout.LastVisibleIndex, Count() - 1);
}

int TBarSeries::BarLeft(const BarLayout& layout, int index) const {
  int left = layout.XScale.ValueToPos(XValue(index)) +
             RoundToInt((layout.BarOrder - layout.BarSeriesCount * 0.5 - 1) * layout.BarSize);
  if (OffsetPercent != 0) {
    left += RoundToInt(OffsetPercent * layout.BarSize * 0.01);
  }
  return left;
}

gfx::Rect TBarSeries::BarBounds(const BarLayout& layout, int index) const {
  gfx::Rect r;
  if (index < 0 || index >= Count()) {
    return r;
  }
  r.Left = BarLeft(layout, index);
  r.Right = r.Left + layout.BarSize + (BarWidthPercent != 100 ? 1 : 0);
  r.Top = layout.YScale.ValueToPos(YValue(index));
  r.Bottom = layout.YScale.ValueToPos(YOrigin);
  if (!BarPen.Visible) {
    ++(r.Top > r.Bottom ? r.Top : r.Bottom);
    ++r.Right;
  }
  return r;
}

void TBarSeries::Draw(gfx::Canvas& canvas, const BarLayout& layout) const {
  const int last = LastDrawn(layout);
  if (last < 0) {
    return;
  }
  for (int i = layout.FirstVisibleIndex; i <= last; ++i) {
    DrawBar(canvas, layout, i);
  }
}

void TBarSeries::DrawBar(gfx::Canvas& canvas, const BarLayout& layout, int index) const {
  gfx::Color color = ValueColor(index);
  if (color == gfx::clNone) {
    return;
  }
  gfx::Rect r = BarBounds(layout, index);
  gfx::Pen pen = BarPen.ToPen();
  gfx::Brush brush{color, BarBrush.Style};
  if (brush.Style == gfx::BrushStyle::Solid) {
    if (r.Left == r.Right || r.Top == r.Bottom) {
      // A bar without height (value at the origin) shows as a line in its own colour.
      pen.PenColor = color;
      if (pen.Style == gfx::PenStyle::Clear) {
        pen.Style = gfx::PenStyle::Solid;
      }
      canvas.SetPen(pen);
      canvas.Line(r.Left, r.Top, r.Right, r.Bottom);
      return;
    }
    if (pen.Width > r.Right - r.Left || pen.Width > std::abs(r.Bottom - r.Top)) {
      pen.PenColor = color;
      brush.Style = gfx::BrushStyle::Clear;
    }
  }
  if (r.Top > r.Bottom) {
    std::swap(r.Top, r.Bottom);  // a bar below the origin
  }
  canvas.SetPen(pen);
  canvas.SetBrush(brush);
  canvas.Rectangle(r);
}

int TBarSeries::Clicked(const BarLayout& layout, int x, int y) const {
  const int last = LastDrawn(layout);
  if (last < 0) {
    return -1;
  }
  // Bar lefts grow with the index, so the first bar whose right edge reaches x is found by
  // bisection; the bars from there on that start at or before x all contain x horizontally.
  int lo = layout.FirstVisibleIndex;
  int hi = last + 1;
  while (lo < hi) {
    int mid = lo + (hi - lo) / 2;
    if (BarLeft(layout, mid) + layout.BarSize < x) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  for (int i = lo; i <= last; ++i) {
    gfx::Rect r = BarBounds(layout, i);
    if (r.Left > x) {
      break;
    }
    if (x <= r.Left + layout.BarSize && std::min(r.Top, r.Bottom) <= y &&
        y <= std::max(r.Top, r.Bottom)) {
      return i;
    }
  }
  return -1;
}

}  // namespace orvanta::chart
