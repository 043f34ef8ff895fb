#include "chart/chart_rect.h"

#include <algorithm>

namespace orvanta::chart {

gfx::Rect StartingChartRect(gfx::Size client, int frameWidth, const ChartMargins& margins) {
  int w = client.Width;
  int h = client.Height;
  gfx::Rect r{frameWidth + margins.Left * w / 100, frameWidth + margins.Top * h / 100,
              w - frameWidth - margins.Right * w / 100, h - frameWidth - margins.Bottom * h / 100};
  return NormalizeChartRect(r, client);
}

gfx::Rect NormalizeChartRect(gfx::Rect rect, gfx::Size client) {
  rect.Left = std::max(rect.Left, 0);
  rect.Top = std::max(rect.Top, 0);
  if (rect.Right < rect.Left) {
    rect.Right = rect.Left + 1;
  } else if (rect.Right == rect.Left) {
    rect.Right = rect.Left + client.Width;
  }
  if (rect.Bottom < rect.Top) {
    rect.Bottom = rect.Top + 1;
  } else if (rect.Bottom == rect.Top) {
    rect.Bottom = rect.Top + client.Height;
  }
  return rect;
}

}  // namespace orvanta::chart
