#include <algorithm>
#include <utility>

#include "chart/bar_series.h"

// The per-paint half of the bar series: bar sizing, positions, drawing and the hit test.
namespace orvanta::chart {

void TBarSeries::Prepare(int barSeriesCount, int barOrder, int slotCount) {
  m_barSeriesCount = std::max(barSeriesCount, 1);
  m_barOrder = barOrder;
  m_slotCount = slotCount;
}

void TBarSeries::CalcBarSize(int categoryAxisSize, double categoryRange) {
  if (CustomBarWidth != 0) {
    m_barSize = CustomBarWidth;
  } else if (m_slotCount <= 0) {
    m_barSize = 0;
  } else {
    double slot = AutoBarSize ? RoundHalfEven(categoryAxisSize / (categoryRange + 2))
                              : static_cast<double>(categoryAxisSize / m_slotCount);
    // Percent times slot is exact, so a bar of exactly x.5 pixels rounds to even as it should;
    // 0.01 has no exact binary value and would tip some halves upwards.
    m_barSize = std::max(RoundToInt(BarWidthPercent * slot / 100.0) / m_barSeriesCount, 0);
    if (m_barSize % 2 != 0) {
      ++m_barSize;  // even, so that half a bar stands on each side of its position
    }
  }
  m_barMargin = m_barSize * m_barSeriesCount;
  if (!SideMargins) {
    m_barMargin /= 2;
  }
}

void TBarSeries::SetScales(const AxisScale& xScale, const AxisScale& yScale) {
  m_xScale = xScale;
  m_yScale = yScale;
}

void TBarSeries::CalcVisibleRange() {
  FirstVisibleIndex = -1;
  LastVisibleIndex = -1;
  if (Count() == 0) {
    return;
  }
  double leftValue = m_xScale.PosToValue(m_xScale.StartPos);
  double rightValue = m_xScale.PosToValue(m_xScale.EndPos);
  const std::vector<double>& xs = XValues.Values();
  // X values only ever grow with the index (each point goes to the next position).
  auto first = std::lower_bound(xs.begin(), xs.end(), leftValue);
  auto last = std::upper_bound(xs.begin(), xs.end(), rightValue);
  if (first < last) {
    FirstVisibleIndex = static_cast<int>(first - xs.begin());
    LastVisibleIndex = static_cast<int>(last - xs.begin()) - 1;
  }
}

int TBarSeries::BarLeft(int index) const {
  int left = m_xScale.ValueToPos(XValue(index)) +
             RoundToInt((m_barOrder - m_barSeriesCount * 0.5 - 1) * m_barSize);
  if (OffsetPercent != 0) {
    left += RoundToInt(OffsetPercent * m_barSize * 0.01);
  }
  return left;
}

gfx::Rect TBarSeries::BarBounds(int index) const {
  gfx::Rect r;
  if (index < 0 || index >= Count()) {
    return r;
  }
  r.Left = BarLeft(index);
  r.Right = r.Left + m_barSize + (BarWidthPercent != 100 ? 1 : 0);
  r.Top = m_yScale.ValueToPos(YValue(index));
  r.Bottom = m_yScale.ValueToPos(YOrigin);
  if (!BarPen.Visible) {
    ++(r.Top > r.Bottom ? r.Top : r.Bottom);
    ++r.Right;
  }
  return r;
}

void TBarSeries::Draw(gfx::Canvas& canvas) const {
  if (FirstVisibleIndex < 0 || LastVisibleIndex < 0) {
    return;
  }
  int last = std::min(LastVisibleIndex, Count() - 1);
  for (int i = FirstVisibleIndex; i <= last; ++i) {
    DrawBar(canvas, i);
  }
}

void TBarSeries::DrawBar(gfx::Canvas& canvas, int index) const {
  gfx::Color color = ValueColor(index);
  if (color == gfx::clNone) {
    return;
  }
  gfx::Rect r = BarBounds(index);
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

int TBarSeries::Clicked(int x, int y) const {
  if (FirstVisibleIndex < 0 || LastVisibleIndex < 0) {
    return -1;
  }
  int last = std::min(LastVisibleIndex, Count() - 1);
  // Bar lefts grow with the index, so the first bar whose right edge reaches x is found by
  // bisection; the bars from there on that start at or before x all contain x horizontally.
  int lo = FirstVisibleIndex;
  int hi = last + 1;
  while (lo < hi) {
    int mid = lo + (hi - lo) / 2;
    if (BarLeft(mid) + m_barSize < x) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  for (int i = lo; i <= last; ++i) {
    gfx::Rect r = BarBounds(i);
    if (r.Left > x) {
      break;
    }
    if (x <= r.Left + m_barSize && std::min(r.Top, r.Bottom) <= y &&
        y <= std::max(r.Top, r.Bottom)) {
      return i;
    }
  }
  return -1;
}

}  // namespace orvanta::chart
